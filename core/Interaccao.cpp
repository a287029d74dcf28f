#include "Interaccao.h"

#include <cstdio>

namespace qrx {

Interaccao::Resposta InteraccaoConsola::mensagem(const QString &texto, Icone, const QString &,
                                                 Botoes botoes)
{
    // Multi-line texts are joined so that each message stays one line of the log.
    QString linha = texto;
    linha.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", linha.toUtf8().constData());
    std::fflush(stderr);
    switch (botoes) {
    case Botoes::Ok: return Ok;
    case Botoes::OkCancelar: return Cancelar;
    case Botoes::RepetirCancelar: return Cancelar;
    case Botoes::SimNao: return Nao;
    case Botoes::SimNaoCancelar: return Cancelar;
    }
    return Nenhuma;
}

void InteraccaoConsola::progresso(qint64, qint64, const QString &) {}

} // namespace qrx
