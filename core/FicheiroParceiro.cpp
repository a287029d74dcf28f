#include "FicheiroParceiro.h"

#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qrx {

namespace {

QString motivo(const QFileDevice &ficheiro)
{
    const QString sistema = ficheiro.errorString();
    switch (ficheiro.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("sem permissão de acesso (%1)").arg(sistema);
    case QFileDevice::WriteError:
        return QStringLiteral("erro de escrita, disco cheio ou inacessível (%1)").arg(sistema);
    case QFileDevice::RenameError:
        return QStringLiteral("não foi possível pôr o ficheiro no lugar (%1)").arg(sistema);
    case QFileDevice::ReadError:
        return QStringLiteral("erro de leitura (%1)").arg(sistema);
    default:
        return sistema;
    }
}

} // namespace

FicheiroParceiro::FicheiroParceiro(QString caminho, Modo modo)
    : m_caminho(std::move(caminho)), m_modo(modo)
{
}

FicheiroParceiro::~FicheiroParceiro()
{
    descarta();
}

QString FicheiroParceiro::caminhoMostrado() const
{
    return QDir::toNativeSeparators(m_caminho);
}

void FicheiroParceiro::falha(const QString &texto)
{
    m_erro = texto;
    if (m_ficheiro)
        m_ficheiro->cancelWriting();
}

bool FicheiroParceiro::estaAberto() const
{
    return m_ficheiro && m_ficheiro->isOpen();
}

bool FicheiroParceiro::abre()
{
    if (estaAberto())
        return true;
    m_erro.clear();
    m_linhas = 0;
    m_substituidos = 0;
    if (m_caminho.trimmed().isEmpty()) {
        m_erro = QStringLiteral("Não foi possível criar o ficheiro: o caminho está vazio.");
        return false;
    }
    const QFileInfo info(m_caminho);
    const QDir pasta = info.absoluteDir();
    if (!pasta.exists()) {
        m_erro = QStringLiteral("Não foi possível criar o ficheiro \"%1\": a pasta \"%2\" não existe.")
                     .arg(caminhoMostrado(), QDir::toNativeSeparators(pasta.path()));
        return false;
    }
    if (info.isDir()) {
        m_erro = QStringLiteral("Não foi possível criar o ficheiro \"%1\": esse caminho é uma pasta.")
                     .arg(caminhoMostrado());
        return false;
    }

    auto ficheiro = std::make_unique<QSaveFile>(m_caminho);
    if (!ficheiro->open(QIODevice::WriteOnly)) {
        m_erro = QStringLiteral("Não foi possível criar o ficheiro \"%1\": %2")
                     .arg(caminhoMostrado(), motivo(*ficheiro));
        return false;
    }
    m_ficheiro = std::move(ficheiro);

    if (m_modo == Modo::Acrescentar && info.exists()) {
        QFile antigo(m_caminho);
        if (!antigo.open(QIODevice::ReadOnly)) {
            falha(QStringLiteral("Não foi possível ler o ficheiro existente \"%1\" para lhe acrescentar linhas: %2")
                      .arg(caminhoMostrado(), motivo(antigo)));
            m_ficheiro.reset();
            return false;
        }
        while (!antigo.atEnd()) {
            const QByteArray bloco = antigo.read(1 << 20);
            if (bloco.isEmpty() && antigo.error() != QFileDevice::NoError) {
                falha(QStringLiteral("Não foi possível ler o ficheiro existente \"%1\" para lhe acrescentar linhas: %2")
                          .arg(caminhoMostrado(), motivo(antigo)));
                m_ficheiro.reset();
                return false;
            }
            if (m_ficheiro->write(bloco) != bloco.size()) {
                falha(QStringLiteral("Não foi possível escrever no ficheiro \"%1\": %2")
                          .arg(caminhoMostrado(), motivo(*m_ficheiro)));
                m_ficheiro.reset();
                return false;
            }
        }
    }
    return true;
}

bool FicheiroParceiro::escreveLinha(const QString &linha)
{
    if (!m_erro.isEmpty())
        return false;
    if (!estaAberto()) {
        m_erro = QStringLiteral("Não foi possível escrever no ficheiro \"%1\": o ficheiro não está aberto.")
                     .arg(caminhoMostrado());
        return false;
    }
    qsizetype trocas = 0;
    QByteArray bytes = codificaWindows1252(linha, &trocas);
    bytes += "\r\n";
    if (m_ficheiro->write(bytes) != bytes.size()) {
        falha(QStringLiteral("Não foi possível escrever no ficheiro \"%1\": %2")
                  .arg(caminhoMostrado(), motivo(*m_ficheiro)));
        return false;
    }
    m_substituidos += trocas;
    ++m_linhas;
    return true;
}

bool FicheiroParceiro::confirma()
{
    if (!estaAberto()) {
        if (m_erro.isEmpty())
            m_erro = QStringLiteral("Não foi possível gravar o ficheiro \"%1\": o ficheiro não está aberto.")
                         .arg(caminhoMostrado());
        m_ficheiro.reset();
        return false;
    }
    if (!m_erro.isEmpty()) {
        descarta();
        return false;
    }
    const bool gravado = m_ficheiro->commit();
    if (!gravado)
        m_erro = QStringLiteral("Não foi possível gravar o ficheiro \"%1\": %2")
                     .arg(caminhoMostrado(), motivo(*m_ficheiro));
    m_ficheiro.reset();
    return gravado;
}

void FicheiroParceiro::descarta()
{
    if (m_ficheiro) {
        m_ficheiro->cancelWriting();
        m_ficheiro.reset();
    }
}

} // namespace qrx
