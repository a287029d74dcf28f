#include "EnderecoDescarga.h"

namespace qrx {

EnderecoDescarga StartUpdate(const QString &url)
{
    EnderecoDescarga e;
    e.urlCompleto = url;

    QString resto = url;
    const qsizetype separador = resto.indexOf(u"://");
    if (separador >= 0) {
        e.seguro = resto.left(separador).compare(u"https", Qt::CaseInsensitive) == 0;
        resto = resto.mid(separador + 3);
    }
    e.porta = e.seguro ? 443 : 80;

    const qsizetype barra = resto.indexOf(QLatin1Char('/'));
    e.hostCabecalho = barra >= 0 ? resto.left(barra) : resto;
    if (barra >= 0)
        e.ficheiro = resto.mid(resto.lastIndexOf(QLatin1Char('/')) + 1);

    e.host = e.hostCabecalho;
    const qsizetype doisPontos = e.host.lastIndexOf(QLatin1Char(':'));
    if (doisPontos >= 0 && !e.host.endsWith(QLatin1Char(']'))) {
        bool ok = false;
        const uint porta = e.host.mid(doisPontos + 1).toUInt(&ok);
        if (!ok || porta == 0 || porta > 65535)
            return e;
        e.porta = static_cast<quint16>(porta);
        e.host.truncate(doisPontos);
    }
    if (e.host.startsWith(QLatin1Char('[')) && e.host.endsWith(QLatin1Char(']')))
        e.host = e.host.mid(1, e.host.size() - 2);
    e.valido = !e.host.isEmpty();
    return e;
}

} // namespace qrx
