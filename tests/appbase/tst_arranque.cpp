#include "Arranque.h"
#include "CDataAccess.h"
#include "ConfiguracaoLigacao.h"
#include "PastasEspeciais.h"
#include "QrxError.h"
#include "SistemaFicheiros.h"
#include "ValoresPrograma.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;

namespace {

// A small ERP database holding only the company table.
bool criaBaseEmpresa(const QString &ficheiro, const QStringList &nomes)
{
    bool ok = false;
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        bd.setDatabaseName(ficheiro);
        if (bd.open()) {
            QSqlQuery consulta(bd);
            ok = consulta.exec(QStringLiteral("CREATE TABLE EMPRESA (NOME TEXT, NIF TEXT)"));
            for (const QString &nome : nomes) {
                ok = ok && consulta.prepare(QStringLiteral("INSERT INTO EMPRESA (NOME, NIF) VALUES (?, '500000000')"));
                consulta.addBindValue(nome);
                ok = ok && consulta.exec();
            }
            bd.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return ok;
}

void escreve(const QString &caminho, const QByteArray &bytes)
{
    QFile file(caminho);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture");
}

} // namespace

class TstArranque : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void caminhoConfiguracao_data()
    {
        QTest::addColumn<QString>("linhaComandos");
        QTest::addColumn<bool>("pastaQuorex");
        QTest::addColumn<QString>("esperado");   // APPDATA and PROGRAMA stand for the folders
        QTest::newRow("command line kept") << "/etc/qrx/loja.qrx" << true << "/etc/qrx/loja.qrx";
        QTest::newRow("quotes kept") << "\"C:\\Program Files\\qrx\\a.qrx\"" << true
                                     << "\"C:\\Program Files\\qrx\\a.qrx\"";
        QTest::newRow("blanks kept") << " /tmp/a.qrx " << false << " /tmp/a.qrx ";
        QTest::newRow("Quorex folder present") << "" << true << "APPDATA/Quorex/qrxEdi.qrx";
        QTest::newRow("Quorex folder absent, beside the program") << "" << false
                                                                  << "PROGRAMA/qrxEdi.qrx";
    }

    void caminhoConfiguracao()
    {
        QFETCH(QString, linhaComandos);
        QFETCH(bool, pastaQuorex);
        QFETCH(QString, esperado);
        QTemporaryDir appData;
        QTemporaryDir programa;
        if (pastaQuorex)
            QVERIFY(QDir(appData.path()).mkdir(QStringLiteral("Quorex")));
        esperado.replace(QStringLiteral("APPDATA"), appData.path());
        esperado.replace(QStringLiteral("PROGRAMA"), programa.path());
        QCOMPARE(CaminhoConfiguracao(linhaComandos, appData.path(), programa.path(), SistemaFicheiros()),
                 esperado);
    }

    void caminhoConfiguracaoPastaProgramaComSeparador()
    {
        QTemporaryDir appData;
        QCOMPARE(CaminhoConfiguracao(QString(), appData.path(), QStringLiteral("/opt/qrx/"), SistemaFicheiros()),
                 QStringLiteral("/opt/qrx/qrxEdi.qrx"));
    }

    void pastaExiste()
    {
        QTemporaryDir pasta;
        const SistemaFicheiros sistema;
        QVERIFY(sistema.PastaExiste(pasta.path()));
        QVERIFY(sistema.PastaExiste(pasta.path() + u'/'));
        escreve(pasta.filePath(QStringLiteral("ficheiro")), "x");
        QVERIFY(!sistema.PastaExiste(pasta.filePath(QStringLiteral("ficheiro"))));
        QVERIFY(!sistema.PastaExiste(pasta.filePath(QStringLiteral("nao-existe"))));
        QVERIFY(!sistema.PastaExiste(QString()));
    }

    void pastaDadosAplicacao()
    {
        const QString pasta = PastasEspeciais().PastaDadosAplicacao();
        QVERIFY(!pasta.isEmpty());
        QVERIFY(!pasta.endsWith(u'/'));
#ifndef Q_OS_WIN
        QCOMPARE(pasta, QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
#endif
    }

    void titulo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("empty") << "" << "qrx EDI ";
        QTest::newRow("name") << "Exemplo, Lda" << "qrx EDI [Exemplo, Lda]";
    }

    void titulo()
    {
        QFETCH(QString, nome);
        QFETCH(QString, titulo);
        QCOMPARE(TituloJanelaPrincipal(nome), titulo);
    }

    void painelServidor()
    {
        QCOMPARE(TextoPainelServidor(QStringLiteral("SRV")), QStringLiteral("Servidor SQL: SRV     "));
    }

    void ligaENomeEmpresa_data()
    {
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("one row") << QStringList{QStringLiteral("Construções Açor, Lda")}
                                 << QStringLiteral("Construções Açor, Lda");
        QTest::newRow("first row") << QStringList{"Primeira", "Segunda"} << "Primeira";
        QTest::newRow("no rows") << QStringList() << "";
    }

    void ligaENomeEmpresa()
    {
        QFETCH(QStringList, nomes);
        QFETCH(QString, esperado);
        QTemporaryDir pasta;
        QVERIFY(criaBaseEmpresa(pasta.filePath(QStringLiteral("erp.db")), nomes));
        const QString configuracao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        escreve(configuracao, "[BaseDados]\r\nMotor=SQLite\r\nBaseDados=erp.db\r\n");

        ConfiguracaoLigacao ligacao(configuracao);
        int pedidos = 0;
        BaseDadosLigada ligada = LigaBaseDados(ligacao, [&](ConfiguracaoLigacao &) {
            ++pedidos;
            return false;
        });
        QCOMPARE(pedidos, 0);
        QVERIFY(ligada.bd);
        QCOMPARE(ligada.servidor, pasta.filePath(QStringLiteral("erp.db")));
        QCOMPARE(NomeEmpresa(*ligada.bd), esperado);
        QCOMPARE(TituloJanelaPrincipal(NomeEmpresa(*ligada.bd)),
                 esperado.isEmpty() ? QStringLiteral("qrx EDI ") : u"qrx EDI [" + esperado + u']');
        ligada.bd->CloseConnection();
    }

    void baseEmFaltaPedeDados()
    {
        QTemporaryDir pasta;
        const QString configuracao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        escreve(configuracao, "[BaseDados]\r\nMotor=SQLite\r\nBaseDados=nao-existe.db\r\n");
        QVERIFY(criaBaseEmpresa(pasta.filePath(QStringLiteral("certa.db")), {QStringLiteral("Certa")}));

        // The dialog corrects the file name and saves it; the settings are read again.
        ConfiguracaoLigacao ligacao(configuracao);
        QStringList emFaltaVistos;
        BaseDadosLigada ligada = LigaBaseDados(ligacao, [&](ConfiguracaoLigacao &dados) {
            emFaltaVistos = dados.valoresEmFalta();
            ConfiguracaoLigacao editada(dados.ficheiroConfiguracao());
            editada.setBaseDados(QStringLiteral("certa.db"));
            editada.grava();
            return true;
        });
        QCOMPARE(emFaltaVistos, QStringList{QStringLiteral("BaseDados")});
        QCOMPARE(NomeEmpresa(*ligada.bd), QStringLiteral("Certa"));
        QCOMPARE(ligacao.baseDados(), QStringLiteral("certa.db"));
    }

    void dadosEmFaltaSemCorreccaoFalha_data()
    {
        QTest::addColumn<QByteArray>("seccao");
        QTest::addColumn<bool>("confirma");
        QTest::addColumn<QString>("chaves");
        QTest::newRow("SQLite file missing, cancelled")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=nao-existe.db\r\n") << false
            << "BaseDados";
        QTest::newRow("SQLite file missing, confirmed without fixing")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=nao-existe.db\r\n") << true
            << "BaseDados";
        QTest::newRow("SQL Server without values")
            << QByteArray("[Configuracao]\r\nTipo de Exportacao=0\r\n") << false
            << "Servidor, Utilizador, BaseDados";
    }

    void dadosEmFaltaSemCorreccaoFalha()
    {
        QFETCH(QByteArray, seccao);
        QFETCH(bool, confirma);
        QFETCH(QString, chaves);
        QTemporaryDir pasta;
        const QString configuracao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        escreve(configuracao, seccao);
        ConfiguracaoLigacao ligacao(configuracao);
        int pedidos = 0;
        try {
            LigaBaseDados(ligacao, [&](ConfiguracaoLigacao &) {
                ++pedidos;
                return confirma;
            });
            QFAIL("no error raised");
        } catch (const QrxError &erro) {
            QVERIFY2(erro.descricao().contains(configuracao), qPrintable(erro.descricao()));
            QVERIFY2(erro.descricao().contains(chaves), qPrintable(erro.descricao()));
        }
        QCOMPARE(pedidos, 1);
    }

    void semPedirDadosFalha()
    {
        QTemporaryDir pasta;
        ConfiguracaoLigacao ligacao(pasta.filePath(QStringLiteral("qrxEdi.qrx")));
        QVERIFY_THROWS_EXCEPTION(QrxError, LigaBaseDados(ligacao, {}));
    }

    void valoresDoPrograma()
    {
        // The program keeps the opened connection in LigacaoBD for the whole run.
        QTemporaryDir pasta;
        QVERIFY(criaBaseEmpresa(pasta.filePath(QStringLiteral("erp.db")), {QStringLiteral("Global")}));
        FicheiroConfiguracao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        escreve(FicheiroConfiguracao, "[BaseDados]\r\nMotor=SQLite\r\nBaseDados=erp.db\r\n");
        ConfiguracaoLigacao ligacao(FicheiroConfiguracao);
        LigacaoBD = LigaBaseDados(ligacao, {}).bd;
        QCOMPARE(NomeEmpresa(*LigacaoBD), QStringLiteral("Global"));
        LigacaoBD->CloseConnection();
        LigacaoBD.reset();
        FicheiroConfiguracao.clear();
    }
};

QTEST_GUILESS_MAIN(TstArranque)
#include "tst_arranque.moc"
