#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace qrx {

// The platform's date format: tokens are case-insensitive.
//   d dd ddd dddd    day, two-digit day, short and full weekday name
//   ddddd dddddd     the regional short date, the regional long date
//   m mm mmm mmmm    month, two-digit month, short and full month name; m and mm right after
//                    h/hh or right before s/ss are minutes ("HH:MM:SS", "yyyymmddhhMMss")
//   n nn             minutes;  h hh  hours 0-23 (1-12 with AM/PM);  s ss  seconds
//   y yy yyyy        day of the year, two-digit year, four-digit year
//   w ww q           weekday (1 = Sunday), week of the year, quarter
//   ttttt c          the regional time, the regional date and time
//   AM/PM am/pm A/P a/p AMPM   12-hour clock with that marker (AMPM: the regional texts)
//   /  :             the regional date and time separators
//   "text" \x        literal text; every other character is written as it stands.
// An invalid moment gives an empty text.
QString formataData(const QDateTime &momento, const QString &padrao,
                    const QLocale &locale = QLocale());
QString formataData(const QDate &dia, const QString &padrao, const QLocale &locale = QLocale());
// A bare time sits on the platform's day zero, 30 December 1899.
QString formataData(const QTime &hora, const QString &padrao, const QLocale &locale = QLocale());

// The plain conversion of a date to text: the regional short date, always with a four-digit
// year ("07/03/2024" under pt_PT, "3/7/2024" under en_US), followed by a blank and the regional
// time with seconds when the time is not midnight; a moment on day zero shows only its time.
QString textoData(const QDateTime &momento, const QLocale &locale = QLocale());
QString textoData(const QDate &dia, const QLocale &locale = QLocale());
QString textoHora(const QTime &hora, const QLocale &locale = QLocale());

// The separators that "/" and ":" stand for, taken from the locale's own short formats
// ("/" and ":" under pt_PT, es_ES and en_US).
QString separadorData(const QLocale &locale = QLocale());
QString separadorHora(const QLocale &locale = QLocale());

// The platform's day zero, 30 December 1899, from which date serial numbers count.
QDate diaZero();

} // namespace qrx
