#include <qrxCoreProvCTBSageL50/cProvCTB.h>

#include "ErrosFicheiro.h"

#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhasProcCTB.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qrx {

cProvCTB::cProvCTB(QObject *parent) : QObject(parent), m_linhas(new cLinhasProcCTB(this))
{
    connect(m_linhas, &cLinhasProcCTB::Erro, this, &cProvCTB::Erro);
    connect(m_linhas, &cLinhasProcCTB::Aviso, this, &cProvCTB::Aviso);
}

cProvCTB::~cProvCTB()
{
    delete m_linhas;
    m_linhas = nullptr;
    FechaFichProvCTB();
}

void cProvCTB::setPercurso(const QString &valor)
{
    const bool terminaEmSeparador = valor.endsWith(QLatin1Char('\\')) || valor.endsWith(QLatin1Char('/'));
    m_percurso = terminaEmSeparador ? valor : valor + QDir::separator();
}

void cProvCTB::setExtensao(const QString &valor)
{
    m_extensao = QLatin1Char('7') + valor.leftJustified(2, QLatin1Char(' '), true);
}

QString cProvCTB::nomeConstruido() const
{
    return m_percurso + m_empresa + QLatin1Char('P') + m_mes + m_dia + QLatin1Char('.') + m_extensao;
}

QString cProvCTB::NomeFicheiro() const
{
    return m_ficheiro ? m_nomeFicheiro : nomeConstruido();
}

bool cProvCTB::Add(const QString &DataMov, const QString &Conta, int Diario, qint32 NumeroDiario,
                   int CodigoDocumento, int NumeroDecimais, qint32 NumeroDocumento,
                   const QString &DescricaoMovimento, double Valor, const QString &SinalDebCred,
                   const QString &Livre, const QString &Rubrica, const QString &CentroCusto,
                   int GrupoTerceiros, int NumeroTerceiro, const QString &CrLf,
                   const QString & /*sKey*/)
{
    // A refused value would leave its field at the default: such a line is neither kept nor
    // written, and the caller hears of it through Erro and the result.
    int recusados = 0;
    const auto contagem = connect(m_linhas, &cLinhasProcCTB::Erro, this, [&recusados] { ++recusados; });
    cLinhaProvCTB *linha = m_linhas->Add(DataMov, Conta, Diario, NumeroDiario, CodigoDocumento,
                                         NumeroDecimais, NumeroDocumento, DescricaoMovimento,
                                         Valor, SinalDebCred, Livre, Rubrica, CentroCusto,
                                         GrupoTerceiros, NumeroTerceiro, CrLf);
    disconnect(contagem);
    if (recusados > 0) {
        m_linhas->Remove(m_linhas->Count());
        return false;
    }

    if (!m_emMemoria) {
        try {
            const qint64 posicao = proximaPosicao();
            linha->Escrever(*m_ficheiro, posicao);
        } catch (const ErroProvCTB &erro) {
            throw ErroProvCTB(erro.numero(), QStringLiteral("ProvCTB:Add"), erro.descricao());
        }
        ++m_linhasEscritas;
    }
    return true;
}

qint64 cProvCTB::proximaPosicao()
{
    if (!m_ficheiro)
        FichProvCTBAbrir();
    return m_linhasEscritas * cLinhaProvCTB::TamanhoLinha + 1;
}

void cProvCTB::FichProvCTBAbrir()
{
    const QString origem = QStringLiteral("ProvCTB:FichProvCTBAbrir");
    const QString nome = nomeConstruido();
    const QString mostrado = QDir::toNativeSeparators(nome);
    const QFileInfo info(nome);
    if (!info.absoluteDir().exists())
        throw ErroProvCTB(ctb::erros::CaminhoNaoEncontrado, origem,
                          QStringLiteral("Não foi possível abrir o ficheiro \"%1\": a pasta \"%2\" não existe.")
                              .arg(mostrado, QDir::toNativeSeparators(info.absolutePath())));
    if (info.isDir())
        throw ErroProvCTB(ctb::erros::AcessoFicheiro, origem,
                          QStringLiteral("Não foi possível abrir o ficheiro \"%1\": esse caminho é uma pasta.")
                              .arg(mostrado));

    // Unbuffered, so a failed write never waits in a buffer to be written later.
    auto ficheiro = std::make_unique<QFile>(nome);
    if (!ficheiro->open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered))
        throw ErroProvCTB(ctb::erros::AcessoFicheiro, origem,
                          QStringLiteral("Não foi possível abrir o ficheiro \"%1\": %2")
                              .arg(mostrado, ficheiro->errorString()));
    m_ficheiro = std::move(ficheiro);
    m_nomeFicheiro = nome;
}

void cProvCTB::FechaFichProvCTB()
{
    if (m_ficheiro) {
        m_ficheiro->close();
        m_ficheiro.reset();
    }
}

} // namespace qrx
