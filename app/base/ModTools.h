#pragma once

// The settings readers and writers most callers go through.
#include "InteiroConfiguracao.h"
#include "SeccaoConfiguracao.h"
#include "SeccoesExportacao.h"
#include "SeccoesTransferencia.h"
#include "TipoExportacao.h"
