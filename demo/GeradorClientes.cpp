#include "GeradorClientes.h"

#include "CatalogoDemo.h"
#include "CodigosDemo.h"

namespace qrx {

using namespace Qt::StringLiterals;
using plano::Cliente;
using plano::MoradaEntrega;

GeradorClientes::GeradorClientes(Aleatorio &aleatorio, QMap<QString, QString> &codigosPostais)
    : m_aleatorio(aleatorio), m_codigosPostais(codigosPostais)
{
}

QList<Cliente> GeradorClientes::gerar(int quantos)
{
    QList<Cliente> clientes;
    for (int i = 0; i < quantos; ++i)
        clientes.append(novoCliente(i));
    return clientes;
}

Cliente GeradorClientes::novoCliente(int indice)
{
    static const QStringList nomesEdi{
        u"Centro Auto Ibérico, S.A."_s, u"Rede Oficinas do Norte, S.A."_s,
        u"Grupo Vaziveru - Peças Auto, S.A."_s, u"AutoShop Portugal, Lda."_s};
    Cliente c;
    c.codigo = QString::number(1001 + indice);
    if (indice < 5)
        c.pais = u"PT"_s;
    else if (indice == 5)
        c.pais = u"FR"_s;
    else if (indice == 6)
        c.pais = u"ES"_s;
    else {
        const double r = m_aleatorio.real();
        c.pais = r < 0.78 ? u"PT"_s : r < 0.98 ? u"ES"_s : u"FR"_s;
    }

    QList<const catalogo::Localidade *> locais;
    for (const catalogo::Localidade &l : catalogo::localidades())
        if (l.pais == c.pais)
            locais.append(&l);
    const catalogo::Localidade &local = *m_aleatorio.escolhe(locais);
    c.localidade = local.nome;
    c.codigoPostal = codigoPostal(local);
    c.regimeIva = local.regimeIva;
    c.morada = m_aleatorio.escolhe(catalogo::ruas(c.pais)) % u", "_s
               % QString::number(m_aleatorio.inteiro(1, 480));

    if (indice < ClientesEdi)
        c.nome = nomesEdi.at(indice);
    else if (indice == 4)
        c.nome = u"Sociedade Comercial de Importação e Distribuição de Acessórios e Peças para "
                 "Automóveis Ligeiros e Pesados do Norte de Portugal, Lda."_s;
    else {
        const QStringList &apelidos = catalogo::apelidos(c.pais);
        c.nome = m_aleatorio.escolhe(catalogo::prefixosNomeCliente(c.pais)) % u" "_s
                 % m_aleatorio.escolhe(apelidos);
        if (m_aleatorio.probabilidade(0.25))
            c.nome += u" & "_s % m_aleatorio.escolhe(apelidos);
        c.nome += m_aleatorio.escolhe(catalogo::sufixosNomeCliente(c.pais));
    }

    c.contribuinte = contribuinte(c.pais);
    c.telefone = telefone(c.pais, m_aleatorio.probabilidade(0.35));
    c.telemovel = m_aleatorio.probabilidade(0.6) ? telefone(c.pais, true) : QString();
    c.fax = m_aleatorio.probabilidade(0.3) ? telefone(c.pais, false) : QString();
    if (m_aleatorio.probabilidade(0.8)) {
        QString base = c.nome.section(u',', 0, 0).normalized(QString::NormalizationForm_D);
        QString simples;
        for (QChar ch : std::as_const(base)) {
            if (ch.isLetterOrNumber() && ch.unicode() < 128)
                simples += ch.toLower();
            else if (ch == u' ' && !simples.endsWith(u'.'))
                simples += u'.';
        }
        c.email = simples.left(30) % u"@example.com"_s;
    }
    if (indice < ClientesEdi)
        c.codigoEdi = codigos::ean13(u"560"_s % m_aleatorio.digitos(9));
    c.observacoes = m_aleatorio.probabilidade(0.4)
                        ? m_aleatorio.escolhe(catalogo::instrucoesEntrega()) : QString();

    const double p = m_aleatorio.real();
    c.prazo = p < 0.5 ? u"P30"_s : p < 0.7 ? u"P60"_s : p < 0.9 ? u"PP"_s : u"P90"_s;
    static const QStringList modos{u"TRF"_s, u"TRF"_s, u"CPD"_s, u"NUM"_s, u"CHQ"_s, u"MB"_s};
    c.modoPagamento = m_aleatorio.escolhe(modos);

    c.comExtras = indice < ClientesEdi || m_aleatorio.probabilidade(0.9);
    if (c.comExtras) {
        const bool comEan = indice < ClientesEdi || m_aleatorio.probabilidade(0.4);
        c.extras[0] = comEan ? codigos::ean13(u"560"_s % m_aleatorio.digitos(9)) : QString();
        c.extras[1] = QString::number(m_aleatorio.inteiro(1, 3));
        c.extras[2] = QString::number(m_aleatorio.inteiro(1, 3));
        c.extras[3] = u"1"_s;
        c.extras[4] = QString();
    }

    if (indice == 6 || m_aleatorio.probabilidade(0.35)) {
        const int quantas = m_aleatorio.inteiro(1, 2);
        for (int m = 1; m <= quantas; ++m)
            c.moradas.append(novaMorada(c, m));
        if (indice == 6)
            c.moradas.first().morada.clear(); // an address entry without a street
    }
    return c;
}

MoradaEntrega GeradorClientes::novaMorada(const Cliente &cliente, int numero)
{
    static const QStringList descricoes{u"Armazém"_s, u"Oficina 2"_s, u"Loja"_s,
                                        u"Filial Norte"_s, u"Estaleiro"_s};
    QList<const catalogo::Localidade *> locais;
    for (const catalogo::Localidade &l : catalogo::localidades())
        if (l.pais == cliente.pais)
            locais.append(&l);
    const catalogo::Localidade &local = *m_aleatorio.escolhe(locais);
    MoradaEntrega m;
    m.codigo = QString::number(numero);
    m.descricao = cliente.nome.section(u',', 0, 0) % u" - "_s % m_aleatorio.escolhe(descricoes);
    m.morada = m_aleatorio.escolhe(catalogo::ruas(cliente.pais)) % u", "_s
               % QString::number(m_aleatorio.inteiro(1, 480));
    m.localidade = local.nome;
    m.codigoPostal = codigoPostal(local);
    m.pais = cliente.pais;
    m.telefone = m_aleatorio.probabilidade(0.7) ? telefone(cliente.pais, false) : QString();
    m.fax = m_aleatorio.probabilidade(0.2) ? telefone(cliente.pais, false) : QString();
    m.telemovel = m_aleatorio.probabilidade(0.5) ? telefone(cliente.pais, true) : QString();
    return m;
}

QString GeradorClientes::codigoPostal(const catalogo::Localidade &l)
{
    const QString prefixo = m_aleatorio.escolhe(l.prefixosPostais);
    QString codigo;
    if (l.pais == u"PT"_s)
        codigo = prefixo % u"-"_s % u"%1"_s.arg(m_aleatorio.inteiro(1, 999), 3, 10, QLatin1Char('0'));
    else
        codigo = prefixo % u"%1"_s.arg(m_aleatorio.inteiro(1, 20), 2, 10, QLatin1Char('0'));
    m_codigosPostais.insert(codigo, l.nome.toUpper());
    return codigo;
}

QString GeradorClientes::telefone(const QString &pais, bool movel)
{
    QString numero;
    if (pais == u"PT"_s) {
        static const QStringList moveis{u"91"_s, u"92"_s, u"93"_s, u"96"_s};
        static const QStringList fixos{u"21"_s, u"22"_s, u"234"_s, u"239"_s, u"253"_s, u"289"_s};
        const QString prefixo = m_aleatorio.escolhe(movel ? moveis : fixos);
        numero = prefixo % m_aleatorio.digitos(9 - int(prefixo.size()));
    } else if (pais == u"ES"_s) {
        numero = (movel ? u"6"_s : u"9"_s) % m_aleatorio.digitos(8);
    } else {
        return (movel ? u"+33 6"_s : u"+33 1"_s) % m_aleatorio.digitos(8);
    }
    // The way clerks type numbers: plain, grouped by spaces or dots, with the country code.
    const double r = m_aleatorio.real();
    if (r < 0.7)
        return numero;
    if (r < 0.85)
        return numero.left(3) % u" "_s % numero.mid(3, 3) % u" "_s % numero.mid(6);
    if (r < 0.95)
        return numero.left(3) % u"."_s % numero.mid(3, 3) % u"."_s % numero.mid(6);
    return (pais == u"PT"_s ? u"+351 "_s : u"+34 "_s) % numero;
}

QString GeradorClientes::contribuinte(const QString &pais)
{
    if (pais == u"PT"_s)
        return codigos::nifPortugues((m_aleatorio.probabilidade(0.9) ? u"5"_s : u"2"_s) % m_aleatorio.digitos(7));
    if (pais == u"ES"_s)
        return u"B"_s % m_aleatorio.digitos(8);
    return u"FR"_s % m_aleatorio.digitos(11);
}

} // namespace qrx
