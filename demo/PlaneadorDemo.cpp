#include "PlaneadorDemo.h"

#include "GeradorClientes.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace qrx {

using namespace Qt::StringLiterals;
using catalogo::Artigo;
using catalogo::Familia;
using plano::Cliente;
using plano::Documento;
using plano::Linha;

namespace {

double arredonda(double valor, int casas)
{
    const double f = std::pow(10.0, casas);
    return std::round(valor * f) / f;
}

bool comLote(Familia f)
{
    return f == Familia::Lubrificante || f == Familia::Fluido || f == Familia::Oferta;
}

bool ehTransportador(const QString &expedicao)
{
    static const QStringList proprios{u""_s, u"PRO"_s, u"CLI"_s, u"PAL"_s, u"URB"_s, u"TAS"_s};
    return !proprios.contains(expedicao);
}

} // namespace

PlaneadorDemo::PlaneadorDemo(quint64 semente, int linhas, QDate hoje)
    : m_aleatorio(semente), m_linhas(linhas), m_hoje(hoje)
{
    for (const Artigo &a : catalogo::artigos())
        m_pesosArtigos.append(a.pesoEscolha);
}

const QList<PlaneadorDemo::Pedido> &PlaneadorDemo::pedidosDeHoje()
{
    // What each export type's demo settings select today: for every (type, series) they name,
    // with the shipping methods they select on, at least one document.
    static const QList<Pedido> p{
        // logistics operator, stock-in/stock-out files
        {u"GR", 1, u"PAL", 3, NumerosDeSerie | MoradaDeEntrega},
        {u"GR", 1, u"PAL", 2, ClienteEspanhol},
        {u"TA", 1, u"PAL", 3, ArmazemNorte},
        {u"TA", 1, u"PRO", 2, 0},
        // logistics operators with delivery-note files and control file
        {u"FT", 1, u"URB", 3, Descontos},
        {u"VD", 1, u"URB", 2, 0},
        {u"GR", 1, u"URB", 3, MoradaDeEntrega},
        {u"GT", 1, u"URB", 2, 0},
        {u"FT", 1, u"URB", 2, DaGuiaDeRemessa},
        {u"FT", 1, u"TAS", 2, 0},
        {u"VD", 1, u"TAS", 2, 0},
        {u"GR", 1, u"TAS", 2, 0},
        {u"GT", 1, u"TAS", 2, 0},
        // parcel service
        {u"FT", 1, u"C24", 3, Telemovel},
        {u"FR", 1, u"CPO", 2, 0},
        {u"GT", 1, u"CCR", 2, 0},
        {u"GC", 1, u"CCH", 2, 0},
        {u"GR", 1, u"C48", 2, MoradaDeEntrega},
        // road carriers selected by code list
        {u"FT", 1, u"T00", 2, 0},
        {u"FT", 2, u"T31", 2, 0},
        {u"GT", 1, u"T01", 2, 0},
        {u"GR", 1, u"T50", 2, Paletes},
        // road carriers selected by code prefix
        {u"FT", 1, u"GE1", 2, 0},
        {u"FT", 2, u"GF1", 2, ArmazemNorte},
        {u"GT", 1, u"GE2", 2, 0},
        {u"GR", 1, u"GF2", 2, 0},
        // road carrier selected by description
        {u"FT", 1, u"100", 2, 0},
        {u"FT", 2, u"CF9", 2, 0},
        {u"GT", 1, u"131", 2, ArmazemNorte},
        {u"GR", 1, u"S01", 2, 0},
        {u"GR", 1, u"105", 1, 0},
        // road carrier selected by a condition on the code
        {u"FT", 1, u"TTR", 2, ContraReembolso | Paletes},
        {u"FR", 1, u"TTR", 2, 0},
        {u"GR", 1, u"TTR", 2, MoradaDeEntrega},
        {u"GT", 1, u"TTR", 2, 0},
        {u"GC", 1, u"TTR", 2, 0},
        // customer EDI: invoice with every kind of line, credit note, despatch, annulled
        {u"FT", 1, u"PRO", 5, ClienteEdi | Gratis | PrecoZero | Texto | Descontos},
        {u"NC", 1, u"PRO", 2, ClienteEdi},
        {u"GR", 1, u"CLI", 3, ClienteEdi},
        {u"FT", 1, u"PRO", 3, Retoma | NumerosDeSerie},
        {u"FT", 1, u"PRO", 2, Anulado},
    };
    return p;
}

int PlaneadorDemo::minimoLinhas()
{
    int total = 0;
    for (const Pedido &p : pedidosDeHoje())
        total += (p.extras & DaGuiaDeRemessa) ? 2 * p.linhas : p.linhas;
    return total;
}

plano::Plano PlaneadorDemo::planear()
{
    m_plano.clientes = GeradorClientes(m_aleatorio, m_plano.codigosPostais)
                           .gerar(std::clamp(m_linhas / 50, 40, 2000));
    gerarDocumentosDeHoje();
    int usadas = 0;
    for (const Documento &d : std::as_const(m_plano.documentos))
        usadas += int(d.linhas.size());
    gerarDocumentosAnteriores(m_linhas - usadas);
    ordenarENumerar();
    marcarEnviados();
    for (const catalogo::Armazem &a : catalogo::armazens())
        m_plano.codigosPostais.insert(a.codigoPostal, a.localidade.toUpper());
    m_plano.codigosPostais.insert(catalogo::empresa().codigoPostal,
                                  catalogo::empresa().localidade.toUpper());
    return std::move(m_plano);
}

// ---------------------------------------------------------------- documents

int PlaneadorDemo::escolheCliente(unsigned extras)
{
    const QList<Cliente> &clientes = m_plano.clientes;
    if (extras & ClienteEdi)
        return m_aleatorio.inteiro(0, GeradorClientes::ClientesEdi - 1);
    auto serve = [extras](const Cliente &c) {
        if ((extras & ClienteEspanhol) && c.pais != u"ES"_s)
            return false;
        if ((extras & MoradaDeEntrega)
            && (c.moradas.isEmpty() || c.moradas.first().morada.isEmpty()))
            return false;
        if (extras & Telemovel) {
            QString t = c.telefone;
            t.remove(u' ').remove(u'.');
            if (t.size() != 9 || !t.startsWith(u'9'))
                return false;
        }
        return true;
    };
    for (int tentativa = 0; tentativa < 200; ++tentativa) {
        const int i = m_aleatorio.inteiro(0, int(clientes.size()) - 1);
        if (serve(clientes.at(i)))
            return i;
    }
    for (int i = 0; i < clientes.size(); ++i)
        if (serve(clientes.at(i)))
            return i;
    return 0;
}

QString PlaneadorDemo::escolheExpedicao(const QString &tipo)
{
    const double r = m_aleatorio.real();
    if (tipo == u"TA"_s)
        return r < 0.7 ? u"PAL"_s : u"PRO"_s;
    if (tipo == u"NC"_s)
        return r < 0.5 ? u"PRO"_s : r < 0.8 ? u"CLI"_s : QString();
    if (tipo == u"VD"_s && r < 0.5)
        return u"CLI"_s;
    if (r < 0.03)
        return QString();
    QList<int> pesos;
    for (const catalogo::Expedicao &e : catalogo::expedicoes())
        pesos.append(e.peso);
    return catalogo::expedicoes().at(m_aleatorio.indicePesado(pesos)).codigo;
}

int PlaneadorDemo::novoDocumento(const QString &tipo, int serie, QDate data,
                                 const QString &expedicao, int cliente)
{
    Documento d;
    d.id = int(m_plano.documentos.size()) + 1;
    d.tipo = tipo;
    d.serie = serie;
    d.data = data;
    d.hora = QTime(m_aleatorio.inteiro(8, 18), m_aleatorio.inteiro(0, 59), m_aleatorio.inteiro(0, 59));
    d.expedicao = expedicao;
    if (tipo == u"TA"_s) {
        const QList<catalogo::Armazem> &armazens = catalogo::armazens();
        d.terceiro = armazens.at(m_aleatorio.inteiro(1, int(armazens.size()) - 1)).codigo;
        d.tipoTerceiro = 0;
        d.modoPagamento = QString();
    } else {
        const Cliente &c = m_plano.clientes.at(cliente);
        d.cliente = cliente;
        d.terceiro = c.codigo;
        d.modoPagamento = c.modoPagamento;
        if (!c.moradas.isEmpty() && m_aleatorio.probabilidade(0.5))
            d.moradaEntrega = m_aleatorio.escolhe(c.moradas).codigo;
        if (!c.codigoEdi.isEmpty())
            d.encomendaCliente = u"ENC"_s % m_aleatorio.digitos(7);
        else if (m_aleatorio.probabilidade(0.35))
            d.encomendaCliente = u"PO "_s % m_aleatorio.digitos(5);
    }
    const double v = m_aleatorio.real();
    d.vias = v < 0.03 ? -1 : v < 0.08 ? 0 : v < 0.78 ? 1 : v < 0.95 ? 2 : 3;
    d.observacoes = m_aleatorio.probabilidade(0.45) ? m_aleatorio.escolhe(catalogo::observacoes())
                                                     : QString();
    static const QStringList transporte{u"GR"_s, u"GT"_s, u"GC"_s, u"TA"_s};
    if (transporte.contains(tipo))
        d.codigoAt = QString::number(m_aleatorio.inteiro(100000000, 999999999));
    if (tipo != u"TA"_s && m_aleatorio.probabilidade(0.15))
        d.descontoCabecalho = m_aleatorio.escolhe(QList<double>{2, 3, 5});
    if (tipo == u"FT"_s && m_aleatorio.probabilidade(0.04))
        d.percentagemAdiantamento = 10;
    if (m_aleatorio.probabilidade(0.08))
        d.extras[0] = m_aleatorio.escolhe(QList<double>{5, 7.5, 12.5});
    m_plano.documentos.append(std::move(d));
    return int(m_plano.documentos.size()) - 1;
}

double PlaneadorDemo::taxaIva(const Documento &d, int escalao) const
{
    if (d.cliente < 0)
        return 0; // transfers between own warehouses carry no VAT
    const catalogo::RegimeIva *r = catalogo::regimeIva(m_plano.clientes.at(d.cliente).regimeIva);
    return r ? r->taxas[escalao - 1] : 0;
}

const Artigo &PlaneadorDemo::escolheArtigo(bool armazemNorte)
{
    const QList<Artigo> &artigos = catalogo::artigos();
    for (;;) {
        const Artigo &a = artigos.at(m_aleatorio.indicePesado(m_pesosArtigos));
        if (!armazemNorte || a.armazem == u"A02"_s)
            return a;
    }
}

Linha PlaneadorDemo::linhaDeArtigo(const Documento &d, const Artigo &a, double quantidade)
{
    Linha l;
    l.tipo = 1;
    l.artigo = a.codigo;
    l.descricao = a.nome;
    l.unidade = a.unidade;
    l.quantidade = quantidade;
    l.preco = d.tipo == u"TA"_s ? arredonda(a.preco * 0.62, 2) : a.preco;
    l.escalao = a.escalaoIva;
    l.iva = taxaIva(d, a.escalaoIva);
    l.movimentaStock = 1;
    if (a.familia == Familia::Bateria) {
        for (int i = 0; i < int(quantidade); ++i)
            l.numerosSerie.append(u"SN%1%2"_s.arg(m_hoje.year() % 100, 2, 10, QLatin1Char('0'))
                                      .arg(m_proximoNumeroSerie++, 7, 10, QLatin1Char('0')));
    }
    if (comLote(a.familia)) {
        const QDate validade = d.data.addDays(m_aleatorio.inteiro(500, 1500));
        const QString porCaixa = a.mililitros >= 20000 ? u"1"_s
                                 : a.mililitros >= 5000 ? u"4"_s : u"12"_s;
        l.medidas = {u"L%1%2%3"_s.arg(d.data.year() % 100, 2, 10, QLatin1Char('0'))
                         .arg(QChar(u'A' + m_aleatorio.inteiro(0, 11)))
                         .arg(m_aleatorio.inteiro(1, 9999), 4, 10, QLatin1Char('0')),
                     QString(), porCaixa, validade.toString(u"yyyyMMdd"_s)};
    }
    return l;
}

Linha PlaneadorDemo::linhaDeTexto()
{
    static const QStringList textos{u"Conforme a sua encomenda"_s,
                                    u"Material sujeito a confirmação de stock"_s,
                                    u"Campanha de primavera: oferta de portes"_s};
    Linha l;
    l.tipo = 2;
    l.descricao = m_aleatorio.escolhe(textos);
    return l;
}

Linha PlaneadorDemo::linhaDeRetoma(const Documento &d, double quantidade)
{
    const Artigo &a = *catalogo::artigo(QString::fromUtf16(catalogo::ArtigoRetoma));
    Linha l;
    l.tipo = 3;
    l.artigo = a.codigo;
    l.descricao = a.nome;
    l.unidade = a.unidade;
    l.quantidade = quantidade;
    l.preco = a.preco;
    l.escalao = a.escalaoIva;
    l.iva = taxaIva(d, a.escalaoIva);
    l.valor = -arredonda(quantidade * a.preco, 2); // the used battery is credited
    return l;
}

void PlaneadorDemo::preencherLinhas(Documento &d, int quantas, unsigned extras)
{
    const bool transferencia = d.tipo == u"TA"_s;
    const QList<Artigo> &artigos = catalogo::artigos();
    auto artigoDeFamilia = [&](Familia f) -> const Artigo & {
        for (const Artigo &a : artigos)
            if (a.familia == f && a.pesoEscolha > 0)
                return a;
        return artigos.first();
    };
    auto quantidadePara = [&](const Artigo &a) {
        return double(m_aleatorio.inteiro(1, a.quantidadeMaxima));
    };

    // Lines that a request asks for come first, then ordinary article lines.
    QList<Linha> pedidas;
    if (extras & ArmazemNorte) {
        const Artigo &a = escolheArtigo(true);
        pedidas.append(linhaDeArtigo(d, a, quantidadePara(a)));
    }
    if (extras & (NumerosDeSerie | Retoma)) {
        const Artigo &a = artigoDeFamilia(Familia::Bateria);
        pedidas.append(linhaDeArtigo(d, a, 2));
        if (extras & Retoma)
            pedidas.append(linhaDeRetoma(d, 2));
    }
    if (extras & Gratis) {
        const Artigo &a = artigoDeFamilia(Familia::Filtro);
        Linha l = linhaDeArtigo(d, a, 2);
        l.desconto = 100;
        pedidas.append(l);
    }
    if (extras & PrecoZero) {
        const Artigo &a = artigoDeFamilia(Familia::Acessorio);
        Linha l = linhaDeArtigo(d, a, 1);
        l.preco = 0;
        pedidas.append(l);
    }
    if (extras & Paletes)
        pedidas.append(linhaDeArtigo(d, artigoDeFamilia(Familia::Palete), 2));
    if (extras & Texto)
        pedidas.append(linhaDeTexto());
    if (extras & Descontos) {
        const Artigo &a = artigoDeFamilia(Familia::Lubrificante);
        Linha l = linhaDeArtigo(d, a, 6);
        l.desconto = 10;
        pedidas.append(l);
    }

    while (d.linhas.size() < quantas) {
        if (!pedidas.isEmpty()) {
            d.linhas.append(pedidas.takeFirst());
            continue;
        }
        const bool primeira = d.linhas.isEmpty();
        if (!primeira && extras == 0 && m_aleatorio.probabilidade(0.04)) {
            d.linhas.append(linhaDeTexto());
            continue;
        }
        if (!primeira && extras == 0 && !transferencia) {
            const Linha &anterior = d.linhas.last();
            const Artigo *a = catalogo::artigo(anterior.artigo);
            if (anterior.tipo == 1 && a && a->familia == Familia::Bateria
                && m_aleatorio.probabilidade(0.5)) {
                d.linhas.append(linhaDeRetoma(d, anterior.quantidade));
                continue;
            }
        }
        const Artigo &a = escolheArtigo(false);
        Linha l = linhaDeArtigo(d, a, quantidadePara(a));
        if (!transferencia && extras == 0) {
            const double r = m_aleatorio.real();
            if (r < 0.02)
                l.desconto = 100; // free goods
            else if (r < 0.035)
                l.preco = 0;      // sample without charge
            else if (r < 0.28)
                l.desconto = m_aleatorio.escolhe(QList<double>{5, 10, 15, 20, 25});
        }
        d.linhas.append(l);
    }
}

void PlaneadorDemo::copiarLinhasDeGuia(Documento &fatura, const Documento &guia)
{
    fatura.linhas = guia.linhas;
    for (Linha &l : fatura.linhas) {
        l.numerosSerie.clear(); // the delivery note moved the stock and the serial numbers
        l.movimentaStock = 0;
        if (l.tipo != 2) {
            l.origemTipo = guia.tipo;
            l.origemId = guia.id;
        }
    }
}

void PlaneadorDemo::acabarDocumento(Documento &d, unsigned extras)
{
    for (Linha &l : d.linhas) {
        if (l.tipo != 1)
            continue;
        const double bruto = arredonda(l.quantidade * l.preco, 2);
        l.valor = arredonda(bruto * (1.0 - l.desconto / 100.0), 2);
        l.valorDesconto = arredonda(bruto - l.valor, 2);
    }
    if (extras & Anulado)
        d.vias = -1;
    else if (m_deHoje.contains(d.id))
        d.vias = 1;
    if (extras & Descontos)
        d.descontoCabecalho = 5;

    double quantidade = 0;
    for (const Linha &l : std::as_const(d.linhas))
        if (l.tipo == 1)
            quantidade += l.quantidade;
    d.volumes = std::max(1, int(std::ceil(quantidade / 8.0)));
    if (!m_deHoje.contains(d.id)) {
        const double r = m_aleatorio.real();
        if (r < 0.04)
            d.volumesNulo = true;
        else if (r < 0.07)
            d.volumes = 0;
    }

    if (d.expedicao == u"TTR"_s || (extras & (ContraReembolso | Paletes))) {
        if ((extras & ContraReembolso) || m_aleatorio.probabilidade(0.25)) {
            d.extras[1] = -1;
            d.modoPagamento = u"NUM"_s;
        }
        if (m_aleatorio.probabilidade(0.15))
            d.extras[2] = -1;
        if ((extras & Paletes) || m_aleatorio.probabilidade(0.6)) {
            d.extras[3] = d.volumes;
            d.extras[4] = arredonda(quantidade * 1.35, 1);
        }
        if ((extras & Paletes) || m_aleatorio.probabilidade(0.2)) {
            d.extras[5] = m_aleatorio.inteiro(1, 3);
            d.extras[6] = arredonda(m_aleatorio.real(120, 480), 1);
        }
    }
}

void PlaneadorDemo::gerarDocumentosDeHoje()
{
    int faturaEdi = -1;
    int clienteEdi = -1;
    for (const Pedido &p : pedidosDeHoje()) {
        const QString tipo = QString::fromUtf16(p.tipo);
        const QString expedicao = QString::fromUtf16(p.expedicao);
        int cliente = tipo == u"TA"_s ? -1 : escolheCliente(p.extras);
        if (tipo == u"NC"_s && clienteEdi >= 0)
            cliente = clienteEdi; // the credit note refers to that customer's invoice
        if (p.extras & DaGuiaDeRemessa) {
            const int g = novoDocumento(u"GR"_s, 1, m_hoje, expedicao, cliente);
            m_deHoje.insert(m_plano.documentos[g].id);
            preencherLinhas(m_plano.documentos[g], p.linhas, 0);
            acabarDocumento(m_plano.documentos[g], 0);
            const int f = novoDocumento(tipo, p.serie, m_hoje, expedicao, cliente);
            m_deHoje.insert(m_plano.documentos[f].id);
            copiarLinhasDeGuia(m_plano.documentos[f], m_plano.documentos.at(g));
            acabarDocumento(m_plano.documentos[f], 0);
            continue;
        }
        const int i = novoDocumento(tipo, p.serie, m_hoje, expedicao, cliente);
        Documento &d = m_plano.documentos[i];
        m_deHoje.insert(d.id);
        if ((p.extras & MoradaDeEntrega) && !m_plano.clientes.at(cliente).moradas.isEmpty())
            d.moradaEntrega = m_plano.clientes.at(cliente).moradas.first().codigo;
        if (p.extras & ArmazemNorte && tipo == u"TA"_s)
            d.terceiro = u"A02"_s;
        preencherLinhas(d, p.linhas, p.extras);
        if (tipo == u"FT"_s && (p.extras & ClienteEdi)) {
            faturaEdi = d.id;
            clienteEdi = cliente;
        }
        if (tipo == u"NC"_s && faturaEdi > 0) {
            for (Linha &l : d.linhas) {
                l.origemTipo = u"FT"_s;
                l.origemId = faturaEdi;
            }
        }
        acabarDocumento(d, p.extras);
    }
}

void PlaneadorDemo::gerarDocumentosAnteriores(int linhas)
{
    struct Escolha {
        const char16_t *tipo;
        int serie;
        int peso;
    };
    static const QList<Escolha> escolhas{
        {u"FT", 1, 30}, {u"FT", 2, 6}, {u"FR", 1, 8}, {u"NC", 1, 5}, {u"VD", 1, 8},
        {u"GR", 1, 18}, {u"GT", 1, 8}, {u"GC", 1, 3}, {u"TA", 1, 4}};
    QList<int> pesos;
    for (const Escolha &e : escolhas)
        pesos.append(e.peso);

    QHash<int, QList<int>> faturasPorCliente;
    while (linhas > 0) {
        const Escolha &e = escolhas.at(m_aleatorio.indicePesado(pesos));
        const QString tipo = QString::fromUtf16(e.tipo);
        QDate data = m_hoje.addDays(-m_aleatorio.inteiro(0, Dias - 1));
        if (data.dayOfWeek() == Qt::Sunday && data != m_hoje)
            data = data.addDays(-1);
        const int quantas = std::min(linhas, 1 + m_aleatorio.inteiro(0, 5) + m_aleatorio.inteiro(0, 8));
        const int cliente = tipo == u"TA"_s ? -1 : escolheCliente(0);
        const QString expedicao = escolheExpedicao(tipo);

        if (tipo == u"FT"_s && 2 * quantas <= linhas && m_aleatorio.probabilidade(0.15)) {
            const int g = novoDocumento(u"GR"_s, 1, data, expedicao, cliente);
            preencherLinhas(m_plano.documentos[g], quantas, 0);
            acabarDocumento(m_plano.documentos[g], 0);
            QDate dataFatura = data;
            if (data < m_hoje && m_aleatorio.probabilidade(0.5))
                dataFatura = data.addDays(1);
            const int f = novoDocumento(tipo, e.serie, dataFatura, expedicao, cliente);
            copiarLinhasDeGuia(m_plano.documentos[f], m_plano.documentos.at(g));
            acabarDocumento(m_plano.documentos[f], 0);
            faturasPorCliente[cliente].append(f);
            linhas -= 2 * quantas;
            continue;
        }

        const int i = novoDocumento(tipo, e.serie, data, expedicao, cliente);
        Documento &d = m_plano.documentos[i];
        preencherLinhas(d, quantas, 0);
        if (tipo == u"FT"_s)
            faturasPorCliente[cliente].append(i);
        if (tipo == u"NC"_s) {
            // A credit note refers to an earlier invoice of the same customer, when there is one.
            for (int f : std::as_const(faturasPorCliente[cliente])) {
                const Documento &fatura = m_plano.documentos.at(f);
                if (fatura.data > d.data)
                    continue;
                for (Linha &l : d.linhas) {
                    l.origemTipo = u"FT"_s;
                    l.origemId = fatura.id;
                }
                break;
            }
        }
        acabarDocumento(d, 0);
        linhas -= quantas;
    }
}

void PlaneadorDemo::ordenarENumerar()
{
    QList<Documento> &docs = m_plano.documentos;
    std::stable_sort(docs.begin(), docs.end(), [](const Documento &a, const Documento &b) {
        if (a.data != b.data)
            return a.data < b.data;
        if (a.hora != b.hora)
            return a.hora < b.hora;
        return a.id < b.id;
    });
    QHash<QString, int> ultimo;
    for (Documento &d : docs) {
        const QString chave = d.tipo % u'/' % QString::number(d.serie) % u'/'
                              % QString::number(d.data.year());
        d.numero = ++ultimo[chave];
    }
}

void PlaneadorDemo::marcarEnviados()
{
    QHash<QString, int> processos;
    for (Documento &d : m_plano.documentos) {
        if (m_deHoje.contains(d.id))
            continue;
        const double chance = d.data < m_hoje ? 0.85 : 0.10;
        d.diasAteEnvio = d.data < m_hoje ? m_aleatorio.inteiro(0, 1) : 0;
        if (ehTransportador(d.expedicao))
            d.marcaTransportador = m_aleatorio.probabilidade(chance);
        if (d.expedicao == u"URB"_s || d.expedicao == u"TAS"_s)
            d.marcaOperador = m_aleatorio.probabilidade(chance);
        const bool logistica = d.tipo == u"TA"_s || (d.tipo == u"GR"_s && d.expedicao == u"PAL"_s);
        if (logistica && m_aleatorio.probabilidade(d.data < m_hoje ? 0.9 : 0.1)) {
            d.comProcesso = true;
            d.numeroProcesso = ++processos[d.tipo];
        }
    }
}

} // namespace qrx
