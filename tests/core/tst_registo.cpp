#include "AjudaTestes.h"
#include "QrxError.h"
#include "RegistoFixo.h"

#include <QObject>
#include <QString>
#include <QTest>

using qrx::Alinhamento;
using qrx::Corte;
using qrx::RegistoFixo;
using qrx::testes::numeroErro;

Q_DECLARE_METATYPE(qrx::Alinhamento)
Q_DECLARE_METATYPE(qrx::Corte)

namespace {

QString espacos(int n) { return QString(n, QLatin1Char(' ')); }

} // namespace

class TesteRegisto : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void novoRegistoSoEspacos()
    {
        const RegistoFixo r(242);
        QCOMPARE(r.comprimento(), 242);
        QCOMPARE(r.texto(), espacos(242));
        QCOMPARE(RegistoFixo(0).texto(), QString());
    }

    void escreve_data()
    {
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Alinhamento>("alinhamento");
        QTest::addColumn<QChar>("enchimento");
        QTest::addColumn<Corte>("corte");
        QTest::addColumn<QString>("esperado"); // the whole 20-column record
        const QChar sp(u' ');
        QTest::newRow("esquerda curto") << 1 << 5 << "ab" << Alinhamento::Esquerda << sp << Corte::PeloAlinhamento
                                        << "ab" + espacos(18);
        QTest::newRow("esquerda cortado na ultima coluna") << 3 << 4 << "abcdefg" << Alinhamento::Esquerda << sp
                                                           << Corte::PeloAlinhamento << "  abcd" + espacos(14);
        QTest::newRow("direita curto") << 1 << 5 << "12" << Alinhamento::Direita << sp << Corte::PeloAlinhamento
                                       << "   12" + espacos(15);
        QTest::newRow("direita cortado guarda o fim") << 1 << 3 << "12345" << Alinhamento::Direita << sp
                                                      << Corte::PeloAlinhamento << "345" + espacos(17);
        QTest::newRow("direita cortado guarda o inicio") << 1 << 3 << "12345" << Alinhamento::Direita << sp
                                                         << Corte::MantemInicio << "123" + espacos(17);
        QTest::newRow("esquerda cortado guarda o fim") << 1 << 3 << "abcde" << Alinhamento::Esquerda << sp
                                                       << Corte::MantemFim << "cde" + espacos(17);
        QTest::newRow("zeros a esquerda") << 16 << 5 << "5" << Alinhamento::Direita << QChar(u'0')
                                          << Corte::PeloAlinhamento << espacos(15) + "00005";
        QTest::newRow("ultima coluna") << 20 << 1 << "xyz" << Alinhamento::Esquerda << sp << Corte::PeloAlinhamento
                                       << espacos(19) + "x";
        QTest::newRow("registo inteiro") << 1 << 20 << "" << Alinhamento::Esquerda << QChar(u'*')
                                         << Corte::PeloAlinhamento << QString(20, u'*');
        QTest::newRow("largura zero") << 5 << 0 << "abc" << Alinhamento::Esquerda << sp << Corte::PeloAlinhamento
                                      << espacos(20);
        QTest::newRow("composto antes de medir") << 1 << 5 << QStringLiteral("Jose\u0301") << Alinhamento::Esquerda
                                                 << sp << Corte::PeloAlinhamento << QStringLiteral("José") + espacos(16);
        QTest::newRow("fora do BMP conta um") << 1 << 4 << QStringLiteral("a\U0001F600b") << Alinhamento::Esquerda
                                              << sp << Corte::PeloAlinhamento << "a?b" + espacos(17);
    }
    void escreve()
    {
        QFETCH(int, coluna);
        QFETCH(int, largura);
        QFETCH(QString, texto);
        QFETCH(Alinhamento, alinhamento);
        QFETCH(QChar, enchimento);
        QFETCH(Corte, corte);
        QFETCH(QString, esperado);
        RegistoFixo r(20);
        r.escreve(coluna, largura, texto, alinhamento, enchimento, corte);
        QCOMPARE(r.texto(), esperado);
        QCOMPARE(r.comprimento(), 20);
    }

    void camposSobrepostos()
    {
        RegistoFixo r(10);
        r.escreve(1, 6, QStringLiteral("aaaaaa"));
        r.escreve(4, 2, QStringLiteral("bb"));
        QCOMPARE(r.texto(), QStringLiteral("aaabba    "));
        QCOMPARE(r.campo(4, 3), QStringLiteral("bba"));
    }

    void textoLongoNaoAlargaRegisto()
    {
        RegistoFixo r(242);
        r.escreve(163, 80, QString(200, u'x')); // a remark longer than its field
        QCOMPARE(r.comprimento(), 242);
        QCOMPARE(r.campo(163, 80), QString(80, u'x'));
        QCOMPARE(r.campo(1, 162), espacos(162));
    }

    void campoForaDoRegisto_data()
    {
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("largura");
        QTest::newRow("coluna zero") << 0 << 1;
        QTest::newRow("depois do fim") << 21 << 1;
        QTest::newRow("passa o fim") << 18 << 5;
        QTest::newRow("largura negativa") << 1 << -1;
        QTest::newRow("coluna negativa") << -3 << 2;
    }
    void campoForaDoRegisto()
    {
        QFETCH(int, coluna);
        QFETCH(int, largura);
        RegistoFixo r(20);
        QCOMPARE(numeroErro([&] { r.escreve(coluna, largura, QStringLiteral("abc")); }),
                 qrx::erros::ArgumentoInvalido);
        QCOMPARE(numeroErro([&] { (void)r.campo(coluna, largura); }), qrx::erros::ArgumentoInvalido);
        QCOMPARE(r.texto(), espacos(20));
    }

    void erroDizOndeFalhou()
    {
        RegistoFixo r(20);
        try {
            r.escreve(18, 5, QStringLiteral("abc"));
            QFAIL("no error raised");
        } catch (const qrx::QrxError &e) {
            QCOMPARE(e.origem(), QStringLiteral("RegistoFixo::escreve"));
            QVERIFY(e.descricao().contains(QStringLiteral("coluna 18")));
            QVERIFY(e.descricao().contains(QStringLiteral("20 caracteres")));
        }
        QCOMPARE(numeroErro([] { RegistoFixo(-1); }), qrx::erros::ArgumentoInvalido);
    }

    void ajudantes_data()
    {
        QTest::addColumn<QString>("funcao");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("esquerda enche") << "ajustaEsquerda" << "abc" << 5 << "abc  ";
        QTest::newRow("esquerda corta") << "ajustaEsquerda" << "abcdef" << 3 << "abc";
        QTest::newRow("direita enche") << "ajustaDireita" << "abc" << 5 << "  abc";
        QTest::newRow("direita corta") << "ajustaDireita" << "abcdef" << 3 << "def";
        QTest::newRow("zeros") << "preencheZeros" << "5" << 5 << "00005";
        QTest::newRow("zeros perde a esquerda") << "preencheZeros" << "123456" << 5 << "23456";
        QTest::newRow("zeros 3 paletes") << "preencheZeros" << "3" << 9 << "000000003";
        QTest::newRow("zeros 250.5") << "preencheZeros" << "250.5" << 9 << "0000250.5";
        QTest::newRow("zeros vazio") << "preencheZeros" << "" << 4 << "0000";
        QTest::newRow("direita") << "direita" << "abcdef" << 2 << "ef";
        QTest::newRow("direita curto") << "direita" << "ab" << 5 << "ab";
        QTest::newRow("direita zero") << "direita" << "ab" << 0 << "";
        QTest::newRow("esquerda") << "esquerda" << "abcdef" << 2 << "ab";
        QTest::newRow("esquerda negativo") << "esquerda" << "abcdef" << -1 << "";
        QTest::newRow("largura negativa") << "ajustaEsquerda" << "abc" << -2 << "";
    }
    void ajudantes()
    {
        QFETCH(QString, funcao);
        QFETCH(QString, texto);
        QFETCH(int, largura);
        QFETCH(QString, esperado);
        QString obtido;
        if (funcao == QLatin1String("ajustaEsquerda"))
            obtido = qrx::ajustaEsquerda(texto, largura);
        else if (funcao == QLatin1String("ajustaDireita"))
            obtido = qrx::ajustaDireita(texto, largura);
        else if (funcao == QLatin1String("preencheZeros"))
            obtido = qrx::preencheZeros(texto, largura);
        else if (funcao == QLatin1String("direita"))
            obtido = qrx::direita(texto, largura);
        else if (funcao == QLatin1String("esquerda"))
            obtido = qrx::esquerda(texto, largura);
        else
            QFAIL("unknown helper");
        QCOMPARE(obtido, esperado);
    }
};

QTEST_GUILESS_MAIN(TesteRegisto)
#include "tst_registo.moc"
