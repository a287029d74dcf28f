#include "Cifra.h"
#include "ConfiguracaoFicheiro.h"
#include "ModTools.h"
#include "QrxError.h"
#include "ValoresPrograma.h"

#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;

namespace {

QByteArray conteudo(const QString &caminho)
{
    QFile file(caminho);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Section/Key" of every key line of a file, in file order.
QStringList chavesDoFicheiro(const QString &caminho)
{
    QStringList chaves;
    QString seccao;
    const QStringList linhas = QString::fromLatin1(conteudo(caminho)).split(QStringLiteral("\r\n"),
                                                                           Qt::SkipEmptyParts);
    for (const QString &linha : linhas) {
        if (linha.startsWith(u'['))
            seccao = linha.mid(1, linha.size() - 2);
        else
            chaves.append(seccao + u'/' + linha.left(linha.indexOf(u'=')));
    }
    return chaves;
}

// Members in key order, integers as their text: ties each member to its key.
QStringList membros(const DadosProAlliance &d)
{
    return {d.Remessa, d.SerieRemessa, d.Expedicao, d.TransferenciaArmazem,
            d.SerieTransferenciaArmazem, d.DelegacaoDeOrigem, d.CodigoPostalLocalExpedicao,
            d.ModoPagamento};
}
QStringList membros(const DadosUrbanos &d)
{
    return {d.Fatura, d.SerieFatura, d.VendaDinheiro, d.SerieVendaDinheiro, d.GuiaRemessa,
            d.SerieGuiaRemessa, d.GuiaTransporte, d.SerieGuiaTransporte, d.Expedicao,
            d.UnidadePeso, d.UnidadeVolume, d.CampoLivreNo, d.NomeDaEmpresa};
}
QStringList membros(const DadosSMTP &d)
{
    return {d.Servidor, d.Username, d.Password, d.DeNome, d.DeEmail, d.Para, d.Assunto};
}
QStringList membros(const DadosCTT &d)
{
    const auto n = [](qint16 v) { return QString::number(v); };
    return {d.Fatura, d.SerieFatura1, d.Fatura2, d.SerieFatura2, d.GuiaRemessa,
            d.SerieGuiaRemessa, d.GuiaTransporte, d.SerieGuiaTransporte, d.GuiaTransporte2,
            d.SerieGuiaTransporte2, n(d.Back), n(d.Sabado), n(d.Fragil), n(d.Observacoes),
            n(d.CodigoCliente), d.CobrancaPostalObjectos, d.CobrancaContraReembolso,
            d.CobrancaChequeNominativo, d.CodigoMinuta, n(d.SegundaEntrega), n(d.Assinado),
            n(d.SMS), d.Impressora, d.Etiquetadora, d.CodigoAT, n(d.QualPeso), d.Seleccao,
            d.Telefone, n(d.Volumes)};
}
QStringList membros(const DadosRsContreras &d)
{
    return {d.Fatura, d.SerieFatura1, d.SerieFatura2, d.GuiaRemessa, d.SerieGuiaRemessa,
            d.GuiaTransporte, d.SerieGuiaTransporte, d.Armazem1, d.Percurso1, d.Armazem2,
            d.Percurso2};
}
QStringList membros(const DadosTorresTir &d)
{
    return {d.Fatura, d.SerieFatura1, d.Fatura2, d.SerieFatura2, d.GuiaRemessa,
            d.SerieGuiaRemessa, d.GuiaTransporte, d.SerieGuiaTransporte, d.GuiaTransporte2,
            d.SerieGuiaTransporte2, d.Expedicao, d.CodCliente, d.Modopagamento};
}
QStringList membros(const DadosFTP &d)
{
    return {d.Servidor, d.Directoria, d.TipoLigacao, d.ModoTransferencia, d.Password, d.UserName};
}
QStringList membros(const DadosSFTP &d)
{
    return {d.Servidor, d.Porta, d.Utilizador, d.Password, d.Directoria, d.ChavePrivada,
            d.KnownHosts};
}

// Reads the section from one file, returns the members, and writes them into another.
template <class Dados>
QStringList leEGrava(Dados (*le)(const QString &), bool (*grava)(const Dados &, const QString &),
                     const QString &origem, const QString &destino)
{
    const Dados dados = le(origem);
    grava(dados, destino);
    if (!(le(destino) == dados))
        return {QStringLiteral("<read back differs>")};
    return membros(dados);
}

QStringList copiaSeccao(const QString &nome, const QString &origem, const QString &destino)
{
    if (nome == u"ProAlliance")
        return leEGrava<DadosProAlliance>(LeProAlliance, GravaProAlliance, origem, destino);
    if (nome == u"Urbanos")
        return leEGrava<DadosUrbanos>(LeUrbanos, GravaUrbanos, origem, destino);
    if (nome == u"SMTP")
        return leEGrava<DadosSMTP>(LeSMTP, GravaSMTP, origem, destino);
    if (nome == u"CTT")
        return leEGrava<DadosCTT>(LeCTT, GravaCTT, origem, destino);
    if (nome == u"RsContreras")
        return leEGrava<DadosRsContreras>(LeRsContreras, GravaRsContreras, origem, destino);
    if (nome == u"TorresTir")
        return leEGrava<DadosTorresTir>(LeTorresTir, GravaTorresTir, origem, destino);
    if (nome == u"FTP")
        return leEGrava<DadosFTP>(LeFTP, GravaFTP, origem, destino);
    if (nome == u"SFTP")
        return leEGrava<DadosSFTP>(LeSFTP, GravaSFTP, origem, destino);
    return {};
}

QStringList prefixa(const QString &seccao, const QStringList &chaves)
{
    QStringList resultado;
    for (const QString &chave : chaves)
        resultado.append(seccao + u'/' + chave);
    return resultado;
}

} // namespace

class TstLeitoresConfiguracao : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    int m_contador = 0;

    QString novoCaminho()
    {
        return m_pasta.filePath(QStringLiteral("c%1.qrx").arg(++m_contador));
    }

    QString criaFicheiro(const QByteArray &bytes)
    {
        const QString caminho = novoCaminho();
        QFile file(caminho);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture");
        return caminho;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pasta.isValid());
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    }

    void regraInteiro_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("esperado");
        QTest::newRow("10") << "10" << 10;
        QTest::newRow("x") << "x" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks around") << " 7 " << 7;
        QTest::newRow("2,5 to even") << "2,5" << 2;
        QTest::newRow("3,5 to even") << "3,5" << 4;
        QTest::newRow("2,6") << "2,6" << 3;
        QTest::newRow("-2,5") << "-2,5" << -2;
        QTest::newRow("-1") << "-1" << -1;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("32768") << "32768" << 0;
        QTest::newRow("70000") << "70000" << 0;
        QTest::newRow("rounds out of range") << "32767,5" << 0;
        QTest::newRow("number then text") << "7a" << 0;
        QTest::newRow("exponent") << "1e3" << 1000;
    }

    void regraInteiro()
    {
        QFETCH(QString, texto);
        QFETCH(int, esperado);
        QCOMPARE(int(InteiroConfiguracao(texto)), esperado);
    }

    void leTipoExportacao_data()
    {
        QTest::addColumn<QByteArray>("ficheiro");
        QTest::addColumn<int>("esperado");
        QTest::newRow("10") << QByteArray("[Configuracao]\r\nTipo de Exportacao=10\r\n") << 10;
        QTest::newRow("x") << QByteArray("[Configuracao]\r\nTipo de Exportacao=x\r\n") << 0;
        QTest::newRow("abc") << QByteArray("[Configuracao]\r\nTipo de Exportacao=abc\r\n") << 0;
        QTest::newRow("empty") << QByteArray("[Configuracao]\r\nTipo de Exportacao=\r\n") << 0;
        QTest::newRow("absent") << QByteArray("[Configuracao]\r\nEAN=1\r\n") << 0;
        QTest::newRow("70000") << QByteArray("[Configuracao]\r\nTipo de Exportacao=70000\r\n") << 0;
        QTest::newRow("key case") << QByteArray("[configuracao]\r\ntipo de exportacao = 7\r\n") << 7;
    }

    void leTipoExportacao()
    {
        QFETCH(QByteArray, ficheiro);
        QFETCH(int, esperado);
        QCOMPARE(int(LeTipoExportacao(criaFicheiro(ficheiro))), esperado);
    }

    void leTipoExportacaoSemFicheiro()
    {
        QCOMPARE(int(LeTipoExportacao(m_pasta.filePath(QStringLiteral("nenhum.qrx")))), 0);
    }

    void gravaTipoExportacaoSemEspaco()
    {
        const QString caminho = novoCaminho();
        QVERIFY(GravaTipoExportacao(7, caminho));
        QCOMPARE(conteudo(caminho), QByteArray("[Configuracao]\r\nTipo de Exportacao=7\r\n"));
        QCOMPARE(int(LeTipoExportacao(caminho)), 7);
    }

    void textoTipoExportacao_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("texto");
        const QStringList textos{
            QStringLiteral("Virodezivad ad Evoderor"), QStringLiteral("Duduzorud"),
            QStringLiteral("Duduzorud - Loja"), QStringLiteral("Urbanos"),
            QStringLiteral("Torres Tir"), QStringLiteral("TAS"), QStringLiteral("CARF"),
            QStringLiteral("CTT "), QStringLiteral("Tape"), QStringLiteral("GoExpress"),
            QStringLiteral("CTM"), QStringLiteral("Zavuredida"), QStringLiteral("Torrestir"),
            QStringLiteral("Dachser")};
        for (int i = 0; i < textos.size(); ++i)
            QTest::addRow("%d", i) << i << textos.at(i);
        QTest::newRow("-1") << -1 << "Dachser";
        QTest::newRow("14") << 14 << "Dachser";
        QTest::newRow("32767") << 32767 << "Dachser";
    }

    void textoTipoExportacao()
    {
        QFETCH(int, tipo);
        QFETCH(QString, texto);
        QCOMPARE(TextoTipoExportacao(tipo), texto);
        if (tipo >= 0 && tipo < NumeroTiposExportacao)
            QCOMPARE(TextosTiposExportacao().at(tipo), texto);
        QCOMPARE(TextosTiposExportacao().size(), NumeroTiposExportacao);
    }

    void directoriaEEAN()
    {
        const QString caminho = novoCaminho();
        QVERIFY(GravaDirectoria(QStringLiteral("C:\\EDI\\Saída"), caminho));
        QVERIFY(GravaEAN(QStringLiteral("5601234567890"), caminho));
        QCOMPARE(LeDirectoria(caminho), QStringLiteral("C:\\EDI\\Saída"));
        QCOMPARE(LeEAN(caminho), QStringLiteral("5601234567890"));
        QCOMPARE(conteudo(caminho),
                 QByteArray("[Configuracao]\r\nDirectoria=C:\\EDI\\Sa\xED""da\r\nEAN=5601234567890\r\n"));
    }

    void ficheiroDoPrograma()
    {
        // Without a file argument every reader and writer uses FicheiroConfiguracao.
        const QString anterior = FicheiroConfiguracao;
        FicheiroConfiguracao = novoCaminho();
        GravaTipoExportacao(12);
        GravaDirectoria(QStringLiteral("/saida"));
        DadosCTT ctt;
        ctt.Back = 1;
        GravaCTT(ctt);
        QCOMPARE(int(LeTipoExportacao(FicheiroConfiguracao)), 12);
        QCOMPARE(LeDirectoria(), QStringLiteral("/saida"));
        QCOMPARE(int(LeCTT().Back), 1);
        FicheiroConfiguracao = anterior;
    }

    void seccao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("chaves");      // "Section/Key" in write order
        QTest::addColumn<QStringList>("cifradas");    // keys stored enciphered
        QTest::addColumn<QStringList>("inteiras");    // keys read by the integer rule

        QTest::newRow("ProAlliance")
            << "ProAlliance"
            << prefixa(QStringLiteral("ProAlliance"),
                       {"Remessa", "Serie Remessa", "Expedicao", "Transferencia Armazem",
                        "Serie Transferencia Armazem", "Delegacao de origem",
                        "CodigoPostalLocalExpedicao", "ModoPagamento"})
            << QStringList() << QStringList();
        QTest::newRow("Urbanos")
            << "Urbanos"
            << prefixa(QStringLiteral("Urbanos"),
                       {"Fatura", "Serie Fatura", "VendaDinheiro", "Serie VendaDinheiro",
                        "Guia Remessa", "Serie Guia Remessa", "Guia Transporte",
                        "Serie Guia Transporte", "Expedicao", "Unidade Peso", "Unidade Volume",
                        QStringLiteral("Campo Livre Nº"), "Nome da Empresa"})
            << QStringList() << QStringList();
        QTest::newRow("SMTP")
            << "SMTP"
            << prefixa(QStringLiteral("SMTP"),
                       {"Servidor", "Username", "Password", "DeNome", "DeEmail", "Para", "Assunto"})
            << QStringList{"SMTP/Password"} << QStringList();
        QTest::newRow("CTT")
            << "CTT"
            << prefixa(QStringLiteral("CTT"),
                       {"Fatura", "Serie Fatura 1", "Fatura2", "Serie Fatura 2", "Guia Remessa",
                        "Serie Guia Remessa", "Guia Transporte", "Serie Guia Transporte",
                        "Guia Transporte2", "Serie Guia Transporte2", "Back", "Sabado", "Fragil",
                        "Observacoes", "CodigoCliente", "CobrancaPostalObjectos",
                        "CobrancaContraReembolso", "CobrancaChequeNominativo", "CodigoMinuta",
                        "SegundaEntrega", "Assinado", "SMS", "Impressora", "Etiquetadora",
                        "CodigoAT", "QualPeso", "Seleccao", "Telefone", "Volumes"})
            << QStringList()
            << prefixa(QStringLiteral("CTT"),
                       {"Back", "Sabado", "Fragil", "Observacoes", "CodigoCliente",
                        "SegundaEntrega", "Assinado", "SMS", "QualPeso", "Volumes"});
        QTest::newRow("RsContreras")
            << "RsContreras"
            << (prefixa(QStringLiteral("RsContreras"),
                        {"Fatura", "Serie Fatura 1", "Serie Fatura 2", "Guia Remessa",
                         "Serie Guia Remessa", "Guia Transporte", "Serie Guia Transporte"})
                + prefixa(QStringLiteral("Armazens"), {"Armazem1", "Percurso1", "Armazem2", "Percurso2"}))
            << QStringList() << QStringList();
        QTest::newRow("TorresTir")
            << "TorresTir"
            << prefixa(QStringLiteral("TorresTir"),
                       {"Fatura", "Serie Fatura 1", "Fatura2", "Serie Fatura 2", "Guia Remessa",
                        "Serie Guia Remessa", "Guia Transporte", "Serie Guia Transporte",
                        "Guia Transporte2", "Serie Guia Transporte2", "Expedicao", "CodCliente",
                        "Modopagamento"})
            << QStringList() << QStringList();
        QTest::newRow("FTP")
            << "FTP"
            << prefixa(QStringLiteral("FTP"),
                       {"Servidor", "Directoria", "Tipo Ligacao", "Modo Transferencia", "Password",
                        "UserName"})
            << QStringList{"FTP/Password"} << QStringList();
        QTest::newRow("SFTP")
            << "SFTP"
            << prefixa(QStringLiteral("SFTP"),
                       {"Servidor", "Porta", "Utilizador", "Password", "Directoria",
                        "Chave Privada", "Known Hosts"})
            << QStringList{"SFTP/Password"} << QStringList();
    }

    // Every key read into its member, written back under its key in table order, and read
    // back equal; passwords are never stored in clear.
    void seccao()
    {
        QFETCH(QString, nome);
        QFETCH(QStringList, chaves);
        QFETCH(QStringList, cifradas);
        QFETCH(QStringList, inteiras);

        QTemporaryDir pasta;
        const QString origem = pasta.filePath(QStringLiteral("origem.qrx"));
        const QString destino = pasta.filePath(QStringLiteral("destino.qrx"));
        ConfiguracaoFicheiro configuracao(origem);
        const Cifra cifra(origem);
        QStringList esperados;
        QList<ConfiguracaoFicheiro::Valor> valores;
        for (qsizetype i = 0; i < chaves.size(); ++i) {
            const QString seccao = chaves.at(i).section(u'/', 0, 0);
            const QString chave = chaves.at(i).section(u'/', 1);
            QString valor = inteiras.contains(chaves.at(i)) ? QString::number(i % 2 ? 1 : -1)
                                                            : u"v" + QString::number(i) + u";#ç";
            esperados.append(valor);
            if (cifradas.contains(chaves.at(i)))
                valor = cifra.cifra(valor);
            valores.append({seccao, chave, valor});
        }
        configuracao.grava(valores);

        QCOMPARE(copiaSeccao(nome, origem, destino), esperados);
        QCOMPARE(chavesDoFicheiro(destino), chaves);

        const ConfiguracaoFicheiro escrita(destino);
        for (qsizetype i = 0; i < chaves.size(); ++i) {
            const QString guardado = escrita.le(chaves.at(i).section(u'/', 0, 0),
                                                chaves.at(i).section(u'/', 1));
            if (cifradas.contains(chaves.at(i))) {
                QVERIFY(Cifra::estaCifrado(guardado));
                QVERIFY(!guardado.contains(esperados.at(i)));
                QCOMPARE(Cifra(destino).decifra(guardado), esperados.at(i));
            } else {
                QCOMPARE(guardado, esperados.at(i));
            }
        }
    }

    void inteirosCTT_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("esperado");
        QTest::newRow("1 selects the second entry") << "1" << 1;
        QTest::newRow("empty selects the first") << "" << 0;
        QTest::newRow("no selection") << "-1" << -1;
        QTest::newRow("overflow") << "70000" << 0;
        QTest::newRow("text") << "Com Back" << 0;
    }

    void inteirosCTT()
    {
        QFETCH(QString, texto);
        QFETCH(int, esperado);
        const QString caminho = novoCaminho();
        ConfiguracaoFicheiro configuracao(caminho);
        for (const char *chave : {"Back", "Sabado", "Fragil", "Observacoes", "CodigoCliente",
                                  "SegundaEntrega", "Assinado", "SMS", "QualPeso", "Volumes"})
            configuracao.grava(QStringLiteral("CTT"), QString::fromLatin1(chave), texto);
        const DadosCTT ctt = LeCTT(caminho);
        for (qint16 valor : {ctt.Back, ctt.Sabado, ctt.Fragil, ctt.Observacoes, ctt.CodigoCliente,
                             ctt.SegundaEntrega, ctt.Assinado, ctt.SMS, ctt.QualPeso, ctt.Volumes})
            QCOMPARE(int(valor), esperado);
    }

    void seccaoAusenteLeVazio()
    {
        const QString caminho = criaFicheiro("[Configuracao]\r\nEAN=1\r\n");
        QCOMPARE(LeCTT(caminho), DadosCTT());
        QCOMPARE(LeSMTP(caminho), DadosSMTP());
        QCOMPARE(LeRsContreras(m_pasta.filePath(QStringLiteral("nenhum.qrx"))), DadosRsContreras());
    }

    void passwordsCifradasNoFicheiro_data()
    {
        QTest::addColumn<QString>("seccao");
        QTest::newRow("SMTP") << "SMTP";
        QTest::newRow("FTP") << "FTP";
    }

    void passwordsCifradasNoFicheiro()
    {
        QFETCH(QString, seccao);
        const QString caminho = novoCaminho();
        const QString password = QStringLiteral("p@ss;#word");
        if (seccao == u"SMTP") {
            DadosSMTP smtp;
            smtp.Servidor = QStringLiteral("smtp.exemplo.pt");
            smtp.Password = password;
            GravaSMTP(smtp, caminho);
            QCOMPARE(LeSMTP(caminho), smtp);
        } else {
            DadosFTP ftp;
            ftp.Servidor = QStringLiteral("ftp.exemplo.pt");
            ftp.Password = password;
            GravaFTP(ftp, caminho);
            QCOMPARE(LeFTP(caminho), ftp);
        }
        const QByteArray bytes = conteudo(caminho);
        QVERIFY(!bytes.contains("p@ss"));
        QVERIFY(bytes.contains("Password=qrx1:"));

        // Saving the same values again leaves the file as it was.
        if (seccao == u"SMTP")
            GravaSMTP(LeSMTP(caminho), caminho);
        else
            GravaFTP(LeFTP(caminho), caminho);
        QCOMPARE(conteudo(caminho), bytes);
    }

    void passwordAntigaEmClaroLidaTalComoEsta()
    {
        const QString caminho = criaFicheiro(
            "[SMTP]\r\nServidor=mail\r\nPassword=antiga;#1\r\n[FTP]\r\nPassword=ftp1\r\n");
        QCOMPARE(LeSMTP(caminho).Password, QStringLiteral("antiga;#1"));
        QCOMPARE(LeFTP(caminho).Password, QStringLiteral("ftp1"));
        // Saving it stores it enciphered from then on.
        GravaSMTP(LeSMTP(caminho), caminho);
        QVERIFY(!conteudo(caminho).contains("antiga"));
        QCOMPARE(LeSMTP(caminho).Password, QStringLiteral("antiga;#1"));
    }

    void passwordIndecifravelFalha()
    {
        const QString caminho = criaFicheiro("[SMTP]\r\nPassword=qrx1:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\r\n");
        try {
            LeSMTP(caminho);
            QFAIL("no error raised");
        } catch (const QrxError &erro) {
            QVERIFY2(erro.descricao().contains(caminho), qPrintable(erro.descricao()));
        }
    }

    void urbanosEmFicheiroWindows1252()
    {
        const QString caminho = criaFicheiro(
            "; configura\xE7\xE3o antiga\r\n[Urbanos]\r\nCampo Livre N\xBA=20\r\nNome da Empresa=Constru\xE7\xF5""es\r\n");
        DadosUrbanos urbanos = LeUrbanos(caminho);
        QCOMPARE(urbanos.CampoLivreNo, QStringLiteral("20"));
        QCOMPARE(urbanos.NomeDaEmpresa, QStringLiteral("Construções"));
        urbanos.CampoLivreNo = QStringLiteral("21");
        GravaUrbanos(urbanos, caminho);
        const QByteArray bytes = conteudo(caminho);
        QVERIFY(bytes.startsWith("; configura\xE7\xE3o antiga\r\n[Urbanos]\r\nCampo Livre N\xBA=21\r\n"
                                 "Nome da Empresa=Constru\xE7\xF5""es\r\n"));
        QCOMPARE(LeUrbanos(caminho), urbanos);
    }
};

QTEST_GUILESS_MAIN(TstLeitoresConfiguracao)
#include "tst_leitoresconfiguracao.moc"
