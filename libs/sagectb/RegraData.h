#pragma once

#include <QString>
#include <QStringView>

namespace qrx::ctb {

// The leading number of a text as the platform's Val reads it: blanks anywhere are skipped,
// an optional sign, digits and an optional decimal part; 0 when there is none.
double valorInicial(QStringView texto);

// Whether a movement date of exactly 10 characters passes: day, month and year at
// characters 1-2, 4-5 and 7-10; months 0 and 13 to 15 stand for December; a day beyond the
// month's end rolls over as date-serial arithmetic does, and the result must fall inside the
// platform's dates (1 January 100 to 31 December 9999).
bool dataMovValida(const QString &dezCaracteres);

} // namespace qrx::ctb
