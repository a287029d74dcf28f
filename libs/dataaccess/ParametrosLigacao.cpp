#include "ParametrosLigacao.h"

#include "TextoLigacao.h"

#include <QDir>
#include <limits>

namespace qrx {

namespace {

// ODBC wants braces around values holding separators; a closing brace inside is doubled.
QString valorOdbc(const QString &valor)
{
    const bool precisa = valor.contains(QLatin1Char(';')) || valor.contains(QLatin1Char('{'))
        || valor.contains(QLatin1Char('}')) || valor.contains(QLatin1Char('='))
        || valor != valor.trimmed();
    if (!precisa)
        return valor;
    return QLatin1Char('{') + QString(valor).replace(QLatin1String("}"), QLatin1String("}}"))
        + QLatin1Char('}');
}

QString controlador(const QString &nome)
{
    return QLatin1Char('{') + QString(nome).replace(QLatin1String("}"), QLatin1String("}}"))
        + QLatin1Char('}');
}

} // namespace

QString ParametrosLigacao::controladorOdbcPorOmissao()
{
#ifdef Q_OS_WIN
    return QStringLiteral("SQL Server");
#else
    return QStringLiteral("FreeTDS");
#endif
}

ParametrosLigacao ParametrosLigacao::de(const QString &textoLigacao)
{
    const TextoLigacao t(textoLigacao);
    ParametrosLigacao p;

    QString provedor = t.valor(QStringLiteral("Data Provider"));
    if (provedor.isEmpty())
        provedor = t.valor(QStringLiteral("Provider"));
    p.motor = provedor.startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive)
        ? Dialecto::Motor::SQLite : Dialecto::Motor::SQLServer;

    if (t.contem(QStringLiteral("Command Timeout"))) {
        bool ok = false;
        const int segundos = t.valor(QStringLiteral("Command Timeout")).toInt(&ok);
        if (ok && segundos >= 0)
            p.tempoLimite = segundos;
    }

    const QString fonte = t.valor(QStringLiteral("Data Source"));
    p.controladorOdbc = t.valor(QStringLiteral("ODBC Driver"));

    if (p.motor == Dialecto::Motor::SQLite) {
        p.ficheiro = fonte.isEmpty() ? QString() : QDir::cleanPath(fonte);
        // The busy wait is the command time-out of a file database.
        const qint64 espera = p.tempoLimite == 0 ? std::numeric_limits<int>::max()
                                                 : qint64(p.tempoLimite) * 1000;
        if (p.controladorOdbc.isEmpty()) {
            p.controladorQt = QStringLiteral("QSQLITE");
            p.nomeBase = p.ficheiro;
            p.opcoes = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(espera);
        } else {
            p.controladorQt = QStringLiteral("QODBC");
            p.nomeBase = QStringLiteral("DRIVER=") + controlador(p.controladorOdbc)
                + QStringLiteral(";Database=") + valorOdbc(p.ficheiro)
                + QStringLiteral(";Timeout=%1;NoCreat=1").arg(espera);
        }
        return p;
    }

    if (p.controladorOdbc.isEmpty())
        p.controladorOdbc = controladorOdbcPorOmissao();
    p.controladorQt = QStringLiteral("QODBC");
    QString base = QStringLiteral("DRIVER=") + controlador(p.controladorOdbc)
        + QStringLiteral(";SERVER=") + valorOdbc(fonte)
        + QStringLiteral(";DATABASE=") + valorOdbc(t.valor(QStringLiteral("Initial Catalog")));
    const QString utilizador = t.valor(QStringLiteral("User ID"));
    if (utilizador.isEmpty())
        base += QStringLiteral(";Trusted_Connection=Yes");
    else
        base += QStringLiteral(";UID=") + valorOdbc(utilizador) + QStringLiteral(";PWD=")
            + valorOdbc(t.valor(QStringLiteral("Password")));
    p.nomeBase = base;
    p.opcoes = QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=15");
    return p;
}

} // namespace qrx
