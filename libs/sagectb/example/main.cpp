// Writes the day's entries of company 01 into the folder given on the command line and says
// what became of each one.
#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhasProcCTB.h>
#include <qrxCoreProvCTBSageL50/cProvCTB.h>

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream saida(stdout);
    if (app.arguments().size() < 2) {
        QTextStream(stderr) << "uso: exemplo_sagectb PASTA\n";
        return 2;
    }

    qrx::cProvCTB prov;
    QObject::connect(&prov, &qrx::cProvCTB::Erro, [&saida](qint32 numero, const QString &texto) {
        saida << "Erro " << numero << ": " << texto << '\n';
    });
    QObject::connect(&prov, &qrx::cProvCTB::Aviso, [&saida](qint32 numero, const QString &texto) {
        saida << "Aviso " << numero << ": " << texto << '\n';
    });
    prov.setPercurso(app.arguments().at(1));
    prov.setEmpresa(QStringLiteral("01"));
    prov.setMes(QStringLiteral("12"));
    prov.setDia(QStringLiteral("31"));
    prov.setExtensao(QStringLiteral("05"));
    prov.setEmMemoria(false);

    try {
        const bool debito = prov.Add(QStringLiteral("31-12-2010"), QStringLiteral("211100001"), 1, 1, 1, 0,
                                     1001, QStringLiteral("Venda a crédito"), 123.45, QStringLiteral("D"),
                                     QString(), QString(), QString(), 2, 15, QString());
        const bool credito = prov.Add(QStringLiteral("31-12-2010"), QStringLiteral("711000000"), 1, 1, 1, 0,
                                      1001, QStringLiteral("Venda a crédito"), 123.45, QStringLiteral("C"),
                                      QString(), QStringLiteral("R1"), QStringLiteral("CC1"), 0, 0, QString());
        const bool recusado = prov.Add(QStringLiteral("31-16-2010"), QStringLiteral("711000000"), 1, 1, 1, 0,
                                       1002, QString(), 1, QStringLiteral("C"), QString(), QString(),
                                       QString(), 0, 0, QString());
        saida << "Linhas aceites: " << int(debito) + int(credito) + int(recusado) << '\n';
    } catch (const qrx::ErroProvCTB &erro) {
        saida << erro.textoCompleto() << " em " << erro.origem() << '\n';
        return 1;
    }
    saida << "Linhas escritas: " << prov.LinhasEscritas() << '\n';
    for (const qrx::cLinhaProvCTB *linha : *prov.colLinhas())
        saida << linha->FormataParaEscrita().left(93) << '\n';
    saida << "Ficheiro: " << prov.NomeFicheiro() << '\n';
    return 0;
}
