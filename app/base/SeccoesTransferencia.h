#pragma once

#include "ValoresPrograma.h"

#include <QString>

namespace qrx {

// The servers that receive the produced files, kept in the settings file like the partner
// sections. Passwords are held in clear here and enciphered in the file.

// Section "FTP": Servidor, Directoria (initial remote folder), Tipo Ligacao ("1" = passive),
// Modo Transferencia ("1" = the second transfer mode), Password, UserName.
struct DadosFTP {
    QString Servidor;
    QString Directoria;
    QString TipoLigacao;
    QString ModoTransferencia;
    QString Password;
    QString UserName;

    bool operator==(const DadosFTP &) const = default;
};
DadosFTP LeFTP(const QString &ficheiro = FicheiroConfiguracao);
bool GravaFTP(const DadosFTP &dados, const QString &ficheiro = FicheiroConfiguracao);

// Section "SFTP": Servidor (host), Porta ("" means 22), Utilizador, Password, Directoria
// (remote folder the files go to, "" = login folder), Chave Privada (private key file for
// key login, "" = password login), Known Hosts (known-hosts file the server key is checked
// against; the upload refuses a server without one).
struct DadosSFTP {
    QString Servidor;
    QString Porta;
    QString Utilizador;
    QString Password;
    QString Directoria;
    QString ChavePrivada;
    QString KnownHosts;

    bool operator==(const DadosSFTP &) const = default;
};
DadosSFTP LeSFTP(const QString &ficheiro = FicheiroConfiguracao);
bool GravaSFTP(const DadosSFTP &dados, const QString &ficheiro = FicheiroConfiguracao);

} // namespace qrx
