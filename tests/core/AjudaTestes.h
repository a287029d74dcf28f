#pragma once

#include "Currency.h"
#include "QrxError.h"
#include "TextoNumero.h"

#include <QLocale>
#include <QString>
#include <QTest>

#include <functional>

// Currency in failure messages of QCOMPARE, in C form ("-12.5").
namespace qrx {
inline char *toString(const Currency &valor)
{
    return QTest::toString(QString::fromLatin1(valor.paraDecimal().textoC()));
}
} // namespace qrx

namespace qrx::testes {

// The error number a call raises, or 0 when it raises nothing.
inline qint32 numeroErro(const std::function<void()> &chamada)
{
    try {
        chamada();
    } catch (const QrxError &erro) {
        return erro.numero();
    }
    return 0;
}

inline Currency moeda(qint64 unidades) { return Currency::deUnidades(unidades); }

} // namespace qrx::testes
