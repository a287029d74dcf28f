#include "CatalogoDemo.h"

namespace qrx::catalogo {

using namespace Qt::StringLiterals;

const Empresa &empresa()
{
    static const Empresa e{0, u"Auto Peças Tejo - Distribuição, S.A."_s,
                           u"Rua das Indústrias, Lote 12"_s, u"2670-451"_s, u"Loures"_s,
                           u"509812341"_s, u"5601234000009"_s};
    return e;
}

const QList<TipoDocumento> &tiposDocumento()
{
    // AREAG 4 sales, TPOPER 2 issue, ENTIDADE 2 customer; NATCONTA and SINALCT tell invoice,
    // credit note and despatch apart.
    static const QList<TipoDocumento> t{
        {u"FT"_s, u"Fatura"_s, 4, 2, 2, 1, 1},
        {u"FR"_s, u"Fatura-Recibo"_s, 4, 2, 2, 1, 1},
        {u"NC"_s, u"Nota de Crédito"_s, 4, 2, 2, 1, 2},
        {u"VD"_s, u"Venda a Dinheiro"_s, 4, 2, 2, 0, 1},
        {u"GR"_s, u"Guia de Remessa"_s, 4, 2, 2, 2, 1},
        {u"GT"_s, u"Guia de Transporte"_s, 4, 2, 2, 2, 3},
        {u"GC"_s, u"Guia de Consignação"_s, 4, 2, 2, 2, 3},
        {u"TA"_s, u"Transferência entre Armazéns"_s, 6, 3, 0, 0, 0},
        {u"ENC"_s, u"Encomenda de Cliente"_s, 4, 1, 2, 0, 0},
        {u"VFT"_s, u"Fatura de Fornecedor"_s, 3, 2, 1, 1, 2},
    };
    return t;
}

const QList<Expedicao> &expedicoes()
{
    static const QList<Expedicao> e{
        {u"PRO"_s, u"Meios próprios"_s, 12},
        {u"CLI"_s, u"Levantamento pelo cliente"_s, 6},
        {u"PAL"_s, u"ProAlliance Logística"_s, 8},
        {u"URB"_s, u"Urbanos Logística"_s, 6},
        {u"TAS"_s, u"TAS Logística"_s, 4},
        {u"C24"_s, u"CTT Expresso 24 horas"_s, 6},
        {u"C48"_s, u"CTT Expresso 48 horas"_s, 4},
        {u"CPO"_s, u"CTT Cobrança postal de objetos"_s, 2},
        {u"CCR"_s, u"CTT Contra reembolso"_s, 2},
        {u"CCH"_s, u"CTT Cheque nominativo"_s, 1},
        {u"T00"_s, u"Tape Normal"_s, 3},
        {u"T01"_s, u"Tape Urgente"_s, 2},
        {u"T31"_s, u"Tape Ilhas"_s, 2},
        {u"T50"_s, u"Tape Paletes"_s, 1},
        {u"T05"_s, u"Tape Especial"_s, 1},
        {u"GE1"_s, u"GoExpress 24 horas"_s, 3},
        {u"GE2"_s, u"GoExpress 48 horas"_s, 2},
        {u"GF1"_s, u"GoExpress Frio"_s, 2},
        {u"GF2"_s, u"GoExpress Frio Sábado"_s, 1},
        {u"100"_s, u"CARF Normal"_s, 3},
        {u"131"_s, u"CARF 13 horas"_s, 2},
        {u"150"_s, u"CARF Paletes"_s, 1},
        {u"CF9"_s, u"Carf Frigorífico"_s, 1},
        {u"S01"_s, u"CARF Sábado"_s, 1},
        {u"105"_s, u"CARF Especial"_s, 1},
        {u"TTR"_s, u"Torrestir Rodoviário"_s, 5},
    };
    return e;
}

const QList<Armazem> &armazens()
{
    static const QList<Armazem> a{
        {u"A01"_s, u"Armazém Central"_s, u"Rua das Indústrias, Lote 12"_s, u"2670-451"_s,
         u"Loures"_s, u"219 835 400"_s},
        {u"A02"_s, u"Armazém Norte"_s, u"Zona Industrial da Maia, Sector X, 210"_s,
         u"4470-435"_s, u"Maia"_s, u"229 438 100"_s},
        {u"A03"_s, u"Loja Lisboa"_s, u"Avenida Almirante Reis, 114"_s, u"1150-022"_s,
         u"Lisboa"_s, u"218 120 330"_s},
    };
    return a;
}

const QList<RegimeIva> &regimesIva()
{
    static const QList<RegimeIva> r{
        {u"CON"_s, u"Continente"_s, {23, 13, 6, 0}},
        {u"MAD"_s, u"Região Autónoma da Madeira"_s, {22, 12, 5, 0}},
        {u"ACO"_s, u"Região Autónoma dos Açores"_s, {16, 9, 4, 0}},
        {u"CEE"_s, u"Intracomunitário"_s, {0, 0, 0, 0}},
    };
    return r;
}

const QList<CondicaoPagamento> &condicoesPagamento()
{
    static const QList<CondicaoPagamento> c{
        {u"PP"_s, u"Pronto pagamento"_s, 0},
        {u"P30"_s, u"30 dias"_s, 30},
        {u"P60"_s, u"60 dias"_s, 60},
        {u"P90"_s, u"90 dias"_s, 90},
    };
    return c;
}

const QList<Pais> &paises()
{
    static const QList<Pais> p{
        {u"PT"_s, u"Portugal"_s, u"PT"_s},
        {u"ES"_s, u"Espanha"_s, u"ES"_s},
        {u"FR"_s, u"França"_s, u"FR"_s},
        {u"DE"_s, u"Alemanha"_s, u"DE"_s},
    };
    return p;
}

const QList<Localidade> &localidades()
{
    static const QList<Localidade> l{
        {u"PT"_s, u"Lisboa"_s, {u"1000"_s, u"1050"_s, u"1100"_s, u"1250"_s, u"1600"_s, u"1700"_s}, u"CON"_s},
        {u"PT"_s, u"Porto"_s, {u"4000"_s, u"4050"_s, u"4100"_s, u"4200"_s, u"4250"_s}, u"CON"_s},
        {u"PT"_s, u"Vila Nova de Gaia"_s, {u"4400"_s, u"4430"_s}, u"CON"_s},
        {u"PT"_s, u"Matosinhos"_s, {u"4450"_s}, u"CON"_s},
        {u"PT"_s, u"Maia"_s, {u"4470"_s}, u"CON"_s},
        {u"PT"_s, u"Braga"_s, {u"4700"_s, u"4710"_s, u"4715"_s}, u"CON"_s},
        {u"PT"_s, u"Guimarães"_s, {u"4800"_s, u"4810"_s}, u"CON"_s},
        {u"PT"_s, u"Viana do Castelo"_s, {u"4900"_s}, u"CON"_s},
        {u"PT"_s, u"Aveiro"_s, {u"3800"_s, u"3810"_s}, u"CON"_s},
        {u"PT"_s, u"Coimbra"_s, {u"3000"_s, u"3030"_s}, u"CON"_s},
        {u"PT"_s, u"Viseu"_s, {u"3500"_s, u"3510"_s}, u"CON"_s},
        {u"PT"_s, u"Leiria"_s, {u"2400"_s, u"2410"_s}, u"CON"_s},
        {u"PT"_s, u"Santarém"_s, {u"2000"_s, u"2005"_s}, u"CON"_s},
        {u"PT"_s, u"Loures"_s, {u"2670"_s, u"2660"_s}, u"CON"_s},
        {u"PT"_s, u"Sintra"_s, {u"2710"_s, u"2735"_s}, u"CON"_s},
        {u"PT"_s, u"Amadora"_s, {u"2700"_s, u"2720"_s}, u"CON"_s},
        {u"PT"_s, u"Setúbal"_s, {u"2900"_s, u"2910"_s}, u"CON"_s},
        {u"PT"_s, u"Évora"_s, {u"7000"_s, u"7005"_s}, u"CON"_s},
        {u"PT"_s, u"Beja"_s, {u"7800"_s}, u"CON"_s},
        {u"PT"_s, u"Faro"_s, {u"8000"_s, u"8005"_s}, u"CON"_s},
        {u"PT"_s, u"Portimão"_s, {u"8500"_s}, u"CON"_s},
        {u"PT"_s, u"Castelo Branco"_s, {u"6000"_s}, u"CON"_s},
        {u"PT"_s, u"Bragança"_s, {u"5300"_s}, u"CON"_s},
        {u"PT"_s, u"Vila Real"_s, {u"5000"_s}, u"CON"_s},
        {u"PT"_s, u"Funchal"_s, {u"9000"_s, u"9050"_s}, u"MAD"_s},
        {u"PT"_s, u"Ponta Delgada"_s, {u"9500"_s}, u"ACO"_s},
        {u"ES"_s, u"Madrid"_s, {u"280"_s, u"281"_s}, u"CEE"_s},
        {u"ES"_s, u"Barcelona"_s, {u"080"_s}, u"CEE"_s},
        {u"ES"_s, u"Vigo"_s, {u"362"_s}, u"CEE"_s},
        {u"ES"_s, u"Ourense"_s, {u"320"_s}, u"CEE"_s},
        {u"ES"_s, u"Sevilla"_s, {u"410"_s}, u"CEE"_s},
        {u"ES"_s, u"Badajoz"_s, {u"060"_s}, u"CEE"_s},
        {u"ES"_s, u"Salamanca"_s, {u"370"_s}, u"CEE"_s},
        {u"ES"_s, u"Valladolid"_s, {u"470"_s}, u"CEE"_s},
        {u"ES"_s, u"Valencia"_s, {u"460"_s}, u"CEE"_s},
        {u"FR"_s, u"Paris"_s, {u"750"_s}, u"CEE"_s},
        {u"FR"_s, u"Bordeaux"_s, {u"330"_s}, u"CEE"_s},
    };
    return l;
}

const QList<Artigo> &artigos()
{
    using F = Familia;
    static const QList<Artigo> a{
        {u"LUB5W30-1"_s, u"Óleo Motor 5W30 Sintético 1L"_s, u"UN"_s, 0.92, 0.0011, 1000, 9.90, 1, F::Lubrificante, 24, 10, u"A01"_s, u"560"_s, true, u"110"_s, u"LM-5W30-1"_s},
        {u"LUB5W30-5"_s, u"Óleo Motor 5W30 Sintético 5L"_s, u"UN"_s, 4.50, 0.0055, 5000, 42.50, 1, F::Lubrificante, 12, 10, u"A01"_s, u"560"_s, true, u"110"_s, u"LM-5W30-5"_s},
        {u"LUB5W40-1"_s, u"Óleo Motor 5W40 Sintético 1L"_s, u"UN"_s, 0.92, 0.0011, 1000, 8.95, 1, F::Lubrificante, 24, 8, u"A01"_s, u"560"_s, true, u"110"_s, u"LM-5W40-1"_s},
        {u"LUB5W40-5"_s, u"Óleo Motor 5W40 Sintético 5L"_s, u"UN"_s, 4.50, 0.0055, 5000, 38.90, 1, F::Lubrificante, 12, 8, u"A01"_s, u"560"_s, true, u"110"_s, u"LM-5W40-5"_s},
        {u"LUB10W40-5"_s, u"Óleo Motor 10W40 Semissintético 5L"_s, u"UN"_s, 4.50, 0.0055, 5000, 27.50, 1, F::Lubrificante, 12, 6, u"A01"_s, u"560"_s, true, u"120"_s, u"LM-10W40-5"_s},
        {u"LUB15W40-20"_s, u"Óleo Motor 15W40 Mineral 20L"_s, u"UN"_s, 18.20, 0.0220, 20000, 79.00, 1, F::Lubrificante, 4, 3, u"A02"_s, u"560"_s, true, u"120"_s, u"LM-15W40-20"_s},
        {u"LUB75W90-1"_s, u"Óleo Caixa 75W90 1L"_s, u"UN"_s, 0.95, 0.0011, 1000, 12.40, 1, F::Lubrificante, 12, 4, u"A01"_s, u"560"_s, true, u"130"_s, u"LT-75W90-1"_s},
        {u"FLU-REF5"_s, u"Líquido Refrigeração -36ºC 5L"_s, u"UN"_s, 5.30, 0.0056, 5000, 14.90, 1, F::Fluido, 12, 5, u"A01"_s, u"560"_s, true, u"140"_s, u"LR-36-5"_s},
        {u"FLU-DOT4"_s, u"Líquido de Travões DOT4 500ml"_s, u"UN"_s, 0.55, 0.0006, 500, 6.75, 1, F::Fluido, 12, 5, u"A01"_s, u"560"_s, true, u"140"_s, u"LT-DOT4-05"_s},
        {u"FLU-ADB10"_s, u"AdBlue 10L"_s, u"UN"_s, 10.90, 0.0115, 10000, 15.80, 1, F::Fluido, 8, 4, u"A02"_s, u"560"_s, true, u"150"_s, u"AB-10"_s},
        {u"FLU-LAV1"_s, u"Lava-vidros Concentrado 1L"_s, u"UN"_s, 1.02, 0.0011, 1000, 3.20, 1, F::Fluido, 24, 4, u"A01"_s, u"400"_s, true, u"150"_s, u"LV-1"_s},
        {u"FIL-O712"_s, u"Filtro de Óleo FO 712"_s, u"UN"_s, 0.35, 0.0012, 0, 7.85, 1, F::Filtro, 10, 7, u"A01"_s, u"400"_s, true, u"210"_s, u"FO 712"_s},
        {u"FIL-O719"_s, u"Filtro de Óleo FO 719"_s, u"UN"_s, 0.38, 0.0012, 0, 8.40, 1, F::Filtro, 10, 6, u"A01"_s, u"400"_s, true, u"210"_s, u"FO 719"_s},
        {u"FIL-A27"_s, u"Filtro de Ar FA 27"_s, u"UN"_s, 0.42, 0.0045, 0, 13.20, 1, F::Filtro, 10, 5, u"A01"_s, u"400"_s, true, u"210"_s, u"FA 27"_s},
        {u"FIL-H29"_s, u"Filtro de Habitáculo FH 29"_s, u"UN"_s, 0.21, 0.0030, 0, 11.60, 1, F::Filtro, 10, 4, u"A01"_s, u"560"_s, true, u"220"_s, u"FH 29"_s},
        {u"FIL-C84"_s, u"Filtro de Combustível FC 84"_s, u"UN"_s, 0.30, 0.0010, 0, 16.90, 1, F::Filtro, 10, 4, u"A01"_s, u"400"_s, true, u"220"_s, u"FC 84"_s},
        {u"TRV-PD001"_s, u"Pastilhas de Travão Dianteiras"_s, u"JG"_s, 1.10, 0.0012, 0, 24.50, 1, F::Travagem, 6, 5, u"A01"_s, u"560"_s, true, u"310"_s, u"PT-D-001"_s},
        {u"TRV-PT002"_s, u"Pastilhas de Travão Traseiras"_s, u"JG"_s, 0.90, 0.0010, 0, 19.80, 1, F::Travagem, 6, 4, u"A01"_s, u"560"_s, true, u"310"_s, u"PT-T-002"_s},
        {u"TRV-DV280"_s, u"Discos de Travão Ventilados 280mm (par)"_s, u"PAR"_s, 11.40, 0.0090, 0, 68.00, 1, F::Travagem, 4, 3, u"A02"_s, u"841"_s, true, u"320"_s, u"DV-280"_s},
        {u"TRV-MX203"_s, u"Maxilas de Travão 203mm"_s, u"JG"_s, 1.60, 0.0020, 0, 29.90, 1, F::Travagem, 4, 2, u"A01"_s, QString(), true, u"320"_s, u"MX-203"_s},
        {u"BAT-60"_s, u"Bateria 12V 60Ah 540A"_s, u"UN"_s, 15.20, 0.0080, 0, 79.90, 1, F::Bateria, 3, 4, u"A02"_s, u"560"_s, true, u"410"_s, u"B60-540"_s},
        {u"BAT-74"_s, u"Bateria 12V 74Ah 680A"_s, u"UN"_s, 18.10, 0.0095, 0, 94.50, 1, F::Bateria, 3, 3, u"A02"_s, u"560"_s, true, u"410"_s, u"B74-680"_s},
        {u"BAT-95"_s, u"Bateria 12V 95Ah 800A"_s, u"UN"_s, 23.40, 0.0120, 0, 129.00, 1, F::Bateria, 2, 2, u"A02"_s, u"560"_s, true, u"410"_s, u"B95-800"_s},
        {u"RET-BAT"_s, u"Retoma de Bateria Usada"_s, u"UN"_s, 0.0, 0.0, 0, 8.00, 1, F::Retoma, 3, 0, u"-"_s, QString(), false, QString(), QString()},
        {u"LMP-H7"_s, u"Lâmpada H7 12V 55W"_s, u"UN"_s, 0.03, 0.0001, 0, 4.60, 1, F::Iluminacao, 20, 5, u"A01"_s, u"400"_s, true, u"510"_s, u"H7-55"_s},
        {u"LMP-H4"_s, u"Lâmpada H4 12V 60/55W"_s, u"UN"_s, 0.03, 0.0001, 0, 4.20, 1, F::Iluminacao, 20, 4, u"A01"_s, u"400"_s, true, u"510"_s, u"H4-6055"_s},
        {u"LMP-W5W"_s, u"Lâmpada W5W 12V (caixa 10)"_s, u"CX"_s, 0.05, 0.0002, 0, 3.90, 1, F::Iluminacao, 20, 3, u"A01"_s, u"560"_s, true, u"510"_s, u"W5W-10"_s},
        {u"LMP-D1S"_s, u"Lâmpada Xénon D1S 35W"_s, u"UN"_s, 0.06, 0.0003, 0, 89.00, 1, F::Iluminacao, 4, 1, u"A01"_s, u"400"_s, true, u"520"_s, u"D1S-35"_s},
        {u"ESC-600"_s, u"Escova Limpa-vidros 600mm"_s, u"UN"_s, 0.18, 0.0009, 0, 9.50, 1, F::Escova, 10, 4, u"A01"_s, u"560"_s, true, u"610"_s, u"EL-600"_s},
        {u"ESC-450"_s, u"Escova Limpa-vidros 450mm"_s, u"UN"_s, 0.15, 0.0007, 0, 8.20, 1, F::Escova, 10, 3, u"A01"_s, u"560"_s, true, u"610"_s, u"EL-450"_s},
        {u"ESC-TR30"_s, u"Escova Traseira 300mm"_s, u"UN"_s, 0.10, 0.0004, 0, 7.10, 1, F::Escova, 10, 2, u"A01"_s, QString(), true, u"610"_s, u"ET-300"_s},
        {u"MOT-CD01"_s, u"Kit Correia de Distribuição"_s, u"KIT"_s, 1.90, 0.0040, 0, 89.00, 1, F::Motor, 3, 3, u"A01"_s, u"400"_s, true, u"710"_s, u"KD-01"_s},
        {u"MOT-EMB1"_s, u"Kit Embraiagem 3 Peças"_s, u"KIT"_s, 6.80, 0.0150, 0, 185.00, 1, F::Motor, 2, 2, u"A02"_s, u"400"_s, true, u"710"_s, u"KE-3P"_s},
        {u"MOT-VEL4"_s, u"Velas de Ignição (jogo 4)"_s, u"JG"_s, 0.25, 0.0003, 0, 22.40, 1, F::Motor, 6, 3, u"A01"_s, u"400"_s, true, u"720"_s, u"VI-4"_s},
        {u"MOT-AMD1"_s, u"Amortecedor Dianteiro a Gás"_s, u"UN"_s, 3.90, 0.0110, 0, 54.90, 1, F::Motor, 4, 2, u"A02"_s, u"841"_s, true, u"730"_s, u"AD-G1"_s},
        {u"MOT-BOM1"_s, u"Bomba de Água"_s, u"UN"_s, 1.50, 0.0030, 0, 47.30, 1, F::Motor, 3, 2, u"A01"_s, u"560"_s, true, u"720"_s, u"BA-01"_s},
        {u"LIV-MT01"_s, u"Manual Técnico de Oficina - Motores Diesel"_s, u"UN"_s, 1.20, 0.0020, 0, 34.00, 3, F::Livro, 2, 1, u"A03"_s, u"978"_s, true, u"910"_s, u"MTO-D"_s},
        {u"LIV-GM02"_s, u"Guia Prático de Manutenção Automóvel"_s, u"UN"_s, 0.60, 0.0012, 0, 18.50, 3, F::Livro, 2, 1, u"A03"_s, u"978"_s, true, u"910"_s, u"GPM-A"_s},
        {u"OFE-AZ075"_s, u"Azeite Virgem Extra 0,75L (oferta)"_s, u"UN"_s, 0.80, 0.0009, 750, 6.90, 2, F::Oferta, 6, 1, u"A03"_s, u"560"_s, true, u"920"_s, u"AZ-075"_s},
        {u"OFE-VP075"_s, u"Vinho do Porto Tawny 0,75L (oferta)"_s, u"UN"_s, 1.30, 0.0010, 750, 12.50, 2, F::Oferta, 6, 1, u"A03"_s, u"560"_s, true, u"920"_s, u"VP-T075"_s},
        {u"PAL-CAU"_s, u"Caução de Palete EUR"_s, u"UN"_s, 25.00, 0.0, 0, 10.00, 4, F::Palete, 4, 1, u"-"_s, QString(), false, QString(), QString()},
        {u"ACE-TRI"_s, u"Triângulo de Sinalização"_s, u"UN"_s, 0.90, 0.0030, 0, 6.40, 1, F::Acessorio, 10, 2, u"A01"_s, u"560"_s, true, u"810"_s, u"TS-01"_s},
        {u"ACE-COL"_s, u"Colete Refletor"_s, u"UN"_s, 0.15, 0.0005, 0, 2.90, 1, F::Acessorio, 20, 2, u"A01"_s, u"560"_s, true, u"810"_s, u"CR-01"_s},
        {u"ACE-KIT"_s, u"Kit Primeiros Socorros"_s, u"UN"_s, 0.40, 0.0015, 0, 11.90, 1, F::Acessorio, 10, 1, QString(), QString(), true, u"810"_s, u"KPS-01"_s},
        {u"ACE-COR"_s, u"Cabo de Reboque 4m"_s, u"UN"_s, 0.70, 0.0020, 0, 9.80, 1, F::Acessorio, 6, 1, u"A01"_s, u"841"_s, true, u"810"_s, u"CRB-4"_s},
    };
    return a;
}

const QStringList &ruas(const QString &pais)
{
    static const QStringList pt{
        u"Rua de Santa Catarina"_s, u"Avenida da República"_s, u"Rua Dr. António José de Almeida"_s,
        u"Rua do Comércio"_s, u"Avenida dos Combatentes"_s, u"Rua 25 de Abril"_s,
        u"Estrada Nacional 10"_s, u"Rua da Indústria"_s, u"Zona Industrial"_s,
        u"Rua Cândido dos Reis"_s, u"Avenida D. João II"_s, u"Travessa do Carmo"_s,
        u"Rua Sá da Bandeira"_s, u"Largo do Município"_s, u"Rua de São João"_s,
        u"Avenida Fernão de Magalhães"_s, u"Rua Heróis do Ultramar"_s};
    static const QStringList es{
        u"Calle Mayor"_s, u"Avenida de la Constitución"_s, u"Calle de Alcalá"_s,
        u"Polígono Industrial San Cristóbal, Nave"_s, u"Gran Vía"_s, u"Avenida de Madrid"_s,
        u"Rúa do Príncipe"_s, u"Calle Real"_s};
    static const QStringList fr{u"Rue de Rivoli"_s, u"Avenue Jean Jaurès"_s, u"Rue Sainte-Catherine"_s};
    return pais == u"ES"_s ? es : pais == u"FR"_s ? fr : pt;
}

const QStringList &apelidos(const QString &pais)
{
    static const QStringList pt{
        u"Silva"_s, u"Santos"_s, u"Ferreira"_s, u"Pereira"_s, u"Oliveira"_s, u"Costa"_s,
        u"Rodrigues"_s, u"Martins"_s, u"Jesus"_s, u"Sousa"_s, u"Fernandes"_s, u"Gonçalves"_s,
        u"Gomes"_s, u"Lopes"_s, u"Marques"_s, u"Alves"_s, u"Almeida"_s, u"Ribeiro"_s,
        u"Pinto"_s, u"Carvalho"_s, u"Teixeira"_s, u"Moreira"_s, u"Correia"_s, u"Mendes"_s,
        u"Nunes"_s, u"Soares"_s, u"Vieira"_s, u"Monteiro"_s, u"Cardoso"_s, u"Rocha"_s,
        u"Simões"_s, u"Antunes"_s, u"Magalhães"_s, u"Brandão"_s};
    static const QStringList es{
        u"García"_s, u"Fernández"_s, u"González"_s, u"Rodríguez"_s, u"López"_s, u"Martínez"_s,
        u"Sánchez"_s, u"Pérez"_s, u"Gómez"_s, u"Martín"_s, u"Jiménez"_s, u"Ruiz"_s,
        u"Hernández"_s, u"Díaz"_s, u"Moreno"_s, u"Álvarez"_s, u"Castro"_s, u"Iglesias"_s};
    static const QStringList fr{u"Martin"_s, u"Bernard"_s, u"Dubois"_s, u"Lefèvre"_s, u"Moreau"_s};
    return pais == u"ES"_s ? es : pais == u"FR"_s ? fr : pt;
}

const QStringList &prefixosNomeCliente(const QString &pais)
{
    static const QStringList pt{
        u"Auto Reparadora"_s, u"Oficina"_s, u"Garagem"_s, u"Pneus"_s, u"Centro Auto"_s,
        u"Mecânica"_s, u"Auto Peças"_s, u"Stand"_s, u"Reparações Auto"_s, u"Electro Auto"_s};
    static const QStringList es{u"Talleres"_s, u"Recambios"_s, u"Autos"_s, u"Neumáticos"_s,
                                u"Electromecánica"_s};
    static const QStringList fr{u"Garage"_s, u"Auto Service"_s, u"Pièces Auto"_s};
    return pais == u"ES"_s ? es : pais == u"FR"_s ? fr : pt;
}

const QStringList &sufixosNomeCliente(const QString &pais)
{
    static const QStringList pt{u", Lda."_s, u" & Filhos, Lda."_s, u", S.A."_s,
                                u" Unipessoal, Lda."_s, u" & Irmão, Lda."_s};
    static const QStringList es{u", S.L."_s, u" e Hijos, S.L."_s, u", S.A."_s};
    static const QStringList fr{u" SARL"_s, u" SAS"_s};
    return pais == u"ES"_s ? es : pais == u"FR"_s ? fr : pt;
}

const QStringList &observacoes()
{
    static const QStringList o{
        u"Entregar de manhã"_s,
        u"Contactar o cliente antes da entrega"_s,
        u"Mercadoria frágil; manusear com cuidado"_s,
        u"Entrega no armazém das traseiras.\r\nHorário: 9h00-12h30 / 14h00-18h00"_s,
        u"Ref. cliente:\tOF-2231"_s,
        u"Não entregar ao sábado"_s,
        u"Encomenda urgente - cliente parado à espera das peças para concluir a reparação; "
        "entregar até às 11h00, contactar o Sr. Joaquim pelo telemóvel se não houver ninguém "
        "na receção da oficina."_s,
        u"Pagamento contra entrega"_s,
    };
    return o;
}

const QStringList &instrucoesEntrega()
{
    static const QStringList i{
        u"Horário de receção: 9h00-12h30 e 14h00-18h00. Descarga no cais 2, pedir na receção."_s,
        u"Entrada pelo portão lateral; tocar à campainha."_s,
        u"Não aceitamos entregas ao sábado."_s,
        u"Descarga com porta-paletes; avisar com 24 horas de antecedência pelo telefone."_s,
    };
    return i;
}

const TipoDocumento *tipoDocumento(const QString &codigo)
{
    for (const TipoDocumento &t : tiposDocumento())
        if (t.codigo == codigo)
            return &t;
    return nullptr;
}

const Artigo *artigo(const QString &codigo)
{
    for (const Artigo &a : artigos())
        if (a.codigo == codigo)
            return &a;
    return nullptr;
}

const RegimeIva *regimeIva(const QString &codigo)
{
    for (const RegimeIva &r : regimesIva())
        if (r.codigo == codigo)
            return &r;
    return nullptr;
}

const CondicaoPagamento *condicaoPagamento(const QString &codigo)
{
    for (const CondicaoPagamento &c : condicoesPagamento())
        if (c.codigo == codigo)
            return &c;
    return nullptr;
}

} // namespace qrx::catalogo
