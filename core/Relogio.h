#pragma once

#include <QDateTime>

namespace qrx {

// Time comes from a clock object so that tests can fix it.
class Relogio {
public:
    virtual ~Relogio() = default;
    virtual QDateTime agora() const = 0;
    QDate hoje() const { return agora().date(); }
};

class RelogioSistema : public Relogio {
public:
    QDateTime agora() const override { return QDateTime::currentDateTime(); }
};

class RelogioFixo : public Relogio {
public:
    explicit RelogioFixo(QDateTime momento) : m_momento(std::move(momento)) {}
    QDateTime agora() const override { return m_momento; }
    void definir(const QDateTime &momento) { m_momento = momento; }

private:
    QDateTime m_momento;
};

} // namespace qrx
