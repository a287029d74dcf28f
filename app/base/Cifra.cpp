#include "Cifra.h"

#include "QrxError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <sodium.h>

namespace qrx {

namespace {

const QString origem = QStringLiteral("Cifra");

// Key bytes wiped when they go out of scope.
class Chave {
public:
    Chave() : m_bytes(crypto_secretbox_KEYBYTES, '\0') {}
    ~Chave() { sodium_memzero(m_bytes.data(), size_t(m_bytes.size())); }
    Chave(const Chave &) = delete;
    Chave &operator=(const Chave &) = delete;
    unsigned char *dados() { return reinterpret_cast<unsigned char *>(m_bytes.data()); }
    QByteArray &bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

void iniciaSodium()
{
    if (sodium_init() < 0)
        throw QrxError(erros::FalhaGeral, origem,
                       QStringLiteral("Não foi possível iniciar a biblioteca de cifra."));
}

// Reads the key; false when the file does not exist.
bool leChave(const QString &ficheiroChave, Chave &chave)
{
    QFile file(ficheiroChave);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        throw QrxError(erros::FicheiroInacessivel, origem,
                       u"Não foi possível ler o ficheiro de chave " + ficheiroChave + u": "
                           + file.errorString());
    QByteArray lido = file.read(crypto_secretbox_KEYBYTES + 1);
    const bool valida = lido.size() == qsizetype(crypto_secretbox_KEYBYTES);
    if (valida)
        std::copy(lido.cbegin(), lido.cend(), chave.bytes().begin());
    sodium_memzero(lido.data(), size_t(lido.size()));
    if (!valida)
        throw QrxError(erros::ValorInvalido, origem,
                       u"O ficheiro de chave " + ficheiroChave + u" está danificado.");
    return true;
}

// Creates the key file owner-only and complete, or reads the one another process created
// in the meantime.
void criaChave(const QString &ficheiroChave, Chave &chave)
{
    const QString pasta = QFileInfo(ficheiroChave).absolutePath();
    auto falha = [&ficheiroChave](const QString &razao) {
        return QrxError(erros::FicheiroInacessivel, origem,
                        u"Não foi possível criar o ficheiro de chave " + ficheiroChave + u": "
                            + razao);
    };
    QTemporaryFile temporario(QDir(pasta).filePath(QStringLiteral("qrxEdi.chave.XXXXXX")));
    if (!temporario.open())
        throw falha(temporario.errorString());
    temporario.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    randombytes_buf(chave.dados(), crypto_secretbox_KEYBYTES);
    if (temporario.write(chave.bytes()) != chave.bytes().size() || !temporario.flush())
        throw falha(temporario.errorString());
    temporario.close();
    if (temporario.rename(ficheiroChave)) {
        temporario.setAutoRemove(false);
        return;
    }
    if (!leChave(ficheiroChave, chave))
        throw falha(temporario.errorString());
}

} // namespace

Cifra::Cifra(QString ficheiroConfiguracao) : m_ficheiroConfiguracao(std::move(ficheiroConfiguracao))
{
}

QString Cifra::ficheiroChave() const
{
    return QFileInfo(m_ficheiroConfiguracao).absoluteDir().filePath(nomeFicheiroChave);
}

QString Cifra::cifra(const QString &texto) const
{
    if (texto.isEmpty())
        return QString();
    iniciaSodium();
    Chave chave;
    const QString caminhoChave = ficheiroChave();
    if (!leChave(caminhoChave, chave))
        criaChave(caminhoChave, chave);

    QByteArray claro = texto.toUtf8();
    QByteArray saida(qsizetype(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES)
                         + claro.size(),
                     '\0');
    auto *nonce = reinterpret_cast<unsigned char *>(saida.data());
    randombytes_buf(nonce, crypto_secretbox_NONCEBYTES);
    crypto_secretbox_easy(nonce + crypto_secretbox_NONCEBYTES,
                          reinterpret_cast<const unsigned char *>(claro.constData()),
                          static_cast<unsigned long long>(claro.size()), nonce, chave.dados());
    sodium_memzero(claro.data(), size_t(claro.size()));
    return prefixo + QString::fromLatin1(saida.toBase64());
}

QString Cifra::cifraParaGravar(const QString &texto, const QString &guardado) const
{
    if (estaCifrado(guardado)) {
        try {
            if (decifra(guardado) == texto)
                return guardado;
        } catch (const QrxError &) {
            // an unreadable old value is simply replaced
        }
    }
    return cifra(texto);
}

QString Cifra::decifra(const QString &texto) const
{
    if (!estaCifrado(texto))
        return texto;
    iniciaSodium();
    const QString caminhoChave = ficheiroChave();
    auto falha = [this](qint32 numero, const QString &razao) {
        return QrxError(numero, origem,
                        u"Não foi possível decifrar a password guardada no ficheiro de configuração "
                            + m_ficheiroConfiguracao + u": " + razao);
    };

    const auto descodificado = QByteArray::fromBase64Encoding(
        texto.mid(prefixo.size()).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const qsizetype minimo = qsizetype(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES);
    if (!descodificado || descodificado.decoded.size() < minimo)
        throw falha(erros::ValorInvalido, QStringLiteral("o valor cifrado está incompleto ou alterado."));

    Chave chave;
    if (!leChave(caminhoChave, chave))
        throw falha(erros::FicheiroNaoEncontrado,
                    u"falta o ficheiro de chave " + caminhoChave + u'.');

    const QByteArray &cifrado = descodificado.decoded;
    const auto *nonce = reinterpret_cast<const unsigned char *>(cifrado.constData());
    QByteArray claro(cifrado.size() - minimo, '\0');
    const int resultado = crypto_secretbox_open_easy(
        reinterpret_cast<unsigned char *>(claro.data()), nonce + crypto_secretbox_NONCEBYTES,
        static_cast<unsigned long long>(cifrado.size()) - crypto_secretbox_NONCEBYTES, nonce,
        chave.dados());
    if (resultado != 0)
        throw falha(erros::ValorInvalido,
                    u"o valor foi alterado ou foi cifrado com outra chave que não a de "
                        + caminhoChave + u'.');
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString resultadoTexto = utf8.decode(claro);
    sodium_memzero(claro.data(), size_t(claro.size()));
    if (utf8.hasError())
        throw falha(erros::ValorInvalido, QStringLiteral("o valor decifrado não é texto válido."));
    return resultadoTexto;
}

} // namespace qrx
