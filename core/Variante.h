#pragma once

#include "Currency.h"
#include "NumeroDecimal.h"

#include <QLocale>
#include <QString>
#include <QVariant>

namespace qrx {

// Database values arrive as QVariant. An invalid QVariant is the platform's Empty (a value
// never set); a QVariant with a type and no value, as Qt SQL delivers a database null, is Null.
bool eVazio(const QVariant &valor);
bool eNulo(const QVariant &valor);

// The platform's numeric test: numbers, Currency and booleans are numeric; a text (QString,
// QChar, QByteArray) is when leNumero reads it under the locale; Empty is (it counts as 0);
// Null, empty text, dates and anything else are not.
bool eNumerico(const QVariant &valor, const QLocale &locale = QLocale());

// The platform's conversions of a variant. Empty gives 0 (""); a boolean true is -1, as the
// platform counts it; a date is its serial number (days since 30 December 1899, the time as
// the fraction); a byte array is read as UTF-8 when it is valid UTF-8, else as Windows-1252.
// Failures raise QrxError: 94 "Invalid use of Null" for Null, 13 "Type mismatch" for a text
// that is no number or a type without a conversion, 6 "Overflow" beyond the result's range.
NumeroDecimal paraDecimal(const QVariant &valor, const QLocale &locale = QLocale());
double paraDouble(const QVariant &valor, const QLocale &locale = QLocale());
Currency paraCurrency(const QVariant &valor, const QLocale &locale = QLocale());

// "As text": numbers by textoNumero, dates by textoData, booleans "True"/"False", texts as
// they stand. Null raises QrxError 94; a type without a text form (lists, maps) raises 13.
QString paraTexto(const QVariant &valor, const QLocale &locale = QLocale());

} // namespace qrx
