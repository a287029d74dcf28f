#include "RespostaHttp.h"

#include <QList>

namespace qrx {

QString GETDATAHEAD(const QByteArray &cabecalho, const QString &campo)
{
    if (cabecalho.isEmpty() || campo.isEmpty())
        return {};
    const QByteArray nome = campo.toLatin1().toLower() + ':';
    const QList<QByteArray> linhas = cabecalho.split('\n');
    // The first line is the status line, never a field.
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        QByteArray linha = linhas.at(i);
        if (linha.endsWith('\r'))
            linha.chop(1);
        if (linha.toLower().startsWith(nome))
            return QString::fromLatin1(linha.mid(nome.size()).trimmed());
    }
    return {};
}

int codigoEstado(const QByteArray &cabecalho)
{
    const QList<QByteArray> partes = linhaEstado(cabecalho).toLatin1().split(' ');
    if (partes.size() < 2 || !partes.at(0).startsWith("HTTP/"))
        return 0;
    bool ok = false;
    const int codigo = partes.at(1).toInt(&ok);
    return ok && partes.at(1).size() == 3 ? codigo : 0;
}

QString linhaEstado(const QByteArray &cabecalho)
{
    const qsizetype fim = cabecalho.indexOf('\n');
    QByteArray linha = fim < 0 ? cabecalho : cabecalho.left(fim);
    if (linha.endsWith('\r'))
        linha.chop(1);
    return QString::fromLatin1(linha);
}

} // namespace qrx
