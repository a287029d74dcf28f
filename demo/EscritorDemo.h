#pragma once

#include "PlanoDemo.h"

#include <QDate>
#include <QSqlDatabase>

namespace qrx {

// Writes the master data of the catalogue and a plan into an ERP database that holds the
// schema, with one prepared statement per table; the caller owns the transaction.
class EscritorDemo {
public:
    struct Contagem {
        int documentos = 0;
        int documentosDeHoje = 0;
        int linhas = 0;
        int clientes = 0;
    };

    EscritorDemo(QSqlDatabase bd, QDate hoje);

    Contagem escrever(const plano::Plano &plano);

private:
    void escreverMestres(const plano::Plano &plano);
    void escreverArtigos();
    void escreverClientes(const plano::Plano &plano);
    Contagem escreverDocumentos(const plano::Plano &plano);

    QSqlDatabase m_bd;
    QDate m_hoje;
};

} // namespace qrx
