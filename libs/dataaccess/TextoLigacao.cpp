#include "TextoLigacao.h"

namespace qrx {

namespace {

QList<QString> divide(const QString &texto)
{
    QList<QString> partes;
    QString actual;
    bool entreAspas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('"')) {
            // A doubled quote inside quotes stands for one quote.
            if (entreAspas && i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('"')) {
                actual += c;
                actual += c;
                ++i;
                continue;
            }
            entreAspas = !entreAspas;
        } else if (c == QLatin1Char(';') && !entreAspas) {
            partes.append(actual);
            actual.clear();
            continue;
        }
        actual += c;
    }
    if (!actual.isEmpty())
        partes.append(actual);
    return partes;
}

} // namespace

TextoLigacao::TextoLigacao(const QString &texto) : m_texto(texto), m_partes(divide(texto))
{
    for (const QString &p : std::as_const(m_partes)) {
        const qsizetype igual = p.indexOf(QLatin1Char('='));
        if (igual < 0)
            continue;
        m_pares.append({p.left(igual).trimmed(), tiraAspas(p.mid(igual + 1).trimmed())});
    }
}

QString TextoLigacao::tiraAspas(const QString &valor)
{
    if (valor.size() >= 2 && valor.front() == QLatin1Char('"') && valor.back() == QLatin1Char('"'))
        return valor.mid(1, valor.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    return valor;
}

QString TextoLigacao::valor(const QString &chave) const
{
    const QString procurada = chave.trimmed();
    for (const auto &par : m_pares) {
        if (par.first.compare(procurada, Qt::CaseInsensitive) == 0)
            return par.second;
    }
    return {};
}

bool TextoLigacao::contem(const QString &chave) const
{
    const QString procurada = chave.trimmed();
    for (const auto &par : m_pares) {
        if (par.first.compare(procurada, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString TextoLigacao::parte(const QString &chaveExacta) const
{
    for (const QString &p : m_partes) {
        if (p.contains(chaveExacta))
            return tiraAspas(QString(p).remove(chaveExacta).trimmed());
    }
    return {};
}

} // namespace qrx
