#include "EsquemaErp.h"

#include "QrxError.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace qrx {

using namespace Qt::StringLiterals;

QString EsquemaErp::texto()
{
    QFile f(u":/qrx/demo/schema.sql"_s);
    if (!f.open(QIODevice::ReadOnly))
        throw QrxError(erros::FicheiroNaoEncontrado, u"EsquemaErp"_s,
                       u"O esquema da base de dados não está no programa"_s);
    return QString::fromUtf8(f.readAll());
}

QStringList EsquemaErp::instrucoes()
{
    QString semComentarios;
    const QStringList linhas = texto().split(u'\n');
    for (const QString &linha : linhas) {
        const qsizetype comentario = linha.indexOf(u"--"_s);
        semComentarios += (comentario < 0 ? linha : linha.left(comentario)) + u'\n';
    }
    QStringList resultado;
    for (const QString &parte : semComentarios.split(u';')) {
        const QString instrucao = parte.trimmed();
        if (!instrucao.isEmpty())
            resultado.append(instrucao);
    }
    return resultado;
}

void EsquemaErp::criar(QSqlDatabase &bd)
{
    for (const QString &instrucao : instrucoes()) {
        QSqlQuery q(bd);
        if (!q.exec(instrucao))
            throw QrxError(erros::FalhaGeral, u"EsquemaErp"_s,
                           q.lastError().text() % u": "_s % instrucao.section(u'(', 0, 0).simplified());
    }
}

QStringList EsquemaErp::tabelas()
{
    static const QRegularExpression criaTabela(u"^CREATE TABLE\\s+(\\w+)"_s);
    QStringList nomes;
    for (const QString &instrucao : instrucoes()) {
        const QRegularExpressionMatch m = criaTabela.match(instrucao);
        if (m.hasMatch())
            nomes.append(m.captured(1));
    }
    return nomes;
}

} // namespace qrx
