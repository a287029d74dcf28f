#include "FicheiroParceiro.h"
#include "Windows1252.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using qrx::FicheiroParceiro;
using Modo = qrx::FicheiroParceiro::Modo;

namespace {

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void grava(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Names in the folder: a discarded or failed run must leave no temporary file behind.
QStringList entradas(const QTemporaryDir &pasta)
{
    return QDir(pasta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class TesteFicheiro : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codifica_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("substituidos");
        QTest::newRow("acentos") << QStringLiteral("Açúcar") << QByteArray("A\xE7\xFA" "car") << 0;
        QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80") << 0;
        QTest::newRow("aspas curvas") << QStringLiteral("“a” – b…") << QByteArray("\x93" "a\x94 \x96 b\x85") << 0;
        QTest::newRow("oe e s caron") << QStringLiteral("ŒœŠšŽžŸƒ") << QByteArray("\x8C\x9C\x8A\x9A\x8E\x9E\x9F\x83") << 0;
        QTest::newRow("l com traco nao cabe") << QStringLiteral("łódź") << QByteArray("?\xF3" "d?") << 2;
        QTest::newRow("composto primeiro") << QStringLiteral("Jose\u0301") << QByteArray("Jos\xE9") << 0;
        QTest::newRow("fora do BMP um so") << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << 1;
        QTest::newRow("indefinido volta") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D")
                                          << QByteArray("\x81\x8D\x8F\x90\x9D") << 0;
        QTest::newRow("outro C1 nao cabe") << QStringLiteral("\u0080") << QByteArray("?") << 1;
        QTest::newRow("latin-1 alto") << QStringLiteral("\u00A0ÿ") << QByteArray("\xA0\xFF") << 0;
        QTest::newRow("substituto isolado") << QString(QChar(0xD800)) << QByteArray("?") << 1;
        QTest::newRow("vazio") << QString() << QByteArray() << 0;
    }
    void codifica()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QFETCH(int, substituidos);
        qsizetype trocas = -1;
        QCOMPARE(qrx::codificaWindows1252(texto, &trocas), bytes);
        QCOMPARE(trocas, qsizetype(substituidos));
    }

    void todosOsBytesVoltam()
    {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos += char(b);
        const QString texto = qrx::descodificaWindows1252(todos);
        QCOMPARE(texto.size(), qsizetype(256));
        QCOMPARE(texto.at(0x80), QChar(0x20AC));
        QCOMPARE(texto.at(0x81), QChar(0x0081));
        QCOMPARE(texto.at(0x9F), QChar(0x0178));
        QCOMPARE(texto.at(0xE7), QChar(u'ç'));
        qsizetype trocas = -1;
        // NFC leaves every one of these characters alone, so the bytes come back unchanged.
        QCOMPARE(qrx::codificaWindows1252(texto, &trocas), todos);
        QCOMPARE(trocas, qsizetype(0));
    }

    void tabelaConfereComOSistema()
    {
        QStringDecoder sistema("windows-1252");
        if (!sistema.isValid())
            QSKIP("no windows-1252 decoder in this Qt build");
        for (int b = 0x80; b <= 0x9F; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue;
            const QByteArray byte(1, char(b));
            QCOMPARE(qrx::descodificaWindows1252(byte), QString(sistema.decode(byte)));
        }
    }

    void utf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valido");
        QTest::newRow("vazio") << QByteArray() << true;
        QTest::newRow("ascii") << QByteArray("abc") << true;
        QTest::newRow("c cedilha") << QByteArray("\xC3\xA7") << true;
        QTest::newRow("euro") << QByteArray("\xE2\x82\xAC") << true;
        QTest::newRow("emoji") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("windows-1252") << QByteArray("A\xE7" "a") << false;
        QTest::newRow("sobrelongo") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("sobrelongo 3 bytes") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("substituto") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("acima de 10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("truncado") << QByteArray("\xE2\x82") << false;
        QTest::newRow("continuacao solta") << QByteArray("\x80") << false;
    }
    void utf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valido);
        QCOMPARE(qrx::eUtf8Valido(bytes), valido);
    }

    void substituiGravaWindows1252ComCrLf()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString caminho = pasta.filePath(QStringLiteral("saida.txt"));
        grava(caminho, "conteudo antigo\r\n");
        FicheiroParceiro f(caminho);
        QVERIFY2(f.abre(), qPrintable(f.errorString()));
        QVERIFY(f.escreveLinha(QStringLiteral("Açúcar")));
        QVERIFY(f.escreveLinha(QStringLiteral("€ ł")));
        QVERIFY(f.escreveLinha(QString()));
        QCOMPARE(le(caminho), QByteArray("conteudo antigo\r\n")); // nothing in place before confirma
        QVERIFY2(f.confirma(), qPrintable(f.errorString()));
        QCOMPARE(le(caminho), QByteArray("A\xE7\xFA" "car\r\n\x80 ?\r\n\r\n"));
        QCOMPARE(f.linhasEscritas(), qint64(3));
        QCOMPARE(f.caracteresSubstituidos(), qsizetype(1));
        QVERIFY(f.errorString().isEmpty());
        QCOMPARE(entradas(pasta), QStringList{QStringLiteral("saida.txt")});
    }

    void acrescentaAoExistente_data()
    {
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("existente") << true << QByteArray("linha1\r\nlinha2\r\n");
        QTest::newRow("novo") << false << QByteArray("linha2\r\n");
    }
    void acrescentaAoExistente()
    {
        QFETCH(bool, existe);
        QFETCH(QByteArray, esperado);
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("lote.txt"));
        if (existe)
            grava(caminho, "linha1\r\n");
        FicheiroParceiro f(caminho, Modo::Acrescentar);
        QVERIFY2(f.abre(), qPrintable(f.errorString()));
        QVERIFY(f.escreveLinha(QStringLiteral("linha2")));
        QVERIFY(f.confirma());
        QCOMPARE(le(caminho), esperado);
    }

    void semConfirmarFicaOAntigo_data()
    {
        QTest::addColumn<Modo>("modo");
        QTest::addColumn<bool>("explicito");
        QTest::newRow("substituir, destrutor") << Modo::Substituir << false;
        QTest::newRow("substituir, descarta") << Modo::Substituir << true;
        QTest::newRow("acrescentar, destrutor") << Modo::Acrescentar << false;
        QTest::newRow("acrescentar, descarta") << Modo::Acrescentar << true;
    }
    void semConfirmarFicaOAntigo()
    {
        QFETCH(Modo, modo);
        QFETCH(bool, explicito);
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("saida.txt"));
        grava(caminho, "antigo\r\n");
        {
            auto f = std::make_unique<FicheiroParceiro>(caminho, modo);
            QVERIFY(f->abre());
            QVERIFY(f->escreveLinha(QStringLiteral("metade de um lote")));
            if (explicito) {
                f->descarta();
                QVERIFY(!f->estaAberto());
            }
        } // a run that fails midway never reaches confirma
        QCOMPARE(le(caminho), QByteArray("antigo\r\n"));
        QCOMPARE(entradas(pasta), QStringList{QStringLiteral("saida.txt")});
    }

    void ficheiroNovoSemConfirmarNaoAparece()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("novo.txt"));
        {
            FicheiroParceiro f(caminho);
            QVERIFY(f.abre());
            QVERIFY(f.escreveLinha(QStringLiteral("x")));
        }
        QVERIFY(!QFile::exists(caminho));
        QVERIFY(entradas(pasta).isEmpty());
    }

    void falhaAoPorNoLugar()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("alvo.txt"));
        FicheiroParceiro f(caminho);
        QVERIFY(f.abre());
        QVERIFY(f.escreveLinha(QStringLiteral("x")));
        QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("alvo.txt"))); // the target became a folder
        QVERIFY(!f.confirma());
        QVERIFY2(f.errorString().startsWith(QStringLiteral("Não foi possível gravar o ficheiro \"%1\": ")
                                                .arg(QDir::toNativeSeparators(caminho))),
                 qPrintable(f.errorString()));
        QVERIFY(QFileInfo(caminho).isDir());
        QCOMPARE(entradas(pasta), QStringList{QStringLiteral("alvo.txt")});
        QVERIFY(!f.confirma());
    }

    void pastaInexistente()
    {
        QTemporaryDir pasta;
        const QString inexistente = pasta.filePath(QStringLiteral("nao/existe"));
        const QString caminho = inexistente + QStringLiteral("/saida.txt");
        FicheiroParceiro f(caminho);
        QVERIFY(!f.abre());
        QCOMPARE(f.errorString(),
                 QStringLiteral("Não foi possível criar o ficheiro \"%1\": a pasta \"%2\" não existe.")
                     .arg(QDir::toNativeSeparators(caminho), QDir::toNativeSeparators(inexistente)));
        QVERIFY(!f.estaAberto());
        QVERIFY(!f.escreveLinha(QStringLiteral("x")));
        QVERIFY(!f.confirma());
        QVERIFY(!QFile::exists(caminho));
    }

    void caminhosInvalidos()
    {
        QTemporaryDir pasta;
        FicheiroParceiro vazio{QString()};
        QVERIFY(!vazio.abre());
        QCOMPARE(vazio.errorString(), QStringLiteral("Não foi possível criar o ficheiro: o caminho está vazio."));

        FicheiroParceiro pastaComoFicheiro(pasta.path());
        QVERIFY(!pastaComoFicheiro.abre());
        QVERIFY(pastaComoFicheiro.errorString().contains(QStringLiteral("é uma pasta")));
        QVERIFY(pastaComoFicheiro.errorString().contains(QDir::toNativeSeparators(pasta.path())));
    }

    void escreverSemAbrir()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("a.txt"));
        FicheiroParceiro f(caminho);
        QVERIFY(!f.escreveLinha(QStringLiteral("x")));
        QVERIFY(f.errorString().contains(QStringLiteral("não está aberto")));
        QVERIFY(f.errorString().contains(QDir::toNativeSeparators(caminho)));
        QVERIFY(!f.confirma());
        QVERIFY(!QFile::exists(caminho));
    }

    void ficheiroVazioConfirmado()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("vazio.txt"));
        FicheiroParceiro f(caminho);
        QVERIFY(f.abre());
        QVERIFY(f.confirma());
        QVERIFY(QFile::exists(caminho));
        QCOMPARE(QFileInfo(caminho).size(), qint64(0));
        QVERIFY(!f.confirma()); // a second confirma has nothing to put in place
    }
};

QTEST_GUILESS_MAIN(TesteFicheiro)
#include "tst_ficheiro.moc"
