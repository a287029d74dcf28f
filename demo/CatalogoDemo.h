#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Fixed master data of the demo ERP: the company, its document types, shipping methods,
// warehouses, VAT regimes, payment terms, articles and the place and people names from which
// customers are made. The demo settings files name these codes, so they must not drift.
namespace qrx::catalogo {

struct Empresa {
    int codigo;
    QString nome;
    QString morada;
    QString codigoPostal;
    QString localidade;
    QString contribuinte;
    QString ean;
};

struct TipoDocumento {
    QString codigo;
    QString descricao;
    int areag;
    int tpoper;
    int entidade;
    int natconta;
    int sinalct;
};

struct Expedicao {
    QString codigo;
    QString descricao;
    int peso; // weight when a document picks its shipping method
};

struct Armazem {
    QString codigo;
    QString nome;
    QString morada;
    QString codigoPostal;
    QString localidade;
    QString telefone;
};

struct RegimeIva {
    QString codigo;
    QString descricao;
    double taxas[4];
};

struct CondicaoPagamento {
    QString codigo;
    QString descricao;
    int dias;
};

struct Pais {
    QString codigo;
    QString descricao;
    QString codigoIntra;
};

struct Localidade {
    QString pais;
    QString nome;
    QStringList prefixosPostais; // PT: four digits; ES and FR: the first three digits
    QString regimeIva;
};

enum class Familia { Lubrificante, Fluido, Filtro, Travagem, Bateria, Retoma, Iluminacao,
                     Escova, Motor, Livro, Oferta, Palete, Acessorio };

struct Artigo {
    QString codigo;
    QString nome;
    QString unidade;
    double peso;      // kg per unit
    double volume;    // m3 per unit
    int mililitros;   // 0 when not a liquid
    double preco;
    int escalaoIva;   // 1..4, the VAT bracket of the regime
    Familia familia;
    int quantidadeMaxima;
    int pesoEscolha;  // weight when a line picks its article
    QString armazem;  // "" none, "-" no row at all
    QString prefixoEan; // "" no bar code
    bool comExtras;   // has a CLART row
    QString marca;
    QString referencia;
};

const Empresa &empresa();
const QList<TipoDocumento> &tiposDocumento();
const QList<Expedicao> &expedicoes();
const QList<Armazem> &armazens();
const QList<RegimeIva> &regimesIva();
const QList<CondicaoPagamento> &condicoesPagamento();
const QList<Pais> &paises();
const QList<Localidade> &localidades();
const QList<Artigo> &artigos();

const QStringList &ruas(const QString &pais);
const QStringList &apelidos(const QString &pais);
const QStringList &prefixosNomeCliente(const QString &pais);
const QStringList &sufixosNomeCliente(const QString &pais);
const QStringList &observacoes();
const QStringList &instrucoesEntrega();

const TipoDocumento *tipoDocumento(const QString &codigo);
const Artigo *artigo(const QString &codigo);
const RegimeIva *regimeIva(const QString &codigo);
const CondicaoPagamento *condicaoPagamento(const QString &codigo);

// Article code of the line that takes back a used battery (line type 3).
inline constexpr const char16_t *ArtigoRetoma = u"RET-BAT";

} // namespace qrx::catalogo
