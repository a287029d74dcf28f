#include "Interaccao.h"
#include "ProgramaBatch.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication aplicacao(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qrxEDI"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorex"));

    QTextStream saida(stdout);
    qrx::InteraccaoConsola interaccao;
    qrx::ProgramaBatch programa(saida, interaccao);
    return programa.executa(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
}
