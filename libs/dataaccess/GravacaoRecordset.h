#pragma once

#include "RecordsetDados.h"

#include <QVariant>
#include <QVector>

namespace qrx {
class LigacaoAberta;
}

namespace qrx::interno {

// Writes every pending change of the recordset to its base table as one unit: all or nothing.
// On success the rows become unchanged; on failure the recordset keeps its pending changes.
// Rows are found by the primary key when the table has one among the selected columns, else
// by all their database values; a row not found, or more than one, fails the unit.
void gravaPendentes(LigacaoAberta &ligacao, DadosRecordset &rs);

// Connected recordsets: insert (nova) or update one row at once; `naBase` are the values the
// database holds for it (ignored for a new row). On success the row becomes unchanged.
void gravaLinha(LigacaoAberta &ligacao, DadosRecordset &rs, int linha, bool nova,
                const QVector<QVariant> &naBase);
// Connected recordsets: delete the row with those database values at once.
void apagaLinha(LigacaoAberta &ligacao, const DadosRecordset &rs, const QVector<QVariant> &naBase);

// True when two values differ for writing purposes (null-aware).
bool diferentes(const QVariant &a, const QVariant &b);

} // namespace qrx::interno
