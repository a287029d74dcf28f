#include "NomesSql.h"

#include <QRegularExpression>

namespace qrx::interno {

QStringList partesDoNome(const QString &nome)
{
    QStringList partes = nome.split(QLatin1Char('.'));
    for (QString &p : partes) {
        p = p.trimmed();
        if (p.size() >= 2 && p.front() == QLatin1Char('[') && p.back() == QLatin1Char(']'))
            p = p.mid(1, p.size() - 2).replace(QLatin1String("]]"), QLatin1String("]"));
        else if (p.size() >= 2 && p.front() == QLatin1Char('"') && p.back() == QLatin1Char('"'))
            p = p.mid(1, p.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    }
    return partes;
}

QString semAspas(const QString &nome)
{
    return partesDoNome(nome).join(QLatin1Char('.'));
}

QString nomeSimples(const QString &nome)
{
    const QStringList partes = partesDoNome(nome);
    return partes.isEmpty() ? QString() : partes.last();
}

QString tabelaDaConsulta(const QString &consulta)
{
    static const QRegularExpression juncao(QStringLiteral("\\bJOIN\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression origem(
        QStringLiteral("\\bFROM\\s+((?:\\[[^\\]]+\\]|\"[^\"]+\"|[\\w$#@]+)"
                       "(?:\\s*\\.\\s*(?:\\[[^\\]]+\\]|\"[^\"]+\"|[\\w$#@]+))*)"
                       "(\\s*,)?"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression palavraFrom(QStringLiteral("\\bFROM\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (juncao.match(consulta).hasMatch())
        return {};
    int quantos = 0;
    for (auto it = palavraFrom.globalMatch(consulta); it.hasNext(); it.next())
        ++quantos;
    if (quantos != 1)
        return {};
    const QRegularExpressionMatch m = origem.match(consulta);
    if (!m.hasMatch() || !m.captured(2).isEmpty())
        return {};
    QString nome = m.captured(1);
    nome.remove(QRegularExpression(QStringLiteral("\\s+")));
    return semAspas(nome);
}

} // namespace qrx::interno
