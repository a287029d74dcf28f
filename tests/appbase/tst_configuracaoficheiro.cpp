#include "ConfiguracaoFicheiro.h"
#include "QrxError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

using qrx::ConfiguracaoFicheiro;
using qrx::QrxError;

class TstConfiguracaoFicheiro : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    int m_contador = 0;

    QString novoCaminho()
    {
        return m_pasta.filePath(QStringLiteral("f%1.qrx").arg(++m_contador));
    }

    QString criaFicheiro(const QByteArray &conteudo)
    {
        const QString caminho = novoCaminho();
        QFile file(caminho);
        if (!file.open(QIODevice::WriteOnly) || file.write(conteudo) != conteudo.size())
            qFatal("cannot write fixture");
        return caminho;
    }

    static QByteArray conteudo(const QString &caminho)
    {
        QFile file(caminho);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<absent>");
        return file.readAll();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pasta.isValid()); }

    void le_data()
    {
        QTest::addColumn<QByteArray>("ficheiro");
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");

        const QByteArray basico("[Configuracao]\r\nDirectoria=C:\\Saida\r\nTipo de Exportacao=7\r\n");
        QTest::newRow("exact") << basico << "Configuracao" << "Tipo de Exportacao" << "7";
        QTest::newRow("section case") << basico << "CONFIGURACAO" << "Tipo de Exportacao" << "7";
        QTest::newRow("key case") << basico << "configuracao" << "tipo de exportacao" << "7";
        QTest::newRow("missing key") << basico << "Configuracao" << "EAN" << "";
        QTest::newRow("missing section") << basico << "CTT" << "Directoria" << "";
        QTest::newRow("key of another section")
            << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n") << "B" << "x" << "";
        QTest::newRow("value trimmed")
            << QByteArray("[A]\r\n  Chave   =   valor com espacos \t \r\n") << "A" << "Chave"
            << "valor com espacos";
        QTest::newRow("semicolon and hash are data")
            << QByteArray("[CTT]\r\nSeleccao=TPDOC='FT' ; AND X#1 # fim\r\n") << "CTT" << "Seleccao"
            << "TPDOC='FT' ; AND X#1 # fim";
        QTest::newRow("password with ; and #")
            << QByteArray("[SMTP]\r\nPassword=a;b#c=d\r\n") << "SMTP" << "Password" << "a;b#c=d";
        QTest::newRow("comment line is not a key")
            << QByteArray("[A]\r\n;x=1\r\n#y=2\r\n  ; z=3\r\n") << "A" << "x" << "";
        QTest::newRow("hash comment is not a key")
            << QByteArray("[A]\r\n#y=2\r\n") << "A" << "y" << "";
        QTest::newRow("empty value") << QByteArray("[A]\r\nx=\r\n") << "A" << "x" << "";
        QTest::newRow("first occurrence of a key")
            << QByteArray("[A]\r\nx=1\r\nX=2\r\n") << "A" << "x" << "1";
        QTest::newRow("first section of a name")
            << QByteArray("[A]\r\nx=1\r\n[a]\r\nx=2\r\ny=3\r\n") << "A" << "x" << "1";
        QTest::newRow("key before any section")
            << QByteArray("x=1\r\n[A]\r\ny=2\r\n") << "A" << "x" << "";
        QTest::newRow("LF line ends") << QByteArray("[A]\nx=1\ny=2\n") << "A" << "y" << "2";
        QTest::newRow("no final line end") << QByteArray("[A]\r\nx=1") << "A" << "x" << "1";
        QTest::newRow("section header blanks")
            << QByteArray("  [ Urbanos ]  \r\nFatura=FT\r\n") << "Urbanos" << "Fatura" << "FT";
        QTest::newRow("ordinal sign, Windows-1252")
            << QByteArray("[Urbanos]\r\nCampo Livre N\xBA=20\r\n") << "Urbanos"
            << QStringLiteral("Campo Livre Nº") << "20";
        QTest::newRow("cedilla, Windows-1252")
            << QByteArray("[Urbanos]\r\nNome da Empresa=Constru\xE7\xF5""es \x80\r\n") << "Urbanos"
            << "Nome da Empresa" << QStringLiteral("Construções €");
        QTest::newRow("ordinal sign, UTF-8")
            << QByteArray("[Urbanos]\r\nCampo Livre N\xC2\xBA=21\r\n") << "Urbanos"
            << QStringLiteral("Campo Livre Nº") << "21";
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBF[Urbanos]\r\nNome da Empresa=Constru\xC3\xA7\xC3\xB5""es\r\n")
            << "Urbanos" << "Nome da Empresa" << QStringLiteral("Construções");
        QTest::newRow("BOM before the first section")
            << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\r\n") << "a" << "X" << "1";
        QTest::newRow("long line") << (QByteArray("[A]\r\nx=") + QByteArray(20000, 'v') + "\r\n")
                                   << "A" << "x" << QString(20000, u'v');
    }

    void le()
    {
        QFETCH(QByteArray, ficheiro);
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        const ConfiguracaoFicheiro configuracao(criaFicheiro(ficheiro));
        QCOMPARE(configuracao.le(seccao, chave), esperado);
    }

    void leFicheiroInexistente()
    {
        const ConfiguracaoFicheiro configuracao(m_pasta.filePath(QStringLiteral("nao-existe.qrx")));
        QCOMPARE(configuracao.le(QStringLiteral("Configuracao"), QStringLiteral("Directoria")),
                 QString());
        QCOMPARE(ConfiguracaoFicheiro().le(QStringLiteral("A"), QStringLiteral("x")), QString());
    }

    void leFicheiroIlegivelFalha()
    {
        // A folder where the file should be cannot be read: that is an error, not "".
        const QString caminho = m_pasta.filePath(QStringLiteral("pasta.qrx"));
        QVERIFY(QDir().mkpath(caminho));
        const ConfiguracaoFicheiro configuracao(caminho);
        try {
            configuracao.le(QStringLiteral("A"), QStringLiteral("x"));
            QFAIL("no error raised");
        } catch (const QrxError &erro) {
            QVERIFY2(erro.descricao().contains(caminho), qPrintable(erro.descricao()));
        }
    }

    void grava_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QByteArray>("depois");

        QTest::newRow("replace only the value, comments kept")
            << QByteArray("; ficheiro de configura\xE7\xE3o \x81\x9D\r\n\r\n[Configuracao]\r\n"
                          "# pasta de sa\xED""da\r\nDirectoria=C:\\velha\r\n\r\nEAN=123\r\n")
            << "configuracao" << "DIRECTORIA" << "D:\\nova"
            << QByteArray("; ficheiro de configura\xE7\xE3o \x81\x9D\r\n\r\n[Configuracao]\r\n"
                          "# pasta de sa\xED""da\r\nDirectoria=D:\\nova\r\n\r\nEAN=123\r\n");
        QTest::newRow("spacing before the value kept")
            << QByteArray("[A]\r\nx  =  1   \r\n") << "A" << "x" << "2"
            << QByteArray("[A]\r\nx  =  2\r\n");
        QTest::newRow("first occurrence only")
            << QByteArray("[A]\r\nx=1\r\nx=2\r\n") << "A" << "x" << "3"
            << QByteArray("[A]\r\nx=3\r\nx=2\r\n");
        QTest::newRow("append at end of section")
            << QByteArray("[A]\r\nx=1\r\n; sobre B\r\n\r\n[B]\r\ny=2\r\n") << "A" << "z" << "3"
            << QByteArray("[A]\r\nx=1\r\nz=3\r\n; sobre B\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("append to empty section")
            << QByteArray("[A]\r\n\r\n[B]\r\ny=2\r\n") << "A" << "x" << "1"
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("commented key is not replaced")
            << QByteArray("[A]\r\n;x=0\r\n") << "A" << "x" << "1"
            << QByteArray("[A]\r\n;x=0\r\nx=1\r\n");
        QTest::newRow("append section")
            << QByteArray("[A]\r\nx=1\r\n") << "B" << "y" << "2"
            << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        QTest::newRow("no final line end")
            << QByteArray("[A]\r\nx=1") << "A" << "y" << "2"
            << QByteArray("[A]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("LF kept on replace")
            << QByteArray("[A]\nx=1\n") << "A" << "x" << "2" << QByteArray("[A]\nx=2\n");
        QTest::newRow("LF kept on append")
            << QByteArray("[A]\nx=1\n") << "B" << "y" << "2" << QByteArray("[A]\nx=1\n[B]\ny=2\n");
        QTest::newRow("value with ; and #")
            << QByteArray("[CTT]\r\n") << "CTT" << "Seleccao" << "A='1' ; #2"
            << QByteArray("[CTT]\r\nSeleccao=A='1' ; #2\r\n");
        QTest::newRow("Windows-1252 kept")
            << QByteArray("[Urbanos]\r\nNome da Empresa=Constru\xE7\xF5""es\r\nCampo Livre N\xBA=20\r\n")
            << "Urbanos" << QStringLiteral("Campo Livre Nº") << "21"
            << QByteArray("[Urbanos]\r\nNome da Empresa=Constru\xE7\xF5""es\r\nCampo Livre N\xBA=21\r\n");
        QTest::newRow("Windows-1252 value written")
            << QByteArray("[Urbanos]\r\nNome da Empresa=Constru\xE7\xF5""es\r\n")
            << "Urbanos" << "Expedicao" << QStringLiteral("Açores €")
            << QByteArray("[Urbanos]\r\nNome da Empresa=Constru\xE7\xF5""es\r\nExpedicao=A\xE7ores \x80\r\n");
        QTest::newRow("ASCII file stays Windows-1252")
            << QByteArray("[A]\r\nx=1\r\n") << "A" << "y" << QStringLiteral("Évora")
            << QByteArray("[A]\r\nx=1\r\ny=\xC9vora\r\n");
        QTest::newRow("UTF-8 kept")
            << QByteArray("[A]\r\nx=S\xC3\xA3o\r\n") << "A" << "y" << QStringLiteral("Évora")
            << QByteArray("[A]\r\nx=S\xC3\xA3o\r\ny=\xC3\x89vora\r\n");
        QTest::newRow("UTF-8 BOM kept")
            << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\r\n") << "A" << "x" << QStringLiteral("Évora")
            << QByteArray("\xEF\xBB\xBF[A]\r\nx=\xC3\x89vora\r\n");
        QTest::newRow("Windows-1252 file turns UTF-8 for a character it cannot hold")
            << QByteArray("; coment\xE1rio\r\n[A]\r\nx=Sa\xE7""a\r\n") << "A" << "y"
            << QStringLiteral("Łódź")
            << QByteArray("; coment\xC3\xA1rio\r\n[A]\r\nx=Sa\xC3\xA7""a\r\ny=\xC5\x81\xC3\xB3""d\xC5\xBA\r\n");
    }

    void grava()
    {
        QFETCH(QByteArray, antes);
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        QFETCH(QByteArray, depois);
        const QString caminho = criaFicheiro(antes);
        ConfiguracaoFicheiro configuracao(caminho);
        QVERIFY(configuracao.grava(seccao, chave, valor));
        QCOMPARE(conteudo(caminho), depois);
        QCOMPARE(configuracao.le(seccao, chave), valor.trimmed());
    }

    void gravaCriaFicheiro_data()
    {
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("plain") << "Configuracao" << "Tipo de Exportacao" << "7"
                               << QByteArray("[Configuracao]\r\nTipo de Exportacao=7\r\n");
        QTest::newRow("Windows-1252") << "Urbanos" << QStringLiteral("Campo Livre Nº")
                                      << QStringLiteral("Não")
                                      << QByteArray("[Urbanos]\r\nCampo Livre N\xBA=N\xE3o\r\n");
    }

    void gravaCriaFicheiro()
    {
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        QFETCH(QByteArray, esperado);
        const QString caminho = novoCaminho();
        QVERIFY(!QFile::exists(caminho));
        ConfiguracaoFicheiro configuracao(caminho);
        QVERIFY(configuracao.grava(seccao, chave, valor));
        QCOMPARE(conteudo(caminho), esperado);
        QCOMPARE(configuracao.le(seccao, chave), valor);
    }

    void gravaVariosValoresDeUmaVez()
    {
        const QString caminho = criaFicheiro("[A]\r\nx=1\r\n");
        ConfiguracaoFicheiro configuracao(caminho);
        QVERIFY(configuracao.grava(QList<ConfiguracaoFicheiro::Valor>{
            {QStringLiteral("B"), QStringLiteral("k1"), QStringLiteral("1")},
            {QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("9")},
            {QStringLiteral("B"), QStringLiteral("k2"), QStringLiteral("2")},
        }));
        QCOMPARE(conteudo(caminho), QByteArray("[A]\r\nx=9\r\n[B]\r\nk1=1\r\nk2=2\r\n"));
    }

    void gravaLinhaLonga()
    {
        const QString caminho = novoCaminho();
        ConfiguracaoFicheiro configuracao(caminho);
        const QString longo = QString(100000, u'x') + u";#" + QString(5000, u'y');
        configuracao.grava(QStringLiteral("CTT"), QStringLiteral("Seleccao"), longo);
        configuracao.grava(QStringLiteral("CTT"), QStringLiteral("Depois"), QStringLiteral("1"));
        QCOMPARE(configuracao.le(QStringLiteral("CTT"), QStringLiteral("Seleccao")), longo);
        QCOMPARE(configuracao.le(QStringLiteral("CTT"), QStringLiteral("Depois")), QStringLiteral("1"));
    }

    void gravaInvalidoFalhaSemTocarNoFicheiro_data()
    {
        QTest::addColumn<QString>("seccao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("valor");
        QTest::newRow("line break in value") << "A" << "x" << "1\r\n[Outra]\r\ny=2";
        QTest::newRow("LF in value") << "A" << "x" << "1\ny=2";
        QTest::newRow("empty key") << "A" << "" << "1";
        QTest::newRow("= in key") << "A" << "x=y" << "1";
        QTest::newRow("comment key") << "A" << ";x" << "1";
        QTest::newRow("empty section") << "" << "x" << "1";
        QTest::newRow("] in section") << "A]" << "x" << "1";
    }

    void gravaInvalidoFalhaSemTocarNoFicheiro()
    {
        QFETCH(QString, seccao);
        QFETCH(QString, chave);
        QFETCH(QString, valor);
        const QByteArray antes("[A]\r\nx=0\r\n");
        const QString caminho = criaFicheiro(antes);
        ConfiguracaoFicheiro configuracao(caminho);
        QVERIFY_THROWS_EXCEPTION(QrxError, configuracao.grava(seccao, chave, valor));
        QCOMPARE(conteudo(caminho), antes);
    }

    void gravaEmPastaInexistenteFalha()
    {
        const QString caminho = m_pasta.filePath(QStringLiteral("nao/existe/qrxEdi.qrx"));
        ConfiguracaoFicheiro configuracao(caminho);
        try {
            configuracao.grava(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
            QFAIL("no error raised");
        } catch (const QrxError &erro) {
            QCOMPARE(erro.numero(), qrx::erros::FicheiroInacessivel);
            QVERIFY2(erro.descricao().contains(caminho), qPrintable(erro.descricao()));
        }
    }

    void gravaSemFicheiroFalha()
    {
        ConfiguracaoFicheiro configuracao;
        QVERIFY_THROWS_EXCEPTION(QrxError, configuracao.grava(QStringLiteral("A"),
                                                              QStringLiteral("x"),
                                                              QStringLiteral("1")));
    }

    void gravaMantemPermissoesELigacaoSimbolica()
    {
        // The file holds enciphered passwords: an owner-only file stays owner-only, and a
        // settings path that is a symbolic link keeps pointing at the real file.
        QTemporaryDir pasta;
        const QString real = pasta.filePath(QStringLiteral("real.qrx"));
        const QString ligacao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        {
            QFile file(real);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[A]\r\nx=1\r\n");
        }
        const QFile::Permissions soDono = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(real, soDono));
#ifndef Q_OS_WIN
        QVERIFY(QFile::link(real, ligacao));
#else
        QVERIFY(QFile::copy(real, ligacao));
#endif
        ConfiguracaoFicheiro configuracao(ligacao);
        configuracao.grava(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
#ifndef Q_OS_WIN
        QVERIFY(QFileInfo(ligacao).isSymLink());
        QCOMPARE(conteudo(real), QByteArray("[A]\r\nx=2\r\n"));
        QCOMPARE(QFileInfo(real).permissions() & ~(QFile::ReadUser | QFile::WriteUser), soDono);
#endif
        QCOMPARE(configuracao.le(QStringLiteral("A"), QStringLiteral("x")), QStringLiteral("2"));
    }

    void gravaNaoDeixaFicheirosTemporarios()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        ConfiguracaoFicheiro configuracao(caminho);
        for (int i = 0; i < 3; ++i)
            configuracao.grava(QStringLiteral("A"), QStringLiteral("x"), QString::number(i));
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("qrxEdi.qrx")});
    }
};

QTEST_GUILESS_MAIN(TstConfiguracaoFicheiro)
#include "tst_configuracaoficheiro.moc"
