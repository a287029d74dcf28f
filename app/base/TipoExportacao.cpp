#include "TipoExportacao.h"

namespace qrx {

const QStringList &TextosTiposExportacao()
{
    static const QStringList textos{
        QStringLiteral("Virodezivad ad Evoderor"),
        QStringLiteral("Duduzorud"),
        QStringLiteral("Duduzorud - Loja"),
        QStringLiteral("Urbanos"),
        QStringLiteral("Torres Tir"),
        QStringLiteral("TAS"),
        QStringLiteral("CARF"),
        QStringLiteral("CTT "),
        QStringLiteral("Tape"),
        QStringLiteral("GoExpress"),
        QStringLiteral("CTM"),
        QStringLiteral("Zavuredida"),
        QStringLiteral("Torrestir"),
        QStringLiteral("Dachser"),
    };
    return textos;
}

QString TextoTipoExportacao(int tipo)
{
    const QStringList &textos = TextosTiposExportacao();
    if (tipo < 0 || tipo >= textos.size())
        tipo = TipoExportacaoPorOmissao;
    return textos.at(tipo);
}

} // namespace qrx
