#pragma once

#include <QStringList>
#include <QVariant>

namespace qrx::interno {

// Qt 6.4 does not expose the SQLSTATEs of an ODBC failure; they are read here from the
// handles that QODBC hands out. Without ODBC at build time these do nothing.
QStringList estadosSqlDaInstrucao(const QVariant &handleInstrucao);
QStringList estadosSqlDaLigacao(const QVariant &handleLigacao);
// Sets the statement's query time-out (seconds; 0 = none) before it runs.
void defineTempoLimite(const QVariant &handleInstrucao, int segundos);

} // namespace qrx::interno
