// qrxedi-demo: writes the demo ERP database and the demo settings files.
#include "GeradorDemo.h"
#include "QrxError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"qrxedi-demo"_s);

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(
        u"Escreve a base de dados de demonstração (demo.db) e um ficheiro de configuração por "
        "tipo de exportação (qrxEdi-tipoNN.qrx e qrxEdi.qrx)."_s);
    opcoes.addHelpOption();
    const QCommandLineOption pasta(u"output-dir"_s, u"Pasta de destino."_s, u"DIR"_s);
    const QCommandLineOption linhas(
        u"lines"_s, u"Número de linhas de documentos (por omissão %1)."_s.arg(qrx::GeradorDemo::LinhasPorOmissao),
        u"N"_s, QString::number(qrx::GeradorDemo::LinhasPorOmissao));
    const QCommandLineOption data(u"date"_s, u"Dia de hoje dos documentos (por omissão hoje)."_s,
                                  u"YYYY-MM-DD"_s);
    const QCommandLineOption semente(u"seed"_s, u"Semente (por omissão %1)."_s.arg(qrx::GeradorDemo::SementePorOmissao),
                                     u"S"_s, QString::number(qrx::GeradorDemo::SementePorOmissao));
    opcoes.addOptions({pasta, linhas, data, semente});

    QTextStream erro(stderr);
    auto uso = [&](const QString &texto) {
        erro << texto << '\n' << opcoes.helpText();
        return 2;
    };
    if (!opcoes.parse(QCoreApplication::arguments()))
        return uso(opcoes.errorText());
    if (opcoes.isSet(u"help"_s)) {
        QTextStream(stdout) << opcoes.helpText();
        return 0;
    }
    if (!opcoes.positionalArguments().isEmpty())
        return uso(u"Argumento a mais: "_s + opcoes.positionalArguments().first());
    if (!opcoes.isSet(pasta) || opcoes.value(pasta).isEmpty())
        return uso(u"Falta --output-dir."_s);
    bool ok = false;
    const int quantas = opcoes.value(linhas).toInt(&ok);
    if (!ok || quantas < qrx::GeradorDemo::minimoLinhas())
        return uso(u"--lines tem de ser um número inteiro, pelo menos %1."_s.arg(qrx::GeradorDemo::minimoLinhas()));
    const quint64 s = opcoes.value(semente).toULongLong(&ok);
    if (!ok)
        return uso(u"--seed tem de ser um número inteiro não negativo."_s);
    QDate hoje = QDate::currentDate();
    if (opcoes.isSet(data)) {
        hoje = QDate::fromString(opcoes.value(data), Qt::ISODate);
        if (!hoje.isValid())
            return uso(u"--date tem de ser uma data YYYY-MM-DD."_s);
    }

    try {
        QElapsedTimer tempo;
        tempo.start();
        const QString destino = QDir(opcoes.value(pasta)).absolutePath();
        const qrx::GeradorDemo::Resumo r = qrx::GeradorDemo(s, quantas, hoje).gerar(destino);
        QTextStream(stdout) << u"%1: %2 documentos (%3 de %4), %5 linhas, %6 clientes, em %7 s"_s
                                   .arg(QDir(destino).filePath(qrx::GeradorDemo::nomeBaseDados()))
                                   .arg(r.documentos)
                                   .arg(r.documentosDeHoje)
                                   .arg(hoje.toString(Qt::ISODate))
                                   .arg(r.linhas)
                                   .arg(r.clientes)
                                   .arg(double(tempo.elapsed()) / 1000.0, 0, 'f', 2)
                            << '\n';
    } catch (const qrx::QrxError &e) {
        erro << e.textoCompleto() << '\n';
        return 1;
    }
    return 0;
}
