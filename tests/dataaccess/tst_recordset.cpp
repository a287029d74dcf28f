#include "CDataAccess.h"
#include "FalhaBD.h"
#include "QrxError.h"
#include "Recordset.h"

#include <QTest>

#include <functional>

using namespace qrx;

namespace {

qint32 numeroDoErro(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QrxError &e) {
        return e.origem() == QLatin1String("DataAccessAPI") ? e.numero() : -1;
    }
    return 0;
}

// The candidate list of a carrier window: fields appended, opened without connection.
Recordset lista()
{
    Recordset rs;
    rs.appendField(QStringLiteral("Sel"), QMetaType::Bool);
    rs.appendField(QStringLiteral("Tipo"), QMetaType::QString, 3);
    rs.appendField(QStringLiteral("Número"), QMetaType::Int);
    rs.appendField(QStringLiteral("Nome"), QMetaType::QString, 50);
    rs.appendField(QStringLiteral("NOME"), QMetaType::QString, 10);
    rs.open();
    for (int i = 1; i <= 4; ++i) {
        rs.addNew();
        rs.setValue(0, true);
        rs.setValue(QStringLiteral("tipo"), QStringLiteral("FT"));
        rs.setValue(2, i);
        rs.setValue(3, QStringLiteral("Cliente %1").arg(i));
        rs.setValue(4, QStringLiteral("segundo %1").arg(i));
        rs.update();
    }
    rs.moveFirst();
    return rs;
}

} // namespace

class TstRecordset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emMemoria();
    void vazioTemBofEEof();
    void nomesSemCaixaPrimeiroCampo();
    void acessoPorPosicao();
    void navegacao();
    void foraDosLimites_data();
    void foraDosLimites();
    void apagarDuranteOPercurso();
    void apagarAUltima();
    void cancelarEdicao();
    void cancelarNovo();
    void mudarDeLinhaTerminaAEdicao();
    void estadosEPendentes();
    void camposSoComORecordsetFechado();
    void moverMantemConteudo();
    void copia();
};

void TstRecordset::emMemoria()
{
    Recordset rs = lista();
    QVERIFY(rs.isOpen());
    QVERIFY(!rs.isConnected());
    QCOMPARE(rs.fonte(), QString());
    QCOMPARE(rs.lockType(), int(LT_BatchOptimistic));
    QCOMPARE(rs.fieldCount(), 5);
    QCOMPARE(rs.field(1).tamanho, 3);
    QCOMPARE(rs.field(2).tipo, QMetaType::Int);
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.absolutePosition(), 0);
    QCOMPARE(rs.value(2).toInt(), 1);
    rs.close();
    QVERIFY(!rs.isOpen());
    QCOMPARE(rs.recordCount(), 0);
}

void TstRecordset::vazioTemBofEEof()
{
    Recordset rs;
    rs.appendField(QStringLiteral("A"), QMetaType::Int);
    rs.open();
    QVERIFY(rs.bof());
    QVERIFY(rs.eof());
    QCOMPARE(rs.recordCount(), 0);
    QCOMPARE(rs.absolutePosition(), -1);
    rs.moveFirst();
    QVERIFY(rs.eof());
    QCOMPARE(numeroDoErro([&] { rs.value(0); }), numerosBD::SemRegistoActual);
    QCOMPARE(numeroDoErro([&] { rs.moveNext(); }), numerosBD::SemRegistoActual);
}

void TstRecordset::nomesSemCaixaPrimeiroCampo()
{
    Recordset rs = lista();
    QCOMPARE(rs.fieldIndex(QStringLiteral("nome")), 3);
    QCOMPARE(rs.fieldIndex(QStringLiteral("NOME")), 3);
    QCOMPARE(rs.fieldIndex(QStringLiteral("número")), 2);
    QCOMPARE(rs.fieldIndex(QStringLiteral("falta")), -1);
    QCOMPARE(rs.value(QStringLiteral("Nome")).toString(), QStringLiteral("Cliente 1"));
    QCOMPARE(numeroDoErro([&] { rs.value(QStringLiteral("falta")); }), numerosBD::CampoInexistente);
    QCOMPARE(numeroDoErro([&] { rs.setValue(QStringLiteral("falta"), 1); }), numerosBD::CampoInexistente);
}

void TstRecordset::acessoPorPosicao()
{
    Recordset rs = lista();
    // Two fields share a name: by position each keeps its own value.
    QCOMPARE(rs.value(3).toString(), QStringLiteral("Cliente 1"));
    QCOMPARE(rs.value(4).toString(), QStringLiteral("segundo 1"));
    QCOMPARE(rs.linha(2).at(4).toString(), QStringLiteral("segundo 3"));
    QCOMPARE(numeroDoErro([&] { rs.value(5); }), numerosBD::CampoInexistente);
    QCOMPARE(numeroDoErro([&] { rs.value(-1); }), numerosBD::CampoInexistente);
    QCOMPARE(numeroDoErro([&] { rs.linha(4); }), numerosBD::SemRegistoActual);
}

void TstRecordset::navegacao()
{
    Recordset rs = lista();
    QList<int> vistos;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        vistos.append(rs.value(2).toInt());
    QCOMPARE(vistos, (QList<int>{1, 2, 3, 4}));
    QVERIFY(rs.eof());
    QVERIFY(!rs.bof());
    QCOMPARE(rs.absolutePosition(), -1);

    vistos.clear();
    for (rs.moveLast(); !rs.bof(); rs.movePrevious())
        vistos.append(rs.value(2).toInt());
    QCOMPARE(vistos, (QList<int>{4, 3, 2, 1}));
    QVERIFY(rs.bof());
    rs.moveNext();
    QCOMPARE(rs.value(2).toInt(), 1);

    rs.move(2);
    QCOMPARE(rs.absolutePosition(), 2);
    rs.move(10);
    QVERIFY(rs.eof());
    rs.move(-3);
    QVERIFY(rs.bof());
}

void TstRecordset::foraDosLimites_data()
{
    QTest::addColumn<bool>("noFim");
    QTest::newRow("next at EOF") << true;
    QTest::newRow("previous at BOF") << false;
}

void TstRecordset::foraDosLimites()
{
    QFETCH(bool, noFim);
    Recordset rs = lista();
    if (noFim) {
        rs.moveLast();
        rs.moveNext();
        QCOMPARE(numeroDoErro([&] { rs.moveNext(); }), numerosBD::SemRegistoActual);
    } else {
        rs.moveFirst();
        rs.movePrevious();
        QCOMPARE(numeroDoErro([&] { rs.movePrevious(); }), numerosBD::SemRegistoActual);
    }
    QCOMPARE(numeroDoErro([&] { rs.value(0); }), numerosBD::SemRegistoActual);
    QCOMPARE(numeroDoErro([&] { rs.setValue(0, false); }), numerosBD::SemRegistoActual);
}

// Walking a list and deleting some rows, as a list is trimmed before it is shown: the row
// after a deleted one is not skipped.
void TstRecordset::apagarDuranteOPercurso()
{
    Recordset rs = lista();
    QList<int> vistos;
    rs.moveFirst();
    while (!rs.eof()) {
        const int numero = rs.value(2).toInt();
        vistos.append(numero);
        if (numero == 2 || numero == 3) {
            rs.deleteRecord();
            QCOMPARE(rs.estadoLinha(), Recordset::EstadoLinha::Apagada);
            QVERIFY(!rs.eof());
            QCOMPARE(numeroDoErro([&] { rs.value(2); }), numerosBD::SemRegistoActual);
        }
        rs.moveNext();
    }
    QCOMPARE(vistos, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(rs.recordCount(), 2);
    rs.moveFirst();
    QCOMPARE(rs.value(2).toInt(), 1);
    rs.moveNext();
    QCOMPARE(rs.value(2).toInt(), 4);
}

void TstRecordset::apagarAUltima()
{
    Recordset rs = lista();
    rs.moveLast();
    rs.deleteRecord();
    rs.movePrevious();
    QCOMPARE(rs.value(2).toInt(), 3);
    rs.moveLast();
    rs.deleteRecord();
    rs.moveNext();
    QVERIFY(rs.eof());
    QCOMPARE(rs.recordCount(), 2);
}

void TstRecordset::cancelarEdicao()
{
    Recordset rs = lista();
    rs.move(1);
    rs.setValue(3, QStringLiteral("mudado"));
    QVERIFY(rs.editando());
    QCOMPARE(rs.value(3).toString(), QStringLiteral("mudado"));
    rs.cancelUpdate();
    QVERIFY(!rs.editando());
    QCOMPARE(rs.value(3).toString(), QStringLiteral("Cliente 2"));
}

void TstRecordset::cancelarNovo()
{
    Recordset rs = lista();
    rs.move(1);
    rs.addNew();
    rs.setValue(2, 99);
    QCOMPARE(rs.recordCount(), 5);
    rs.cancelUpdate();
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.value(2).toInt(), 2);
}

void TstRecordset::mudarDeLinhaTerminaAEdicao()
{
    Recordset rs = lista();
    rs.setValue(0, false);
    rs.moveNext();
    QVERIFY(!rs.editando());
    rs.moveFirst();
    QCOMPARE(rs.value(0).toBool(), false);
}

void TstRecordset::estadosEPendentes()
{
    Recordset rs = lista();
    // Rows added to an in-memory list are new until written somewhere.
    QCOMPARE(rs.estadoLinha(), Recordset::EstadoLinha::Nova);
    QCOMPARE(rs.pendentes(), 4);
    rs.deleteRecord();
    QCOMPARE(rs.pendentes(), 3);  // a new row deleted leaves nothing to write
}

void TstRecordset::camposSoComORecordsetFechado()
{
    Recordset rs = lista();
    QCOMPARE(numeroDoErro([&] { rs.appendField(QStringLiteral("X"), QMetaType::Int); }), numerosBD::OperacaoInvalida);
    QCOMPARE(numeroDoErro([&] { rs.open(); }), numerosBD::OperacaoInvalida);
    Recordset vazio;
    QCOMPARE(numeroDoErro([&] { vazio.open(); }), numerosBD::OperacaoInvalida);
    QCOMPARE(numeroDoErro([&] { vazio.addNew(); }), numerosBD::SemLigacao);
}

void TstRecordset::moverMantemConteudo()
{
    Recordset a = lista();
    Recordset b(std::move(a));
    QCOMPARE(b.recordCount(), 4);
    QVERIFY(!a.isOpen());  // NOLINT: a moved-from recordset is closed and usable
    QCOMPARE(a.recordCount(), 0);
    Recordset c;
    c = std::move(b);
    QCOMPARE(c.recordCount(), 4);
}

void TstRecordset::copia()
{
    Recordset rs = lista();
    rs.move(2);
    Recordset c = rs.copia();
    QCOMPARE(c.absolutePosition(), 2);
    QCOMPARE(c.value(2).toInt(), 3);
    QCOMPARE(c.pendentes(), 0);
    c.setValue(3, QStringLiteral("só na cópia"));
    c.update();
    QCOMPARE(rs.value(3).toString(), QStringLiteral("Cliente 3"));
}

QTEST_GUILESS_MAIN(TstRecordset)
#include "tst_recordset.moc"
