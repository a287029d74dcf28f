#pragma once

#include "Aleatorio.h"
#include "CatalogoDemo.h"
#include "PlanoDemo.h"

#include <QList>
#include <QMap>
#include <QString>

namespace qrx {

// Customers of the demo: Portuguese, Spanish and a few French ones, with addresses, postal
// codes, telephones typed in the ways clerks type them, tax numbers, EDI and EAN location
// codes, extra fields and delivery addresses. The first customers are fixed kinds that the
// exports need: four EDI customers, one with a very long name, one French, one Spanish with a
// delivery address without a street.
class GeradorClientes {
public:
    // Every postal code used is recorded in codigosPostais with its description.
    GeradorClientes(Aleatorio &aleatorio, QMap<QString, QString> &codigosPostais);

    QList<plano::Cliente> gerar(int quantos);

    static constexpr int ClientesEdi = 4;

private:
    plano::Cliente novoCliente(int indice);
    plano::MoradaEntrega novaMorada(const plano::Cliente &cliente, int numero);
    QString codigoPostal(const catalogo::Localidade &l);
    QString telefone(const QString &pais, bool movel);
    QString contribuinte(const QString &pais);

    Aleatorio &m_aleatorio;
    QMap<QString, QString> &m_codigosPostais;
};

} // namespace qrx
