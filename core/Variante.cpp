#include "Variante.h"

#include "FormatoData.h"
#include "QrxError.h"
#include "TextoNumero.h"
#include "Windows1252.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <optional>

namespace qrx {

namespace {

enum class Genero { Vazio, Nulo, Booleano, ComSinal, SemSinal, Double, Float, Moeda, Texto, Data, Outro };

Genero generoDe(const QVariant &valor)
{
    if (!valor.isValid())
        return Genero::Vazio;
    if (valor.isNull())
        return Genero::Nulo;
    if (valor.metaType() == QMetaType::fromType<Currency>())
        return Genero::Moeda;
    switch (valor.typeId()) {
    case QMetaType::Bool: return Genero::Booleano;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Long: return Genero::ComSinal;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong: return Genero::SemSinal;
    case QMetaType::Double: return Genero::Double;
    case QMetaType::Float: return Genero::Float;
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray: return Genero::Texto;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime: return Genero::Data;
    default: return Genero::Outro;
    }
}

[[noreturn]] void falha(qint32 numero)
{
    throw QrxError(numero, QStringLiteral("Conversao"), erros::descricaoPadrao(numero));
}

// Never a null QString: bound to a statement, that would write a database null.
QString texto(const QVariant &valor)
{
    QString t;
    if (valor.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = valor.toByteArray();
        t = eUtf8Valido(bytes) ? QString::fromUtf8(bytes) : descodificaWindows1252(bytes);
    } else {
        t = valor.toString();
    }
    return t.isNull() ? QStringLiteral("") : t;
}

QDateTime momento(const QVariant &valor)
{
    switch (valor.typeId()) {
    case QMetaType::QDate: return QDateTime(valor.toDate(), QTime(0, 0));
    case QMetaType::QTime: return QDateTime(diaZero(), valor.toTime());
    default: return valor.toDateTime();
    }
}

// Days since day zero with the time as the fraction; before day zero the fraction still
// counts forwards from midnight, as the platform stores it (-1.25 is 29/12/1899 06:00).
double serialData(const QDateTime &m)
{
    if (!m.isValid())
        falha(erros::ValorInvalido);
    const double dias = double(diaZero().daysTo(m.date()));
    const double fraccao = double(m.time().msecsSinceStartOfDay()) / 86400000.0;
    return dias >= 0 ? dias + fraccao : dias - fraccao;
}

} // namespace

bool eVazio(const QVariant &valor) { return !valor.isValid(); }

bool eNulo(const QVariant &valor) { return valor.isValid() && valor.isNull(); }

bool eNumerico(const QVariant &valor, const QLocale &locale)
{
    switch (generoDe(valor)) {
    case Genero::Vazio:
    case Genero::Booleano:
    case Genero::ComSinal:
    case Genero::SemSinal:
    case Genero::Double:
    case Genero::Float:
    case Genero::Moeda: return true;
    case Genero::Texto: return leNumero(texto(valor), locale).has_value();
    case Genero::Nulo:
    case Genero::Data:
    case Genero::Outro: return false;
    }
    return false;
}

NumeroDecimal paraDecimal(const QVariant &valor, const QLocale &locale)
{
    switch (generoDe(valor)) {
    case Genero::Vazio: return NumeroDecimal();
    case Genero::Nulo: falha(erros::UsoInvalidoNulo);
    case Genero::Booleano: return NumeroDecimal::deInteiro(qint64(valor.toBool() ? -1 : 0));
    case Genero::ComSinal: return NumeroDecimal::deInteiro(qint64(valor.toLongLong()));
    case Genero::SemSinal: return NumeroDecimal::deInteiro(quint64(valor.toULongLong()));
    case Genero::Double: {
        const auto d = NumeroDecimal::deDouble(valor.toDouble());
        if (!d)
            falha(erros::Overflow);
        return *d;
    }
    case Genero::Float: {
        const auto d = NumeroDecimal::deFloat(valor.toFloat());
        if (!d)
            falha(erros::Overflow);
        return *d;
    }
    case Genero::Moeda: return valor.value<Currency>().paraDecimal();
    case Genero::Texto: {
        const auto d = leNumero(texto(valor), locale);
        if (!d)
            falha(erros::ValorInvalido);
        return *d;
    }
    case Genero::Data: {
        const auto d = NumeroDecimal::deDouble(serialData(momento(valor)));
        if (!d)
            falha(erros::Overflow);
        return *d;
    }
    case Genero::Outro: break;
    }
    falha(erros::ValorInvalido);
}

double paraDouble(const QVariant &valor, const QLocale &locale)
{
    switch (generoDe(valor)) {
    case Genero::Double:
    case Genero::Float: return valor.toDouble();
    case Genero::Moeda: return valor.value<Currency>().paraDouble();
    case Genero::Data: return serialData(momento(valor));
    default: break;
    }
    const auto d = paraDecimal(valor, locale).paraDouble();
    if (!d)
        falha(erros::Overflow);
    return *d;
}

Currency paraCurrency(const QVariant &valor, const QLocale &locale)
{
    switch (generoDe(valor)) {
    case Genero::Double: return Currency(valor.toDouble());
    case Genero::Moeda: return valor.value<Currency>();
    default: return Currency::deDecimal(paraDecimal(valor, locale));
    }
}

QString paraTexto(const QVariant &valor, const QLocale &locale)
{
    switch (generoDe(valor)) {
    case Genero::Vazio: return QStringLiteral(""); // empty, not null
    case Genero::Nulo: falha(erros::UsoInvalidoNulo);
    case Genero::Booleano: return valor.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Genero::ComSinal: return textoNumero(qint64(valor.toLongLong()), locale);
    case Genero::SemSinal: return textoNumero(quint64(valor.toULongLong()), locale);
    case Genero::Double: return textoNumero(valor.toDouble(), locale);
    case Genero::Float: return textoNumero(valor.toFloat(), locale);
    case Genero::Moeda: return textoNumero(valor.value<Currency>(), locale);
    case Genero::Texto: return texto(valor);
    case Genero::Data: return textoData(momento(valor), locale);
    case Genero::Outro: break;
    }
    falha(erros::ValorInvalido);
}

} // namespace qrx
