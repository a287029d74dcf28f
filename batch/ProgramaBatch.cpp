#include "ProgramaBatch.h"

#include "Arranque.h"
#include "CDataAccess.h"
#include "ConfiguracaoLigacao.h"
#include "Interaccao.h"
#include "ModTools.h"
#include "OpcoesBatch.h"
#include "PastasEspeciais.h"
#include "QrxError.h"
#include "SistemaFicheiros.h"
#include "ValoresPrograma.h"

#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

namespace qrx {

namespace {

const QStringList &ComandosConhecidos()
{
    static const QStringList comandos{QStringLiteral("info")};
    return comandos;
}

} // namespace

ProgramaBatch::ProgramaBatch(QTextStream &saida, Interaccao &interaccao)
    : m_saida(saida), m_interaccao(interaccao)
{
}

void ProgramaBatch::reporta(const QString &texto)
{
    m_interaccao.mensagem(texto, Interaccao::Icone::Critico, QStringLiteral("qrxEDI"));
}

int ProgramaBatch::executa(const QStringList &argumentos, const QString &pastaPrograma)
{
    QString erro;
    const auto opcoes = LeOpcoesBatch(argumentos, erro);
    if (!opcoes) {
        if (!erro.isEmpty())
            reporta(erro);
        for (const QString &linha : TextoUtilizacaoBatch().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            reporta(linha);
        return ErroArranque;
    }
    if (!ComandosConhecidos().contains(opcoes->comando)) {
        reporta(QStringLiteral("Comando desconhecido: %1").arg(opcoes->comando));
        reporta(TextoUtilizacaoBatch().section(QLatin1Char('\n'), 0, 0));
        return ErroArranque;
    }

    if (!opcoes->regiao.isEmpty()) {
        const QLocale regiao(opcoes->regiao);
        // An unknown name falls back to the C locale: refuse it rather than format numbers
        // with settings nobody asked for.
        if (regiao.language() == QLocale::C && opcoes->regiao != QLatin1String("C")) {
            reporta(QStringLiteral("Definições regionais desconhecidas: %1").arg(opcoes->regiao));
            return ErroArranque;
        }
        QLocale::setDefault(regiao);
    }

    FicheiroConfiguracao = opcoes->ficheiroConfiguracao.isEmpty()
        ? CaminhoConfiguracao(QString(), PastasEspeciais().PastaDadosAplicacao(), pastaPrograma,
                              SistemaFicheiros())
        : opcoes->ficheiroConfiguracao;
    if (!QFileInfo(FicheiroConfiguracao).isFile()) {
        reporta(QStringLiteral("O ficheiro de configuração não existe: %1").arg(FicheiroConfiguracao));
        return ErroArranque;
    }

    BaseDadosLigada ligada;
    try {
        ConfiguracaoLigacao configuracao(FicheiroConfiguracao);
        // No dialog here: the missing values are named by the error LigaBaseDados raises.
        ligada = LigaBaseDados(configuracao, [](ConfiguracaoLigacao &) { return false; }, &m_interaccao);
    } catch (const QrxError &e) {
        reporta(e.textoCompleto());
        return ErroArranque;
    }
    LigacaoBD = std::move(ligada.bd);

    int resultado = Feito;
    try {
        if (opcoes->comando == QLatin1String("info"))
            resultado = comandoInfo(*LigacaoBD, ligada.servidor);
    } catch (const QrxError &e) {
        reporta(e.textoCompleto());
        resultado = ErroReportado;
    }
    LigacaoBD->CloseConnection();
    LigacaoBD.reset();
    return resultado;
}

int ProgramaBatch::comandoInfo(CDataAccess &bd, const QString &servidor)
{
    // Everything is read before anything is printed, so a failure prints no half answer.
    const qint16 tipo = LeTipoExportacao();
    const QString empresa = NomeEmpresa(bd);
    m_saida << "Empresa: " << empresa << '\n'
            << "Servidor: " << servidor << '\n'
            << "Tipo de Exportacao: " << tipo << ' ' << TextoTipoExportacao(tipo) << '\n';
    m_saida.flush();
    return Feito;
}

} // namespace qrx
