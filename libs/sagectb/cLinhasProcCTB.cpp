#include <qrxCoreProvCTBSageL50/cLinhasProcCTB.h>

#include "ErrosFicheiro.h"

#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>
#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>

#include <QtAlgorithms>

#include <memory>
#include <utility>

namespace qrx {

cLinhasProcCTB::cLinhasProcCTB(QObject *parent) : QObject(parent) {}

cLinhasProcCTB::~cLinhasProcCTB()
{
    const QList<cLinhaProvCTB *> linhas = std::exchange(m_linhas, {});
    m_chaves.clear();
    qDeleteAll(linhas);
}

cLinhaProvCTB *cLinhasProcCTB::Add(const QString &DataMov, const QString &Conta, int Diario,
                                   qint32 NumeroDiario, int CodigoDocumento,
                                   int /*NumeroDecimais*/, qint32 NumeroDocumento,
                                   const QString &DescricaoMovimento, double Valor,
                                   const QString &SinalDebCred, const QString & /*Livre*/,
                                   const QString &Rubrica, const QString &CentroCusto,
                                   int GrupoTerceiros, int NumeroTerceiro,
                                   const QString & /*CrLf*/, const QString &sKey)
{
    if (!sKey.isEmpty() && posicaoDaChave(sKey) >= 0)
        throw ErroProvCTB(ctb::erros::ChaveRepetida, QStringLiteral("LinhasProcCTB:Add"),
                          QStringLiteral("Já existe uma linha com a chave \"%1\".").arg(sKey));

    auto linha = std::make_unique<cLinhaProvCTB>();
    connect(linha.get(), &cLinhaProvCTB::Erro, this, &cLinhasProcCTB::Erro);
    connect(linha.get(), &cLinhaProvCTB::Aviso, this, &cLinhasProcCTB::Aviso);
    linha->setDataMov(DataMov);
    linha->setConta(Conta);
    linha->setDiario(Diario);
    linha->setNumeroDiario(NumeroDiario);
    linha->setCodigoDocumento(CodigoDocumento);
    linha->setNumeroDocumento(NumeroDocumento);
    linha->setDescricaoMovimento(DescricaoMovimento);
    linha->setValor(Valor);
    linha->setSinalDebCred(SinalDebCred);
    linha->setRubrica(Rubrica);
    linha->setCentroCusto(CentroCusto);
    linha->setGrupoTerceiros(GrupoTerceiros);
    linha->setNumeroTerceiro(NumeroTerceiro);

    linha->setParent(this);
    connect(linha.get(), &QObject::destroyed, this, [this](QObject *destruida) {
        const qsizetype indice = m_linhas.indexOf(static_cast<cLinhaProvCTB *>(destruida));
        if (indice >= 0) {
            m_linhas.removeAt(indice);
            m_chaves.removeAt(indice);
        }
    });
    m_linhas.append(linha.get());
    m_chaves.append(sKey);
    return linha.release();
}

qsizetype cLinhasProcCTB::posicaoDaChave(const QString &chave) const
{
    for (qsizetype i = 0; i < m_chaves.size(); ++i) {
        if (!m_chaves[i].isEmpty() && m_chaves[i].compare(chave, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype cLinhasProcCTB::posicaoValida(qsizetype posicao, const char *rotina) const
{
    if (posicao < 1 || posicao > m_linhas.size())
        throw ErroProvCTB(ctb::erros::ForaDosLimites,
                          QStringLiteral("LinhasProcCTB:%1").arg(QLatin1String(rotina)),
                          QStringLiteral("Não existe a linha %1: a colecção tem %2 linhas.")
                              .arg(posicao)
                              .arg(m_linhas.size()));
    return posicao - 1;
}

cLinhaProvCTB *cLinhasProcCTB::Item(qsizetype vntIndexKey) const
{
    return m_linhas.at(posicaoValida(vntIndexKey, "Item"));
}

cLinhaProvCTB *cLinhasProcCTB::Item(const QString &vntIndexKey) const
{
    const qsizetype indice = posicaoDaChave(vntIndexKey);
    if (indice < 0)
        throw ErroProvCTB(ctb::erros::ArgumentoInvalido, QStringLiteral("LinhasProcCTB:Item"),
                          QStringLiteral("Não existe linha com a chave \"%1\".").arg(vntIndexKey));
    return m_linhas.at(indice);
}

void cLinhasProcCTB::removeNaPosicao(qsizetype indice)
{
    delete m_linhas.takeAt(indice);
    m_chaves.removeAt(indice);
}

void cLinhasProcCTB::Remove(qsizetype vntIndexKey)
{
    removeNaPosicao(posicaoValida(vntIndexKey, "Remove"));
}

void cLinhasProcCTB::Remove(const QString &vntIndexKey)
{
    const qsizetype indice = posicaoDaChave(vntIndexKey);
    if (indice < 0)
        throw ErroProvCTB(ctb::erros::ArgumentoInvalido, QStringLiteral("LinhasProcCTB:Remove"),
                          QStringLiteral("Não existe linha com a chave \"%1\".").arg(vntIndexKey));
    removeNaPosicao(indice);
}

} // namespace qrx
