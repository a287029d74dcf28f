#include "BaseTeste.h"
#include "CDataAccess.h"
#include "FalhaBD.h"
#include "QrxError.h"

#include <QSqlDatabase>
#include <QTest>

#include <functional>

using namespace qrx;
using qrx::testes::BaseTeste;

namespace {

QrxError erroDe(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QrxError &e) {
        return e;
    }
    return QrxError(0, QStringLiteral("(nenhum)"), QStringLiteral("no error was raised"));
}

const QString marcas = QStringLiteral("SELECT ANO, TIPODOC, SERIE, NDOC, CL20 FROM CLDOCGC ORDER BY NDOC");
const QString umaMarca = QStringLiteral(
    "SELECT CL20, ANO, TIPODOC, SERIE, NDOC FROM CLDOCGC WHERE ANO = ? AND TIPODOC = ? AND SERIE = ? AND NDOC = ?");

} // namespace

class TstGravacao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void desligadoEditavelEGravadoEmLote();
    void edicaoPorTerminarTambemEGravada();
    void identificaPelaChavePrimaria();
    void semChaveUsaTodosOsValoresComNulos();
    void linhaAlteradaEntretantoNadaFicaAMeio();
    void maisDeUmaLinhaEErro();
    void semTabelaBaseEErroClaro();
    void tabelaBaseIndicada();
    void tabelaBase_data();
    void tabelaBase();
    void putRecordsetSeparado();
    void dentroDaTransaccaoDoChamador();
    void ligadoGravaLogo();
    void ligadoApagaLogo();
    void ligadoChaveNumeradaPelaBase();
    void lockType0Vira4();
    void soLeituraRecusaAlteracoes();
    void ligacaoFechadaRecusaGravar();

private:
    std::unique_ptr<BaseTeste> m_base;
    std::unique_ptr<CDataAccess> m_bd;
};

void TstGravacao::init()
{
    m_base = std::make_unique<BaseTeste>();
    m_base->executa({
        QStringLiteral("INSERT INTO CLDOCGC VALUES (2024, 'FT', 1, 1, '01-03-2024', 'x')"),
        QStringLiteral("INSERT INTO CLDOCGC VALUES (2024, 'FT', 1, 2, '01-03-2024', 'x')"),
        QStringLiteral("INSERT INTO CLDOCGC VALUES (2024, 'FT', 1, 3, NULL, NULL)"),
    });
    m_bd = std::make_unique<CDataAccess>();
    m_bd->OpenConnection(m_base->textoLigacao());
}

void TstGravacao::cleanup()
{
    m_bd.reset();
    m_base.reset();
}

void TstGravacao::desligadoEditavelEGravadoEmLote()
{
    Recordset rs;
    QVERIFY(m_bd->GetRecordset(QString(), marcas, rs));
    QVERIFY(!rs.isConnected());
    QCOMPARE(rs.lockType(), int(LT_BatchOptimistic));
    QCOMPARE(rs.tabelaBase(), QStringLiteral("CLDOCGC"));
    QCOMPARE(rs.recordCount(), 3);

    rs.setValue(QStringLiteral("CL20"), QStringLiteral("05-03-2024"));
    rs.update();
    QCOMPARE(rs.estadoLinha(), Recordset::EstadoLinha::Modificada);
    rs.moveNext();
    rs.deleteRecord();
    rs.moveNext();
    rs.setValue(4, QStringLiteral("06-03-2024"));
    rs.update();
    rs.addNew();
    rs.setValue(0, 2024);
    rs.setValue(1, QStringLiteral("GR"));
    rs.setValue(2, 1);
    rs.setValue(3, 7);
    rs.update();
    QCOMPARE(rs.pendentes(), 4);

    const QStringList antes = m_base->linhas(marcas);
    QCOMPARE(antes.size(), 3);
    QCOMPARE(antes.first(), QStringLiteral("2024|FT|1|1|01-03-2024"));

    m_bd->reporContador();
    QVERIFY(m_bd->PutRecordset(QString(), rs));
    QCOMPARE(rs.pendentes(), 0);
    QCOMPARE(m_base->linhas(marcas), (QStringList{QStringLiteral("2024|FT|1|1|05-03-2024"),
                                                  QStringLiteral("2024|FT|1|3|06-03-2024"),
                                                  QStringLiteral("2024|GR|1|7|NULL")}));
    // One batch: key lookup, begin, four writes, commit.
    QCOMPARE(m_bd->NumeroInstrucoes(), 7);

    // Nothing pending: nothing is sent.
    m_bd->reporContador();
    QVERIFY(m_bd->PutRecordset(QString(), rs));
    QCOMPARE(m_bd->NumeroInstrucoes(), 0);
}

void TstGravacao::edicaoPorTerminarTambemEGravada()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), marcas, rs);
    rs.setValue(4, QStringLiteral("09-03-2024"));
    QVERIFY(rs.editando());
    m_bd->PutRecordset(QString(), rs);
    QVERIFY(!rs.editando());
    QCOMPARE(m_base->linhas(marcas).first(), QStringLiteral("2024|FT|1|1|09-03-2024"));
}

void TstGravacao::identificaPelaChavePrimaria()
{
    // Rows 1 and 2 have the same mark; the key tells them apart, and a changed CL21 in the
    // database does not matter to a key-found row.
    m_base->executa({QStringLiteral("UPDATE CLDOCGC SET CL21 = 'y' WHERE NDOC = 2")});
    Recordset rs;
    m_bd->GetRecordset(QString(), Instrucao(QStringLiteral("SELECT ANO, TIPODOC, SERIE, NDOC, CL20, CL21 FROM CLDOCGC "
                                                           "WHERE NDOC = ?"), {2}), rs);
    m_base->executa({QStringLiteral("UPDATE CLDOCGC SET CL21 = 'z' WHERE NDOC = 2")});
    rs.setValue(4, QStringLiteral("10-03-2024"));
    rs.update();
    m_bd->PutRecordset(QString(), rs);
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT NDOC, CL20 FROM CLDOCGC ORDER BY NDOC")),
             (QStringList{QStringLiteral("1|01-03-2024"), QStringLiteral("2|10-03-2024"), QStringLiteral("3|NULL")}));
}

void TstGravacao::semChaveUsaTodosOsValoresComNulos()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), "SELECT ANO, TPDOC, SERIE, NNUMDOC, PROCESSO FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC", rs);
    QCOMPARE(rs.tabelaBase(), QStringLiteral("DOCGCCAB"));
    // First row: PROCESSO is NULL; it is found by IS NULL.
    QVERIFY(rs.value(4).isNull());
    rs.setValue(4, QStringLiteral("P9"));
    rs.update();
    rs.moveNext();
    rs.setValue(4, QVariant());
    rs.update();
    m_bd->PutRecordset(QString(), rs);
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT TPDOC, NNUMDOC, PROCESSO FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC")),
             (QStringList{QStringLiteral("FT|1|P9"), QStringLiteral("FT|2|NULL"), QStringLiteral("GR|1|NULL")}));
}

void TstGravacao::linhaAlteradaEntretantoNadaFicaAMeio()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), "SELECT ANO, TPDOC, SERIE, NNUMDOC, TERCEIRO FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC", rs);
    rs.setValue(4, QStringLiteral("A"));
    rs.moveNext();
    rs.setValue(4, QStringLiteral("B"));
    rs.update();
    // Someone else changes the second row after it was read.
    m_base->executa({QStringLiteral("UPDATE DOCGCCAB SET TERCEIRO = 'outro' WHERE TPDOC = 'FT' AND NNUMDOC = 2")});

    const QrxError e = erroDe([&] { m_bd->PutRecordset(QString(), rs); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.numero(), numerosBD::LinhaNaoEncontrada);
    QVERIFY2(e.descricao().contains(QLatin1String("DOCGCCAB")), qPrintable(e.descricao()));
    // The first change was rolled back with the second; the recordset still holds both.
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT TERCEIRO FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC")),
             (QStringList{QStringLiteral("0001"), QStringLiteral("outro"), QStringLiteral("0001")}));
    QCOMPARE(rs.pendentes(), 2);
    QVERIFY(!m_bd->IsInTransaction());

    // Once the row is as it was read, the same batch goes through.
    m_base->executa({QStringLiteral("UPDATE DOCGCCAB SET TERCEIRO = '0002' WHERE TPDOC = 'FT' AND NNUMDOC = 2")});
    m_bd->PutRecordset(QString(), rs);
    QCOMPARE(rs.pendentes(), 0);
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT TERCEIRO FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC")),
             (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("0001")}));
}

void TstGravacao::maisDeUmaLinhaEErro()
{
    m_base->executa({QStringLiteral("INSERT INTO DOCGCCAB SELECT * FROM DOCGCCAB WHERE TPDOC = 'GR'")});
    Recordset rs;
    m_bd->GetRecordset(QString(), "SELECT TPDOC, NNUMDOC, TERCEIRO FROM DOCGCCAB WHERE TPDOC = 'GR'", rs);
    QCOMPARE(rs.recordCount(), 2);
    rs.setValue(2, QStringLiteral("novo"));
    rs.update();
    const QrxError e = erroDe([&] { m_bd->PutRecordset(QString(), rs); });
    QCOMPARE(e.numero(), numerosBD::LinhaNaoEncontrada);
    QVERIFY2(e.descricao().contains(QLatin1String("DOCGCCAB")) && e.descricao().contains(QLatin1String("2 linhas")),
             qPrintable(e.descricao()));
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT TERCEIRO FROM DOCGCCAB WHERE TPDOC = 'GR'")),
             (QStringList{QStringLiteral("0001"), QStringLiteral("0001")}));
}

void TstGravacao::semTabelaBaseEErroClaro()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), "SELECT C.NNUMDOC, T.NOME FROM DOCGCCAB C JOIN TERCVDI T ON T.NUMDOC = C.NNUMDOC "
                                  "AND T.TPDOC = C.TPDOC ORDER BY C.NNUMDOC", rs);
    QCOMPARE(rs.tabelaBase(), QString());
    QCOMPARE(rs.field(0).tabelaBase, QStringLiteral("DOCGCCAB"));
    QCOMPARE(rs.field(1).tabelaBase, QStringLiteral("TERCVDI"));
    // Editing in memory is allowed (lists do it); saving is not.
    rs.setValue(1, QStringLiteral("mudado"));
    rs.update();
    const QrxError e = erroDe([&] { m_bd->PutRecordset(QString(), rs); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.numero(), numerosBD::OperacaoInvalida);
    QVERIFY2(e.descricao().contains(QLatin1String("tabela base")), qPrintable(e.descricao()));
    QCOMPARE(rs.pendentes(), 1);

    Recordset memoria;
    memoria.appendField(QStringLiteral("A"), QMetaType::Int);
    memoria.open();
    memoria.addNew();
    memoria.setValue(0, 1);
    memoria.update();
    QCOMPARE(erroDe([&] { m_bd->PutRecordset(QString(), memoria); }).numero(), numerosBD::OperacaoInvalida);
}

void TstGravacao::tabelaBaseIndicada()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), "SELECT C.TPDOC, C.NNUMDOC, C.PROCESSO, T.NOME FROM DOCGCCAB C JOIN TERCVDI T "
                                  "ON T.NUMDOC = C.NNUMDOC AND T.TPDOC = C.TPDOC ORDER BY C.NNUMDOC", rs);
    rs.setTabelaBase(QStringLiteral("DOCGCCAB"));
    rs.setValue(2, QStringLiteral("P7"));
    rs.update();
    m_bd->PutRecordset(QString(), rs);
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT PROCESSO FROM DOCGCCAB WHERE TPDOC = 'FT' AND NNUMDOC = 1")),
             QStringList{QStringLiteral("P7")});

    // A field of the other table cannot be written to this one.
    rs.setValue(3, QStringLiteral("outro nome"));
    rs.update();
    const QrxError e = erroDe([&] { m_bd->PutRecordset(QString(), rs); });
    QVERIFY2(e.descricao().contains(QLatin1String("NOME")) && e.descricao().contains(QLatin1String("DOCGCCAB")),
             qPrintable(e.descricao()));
}

void TstGravacao::tabelaBase_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::addColumn<QString>("tabela");
    QTest::newRow("driver names it") << "SELECT NOME FROM EMPRESA" << "EMPRESA";
    QTest::newRow("computed, single FROM") << "SELECT COUNT(*) AS N FROM DOCGCCAB WHERE ANO > 0" << "DOCGCCAB";
    QTest::newRow("computed, quoted") << "SELECT 1 AS N FROM \"DOCGCCAB\"" << "DOCGCCAB";
    QTest::newRow("no FROM") << "SELECT 1 AS X" << "";
    QTest::newRow("two tables with comma") << "SELECT 1 + 1 AS X FROM DOCGCCAB, TERCVDI" << "";
    QTest::newRow("subquery") << "SELECT COUNT(*) AS N FROM DOCGCCAB WHERE NNUMDOC IN (SELECT NUMDOC FROM TERCVDI)" << "";
    QTest::newRow("join") << "SELECT C.ANO + 0 AS A FROM DOCGCCAB C JOIN TERCVDI T ON T.ANO = C.ANO" << "";
}

void TstGravacao::tabelaBase()
{
    QFETCH(QString, consulta);
    QFETCH(QString, tabela);
    Recordset rs;
    m_bd->GetRecordset(QString(), consulta, rs);
    QCOMPARE(rs.tabelaBase(), tabela);
}

void TstGravacao::putRecordsetSeparado()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), marcas, rs);
    m_bd->CloseConnection();
    rs.setValue(4, QStringLiteral("11-03-2024"));
    rs.update();
    const QStringList antes = QSqlDatabase::connectionNames();
    QVERIFY(m_bd->PutRecordset(m_base->textoLigacao(), rs));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    QCOMPARE(m_base->linhas(marcas).first(), QStringLiteral("2024|FT|1|1|11-03-2024"));
}

void TstGravacao::dentroDaTransaccaoDoChamador()
{
    Recordset rs;
    m_bd->GetRecordset(QString(), marcas, rs);
    rs.setValue(4, QStringLiteral("12-03-2024"));
    rs.moveNext();
    rs.setValue(4, QStringLiteral("12-03-2024"));
    rs.update();
    m_base->executa({QStringLiteral("UPDATE CLDOCGC SET ANO = 2023 WHERE NDOC = 2")});  // the 2nd row is gone

    m_bd->BeginTrans();
    m_bd->ExecQuery(QString(), "UPDATE CLDOCGC SET CL21 = 'antes' WHERE NDOC = 3");
    QVERIFY_THROWS_EXCEPTION(QrxError, m_bd->PutRecordset(QString(), rs));
    // Only the batch was undone: the caller's transaction and its own work go on.
    QVERIFY(m_bd->IsInTransaction());
    m_bd->CommitTrans();
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT NDOC, CL20, CL21 FROM CLDOCGC ORDER BY NDOC")),
             (QStringList{QStringLiteral("1|01-03-2024|x"), QStringLiteral("2|01-03-2024|x"),
                          QStringLiteral("3|NULL|antes")}));

    // A batch that succeeds inside a transaction the caller then rolls back leaves nothing.
    Recordset outro;
    m_bd->GetRecordset(QString(), marcas, outro);
    outro.setValue(4, QStringLiteral("13-03-2024"));
    outro.update();
    m_bd->BeginTrans();
    m_bd->PutRecordset(QString(), outro);
    m_bd->RollbackTrans();
    QCOMPARE(m_base->linhas(marcas).first(), QStringLiteral("2024|FT|1|1|01-03-2024"));
}

// The sent mark: open the document's row connected, add it when missing, set the date, update.
void TstGravacao::ligadoGravaLogo()
{
    const QVariantList chave{2024, QStringLiteral("FT"), 1, 8};
    Recordset rs;
    QVERIFY(m_bd->GetConnectedRecordset(Instrucao(umaMarca, chave), rs));
    QVERIFY(rs.isConnected());
    QCOMPARE(rs.lockType(), int(LT_Optimistic));
    QVERIFY(rs.eof());
    rs.addNew();
    rs.setValue(QStringLiteral("ANO"), chave[0]);
    rs.setValue(QStringLiteral("TIPODOC"), chave[1]);
    rs.setValue(QStringLiteral("SERIE"), chave[2]);
    rs.setValue(QStringLiteral("NDOC"), chave[3]);
    rs.setValue(0, QStringLiteral("14-03-2024"));
    rs.update();
    QCOMPARE(rs.pendentes(), 0);
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT CL20 FROM CLDOCGC WHERE NDOC = 8")), QStringList{QStringLiteral("14-03-2024")});
    QVERIFY(m_bd->DisconnectRecordset(rs));
    QVERIFY(!rs.isOpen());

    m_bd->GetConnectedRecordset(Instrucao(umaMarca, chave), rs);
    QCOMPARE(rs.recordCount(), 1);
    rs.setValue(0, QStringLiteral("15-03-2024"));
    rs.update();
    // The same row can be written again from the same recordset.
    rs.setValue(0, QStringLiteral("16-03-2024"));
    rs.update();
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT CL20 FROM CLDOCGC WHERE NDOC = 8")), QStringList{QStringLiteral("16-03-2024")});
    rs.close();
}

void TstGravacao::ligadoApagaLogo()
{
    Recordset rs;
    m_bd->GetConnectedRecordset(Instrucao(umaMarca, {2024, QStringLiteral("FT"), 1, 3}), rs);
    rs.deleteRecord();
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT COUNT(*) FROM CLDOCGC WHERE NDOC = 3")), QStringList{QStringLiteral("0")});
    QCOMPARE(rs.pendentes(), 0);
}

void TstGravacao::ligadoChaveNumeradaPelaBase()
{
    Recordset rs;
    m_bd->GetConnectedRecordset("SELECT CODIGO, DESCRICAO FROM ARTIGOS", rs);
    rs.addNew();
    rs.setValue(1, QStringLiteral("Parafuso"));
    rs.update();
    QVERIFY(!rs.value(0).isNull());
    const int codigo = rs.value(0).toInt();
    rs.setValue(1, QStringLiteral("Parafuso M8"));
    rs.update();
    QCOMPARE(m_base->linhas(QStringLiteral("SELECT CODIGO, DESCRICAO FROM ARTIGOS")),
             QStringList{QString::number(codigo) + QStringLiteral("|Parafuso M8")});
}

void TstGravacao::lockType0Vira4()
{
    Recordset rs;
    m_bd->GetConnectedRecordset(marcas, rs, LOCKTYPES(0));
    QCOMPARE(rs.lockType(), int(LT_BatchOptimistic));
    QVERIFY(rs.isConnected());
    // Batch-optimistic keeps the change until the batch is sent.
    rs.setValue(4, QStringLiteral("17-03-2024"));
    rs.update();
    QCOMPARE(rs.pendentes(), 1);
    QCOMPARE(m_base->linhas(marcas).first(), QStringLiteral("2024|FT|1|1|01-03-2024"));
    m_bd->PutRecordset(QString(), rs);
    QCOMPARE(m_base->linhas(marcas).first(), QStringLiteral("2024|FT|1|1|17-03-2024"));
}

void TstGravacao::soLeituraRecusaAlteracoes()
{
    Recordset rs;
    m_bd->GetConnectedRecordset(marcas, rs, LT_ReadOnly);
    QCOMPARE(rs.lockType(), int(LT_ReadOnly));
    QCOMPARE(rs.value(3).toInt(), 1);
    const QrxError e = erroDe([&] { rs.setValue(4, QStringLiteral("x")); });
    QCOMPARE(e.numero(), numerosBD::SoLeitura);
    QVERIFY2(e.descricao().contains(QStringLiteral("só de leitura")), qPrintable(e.descricao()));
    QCOMPARE(erroDe([&] { rs.addNew(); }).numero(), numerosBD::SoLeitura);
    QCOMPARE(erroDe([&] { rs.deleteRecord(); }).numero(), numerosBD::SoLeitura);
    QCOMPARE(m_base->linhas(marcas).size(), 3);
}

void TstGravacao::ligacaoFechadaRecusaGravar()
{
    Recordset rs;
    m_bd->GetConnectedRecordset(marcas, rs);
    m_bd->CloseConnection();
    QVERIFY(!rs.isConnected());
    rs.setValue(4, QStringLiteral("18-03-2024"));
    const QrxError e = erroDe([&] { rs.update(); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.numero(), numerosBD::SemLigacao);
    rs.cancelUpdate();
    QCOMPARE(rs.value(4).toString(), QStringLiteral("01-03-2024"));
}

QTEST_GUILESS_MAIN(TstGravacao)
#include "tst_gravacao.moc"
