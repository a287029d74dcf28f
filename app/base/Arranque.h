#pragma once

#include "ConfiguracaoLigacao.h"

#include <QString>

#include <functional>
#include <memory>

namespace qrx {

class CDataAccess;
class Interaccao;
class SistemaFicheiros;

inline const QString NomeFicheiroConfiguracao = QStringLiteral("qrxEdi.qrx");

// The settings file of the run: the command-line text as it stands when there is one
// (quotes and blanks kept); else "qrxEdi.qrx" in the folder "Quorex" of the
// application-data folder when that folder exists; else "qrxEdi.qrx" in the program folder.
QString CaminhoConfiguracao(const QString &textoLinhaComandos, const QString &pastaDadosAplicacao,
                            const QString &pastaPrograma, const SistemaFicheiros &sistemaFicheiros);

struct BaseDadosLigada {
    std::unique_ptr<CDataAccess> bd;
    QString servidor;   // for the status bar: the server, or the SQLite file
};

// Opens the one connection of the run. When the settings lack a value, pedirDados gets the
// chance to complete them (the window program shows its dialog and returns true when the
// person confirmed; the batch program reports and returns false); the settings are then read
// again. Still incomplete settings raise QrxError naming the settings file and the missing
// keys; a connection that cannot be opened raises the data layer's error.
BaseDadosLigada LigaBaseDados(ConfiguracaoLigacao &configuracao,
                              const std::function<bool(ConfiguracaoLigacao &)> &pedirDados,
                              Interaccao *interaccao = nullptr);

// "Servidor SQL: " + server + five blanks, the status bar text.
QString TextoPainelServidor(const QString &servidor);

// The company name from table EMPRESA, "" when it has no rows.
QString NomeEmpresa(CDataAccess &bd);

// "qrx EDI " when the name is empty, else "qrx EDI [" + name + "]".
QString TituloJanelaPrincipal(const QString &nomeEmpresa);

} // namespace qrx
