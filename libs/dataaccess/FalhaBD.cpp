#include "FalhaBD.h"

namespace qrx {

TipoFalha classificaFalha(QSqlError::ErrorType tipo, Dialecto::Motor motor,
                          const QString &codigoNativo, const QStringList &estadosSql)
{
    if (tipo == QSqlError::ConnectionError)
        return TipoFalha::LigacaoPerdida;
    for (const QString &estado : estadosSql) {
        const QString e = estado.trimmed().toUpper();
        if (e.startsWith(QLatin1String("08")))
            return TipoFalha::LigacaoPerdida;
        if (e == QLatin1String("HYT00") || e == QLatin1String("HYT01") || e == QLatin1String("S1T00"))
            return TipoFalha::TempoEsgotado;
    }
    if (motor == Dialecto::Motor::SQLite) {
        bool ok = false;
        const int codigo = codigoNativo.trimmed().toInt(&ok);
        if (ok) {
            // Extended result codes keep the primary code in the low byte.
            switch (codigo & 0xFF) {
            case 5:  // SQLITE_BUSY
            case 6:  // SQLITE_LOCKED
                return TipoFalha::TempoEsgotado;
            case 10: // SQLITE_IOERR: the file went away underneath
            case 14: // SQLITE_CANTOPEN
                return TipoFalha::LigacaoPerdida;
            default:
                break;
            }
        }
    }
    return TipoFalha::Outra;
}

qint32 numeroDaFalha(TipoFalha tipo)
{
    switch (tipo) {
    case TipoFalha::LigacaoPerdida: return numerosBD::LigacaoPerdida;
    case TipoFalha::TempoEsgotado: return numerosBD::TempoEsgotado;
    case TipoFalha::Outra: break;
    }
    return numerosBD::ErroNaInstrucao;
}

QString textoErrosBD(const QList<ErroLigacao> &erros)
{
    const QLatin1String fimLinha("\r\n");
    QString texto;
    for (const ErroLigacao &e : erros) {
        const qint64 numero = qint64(e.numero) - qint64(qint32(0x80040000));
        texto += QStringLiteral("Origem:      ") + e.origem + fimLinha
            + QStringLiteral("Descrição:   ") + e.descricao + fimLinha
            + QStringLiteral("Número:      ") + QString::number(numero) + fimLinha + fimLinha;
    }
    return texto;
}

QString tituloErrosBD()
{
    return QStringLiteral("Problemas no acesso á Base de Dados");
}

} // namespace qrx
