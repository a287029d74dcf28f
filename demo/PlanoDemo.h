#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <array>

// The demo ERP contents in memory: customers and documents, made before anything is written
// so that documents can be numbered in date order and refer to each other.
namespace qrx::plano {

struct MoradaEntrega {
    QString codigo;
    QString descricao;
    QString morada;
    QString localidade;
    QString codigoPostal;
    QString pais;
    QString telefone;
    QString fax;
    QString telemovel;
};

struct Cliente {
    QString codigo;
    QString nome;
    QString morada;
    QString localidade;
    QString codigoPostal;
    QString pais;
    QString contribuinte;
    QString telefone;
    QString fax;
    QString telemovel;
    QString email;
    QString codigoEdi;
    QString observacoes;
    QString regimeIva;
    QString prazo;
    QString modoPagamento;
    bool comExtras = true;
    std::array<QString, 5> extras; // CLCLIE CL01..CL05
    QList<MoradaEntrega> moradas;
};

struct Linha {
    int tipo = 1; // 1 article, 2 text, 3 return
    QString artigo;
    QString descricao;
    QString unidade;
    double quantidade = 0;
    double preco = 0;
    double desconto = 0;      // percentage
    double valorDesconto = 0;
    double valor = 0;
    double iva = 0;
    int escalao = 1;
    QString origemTipo;
    int origemId = -1;        // document whose number goes into ORNUM
    int movimentaStock = 0;
    QStringList numerosSerie;
    QStringList medidas;      // VAR1..VAR4; empty when the line has none
};

struct Documento {
    int id = 0;
    QString tipo;
    int serie = 1;
    int numero = 0;
    QDate data;
    QTime hora;
    int cliente = -1;         // index into Plano::clientes; -1 for warehouse transfers
    QString terceiro;
    int tipoTerceiro = 2;
    QString expedicao;        // "" no shipping method
    int vias = 1;
    QString moradaEntrega;    // CDMORADA of the customer, "" none
    QString encomendaCliente;
    QString modoPagamento;
    QString observacoes;
    QString codigoAt;
    double descontoCabecalho = 0;
    double percentagemAdiantamento = 0;
    int volumes = 0;
    bool volumesNulo = false;
    QList<Linha> linhas;

    // Document extra fields (CLDOCGC CL01..CL20); a document without any has no row.
    std::array<QVariant, 20> extras;
    // Sent marks and process number, given in planning and dated when written.
    bool marcaTransportador = false;
    bool marcaOperador = false;
    int diasAteEnvio = 0;
    bool comProcesso = false;
    int numeroProcesso = 0;

    bool temExtras() const
    {
        if (marcaTransportador || marcaOperador)
            return true;
        for (const QVariant &v : extras)
            if (v.isValid())
                return true;
        return false;
    }
};

struct Plano {
    QList<Cliente> clientes;
    QList<Documento> documentos;       // in date order, numbered
    QMap<QString, QString> codigosPostais; // code -> description
};

// Free column of CLDOCGC that the logistics operators' demo settings name as their mark.
inline constexpr int ColunaMarcaOperador = 19;
inline constexpr int ColunaMarcaTransportador = 20;

} // namespace qrx::plano
