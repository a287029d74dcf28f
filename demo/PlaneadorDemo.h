#pragma once

#include "Aleatorio.h"
#include "CatalogoDemo.h"
#include "PlanoDemo.h"

#include <QDate>
#include <QSet>
#include <QString>

namespace qrx {

// Makes the demo contents: customers, then today's documents that every export type's demo
// settings select, then documents of the previous days until the line count is reached.
// Everything comes from the seed; "today" is given, never read from a clock.
class PlaneadorDemo {
public:
    // Days covered by the documents, today included.
    static constexpr int Dias = 30;

    PlaneadorDemo(quint64 semente, int linhas, QDate hoje);

    plano::Plano planear();

    // Lines of the documents made for today whatever the size; the smallest size accepted.
    static int minimoLinhas();

private:
    enum Extra : unsigned {
        MoradaDeEntrega = 1u << 0,
        NumerosDeSerie = 1u << 1,
        DaGuiaDeRemessa = 1u << 2,
        ArmazemNorte = 1u << 3,
        Retoma = 1u << 4,
        Gratis = 1u << 5,
        PrecoZero = 1u << 6,
        Texto = 1u << 7,
        Anulado = 1u << 8,
        ContraReembolso = 1u << 9,
        Paletes = 1u << 10,
        Descontos = 1u << 11,
        ClienteEdi = 1u << 12,
        ClienteEspanhol = 1u << 13,
        Telemovel = 1u << 14,
    };
    struct Pedido {
        const char16_t *tipo;
        int serie;
        const char16_t *expedicao;
        int linhas;
        unsigned extras;
    };
    static const QList<Pedido> &pedidosDeHoje();

    void gerarDocumentosDeHoje();
    void gerarDocumentosAnteriores(int linhas);
    void ordenarENumerar();
    void marcarEnviados();

    int novoDocumento(const QString &tipo, int serie, QDate data, const QString &expedicao,
                      int cliente);
    int escolheCliente(unsigned extras);
    QString escolheExpedicao(const QString &tipo);
    void preencherLinhas(plano::Documento &d, int quantas, unsigned extras);
    void copiarLinhasDeGuia(plano::Documento &fatura, const plano::Documento &guia);
    void acabarDocumento(plano::Documento &d, unsigned extras);

    plano::Linha linhaDeArtigo(const plano::Documento &d, const catalogo::Artigo &a,
                               double quantidade);
    plano::Linha linhaDeTexto();
    plano::Linha linhaDeRetoma(const plano::Documento &d, double quantidade);
    const catalogo::Artigo &escolheArtigo(bool armazemNorte);
    double taxaIva(const plano::Documento &d, int escalao) const;

    Aleatorio m_aleatorio;
    int m_linhas;
    QDate m_hoje;
    plano::Plano m_plano;
    QSet<int> m_deHoje;
    QList<int> m_pesosArtigos;
    int m_proximoNumeroSerie = 1;
};

} // namespace qrx
