#include "FicheiroVersao.h"

#include "QrxError.h"
#include "Windows1252.h"

#include <QStringList>

namespace qrx {

namespace {
const QString Marcador = QStringLiteral("qrxVersao");
constexpr qint32 IndiceForaDosLimites = 9;
} // namespace

InfoVersao lerFicheiroVersao(const QByteArray &conteudo, const QString &nomeFicheiro)
{
    const qsizetype fim = conteudo.indexOf('\n');
    QByteArray linha = fim < 0 ? conteudo : conteudo.left(fim);
    if (linha.endsWith('\r'))
        linha.chop(1);
    const QString texto = descodificaWindows1252(linha);
    if (!texto.startsWith(Marcador))
        return {};

    const QStringList campos = texto.split(QLatin1Char(','));
    if (campos.size() < 3)
        throw QrxError(IndiceForaDosLimites, QStringLiteral("cl_Update.GetVersao"),
                       u"A primeira linha de " % nomeFicheiro
                           % u" não tem a versão e o endereço do instalador.");
    return {campos.at(1), campos.at(2)};
}

bool versaoMaisRecente(const QString &nova, const QString &actual)
{
    return QString::compare(nova, actual, Qt::CaseSensitive) > 0;
}

QString textoPergunta(const QString &actual, const QString &nova)
{
    return u"Está disponivel uma nova versão da sua aplicação.\r\n"
           u"Versão instalada : "
        % actual % u"\r\nNova versão      : " % nova % u"\r\nDeseja actualizar a sua versão ?";
}

QString tituloActualizacao()
{
    return QStringLiteral("Actualização automática");
}

} // namespace qrx
