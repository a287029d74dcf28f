#include "TextosDescarga.h"

#include <QLocale>
#include <QObject>
#include <QTest>

using namespace qrx;

class TesteTextosDescarga : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("pt_PT"))); }

    void bytes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("texto");
        QTest::newRow("0") << qint64(0) << "0 Bytes";
        QTest::newRow("500") << qint64(500) << "500 Bytes";
        QTest::newRow("1023") << qint64(1023) << "1023 Bytes";
        QTest::newRow("1024 ja em KB") << qint64(1024) << "1,00 KB";
        QTest::newRow("2048") << qint64(2048) << "2,00 KB";
        QTest::newRow("1536") << qint64(1536) << "1,50 KB";
        QTest::newRow("1023999") << qint64(1023999) << "1000,00 KB";
        QTest::newRow("1024000 ja em MB") << qint64(1024000) << "1,00 MB";
        QTest::newRow("2048000") << qint64(2048000) << "2,00 MB";
        // pt_PT groups thousands with a no-break space.
        QTest::newRow("agrupado") << qint64(1024000) * 1500 << QStringLiteral("1\u00A0500,00 MB");
    }
    void bytes()
    {
        QFETCH(qint64, bytes);
        QTEST(File_ByteConversion(bytes), "texto");
    }

    void bytesOutraLocale()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        const QString texto = File_ByteConversion(2048);
        QLocale::setDefault(QLocale(QStringLiteral("pt_PT")));
        QCOMPARE(texto, QStringLiteral("2.00 KB"));
    }

    void tempo_data()
    {
        QTest::addColumn<qint64>("segundos");
        QTest::addColumn<QString>("texto");
        QTest::newRow("0") << qint64(0) << "00:00:00";
        QTest::newRow("45") << qint64(45) << "00:00:45";
        QTest::newRow("59") << qint64(59) << "00:00:59";
        QTest::newRow("60") << qint64(60) << "00:01:00";
        QTest::newRow("3599") << qint64(3599) << "00:59:59";
        QTest::newRow("3725") << qint64(3725) << "01:02:05";
        QTest::newRow("mais de um dia") << qint64(90000) << "25:00:00";
        QTest::newRow("negativo") << qint64(-5) << "00:00:00";
    }
    void tempo()
    {
        QFETCH(qint64, segundos);
        QTEST(ConvertTime(segundos), "texto");
    }

    void velocidade_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<double>("velocidade");
        QTest::addColumn<QString>("texto");
        QTest::newRow("10000 em 2 s") << qint64(10000) << qint64(2000) << 5.0 << "5,00";
        QTest::newRow("parte inteira") << qint64(1999) << qint64(1000) << 1.999 << "2,00";
        QTest::newRow("1234567 em 1,5 s") << qint64(1234567) << qint64(1500) << 823.044 << "823,04";
        QTest::newRow("menos de mil por segundo") << qint64(500) << qint64(1000) << 0.5 << ",50";
        QTest::newRow("sem tempo") << qint64(500) << qint64(0) << 0.0 << ",00";
        QTest::newRow("sem bytes") << qint64(0) << qint64(1000) << 0.0 << ",00";
    }
    void velocidade()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, ms);
        QFETCH(double, velocidade);
        const double calculada = calculaVelocidade(bytes, ms);
        QVERIFY2(qAbs(calculada - velocidade) < 1e-9, qPrintable(QString::number(calculada)));
        QTEST(textoVelocidade(calculada), "texto");
    }

    void restante_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("recebidos");
        QTest::addColumn<double>("velocidade");
        QTest::addColumn<qint64>("segundos");
        QTest::addColumn<QString>("texto");
        QTest::newRow("100 KB a 1") << qint64(102400 + 1000) << qint64(1000) << 1.0 << qint64(100) << "00:01:40";
        QTest::newRow("parte inteira") << qint64(3000) << qint64(0) << 1.0 << qint64(2) << "00:00:02";
        QTest::newRow("completo") << qint64(5000) << qint64(5000) << 3.0 << qint64(0) << "00:00:00";
        QTest::newRow("velocidade 0") << qint64(5000) << qint64(100) << 0.0 << qint64(-1) << "";
    }
    void restante()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, recebidos);
        QFETCH(double, velocidade);
        QTEST(segundosRestantes(total, recebidos, velocidade), "segundos");
        QTEST(textoRestante(total, recebidos, velocidade), "texto");
    }

    void percentagem_data()
    {
        QTest::addColumn<qint64>("recebidos");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("zero") << qint64(0) << qint64(100) << 0 << "%";
        QTest::newRow("metade") << qint64(50) << qint64(100) << 50 << "50%";
        QTest::newRow("arredonda metade para cima") << qint64(1) << qint64(8) << 13 << "13%";
        QTest::newRow("arredonda para baixo") << qint64(1) << qint64(3) << 33 << "33%";
        QTest::newRow("completo") << qint64(100) << qint64(100) << 100 << "100%";
        QTest::newRow("total desconhecido") << qint64(10) << qint64(0) << 0 << "%";
    }
    void percentagem()
    {
        QFETCH(qint64, recebidos);
        QFETCH(qint64, total);
        QFETCH(int, valor);
        QCOMPARE(qrx::percentagem(recebidos, total), valor);
        QTEST(textoPercentagem(valor), "texto");
    }
};

QTEST_GUILESS_MAIN(TesteTextosDescarga)
#include "tst_textosdescarga.moc"
