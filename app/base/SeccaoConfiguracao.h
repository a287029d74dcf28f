#pragma once

#include "ValoresPrograma.h"

#include <QString>

namespace qrx {

// Section "Configuracao": output folder, own EAN code and export type. Each call reads or
// writes the settings file named by FicheiroConfiguracao unless another file is given.

QString LeDirectoria(const QString &ficheiro = FicheiroConfiguracao);
bool GravaDirectoria(const QString &valor, const QString &ficheiro = FicheiroConfiguracao);

QString LeEAN(const QString &ficheiro = FicheiroConfiguracao);
bool GravaEAN(const QString &valor, const QString &ficheiro = FicheiroConfiguracao);

// By the integer rule: missing or non-numeric is 0.
qint16 LeTipoExportacao(const QString &ficheiro = FicheiroConfiguracao);
bool GravaTipoExportacao(qint16 tipo, const QString &ficheiro = FicheiroConfiguracao);

} // namespace qrx
