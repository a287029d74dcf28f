#include "AjudaTestes.h"
#include "Currency.h"
#include "InteraccaoGravada.h"
#include "Mensagem.h"
#include "QrxError.h"
#include "TrataNulos.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QTest>
#include <QVariant>

using qrx::Currency;
using qrx::Interaccao;
using qrx::testes::InteraccaoGravada;
using qrx::testes::numeroErro;

namespace {

QVariant nulo() { return QVariant(QMetaType::fromType<double>()); }
QVariant nuloTexto() { return QVariant(QMetaType::fromType<QString>()); }
QVariant moeda(double v) { return QVariant::fromValue(Currency(v)); }

QString caixaErro(const QString &erro, const char *funcao)
{
    return erro + QStringLiteral("\r\nNa função ") + QLatin1String(funcao) + QStringLiteral(" do Módulo ModTools");
}

} // namespace

class TesteTrataNulos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("pt_PT"))); }

    // cTrataNulos and nTrataNulos share one table: they differ only where a conversion fails.
    void moedas_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<qint32>("erro"); // the failure of the conversion, 0 when none
        QTest::newRow("pt_PT nulo") << "pt_PT" << nulo() << 0.0 << 0;
        QTest::newRow("pt_PT texto nulo") << "pt_PT" << nuloTexto() << 0.0 << 0;
        QTest::newRow("pt_PT vazio") << "pt_PT" << QVariant() << 0.0 << 0;
        QTest::newRow("pt_PT doze virgula cinco") << "pt_PT" << QVariant(QStringLiteral("12,5")) << 12.5 << 0;
        QTest::newRow("pt_PT com brancos") << "pt_PT" << QVariant(QStringLiteral(" 12,5 ")) << 12.5 << 0;
        QTest::newRow("pt_PT ponto decimal") << "pt_PT" << QVariant(QStringLiteral("12.5")) << 12.5 << 0;
        QTest::newRow("pt_PT letras") << "pt_PT" << QVariant(QStringLiteral("letras")) << 0.0 << 0;
        QTest::newRow("pt_PT texto vazio") << "pt_PT" << QVariant(QString()) << 0.0 << 0;
        QTest::newRow("pt_PT double") << "pt_PT" << QVariant(12.5) << 12.5 << 0;
        QTest::newRow("pt_PT double sem ruido") << "pt_PT" << QVariant(0.1 + 0.2) << 0.3 << 0;
        QTest::newRow("pt_PT quatro casas") << "pt_PT" << QVariant(1.23456) << 1.2346 << 0;
        QTest::newRow("pt_PT inteiro") << "pt_PT" << QVariant(7) << 7.0 << 0;
        QTest::newRow("pt_PT verdadeiro") << "pt_PT" << QVariant(true) << -1.0 << 0;
        QTest::newRow("pt_PT currency") << "pt_PT" << moeda(2.5) << 2.5 << 0;
        QTest::newRow("pt_PT data nao e numero") << "pt_PT" << QVariant(QDate(2024, 3, 7)) << 0.0 << 0;
        QTest::newRow("pt_PT overflow double") << "pt_PT" << QVariant(1e20) << 0.0 << qrx::erros::Overflow;
        QTest::newRow("pt_PT overflow texto") << "pt_PT" << QVariant(QStringLiteral("1E20")) << 0.0
                                              << qrx::erros::Overflow;
        QTest::newRow("es_ES virgula") << "es_ES" << QVariant(QStringLiteral("12,5")) << 12.5 << 0;
        QTest::newRow("es_ES ponto nao e numero") << "es_ES" << QVariant(QStringLiteral("12.5")) << 0.0 << 0;
        QTest::newRow("en_US ponto") << "en_US" << QVariant(QStringLiteral("12.5")) << 12.5 << 0;
        QTest::newRow("en_US virgula nao e numero") << "en_US" << QVariant(QStringLiteral("12,5")) << 0.0 << 0;
    }
    void moedas()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, valor);
        QFETCH(double, esperado);
        QFETCH(qint32, erro);
        const QLocale l(locale);

        InteraccaoGravada ui;
        QCOMPARE(qrx::cTrataNulos(valor, ui, l), Currency(esperado));
        if (erro == 0) {
            QVERIFY(ui.mensagens.isEmpty());
        } else {
            QCOMPARE(ui.mensagens.size(), 1);
            const auto &m = ui.mensagens.first();
            QCOMPARE(m.texto, caixaErro(qrx::QrxError(erro, {}, qrx::erros::descricaoPadrao(erro)).textoCompleto(),
                                        "cTrataNulos"));
            QCOMPARE(m.icone, Interaccao::Icone::Nenhum);
            QCOMPARE(m.titulo, QStringLiteral("qrxEDI"));
            QCOMPARE(m.botoes, Interaccao::Botoes::Ok);
        }

        Currency n;
        QCOMPARE(numeroErro([&] { n = qrx::nTrataNulos(valor, l); }), erro);
        if (erro == 0)
            QCOMPARE(n, Currency(esperado));
    }

    void textoDaCaixaDeErro()
    {
        InteraccaoGravada ui;
        QCOMPARE(qrx::cTrataNulos(QVariant(1e20), ui), Currency());
        QCOMPARE(ui.mensagens.size(), 1);
        QCOMPARE(ui.mensagens.first().texto,
                 QStringLiteral("Erro 6 (Overflow)\r\nNa função cTrataNulos do Módulo ModTools"));
    }

    void usaLocalePorOmissao()
    {
        InteraccaoGravada ui;
        QCOMPARE(qrx::cTrataNulos(QVariant(QStringLiteral("12,5")), ui), Currency(12.5));
        QCOMPARE(qrx::sTrataNulos(QVariant(12.5), ui), QStringLiteral("12,5"));
        QCOMPARE(qrx::iTrataNulos(QVariant(QStringLiteral("2,5"))), qint16(2));
        QVERIFY(ui.mensagens.isEmpty());
    }

    void inteirosEmMoeda_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("7.5") << QVariant(7.5) << 8.0 << 0;
        QTest::newRow("2.5") << QVariant(2.5) << 2.0 << 0;
        QTest::newRow("3.5") << QVariant(3.5) << 4.0 << 0;
        QTest::newRow("-2.5") << QVariant(-2.5) << -2.0 << 0;
        QTest::newRow("texto 2,5") << QVariant(QStringLiteral("2,5")) << 2.0 << 0;
        QTest::newRow("pouco acima do meio") << QVariant(0.50004) << 1.0 << 0;
        QTest::newRow("pouco abaixo do meio") << QVariant(2.49995) << 2.0 << 0;
        QTest::newRow("currency 2.5") << moeda(2.5) << 2.0 << 0;
        QTest::newRow("nulo") << nulo() << 0.0 << 0;
        QTest::newRow("vazio") << QVariant() << 0.0 << 0;
        QTest::newRow("letras") << QVariant(QStringLiteral("x")) << 0.0 << 0;
        QTest::newRow("grande") << QVariant(3e9) << 3e9 << 0;
        QTest::newRow("overflow") << QVariant(1e20) << 0.0 << qrx::erros::Overflow;
    }
    void inteirosEmMoeda()
    {
        QFETCH(QVariant, valor);
        QFETCH(double, esperado);
        QFETCH(qint32, erro);
        Currency c;
        QCOMPARE(numeroErro([&] { c = qrx::lTrataNulos(valor); }), erro);
        if (erro == 0)
            QCOMPARE(c, Currency(esperado));
    }

    void inteiros16_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<int>("esperado");
        QTest::newRow("pt_PT 2.5") << "pt_PT" << QVariant(2.5) << 2;
        QTest::newRow("pt_PT 3.5") << "pt_PT" << QVariant(3.5) << 4;
        QTest::newRow("pt_PT 70000") << "pt_PT" << QVariant(70000) << 0;
        QTest::newRow("pt_PT 32767") << "pt_PT" << QVariant(32767) << 32767;
        QTest::newRow("pt_PT 32767.5 passa o limite") << "pt_PT" << QVariant(32767.5) << 0;
        QTest::newRow("pt_PT -32768.5") << "pt_PT" << QVariant(-32768.5) << -32768;
        QTest::newRow("pt_PT -32769") << "pt_PT" << QVariant(-32769) << 0;
        QTest::newRow("pt_PT texto") << "pt_PT" << QVariant(QStringLiteral("12,5")) << 12;
        QTest::newRow("pt_PT texto enorme") << "pt_PT" << QVariant(QStringLiteral("1E400")) << 0;
        QTest::newRow("pt_PT double enorme") << "pt_PT" << QVariant(1e300) << 0;
        QTest::newRow("pt_PT verdadeiro") << "pt_PT" << QVariant(true) << -1;
        QTest::newRow("pt_PT nulo") << "pt_PT" << nulo() << 0;
        QTest::newRow("pt_PT vazio") << "pt_PT" << QVariant() << 0;
        QTest::newRow("pt_PT letras") << "pt_PT" << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("es_ES texto") << "es_ES" << QVariant(QStringLiteral("3,5")) << 4;
        QTest::newRow("en_US texto") << "en_US" << QVariant(QStringLiteral("3.5")) << 4;
    }
    void inteiros16()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, valor);
        QFETCH(int, esperado);
        QCOMPARE(qrx::iTrataNulos(valor, QLocale(locale)), qint16(esperado));
    }

    // sTrataNulos and sTrataVazios share one table, like the currency pair.
    void textos_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<qint32>("erro");
        QTest::newRow("pt_PT nulo") << "pt_PT" << nuloTexto() << "" << 0;
        QTest::newRow("pt_PT nulo numerico") << "pt_PT" << nulo() << "" << 0;
        QTest::newRow("pt_PT vazio") << "pt_PT" << QVariant() << "" << 0;
        QTest::newRow("pt_PT numero 12") << "pt_PT" << QVariant(12) << "12" << 0;
        QTest::newRow("pt_PT 12.5") << "pt_PT" << QVariant(12.5) << "12,5" << 0;
        QTest::newRow("pt_PT currency") << "pt_PT" << moeda(12.5) << "12,5" << 0;
        QTest::newRow("pt_PT texto vazio") << "pt_PT" << QVariant(QString()) << "" << 0;
        QTest::newRow("pt_PT texto tal como esta") << "pt_PT" << QVariant(QStringLiteral("  texto ")) << "  texto " << 0;
        QTest::newRow("pt_PT texto numerico tal como esta") << "pt_PT" << QVariant(QStringLiteral(" 12,50 "))
                                                            << " 12,50 " << 0;
        QTest::newRow("pt_PT data") << "pt_PT" << QVariant(QDate(2024, 3, 7)) << "07/03/2024" << 0;
        QTest::newRow("pt_PT data e hora") << "pt_PT" << QVariant(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)))
                                           << "07/03/2024 14:05:09" << 0;
        QTest::newRow("pt_PT booleano") << "pt_PT" << QVariant(true) << "True" << 0;
        QTest::newRow("pt_PT bytes utf-8") << "pt_PT" << QVariant(QByteArray("A\xC3\xA7\xC3\xBA" "car"))
                                           << QStringLiteral("Açúcar") << 0;
        QTest::newRow("pt_PT bytes windows-1252") << "pt_PT" << QVariant(QByteArray("A\xE7")) << QStringLiteral("Aç") << 0;
        QTest::newRow("pt_PT lista") << "pt_PT" << QVariant(QVariantList{1, 2}) << "" << qrx::erros::ValorInvalido;
        QTest::newRow("es_ES 12.5") << "es_ES" << QVariant(12.5) << "12,5" << 0;
        QTest::newRow("es_ES data") << "es_ES" << QVariant(QDate(2024, 3, 7)) << "7/3/2024" << 0;
        QTest::newRow("en_US 12.5") << "en_US" << QVariant(12.5) << "12.5" << 0;
        QTest::newRow("en_US data") << "en_US" << QVariant(QDate(2024, 3, 7)) << "3/7/2024" << 0;
    }
    void textos()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, valor);
        QFETCH(QString, esperado);
        QFETCH(qint32, erro);
        const QLocale l(locale);

        InteraccaoGravada ui;
        const QString s = qrx::sTrataNulos(valor, ui, l);
        QCOMPARE(s, esperado);
        QVERIFY(!s.isNull());
        if (erro == 0) {
            QVERIFY(ui.mensagens.isEmpty());
        } else {
            QCOMPARE(ui.mensagens.size(), 1);
            const auto &m = ui.mensagens.first();
            QCOMPARE(m.texto, caixaErro(qrx::QrxError(erro, {}, qrx::erros::descricaoPadrao(erro)).textoCompleto(),
                                        "sTrataNulos"));
            QCOMPARE(m.icone, Interaccao::Icone::Nenhum);
            QCOMPARE(m.titulo, QStringLiteral("qrxEDI"));
            QCOMPARE(m.botoes, Interaccao::Botoes::Ok);
        }

        QString v;
        QCOMPARE(numeroErro([&] { v = qrx::sTrataVazios(valor, l); }), erro);
        if (erro == 0)
            QCOMPARE(v, esperado);
    }

    void sTrataNulosDeDozeTemDoisCaracteres()
    {
        InteraccaoGravada ui;
        QCOMPARE(qrx::sTrataNulos(QVariant(12), ui).size(), qsizetype(2));
        QCOMPARE(ui.mensagens.size(), 0);
    }

    void textoDaCaixaDeErroDeTexto()
    {
        InteraccaoGravada ui;
        QCOMPARE(qrx::sTrataNulos(QVariant(QVariantMap{{QStringLiteral("a"), 1}}), ui), QString());
        QCOMPARE(ui.mensagens.size(), 1);
        QCOMPARE(ui.mensagens.first().texto,
                 QStringLiteral("Erro 13 (Type mismatch)\r\nNa função sTrataNulos do Módulo ModTools"));
    }

    void mensagem_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("mostra");
        QTest::addColumn<Interaccao::Icone>("icone");
        QTest::newRow("aviso") << 0 << true << Interaccao::Icone::Aviso;
        QTest::newRow("informacao") << 1 << true << Interaccao::Icone::Informacao;
        QTest::newRow("critico") << 2 << true << Interaccao::Icone::Critico;
        QTest::newRow("tipo 3 nada") << 3 << false << Interaccao::Icone::Nenhum;
        QTest::newRow("negativo nada") << -1 << false << Interaccao::Icone::Nenhum;
    }
    void mensagem()
    {
        QFETCH(int, tipo);
        QFETCH(bool, mostra);
        QFETCH(Interaccao::Icone, icone);
        InteraccaoGravada ui;
        ui.respostas = {Interaccao::Ok};
        const auto resposta = qrx::Mensagem(ui, QStringLiteral("Exportação terminada !"), qint16(tipo));
        if (!mostra) {
            QCOMPARE(int(resposta), 0);
            QVERIFY(ui.mensagens.isEmpty());
            return;
        }
        QCOMPARE(resposta, Interaccao::Ok);
        QCOMPARE(ui.mensagens.size(), 1);
        const auto &m = ui.mensagens.first();
        QCOMPARE(m.texto, QStringLiteral("Exportação terminada !"));
        QCOMPARE(m.icone, icone);
        QCOMPARE(m.titulo, QStringLiteral("EDI"));
        QCOMPARE(m.botoes, Interaccao::Botoes::Ok);
    }

    void mensagemDevolveOBotao()
    {
        InteraccaoGravada ui;
        ui.respostas = {Interaccao::Cancelar};
        QCOMPARE(qrx::Mensagem(ui, QStringLiteral("x"), 2), Interaccao::Cancelar);
    }
};

QTEST_GUILESS_MAIN(TesteTrataNulos)
#include "tst_tratanulos.moc"
