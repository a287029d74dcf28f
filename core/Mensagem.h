#pragma once

#include "Interaccao.h"

#include <QString>
#include <QtGlobal>

namespace qrx {

// The program's title, shown by message boxes that name no title of their own.
QString tituloPrograma();

// The message box of the processing windows: kind 0 warning, 1 information, 2 critical, with
// the title "EDI" and an OK button; returns the button pressed. Any other kind shows nothing
// and returns Interaccao::Nenhuma (0).
Interaccao::Resposta Mensagem(Interaccao &interaccao, const QString &texto, qint16 tipo);

} // namespace qrx
