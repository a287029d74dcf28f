#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhasProcCTB.h>
#include <qrxCoreProvCTBSageL50/cProvCTB.h>

#include "LimiteTamanho.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using qrx::cLinhaProvCTB;
using qrx::cLinhasProcCTB;
using qrx::cProvCTB;
using qrx::ErroProvCTB;

namespace {

// One valid movement; numeroDocumento tells the lines apart.
bool adiciona(cProvCTB &prov, qint32 numeroDocumento, double valor = 12.5)
{
    return prov.Add(QStringLiteral("31-12-2010"), QStringLiteral("2111"), 1, 123, 12, 2,
                    numeroDocumento, QStringLiteral("Venda"), valor, QStringLiteral("d"),
                    QStringLiteral("XYZ"), QStringLiteral("RUB1"), QStringLiteral("CC01"), 2, 345,
                    QStringLiteral("!!"), QStringLiteral("chave"));
}

cLinhaProvCTB *adicionaNaColeccao(cLinhasProcCTB &linhas, qint32 numeroDocumento,
                                 const QString &chave = QString())
{
    return linhas.Add(QStringLiteral("31-12-2010"), QStringLiteral("2111"), 1, 123, 12, 2,
                      numeroDocumento, QStringLiteral("Venda"), 12.5, QStringLiteral("d"),
                      QStringLiteral("XYZ"), QStringLiteral("RUB1"), QStringLiteral("CC01"), 2, 345,
                      QStringLiteral("!!"), chave);
}

QByteArray leTudo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<não abriu>");
    return f.readAll();
}

// The error a call raises; a default one (number 0) when it raises nothing.
ErroProvCTB erroDe(const std::function<void()> &chamada)
{
    try {
        chamada();
    } catch (const ErroProvCTB &erro) {
        return erro;
    }
    return ErroProvCTB(0, QString(), QString());
}

void preparaNome(cProvCTB &prov, const QString &pasta)
{
    prov.setPercurso(pasta);
    prov.setEmpresa(QStringLiteral("01"));
    prov.setMes(QStringLiteral("12"));
    prov.setDia(QStringLiteral("31"));
    prov.setExtensao(QStringLiteral("05"));
}

} // namespace

class TstCProvCTB : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valoresIniciais();
    void nomeDoFicheiro_data();
    void nomeDoFicheiro();
    void addDaColeccaoAplicaOsCampos();
    void addDaColeccaoRetransmiteEventos();
    void chavesEPosicoes();
    void erradosNaColeccao_data();
    void erradosNaColeccao();
    void emMemoriaNaoCriaFicheiro();
    void escritaDirectaDe285Bytes();
    void ficheiroExistenteComecaVazio();
    void valorRecusadoNaoEntra();
    void pastaInexistente();
    void ficheiroSoDeLeitura();
    void nomeQueEPasta();
    void discoCheioNaoContaALinha();
};

void TstCProvCTB::valoresIniciais()
{
    const cProvCTB prov;
    QCOMPARE(prov.Percurso(), QString());
    QCOMPARE(prov.Extensao(), QString());
    QCOMPARE(prov.Dia(), QString());
    QCOMPARE(prov.Mes(), QString());
    QCOMPARE(prov.Empresa(), QString());
    QVERIFY(prov.EmMemoria());
    QVERIFY(prov.colLinhas() != nullptr);
    QCOMPARE(prov.colLinhas()->Count(), 0);
    QCOMPARE(prov.LinhasEscritas(), 0);
    // Built without Extensao, the name ends with the point.
    QCOMPARE(prov.NomeFicheiro(), QStringLiteral("P."));
}

void TstCProvCTB::nomeDoFicheiro_data()
{
    QTest::addColumn<QString>("percurso");
    QTest::addColumn<QString>("extensao");
    QTest::addColumn<QString>("percursoGuardado");
    QTest::addColumn<QString>("extensaoGuardada");
    QTest::addColumn<QString>("nome");

    const QString sep = QDir::separator();
    QTest::newRow("pasta com separador")
        << "C:\\CTB\\" << "05" << "C:\\CTB\\" << "705" << "C:\\CTB\\01P1231.705";
    QTest::newRow("pasta sem separador")
        << "C:\\CTB" << "05" << QString(QStringLiteral("C:\\CTB") + sep) << "705"
        << QString(QStringLiteral("C:\\CTB") + sep + QStringLiteral("01P1231.705"));
    QTest::newRow("pasta com barra") << "/dados/ctb/" << "05" << "/dados/ctb/" << "705"
                                     << "/dados/ctb/01P1231.705";
    QTest::newRow("pasta vazia") << "" << "05" << QString(sep) << "705"
                                 << QString(sep + QStringLiteral("01P1231.705"));
    QTest::newRow("extensão de um carácter") << "/d/" << "5" << "/d/" << "75 " << "/d/01P1231.75 ";
    QTest::newRow("extensão longa") << "/d/" << "0599" << "/d/" << "705" << "/d/01P1231.705";
    QTest::newRow("extensão vazia") << "/d/" << "" << "/d/" << "7  " << "/d/01P1231.7  ";
}

void TstCProvCTB::nomeDoFicheiro()
{
    QFETCH(QString, percurso);
    QFETCH(QString, extensao);
    QFETCH(QString, percursoGuardado);
    QFETCH(QString, extensaoGuardada);
    QFETCH(QString, nome);

    cProvCTB prov;
    prov.setPercurso(percurso);
    prov.setEmpresa(QStringLiteral("01"));
    prov.setMes(QStringLiteral("12"));
    prov.setDia(QStringLiteral("31"));
    prov.setExtensao(extensao);
    QCOMPARE(prov.Percurso(), percursoGuardado);
    QCOMPARE(prov.Extensao(), extensaoGuardada);
    QCOMPARE(prov.Empresa(), QStringLiteral("01"));
    QCOMPARE(prov.NomeFicheiro(), nome);
}

void TstCProvCTB::addDaColeccaoAplicaOsCampos()
{
    cProvCTB prov;
    cLinhaProvCTB *linha = adicionaNaColeccao(*prov.colLinhas(), 4567);
    QVERIFY(linha != nullptr);
    QCOMPARE(prov.colLinhas()->Count(), 1);
    QCOMPARE(prov.colLinhas()->Item(1), linha);
    QCOMPARE(linha->DataMov(), QStringLiteral("31.12.2010"));
    QCOMPARE(linha->Conta(), QStringLiteral("2111      "));
    QCOMPARE(linha->Diario(), qint16(1));
    QCOMPARE(linha->NumeroDiario(), 123);
    QCOMPARE(linha->CodigoDocumento(), qint16(12));
    QCOMPARE(linha->NumeroDocumento(), 4567);
    QCOMPARE(linha->DescricaoMovimento(), QStringLiteral("Venda               "));
    QCOMPARE(linha->Valor(), 12.5);
    QCOMPARE(linha->SinalDebCred(), QStringLiteral("D"));
    QCOMPARE(linha->Rubrica(), QStringLiteral("RUB1  "));
    QCOMPARE(linha->CentroCusto(), QStringLiteral("CC01  "));
    QCOMPARE(linha->GrupoTerceiros(), qint16(2));
    QCOMPARE(linha->NumeroTerceiro(), qint16(345));
    // Accepted and not applied.
    QCOMPARE(linha->NumeroDecimais(), qint16(0));
    QCOMPARE(linha->Livre(), QStringLiteral("   "));
    QCOMPARE(linha->CrLf(), QStringLiteral("\r\n"));
}

void TstCProvCTB::addDaColeccaoRetransmiteEventos()
{
    cProvCTB prov;
    cLinhasProcCTB &linhas = *prov.colLinhas();
    QSignalSpy errosColeccao(&linhas, &cLinhasProcCTB::Erro);
    QSignalSpy avisosProv(&prov, &cProvCTB::Aviso);
    QSignalSpy errosProv(&prov, &cProvCTB::Erro);

    cLinhaProvCTB *linha = linhas.Add(QStringLiteral("01-16-2010"), QStringLiteral("21110000012345"),
                                      1, 1, 1, 0, 1, QStringLiteral("x"), -1, QStringLiteral("X"),
                                      QString(), QString(), QString(), 0, 0, QString());
    // The collection's Add keeps the line with the refused fields at their defaults.
    QCOMPARE(linhas.Count(), 1);
    QCOMPARE(linha->DataMov(), QString());
    QCOMPARE(linha->Valor(), 0.0);
    QCOMPARE(linha->SinalDebCred(), QString());
    QCOMPARE(linha->Conta(), QStringLiteral("2111000001"));

    const QStringList esperados{QStringLiteral("Data inválida."),
                                QStringLiteral("Valor de Movimento inválido. [0..99999999.99]."),
                                QStringLiteral("Sinal de Dédito ou Crédito inválido. [D,C].")};
    QCOMPARE(errosColeccao.count(), 3);
    QCOMPARE(errosProv.count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(errosProv.at(i).at(0).toInt(), 1);
        QCOMPARE(errosProv.at(i).at(1).toString(), esperados.at(i));
    }
    QCOMPARE(avisosProv.count(), 1);
    QCOMPARE(avisosProv.first().at(1).toString(), QStringLiteral("Tamanho da conta truncado a 10 posições."));

    // Later assignments are relayed as well.
    linha->setDiario(0);
    QCOMPARE(errosProv.count(), 4);
    QCOMPARE(errosProv.last().at(1).toString(), QStringLiteral("Código de Diário inválido. [1..999]."));
}

void TstCProvCTB::chavesEPosicoes()
{
    cProvCTB prov;
    cLinhasProcCTB &linhas = *prov.colLinhas();
    cLinhaProvCTB *a = adicionaNaColeccao(linhas, 1, QStringLiteral("Alfa"));
    cLinhaProvCTB *b = adicionaNaColeccao(linhas, 2);
    cLinhaProvCTB *c = adicionaNaColeccao(linhas, 3, QStringLiteral("gama"));

    QCOMPARE(linhas.Count(), 3);
    QCOMPARE(linhas.Item(QStringLiteral("alfa")), a);
    QCOMPARE(linhas.Item(QStringLiteral("GAMA")), c);
    QCOMPARE(linhas.Item(2), b);

    QList<qint32> ordem;
    for (cLinhaProvCTB *linha : linhas)
        ordem.append(linha->NumeroDocumento());
    QCOMPARE(ordem, (QList<qint32>{1, 2, 3}));

    linhas.Remove(QStringLiteral("ALFA"));
    QCOMPARE(linhas.Count(), 2);
    QCOMPARE(linhas.Item(1), b);
    linhas.Remove(2);
    QCOMPARE(linhas.Count(), 1);
    QCOMPARE(linhas.Item(1), b);

    // A removed key can be used again.
    cLinhaProvCTB *d = adicionaNaColeccao(linhas, 4, QStringLiteral("alfa"));
    QCOMPARE(linhas.Item(QStringLiteral("Alfa")), d);

    // A line the client destroys leaves the collection, key and all.
    delete d;
    QCOMPARE(linhas.Count(), 1);
    QCOMPARE(linhas.Item(1), b);
    QCOMPARE(erroDe([&] { linhas.Item(QStringLiteral("alfa")); }).numero(), 5);
}

void TstCProvCTB::erradosNaColeccao_data()
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("origem");

    QTest::newRow("chave repetida") << 0 << 457 << "LinhasProcCTB:Add";
    QTest::newRow("posição 0") << 1 << 9 << "LinhasProcCTB:Item";
    QTest::newRow("posição além do fim") << 2 << 9 << "LinhasProcCTB:Item";
    QTest::newRow("chave desconhecida") << 3 << 5 << "LinhasProcCTB:Item";
    QTest::newRow("remover posição além do fim") << 4 << 9 << "LinhasProcCTB:Remove";
    QTest::newRow("remover chave desconhecida") << 5 << 5 << "LinhasProcCTB:Remove";
}

void TstCProvCTB::erradosNaColeccao()
{
    QFETCH(int, caso);
    QFETCH(int, numero);
    QFETCH(QString, origem);

    cProvCTB prov;
    cLinhasProcCTB &linhas = *prov.colLinhas();
    adicionaNaColeccao(linhas, 1, QStringLiteral("k"));
    adicionaNaColeccao(linhas, 2);

    const std::function<void()> chamadas[] = {
        [&] { adicionaNaColeccao(linhas, 3, QStringLiteral("K")); },
        [&] { linhas.Item(0); },
        [&] { linhas.Item(3); },
        [&] { linhas.Item(QStringLiteral("z")); },
        [&] { linhas.Remove(3); },
        [&] { linhas.Remove(QStringLiteral("z")); },
    };
    const ErroProvCTB erro = erroDe(chamadas[caso]);
    QCOMPARE(erro.numero(), numero);
    QCOMPARE(erro.origem(), origem);
    QVERIFY(!erro.descricao().isEmpty());
    QCOMPARE(linhas.Count(), 2);
}

void TstCProvCTB::emMemoriaNaoCriaFicheiro()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QString nome;
    {
        cProvCTB prov;
        preparaNome(prov, pasta.path());
        nome = prov.NomeFicheiro();
        for (int i = 1; i <= 3; ++i)
            QVERIFY(adiciona(prov, i));
        QCOMPARE(prov.colLinhas()->Count(), 3);
        QCOMPARE(prov.LinhasEscritas(), 0);
    }
    QVERIFY(!QFile::exists(nome));
    QVERIFY(QDir(pasta.path()).isEmpty());
}

void TstCProvCTB::escritaDirectaDe285Bytes()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = pasta.filePath(QStringLiteral("01P1231.705"));
    QByteArray esperado;
    {
        cProvCTB prov;
        preparaNome(prov, pasta.path());
        prov.setEmMemoria(false);
        QCOMPARE(prov.NomeFicheiro(), QString(pasta.path() + QDir::separator() + QStringLiteral("01P1231.705")));
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(adiciona(prov, i));
            QCOMPARE(prov.LinhasEscritas(), i);
            // Each line is on disk as soon as it is added.
            QCOMPARE(QFile(nome).size(), i * 95);
        }
        // The key given to cProvCTB::Add is not used.
        QCOMPARE(erroDe([&] { prov.colLinhas()->Item(QStringLiteral("chave")); }).numero(), 5);
        for (cLinhaProvCTB *linha : *prov.colLinhas())
            esperado += linha->FormataParaEscrita().toLatin1();
    }
    const QByteArray bytes = leTudo(nome);
    QCOMPARE(bytes.size(), 285);
    QCOMPARE(bytes, esperado);
    QCOMPARE(bytes.left(95),
             QByteArray("31.12.2010" "2111      " "  1" "   123" " 12" " " "      1"
                        "Venda               " "      12.50" "D" "   " "RUB1  " "CC01  " "2"
                        "  345" "\r\n"));
}

void TstCProvCTB::ficheiroExistenteComecaVazio()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = pasta.filePath(QStringLiteral("01P1231.705"));
    {
        QFile antigo(nome);
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write(QByteArray(1000, 'x'));
    }
    {
        cProvCTB prov;
        preparaNome(prov, pasta.path());
        QVERIFY(adiciona(prov, 1)); // collected only: the old file is not touched yet
        QCOMPARE(QFile(nome).size(), 1000);
        prov.setEmMemoria(false);
        QVERIFY(adiciona(prov, 2));
    }
    const QByteArray bytes = leTudo(nome);
    QCOMPARE(bytes.size(), 95);
    QCOMPARE(bytes.mid(33, 7), QByteArray("      2"));
}

void TstCProvCTB::valorRecusadoNaoEntra()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = pasta.filePath(QStringLiteral("01P1231.705"));
    {
        cProvCTB prov;
        preparaNome(prov, pasta.path());
        prov.setEmMemoria(false);
        QSignalSpy erros(&prov, &cProvCTB::Erro);
        QVERIFY(adiciona(prov, 1));
        QVERIFY(!adiciona(prov, 2, -1));
        QCOMPARE(erros.count(), 1);
        QCOMPARE(erros.first().at(1).toString(), QStringLiteral("Valor de Movimento inválido. [0..99999999.99]."));
        QVERIFY(adiciona(prov, 3));
        QCOMPARE(prov.colLinhas()->Count(), 2);
        QCOMPARE(prov.colLinhas()->Item(2)->NumeroDocumento(), 3);
        QCOMPARE(prov.LinhasEscritas(), 2);
        // Without third party (0) is not a refusal.
        QVERIFY(prov.Add(QStringLiteral("31-12-2010"), QStringLiteral("2111"), 1, 1, 1, 0, 4,
                         QString(), 1, QStringLiteral("C"), QString(), QString(), QString(), 0, 0,
                         QString()));
    }
    const QByteArray bytes = leTudo(nome);
    QCOMPARE(bytes.size(), 3 * 95);
    QCOMPARE(bytes.mid(95 + 33, 7), QByteArray("      3"));
    QCOMPARE(bytes.mid(2 * 95 + 87, 6), QByteArray("      "));
}

void TstCProvCTB::pastaInexistente()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString falta = pasta.filePath(QStringLiteral("falta"));
    cProvCTB prov;
    preparaNome(prov, falta);
    prov.setEmMemoria(false);

    const ErroProvCTB erro = erroDe([&] { adiciona(prov, 1); });
    QCOMPARE(erro.numero(), 76);
    QCOMPARE(erro.origem(), QStringLiteral("ProvCTB:Add"));
    QVERIFY2(erro.descricao().contains(QDir::toNativeSeparators(falta)), qPrintable(erro.descricao()));
    QCOMPARE(prov.colLinhas()->Count(), 1);
    QCOMPARE(prov.LinhasEscritas(), 0);

    // Once the folder is there the next line opens the file and goes first.
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("falta")));
    QVERIFY(adiciona(prov, 2));
    QCOMPARE(prov.colLinhas()->Count(), 2);
    QCOMPARE(prov.LinhasEscritas(), 1);
    QCOMPARE(QFile(prov.NomeFicheiro()).size(), 95);
}

void TstCProvCTB::ficheiroSoDeLeitura()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = pasta.filePath(QStringLiteral("01P1231.705"));
    {
        QFile antigo(nome);
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write("antigo");
    }
    QVERIFY(QFile::setPermissions(nome, QFile::ReadOwner | QFile::ReadUser));
    {
        QFile prova(nome);
        if (prova.open(QIODevice::ReadWrite))
            QSKIP("read-only files are writable for this user (root)");
    }

    cProvCTB prov;
    preparaNome(prov, pasta.path());
    prov.setEmMemoria(false);
    const ErroProvCTB erro = erroDe([&] { adiciona(prov, 1); });
    QCOMPARE(erro.numero(), 75);
    QCOMPARE(erro.origem(), QStringLiteral("ProvCTB:Add"));
    QVERIFY2(erro.descricao().contains(QDir::toNativeSeparators(nome)), qPrintable(erro.descricao()));
    QCOMPARE(prov.colLinhas()->Count(), 1);
    QCOMPARE(prov.LinhasEscritas(), 0);
    QCOMPARE(leTudo(nome), QByteArray("antigo"));
}

void TstCProvCTB::nomeQueEPasta()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("01P1231.705")));
    cProvCTB prov;
    preparaNome(prov, pasta.path());
    prov.setEmMemoria(false);
    const ErroProvCTB erro = erroDe([&] { adiciona(prov, 1); });
    QCOMPARE(erro.numero(), 75);
    QCOMPARE(erro.origem(), QStringLiteral("ProvCTB:Add"));
    QCOMPARE(prov.colLinhas()->Count(), 1);
    QCOMPARE(prov.LinhasEscritas(), 0);
}

void TstCProvCTB::discoCheioNaoContaALinha()
{
#ifdef QRX_TEM_LIMITE_TAMANHO
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = pasta.filePath(QStringLiteral("01P1231.705"));
    {
        cProvCTB prov;
        preparaNome(prov, pasta.path());
        prov.setEmMemoria(false);
        QVERIFY(adiciona(prov, 1));
        {
            LimiteTamanho limite(150);
            QVERIFY(limite.activo());
            const ErroProvCTB erro = erroDe([&] { adiciona(prov, 2); });
            QCOMPARE(erro.numero(), 75);
            QCOMPARE(erro.origem(), QStringLiteral("ProvCTB:Add"));
            QCOMPARE(QFile(nome).size(), 95);
        }
        QCOMPARE(prov.colLinhas()->Count(), 2);
        QCOMPARE(prov.LinhasEscritas(), 1);
        // With room again, the next line takes the place of the one that failed.
        QVERIFY(adiciona(prov, 3));
        QCOMPARE(prov.LinhasEscritas(), 2);
    }
    const QByteArray bytes = leTudo(nome);
    QCOMPARE(bytes.size(), 190);
    QCOMPARE(bytes.mid(95 + 33, 7), QByteArray("      3"));
#else
    QSKIP("no file size limit on this platform");
#endif
}

QTEST_GUILESS_MAIN(TstCProvCTB)
#include "tst_cprovctb.moc"
