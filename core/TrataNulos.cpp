#include "TrataNulos.h"

#include "Mensagem.h"
#include "NumeroDecimal.h"
#include "QrxError.h"
#include "Variante.h"

#include <limits>

namespace qrx {

namespace {

// Empty but not null: a null QString bound to a statement would write a database null.
QString textoVazio() { return QStringLiteral(""); }

bool semValorNumerico(const QVariant &valor, const QLocale &locale)
{
    return eNulo(valor) || eVazio(valor) || !eNumerico(valor, locale);
}

void mostraErro(Interaccao &interaccao, const QrxError &erro, QLatin1String funcao)
{
    interaccao.mensagem(erro.textoCompleto() + u"\r\nNa função " + funcao + u" do Módulo ModTools",
                        Interaccao::Icone::Nenhum, tituloPrograma(), Interaccao::Botoes::Ok);
}

NumeroDecimal inteiroMaisProximo(const QVariant &valor, const QLocale &locale)
{
    return paraDecimal(valor, locale).arredondado(0, NumeroDecimal::Arredondamento::MeioParaPar);
}

} // namespace

Currency nTrataNulos(const QVariant &valor, const QLocale &locale)
{
    if (semValorNumerico(valor, locale))
        return Currency();
    return paraCurrency(valor, locale);
}

Currency cTrataNulos(const QVariant &valor, Interaccao &interaccao, const QLocale &locale)
{
    try {
        return nTrataNulos(valor, locale);
    } catch (const QrxError &erro) {
        mostraErro(interaccao, erro, QLatin1String("cTrataNulos"));
        return Currency();
    }
}

Currency lTrataNulos(const QVariant &valor, const QLocale &locale)
{
    if (semValorNumerico(valor, locale))
        return Currency();
    return Currency::deDecimal(inteiroMaisProximo(valor, locale));
}

qint16 iTrataNulos(const QVariant &valor, const QLocale &locale)
{
    if (semValorNumerico(valor, locale))
        return 0;
    try {
        const auto inteiro = inteiroMaisProximo(valor, locale).paraUnidades(0);
        if (!inteiro || *inteiro < std::numeric_limits<qint16>::min()
            || *inteiro > std::numeric_limits<qint16>::max())
            return 0;
        return qint16(*inteiro);
    } catch (const QrxError &) {
        return 0;
    }
}

QString sTrataVazios(const QVariant &valor, const QLocale &locale)
{
    if (eNulo(valor) || eVazio(valor))
        return textoVazio();
    return paraTexto(valor, locale);
}

QString sTrataNulos(const QVariant &valor, Interaccao &interaccao, const QLocale &locale)
{
    try {
        return sTrataVazios(valor, locale);
    } catch (const QrxError &erro) {
        mostraErro(interaccao, erro, QLatin1String("sTrataNulos"));
        return textoVazio();
    }
}

} // namespace qrx
