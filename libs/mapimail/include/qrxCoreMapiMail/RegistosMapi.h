#pragma once

#include <QString>
#include <QtGlobal>

namespace qrx {

// Recipient classes, numbered as Simple MAPI numbers them.
enum RecipientType : quint32 { rtTo = 1, rtcc = 2, rtbcc = 3 };

// Result codes of the Simple MAPI calls. The members of cl_enviarMail return these numbers
// unchanged, so a code the messaging system adds later still reaches the client.
enum CodigoMapi : quint32 {
    MapiSucesso = 0,
    MapiCanceladoPeloUtilizador = 1,
    MapiFalha = 2,
    MapiFalhaLogon = 3,
    MapiDiscoCheio = 4,
    MapiMemoriaInsuficiente = 5,
    MapiAcessoNegado = 6,
    MapiDemasiadasSessoes = 8,        // also: a session is already open
    MapiDemasiadosFicheiros = 9,
    MapiDemasiadosDestinatarios = 10,
    MapiAnexoNaoEncontrado = 11,
    MapiFalhaAbrirAnexo = 12,
    MapiFalhaEscreverAnexo = 13,
    MapiDestinatarioDesconhecido = 14,
    MapiTipoDestinatarioInvalido = 15,
    MapiSemMensagens = 16,
    MapiMensagemInvalida = 17,
    MapiTextoDemasiadoGrande = 18,
    MapiSessaoInvalida = 19,          // also: no session is open
    MapiTipoNaoSuportado = 20,
    MapiDestinatarioAmbiguo = 21,
    MapiMensagemEmUso = 22,
    MapiFalhaRede = 23,
    MapiCamposEdicaoInvalidos = 24,
    MapiDestinatariosInvalidos = 25,
    MapiNaoSuportado = 26,
};

// One entry of the recipient list. The display name is the text the client gave; the address
// is that text behind "SMTP:".
struct DestinatarioMapi {
    RecipientType classe = rtTo;
    QString nome;
    QString endereco;
};

// One entry of the attachment list: the file, the name the message shows for it, and the
// position in the body text that the attachment takes.
struct AnexoMapi {
    QString caminho;
    QString TituloFicheiro;
    qint32 posicao = 0;
};

} // namespace qrx
