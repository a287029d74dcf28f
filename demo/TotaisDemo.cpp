#include "TotaisDemo.h"

#include "CatalogoDemo.h"

#include <cmath>

namespace qrx {

namespace {

double arredonda(double valor, int casas)
{
    const double f = std::pow(10.0, casas);
    return std::round(valor * f) / f;
}

} // namespace

TotaisDemo TotaisDemo::de(const plano::Documento &documento)
{
    TotaisDemo t;
    std::array<double, 4> valores{};
    std::array<double, 4> taxas{};
    for (const plano::Linha &l : documento.linhas) {
        if (l.tipo == 2)
            continue;
        const int k = l.escalao - 1;
        valores[k] += l.valor;
        taxas[k] = l.iva;
        if (l.tipo == 3) {
            t.mercadoria += l.valor;
            continue;
        }
        t.mercadoria += arredonda(l.quantidade * l.preco, 2);
        t.descontoLinhas += l.valorDesconto;
        if (const catalogo::Artigo *a = catalogo::artigo(l.artigo))
            t.pesoLiquido += l.quantidade * a->peso;
    }
    t.mercadoria = arredonda(t.mercadoria, 2);
    t.descontoLinhas = arredonda(t.descontoLinhas, 2);
    const double fator = 1.0 - documento.descontoCabecalho / 100.0;
    t.descontoCabecalho = arredonda((t.mercadoria - t.descontoLinhas) * documento.descontoCabecalho / 100.0, 2);
    for (int k = 0; k < 4; ++k) {
        t.bases[k] = arredonda(valores[k] * fator, 2);
        t.iva[k] = arredonda(t.bases[k] * taxas[k] / 100.0, 2);
        t.total += t.bases[k] + t.iva[k];
    }
    t.total = arredonda(t.total, 2);
    t.adiantamento = arredonda(t.mercadoria * documento.percentagemAdiantamento / 100.0, 2);
    t.pesoLiquido = arredonda(t.pesoLiquido, 3);
    t.pesoBruto = arredonda(t.pesoLiquido * 1.04 + 0.3, 2);
    return t;
}

} // namespace qrx
