#include "AjudaTestes.h"
#include "Currency.h"
#include "FormatoNumero.h"
#include "QrxError.h"
#include "TextoNumero.h"
#include "Variante.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTest>
#include <QVariant>

#include <limits>

using qrx::Currency;
using qrx::testes::numeroErro;

namespace {

// pt_PT groups thousands with a no-break space.
const QString NB(QChar(0x00A0));

} // namespace

class TesteNumero : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("pt_PT"))); }

    void textoDouble_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("pt_PT 12.5") << "pt_PT" << 12.5 << "12,5";
        QTest::newRow("pt_PT 0.1+0.2") << "pt_PT" << 0.1 + 0.2 << "0,3";
        QTest::newRow("pt_PT negativo") << "pt_PT" << -3.25 << "-3,25";
        QTest::newRow("pt_PT inteiro") << "pt_PT" << 100.0 << "100";
        QTest::newRow("pt_PT sem agrupamento") << "pt_PT" << 1234567.5 << "1234567,5";
        QTest::newRow("pt_PT 15 digitos") << "pt_PT" << 123456789012345.0 << "123456789012345";
        QTest::newRow("pt_PT 1E+15") << "pt_PT" << 1e15 << "1E+15";
        QTest::newRow("pt_PT 16 digitos") << "pt_PT" << 1234567890123456.0 << "1,23456789012346E+15";
        QTest::newRow("pt_PT 0.0001") << "pt_PT" << 0.0001 << "0,0001";
        QTest::newRow("pt_PT 1E-05") << "pt_PT" << 0.00001 << "1E-05";
        QTest::newRow("pt_PT 1,5E-05") << "pt_PT" << 0.000015 << "1,5E-05";
        QTest::newRow("pt_PT expoente de 3 digitos") << "pt_PT" << 1e-100 << "1E-100";
        QTest::newRow("pt_PT zero negativo") << "pt_PT" << -0.0 << "0";
        QTest::newRow("pt_PT um terco") << "pt_PT" << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("pt_PT dois tercos") << "pt_PT" << 2.0 / 3 << "0,666666666666667";
        QTest::newRow("es_ES 12.5") << "es_ES" << 12.5 << "12,5";
        QTest::newRow("es_ES sem agrupamento") << "es_ES" << 1234567.5 << "1234567,5";
        QTest::newRow("en_US 12.5") << "en_US" << 12.5 << "12.5";
        QTest::newRow("en_US sem agrupamento") << "en_US" << 1234567.5 << "1234567.5";
        QTest::newRow("en_US 1,5E-05") << "en_US" << -0.000015 << "-1.5E-05";
    }
    void textoDouble()
    {
        QFETCH(QString, locale);
        QFETCH(double, valor);
        QFETCH(QString, esperado);
        QCOMPARE(qrx::textoNumero(valor, QLocale(locale)), esperado);
    }

    void textoOutrosTipos()
    {
        QCOMPARE(qrx::textoNumero(12.5), QStringLiteral("12,5")); // default locale
        QCOMPARE(qrx::textoNumero(0.1f), QStringLiteral("0,1"));
        QCOMPARE(qrx::textoNumero(1.0f / 3), QStringLiteral("0,3333333"));
        QCOMPARE(qrx::textoNumero(12345678.0f), QStringLiteral("1,234568E+07"));
        QCOMPARE(qrx::textoNumero(Currency(12.5)), QStringLiteral("12,5"));
        QCOMPARE(qrx::textoNumero(Currency(100)), QStringLiteral("100"));
        QCOMPARE(qrx::textoNumero(Currency()), QStringLiteral("0"));
        QCOMPARE(qrx::textoNumero(Currency(-0.0001)), QStringLiteral("-0,0001"));
        QCOMPARE(qrx::textoNumero(Currency::maximo()), QStringLiteral("922337203685477,5807"));
        QCOMPARE(qrx::textoNumero(Currency(12.5), QLocale(QStringLiteral("en_US"))), QStringLiteral("12.5"));
        QCOMPARE(qrx::textoNumero(12), QStringLiteral("12"));
        QCOMPARE(qrx::textoNumero(qint16(-5)), QStringLiteral("-5"));
        QCOMPARE(qrx::textoNumero(std::numeric_limits<quint64>::max()),
                 QStringLiteral("18446744073709551615"));
    }

    void leNumero_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("numerico");
        QTest::addColumn<QString>("valor"); // C form
        QTest::newRow("pt_PT virgula") << "pt_PT" << "12,5" << true << "12.5";
        QTest::newRow("pt_PT brancos") << "pt_PT" << "  12,5 \t" << true << "12.5";
        QTest::newRow("pt_PT mais") << "pt_PT" << "+12,5" << true << "12.5";
        QTest::newRow("pt_PT menos") << "pt_PT" << "-12,5" << true << "-12.5";
        QTest::newRow("pt_PT grupo nbsp") << "pt_PT" << QStringLiteral("1\u00a0234,5") << true << "1234.5";
        QTest::newRow("pt_PT grupo espaco") << "pt_PT" << "1 234 567" << true << "1234567";
        QTest::newRow("pt_PT grupo errado") << "pt_PT" << "12 34" << false << "";
        QTest::newRow("pt_PT grupo curto") << "pt_PT" << "1 23" << false << "";
        QTest::newRow("pt_PT so decimais") << "pt_PT" << ",5" << true << "0.5";
        QTest::newRow("pt_PT virgula final") << "pt_PT" << "5," << true << "5";
        QTest::newRow("pt_PT ponto decimal") << "pt_PT" << "12.5" << true << "12.5";
        QTest::newRow("pt_PT ponto nao agrupa") << "pt_PT" << "1.234" << true << "1.234";
        QTest::newRow("pt_PT ponto e virgula") << "pt_PT" << "1.234,5" << false << "";
        QTest::newRow("pt_PT expoente") << "pt_PT" << "1,5E3" << true << "1500";
        QTest::newRow("pt_PT expoente negativo") << "pt_PT" << "25e-2" << true << "0.25";
        QTest::newRow("pt_PT expoente incompleto") << "pt_PT" << "1E" << false << "";
        QTest::newRow("pt_PT letras") << "pt_PT" << "abc" << false << "";
        QTest::newRow("pt_PT numero e letra") << "pt_PT" << "12a" << false << "";
        QTest::newRow("pt_PT vazio") << "pt_PT" << "" << false << "";
        QTest::newRow("pt_PT so brancos") << "pt_PT" << "   " << false << "";
        QTest::newRow("pt_PT so sinal") << "pt_PT" << "-" << false << "";
        QTest::newRow("pt_PT so virgula") << "pt_PT" << "," << false << "";
        QTest::newRow("pt_PT duas virgulas") << "pt_PT" << "1,2,3" << false << "";
        QTest::newRow("pt_PT zeros") << "pt_PT" << "000,000" << true << "0";
        QTest::newRow("es_ES virgula") << "es_ES" << "12,5" << true << "12.5";
        QTest::newRow("es_ES grupos") << "es_ES" << "1.234,5" << true << "1234.5";
        QTest::newRow("es_ES 12.5 nao e numero") << "es_ES" << "12.5" << false << "";
        QTest::newRow("es_ES milhar") << "es_ES" << "1.234" << true << "1234";
        QTest::newRow("es_ES grupo longo") << "es_ES" << "1.2345" << false << "";
        QTest::newRow("en_US ponto") << "en_US" << "12.5" << true << "12.5";
        QTest::newRow("en_US grupos") << "en_US" << "1,234,567.25" << true << "1234567.25";
        QTest::newRow("en_US 12,5 nao e numero") << "en_US" << "12,5" << false << "";
    }
    void leNumero()
    {
        QFETCH(QString, locale);
        QFETCH(QString, texto);
        QFETCH(bool, numerico);
        QFETCH(QString, valor);
        const auto lido = qrx::leNumero(texto, QLocale(locale));
        QCOMPARE(lido.has_value(), numerico);
        if (numerico)
            QCOMPARE(QString::fromLatin1(lido->textoC()), valor);
        QCOMPARE(qrx::eNumerico(QVariant(texto), QLocale(locale)), numerico);
    }

    void eNumericoVariantes_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<bool>("numerico");
        QTest::newRow("vazio") << QVariant() << true;
        QTest::newRow("nulo") << QVariant(QMetaType::fromType<double>()) << false;
        QTest::newRow("texto nulo") << QVariant(QMetaType::fromType<QString>()) << false;
        QTest::newRow("booleano") << QVariant(true) << true;
        QTest::newRow("inteiro") << QVariant(12) << true;
        QTest::newRow("double") << QVariant(12.5) << true;
        QTest::newRow("currency") << QVariant::fromValue(Currency(1)) << true;
        QTest::newRow("texto numerico") << QVariant(QStringLiteral("12,5")) << true;
        QTest::newRow("texto vazio") << QVariant(QString()) << false;
        QTest::newRow("bytes numericos") << QVariant(QByteArray("12,5")) << true;
        QTest::newRow("data") << QVariant(QDate(2024, 3, 7)) << false;
        QTest::newRow("lista") << QVariant(QVariantList{1, 2}) << false;
    }
    void eNumericoVariantes()
    {
        QFETCH(QVariant, valor);
        QFETCH(bool, numerico);
        QCOMPARE(qrx::eNumerico(valor), numerico);
    }

    void paraDouble_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("texto") << QVariant(QStringLiteral("12,5")) << 12.5 << 0;
        QTest::newRow("vazio") << QVariant() << 0.0 << 0;
        QTest::newRow("verdadeiro") << QVariant(true) << -1.0 << 0;
        QTest::newRow("falso") << QVariant(false) << 0.0 << 0;
        QTest::newRow("inteiro") << QVariant(qlonglong(-7)) << -7.0 << 0;
        QTest::newRow("float") << QVariant(0.1f) << double(0.1f) << 0;
        QTest::newRow("currency") << QVariant::fromValue(Currency(2.5)) << 2.5 << 0;
        QTest::newRow("data") << QVariant(QDate(1900, 1, 1)) << 2.0 << 0;
        QTest::newRow("hora do dia zero") << QVariant(QDateTime(QDate(1899, 12, 30), QTime(18, 0))) << 0.75 << 0;
        QTest::newRow("antes do dia zero") << QVariant(QDateTime(QDate(1899, 12, 29), QTime(6, 0))) << -1.25 << 0;
        QTest::newRow("nulo") << QVariant(QMetaType::fromType<int>()) << 0.0 << qrx::erros::UsoInvalidoNulo;
        QTest::newRow("letras") << QVariant(QStringLiteral("abc")) << 0.0 << qrx::erros::ValorInvalido;
        QTest::newRow("texto vazio") << QVariant(QString()) << 0.0 << qrx::erros::ValorInvalido;
        QTest::newRow("fora do alcance") << QVariant(QStringLiteral("1E400")) << 0.0 << qrx::erros::Overflow;
        QTest::newRow("lista") << QVariant(QVariantList{1}) << 0.0 << qrx::erros::ValorInvalido;
    }
    void paraDouble()
    {
        QFETCH(QVariant, valor);
        QFETCH(double, esperado);
        QFETCH(qint32, erro);
        double d = 0;
        QCOMPARE(numeroErro([&] { d = qrx::paraDouble(valor); }), erro);
        if (erro == 0)
            QCOMPARE(d, esperado);
    }

    void paraCurrency_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<qint64>("unidades");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("double sem ruido") << QVariant(0.1 + 0.2) << qint64(3000) << 0;
        QTest::newRow("float pelo seu texto") << QVariant(0.1f) << qint64(1000) << 0;
        QTest::newRow("texto meio para par") << QVariant(QStringLiteral("0,12345")) << qint64(1234) << 0;
        QTest::newRow("inteiro") << QVariant(5) << qint64(50000) << 0;
        QTest::newRow("verdadeiro") << QVariant(true) << qint64(-10000) << 0;
        QTest::newRow("currency") << QVariant::fromValue(Currency(1.5)) << qint64(15000) << 0;
        QTest::newRow("vazio") << QVariant() << qint64(0) << 0;
        QTest::newRow("sem sinal grande") << QVariant(std::numeric_limits<qulonglong>::max()) << qint64(0)
                                          << qrx::erros::Overflow;
        QTest::newRow("nulo") << QVariant(QMetaType::fromType<double>()) << qint64(0)
                              << qrx::erros::UsoInvalidoNulo;
        QTest::newRow("letras") << QVariant(QStringLiteral("x")) << qint64(0) << qrx::erros::ValorInvalido;
    }
    void paraCurrency()
    {
        QFETCH(QVariant, valor);
        QFETCH(qint64, unidades);
        QFETCH(qint32, erro);
        Currency c;
        QCOMPARE(numeroErro([&] { c = qrx::paraCurrency(valor); }), erro);
        if (erro == 0)
            QCOMPARE(c.unidades(), unidades);
    }

    void formata_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("esperado");
        // Every row is also run with the value as Currency when it fits one exactly.
        auto pt = [](const char *padrao, const char *nome, double valor, const QString &esperado) {
            QTest::addRow("pt_PT %s %s", padrao, nome) << "pt_PT" << QString::fromLatin1(padrao) << valor << esperado;
        };
        pt("#####0.#0", "50", 50, "50,00");
        pt("#####0.#0", "50.5", 50.5, "50,50");
        pt("#####0.#0", "50.05", 50.05, "50,05");
        pt("#####0.#0", "0", 0, "0,00");
        pt("#####0.#0", "1", 1, "1,00");
        pt("#####0.#0", "12.345", 12.345, "12,35");
        pt("#####0.#0", "2.675", 2.675, "2,68");
        pt("#####0.#0", "grande", 1234567.891, "1234567,89");
        pt("#####0.#0", "negativo", -2.5, "-2,50");
        pt("#####0.#0", "zero negativo", -0.004, "0,00");
        pt("###,###.##", "milhoes", 1234567.891, "1" + NB + "234" + NB + "567,89");
        pt("###,###.##", "12.5", 12.5, "12,5");
        pt("###,###.##", "mil", 1000, "1" + NB + "000,");
        pt("###,###.##", "arredonda para mil", 999.999, "1" + NB + "000,");
        pt("###,###.##", "0", 0, ",");
        pt("######0.00", "12.5", 12.5, "12,50");
        pt("######0.00", "0", 0, "0,00");
        pt("######0.00", "0.125", 0.125, "0,13");
        pt("######0.00", "-1.005", -1.005, "-1,01");
        pt("######0.00", "sem agrupamento", 1234567, "1234567,00");
        pt("######.##", "12.5", 12.5, "12,5");
        pt("######.##", "250.5", 250.5, "250,5");
        pt("######.##", "5", 5, "5,");
        pt("######.##", "0", 0, ",");
        pt("######.##", "0.25", 0.25, ",25");
        pt("########.00", "12.5", 12.5, "12,50");
        pt("########.00", "0.5", 0.5, ",50");
        pt("########.00", "0", 0, ",00");
        pt("########.00", "mais digitos", 123456789.125, "123456789,13");
        pt("##0.00", "2.5", 2.5, "2,50");
        pt("##0.00", "0", 0, "0,00");
        pt("##0.00", "1234.5", 1234.5, "1234,50");
        pt("#####", "12345", 12345, "12345");
        pt("#####", "0", 0, "");
        pt("#####", "12.5", 12.5, "13");
        pt("#####", "2.5", 2.5, "3");
        pt("#####", "-2.5", -2.5, "-3");
        pt("#####", "mais digitos", 123456, "123456");
        pt("######", "0", 0, "");
        pt("######", "5", 5, "5");
        pt("###", "45", 45, "45");
        pt("###", "0", 0, "");
        pt("###", "99.5", 99.5, "100");
        pt("###,###", "1234", 1234, "1" + NB + "234");
        pt("###,###", "999", 999, "999");
        pt("###,###", "0", 0, "");
        pt("###,###", "milhoes", 1234567, "1" + NB + "234" + NB + "567");
        pt("###,###,###,###", "mil milhoes", 1234567890, "1" + NB + "234" + NB + "567" + NB + "890");
        pt("###,###,###,###", "0", 0, "");
        pt("###,##0.00", "0", 0, "0,00");
        pt("###,##0.00", "0.5", 0.5, "0,50");
        pt("###,##0.00", "1234.5", 1234.5, "1" + NB + "234,50");
        pt("###,##0.00", "negativo", -1234.5, "-1" + NB + "234,50");
        pt("###,###,##0.00", "milhoes", 1234567.891, "1" + NB + "234" + NB + "567,89");
        pt("###,###,##0.00", "2", 2, "2,00");
        pt("####.00", "12.345", 12.345, "12,35");
        pt("####.00", "0", 0, ",00");
        pt("####.00", "1.995", 1.995, "2,00");
        pt("0.00", "2", 2048.0 / 1024, "2,00");
        pt("0.00", "0.005", 0.005, "0,01");
        pt("00", "5", 5, "05");
        pt("00", "45.5", 45.5, "46");
        pt("00", "100", 100, "100");
        pt("00", "0", 0, "00");
        pt("000", "5", 5, "005");
        pt("0000", "7", 7, "0007");
        pt("0000", "12345", 12345, "12345");
        pt("", "geral", 12.5, "12,5");
        pt("", "geral grande", 1e15, "1E+15");
        pt("0.00;(0.00);\"zero\"", "positivo", 5, "5,00");
        pt("0.00;(0.00);\"zero\"", "negativo", -5, "(5,00)");
        pt("0.00;(0.00);\"zero\"", "zero", 0, "zero");
        pt("0;;", "negativo sem seccao", -5, "-5");
        pt("0;;", "zero sem seccao", 0, "0");
        pt("\"R$ \"0.00", "literal entre aspas", 12.5, "R$ 12,50");
        pt("0 \\k\\g", "escapes", 12, "12 kg");
        pt("#-##", "literal entre lugares", 12345, "123-45");
        pt("0%", "percentagem", 0.5, "50%");
        pt("0.0%", "percentagem decimal", 0.1234, "12,3%");
        pt("#,##0,", "milhares", 1234567, "1" + NB + "235");
        pt("0", "muito grande", 1e20, "100000000000000000000");
        pt(".00", "sem lugares inteiros", 12.5, "12,50");
        QTest::newRow("es_ES ###,###.##") << "es_ES" << "###,###.##" << 1234567.891 << "1.234.567,89";
        QTest::newRow("es_ES ######0.00") << "es_ES" << "######0.00" << 12.5 << "12,50";
        QTest::newRow("es_ES #####0.#0") << "es_ES" << "#####0.#0" << 50.0 << "50,00";
        QTest::newRow("es_ES ######.##") << "es_ES" << "######.##" << 5.0 << "5,";
        QTest::newRow("en_US ###,###.##") << "en_US" << "###,###.##" << 1234567.891 << "1,234,567.89";
        QTest::newRow("en_US #.##") << "en_US" << "#.##" << 5.0 << "5.";
        QTest::newRow("en_US ######.00") << "en_US" << "######.00" << 0.5 << ".50";
        QTest::newRow("en_US #####0.#0") << "en_US" << "#####0.#0" << 50.0 << "50.00";
        QTest::newRow("en_US ###,##0.00") << "en_US" << "###,##0.00" << 0.0 << "0.00";
        QTest::newRow("en_US ###,###") << "en_US" << "###,###" << 1234.0 << "1,234";
    }
    void formata()
    {
        QFETCH(QString, locale);
        QFETCH(QString, padrao);
        QFETCH(double, valor);
        QFETCH(QString, esperado);
        const QLocale l(locale);
        QCOMPARE(qrx::formataNumero(valor, padrao, l), esperado);
        const bool cabe = std::abs(valor) < 1e14 && Currency(valor).paraDouble() == valor;
        if (cabe && !padrao.isEmpty())
            QCOMPARE(qrx::formataNumero(Currency(valor), padrao, l), esperado);
    }

    void formataUsaLocalePorOmissao()
    {
        QCOMPARE(qrx::formataNumero(12.5, QStringLiteral("######0.00")), QStringLiteral("12,50"));
    }

    void formataCurrencyEInteiros()
    {
        QCOMPARE(qrx::formataNumero(Currency(2.675), QStringLiteral("0.00")), QStringLiteral("2,68"));
        QCOMPARE(qrx::formataNumero(Currency(-0.005), QStringLiteral("0.00")), QStringLiteral("-0,01"));
        QCOMPARE(qrx::formataNumero(Currency::maximo(), QStringLiteral("0.0000")),
                 QStringLiteral("922337203685477,5807"));
        QCOMPARE(qrx::formataNumero(Currency(12.5), QString()), QStringLiteral("12,5"));
        QCOMPARE(qrx::formataNumero(5, QStringLiteral("000")), QStringLiteral("005"));
        QCOMPARE(qrx::formataNumero(qint64(-1234), QStringLiteral("###,###")), "-1" + NB + "234");
        // width 11 with 3 decimals: eleven optional places, the point, three forced ones
        QCOMPARE(qrx::formataNumero(12.5, QStringLiteral("###########.000")).replace(u',', u'.'),
                 QStringLiteral("12.500"));
    }
};

QTEST_GUILESS_MAIN(TesteNumero)
#include "tst_numero.moc"
