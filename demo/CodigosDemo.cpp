#include "CodigosDemo.h"

namespace qrx::codigos {

namespace {

bool soDigitos(const QString &s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

QChar digitoEan(const QString &doze)
{
    int soma = 0;
    for (int i = 0; i < 12; ++i)
        soma += (doze.at(i).unicode() - u'0') * (i % 2 ? 3 : 1);
    return QChar(u'0' + (10 - soma % 10) % 10);
}

QChar digitoNif(const QString &oito)
{
    int soma = 0;
    for (int i = 0; i < 8; ++i)
        soma += (oito.at(i).unicode() - u'0') * (9 - i);
    const int resto = soma % 11;
    return QChar(u'0' + (resto < 2 ? 0 : 11 - resto));
}

} // namespace

QString ean13(const QString &dozeDigitos)
{
    Q_ASSERT(dozeDigitos.size() == 12 && soDigitos(dozeDigitos));
    return dozeDigitos + digitoEan(dozeDigitos);
}

QString nifPortugues(const QString &oitoDigitos)
{
    Q_ASSERT(oitoDigitos.size() == 8 && soDigitos(oitoDigitos));
    return oitoDigitos + digitoNif(oitoDigitos);
}

bool ean13Valido(const QString &codigo)
{
    return codigo.size() == 13 && soDigitos(codigo) && digitoEan(codigo.left(12)) == codigo.at(12);
}

bool nifPortuguesValido(const QString &nif)
{
    return nif.size() == 9 && soDigitos(nif) && digitoNif(nif.left(8)) == nif.at(8);
}

} // namespace qrx::codigos
