#pragma once

#include "qrxdataaccess_export.h"

#include <QList>
#include <QPair>
#include <QString>

namespace qrx {

// A connection string "Key=value;Key=value". Values holding ";" come between double quotes
// (a quote inside is doubled); splitting honours them.
class QRXDATAACCESS_EXPORT TextoLigacao {
public:
    explicit TextoLigacao(const QString &texto = QString());

    const QString &texto() const { return m_texto; }

    // Value of a key (keys compare without regard to case and surrounding blanks); "" when absent.
    QString valor(const QString &chave) const;
    bool contem(const QString &chave) const;

    // The property rule: the first part that contains the exact key text (case-sensitive),
    // with that text removed; "" when no part has it.
    QString parte(const QString &chaveExacta) const;

    // The parts as written (quotes kept), split at ";" outside quotes.
    const QList<QString> &partes() const { return m_partes; }

    static QString tiraAspas(const QString &valor);

private:
    QString m_texto;
    QList<QString> m_partes;
    QList<QPair<QString, QString>> m_pares;
};

} // namespace qrx
