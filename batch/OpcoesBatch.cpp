#include "OpcoesBatch.h"

namespace qrx {

std::optional<OpcoesBatch> LeOpcoesBatch(const QStringList &argumentos, QString &erro)
{
    OpcoesBatch opcoes;
    // Global options stand before the command; what follows the command is its own.
    int i = 1;
    for (; i < argumentos.size(); ++i) {
        const QString &a = argumentos.at(i);
        if (!a.startsWith(QLatin1String("--")))
            break;
        QString nome = a;
        QString valor;
        bool temValor = false;
        if (const auto igual = a.indexOf(QLatin1Char('=')); igual > 0) {
            nome = a.left(igual);
            valor = a.mid(igual + 1);
            temValor = true;
        }
        auto precisaValor = [&]() -> bool {
            if (temValor)
                return true;
            if (i + 1 >= argumentos.size()) {
                erro = QStringLiteral("A opção %1 precisa de um valor.").arg(nome);
                return false;
            }
            valor = argumentos.at(++i);
            return true;
        };
        if (nome == QLatin1String("--settings")) {
            if (!precisaValor())
                return std::nullopt;
            if (valor.isEmpty()) {
                erro = QStringLiteral("A opção --settings precisa do caminho do ficheiro de configuração.");
                return std::nullopt;
            }
            opcoes.ficheiroConfiguracao = valor;
        } else if (nome == QLatin1String("--locale")) {
            if (!precisaValor())
                return std::nullopt;
            opcoes.regiao = valor;
        } else if (nome == QLatin1String("--no-delivery") && !temValor) {
            opcoes.semEntrega = true;
        } else if (nome == QLatin1String("--help")) {
            erro.clear();
            return std::nullopt;
        } else {
            erro = QStringLiteral("Opção desconhecida: %1").arg(a);
            return std::nullopt;
        }
    }
    if (i >= argumentos.size()) {
        erro = QStringLiteral("Falta o comando (info, list ou export).");
        return std::nullopt;
    }
    opcoes.comando = argumentos.at(i);
    opcoes.argumentos = argumentos.mid(i + 1);
    return opcoes;
}

QString TextoUtilizacaoBatch()
{
    return QStringLiteral(
        "Utilização: qrxedi-batch --settings FICHEIRO [--locale NOME] [--no-delivery] COMANDO ...\n"
        "  info     empresa, servidor e tipo de exportação da instalação\n");
}

} // namespace qrx
