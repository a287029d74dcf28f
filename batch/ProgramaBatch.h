#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace qrx {

class Interaccao;
class CDataAccess;
struct OpcoesBatch;

// The headless front end: start-up without windows, then one command. Results go to the
// output stream; every text a window would show in a message box goes to the interaction
// (standard error in the program).
class ProgramaBatch {
public:
    enum Saida { Feito = 0, ErroReportado = 1, ErroArranque = 2 };

    ProgramaBatch(QTextStream &saida, Interaccao &interaccao);

    int executa(const QStringList &argumentos, const QString &pastaPrograma);

private:
    int comandoInfo(CDataAccess &bd, const QString &servidor);
    void reporta(const QString &texto);

    QTextStream &m_saida;
    Interaccao &m_interaccao;
};

} // namespace qrx
