#include "LigacaoWindows.h"

#ifdef Q_OS_WIN

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QByteArray>
#include <QDir>
#include <QList>

#include <string>
#include <vector>

namespace qrx {

namespace {

// The few Simple MAPI declarations used here, laid out as the messaging library expects
// them (default packing, ULONG of 32 bits, handles of pointer size).
using MapiFlags = ULONG;
using MapiSessao = ULONG_PTR;

constexpr MapiFlags MapiLogonUi = 0x00000001;
constexpr ULONG PosicaoIndiferente = ULONG(-1);

struct MapiRecipDescA {
    ULONG ulReserved;
    ULONG ulRecipClass;
    LPSTR lpszName;
    LPSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};

struct MapiFileDescA {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    LPSTR lpszPathName;
    LPSTR lpszFileName;
    LPVOID lpFileType;
};

struct MapiMessageA {
    ULONG ulReserved;
    LPSTR lpszSubject;
    LPSTR lpszNoteText;
    LPSTR lpszMessageType;
    LPSTR lpszDateReceived;
    LPSTR lpszConversationID;
    MapiFlags flFlags;
    MapiRecipDescA *lpOriginator;
    ULONG nRecipCount;
    MapiRecipDescA *lpRecips;
    ULONG nFileCount;
    MapiFileDescA *lpFiles;
};

struct MapiRecipDescW {
    ULONG ulReserved;
    ULONG ulRecipClass;
    PWSTR lpszName;
    PWSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};

struct MapiFileDescW {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    LPVOID lpFileType;
};

struct MapiMessageW {
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    MapiFlags flFlags;
    MapiRecipDescW *lpOriginator;
    ULONG nRecipCount;
    MapiRecipDescW *lpRecips;
    ULONG nFileCount;
    MapiFileDescW *lpFiles;
};

using FuncaoLogon = ULONG(WINAPI *)(ULONG_PTR ulUIParam, LPSTR lpszProfileName,
                                    LPSTR lpszPassword, MapiFlags flFlags, ULONG ulReserved,
                                    MapiSessao *lplhSession);
using FuncaoLogoff = ULONG(WINAPI *)(MapiSessao lhSession, ULONG_PTR ulUIParam,
                                     MapiFlags flFlags, ULONG ulReserved);
using FuncaoEnviarA = ULONG(WINAPI *)(MapiSessao lhSession, ULONG_PTR ulUIParam,
                                      MapiMessageA *lpMessage, MapiFlags flFlags,
                                      ULONG ulReserved);
using FuncaoEnviarW = ULONG(WINAPI *)(MapiSessao lhSession, ULONG_PTR ulUIParam,
                                      MapiMessageW *lpMessage, MapiFlags flFlags,
                                      ULONG ulReserved);

// Some mail programs change the current folder while they send; the caller's is kept.
class PastaAtualGuardada {
public:
    PastaAtualGuardada() : m_pasta(QDir::currentPath()) {}
    ~PastaAtualGuardada() { QDir::setCurrent(m_pasta); }
    PastaAtualGuardada(const PastaAtualGuardada &) = delete;
    PastaAtualGuardada &operator=(const PastaAtualGuardada &) = delete;

private:
    QString m_pasta;
};

// Strings the library reads during one call; the containers keep them alive and in place.
class TextosW {
public:
    PWSTR guarda(const QString &texto)
    {
        m_textos.push_back(texto.toStdWString());
        return m_textos.back().data();
    }
    PWSTR guardaOuNulo(const QString &texto) { return texto.isEmpty() ? nullptr : guarda(texto); }

private:
    std::vector<std::wstring> m_textos;
};

class TextosA {
public:
    LPSTR guarda(const QString &texto)
    {
        m_textos.push_back(texto.toLocal8Bit());
        return m_textos.back().data();
    }
    LPSTR guardaOuNulo(const QString &texto) { return texto.isEmpty() ? nullptr : guarda(texto); }

private:
    QList<QByteArray> m_textos;
};

ULONG posicaoUtf16(const MensagemMapi &mensagem, const AnexoMapi &anexo)
{
    if (anexo.posicao < 0 || anexo.posicao >= mensagem.texto.size())
        return PosicaoIndiferente;
    return ULONG(anexo.posicao);
}

// In the ANSI text a position counts bytes of the code page, not characters.
ULONG posicaoAnsi(const MensagemMapi &mensagem, const AnexoMapi &anexo)
{
    if (anexo.posicao < 0 || anexo.posicao >= mensagem.texto.size())
        return PosicaoIndiferente;
    return ULONG(mensagem.texto.left(anexo.posicao).toLocal8Bit().size());
}

ULONG enviarW(FuncaoEnviarW enviar, quintptr sessao, quintptr janela,
              const MensagemMapi &mensagem)
{
    TextosW textos;
    std::vector<MapiRecipDescW> destinatarios;
    destinatarios.reserve(std::size_t(mensagem.destinatarios.size()));
    for (const DestinatarioMapi &d : mensagem.destinatarios)
        destinatarios.push_back({0, ULONG(d.classe), textos.guarda(d.nome),
                                 textos.guarda(d.endereco), 0, nullptr});
    std::vector<MapiFileDescW> anexos;
    anexos.reserve(std::size_t(mensagem.anexos.size()));
    for (const AnexoMapi &a : mensagem.anexos)
        anexos.push_back({0, 0, posicaoUtf16(mensagem, a),
                          textos.guarda(QDir::toNativeSeparators(a.caminho)),
                          textos.guardaOuNulo(a.TituloFicheiro), nullptr});

    MapiMessageW registo{};
    registo.lpszSubject = textos.guardaOuNulo(mensagem.assunto);
    registo.lpszNoteText = textos.guardaOuNulo(mensagem.texto);
    registo.nRecipCount = ULONG(destinatarios.size());
    registo.lpRecips = destinatarios.empty() ? nullptr : destinatarios.data();
    registo.nFileCount = ULONG(anexos.size());
    registo.lpFiles = anexos.empty() ? nullptr : anexos.data();
    return enviar(MapiSessao(sessao), ULONG_PTR(janela), &registo, 0, 0);
}

ULONG enviarA(FuncaoEnviarA enviar, quintptr sessao, quintptr janela,
              const MensagemMapi &mensagem)
{
    TextosA textos;
    std::vector<MapiRecipDescA> destinatarios;
    destinatarios.reserve(std::size_t(mensagem.destinatarios.size()));
    for (const DestinatarioMapi &d : mensagem.destinatarios)
        destinatarios.push_back({0, ULONG(d.classe), textos.guarda(d.nome),
                                 textos.guarda(d.endereco), 0, nullptr});
    std::vector<MapiFileDescA> anexos;
    anexos.reserve(std::size_t(mensagem.anexos.size()));
    for (const AnexoMapi &a : mensagem.anexos)
        anexos.push_back({0, 0, posicaoAnsi(mensagem, a),
                          textos.guarda(QDir::toNativeSeparators(a.caminho)),
                          textos.guardaOuNulo(a.TituloFicheiro), nullptr});

    MapiMessageA registo{};
    registo.lpszSubject = textos.guardaOuNulo(mensagem.assunto);
    registo.lpszNoteText = textos.guardaOuNulo(mensagem.texto);
    registo.nRecipCount = ULONG(destinatarios.size());
    registo.lpRecips = destinatarios.empty() ? nullptr : destinatarios.data();
    registo.nFileCount = ULONG(anexos.size());
    registo.lpFiles = anexos.empty() ? nullptr : anexos.data();
    return enviar(MapiSessao(sessao), ULONG_PTR(janela), &registo, 0, 0);
}

} // namespace

struct LigacaoWindows::Funcoes {
    FuncaoLogon logon = nullptr;
    FuncaoLogoff logoff = nullptr;
    FuncaoEnviarA enviarA = nullptr;
    FuncaoEnviarW enviarW = nullptr;   // absent before Windows 8
};

LigacaoWindows::LigacaoWindows() : m_biblioteca(QStringLiteral("MAPI32")) {}

// The library stays loaded: a mail program may still hold threads inside it.
LigacaoWindows::~LigacaoWindows() = default;

bool LigacaoWindows::carrega()
{
    if (m_funcoes)
        return true;
    if (!m_biblioteca.load())
        return false;
    auto funcoes = std::make_unique<Funcoes>();
    funcoes->logon = reinterpret_cast<FuncaoLogon>(m_biblioteca.resolve("MAPILogon"));
    funcoes->logoff = reinterpret_cast<FuncaoLogoff>(m_biblioteca.resolve("MAPILogoff"));
    funcoes->enviarA = reinterpret_cast<FuncaoEnviarA>(m_biblioteca.resolve("MAPISendMail"));
    funcoes->enviarW = reinterpret_cast<FuncaoEnviarW>(m_biblioteca.resolve("MAPISendMailW"));
    if (!funcoes->logon || !funcoes->logoff || (!funcoes->enviarA && !funcoes->enviarW))
        return false;
    m_funcoes = std::move(funcoes);
    return true;
}

quint32 LigacaoWindows::logon(quintptr janela, quintptr &sessao)
{
    if (!carrega())
        return MapiFalhaLogon;
    MapiSessao nova = 0;
    const ULONG codigo = m_funcoes->logon(ULONG_PTR(janela), nullptr, nullptr, MapiLogonUi, 0,
                                          &nova);
    if (codigo == MapiSucesso)
        sessao = quintptr(nova);
    return quint32(codigo);
}

quint32 LigacaoWindows::logoff(quintptr sessao, quintptr janela)
{
    if (!m_funcoes)
        return MapiSessaoInvalida;
    return quint32(m_funcoes->logoff(MapiSessao(sessao), ULONG_PTR(janela), 0, 0));
}

quint32 LigacaoWindows::enviar(quintptr sessao, quintptr janela, const MensagemMapi &mensagem)
{
    if (!m_funcoes)
        return MapiSessaoInvalida;
    const PastaAtualGuardada pasta;
    if (m_funcoes->enviarW)
        return quint32(enviarW(m_funcoes->enviarW, sessao, janela, mensagem));
    return quint32(enviarA(m_funcoes->enviarA, sessao, janela, mensagem));
}

} // namespace qrx

#endif
