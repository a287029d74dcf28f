#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qrx {

// The command line of the headless front end:
//   qrxedi-batch --settings FILE [--locale NAME] [--no-delivery] COMMAND ...
struct OpcoesBatch {
    QString ficheiroConfiguracao;   // "" = the start-up rule (Quorex folder, else beside the program)
    QString regiao;                 // --locale; "" = the system's
    bool semEntrega = false;        // --no-delivery
    QString comando;
    QStringList argumentos;         // what follows the command
};

// Reads the global options and the command; on a usage error returns nothing and sets erro.
std::optional<OpcoesBatch> LeOpcoesBatch(const QStringList &argumentos, QString &erro);

QString TextoUtilizacaoBatch();

} // namespace qrx
