#pragma once

#include "Dialecto.h"
#include "qrxdataaccess_export.h"

#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>

namespace qrx {

// What a driver failure means for a read: the connection is gone, the command ran out of
// time, or anything else (raised at once).
enum class TipoFalha { LigacaoPerdida, TempoEsgotado, Outra };

// Numbers of the errors this library raises (the classic provider numbers).
namespace numerosBD {
inline constexpr qint32 LigacaoPerdida = qint32(0x80004005);    // unspecified failure
inline constexpr qint32 TempoEsgotado = qint32(0x80040E31);     // command time-out
inline constexpr qint32 ErroNaInstrucao = qint32(0x80040E14);   // the statement failed
inline constexpr qint32 LinhaNaoEncontrada = qint32(0x80040E38); // row cannot be located
inline constexpr qint32 SemLigacao = 3704;                       // object is closed
inline constexpr qint32 SemRegistoActual = 3021;                 // BOF or EOF, or row deleted
inline constexpr qint32 CampoInexistente = 3265;                 // item not in the collection
inline constexpr qint32 SoLeitura = 3251;                        // recordset does not allow it
inline constexpr qint32 OperacaoInvalida = 3219;                 // not allowed in this context
inline constexpr qint32 ComponenteEmFalta = 429;                 // component cannot be created
} // namespace numerosBD

// Classifies from the driver's error type, its native code and the ODBC SQLSTATEs of the
// diagnostic records (empty for drivers without them).
QRXDATAACCESS_EXPORT TipoFalha classificaFalha(QSqlError::ErrorType tipo, Dialecto::Motor motor,
                                               const QString &codigoNativo,
                                               const QStringList &estadosSql);

// The number a failure of that kind is raised with.
QRXDATAACCESS_EXPORT qint32 numeroDaFalha(TipoFalha tipo);

// One entry of a connection's error list.
struct ErroLigacao {
    QString origem;
    QString descricao;
    qint32 numero = 0;
};

// The text of the error box: every entry with its source, description and number (the
// number shown less 0x80040000), each block ended by an empty line.
QRXDATAACCESS_EXPORT QString textoErrosBD(const QList<ErroLigacao> &erros);
QRXDATAACCESS_EXPORT QString tituloErrosBD();

} // namespace qrx
