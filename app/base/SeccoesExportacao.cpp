#include "SeccoesExportacao.h"

#include "TabelaSeccao.h"

namespace qrx {

namespace {

using namespace detalhe;

using P = DadosProAlliance;
const CampoSeccao<P> camposProAlliance[] = {
    texto<P>(u"ProAlliance", u"Remessa", &P::Remessa),
    texto<P>(u"ProAlliance", u"Serie Remessa", &P::SerieRemessa),
    texto<P>(u"ProAlliance", u"Expedicao", &P::Expedicao),
    texto<P>(u"ProAlliance", u"Transferencia Armazem", &P::TransferenciaArmazem),
    texto<P>(u"ProAlliance", u"Serie Transferencia Armazem", &P::SerieTransferenciaArmazem),
    texto<P>(u"ProAlliance", u"Delegacao de origem", &P::DelegacaoDeOrigem),
    texto<P>(u"ProAlliance", u"CodigoPostalLocalExpedicao", &P::CodigoPostalLocalExpedicao),
    texto<P>(u"ProAlliance", u"ModoPagamento", &P::ModoPagamento),
};

using U = DadosUrbanos;
const CampoSeccao<U> camposUrbanos[] = {
    texto<U>(u"Urbanos", u"Fatura", &U::Fatura),
    texto<U>(u"Urbanos", u"Serie Fatura", &U::SerieFatura),
    texto<U>(u"Urbanos", u"VendaDinheiro", &U::VendaDinheiro),
    texto<U>(u"Urbanos", u"Serie VendaDinheiro", &U::SerieVendaDinheiro),
    texto<U>(u"Urbanos", u"Guia Remessa", &U::GuiaRemessa),
    texto<U>(u"Urbanos", u"Serie Guia Remessa", &U::SerieGuiaRemessa),
    texto<U>(u"Urbanos", u"Guia Transporte", &U::GuiaTransporte),
    texto<U>(u"Urbanos", u"Serie Guia Transporte", &U::SerieGuiaTransporte),
    texto<U>(u"Urbanos", u"Expedicao", &U::Expedicao),
    texto<U>(u"Urbanos", u"Unidade Peso", &U::UnidadePeso),
    texto<U>(u"Urbanos", u"Unidade Volume", &U::UnidadeVolume),
    texto<U>(u"Urbanos", u"Campo Livre Nº", &U::CampoLivreNo),
    texto<U>(u"Urbanos", u"Nome da Empresa", &U::NomeDaEmpresa),
};

using S = DadosSMTP;
const CampoSeccao<S> camposSMTP[] = {
    texto<S>(u"SMTP", u"Servidor", &S::Servidor),
    texto<S>(u"SMTP", u"Username", &S::Username),
    cifrado<S>(u"SMTP", u"Password", &S::Password),
    texto<S>(u"SMTP", u"DeNome", &S::DeNome),
    texto<S>(u"SMTP", u"DeEmail", &S::DeEmail),
    texto<S>(u"SMTP", u"Para", &S::Para),
    texto<S>(u"SMTP", u"Assunto", &S::Assunto),
};

using C = DadosCTT;
const CampoSeccao<C> camposCTT[] = {
    texto<C>(u"CTT", u"Fatura", &C::Fatura),
    texto<C>(u"CTT", u"Serie Fatura 1", &C::SerieFatura1),
    texto<C>(u"CTT", u"Fatura2", &C::Fatura2),
    texto<C>(u"CTT", u"Serie Fatura 2", &C::SerieFatura2),
    texto<C>(u"CTT", u"Guia Remessa", &C::GuiaRemessa),
    texto<C>(u"CTT", u"Serie Guia Remessa", &C::SerieGuiaRemessa),
    texto<C>(u"CTT", u"Guia Transporte", &C::GuiaTransporte),
    texto<C>(u"CTT", u"Serie Guia Transporte", &C::SerieGuiaTransporte),
    texto<C>(u"CTT", u"Guia Transporte2", &C::GuiaTransporte2),
    texto<C>(u"CTT", u"Serie Guia Transporte2", &C::SerieGuiaTransporte2),
    inteiro<C>(u"CTT", u"Back", &C::Back),
    inteiro<C>(u"CTT", u"Sabado", &C::Sabado),
    inteiro<C>(u"CTT", u"Fragil", &C::Fragil),
    inteiro<C>(u"CTT", u"Observacoes", &C::Observacoes),
    inteiro<C>(u"CTT", u"CodigoCliente", &C::CodigoCliente),
    texto<C>(u"CTT", u"CobrancaPostalObjectos", &C::CobrancaPostalObjectos),
    texto<C>(u"CTT", u"CobrancaContraReembolso", &C::CobrancaContraReembolso),
    texto<C>(u"CTT", u"CobrancaChequeNominativo", &C::CobrancaChequeNominativo),
    texto<C>(u"CTT", u"CodigoMinuta", &C::CodigoMinuta),
    inteiro<C>(u"CTT", u"SegundaEntrega", &C::SegundaEntrega),
    inteiro<C>(u"CTT", u"Assinado", &C::Assinado),
    inteiro<C>(u"CTT", u"SMS", &C::SMS),
    texto<C>(u"CTT", u"Impressora", &C::Impressora),
    texto<C>(u"CTT", u"Etiquetadora", &C::Etiquetadora),
    texto<C>(u"CTT", u"CodigoAT", &C::CodigoAT),
    inteiro<C>(u"CTT", u"QualPeso", &C::QualPeso),
    texto<C>(u"CTT", u"Seleccao", &C::Seleccao),
    texto<C>(u"CTT", u"Telefone", &C::Telefone),
    inteiro<C>(u"CTT", u"Volumes", &C::Volumes),
};

using R = DadosRsContreras;
const CampoSeccao<R> camposRsContreras[] = {
    texto<R>(u"RsContreras", u"Fatura", &R::Fatura),
    texto<R>(u"RsContreras", u"Serie Fatura 1", &R::SerieFatura1),
    texto<R>(u"RsContreras", u"Serie Fatura 2", &R::SerieFatura2),
    texto<R>(u"RsContreras", u"Guia Remessa", &R::GuiaRemessa),
    texto<R>(u"RsContreras", u"Serie Guia Remessa", &R::SerieGuiaRemessa),
    texto<R>(u"RsContreras", u"Guia Transporte", &R::GuiaTransporte),
    texto<R>(u"RsContreras", u"Serie Guia Transporte", &R::SerieGuiaTransporte),
    texto<R>(u"Armazens", u"Armazem1", &R::Armazem1),
    texto<R>(u"Armazens", u"Percurso1", &R::Percurso1),
    texto<R>(u"Armazens", u"Armazem2", &R::Armazem2),
    texto<R>(u"Armazens", u"Percurso2", &R::Percurso2),
};

using T = DadosTorresTir;
const CampoSeccao<T> camposTorresTir[] = {
    texto<T>(u"TorresTir", u"Fatura", &T::Fatura),
    texto<T>(u"TorresTir", u"Serie Fatura 1", &T::SerieFatura1),
    texto<T>(u"TorresTir", u"Fatura2", &T::Fatura2),
    texto<T>(u"TorresTir", u"Serie Fatura 2", &T::SerieFatura2),
    texto<T>(u"TorresTir", u"Guia Remessa", &T::GuiaRemessa),
    texto<T>(u"TorresTir", u"Serie Guia Remessa", &T::SerieGuiaRemessa),
    texto<T>(u"TorresTir", u"Guia Transporte", &T::GuiaTransporte),
    texto<T>(u"TorresTir", u"Serie Guia Transporte", &T::SerieGuiaTransporte),
    texto<T>(u"TorresTir", u"Guia Transporte2", &T::GuiaTransporte2),
    texto<T>(u"TorresTir", u"Serie Guia Transporte2", &T::SerieGuiaTransporte2),
    texto<T>(u"TorresTir", u"Expedicao", &T::Expedicao),
    texto<T>(u"TorresTir", u"CodCliente", &T::CodCliente),
    texto<T>(u"TorresTir", u"Modopagamento", &T::Modopagamento),
};

} // namespace

DadosProAlliance LeProAlliance(const QString &ficheiro)
{
    return leSeccao<P>(ficheiro, camposProAlliance);
}

bool GravaProAlliance(const DadosProAlliance &dados, const QString &ficheiro)
{
    return gravaSeccao<P>(ficheiro, camposProAlliance, dados);
}

DadosUrbanos LeUrbanos(const QString &ficheiro)
{
    return leSeccao<U>(ficheiro, camposUrbanos);
}

bool GravaUrbanos(const DadosUrbanos &dados, const QString &ficheiro)
{
    return gravaSeccao<U>(ficheiro, camposUrbanos, dados);
}

DadosSMTP LeSMTP(const QString &ficheiro)
{
    return leSeccao<S>(ficheiro, camposSMTP);
}

bool GravaSMTP(const DadosSMTP &dados, const QString &ficheiro)
{
    return gravaSeccao<S>(ficheiro, camposSMTP, dados);
}

DadosCTT LeCTT(const QString &ficheiro)
{
    return leSeccao<C>(ficheiro, camposCTT);
}

bool GravaCTT(const DadosCTT &dados, const QString &ficheiro)
{
    return gravaSeccao<C>(ficheiro, camposCTT, dados);
}

DadosRsContreras LeRsContreras(const QString &ficheiro)
{
    return leSeccao<R>(ficheiro, camposRsContreras);
}

bool GravaRsContreras(const DadosRsContreras &dados, const QString &ficheiro)
{
    return gravaSeccao<R>(ficheiro, camposRsContreras, dados);
}

DadosTorresTir LeTorresTir(const QString &ficheiro)
{
    return leSeccao<T>(ficheiro, camposTorresTir);
}

bool GravaTorresTir(const DadosTorresTir &dados, const QString &ficheiro)
{
    return gravaSeccao<T>(ficheiro, camposTorresTir, dados);
}

} // namespace qrx
