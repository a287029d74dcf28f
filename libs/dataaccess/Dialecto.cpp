#include "Dialecto.h"

#include "NomesSql.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTime>

namespace qrx {

namespace {

using interno::partesDoNome;

QString junta(const QStringList &expressoes, QLatin1String operador)
{
    return expressoes.join(operador);
}

int digitos(const QChar *c, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const char16_t u = c[i].unicode();
        if (u < u'0' || u > u'9')
            return -1;
        v = v * 10 + (u - u'0');
    }
    return v;
}

// "YYYY-MM-DD HH:MM:SS", the storage form of dates in SQLite files; anything else stays text.
QVariant dataDeTexto(const QString &t)
{
    if (t.size() != 19)
        return {};
    const QChar *c = t.constData();
    if (c[4] != QLatin1Char('-') || c[7] != QLatin1Char('-') || c[10] != QLatin1Char(' ')
        || c[13] != QLatin1Char(':') || c[16] != QLatin1Char(':'))
        return {};
    const int ano = digitos(c, 4), mes = digitos(c + 5, 2), dia = digitos(c + 8, 2);
    const int hora = digitos(c + 11, 2), minuto = digitos(c + 14, 2), segundo = digitos(c + 17, 2);
    if (ano < 0 || mes < 0 || dia < 0 || hora < 0 || minuto < 0 || segundo < 0)
        return {};
    const QDate data(ano, mes, dia);
    const QTime hora_(hora, minuto, segundo);
    if (!data.isValid() || !hora_.isValid())
        return {};
    return QDateTime(data, hora_);
}

class DialectoSqlServer final : public Dialecto {
public:
    Motor motor() const override { return Motor::SQLServer; }
    QString nome() const override { return QStringLiteral("SQL Server"); }
    QString tabela(const QString &nome) const override { return QLatin1String("dbo.") + nome; }
    QString identificador(const QString &nome) const override
    {
        QStringList partes = partesDoNome(nome);
        for (QString &p : partes)
            p = QLatin1Char('[') + QString(p).replace(QLatin1String("]"), QLatin1String("]]"))
                + QLatin1Char(']');
        return partes.join(QLatin1Char('.'));
    }
    QString concatena(const QStringList &expressoes) const override
    {
        return junta(expressoes, QLatin1String(" + "));
    }
    QString comoTexto(const QString &expressao, int tamanho) const override
    {
        return QStringLiteral("CAST(%1 AS nvarchar(%2))").arg(expressao).arg(tamanho);
    }
    QString direita(const QString &expressao, int n) const override
    {
        return QStringLiteral("RIGHT(%1, %2)").arg(expressao).arg(n);
    }
    QString seNulo(const QString &expressao, const QString &alternativa) const override
    {
        return QStringLiteral("ISNULL(%1, %2)").arg(expressao, alternativa);
    }
    QString primeirasLinhas(const QString &consulta, int n) const override
    {
        static const QRegularExpression inicio(
            QStringLiteral("^\\s*SELECT(\\s+DISTINCT)?\\s+"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = inicio.match(consulta);
        if (!m.hasMatch())
            return consulta;
        return consulta.left(m.capturedEnd()) + QStringLiteral("TOP %1 ").arg(n)
            + consulta.mid(m.capturedEnd());
    }
    QString criaPontoGravacao(const QString &nome) const override
    {
        return QLatin1String("SAVE TRANSACTION ") + nome;
    }
    QString desfazPontoGravacao(const QString &nome) const override
    {
        return QLatin1String("ROLLBACK TRANSACTION ") + nome;
    }
    QString libertaPontoGravacao(const QString &) const override { return {}; }
    QVariant valorParaBase(const QVariant &valor) const override { return valor; }
    QVariant valorDaBase(const QVariant &valor) const override { return valor; }
    bool converteLeitura() const override { return false; }
    bool converteTexto(const QString &) const override { return false; }
};

class DialectoSqlite final : public Dialecto {
public:
    Motor motor() const override { return Motor::SQLite; }
    QString nome() const override { return QStringLiteral("SQLite"); }
    QString tabela(const QString &nome) const override { return nome; }
    QString identificador(const QString &nome) const override
    {
        QStringList partes = partesDoNome(nome);
        for (QString &p : partes)
            p = QLatin1Char('"') + QString(p).replace(QLatin1String("\""), QLatin1String("\"\""))
                + QLatin1Char('"');
        return partes.join(QLatin1Char('.'));
    }
    QString concatena(const QStringList &expressoes) const override
    {
        return junta(expressoes, QLatin1String(" || "));
    }
    QString comoTexto(const QString &expressao, int) const override
    {
        return QStringLiteral("CAST(%1 AS TEXT)").arg(expressao);
    }
    QString direita(const QString &expressao, int n) const override
    {
        return QStringLiteral("substr(%1, -%2)").arg(expressao).arg(n);
    }
    QString seNulo(const QString &expressao, const QString &alternativa) const override
    {
        return QStringLiteral("IFNULL(%1, %2)").arg(expressao, alternativa);
    }
    QString primeirasLinhas(const QString &consulta, int n) const override
    {
        QString c = consulta.trimmed();
        if (c.endsWith(QLatin1Char(';')))
            c.chop(1);
        return c + QStringLiteral(" LIMIT %1").arg(n);
    }
    QString criaPontoGravacao(const QString &nome) const override
    {
        return QLatin1String("SAVEPOINT ") + nome;
    }
    QString desfazPontoGravacao(const QString &nome) const override
    {
        return QLatin1String("ROLLBACK TO SAVEPOINT ") + nome;
    }
    QString libertaPontoGravacao(const QString &nome) const override
    {
        return QLatin1String("RELEASE SAVEPOINT ") + nome;
    }
    QVariant valorParaBase(const QVariant &valor) const override
    {
        switch (valor.typeId()) {
        case QMetaType::QDate:
            if (valor.isNull())
                return QVariant(QMetaType::fromType<QString>());
            return QString(valor.toDate().toString(QStringLiteral("yyyy-MM-dd"))
                           + QLatin1String(" 00:00:00"));
        case QMetaType::QDateTime:
            if (valor.isNull())
                return QVariant(QMetaType::fromType<QString>());
            return valor.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        default:
            return valor;
        }
    }
    QVariant valorDaBase(const QVariant &valor) const override
    {
        if (valor.typeId() == QMetaType::QString) {
            const QString *t = static_cast<const QString *>(valor.constData());
            if (t->size() == 19) {
                QVariant data = dataDeTexto(*t);
                if (data.isValid())
                    return data;
            }
        }
        return valor;
    }
    bool converteLeitura() const override { return true; }
    bool converteTexto(const QString &texto) const override
    {
        return texto.size() == 19 && texto.at(4) == QLatin1Char('-') && texto.at(10) == QLatin1Char(' ');
    }
};

} // namespace

const Dialecto &Dialecto::sqlServer()
{
    static const DialectoSqlServer dialecto;
    return dialecto;
}

const Dialecto &Dialecto::sqlite()
{
    static const DialectoSqlite dialecto;
    return dialecto;
}

const Dialecto &Dialecto::de(Motor motor)
{
    return motor == Motor::SQLite ? sqlite() : sqlServer();
}

} // namespace qrx
