#include "FalhaBD.h"

#include <QTest>

using namespace qrx;

class TstFalhaBD : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classifica_data();
    void classifica();
    void numeros_data();
    void numeros();
    void textoDaCaixa();
    void variasEntradas();
};

Q_DECLARE_METATYPE(QSqlError::ErrorType)
Q_DECLARE_METATYPE(Dialecto::Motor)
Q_DECLARE_METATYPE(TipoFalha)

void TstFalhaBD::classifica_data()
{
    QTest::addColumn<QSqlError::ErrorType>("tipo");
    QTest::addColumn<Dialecto::Motor>("motor");
    QTest::addColumn<QString>("nativo");
    QTest::addColumn<QStringList>("estados");
    QTest::addColumn<TipoFalha>("esperado");

    const auto SS = Dialecto::Motor::SQLServer;
    const auto SL = Dialecto::Motor::SQLite;
    const auto Perdida = TipoFalha::LigacaoPerdida;
    const auto Tempo = TipoFalha::TempoEsgotado;
    const auto Outra = TipoFalha::Outra;

    QTest::newRow("odbc 08S01 link failure") << QSqlError::StatementError << SS << "10054" << QStringList{"08S01"} << Perdida;
    QTest::newRow("odbc 08001 cannot connect") << QSqlError::StatementError << SS << "" << QStringList{"08001"} << Perdida;
    QTest::newRow("odbc 08003 not open") << QSqlError::StatementError << SS << "0" << QStringList{"08003"} << Perdida;
    QTest::newRow("odbc 08004 rejected") << QSqlError::StatementError << SS << "4060" << QStringList{"08004"} << Perdida;
    QTest::newRow("odbc 08007 during transaction") << QSqlError::TransactionError << SS << "" << QStringList{"08007"} << Perdida;
    QTest::newRow("odbc state lower case") << QSqlError::StatementError << SS << "" << QStringList{"08s01"} << Perdida;
    QTest::newRow("odbc HYT00 time-out") << QSqlError::StatementError << SS << "0" << QStringList{"HYT00"} << Tempo;
    QTest::newRow("odbc HYT01 connection time-out") << QSqlError::StatementError << SS << "0" << QStringList{"HYT01"} << Tempo;
    QTest::newRow("odbc 2 S1T00 time-out") << QSqlError::StatementError << SS << "0" << QStringList{"S1T00"} << Tempo;
    QTest::newRow("odbc state after another") << QSqlError::StatementError << SS << "" << QStringList{"01000", "08S01"} << Perdida;
    QTest::newRow("odbc syntax 42000") << QSqlError::StatementError << SS << "102" << QStringList{"42000"} << Outra;
    QTest::newRow("odbc constraint 23000") << QSqlError::StatementError << SS << "2627" << QStringList{"23000"} << Outra;
    QTest::newRow("odbc no states") << QSqlError::StatementError << SS << "" << QStringList{} << Outra;
    QTest::newRow("connection error without state") << QSqlError::ConnectionError << SS << "" << QStringList{} << Perdida;
    QTest::newRow("sqlite connection error") << QSqlError::ConnectionError << SL << "14" << QStringList{} << Perdida;
    QTest::newRow("sql server native 5 is not busy") << QSqlError::StatementError << SS << "5" << QStringList{"42000"} << Outra;
    QTest::newRow("sqlite busy") << QSqlError::StatementError << SL << "5" << QStringList{} << Tempo;
    QTest::newRow("sqlite locked") << QSqlError::StatementError << SL << "6" << QStringList{} << Tempo;
    QTest::newRow("sqlite busy recovery (extended)") << QSqlError::StatementError << SL << "261" << QStringList{} << Tempo;
    QTest::newRow("sqlite locked shared cache (extended)") << QSqlError::StatementError << SL << "262" << QStringList{} << Tempo;
    QTest::newRow("sqlite busy through odbc") << QSqlError::StatementError << SL << "5" << QStringList{"HY000"} << Tempo;
    QTest::newRow("sqlite io error") << QSqlError::StatementError << SL << "10" << QStringList{} << Perdida;
    QTest::newRow("sqlite cannot open") << QSqlError::StatementError << SL << "14" << QStringList{} << Perdida;
    QTest::newRow("sqlite syntax") << QSqlError::StatementError << SL << "1" << QStringList{} << Outra;
    QTest::newRow("sqlite constraint") << QSqlError::StatementError << SL << "19" << QStringList{} << Outra;
    QTest::newRow("sqlite not a database") << QSqlError::StatementError << SL << "26" << QStringList{} << Outra;
    QTest::newRow("sqlite code not a number") << QSqlError::StatementError << SL << "x" << QStringList{} << Outra;
}

void TstFalhaBD::classifica()
{
    QFETCH(QSqlError::ErrorType, tipo);
    QFETCH(Dialecto::Motor, motor);
    QFETCH(QString, nativo);
    QFETCH(QStringList, estados);
    QFETCH(TipoFalha, esperado);
    QCOMPARE(classificaFalha(tipo, motor, nativo, estados), esperado);
}

void TstFalhaBD::numeros_data()
{
    QTest::addColumn<TipoFalha>("tipo");
    QTest::addColumn<qint32>("numero");
    QTest::newRow("lost") << TipoFalha::LigacaoPerdida << qint32(0x80004005);
    QTest::newRow("time-out") << TipoFalha::TempoEsgotado << qint32(0x80040E31);
    QTest::newRow("other") << TipoFalha::Outra << qint32(0x80040E14);
}

void TstFalhaBD::numeros()
{
    QFETCH(TipoFalha, tipo);
    QFETCH(qint32, numero);
    QCOMPARE(numeroDaFalha(tipo), numero);
}

void TstFalhaBD::textoDaCaixa()
{
    const QString texto = textoErrosBD({{QStringLiteral("SQLite"), QStringLiteral("database is locked"),
                                         numerosBD::LigacaoPerdida}});
    QCOMPARE(texto, QStringLiteral("Origem:      SQLite\r\nDescrição:   database is locked\r\n"
                                   "Número:      -245755\r\n\r\n"));
    QCOMPARE(tituloErrosBD(), QStringLiteral("Problemas no acesso á Base de Dados"));
}

void TstFalhaBD::variasEntradas()
{
    const QString texto = textoErrosBD({{QStringLiteral("A"), QStringLiteral("um"), numerosBD::TempoEsgotado},
                                        {QStringLiteral("B"), QStringLiteral("dois"), numerosBD::ErroNaInstrucao}});
    QCOMPARE(texto, QStringLiteral("Origem:      A\r\nDescrição:   um\r\nNúmero:      3633\r\n\r\n"
                                   "Origem:      B\r\nDescrição:   dois\r\nNúmero:      3604\r\n\r\n"));
    QCOMPARE(textoErrosBD({}), QString());
}

QTEST_GUILESS_MAIN(TstFalhaBD)
#include "tst_falhabd.moc"
