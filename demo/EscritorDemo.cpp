#include "EscritorDemo.h"

#include "CatalogoDemo.h"
#include "CodigosDemo.h"
#include "QrxError.h"
#include "TotaisDemo.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace qrx {

using namespace Qt::StringLiterals;
using catalogo::Artigo;
using catalogo::Familia;
using plano::Cliente;
using plano::Documento;
using plano::Linha;

namespace {

// One prepared INSERT for a table; every row binds its values by position.
class Insercao {
public:
    Insercao(const QSqlDatabase &bd, QString tabela, const QStringList &colunas)
        : m_consulta(bd), m_tabela(std::move(tabela))
    {
        QStringList citadas;
        QStringList marcas;
        for (const QString &c : colunas) {
            citadas.append(u'"' % c % u'"');
            marcas.append(u"?"_s);
        }
        const QString texto = u"INSERT INTO "_s % m_tabela % u" ("_s % citadas.join(u", "_s)
                              % u") VALUES ("_s % marcas.join(u", "_s) % u")"_s;
        if (!m_consulta.prepare(texto))
            falha();
    }

    void operator()(const QVariantList &valores)
    {
        for (int i = 0; i < valores.size(); ++i)
            m_consulta.bindValue(i, valores.at(i));
        if (!m_consulta.exec())
            falha();
    }

private:
    [[noreturn]] void falha()
    {
        throw QrxError(erros::FalhaGeral, u"GeradorDemo"_s,
                       m_tabela % u": "_s % m_consulta.lastError().text());
    }

    QSqlQuery m_consulta;
    QString m_tabela;
};

// Texts are never NULL in the demo unless a column is meant to be missing.
QVariant texto(const QString &s)
{
    return s.isNull() ? QVariant(u""_s) : QVariant(s);
}

QString dataHora(QDate data, QTime hora = QTime(0, 0))
{
    return data.toString(u"yyyy-MM-dd"_s) % u' ' % hora.toString(u"HH:mm:ss"_s);
}

QString comVirgula(double valor, int casas)
{
    return QString::number(valor, 'f', casas).replace(u'.', u',');
}

QString codigoFamilia(Familia f)
{
    switch (f) {
    case Familia::Lubrificante: return u"LUB"_s;
    case Familia::Fluido: return u"FLU"_s;
    case Familia::Filtro: return u"FIL"_s;
    case Familia::Travagem: return u"TRV"_s;
    case Familia::Bateria: return u"BAT"_s;
    case Familia::Retoma: return u"RET"_s;
    case Familia::Iluminacao: return u"ILU"_s;
    case Familia::Escova: return u"ESC"_s;
    case Familia::Motor: return u"MOT"_s;
    case Familia::Livro: return u"LIV"_s;
    case Familia::Oferta: return u"OFE"_s;
    case Familia::Palete: return u"PAL"_s;
    case Familia::Acessorio: return u"ACE"_s;
    }
    return QString();
}

} // namespace

EscritorDemo::EscritorDemo(QSqlDatabase bd, QDate hoje) : m_bd(std::move(bd)), m_hoje(hoje) {}

EscritorDemo::Contagem EscritorDemo::escrever(const plano::Plano &plano)
{
    escreverMestres(plano);
    escreverArtigos();
    escreverClientes(plano);
    Contagem c = escreverDocumentos(plano);
    c.clientes = int(plano.clientes.size());
    return c;
}

void EscritorDemo::escreverMestres(const plano::Plano &plano)
{
    const catalogo::Empresa &e = catalogo::empresa();
    Insercao(m_bd, u"EMPRESA"_s, {u"CODIGO"_s, u"NOME"_s, u"MORADA"_s, u"CODPOSTA"_s, u"LOCALIDA"_s,
                                  u"NCONTRIB"_s})(
        {e.codigo, e.nome, e.morada, e.codigoPostal, e.localidade, e.contribuinte});

    Insercao tipos(m_bd, u"TpDoc"_s, {u"CODIGO"_s, u"DESCR"_s, u"AREAG"_s, u"TPOPER"_s,
                                      u"ENTIDADE"_s, u"NATCONTA"_s, u"SINALCT"_s});
    for (const catalogo::TipoDocumento &t : catalogo::tiposDocumento())
        tipos({t.codigo, t.descricao, t.areag, t.tpoper, t.entidade, t.natconta, t.sinalct});

    Insercao paises(m_bd, u"PAISES"_s, {u"CODIGO"_s, u"DESCR"_s, u"CODINTRA"_s});
    for (const catalogo::Pais &p : catalogo::paises())
        paises({p.codigo, p.descricao, p.codigoIntra});

    Insercao postais(m_bd, u"CODPOST"_s, {u"COD"_s, u"DESCR"_s});
    for (auto i = plano.codigosPostais.cbegin(); i != plano.codigosPostais.cend(); ++i)
        postais({i.key(), i.value()});

    Insercao regimes(m_bd, u"RGIVA"_s, {u"CODIGO"_s, u"DESCR"_s, u"TX1"_s, u"TX2"_s, u"TX3"_s, u"TX4"_s});
    for (const catalogo::RegimeIva &r : catalogo::regimesIva())
        regimes({r.codigo, r.descricao, r.taxas[0], r.taxas[1], r.taxas[2], r.taxas[3]});

    Insercao prazos(m_bd, u"REGRVCT"_s, {u"CODIGO"_s, u"DESCR"_s, u"DESCCRD"_s});
    for (const catalogo::CondicaoPagamento &c : catalogo::condicoesPagamento())
        prazos({c.codigo, c.descricao, QString::number(c.dias)});

    Insercao expedicoes(m_bd, u"EXPEDIR"_s, {u"CODIGO"_s, u"DESCR"_s});
    for (const catalogo::Expedicao &x : catalogo::expedicoes())
        expedicoes({x.codigo, x.descricao});

    Insercao armazens(m_bd, u"ARMAZENS"_s, {u"CODIGO"_s, u"NOME"_s, u"MORADA"_s, u"CODPOST"_s,
                                            u"LOCALIDA"_s, u"TELEFONE"_s});
    for (const catalogo::Armazem &a : catalogo::armazens())
        armazens({a.codigo, a.nome, a.morada, a.codigoPostal, a.localidade, a.telefone});
}

void EscritorDemo::escreverArtigos()
{
    Insercao artigos(m_bd, u"ARTIGOS"_s, {u"CODIGO"_s, u"NOME"_s, u"UNIDADE"_s, u"PESO"_s, u"VOLUME"_s});
    Insercao extras(m_bd, u"CLART"_s, {u"CODIGO"_s, u"CL01"_s, u"CL02"_s, u"CL03"_s, u"CL04"_s,
                                       u"CL05"_s, u"CL06"_s, u"CL07"_s, u"CL08"_s});
    Insercao armazem(m_bd, u"U_QRX_ARTIGOS"_s, {u"CODIGO"_s, u"ARMAZEM"_s});
    Insercao barras(m_bd, u"CBARRAS"_s, {u"CODIGO"_s, u"ARTIGO"_s, u"TIPO"_s});

    const QList<Artigo> &lista = catalogo::artigos();
    for (int i = 0; i < lista.size(); ++i) {
        const Artigo &a = lista.at(i);
        artigos({a.codigo, a.nome, a.unidade, a.peso, a.volume});
        if (a.comExtras) {
            const QString familia = codigoFamilia(a.familia);
            const QString lpr = a.preco > 50 ? u"A"_s : a.preco > 10 ? u"B"_s : u"C"_s;
            // Lamps have no cost factor: the statistics extract reads an empty one as 0.
            const QString custo = a.familia == Familia::Iluminacao ? u""_s : comVirgula(a.preco * 0.62, 2);
            extras({a.codigo, a.marca, a.referencia, familia, QString(familia % u'-' % a.marca),
                    QString::number(a.mililitros), lpr, custo, comVirgula(a.peso / 1000.0, 6)});
        }
        if (a.armazem != u"-"_s)
            armazem({a.codigo, texto(a.armazem)});
        if (!a.prefixoEan.isEmpty()) {
            const QString ean = codigos::ean13(a.prefixoEan % u"77"_s % u"%1"_s.arg(i + 1, 7, 10, QLatin1Char('0')));
            barras({ean, a.codigo, 3});
            if (a.familia == Familia::Lubrificante)
                barras({QString(u'1' % ean), a.codigo, 1}); // box code beside the unit code
        }
    }
}

void EscritorDemo::escreverClientes(const plano::Plano &plano)
{
    Insercao clientes(m_bd, u"CLIENTES"_s,
                      {u"CODIGO"_s, u"NOME"_s, u"MORADA"_s, u"LOCALIDA"_s, u"CODPOST"_s, u"PAIS"_s,
                       u"NCONTRIB"_s, u"TELEF"_s, u"FAX"_s, u"TELEX"_s, u"EMAIL"_s, u"CODEDI"_s,
                       u"OBS2"_s});
    Insercao extras(m_bd, u"CLCLIE"_s, {u"CODIGO"_s, u"CL01"_s, u"CL02"_s, u"CL03"_s, u"CL04"_s, u"CL05"_s});
    Insercao moradas(m_bd, u"MORADAS"_s,
                     {u"TPTERC"_s, u"TERCEIRO"_s, u"CDMORADA"_s, u"DESCR"_s, u"MORADA"_s, u"LOCAL"_s,
                      u"CDPOSTAL"_s, u"PAÍS"_s, u"TELEF"_s, u"FAX"_s, u"TELEX"_s});
    for (const Cliente &c : plano.clientes) {
        clientes({c.codigo, c.nome, c.morada, c.localidade, c.codigoPostal, c.pais, c.contribuinte,
                  texto(c.telefone), texto(c.fax), texto(c.telemovel), texto(c.email),
                  texto(c.codigoEdi), texto(c.observacoes)});
        if (c.comExtras)
            extras({c.codigo, texto(c.extras[0]), texto(c.extras[1]), texto(c.extras[2]),
                    texto(c.extras[3]), texto(c.extras[4])});
        for (const plano::MoradaEntrega &m : c.moradas)
            moradas({2, c.codigo, m.codigo, m.descricao, texto(m.morada), m.localidade,
                      m.codigoPostal, m.pais, texto(m.telefone), texto(m.fax), texto(m.telemovel)});
    }
}

EscritorDemo::Contagem EscritorDemo::escreverDocumentos(const plano::Plano &plano)
{
    Insercao cabecalhos(
        m_bd, u"DOCGCCAB"_s,
        {u"TPDOC"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"DATA"_s, u"hora"_s, u"VNUMDOC"_s,
         u"TERCEIRO"_s, u"TPTERC"_s, u"NCONTRIB"_s, u"AREAG"_s, u"TPOPER"_s, u"NATCONTA"_s,
         u"SINALCT"_s, u"NVIAS"_s, u"RGIVA"_s, u"PRAZOPGT"_s, u"MODOPGT"_s, u"DTVENC"_s,
         u"DTCARGA"_s, u"MOEDA"_s, u"TOTMERC"_s, u"DESCLIN"_s, u"DESCCAB"_s, u"DESCABVL"_s,
         u"TOTADIAM"_s, u"BASE1"_s, u"BASE2"_s, u"BASE3"_s, u"BASE4"_s, u"TOTIVA1"_s, u"TOTIVA2"_s,
         u"TOTIVA3"_s, u"TOTIVA4"_s, u"BASE1ORI"_s, u"BASE2ORI"_s, u"BASE3ORI"_s, u"BASE4ORI"_s,
         u"TOTDOC"_s, u"TOTDOCMB"_s, u"MBORI"_s, u"DOCORI"_s, u"OBSERV"_s, u"EXPEDIR"_s,
         u"ONDEENTR"_s, u"MORADADSG"_s, u"LOCALDSG"_s, u"CDPOSTDSG"_s, u"PAISDSG"_s, u"PESOTOT"_s,
         u"PESOLIQ"_s, u"VOLTOT"_s, u"ATDOCCODEID"_s, u"PROCESSO"_s});
    Insercao terceiros(m_bd, u"TERCVDI"_s, {u"ANO"_s, u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"NOME"_s,
                                            u"MORADA"_s, u"CODPOST"_s, u"LOCALIDA"_s});
    Insercao linhas(m_bd, u"DOCGCLIN"_s,
                    {u"TPDOCUM"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"NUMLINHA"_s, u"TPLINHA"_s,
                     u"ARTIGO"_s, u"DESCR"_s, u"UNIDADE"_s, u"QUANT"_s, u"QTDORIG"_s, u"PRUNIT"_s,
                     u"TXDESC"_s, u"DESCval"_s, u"VALOR"_s, u"VALORO"_s, u"IVA"_s, u"ORDOC"_s,
                     u"ORNUM"_s, u"MOVSTC"_s});
    Insercao medidas(m_bd, u"VLMEDIDA"_s, {u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"LINHA"_s,
                                           u"VAR1"_s, u"VAR2"_s, u"VAR3"_s, u"VAR4"_s});
    Insercao series(m_bd, u"NSERMOVS"_s, {u"TIPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"LINHA"_s,
                                          u"NUMSER"_s});
    QStringList colunasExtras{u"ANO"_s, u"TIPODOC"_s, u"SERIE"_s, u"NDOC"_s};
    for (int i = 1; i <= 20; ++i)
        colunasExtras.append(u"CL%1"_s.arg(i, 2, 10, QLatin1Char('0')));
    Insercao extras(m_bd, u"CLDOCGC"_s, colunasExtras);
    Insercao processos(m_bd, u"qrx_TorresTirCodigo"_s,
                       {u"TPDOC"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"TorresTirNUM"_s});

    QHash<int, int> numeroPorId;
    for (const Documento &d : plano.documentos)
        numeroPorId.insert(d.id, d.numero);

    const catalogo::Empresa &empresa = catalogo::empresa();
    Contagem contagem;
    for (const Documento &d : plano.documentos) {
        const catalogo::TipoDocumento &tipo = *catalogo::tipoDocumento(d.tipo);
        const Cliente *cliente = d.cliente >= 0 ? &plano.clientes.at(d.cliente) : nullptr;
        const plano::MoradaEntrega *morada = nullptr;
        if (cliente)
            for (const plano::MoradaEntrega &m : cliente->moradas)
                if (m.codigo == d.moradaEntrega)
                    morada = &m;
        const TotaisDemo t = TotaisDemo::de(d);
        const int ano = d.data.year();
        const catalogo::CondicaoPagamento *prazo =
            cliente ? catalogo::condicaoPagamento(cliente->prazo) : nullptr;
        const QDate vencimento = d.data.addDays(prazo ? prazo->dias : 0);
        const QTime carga(qMin(d.hora.hour() + 2, 20), d.hora.minute());
        const QString processo = d.comProcesso ? QString::number(d.numeroProcesso) : u""_s;

        cabecalhos({d.tipo, d.numero, d.serie, ano, dataHora(d.data),
                    dataHora(QDate(1900, 1, 1), d.hora), texto(d.encomendaCliente), d.terceiro,
                    d.tipoTerceiro, cliente ? cliente->contribuinte : empresa.contribuinte,
                    tipo.areag, tipo.tpoper, tipo.natconta, tipo.sinalct, d.vias,
                    cliente ? cliente->regimeIva : u"CON"_s, texto(cliente ? cliente->prazo : QString()),
                    texto(d.modoPagamento), dataHora(vencimento), dataHora(d.data, carga), u"EUR"_s,
                    t.mercadoria, t.descontoLinhas, d.descontoCabecalho, t.descontoCabecalho,
                    t.adiantamento, t.bases[0], t.bases[1], t.bases[2], t.bases[3], t.iva[0],
                    t.iva[1], t.iva[2], t.iva[3], t.bases[0], t.bases[1], t.bases[2], t.bases[3],
                    t.total, t.total, t.total, t.total, texto(d.observacoes),
                    d.expedicao.isEmpty() ? QVariant() : QVariant(d.expedicao),
                    texto(d.moradaEntrega), texto(morada ? morada->morada : QString()),
                    texto(morada ? morada->localidade : QString()),
                    texto(morada ? morada->codigoPostal : QString()),
                    morada ? morada->pais : cliente ? cliente->pais : u"PT"_s, t.pesoBruto,
                    t.pesoLiquido, d.volumesNulo ? QVariant() : QVariant(d.volumes),
                    texto(d.codigoAt), processo});
        if (cliente)
            terceiros({ano, d.tipo, d.numero, d.serie, cliente->nome, cliente->morada,
                       cliente->codigoPostal, cliente->localidade});

        for (int i = 0; i < d.linhas.size(); ++i) {
            const Linha &l = d.linhas.at(i);
            const int numeroLinha = i + 1;
            linhas({d.tipo, d.numero, d.serie, ano, numeroLinha, l.tipo, texto(l.artigo),
                    l.descricao, texto(l.unidade), l.quantidade, l.quantidade, l.preco, l.desconto,
                    l.valorDesconto, l.valor, l.valor, l.iva, texto(l.origemTipo),
                    l.origemId > 0 ? numeroPorId.value(l.origemId) : 0, l.movimentaStock});
            if (!l.medidas.isEmpty())
                medidas({d.tipo, d.numero, d.serie, ano, numeroLinha, l.medidas.at(0),
                         l.medidas.at(1), l.medidas.at(2), l.medidas.at(3)});
            for (const QString &n : l.numerosSerie)
                series({d.tipo, d.numero, d.serie, ano, numeroLinha, n});
        }

        if (d.temExtras()) {
            QDate envio = d.data.addDays(d.diasAteEnvio);
            if (envio > m_hoje)
                envio = m_hoje;
            const QString marca = envio.toString(u"dd-MM-yyyy"_s);
            QVariantList valores{ano, d.tipo, d.serie, d.numero};
            for (int i = 0; i < 20; ++i)
                valores.append(d.extras.at(i));
            if (d.marcaOperador)
                valores[3 + plano::ColunaMarcaOperador] = marca;
            if (d.marcaTransportador)
                valores[3 + plano::ColunaMarcaTransportador] = marca;
            extras(valores);
        }
        if (d.comProcesso)
            processos({d.tipo, d.numero, d.serie, ano, d.numeroProcesso});

        ++contagem.documentos;
        contagem.linhas += int(d.linhas.size());
        if (d.data == m_hoje)
            ++contagem.documentosDeHoje;
    }
    return contagem;
}

} // namespace qrx
