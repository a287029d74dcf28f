#include "FormatoData.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTest>
#include <QTime>

namespace {

// A Thursday afternoon.
const QDateTime Momento(QDate(2024, 3, 7), QTime(14, 5, 9));

} // namespace

class TesteData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("pt_PT"))); }

    void formata_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QString>("esperado");
        auto pt = [](const char *padrao, const QString &esperado) {
            QTest::addRow("pt_PT %s", padrao) << "pt_PT" << Momento << QString::fromUtf8(padrao) << esperado;
        };
        pt("HH:MM:SS", "14:05:09");
        pt("yyyymmddhhMMss", "20240307140509");
        pt("yyyyMMdd", "20240307");
        pt("ddMMyyyy", "07032024");
        pt("dd-mm-yyyy", "07-03-2024");
        pt("yyyy/mm/dd", "2024/03/07");
        pt("yyyy.mm.dd", "2024.03.07");
        pt("yyyymmdd_hhMMss", "20240307_140509");
        pt("hhmmss", "140509");
        pt("yyyy-mm-dd", "2024-03-07");
        pt("yyyymmdd", "20240307");
        pt("d/m/yy", "7/3/24");
        pt("DD/MM/YYYY", "07/03/2024");
        pt("dddd", QStringLiteral("quinta-feira"));
        pt("mmmm", QStringLiteral("março"));
        pt("h:n:s", "14:5:9");
        pt("hh:mm", "14:05");
        pt("mm:ss", "05:09");
        pt("nn", "05");
        pt("y", "67");
        pt("q", "1");
        pt("w", "5");
        pt("ww", "10");
        pt("hh:nn AM/PM", "02:05 PM");
        pt("hh:nn am/pm", "02:05 pm");
        pt("h a/p", "2 p");
        pt("AMPM", "da tarde");
        pt("\"Dia\" dd", "Dia 07");
        pt("\\d\\d dd", "dd 07");
        pt("ddddd", "07/03/2024");
        pt("ttttt", "14:05:09");
        pt("c", "07/03/2024 14:05:09");
        QTest::newRow("pt_PT meia-noite AM/PM") << "pt_PT" << QDateTime(QDate(2024, 3, 7), QTime(0, 30))
                                                << "h:nn AM/PM" << "12:30 AM";
        QTest::newRow("pt_PT meio-dia AM/PM") << "pt_PT" << QDateTime(QDate(2024, 3, 7), QTime(12, 0))
                                              << "h AM/PM" << "12 PM";
        QTest::newRow("pt_PT ano de 3 digitos") << "pt_PT" << QDateTime(QDate(999, 1, 2), QTime(0, 0))
                                                << "yyyy" << "0999";
        QTest::newRow("pt_PT momento invalido") << "pt_PT" << QDateTime() << "yyyymmdd" << "";
        QTest::newRow("es_ES dd/mm/yyyy") << "es_ES" << Momento << "dd/mm/yyyy" << "07/03/2024";
        QTest::newRow("es_ES dddd") << "es_ES" << Momento << "dddd" << "jueves";
        QTest::newRow("es_ES mmmm") << "es_ES" << Momento << "mmmm" << "marzo";
        QTest::newRow("es_ES yyyymmddhhMMss") << "es_ES" << Momento << "yyyymmddhhMMss" << "20240307140509";
        QTest::newRow("es_ES c") << "es_ES" << Momento << "c" << "7/3/2024 14:05:09";
        QTest::newRow("en_US mm/dd/yyyy") << "en_US" << Momento << "mm/dd/yyyy" << "03/07/2024";
        QTest::newRow("en_US nomes") << "en_US" << Momento << "dddd, mmmm d" << "Thursday, March 7";
        QTest::newRow("en_US ddd mmm") << "en_US" << Momento << "ddd mmm" << "Thu Mar";
        QTest::newRow("en_US AMPM") << "en_US" << Momento << "hh:nn AMPM" << "02:05 PM";
        QTest::newRow("en_US HH:MM:SS") << "en_US" << Momento << "HH:MM:SS" << "14:05:09";
        QTest::newRow("en_US c") << "en_US" << Momento << "c" << "3/7/2024 2:05:09 PM";
    }
    void formata()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, momento);
        QFETCH(QString, padrao);
        QFETCH(QString, esperado);
        QCOMPARE(qrx::formataData(momento, padrao, QLocale(locale)), esperado);
    }

    void formataDiaEHora()
    {
        QCOMPARE(qrx::formataData(QDate(2024, 3, 7), QStringLiteral("hh:nn:ss")), QStringLiteral("00:00:00"));
        QCOMPARE(qrx::formataData(QDate(2024, 3, 7), QStringLiteral("yyyy/mm/dd")), QStringLiteral("2024/03/07"));
        QCOMPARE(qrx::formataData(QDate(), QStringLiteral("yyyy")), QString());
        // a bare time sits on day zero; 3725 seconds are 01:02:05
        QCOMPARE(qrx::formataData(QTime(1, 2, 3), QStringLiteral("dd/mm/yyyy hh:nn")),
                 QStringLiteral("30/12/1899 01:02"));
        QCOMPARE(qrx::formataData(QTime(0, 0).addSecs(3725), QStringLiteral("HH:MM:SS")),
                 QStringLiteral("01:02:05"));
        QCOMPARE(qrx::formataData(QTime(0, 0, 45), QStringLiteral("HH:MM:SS")), QStringLiteral("00:00:45"));
    }

    void textoData_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("pt_PT data e hora") << "pt_PT" << Momento << "07/03/2024 14:05:09";
        QTest::newRow("pt_PT meia-noite so data") << "pt_PT" << QDateTime(QDate(2024, 3, 7), QTime(0, 0))
                                                  << "07/03/2024";
        QTest::newRow("pt_PT dia zero so hora") << "pt_PT" << QDateTime(QDate(1899, 12, 30), QTime(8, 0, 1))
                                                << "08:00:01";
        QTest::newRow("pt_PT invalido") << "pt_PT" << QDateTime() << "";
        QTest::newRow("es_ES data e hora") << "es_ES" << Momento << "7/3/2024 14:05:09";
        QTest::newRow("en_US data e hora") << "en_US" << Momento << "3/7/2024 2:05:09 PM";
        QTest::newRow("en_US meia-noite") << "en_US" << QDateTime(QDate(2024, 12, 25), QTime(0, 0)) << "12/25/2024";
    }
    void textoData()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, momento);
        QFETCH(QString, esperado);
        QCOMPARE(qrx::textoData(momento, QLocale(locale)), esperado);
    }

    void textoDiaEHora()
    {
        QCOMPARE(qrx::textoData(QDate(2024, 3, 7)), QStringLiteral("07/03/2024"));
        QCOMPARE(qrx::textoData(QDate()), QString());
        QCOMPARE(qrx::textoHora(QTime(9, 8, 7)), QStringLiteral("09:08:07"));
        QCOMPARE(qrx::textoHora(QTime(21, 8, 7), QLocale(QStringLiteral("en_US"))), QStringLiteral("9:08:07 PM"));
    }

    void separadores_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("hora");
        QTest::newRow("pt_PT") << "pt_PT" << "/" << ":";
        QTest::newRow("es_ES") << "es_ES" << "/" << ":";
        QTest::newRow("en_US") << "en_US" << "/" << ":";
        QTest::newRow("de_DE") << "de_DE" << "." << ":";
    }
    void separadores()
    {
        QFETCH(QString, locale);
        QFETCH(QString, data);
        QFETCH(QString, hora);
        QCOMPARE(qrx::separadorData(QLocale(locale)), data);
        QCOMPARE(qrx::separadorHora(QLocale(locale)), hora);
        QCOMPARE(qrx::formataData(Momento, QStringLiteral("dd/mm/yyyy"), QLocale(locale)),
                 "07" + data + "03" + data + "2024");
    }
};

QTEST_GUILESS_MAIN(TesteData)
#include "tst_data.moc"
