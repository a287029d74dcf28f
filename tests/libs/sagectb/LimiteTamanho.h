#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#define QRX_TEM_LIMITE_TAMANHO 1

// Caps the size of the files this process writes, so that a write stops half way the way it
// does on a full disk. Restores the limit and the signal on destruction.
class LimiteTamanho {
public:
    explicit LimiteTamanho(rlim_t bytes)
    {
        m_sinal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_anterior);
        rlimit novo = m_anterior;
        novo.rlim_cur = bytes;
        m_activo = setrlimit(RLIMIT_FSIZE, &novo) == 0;
    }
    ~LimiteTamanho()
    {
        setrlimit(RLIMIT_FSIZE, &m_anterior);
        std::signal(SIGXFSZ, m_sinal);
    }
    LimiteTamanho(const LimiteTamanho &) = delete;
    LimiteTamanho &operator=(const LimiteTamanho &) = delete;

    bool activo() const { return m_activo; }

private:
    rlimit m_anterior{};
    void (*m_sinal)(int) = nullptr;
    bool m_activo = false;
};
#endif
