#include "CodigosDemo.h"
#include "DefinicoesDemo.h"
#include "EsquemaErp.h"
#include "GeradorDemo.h"
#include "QrxError.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;
using qrx::GeradorDemo;

namespace {

const QDate Hoje(2024, 6, 20);
constexpr int LinhasPequeno = 400;

// An SQLite connection that is removed when the test leaves its scope.
class Ligacao {
public:
    explicit Ligacao(const QString &ficheiro)
        : m_nome(u"teste_"_s % QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_nome);
        bd.setDatabaseName(ficheiro);
        if (!bd.open())
            qFatal("cannot open %s", qPrintable(ficheiro));
    }
    ~Ligacao()
    {
        QSqlDatabase::database(m_nome, false).close();
        QSqlDatabase::removeDatabase(m_nome);
    }
    Ligacao(const Ligacao &) = delete;
    Ligacao &operator=(const Ligacao &) = delete;

    QSqlDatabase bd() const { return QSqlDatabase::database(m_nome, false); }

    QVariant valor(const QString &sql, const QVariantList &parametros = {}) const
    {
        QSqlQuery q(bd());
        if (!q.prepare(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        for (int i = 0; i < parametros.size(); ++i)
            q.bindValue(i, parametros.at(i));
        if (!q.exec() || !q.next())
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q.value(0);
    }
    qint64 conta(const QString &sql, const QVariantList &parametros = {}) const
    {
        return valor(sql, parametros).toLongLong();
    }
    QStringList coluna(const QString &sql) const
    {
        QSqlQuery q(bd());
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        QStringList r;
        while (q.next())
            r.append(q.value(0).toString());
        return r;
    }

private:
    QString m_nome;
};

// Sections and keys of a settings file as the program reads it: Windows-1252, CR LF.
struct Definicoes {
    QMap<QString, QMap<QString, QString>> seccoes;
    bool soCrLf = true;

    QString valor(const QString &seccao, const QString &chave) const
    {
        return seccoes.value(seccao).value(chave);
    }

    static Definicoes le(const QString &caminho)
    {
        QFile f(caminho);
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(caminho));
        const QByteArray bytes = f.readAll();
        Definicoes d;
        d.soCrLf = bytes.endsWith("\r\n") && bytes.count('\n') == bytes.count("\r\n")
                   && bytes.count('\r') == bytes.count("\r\n");
        QStringDecoder descodificador("windows-1252");
        const QString texto = descodificador(bytes);
        QString seccao;
        for (const QString &linha : texto.split(u"\r\n"_s)) {
            if (linha.startsWith(u'[') && linha.endsWith(u']'))
                seccao = linha.mid(1, linha.size() - 2);
            else if (linha.contains(u'='))
                d.seccoes[seccao].insert(linha.section(u'=', 0, 0), linha.section(u'=', 1));
        }
        return d;
    }
};

// A digest of every row of every table, in a fixed order.
QByteArray resumoConteudo(const QString &ficheiro)
{
    Ligacao l(ficheiro);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &tabela : qrx::EsquemaErp::tabelas()) {
        QSqlQuery q(l.bd());
        q.exec(u"SELECT * FROM "_s % tabela % u" LIMIT 0"_s);
        QStringList ordem;
        for (int i = 1; i <= q.record().count(); ++i)
            ordem.append(QString::number(i));
        if (!q.exec(u"SELECT * FROM "_s % tabela % u" ORDER BY "_s % ordem.join(u',')))
            qFatal("%s", qPrintable(q.lastError().text()));
        hash.addData(tabela.toUtf8());
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                hash.addData(v.isNull() ? QByteArray("\x01NULL") : v.toString().toUtf8());
                hash.addData(QByteArray("\x00", 1));
            }
        }
    }
    return hash.result();
}

QString hojeSql()
{
    return Hoje.toString(u"yyyy-MM-dd"_s) % u" 00:00:00"_s;
}

} // namespace

class TesteDemo : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    QString m_demo; // folder of the demo generated once for the read-only tests

    QString baseDados() const { return QDir(m_demo).filePath(GeradorDemo::nomeBaseDados()); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pasta.isValid());
        m_demo = m_pasta.filePath(u"demo"_s);
        const GeradorDemo::Resumo r = GeradorDemo(7, LinhasPequeno, Hoje).gerar(m_demo);
        QCOMPARE(r.linhas, LinhasPequeno);
        QVERIFY(r.documentosDeHoje > 0);
    }

    // ------------------------------------------------------------ schema

    void esquemaTemTabelaEColunas_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QStringList>("colunas");
        QTest::addColumn<QStringList>("chave");
        const QStringList docChave{u"TPDOC"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s};
        QTest::newRow("EMPRESA") << u"EMPRESA"_s << QStringList{u"CODIGO"_s, u"NOME"_s, u"MORADA"_s, u"CODPOSTA"_s, u"LOCALIDA"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("TpDoc") << u"TpDoc"_s << QStringList{u"CODIGO"_s, u"DESCR"_s, u"AREAG"_s, u"TPOPER"_s, u"ENTIDADE"_s, u"NATCONTA"_s, u"SINALCT"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("PAISES") << u"PAISES"_s << QStringList{u"CODIGO"_s, u"CODINTRA"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("CODPOST") << u"CODPOST"_s << QStringList{u"COD"_s, u"DESCR"_s} << QStringList{u"COD"_s};
        QTest::newRow("RGIVA") << u"RGIVA"_s << QStringList{u"CODIGO"_s, u"TX1"_s, u"TX2"_s, u"TX3"_s, u"TX4"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("REGRVCT") << u"REGRVCT"_s << QStringList{u"CODIGO"_s, u"DESCCRD"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("EXPEDIR") << u"EXPEDIR"_s << QStringList{u"CODIGO"_s, u"DESCR"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("ARMAZENS") << u"ARMAZENS"_s << QStringList{u"CODIGO"_s, u"NOME"_s, u"MORADA"_s, u"CODPOST"_s, u"LOCALIDA"_s, u"TELEFONE"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("CLIENTES") << u"CLIENTES"_s << QStringList{u"CODIGO"_s, u"NOME"_s, u"CODEDI"_s, u"PAIS"_s, u"TELEF"_s, u"NCONTRIB"_s, u"FAX"_s, u"TELEX"_s, u"EMAIL"_s, u"OBS2"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("CLCLIE") << u"CLCLIE"_s << QStringList{u"CODIGO"_s, u"CL01"_s, u"CL02"_s, u"CL03"_s, u"CL04"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("MORADAS") << u"MORADAS"_s << QStringList{u"TPTERC"_s, u"TERCEIRO"_s, u"CDMORADA"_s, u"DESCR"_s, u"MORADA"_s, u"LOCAL"_s, u"CDPOSTAL"_s, u"PAÍS"_s, u"TELEF"_s, u"FAX"_s, u"TELEX"_s} << QStringList{u"TPTERC"_s, u"TERCEIRO"_s, u"CDMORADA"_s};
        QTest::newRow("ARTIGOS") << u"ARTIGOS"_s << QStringList{u"CODIGO"_s, u"NOME"_s, u"PESO"_s, u"VOLUME"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("CLART") << u"CLART"_s << QStringList{u"CODIGO"_s, u"CL01"_s, u"CL02"_s, u"CL05"_s, u"CL06"_s, u"CL07"_s, u"CL08"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("U_QRX_ARTIGOS") << u"U_QRX_ARTIGOS"_s << QStringList{u"CODIGO"_s, u"ARMAZEM"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("CBARRAS") << u"CBARRAS"_s << QStringList{u"CODIGO"_s, u"ARTIGO"_s, u"TIPO"_s} << QStringList{u"CODIGO"_s};
        QTest::newRow("DOCGCCAB") << u"DOCGCCAB"_s
            << QStringList{u"TPDOC"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"DATA"_s, u"hora"_s, u"VNUMDOC"_s,
                           u"TERCEIRO"_s, u"TPTERC"_s, u"RGIVA"_s, u"TOTDOC"_s, u"TOTMERC"_s, u"TOTIVA4"_s,
                           u"BASE4"_s, u"BASE4ORI"_s, u"PRAZOPGT"_s, u"DTCARGA"_s, u"DTVENC"_s, u"NVIAS"_s,
                           u"DESCABVL"_s, u"DESCCAB"_s, u"DESCLIN"_s, u"MOEDA"_s, u"OBSERV"_s, u"AREAG"_s,
                           u"TPOPER"_s, u"NATCONTA"_s, u"SINALCT"_s, u"LOCALDSG"_s, u"MORADADSG"_s,
                           u"CDPOSTDSG"_s, u"PAISDSG"_s, u"TOTADIAM"_s, u"PROCESSO"_s, u"EXPEDIR"_s,
                           u"MBORI"_s, u"DOCORI"_s, u"MODOPGT"_s, u"ONDEENTR"_s, u"NCONTRIB"_s,
                           u"TOTDOCMB"_s, u"PESOTOT"_s, u"PESOLIQ"_s, u"VOLTOT"_s, u"ATDOCCODEID"_s}
            << docChave;
        QTest::newRow("DOCGCLIN") << u"DOCGCLIN"_s
            << QStringList{u"TPDOCUM"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"NUMLINHA"_s, u"TPLINHA"_s,
                           u"ARTIGO"_s, u"PRUNIT"_s, u"QUANT"_s, u"QTDORIG"_s, u"VALOR"_s, u"VALORO"_s,
                           u"IVA"_s, u"ORDOC"_s, u"ORNUM"_s, u"UNIDADE"_s, u"TXDESC"_s, u"DESCval"_s,
                           u"DESCR"_s, u"MOVSTC"_s}
            << QStringList{u"TPDOCUM"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"NUMLINHA"_s};
        QTest::newRow("CLDOCGC") << u"CLDOCGC"_s
            << QStringList{u"ANO"_s, u"TIPODOC"_s, u"SERIE"_s, u"NDOC"_s, u"CL01"_s, u"CL02"_s, u"CL07"_s, u"CL19"_s, u"CL20"_s}
            << QStringList{u"ANO"_s, u"TIPODOC"_s, u"SERIE"_s, u"NDOC"_s};
        QTest::newRow("TERCVDI") << u"TERCVDI"_s
            << QStringList{u"ANO"_s, u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"NOME"_s, u"MORADA"_s, u"CODPOST"_s, u"LOCALIDA"_s}
            << QStringList{u"ANO"_s, u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s};
        QTest::newRow("VLMEDIDA") << u"VLMEDIDA"_s
            << QStringList{u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"LINHA"_s, u"VAR1"_s, u"VAR2"_s, u"VAR3"_s, u"VAR4"_s}
            << QStringList{u"TPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"LINHA"_s};
        QTest::newRow("NSERMOVS") << u"NSERMOVS"_s
            << QStringList{u"TIPDOC"_s, u"NUMDOC"_s, u"LINHA"_s, u"SERIE"_s, u"ANO"_s, u"NUMSER"_s}
            << QStringList{u"TIPDOC"_s, u"NUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"LINHA"_s, u"NUMSER"_s};
        QTest::newRow("qrx_TorresTirCodigo") << u"qrx_TorresTirCodigo"_s
            << QStringList{u"TPDOC"_s, u"NNUMDOC"_s, u"SERIE"_s, u"ANO"_s, u"TorresTirNUM"_s} << docChave;
    }

    void esquemaTemTabelaEColunas()
    {
        QFETCH(QString, tabela);
        QFETCH(QStringList, colunas);
        QFETCH(QStringList, chave);
        Ligacao l(u":memory:"_s);
        QSqlDatabase bd = l.bd();
        qrx::EsquemaErp::criar(bd);

        QSqlQuery q(bd);
        QVERIFY(q.exec(u"PRAGMA table_info(\""_s % tabela % u"\")"_s));
        QSet<QString> existentes;
        QMap<int, QString> chaveExistente;
        while (q.next()) {
            existentes.insert(q.value(u"name"_s).toString());
            if (q.value(u"pk"_s).toInt() > 0)
                chaveExistente.insert(q.value(u"pk"_s).toInt(), q.value(u"name"_s).toString());
        }
        QVERIFY2(!existentes.isEmpty(), qPrintable(u"falta a tabela "_s + tabela));
        for (const QString &c : colunas)
            QVERIFY2(existentes.contains(c), qPrintable(tabela % u'.' % c));
        QCOMPARE(chaveExistente.values(), chave);
    }

    void esquemaTemSoAsTabelasListadas()
    {
        const QStringList esperadas{
            u"EMPRESA"_s, u"TpDoc"_s, u"PAISES"_s, u"CODPOST"_s, u"RGIVA"_s, u"REGRVCT"_s,
            u"EXPEDIR"_s, u"ARMAZENS"_s, u"CLIENTES"_s, u"CLCLIE"_s, u"MORADAS"_s, u"ARTIGOS"_s,
            u"CLART"_s, u"U_QRX_ARTIGOS"_s, u"CBARRAS"_s, u"DOCGCCAB"_s, u"DOCGCLIN"_s,
            u"CLDOCGC"_s, u"TERCVDI"_s, u"VLMEDIDA"_s, u"NSERMOVS"_s, u"qrx_TorresTirCodigo"_s};
        QStringList tabelas = qrx::EsquemaErp::tabelas();
        QStringList ordenadas = esperadas;
        tabelas.sort();
        ordenadas.sort();
        QCOMPARE(tabelas, ordenadas);
    }

    void esquemaAceitaNomesComAcentoEPalavrasReservadas()
    {
        Ligacao l(baseDados());
        QCOMPARE(l.conta(u"SELECT COUNT(*) FROM MORADAS WHERE \"PAÍS\" IS NULL OR [LOCAL] IS NULL"_s), 0);
        QVERIFY(l.conta(u"SELECT COUNT(*) FROM MORADAS"_s) > 0);
    }

    // ------------------------------------------------------------ generator

    void mesmaSementeMesmoConteudo()
    {
        const QString a = m_pasta.filePath(u"a.db"_s);
        const QString b = m_pasta.filePath(u"b.db"_s);
        GeradorDemo(11, 300, Hoje).gerarBaseDados(a);
        GeradorDemo(11, 300, Hoje).gerarBaseDados(b);
        QCOMPARE(resumoConteudo(a), resumoConteudo(b));
    }

    void outraSementeOuOutroDiaOutroConteudo()
    {
        const QString base = m_pasta.filePath(u"base.db"_s);
        const QString semente = m_pasta.filePath(u"semente.db"_s);
        const QString dia = m_pasta.filePath(u"dia.db"_s);
        GeradorDemo(11, 300, Hoje).gerarBaseDados(base);
        GeradorDemo(12, 300, Hoje).gerarBaseDados(semente);
        GeradorDemo(11, 300, Hoje.addDays(1)).gerarBaseDados(dia);
        QVERIFY(resumoConteudo(base) != resumoConteudo(semente));
        QVERIFY(resumoConteudo(base) != resumoConteudo(dia));
    }

    void tamanhoDaAsLinhasPedidas_data()
    {
        QTest::addColumn<int>("linhas");
        QTest::newRow("minimo") << GeradorDemo::minimoLinhas();
        QTest::newRow("300") << 300;
        QTest::newRow("1500") << 1500;
    }

    void tamanhoDaAsLinhasPedidas()
    {
        QFETCH(int, linhas);
        const QString f = m_pasta.filePath(u"tamanho.db"_s);
        const GeradorDemo::Resumo r = GeradorDemo(3, linhas, Hoje).gerarBaseDados(f);
        Ligacao l(f);
        QCOMPARE(l.conta(u"SELECT COUNT(*) FROM DOCGCLIN"_s), qint64(linhas));
        QCOMPARE(r.linhas, linhas);
        QCOMPARE(l.conta(u"SELECT COUNT(*) FROM DOCGCCAB"_s), qint64(r.documentos));
        QCOMPARE(l.conta(u"SELECT COUNT(*) FROM DOCGCCAB WHERE DATA = ?"_s, {hojeSql()}),
                 qint64(r.documentosDeHoje));
    }

    void maisLinhasMaisDocumentosEClientes()
    {
        const QString pequeno = m_pasta.filePath(u"pequeno.db"_s);
        const QString grande = m_pasta.filePath(u"grande.db"_s);
        const GeradorDemo::Resumo p = GeradorDemo(5, 500, Hoje).gerarBaseDados(pequeno);
        const GeradorDemo::Resumo g = GeradorDemo(5, 5000, Hoje).gerarBaseDados(grande);
        QVERIFY(g.documentos > 5 * p.documentos);
        QVERIFY(g.clientes > p.clientes);
        QVERIFY(g.documentosDeHoje > p.documentosDeHoje);
    }

    void tamanhoAbaixoDoMinimoRecusadoSemTocarNoFicheiro()
    {
        const QString f = m_pasta.filePath(u"intacto.db"_s);
        GeradorDemo(1, 300, Hoje).gerarBaseDados(f);
        const QByteArray antes = resumoConteudo(f);
        QVERIFY_THROWS_EXCEPTION(qrx::QrxError,
                                 GeradorDemo(1, GeradorDemo::minimoLinhas() - 1, Hoje).gerarBaseDados(f));
        QCOMPARE(resumoConteudo(f), antes);
        QVERIFY(!QFile::exists(f % u".novo"_s));
    }

    void diaInvalidoRecusado()
    {
        QVERIFY_THROWS_EXCEPTION(qrx::QrxError,
                                 GeradorDemo(1, 300, QDate()).gerarBaseDados(m_pasta.filePath(u"x.db"_s)));
    }

    void substituiFicheiroExistente()
    {
        const QString f = m_pasta.filePath(u"velho.db"_s);
        {
            QFile velho(f);
            QVERIFY(velho.open(QIODevice::WriteOnly));
            velho.write("isto não é uma base de dados");
        }
        {
            QFile diario(f % u"-journal"_s);
            QVERIFY(diario.open(QIODevice::WriteOnly));
            diario.write("lixo");
        }
        GeradorDemo(2, 300, Hoje).gerarBaseDados(f);
        Ligacao l(f);
        QCOMPARE(l.conta(u"SELECT COUNT(*) FROM DOCGCLIN"_s), 300);
        QVERIFY(!QFile::exists(f % u"-journal"_s));
    }

    void dadosConsistentes_data()
    {
        QTest::addColumn<QString>("sql");
        // Each query counts the rows that break a rule the exporters rely on.
        QTest::newRow("uma empresa, código 0") << u"SELECT COUNT(*) <> 1 OR MIN(CODIGO) <> 0 FROM EMPRESA"_s;
        QTest::newRow("linhas sem cabeçalho") << u"SELECT COUNT(*) FROM DOCGCLIN l LEFT JOIN DOCGCCAB c ON c.TPDOC = l.TPDOCUM AND c.NNUMDOC = l.NNUMDOC AND c.SERIE = l.SERIE AND c.ANO = l.ANO WHERE c.TPDOC IS NULL"_s;
        QTest::newRow("documentos sem linha de artigo") << u"SELECT COUNT(*) FROM DOCGCCAB c WHERE NOT EXISTS (SELECT 1 FROM DOCGCLIN l WHERE l.TPDOCUM = c.TPDOC AND l.NNUMDOC = c.NNUMDOC AND l.SERIE = c.SERIE AND l.ANO = c.ANO AND l.TPLINHA = 1 AND l.ARTIGO > '')"_s;
        QTest::newRow("vendas sem TERCVDI") << u"SELECT COUNT(*) FROM DOCGCCAB c LEFT JOIN TERCVDI t ON t.ANO = c.ANO AND t.TPDOC = c.TPDOC AND t.NUMDOC = c.NNUMDOC AND t.SERIE = c.SERIE WHERE c.TPDOC <> 'TA' AND t.NOME IS NULL"_s;
        QTest::newRow("terceiro desconhecido") << u"SELECT COUNT(*) FROM DOCGCCAB c WHERE c.TERCEIRO NOT IN (SELECT CODIGO FROM CLIENTES) AND c.TERCEIRO NOT IN (SELECT CODIGO FROM ARMAZENS)"_s;
        QTest::newRow("tipo de documento desconhecido") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC NOT IN (SELECT CODIGO FROM TpDoc)"_s;
        QTest::newRow("expedição desconhecida") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE EXPEDIR IS NOT NULL AND EXPEDIR NOT IN (SELECT CODIGO FROM EXPEDIR)"_s;
        QTest::newRow("artigo desconhecido") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE ARTIGO <> '' AND ARTIGO NOT IN (SELECT CODIGO FROM ARTIGOS)"_s;
        QTest::newRow("origem inexistente") << u"SELECT COUNT(*) FROM DOCGCLIN l WHERE l.ORDOC <> '' AND NOT EXISTS (SELECT 1 FROM DOCGCCAB c WHERE c.TPDOC = l.ORDOC AND c.NNUMDOC = l.ORNUM)"_s;
        QTest::newRow("morada de entrega inexistente") << u"SELECT COUNT(*) FROM DOCGCCAB c WHERE c.ONDEENTR <> '' AND NOT EXISTS (SELECT 1 FROM MORADAS m WHERE m.TPTERC = 2 AND m.TERCEIRO = c.TERCEIRO AND m.CDMORADA = c.ONDEENTR)"_s;
        QTest::newRow("total diferente de bases mais IVA") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE ABS(TOTDOC - (BASE1 + BASE2 + BASE3 + BASE4 + TOTIVA1 + TOTIVA2 + TOTIVA3 + TOTIVA4)) > 0.011"_s;
        QTest::newRow("valor de linha errado") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPLINHA = 1 AND ABS(ROUND(QUANT * PRUNIT, 2) - DESCval - VALOR) > 0.011"_s;
        QTest::newRow("base negativa") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE BASE1 < 0 OR BASE2 < 0 OR BASE3 < 0 OR BASE4 < 0"_s;
        QTest::newRow("datas fora do formato") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE DATA NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] 00:00:00' OR DTVENC NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' OR DTCARGA NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"_s;
        QTest::newRow("ano diferente do da data") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE ANO <> CAST(substr(DATA, 1, 4) AS INTEGER)"_s;
        QTest::newRow("documentos no futuro") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE DATA > '2024-06-20 00:00:00'"_s;
        QTest::newRow("textos nulos") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE OBSERV IS NULL OR VNUMDOC IS NULL OR MORADADSG IS NULL OR LOCALDSG IS NULL OR PROCESSO IS NULL"_s;
        QTest::newRow("código postal PT") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS = 'PT' AND CODPOST NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9][0-9]'"_s;
        QTest::newRow("código postal ES") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS = 'ES' AND CODPOST NOT GLOB '[0-9][0-9][0-9][0-9][0-9]'"_s;
        QTest::newRow("código postal sem descrição") << u"SELECT COUNT(*) FROM (SELECT CODPOST AS c FROM TERCVDI UNION SELECT CDPOSTAL FROM MORADAS UNION SELECT CODPOST FROM ARMAZENS) WHERE c NOT IN (SELECT COD FROM CODPOST)"_s;
        QTest::newRow("número de série repetido") << u"SELECT COUNT(*) - COUNT(DISTINCT NUMSER) FROM NSERMOVS"_s;
        QTest::newRow("processo sem registo") << u"SELECT COUNT(*) FROM DOCGCCAB c WHERE c.PROCESSO <> '' AND NOT EXISTS (SELECT 1 FROM qrx_TorresTirCodigo r WHERE r.TPDOC = c.TPDOC AND r.NNUMDOC = c.NNUMDOC AND r.SERIE = c.SERIE AND r.ANO = c.ANO AND CAST(r.TorresTirNUM AS TEXT) = c.PROCESSO)"_s;
        QTest::newRow("marca fora do formato") << u"SELECT COUNT(*) FROM CLDOCGC WHERE (CL20 IS NOT NULL AND CL20 NOT GLOB '[0-3][0-9]-[01][0-9]-20[0-9][0-9]') OR (CL19 IS NOT NULL AND CL19 NOT GLOB '[0-3][0-9]-[01][0-9]-20[0-9][0-9]')"_s;
        QTest::newRow("contra reembolso não numérico") << u"SELECT COUNT(*) FROM CLDOCGC WHERE CL02 IS NOT NULL AND COALESCE(CL02, 0) <> -1"_s;
        QTest::newRow("fatores do artigo sem vírgula") << u"SELECT COUNT(*) FROM CLART WHERE CL08 = '' OR CL08 NOT LIKE '%,%'"_s;
    }

    void dadosConsistentes()
    {
        QFETCH(QString, sql);
        Ligacao l(baseDados());
        QCOMPARE(l.conta(sql), 0);
    }

    void dadosTemOsCasosQueOsExportadoresTratam_data()
    {
        QTest::addColumn<QString>("sql");
        // Each query counts rows of a case some export must meet in the demo.
        QTest::newRow("oferta (valor 0, preço não 0)") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPLINHA = 1 AND VALOR = 0 AND PRUNIT <> 0"_s;
        QTest::newRow("preço 0") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPLINHA = 1 AND PRUNIT = 0"_s;
        QTest::newRow("desconto de linha") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TXDESC > 0 AND TXDESC < 100"_s;
        QTest::newRow("desconto de cabeçalho") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE DESCCAB > 0"_s;
        QTest::newRow("linha de texto") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPLINHA = 2 AND ARTIGO = ''"_s;
        QTest::newRow("linha de retoma") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPLINHA = 3 AND PRUNIT <> 0"_s;
        QTest::newRow("documento anulado hoje") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE NVIAS = -1 AND DATA = '2024-06-20 00:00:00'"_s;
        QTest::newRow("documentos de dias anteriores") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE DATA < '2024-06-20 00:00:00'"_s;
        QTest::newRow("fatura feita de guia") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'FT' AND ORDOC = 'GR'"_s;
        QTest::newRow("nota de crédito com origem") << u"SELECT COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'NC' AND ORDOC = 'FT'"_s;
        QTest::newRow("números de série") << u"SELECT COUNT(*) FROM NSERMOVS"_s;
        QTest::newRow("valores de medida") << u"SELECT COUNT(*) FROM VLMEDIDA"_s;
        QTest::newRow("morada de entrega") << u"SELECT COUNT(*) FROM DOCGCCAB WHERE ONDEENTR <> '' AND MORADADSG <> ''"_s;
        QTest::newRow("morada de entrega sem rua") << u"SELECT COUNT(*) FROM MORADAS WHERE MORADA = ''"_s;
        QTest::newRow("clientes espanhóis") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS = 'ES'"_s;
        QTest::newRow("cliente de outro país") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS NOT IN ('PT', 'ES')"_s;
        QTest::newRow("telemóvel no telefone") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS = 'PT' AND replace(replace(TELEF, ' ', ''), '.', '') GLOB '9[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'"_s;
        QTest::newRow("telefone fixo") << u"SELECT COUNT(*) FROM CLIENTES WHERE PAIS = 'PT' AND replace(replace(TELEF, ' ', ''), '.', '') GLOB '2[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'"_s;
        QTest::newRow("cliente sem extras") << u"SELECT COUNT(*) FROM CLIENTES WHERE CODIGO NOT IN (SELECT CODIGO FROM CLCLIE)"_s;
        QTest::newRow("nome com mais de 120") << u"SELECT COUNT(*) FROM CLIENTES WHERE length(NOME) > 120"_s;
        QTest::newRow("código de barras 560") << u"SELECT COUNT(*) FROM CBARRAS WHERE CODIGO LIKE '560%' AND TIPO = 3"_s;
        QTest::newRow("artigo sem código 560") << u"SELECT COUNT(*) FROM ARTIGOS a WHERE NOT EXISTS (SELECT 1 FROM CBARRAS b WHERE b.ARTIGO = a.CODIGO AND b.CODIGO LIKE '560%')"_s;
        QTest::newRow("artigo sem CLART") << u"SELECT COUNT(*) FROM ARTIGOS WHERE CODIGO NOT IN (SELECT CODIGO FROM CLART)"_s;
        QTest::newRow("CL07 vazio") << u"SELECT COUNT(*) FROM CLART WHERE CL07 = ''"_s;
        QTest::newRow("quatro escalões de IVA") << u"SELECT COUNT(DISTINCT k) = 4 FROM (SELECT 1 AS k FROM DOCGCCAB WHERE BASE1 > 0 UNION SELECT 2 FROM DOCGCCAB WHERE BASE2 > 0 UNION SELECT 3 FROM DOCGCCAB WHERE BASE3 > 0 UNION SELECT 4 FROM DOCGCCAB WHERE BASE4 > 0)"_s;
        QTest::newRow("documentos já marcados") << u"SELECT COUNT(*) FROM CLDOCGC WHERE CL20 <> ''"_s;
        QTest::newRow("processos já dados") << u"SELECT COUNT(*) FROM qrx_TorresTirCodigo"_s;
        QTest::newRow("paletes") << u"SELECT COUNT(*) FROM CLDOCGC WHERE CL06 > 0"_s;
        QTest::newRow("produto do segundo armazém hoje") << u"SELECT COUNT(*) FROM DOCGCLIN l JOIN DOCGCCAB c ON c.TPDOC = l.TPDOCUM AND c.NNUMDOC = l.NNUMDOC AND c.SERIE = l.SERIE AND c.ANO = l.ANO JOIN U_QRX_ARTIGOS u ON u.CODIGO = l.ARTIGO WHERE l.NUMLINHA = 1 AND u.ARMAZEM = 'A02' AND c.DATA = '2024-06-20 00:00:00'"_s;
    }

    void dadosTemOsCasosQueOsExportadoresTratam()
    {
        QFETCH(QString, sql);
        Ligacao l(baseDados());
        QVERIFY(l.conta(sql) > 0);
    }

    void codigosComDigitoDeControlo()
    {
        Ligacao l(baseDados());
        const QStringList eans = l.coluna(u"SELECT CODIGO FROM CBARRAS WHERE TIPO = 3 UNION ALL SELECT CL01 FROM CLCLIE WHERE CL01 <> '' UNION ALL SELECT CODEDI FROM CLIENTES WHERE CODEDI <> ''"_s);
        QVERIFY(!eans.isEmpty());
        for (const QString &e : eans)
            QVERIFY2(qrx::codigos::ean13Valido(e), qPrintable(e));
        const QStringList nifs = l.coluna(u"SELECT NCONTRIB FROM CLIENTES WHERE PAIS = 'PT' UNION ALL SELECT NCONTRIB FROM EMPRESA"_s);
        for (const QString &n : nifs)
            QVERIFY2(qrx::codigos::nifPortuguesValido(n), qPrintable(n));
        QVERIFY(l.valor(u"SELECT NOME FROM EMPRESA"_s).toString().contains(u"Lda."_s)
                || l.valor(u"SELECT NOME FROM EMPRESA"_s).toString().contains(u"S.A."_s));
    }

    void codigosDeControlo_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("ean");
        QTest::addColumn<bool>("valido");
        QTest::newRow("ean certo") << u"5601234000009"_s << true << true;
        QTest::newRow("ean errado") << u"5601234000008"_s << true << false;
        QTest::newRow("ean curto") << u"560123400000"_s << true << false;
        QTest::newRow("nif certo") << u"509812341"_s << false << true;
        QTest::newRow("nif errado") << u"509812342"_s << false << false;
        QTest::newRow("nif com letra") << u"50981234X"_s << false << false;
    }

    void codigosDeControlo()
    {
        QFETCH(QString, codigo);
        QFETCH(bool, ean);
        QFETCH(bool, valido);
        QCOMPARE(ean ? qrx::codigos::ean13Valido(codigo) : qrx::codigos::nifPortuguesValido(codigo), valido);
    }

    // ------------------------------------------------------------ settings

    void definicoesDeCadaTipo_data()
    {
        QTest::addColumn<int>("tipo");
        for (int t = 0; t < qrx::DefinicoesDemo::TiposDeExportacao; ++t)
            QTest::newRow(qPrintable(qrx::DefinicoesDemo::nomeFicheiro(t))) << t;
    }

    void definicoesDeCadaTipo()
    {
        QFETCH(int, tipo);
        const QString caminho = QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(tipo));
        const Definicoes d = Definicoes::le(caminho);
        QVERIFY(d.soCrLf);
        QCOMPARE(d.valor(u"Configuracao"_s, u"Tipo de Exportacao"_s), QString::number(tipo));
        QCOMPARE(d.valor(u"BaseDados"_s, u"Motor"_s), u"SQLite"_s);
        QCOMPARE(d.valor(u"BaseDados"_s, u"BaseDados"_s), GeradorDemo::nomeBaseDados());
        QVERIFY(d.seccoes.value(u"BaseDados"_s).contains(u"Password"_s));
        QCOMPARE(d.valor(u"BaseDados"_s, u"Password"_s), QString());
        QVERIFY(QFileInfo::exists(QFileInfo(caminho).dir().filePath(d.valor(u"BaseDados"_s, u"BaseDados"_s))));
        const QString directoria = d.valor(u"Configuracao"_s, u"Directoria"_s);
        QVERIFY2(QDir::isAbsolutePath(directoria), qPrintable(directoria));
        QVERIFY(QFileInfo(directoria).isDir());
        QVERIFY(qrx::codigos::ean13Valido(d.valor(u"Configuracao"_s, u"EAN"_s)));
        static const QRegularExpression marcador(u"@[A-Z0-9]+@"_s);
        for (const auto &s : d.seccoes)
            for (auto i = s.cbegin(); i != s.cend(); ++i)
                QVERIFY2(!marcador.match(i.value()).hasMatch(), qPrintable(i.key() % u'=' % i.value()));
    }

    void definicaoPorOmissaoEhTipoZero()
    {
        QFile zero(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(0)));
        QFile omissao(QDir(m_demo).filePath(u"qrxEdi.qrx"_s));
        QVERIFY(zero.open(QIODevice::ReadOnly));
        QVERIFY(omissao.open(QIODevice::ReadOnly));
        QCOMPARE(omissao.readAll(), zero.readAll());
    }

    void modelosSaoWindows1252ComCrLf()
    {
        for (int t = 0; t < qrx::DefinicoesDemo::TiposDeExportacao; ++t) {
            const QByteArray m = qrx::DefinicoesDemo::modelo(t);
            QCOMPARE(m.count('\n'), m.count("\r\n"));
            QVERIFY(m.contains("@DIRECTORIA@"));
        }
        // The key with the ordinal indicator is stored as the single byte the program reads.
        QVERIFY(qrx::DefinicoesDemo::modelo(3).contains("Campo Livre N\xBA="));
        QVERIFY(!qrx::DefinicoesDemo::modelo(3).contains("\xC2\xBA"));
    }

    void selecaoDeHojeEncontraDocumentos_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QStringList>("pares");    // "type key|series key"
        QTest::addColumn<QString>("condicao");     // over DOCGCCAB AS Cab; $Key inserts a setting as it stands, ? binds Expedicao
        QTest::addColumn<QString>("marca");        // CLDOCGC column that must be empty, "" none

        const QString carf = u"AND Cab.EXPEDIR IN (SELECT CODIGO FROM EXPEDIR WHERE upper(DESCR) LIKE '%CARF%')"_s;
        const QString goexpress = u"AND substr(Cab.EXPEDIR, 1, 2) IN ('GE', 'GF')"_s;
        const QString listaTape = u"AND Cab.EXPEDIR IN ('T00', 'T01', 'T02', 'T03', 'T04', 'T30', 'T31', 'T32', 'T33', 'T34', 'T50', 'T51', 'T52', 'T53', 'T54', 'T90', 'T91', 'T92', 'T93', 'T94')"_s;
        const QStringList rs{u"Fatura|Serie Fatura 1"_s, u"Fatura|Serie Fatura 2"_s,
                             u"Guia Remessa|Serie Guia Remessa"_s, u"Guia Transporte|Serie Guia Transporte"_s};
        const QStringList cinco{u"Fatura|Serie Fatura 1"_s, u"Fatura2|Serie Fatura 2"_s,
                                u"Guia Remessa|Serie Guia Remessa"_s, u"Guia Transporte|Serie Guia Transporte"_s,
                                u"Guia Transporte2|Serie Guia Transporte2"_s};
        const QStringList urbanos{u"Fatura|Serie Fatura"_s, u"VendaDinheiro|Serie VendaDinheiro"_s,
                                  u"Guia Remessa|Serie Guia Remessa"_s, u"Guia Transporte|Serie Guia Transporte"_s};

        QTest::newRow("3 Urbanos") << 3 << u"Urbanos"_s << urbanos << u"AND Cab.EXPEDIR = ?"_s << u"CL19"_s;
        QTest::newRow("4 remessas") << 4 << u"ProAlliance"_s << QStringList{u"Remessa|Serie Remessa"_s} << u"AND Cab.EXPEDIR = ?"_s << QString();
        QTest::newRow("4 transferências") << 4 << u"ProAlliance"_s << QStringList{u"Transferencia Armazem|Serie Transferencia Armazem"_s} << QString() << QString();
        QTest::newRow("5 TAS") << 5 << u"Urbanos"_s << urbanos << u"AND Cab.EXPEDIR = ?"_s << u"CL19"_s;
        QTest::newRow("6 CARF") << 6 << u"RsContreras"_s << rs << carf << u"CL20"_s;
        QTest::newRow("7 CTT") << 7 << u"CTT"_s << cinco << u"AND $Seleccao"_s << u"CL20"_s;
        QTest::newRow("8 Tape (GE/GF)") << 8 << u"RsContreras"_s << rs << goexpress << u"CL20"_s;
        QTest::newRow("9 GoExpress") << 9 << u"RsContreras"_s << rs << goexpress << u"CL20"_s;
        QTest::newRow("10 CTM") << 10 << u"RsContreras"_s << rs << listaTape << u"CL20"_s;
        QTest::newRow("12 Torrestir") << 12 << u"TorresTir"_s << cinco << u"$Expedicao"_s << u"CL20"_s;
    }

    void selecaoDeHojeEncontraDocumentos()
    {
        QFETCH(int, tipo);
        QFETCH(QString, seccao);
        QFETCH(QStringList, pares);
        QFETCH(QString, condicao);
        QFETCH(QString, marca);
        const Definicoes d = Definicoes::le(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(tipo)));
        QVERIFY(d.seccoes.contains(seccao));

        static const QRegularExpression definicao(u"\\$(\\w+)"_s);
        const QRegularExpressionMatch m = definicao.match(condicao);
        if (m.hasMatch())
            condicao.replace(m.captured(0), d.valor(seccao, m.captured(1)));
        QVariantList extra;
        if (condicao.contains(u'?'))
            extra.append(d.valor(seccao, u"Expedicao"_s));

        QString naoEnviado;
        if (!marca.isEmpty())
            naoEnviado = u" AND NOT EXISTS (SELECT 1 FROM CLDOCGC x WHERE x.ANO = Cab.ANO AND x.TIPODOC = Cab.TPDOC AND x.SERIE = Cab.SERIE AND x.NDOC = Cab.NNUMDOC AND x."_s
                         % marca % u" > '')"_s;
        Ligacao l(baseDados());
        for (const QString &par : pares) {
            const QString tipoDoc = d.valor(seccao, par.section(u'|', 0, 0));
            const QString serie = d.valor(seccao, par.section(u'|', 1, 1));
            QVERIFY2(!tipoDoc.isEmpty() && !serie.isEmpty(), qPrintable(par));
            // The CTT condition names DOCGCCAB itself, the others the alias.
            const QString sql = u"SELECT COUNT(*) FROM DOCGCCAB AS Cab WHERE Cab.NVIAS > -1 AND Cab.DATA = ? AND Cab.TPDOC = ? AND Cab.SERIE = ? "_s
                                % QString(condicao).replace(u"DOCGCCAB."_s, u"Cab."_s) % naoEnviado;
            QVariantList parametros{hojeSql(), tipoDoc, serie.toInt()};
            parametros.append(extra);
            QVERIFY2(l.conta(sql, parametros) > 0, qPrintable(tipoDoc % u'/' % serie % u": "_s % sql));
        }
    }

    void definicoesNomeiamCodigosQueExistem()
    {
        Ligacao l(baseDados());
        const Definicoes ctt = Definicoes::le(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(7)));
        for (const QString &chave : {u"CobrancaPostalObjectos"_s, u"CobrancaContraReembolso"_s, u"CobrancaChequeNominativo"_s})
            for (const QString &codigo : ctt.valor(u"CTT"_s, chave).split(u','))
                QCOMPARE(l.conta(u"SELECT COUNT(*) FROM EXPEDIR WHERE CODIGO = ?"_s, {codigo.trimmed()}), 1);

        for (int tipo : {6, 8, 9, 10}) {
            const Definicoes rs = Definicoes::le(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(tipo)));
            for (int n : {1, 2}) {
                QCOMPARE(l.conta(u"SELECT COUNT(*) FROM ARMAZENS WHERE CODIGO = ?"_s,
                                 {rs.valor(u"Armazens"_s, u"Armazem%1"_s.arg(n))}), 1);
                const QString percurso = rs.valor(u"Armazens"_s, u"Percurso%1"_s.arg(n));
                QVERIFY2(QDir::isAbsolutePath(percurso) && QFileInfo(percurso).isDir(), qPrintable(percurso));
            }
        }

        for (int tipo : {3, 5}) {
            const Definicoes u = Definicoes::le(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(tipo)));
            const int campo = u.valor(u"Urbanos"_s, u"Campo Livre Nº"_s).toInt();
            QVERIFY(campo > 0 && campo < 100);
            QSqlQuery q(l.bd());
            QVERIFY(q.exec(u"SELECT CL%1 FROM CLDOCGC"_s.arg(campo, 2, 10, QLatin1Char('0'))));
        }

        // The payment mode whose shipments carry their total must occur on shipments.
        const Definicoes pa = Definicoes::le(QDir(m_demo).filePath(qrx::DefinicoesDemo::nomeFicheiro(4)));
        QVERIFY(l.conta(u"SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = ? AND MODOPGT = ?"_s,
                        {pa.valor(u"ProAlliance"_s, u"Remessa"_s), pa.valor(u"ProAlliance"_s, u"ModoPagamento"_s)}) > 0);
    }

    void caminhoQueWindows1252NaoGuardaRecusado()
    {
        const QString pasta = m_pasta.filePath(u"demo-\u65E5\u672C"_s);
        QVERIFY_THROWS_EXCEPTION(qrx::QrxError, GeradorDemo(1, 300, Hoje).gerar(pasta));
        QVERIFY(!QFile::exists(QDir(pasta).filePath(GeradorDemo::nomeBaseDados())));
        QVERIFY(!QFile::exists(QDir(pasta).filePath(qrx::DefinicoesDemo::nomeFicheiro(0))));
        QVERIFY_THROWS_EXCEPTION(qrx::QrxError, qrx::DefinicoesDemo::escrever(pasta));
        QVERIFY(!QFile::exists(QDir(pasta).filePath(qrx::DefinicoesDemo::nomeFicheiro(0))));
    }

    // ------------------------------------------------------------ program

    void programa_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::newRow("certo") << QStringList{u"--lines"_s, u"250"_s, u"--date"_s, u"2024-06-20"_s, u"--seed"_s, u"4"_s} << 0;
        QTest::newRow("linhas a menos") << QStringList{u"--lines"_s, u"10"_s} << 2;
        QTest::newRow("linhas não numéricas") << QStringList{u"--lines"_s, u"muitas"_s} << 2;
        QTest::newRow("data inválida") << QStringList{u"--date"_s, u"2024-02-30"_s} << 2;
        QTest::newRow("semente negativa") << QStringList{u"--seed"_s, u"-3"_s} << 2;
        QTest::newRow("opção desconhecida") << QStringList{u"--linhas"_s, u"300"_s} << 2;
    }

    void programa()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        const QString pasta = m_pasta.filePath(u"programa-"_s % QString::fromLatin1(QTest::currentDataTag()));
        QProcess p;
        p.start(QDir(qEnvironmentVariable("QRX_BINARY_DIR")).filePath(u"demo/qrxedi-demo"_s),
                QStringList{u"--output-dir"_s, pasta} + argumentos);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), estado);
        const bool escreveu = QFile::exists(QDir(pasta).filePath(GeradorDemo::nomeBaseDados()));
        QCOMPARE(escreveu, estado == 0);
        if (estado == 0) {
            QVERIFY(QFile::exists(QDir(pasta).filePath(u"qrxEdi.qrx"_s)));
            QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(u"250 linhas"_s));
            Ligacao l(QDir(pasta).filePath(GeradorDemo::nomeBaseDados()));
            QCOMPARE(l.conta(u"SELECT COUNT(*) FROM DOCGCLIN"_s), 250);
            QVERIFY(l.conta(u"SELECT COUNT(*) FROM DOCGCCAB WHERE DATA = ?"_s, {hojeSql()}) > 0);
        } else {
            QVERIFY(!p.readAllStandardError().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TesteDemo)
#include "tst_demo.moc"
