#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace qrx {

// The demo settings files, one per export type, made from the templates compiled into the
// program: each points at demo.db beside it and at output folders under the demo folder.
class DefinicoesDemo {
public:
    static constexpr int TiposDeExportacao = 14;

    // "qrxEdi-tipoNN.qrx".
    static QString nomeFicheiro(int tipo);
    // The template of a type, as stored (Windows-1252, CR LF).
    static QByteArray modelo(int tipo);
    // Output folder of the settings written for pasta, and the two warehouse folders.
    static QString pastaSaida(const QString &pasta);
    static QString pastaArmazem(const QString &pasta, int armazem);

    // Writes every type's file and qrxEdi.qrx (type 0) into pasta and creates the output
    // folders they name. Raises QrxError when a folder cannot be created, a path cannot be
    // written in Windows-1252, or a file cannot be written.
    static void escrever(const QString &pasta);

    // The files escrever writes for pasta, by type, without touching the disk; raises
    // QrxError when a path cannot be written in Windows-1252.
    static QList<QByteArray> conteudos(const QString &pasta);

private:
    static QByteArray preencher(int tipo, const QString &pasta);
};

} // namespace qrx
