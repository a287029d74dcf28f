#include "Mensagem.h"

namespace qrx {

QString tituloPrograma()
{
    return QStringLiteral("qrxEDI");
}

Interaccao::Resposta Mensagem(Interaccao &interaccao, const QString &texto, qint16 tipo)
{
    Interaccao::Icone icone;
    switch (tipo) {
    case 0: icone = Interaccao::Icone::Aviso; break;
    case 1: icone = Interaccao::Icone::Informacao; break;
    case 2: icone = Interaccao::Icone::Critico; break;
    default: return Interaccao::Nenhuma;
    }
    return interaccao.mensagem(texto, icone, QStringLiteral("EDI"), Interaccao::Botoes::Ok);
}

} // namespace qrx
