#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>

#include "LimiteTamanho.h"

#include <QDir>

#include <QFile>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <functional>
#include <limits>

using qrx::cLinhaProvCTB;

namespace {

struct Campo {
    std::function<void(cLinhaProvCTB &, const QVariant &)> atribui;
    std::function<QVariant(const cLinhaProvCTB &)> le;
};

// Every settable field by its name, so one table covers them all.
Campo campo(const QString &nome)
{
    using L = cLinhaProvCTB;
    const auto texto = [](void (L::*set)(const QString &), QString (L::*get)() const) {
        return Campo{[set](L &l, const QVariant &v) { (l.*set)(v.toString()); },
                     [get](const L &l) { return QVariant((l.*get)()); }};
    };
    const auto curto = [](void (L::*set)(int), qint16 (L::*get)() const) {
        return Campo{[set](L &l, const QVariant &v) { (l.*set)(v.toInt()); },
                     [get](const L &l) { return QVariant(int((l.*get)())); }};
    };
    const auto longo = [](void (L::*set)(qint32), qint32 (L::*get)() const) {
        return Campo{[set](L &l, const QVariant &v) { (l.*set)(v.toInt()); },
                     [get](const L &l) { return QVariant(int((l.*get)())); }};
    };
    if (nome == QLatin1String("Conta")) return texto(&L::setConta, &L::Conta);
    if (nome == QLatin1String("DescricaoMovimento"))
        return texto(&L::setDescricaoMovimento, &L::DescricaoMovimento);
    if (nome == QLatin1String("Rubrica")) return texto(&L::setRubrica, &L::Rubrica);
    if (nome == QLatin1String("CentroCusto")) return texto(&L::setCentroCusto, &L::CentroCusto);
    if (nome == QLatin1String("SinalDebCred")) return texto(&L::setSinalDebCred, &L::SinalDebCred);
    if (nome == QLatin1String("DataMov")) return texto(&L::setDataMov, &L::DataMov);
    if (nome == QLatin1String("Diario")) return curto(&L::setDiario, &L::Diario);
    if (nome == QLatin1String("CodigoDocumento"))
        return curto(&L::setCodigoDocumento, &L::CodigoDocumento);
    if (nome == QLatin1String("GrupoTerceiros")) return curto(&L::setGrupoTerceiros, &L::GrupoTerceiros);
    if (nome == QLatin1String("NumeroTerceiro")) return curto(&L::setNumeroTerceiro, &L::NumeroTerceiro);
    if (nome == QLatin1String("NumeroDiario")) return longo(&L::setNumeroDiario, &L::NumeroDiario);
    if (nome == QLatin1String("NumeroDocumento"))
        return longo(&L::setNumeroDocumento, &L::NumeroDocumento);
    if (nome == QLatin1String("Valor"))
        return Campo{[](L &l, const QVariant &v) { l.setValor(v.toDouble()); },
                     [](const L &l) { return QVariant(l.Valor()); }};
    qFatal("campo desconhecido");
}

QString espacos(int n) { return QString(n, QLatin1Char(' ')); }

} // namespace

class TstCLinhaProvCTB : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valoresIniciais();
    void regraDoCampo_data();
    void regraDoCampo();
    void regraDaData_data();
    void regraDaData();
    void linha_data();
    void linha();
    void escreverNaPosicao();
    void escreverEmWindows1252();
    void falhasDeEscrita_data();
    void falhasDeEscrita();
    void escritaInterrompidaNaoDeixaMeiaLinha();
};

void TstCLinhaProvCTB::valoresIniciais()
{
    const cLinhaProvCTB linha;
    QCOMPARE(linha.DataMov(), QString());
    QCOMPARE(linha.Conta(), QString());
    QCOMPARE(linha.Diario(), qint16(0));
    QCOMPARE(linha.NumeroDiario(), 0);
    QCOMPARE(linha.CodigoDocumento(), qint16(0));
    QCOMPARE(linha.NumeroDecimais(), qint16(0));
    QCOMPARE(linha.NumeroDocumento(), 0);
    QCOMPARE(linha.DescricaoMovimento(), QString());
    QCOMPARE(linha.Valor(), 0.0);
    QCOMPARE(linha.SinalDebCred(), QString());
    QCOMPARE(linha.Livre(), QStringLiteral("   "));
    QCOMPARE(linha.Rubrica(), QString());
    QCOMPARE(linha.CentroCusto(), QString());
    QCOMPARE(linha.GrupoTerceiros(), qint16(0));
    QCOMPARE(linha.NumeroTerceiro(), qint16(0));
    QCOMPARE(linha.CrLf(), QStringLiteral("\r\n"));
}

void TstCLinhaProvCTB::regraDoCampo_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QVariant>("anterior");  // a valid value set first
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("guardado");
    QTest::addColumn<QString>("evento");     // "", "Erro" or "Aviso"
    QTest::addColumn<QString>("texto");

    const QString erroTerceiro = QStringLiteral("Numero de Terceiros inválido. [1..32500].");
    const QString erroGrupo = QStringLiteral("Grupo de Terceiros inválido. [1..9].");
    const QString erroSinal = QStringLiteral("Sinal de Dédito ou Crédito inválido. [D,C].");
    const QString erroValor = QStringLiteral("Valor de Movimento inválido. [0..99999999.99].");
    const QString erroDocumento = QStringLiteral("Numero de Documento inválido. [1..9999999].");
    const QString erroCodigo = QStringLiteral("Código de Documento inválido. [1..999].");
    const QString erroNumDiario = QStringLiteral("Numero de Diário inválido. [1..999999].");
    const QString erroDiario = QStringLiteral("Código de Diário inválido. [1..999].");

    auto linha = [](const char *nomeLinha, const char *nome, QVariant anterior, QVariant valor,
                    QVariant guardado, const char *evento, const QString &texto) {
        QTest::newRow(nomeLinha) << QString::fromLatin1(nome) << anterior << valor << guardado
                                 << QString::fromLatin1(evento) << texto;
    };
    const QVariant nada;

    linha("conta curta", "Conta", nada, QStringLiteral("2111"), QStringLiteral("2111      "), "", {});
    linha("conta de 10", "Conta", nada, QStringLiteral("2111000001"), QStringLiteral("2111000001"), "", {});
    linha("conta de 13", "Conta", nada, QStringLiteral("2111000001234"), QStringLiteral("2111000001"),
          "Aviso", QStringLiteral("Tamanho da conta truncado a 10 posições."));
    linha("conta composta", "Conta", nada, QStringLiteral("Cafe\u0301123456"),
          QStringLiteral("Caf\u00e9123456"), "", {});
    linha("descrição de 20", "DescricaoMovimento", nada, QStringLiteral("Venda a dinheiro 001"),
          QStringLiteral("Venda a dinheiro 001"), "", {});
    linha("descrição de 21", "DescricaoMovimento", nada, QStringLiteral("Venda a dinheiro 0012"),
          QStringLiteral("Venda a dinheiro 001"), "Aviso",
          QStringLiteral("Tamanho da descrição do movimento truncado a 20 posições."));
    linha("rubrica curta", "Rubrica", nada, QStringLiteral("R1"), QStringLiteral("R1    "), "", {});
    linha("rubrica de 7", "Rubrica", nada, QStringLiteral("RUB1234"), QStringLiteral("RUB123"), "Aviso",
          QStringLiteral("Tamanho da rubrica truncado a 6 posições."));
    linha("centro de 7", "CentroCusto", nada, QStringLiteral("CC12345"), QStringLiteral("CC1234"), "Aviso",
          QStringLiteral("Tamanho do centro de custo truncado a 6 posições."));
    linha("centro vazio", "CentroCusto", nada, QString(), espacos(6), "", {});

    linha("sinal d", "SinalDebCred", nada, QStringLiteral("d"), QStringLiteral("D"), "", {});
    linha("sinal c", "SinalDebCred", nada, QStringLiteral("c"), QStringLiteral("C"), "", {});
    linha("sinal X", "SinalDebCred", nada, QStringLiteral("X"), QString(), "Erro", erroSinal);
    linha("sinal X fica C", "SinalDebCred", QStringLiteral("C"), QStringLiteral("x"),
          QStringLiteral("C"), "Erro", erroSinal);
    linha("sinal vazio", "SinalDebCred", nada, QString(), QString(), "Erro", erroSinal);
    linha("sinal DC", "SinalDebCred", nada, QStringLiteral("DC"), QString(), "Erro", erroSinal);

    linha("valor 12.5", "Valor", nada, 12.5, 12.5, "", {});
    linha("valor 0", "Valor", 3.0, 0.0, 0.0, "", {});
    linha("valor máximo", "Valor", nada, 99999999.99, 99999999.99, "", {});
    linha("valor acima", "Valor", 7.0, 99999999.991, 7.0, "Erro", erroValor);
    linha("valor -1", "Valor", 7.0, -1.0, 7.0, "Erro", erroValor);
    linha("valor -0.01", "Valor", nada, -0.01, 0.0, "Erro", erroValor);
    linha("valor NaN", "Valor", 7.0, std::numeric_limits<double>::quiet_NaN(), 7.0, "Erro", erroValor);

    linha("diário 1", "Diario", nada, 1, 1, "", {});
    linha("diário 999", "Diario", nada, 999, 999, "", {});
    linha("diário 0", "Diario", 5, 0, 5, "Erro", erroDiario);
    linha("diário 1000", "Diario", 5, 1000, 5, "Erro", erroDiario);
    linha("diário -1", "Diario", 5, -1, 5, "Erro", erroDiario);
    linha("diário além de 16 bits", "Diario", 5, 65537, 5, "Erro", erroDiario);

    linha("n.º diário 1", "NumeroDiario", nada, 1, 1, "", {});
    linha("n.º diário 999999", "NumeroDiario", nada, 999999, 999999, "", {});
    linha("n.º diário -1", "NumeroDiario", nada, -1, -1, "", {});
    linha("n.º diário -99999", "NumeroDiario", nada, -99999, -99999, "", {});
    linha("n.º diário 0", "NumeroDiario", 8, 0, 8, "Erro", erroNumDiario);
    linha("n.º diário 1000000", "NumeroDiario", 8, 1000000, 8, "Erro", erroNumDiario);
    linha("n.º diário -1000000", "NumeroDiario", 8, -1000000, 8, "Erro", erroNumDiario);
    // With its sign it would need seven columns and reach the file as 999999.
    linha("n.º diário -999999", "NumeroDiario", 8, -999999, 8, "Erro", erroNumDiario);
    linha("n.º diário mínimo", "NumeroDiario", 8, std::numeric_limits<qint32>::min(), 8, "Erro",
          erroNumDiario);

    linha("código 1", "CodigoDocumento", nada, 1, 1, "", {});
    linha("código 999", "CodigoDocumento", nada, 999, 999, "", {});
    linha("código 0", "CodigoDocumento", 4, 0, 4, "Erro", erroCodigo);
    linha("código 1000", "CodigoDocumento", 4, 1000, 4, "Erro", erroCodigo);

    linha("documento 1", "NumeroDocumento", nada, 1, 1, "", {});
    linha("documento 9999999", "NumeroDocumento", nada, 9999999, 9999999, "", {});
    linha("documento 0", "NumeroDocumento", 6, 0, 6, "Erro", erroDocumento);
    linha("documento 10000000", "NumeroDocumento", 6, 10000000, 6, "Erro", erroDocumento);
    linha("documento -5", "NumeroDocumento", 6, -5, 6, "Erro", erroDocumento);

    linha("grupo 1", "GrupoTerceiros", nada, 1, 1, "", {});
    linha("grupo 9", "GrupoTerceiros", nada, 9, 9, "", {});
    linha("grupo 0 é nenhum", "GrupoTerceiros", 3, 0, 0, "", {});
    linha("grupo 10", "GrupoTerceiros", 3, 10, 3, "Erro", erroGrupo);
    linha("grupo -1", "GrupoTerceiros", 3, -1, 3, "Erro", erroGrupo);

    linha("terceiro 1", "NumeroTerceiro", nada, 1, 1, "", {});
    linha("terceiro 32500", "NumeroTerceiro", nada, 32500, 32500, "", {});
    linha("terceiro 0 é nenhum", "NumeroTerceiro", 12, 0, 0, "", {});
    linha("terceiro 32501", "NumeroTerceiro", 12, 32501, 12, "Erro", erroTerceiro);
    // 98036 is 32500 in 16 bits: refused, not wrapped.
    linha("terceiro além de 16 bits", "NumeroTerceiro", 12, 98036, 12, "Erro", erroTerceiro);
}

void TstCLinhaProvCTB::regraDoCampo()
{
    QFETCH(QString, nome);
    QFETCH(QVariant, anterior);
    QFETCH(QVariant, valor);
    QFETCH(QVariant, guardado);
    QFETCH(QString, evento);
    QFETCH(QString, texto);

    const Campo c = campo(nome);
    cLinhaProvCTB linha;
    if (anterior.isValid())
        c.atribui(linha, anterior);
    QSignalSpy erros(&linha, &cLinhaProvCTB::Erro);
    QSignalSpy avisos(&linha, &cLinhaProvCTB::Aviso);

    c.atribui(linha, valor);

    QCOMPARE(c.le(linha), guardado);
    QCOMPARE(erros.count(), evento == QLatin1String("Erro") ? 1 : 0);
    QCOMPARE(avisos.count(), evento == QLatin1String("Aviso") ? 1 : 0);
    if (!evento.isEmpty()) {
        const QList<QVariant> argumentos = evento == QLatin1String("Erro") ? erros.first() : avisos.first();
        QCOMPARE(argumentos.at(0).toInt(), 1);
        QCOMPARE(argumentos.at(1).toString(), texto);
    }
}

void TstCLinhaProvCTB::regraDaData_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("aceite");
    QTest::addColumn<QString>("guardado");

    QTest::newRow("hífenes") << QStringLiteral("31-12-2010") << true << QStringLiteral("31.12.2010");
    QTest::newRow("barras") << QStringLiteral("31/12/2010") << true << QStringLiteral("31/12/2010");
    QTest::newRow("pontos") << QStringLiteral("01.06.2011") << true << QStringLiteral("01.06.2011");
    QTest::newRow("mês 13") << QStringLiteral("31-13-2010") << true << QStringLiteral("31.13.2010");
    QTest::newRow("mês 15") << QStringLiteral("01-15-2010") << true << QStringLiteral("01.15.2010");
    QTest::newRow("mês 0") << QStringLiteral("01-00-2010") << true << QStringLiteral("01.00.2010");
    QTest::newRow("mês 16") << QStringLiteral("01-16-2010") << false << QString();
    QTest::newRow("31 de fevereiro passa para março")
        << QStringLiteral("31-02-2010") << true << QStringLiteral("31.02.2010");
    QTest::newRow("último dia possível") << QStringLiteral("31-12-9999") << true << QStringLiteral("31.12.9999");
    QTest::newRow("mês 13 de 9999") << QStringLiteral("31-13-9999") << true << QStringLiteral("31.13.9999");
    QTest::newRow("além do último dia") << QStringLiteral("32-12-9999") << false << QString();
    QTest::newRow("ano de dois dígitos")
        << QStringLiteral("31-12-10") << true << QStringLiteral("31.12.10  ");
    QTest::newRow("cortada a 10") << QStringLiteral("31-12-2010 10:00")
                                  << true << QStringLiteral("31.12.2010");
    // "1-" is day 1, "-2" is month -2.
    QTest::newRow("sem zeros à esquerda") << QStringLiteral("1-1-2010") << false << QString();
    QTest::newRow("antes do primeiro dia") << QStringLiteral("31-12--999") << false << QString();
    // Nothing numeric reads as 0: day 0 of December of 2000.
    QTest::newRow("vazia") << QString() << true << espacos(10);
}

void TstCLinhaProvCTB::regraDaData()
{
    QFETCH(QString, valor);
    QFETCH(bool, aceite);
    QFETCH(QString, guardado);

    cLinhaProvCTB linha;
    QSignalSpy erros(&linha, &cLinhaProvCTB::Erro);
    linha.setDataMov(valor);
    QCOMPARE(linha.DataMov(), guardado);
    QCOMPARE(erros.count(), aceite ? 0 : 1);
    if (!aceite) {
        QCOMPARE(erros.first().at(0).toInt(), 1);
        QCOMPARE(erros.first().at(1).toString(), QStringLiteral("Data inválida."));

        // A refused date leaves the one before.
        linha.setDataMov(QStringLiteral("01-01-2020"));
        linha.setDataMov(valor);
        QCOMPARE(linha.DataMov(), QStringLiteral("01.01.2020"));
    }
}

void TstCLinhaProvCTB::linha_data()
{
    QTest::addColumn<QString>("dataMov");
    QTest::addColumn<QString>("conta");
    QTest::addColumn<int>("diario");
    QTest::addColumn<int>("numeroDiario");
    QTest::addColumn<int>("codigoDocumento");
    QTest::addColumn<int>("numeroDocumento");
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("sinal");
    QTest::addColumn<QString>("rubrica");
    QTest::addColumn<QString>("centroCusto");
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("terceiro");
    QTest::addColumn<QString>("esperada");

    // Columns: 1-10 date, 11-20 account, 21-23 journal, 24-29 journal number, 30-32 document
    // code, 33 blank, 34-40 document number, 41-60 description, 61-71 amount, 72 sign, 73-75
    // free, 76-81 heading, 82-87 cost centre, 88 group, 89-93 third party, 94-95 CR LF.
    QTest::newRow("completa")
        << "31-12-2010" << "2111" << 1 << 123 << 12 << 4567 << "Venda de mercadoria" << 12.5
        << "d" << "RUB1" << "CC01" << 2 << 345
        << QStringLiteral("31.12.2010" "2111      " "  1" "   123" " 12" " " "   4567"
                          "Venda de mercadoria " "      12.50" "D" "   " "RUB1  " "CC01  " "2"
                          "  345" "\r\n");
    QTest::newRow("nada atribuído")
        << QString() << QString() << 0 << 0 << 0 << 0 << QString() << 0.0 << QString()
        << QString() << QString() << 0 << 0
        << QString(espacos(10) + espacos(10) + QStringLiteral("  0") + QStringLiteral("     0")
                   + QStringLiteral("  0") + QStringLiteral(" ") + QStringLiteral("      0")
                   + espacos(20) + QStringLiteral("        .00") + QStringLiteral(" ")
                   + QStringLiteral("   ") + espacos(6) + espacos(6) + QStringLiteral(" ")
                   + espacos(5) + QStringLiteral("\r\n"));
    QTest::newRow("extremos")
        << "01/01/2011" << "2111000001" << 999 << -99999 << 999 << 9999999
        << "Transferência €  nº1" << 99999999.99 << "C" << "RUB123" << "CC1234" << 9 << 32500
        << QStringLiteral("01/01/2011" "2111000001" "999" "-99999" "999" " " "9999999"
                          "Transferência €  nº1" "99999999.99" "C" "   " "RUB123" "CC1234" "9"
                          "32500" "\r\n");
    QTest::newRow("abaixo de um")
        << "05-03-2012" << "6" << 7 << 999999 << 3 << 1 << "Juro" << 0.5
        << "C" << QString() << QString() << 0 << 0
        << QStringLiteral("05.03.2012" "6         " "  7" "999999" "  3" " " "      1"
                          "Juro                " "        .50" "C" "   " "      " "      " " "
                          "     " "\r\n");
    QTest::newRow("cêntimos arredondados")
        << "05-03-2012" << "6" << 7 << 1 << 3 << 1 << "Arredonda" << 2.675
        << "D" << QString() << QString() << 1 << 7
        << QStringLiteral("05.03.2012" "6         " "  7" "     1" "  3" " " "      1"
                          "Arredonda           " "       2.68" "D" "   " "      " "      " "1"
                          "    7" "\r\n");
}

void TstCLinhaProvCTB::linha()
{
    QFETCH(QString, dataMov);
    QFETCH(QString, conta);
    QFETCH(int, diario);
    QFETCH(int, numeroDiario);
    QFETCH(int, codigoDocumento);
    QFETCH(int, numeroDocumento);
    QFETCH(QString, descricao);
    QFETCH(double, valor);
    QFETCH(QString, sinal);
    QFETCH(QString, rubrica);
    QFETCH(QString, centroCusto);
    QFETCH(int, grupo);
    QFETCH(int, terceiro);
    QFETCH(QString, esperada);
    QCOMPARE(esperada.size(), 95); // the table itself

    cLinhaProvCTB linha;
    QSignalSpy erros(&linha, &cLinhaProvCTB::Erro);
    if (!dataMov.isNull()) {
        linha.setDataMov(dataMov);
        linha.setConta(conta);
        linha.setDiario(diario);
        linha.setNumeroDiario(numeroDiario);
        linha.setCodigoDocumento(codigoDocumento);
        linha.setNumeroDocumento(numeroDocumento);
        linha.setDescricaoMovimento(descricao);
        linha.setValor(valor);
        linha.setSinalDebCred(sinal);
        linha.setRubrica(rubrica);
        linha.setCentroCusto(centroCusto);
        linha.setGrupoTerceiros(grupo);
        linha.setNumeroTerceiro(terceiro);
    }
    QCOMPARE(erros.count(), 0);
    QCOMPARE(linha.FormataParaEscrita(), esperada);
}

namespace {

cLinhaProvCTB *linhaDeTeste(QObject *dono, int numeroDocumento, const QString &descricao)
{
    auto *linha = new cLinhaProvCTB(dono);
    linha->setDataMov(QStringLiteral("15-06-2011"));
    linha->setConta(QStringLiteral("2111"));
    linha->setDiario(1);
    linha->setNumeroDiario(10);
    linha->setCodigoDocumento(2);
    linha->setNumeroDocumento(numeroDocumento);
    linha->setDescricaoMovimento(descricao);
    linha->setValor(100);
    linha->setSinalDebCred(QStringLiteral("D"));
    return linha;
}

QByteArray leTudo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<não abriu>");
    return f.readAll();
}

} // namespace

void TstCLinhaProvCTB::escreverNaPosicao()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("linhas.txt"));
    QObject dono;
    cLinhaProvCTB *a = linhaDeTeste(&dono, 1, QStringLiteral("Primeira"));
    cLinhaProvCTB *b = linhaDeTeste(&dono, 2, QStringLiteral("Segunda"));
    cLinhaProvCTB *c = linhaDeTeste(&dono, 3, QStringLiteral("Terceira"));

    QFile ficheiro(caminho);
    QVERIFY(ficheiro.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    a->Escrever(ficheiro, 1);
    b->Escrever(ficheiro, 96);
    QCOMPARE(ficheiro.size(), 190);
    // Byte-addressed: the second line is replaced in place, the first is left alone.
    c->Escrever(ficheiro, 96);
    ficheiro.close();

    const QByteArray esperado = a->FormataParaEscrita().toLatin1() + c->FormataParaEscrita().toLatin1();
    QCOMPARE(leTudo(caminho), esperado);
}

void TstCLinhaProvCTB::escreverEmWindows1252()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("ansi.txt"));
    QObject dono;
    // Decomposed é and a character beyond the code page: the line keeps its 95 bytes.
    cLinhaProvCTB *linha = linhaDeTeste(&dono, 7, QStringLiteral("Cafe\u0301 \u20ac \U0001F600 Ωx"));

    QFile ficheiro(caminho);
    QVERIFY(ficheiro.open(QIODevice::WriteOnly));
    linha->Escrever(ficheiro, 1);
    ficheiro.close();

    const QByteArray bytes = leTudo(caminho);
    QCOMPARE(bytes.size(), 95);
    QCOMPARE(bytes.mid(40, 20), QByteArray("Caf\xe9 \x80 ? ?x         "));
    QVERIFY(bytes.endsWith("\r\n"));
}

void TstCLinhaProvCTB::falhasDeEscrita_data()
{
    QTest::addColumn<int>("modo"); // 0 not open, 1 read only, 2 valid
    QTest::addColumn<qint64>("posicao");
    QTest::addColumn<int>("numero");

    QTest::newRow("ficheiro fechado") << 0 << qint64(1) << 52;
    QTest::newRow("aberto só para leitura") << 1 << qint64(1) << 54;
    QTest::newRow("posição 0") << 2 << qint64(0) << 63;
    QTest::newRow("posição negativa") << 2 << qint64(-95) << 63;
}

void TstCLinhaProvCTB::falhasDeEscrita()
{
    QFETCH(int, modo);
    QFETCH(qint64, posicao);
    QFETCH(int, numero);

    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("f.txt"));
    {
        QFile criar(caminho);
        QVERIFY(criar.open(QIODevice::WriteOnly));
        criar.write("abc");
    }
    QFile ficheiro(caminho);
    if (modo == 1)
        QVERIFY(ficheiro.open(QIODevice::ReadOnly));
    else if (modo == 2)
        QVERIFY(ficheiro.open(QIODevice::ReadWrite));

    QObject dono;
    cLinhaProvCTB *linha = linhaDeTeste(&dono, 1, QStringLiteral("x"));
    try {
        linha->Escrever(ficheiro, posicao);
        QFAIL("Escrever devia falhar");
    } catch (const qrx::ErroProvCTB &erro) {
        QCOMPARE(erro.numero(), numero);
        QCOMPARE(erro.origem(), QStringLiteral("LinhaProvCTB:Escrever"));
        QVERIFY(!erro.descricao().isEmpty());
    }
    ficheiro.close();
    QCOMPARE(leTudo(caminho), QByteArray("abc"));
}

void TstCLinhaProvCTB::escritaInterrompidaNaoDeixaMeiaLinha()
{
#ifdef QRX_TEM_LIMITE_TAMANHO
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("cheio.txt"));
    QObject dono;
    cLinhaProvCTB *a = linhaDeTeste(&dono, 1, QStringLiteral("Primeira"));
    cLinhaProvCTB *b = linhaDeTeste(&dono, 2, QStringLiteral("Segunda"));

    QFile ficheiro(caminho);
    QVERIFY(ficheiro.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    a->Escrever(ficheiro, 1);
    {
        // Room for 55 bytes of the second line only.
        LimiteTamanho limite(150);
        QVERIFY(limite.activo());
        try {
            b->Escrever(ficheiro, 96);
            QFAIL("Escrever devia falhar");
        } catch (const qrx::ErroProvCTB &erro) {
            QCOMPARE(erro.numero(), 75);
            QCOMPARE(erro.origem(), QStringLiteral("LinhaProvCTB:Escrever"));
            QVERIFY2(erro.descricao().contains(QDir::toNativeSeparators(caminho)), qPrintable(erro.descricao()));
        }
        QCOMPARE(ficheiro.size(), 95);
        // Overwriting a line inside the limit still works.
        b->Escrever(ficheiro, 1);
    }
    ficheiro.close();
    QCOMPARE(leTudo(caminho), b->FormataParaEscrita().toLatin1());
#else
    QSKIP("no file size limit on this platform");
#endif
}

QTEST_GUILESS_MAIN(TstCLinhaProvCTB)
#include "tst_clinhaprovctb.moc"
