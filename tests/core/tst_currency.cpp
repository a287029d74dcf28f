#include "AjudaTestes.h"
#include "Currency.h"
#include "QrxError.h"

#include <QLocale>
#include <QObject>
#include <QTest>

#include <cmath>
#include <limits>

using qrx::Currency;
using qrx::testes::moeda;
using qrx::testes::numeroErro;
using Modo = Currency::Arredondamento;

class TesteCurrency : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("pt_PT"))); }

    void deDouble_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<qint64>("unidades");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("0.1+0.2 sem ruido") << 0.1 + 0.2 << qint64(3000) << 0;
        QTest::newRow("12.5") << 12.5 << qint64(125000) << 0;
        QTest::newRow("meio para par abaixo") << 2.00005 << qint64(20000) << 0;
        QTest::newRow("meio para par acima") << 2.00015 << qint64(20002) << 0;
        QTest::newRow("negativo meio para par") << -2.00015 << qint64(-20002) << 0;
        QTest::newRow("0.00005 para zero") << 0.00005 << qint64(0) << 0;
        QTest::newRow("acima do meio") << 1.23456 << qint64(12346) << 0;
        QTest::newRow("abaixo do meio") << 1.23454 << qint64(12345) << 0;
        QTest::newRow("zero negativo") << -0.0 << qint64(0) << 0;
        QTest::newRow("maior inteiro") << 922337203685477.0 << qint64(9223372036854770000) << 0;
        QTest::newRow("overflow") << 1e15 << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("overflow negativo") << -1e15 << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("nan") << std::nan("") << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << qint64(0)
                                  << qrx::erros::Overflow;
    }
    void deDouble()
    {
        QFETCH(double, valor);
        QFETCH(qint64, unidades);
        QFETCH(qint32, erro);
        Currency c;
        QCOMPARE(numeroErro([&] { c = Currency(valor); }), erro);
        if (erro == 0)
            QCOMPARE(c.unidades(), unidades);
    }

    void overflowTemDescricao()
    {
        try {
            Currency c(1e20);
            QFAIL("no error raised");
        } catch (const qrx::QrxError &e) {
            QCOMPARE(e.numero(), 6);
            QCOMPARE(e.descricao(), QStringLiteral("Overflow"));
            QCOMPARE(e.textoCompleto(), QStringLiteral("Erro 6 (Overflow)"));
        }
    }

    void deInteiro()
    {
        QCOMPARE(Currency(5).unidades(), qint64(50000));
        QCOMPARE(Currency(-7LL).unidades(), qint64(-70000));
        QCOMPARE(Currency(922337203685477LL).unidades(), qint64(9223372036854770000));
        QCOMPARE(numeroErro([] { Currency(922337203685478LL); }), qrx::erros::Overflow);
        QCOMPARE(numeroErro([] { Currency(-922337203685478LL); }), qrx::erros::Overflow);
        QCOMPARE(numeroErro([] { Currency(std::numeric_limits<quint64>::max()); }),
                 qrx::erros::Overflow);
        QCOMPARE(Currency(quint16(65535)).unidades(), qint64(655350000));
    }

    void deTexto_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<qint64>("unidades");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("pt_PT doze virgula cinco") << "pt_PT" << "12,5" << qint64(125000) << 0;
        QTest::newRow("pt_PT brancos e grupos") << "pt_PT" << " -1 234,56789 " << qint64(-12345679) << 0;
        QTest::newRow("pt_PT meio para par") << "pt_PT" << "0,12345" << qint64(1234) << 0;
        QTest::newRow("pt_PT ponto decimal") << "pt_PT" << "12.5" << qint64(125000) << 0;
        QTest::newRow("pt_PT letras") << "pt_PT" << "abc" << qint64(0) << qrx::erros::ValorInvalido;
        QTest::newRow("pt_PT vazio") << "pt_PT" << "" << qint64(0) << qrx::erros::ValorInvalido;
        QTest::newRow("pt_PT overflow") << "pt_PT" << "1E20" << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("es_ES ponto agrupa") << "es_ES" << "1.234,5" << qint64(12345000) << 0;
        QTest::newRow("es_ES 12.5 nao e numero") << "es_ES" << "12.5" << qint64(0) << qrx::erros::ValorInvalido;
        QTest::newRow("en_US ponto decimal") << "en_US" << "1,234.5" << qint64(12345000) << 0;
        QTest::newRow("en_US 12,5 nao e numero") << "en_US" << "12,5" << qint64(0) << qrx::erros::ValorInvalido;
    }
    void deTexto()
    {
        QFETCH(QString, locale);
        QFETCH(QString, texto);
        QFETCH(qint64, unidades);
        QFETCH(qint32, erro);
        Currency c;
        QCOMPARE(numeroErro([&] { c = Currency::deTexto(texto, QLocale(locale)); }), erro);
        if (erro == 0)
            QCOMPARE(c.unidades(), unidades);
    }

    void deTextoUsaLocalePorOmissao()
    {
        QCOMPARE(Currency::deTexto(QStringLiteral("12,5")), Currency(12.5));
    }

    void aritmetica_data()
    {
        QTest::addColumn<char>("operacao");
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("resultado");
        QTest::addColumn<qint32>("erro");
        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("soma") << '+' << qint64(125000) << qint64(1) << qint64(125001) << 0;
        QTest::newRow("soma overflow") << '+' << max << qint64(1) << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("soma no limite") << '+' << max - 1 << qint64(1) << max << 0;
        QTest::newRow("subtraccao") << '-' << qint64(10000) << qint64(30000) << qint64(-20000) << 0;
        QTest::newRow("subtraccao overflow") << '-' << min << qint64(1) << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("produto") << '*' << qint64(25000) << qint64(40000) << qint64(100000) << 0;
        QTest::newRow("produto meio para par abaixo") << '*' << qint64(1) << qint64(5000) << qint64(0) << 0;
        QTest::newRow("produto meio para par acima") << '*' << qint64(3) << qint64(5000) << qint64(2) << 0;
        QTest::newRow("produto negativo") << '*' << qint64(-3) << qint64(5000) << qint64(-2) << 0;
        QTest::newRow("produto 128 bits") << '*' << qint64(1000000000) * 10000 << qint64(1000) * 10000
                                          << qint64(1000000000000) * 10000 << 0;
        QTest::newRow("produto overflow") << '*' << max << qint64(20000) << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("produto negativo no limite") << '*' << min << qint64(10000) << min << 0;
        QTest::newRow("divisao um terco") << '/' << qint64(10000) << qint64(30000) << qint64(3333) << 0;
        QTest::newRow("divisao dois tercos") << '/' << qint64(20000) << qint64(30000) << qint64(6667) << 0;
        QTest::newRow("divisao negativa") << '/' << qint64(-20000) << qint64(30000) << qint64(-6667) << 0;
        QTest::newRow("divisao meio para par abaixo") << '/' << qint64(1) << qint64(20000) << qint64(0) << 0;
        QTest::newRow("divisao meio para par acima") << '/' << qint64(3) << qint64(20000) << qint64(2) << 0;
        QTest::newRow("divisao por zero") << '/' << qint64(1) << qint64(0) << qint64(0) << qrx::erros::DivisaoPorZero;
        QTest::newRow("divisao overflow") << '/' << max << qint64(1) << qint64(0) << qrx::erros::Overflow;
        QTest::newRow("divisao grande divisor") << '/' << max << max << qint64(10000) << 0;
    }
    void aritmetica()
    {
        QFETCH(char, operacao);
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, resultado);
        QFETCH(qint32, erro);
        Currency r;
        const qint32 numero = numeroErro([&] {
            switch (operacao) {
            case '+': r = moeda(a) + moeda(b); break;
            case '-': r = moeda(a) - moeda(b); break;
            case '*': r = moeda(a) * moeda(b); break;
            case '/': r = moeda(a) / moeda(b); break;
            }
        });
        QCOMPARE(numero, erro);
        if (erro == 0)
            QCOMPARE(r.unidades(), resultado);
    }

    void simetrico()
    {
        QCOMPARE((-Currency(12.5)).unidades(), qint64(-125000));
        QCOMPARE(numeroErro([] { (void)-Currency::minimo(); }), qrx::erros::Overflow);
    }

    void arredonda_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("casas");
        QTest::addColumn<bool>("afasta");
        QTest::addColumn<double>("esperado");
        QTest::newRow("2.5 par") << 2.5 << 0 << false << 2.0;
        QTest::newRow("3.5 par") << 3.5 << 0 << false << 4.0;
        QTest::newRow("-2.5 par") << -2.5 << 0 << false << -2.0;
        QTest::newRow("2.5 afasta") << 2.5 << 0 << true << 3.0;
        QTest::newRow("-2.5 afasta") << -2.5 << 0 << true << -3.0;
        QTest::newRow("2.4999 afasta") << 2.4999 << 0 << true << 2.0;
        QTest::newRow("1.005 par") << 1.005 << 2 << false << 1.0;
        QTest::newRow("1.015 par") << 1.015 << 2 << false << 1.02;
        QTest::newRow("1.005 afasta") << 1.005 << 2 << true << 1.01;
        QTest::newRow("1.2345 par 3") << 1.2345 << 3 << false << 1.234;
        QTest::newRow("1.2355 par 3") << 1.2355 << 3 << false << 1.236;
        QTest::newRow("quatro casas igual") << 1.2345 << 4 << false << 1.2345;
        QTest::newRow("mais casas igual") << 1.2345 << 6 << true << 1.2345;
        QTest::newRow("7.5 par") << 7.5 << 0 << false << 8.0;
    }
    void arredonda()
    {
        QFETCH(double, valor);
        QFETCH(int, casas);
        QFETCH(bool, afasta);
        QFETCH(double, esperado);
        QCOMPARE(Currency(valor).arredonda(casas, afasta ? Modo::MeioAfastaDoZero : Modo::MeioParaPar),
                 Currency(esperado));
    }

    void arredondaErros()
    {
        QCOMPARE(numeroErro([] { (void)Currency(1.5).arredonda(-1); }), qrx::erros::ArgumentoInvalido);
        QCOMPARE(numeroErro([] { (void)Currency::maximo().arredonda(0); }), qrx::erros::Overflow);
    }

    void parteInteira_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<qint64>("paraZero");
        QTest::addColumn<qint64>("abaixo");
        QTest::newRow("12.7") << 12.7 << qint64(12) << qint64(12);
        QTest::newRow("-12.7") << -12.7 << qint64(-12) << qint64(-13);
        QTest::newRow("-12") << -12.0 << qint64(-12) << qint64(-12);
        QTest::newRow("0.9999") << 0.9999 << qint64(0) << qint64(0);
        QTest::newRow("-0.0001") << -0.0001 << qint64(0) << qint64(-1);
    }
    void parteInteira()
    {
        QFETCH(double, valor);
        QFETCH(qint64, paraZero);
        QFETCH(qint64, abaixo);
        QCOMPARE(Currency(valor).parteInteira(), paraZero);
        QCOMPARE(Currency(valor).parteInteiraAbaixo(), abaixo);
    }

    void paraDouble()
    {
        QCOMPARE(Currency(12.5).paraDouble(), 12.5);
        QCOMPARE(Currency(0.1).paraDouble(), 0.1);
        QCOMPARE(Currency(-0.0003).paraDouble(), -0.0003);
        QCOMPARE(Currency::maximo().paraDouble(), 922337203685477.5807);
        QCOMPARE(Currency::minimo().paraDouble(), -922337203685477.5808);
    }

    void comparacoes()
    {
        QVERIFY(Currency(1.5) < Currency(2));
        QVERIFY(Currency(-1) < Currency(0));
        QVERIFY(Currency(0.1 + 0.2) == Currency(0.3));
        QVERIFY(Currency(2) >= Currency(2.0));
        QVERIFY(Currency(2) != Currency(2.0001));
        QCOMPARE(Currency(-3).sinal(), -1);
        QVERIFY(Currency().eZero());
    }

    void cabeEmQVariant()
    {
        const QVariant v = QVariant::fromValue(Currency(12.5));
        QCOMPARE(v.value<Currency>(), Currency(12.5));
    }
};

QTEST_GUILESS_MAIN(TesteCurrency)
#include "tst_currency.moc"
