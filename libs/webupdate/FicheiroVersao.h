#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QByteArray>
#include <QString>

namespace qrx {

// What the server's version file announces; both empty when it announces nothing.
struct InfoVersao {
    QString versao;
    QString instalador;
};

// Reads the first line of a version file: "qrxVersao,<version>,<installer URL>". A line
// without the marker gives nothing; a line with the marker but fewer than three fields raises
// QrxError, since the server's file is then broken rather than absent.
QRXCOREWEBUPDATE_EXPORT InfoVersao lerFicheiroVersao(const QByteArray &conteudo,
                                                     const QString &nomeFicheiro);

// The system compares versions as plain texts, character by character: "1.10" < "1.9".
QRXCOREWEBUPDATE_EXPORT bool versaoMaisRecente(const QString &nova, const QString &actual);

QRXCOREWEBUPDATE_EXPORT QString textoPergunta(const QString &actual, const QString &nova);
QRXCOREWEBUPDATE_EXPORT QString tituloActualizacao();

} // namespace qrx
