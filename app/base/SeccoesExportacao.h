#pragma once

#include "ValoresPrograma.h"

#include <QString>

namespace qrx {

// The partner sections of the settings file, one plain struct per section with members named
// after the keys. Readers give "" (0 for integers) for absent keys; writers store every
// member in one replacement of the file, in key order. Each call uses the settings file named
// by FicheiroConfiguracao unless another file is given.

// Section "ProAlliance" (export type 4).
struct DadosProAlliance {
    QString Remessa;
    QString SerieRemessa;
    QString Expedicao;
    QString TransferenciaArmazem;
    QString SerieTransferenciaArmazem;
    QString DelegacaoDeOrigem;
    QString CodigoPostalLocalExpedicao;
    QString ModoPagamento;

    bool operator==(const DadosProAlliance &) const = default;
};
DadosProAlliance LeProAlliance(const QString &ficheiro = FicheiroConfiguracao);
bool GravaProAlliance(const DadosProAlliance &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "Urbanos" (export types 3 and 5).
struct DadosUrbanos {
    QString Fatura;
    QString SerieFatura;
    QString VendaDinheiro;
    QString SerieVendaDinheiro;
    QString GuiaRemessa;
    QString SerieGuiaRemessa;
    QString GuiaTransporte;
    QString SerieGuiaTransporte;
    QString Expedicao;
    QString UnidadePeso;
    QString UnidadeVolume;
    QString CampoLivreNo;      // key "Campo Livre Nº"
    QString NomeDaEmpresa;

    bool operator==(const DadosUrbanos &) const = default;
};
DadosUrbanos LeUrbanos(const QString &ficheiro = FicheiroConfiguracao);
bool GravaUrbanos(const DadosUrbanos &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "SMTP"; the password is held in clear here and enciphered in the file.
struct DadosSMTP {
    QString Servidor;
    QString Username;
    QString Password;
    QString DeNome;
    QString DeEmail;
    QString Para;
    QString Assunto;

    bool operator==(const DadosSMTP &) const = default;
};
DadosSMTP LeSMTP(const QString &ficheiro = FicheiroConfiguracao);
bool GravaSMTP(const DadosSMTP &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "CTT" (export type 7). The integers are list positions, read by the integer rule.
struct DadosCTT {
    QString Fatura;
    QString SerieFatura1;
    QString Fatura2;
    QString SerieFatura2;
    QString GuiaRemessa;
    QString SerieGuiaRemessa;
    QString GuiaTransporte;
    QString SerieGuiaTransporte;
    QString GuiaTransporte2;
    QString SerieGuiaTransporte2;
    qint16 Back = 0;
    qint16 Sabado = 0;
    qint16 Fragil = 0;
    qint16 Observacoes = 0;
    qint16 CodigoCliente = 0;
    QString CobrancaPostalObjectos;
    QString CobrancaContraReembolso;
    QString CobrancaChequeNominativo;
    QString CodigoMinuta;
    qint16 SegundaEntrega = 0;
    qint16 Assinado = 0;
    qint16 SMS = 0;
    QString Impressora;
    QString Etiquetadora;
    QString CodigoAT;
    qint16 QualPeso = 0;
    QString Seleccao;
    QString Telefone;
    qint16 Volumes = 0;

    bool operator==(const DadosCTT &) const = default;
};
DadosCTT LeCTT(const QString &ficheiro = FicheiroConfiguracao);
bool GravaCTT(const DadosCTT &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "RsContreras" (export types 6, 8, 9, 10) followed by section "Armazens".
struct DadosRsContreras {
    QString Fatura;
    QString SerieFatura1;
    QString SerieFatura2;
    QString GuiaRemessa;
    QString SerieGuiaRemessa;
    QString GuiaTransporte;
    QString SerieGuiaTransporte;
    QString Armazem1;
    QString Percurso1;
    QString Armazem2;
    QString Percurso2;

    bool operator==(const DadosRsContreras &) const = default;
};
DadosRsContreras LeRsContreras(const QString &ficheiro = FicheiroConfiguracao);
bool GravaRsContreras(const DadosRsContreras &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "TorresTir" (export type 12).
struct DadosTorresTir {
    QString Fatura;
    QString SerieFatura1;
    QString Fatura2;
    QString SerieFatura2;
    QString GuiaRemessa;
    QString SerieGuiaRemessa;
    QString GuiaTransporte;
    QString SerieGuiaTransporte;
    QString GuiaTransporte2;
    QString SerieGuiaTransporte2;
    QString Expedicao;
    QString CodCliente;
    QString Modopagamento;

    bool operator==(const DadosTorresTir &) const = default;
};
DadosTorresTir LeTorresTir(const QString &ficheiro = FicheiroConfiguracao);
bool GravaTorresTir(const DadosTorresTir &dados, const QString &ficheiro = FicheiroConfiguracao);

} // namespace qrx
