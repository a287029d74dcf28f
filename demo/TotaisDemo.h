#pragma once

#include "PlanoDemo.h"

#include <array>

namespace qrx {

// Header totals of a demo document, worked out from its lines the way the ERP keeps them:
// merchandise, line and header discounts, the four VAT brackets and the weights.
struct TotaisDemo {
    double mercadoria = 0;
    double descontoLinhas = 0;
    double descontoCabecalho = 0;
    double adiantamento = 0;
    std::array<double, 4> bases{};
    std::array<double, 4> iva{};
    double total = 0;
    double pesoLiquido = 0;
    double pesoBruto = 0;

    static TotaisDemo de(const plano::Documento &documento);
};

} // namespace qrx
