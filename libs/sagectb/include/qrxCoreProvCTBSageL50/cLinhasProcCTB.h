#pragma once

#include <qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace qrx {

class cLinhaProvCTB;
class cProvCTB;

// The lines of one cProvCTB, in the order they were added, optionally under a key (keys
// compare without regard to case). The collection owns its lines: Remove and the
// collection's end destroy them, and a line destroyed otherwise leaves the collection. Every line's Erro and Aviso are relayed by the collection's
// own signals. Iterate with a range-for: for (cLinhaProvCTB *linha : *colLinhas).
class QRXCOREPROVCTBSAGEL50_EXPORT cLinhasProcCTB : public QObject {
    Q_OBJECT
public:
    // Creates a line and assigns, in this order, DataMov, Conta, Diario, NumeroDiario,
    // CodigoDocumento, NumeroDocumento, DescricaoMovimento, Valor, SinalDebCred, Rubrica,
    // CentroCusto, GrupoTerceiros and NumeroTerceiro. NumeroDecimais, Livre and CrLf are
    // accepted and not applied. A key already in use raises ErroProvCTB
    // ("LinhasProcCTB:Add") and adds nothing.
    cLinhaProvCTB *Add(const QString &DataMov, const QString &Conta, int Diario,
                       qint32 NumeroDiario, int CodigoDocumento, int NumeroDecimais,
                       qint32 NumeroDocumento, const QString &DescricaoMovimento, double Valor,
                       const QString &SinalDebCred, const QString &Livre, const QString &Rubrica,
                       const QString &CentroCusto, int GrupoTerceiros, int NumeroTerceiro,
                       const QString &CrLf, const QString &sKey = QString());

    // The line at a 1-based position or under a key; ErroProvCTB ("LinhasProcCTB:Item")
    // when there is none.
    cLinhaProvCTB *Item(qsizetype vntIndexKey) const;
    cLinhaProvCTB *Item(const QString &vntIndexKey) const;
    qsizetype Count() const { return m_linhas.size(); }
    // Removes and destroys a line; ErroProvCTB ("LinhasProcCTB:Remove") when there is none.
    void Remove(qsizetype vntIndexKey);
    void Remove(const QString &vntIndexKey);

    QList<cLinhaProvCTB *>::const_iterator begin() const { return m_linhas.cbegin(); }
    QList<cLinhaProvCTB *>::const_iterator end() const { return m_linhas.cend(); }

Q_SIGNALS:
    void Erro(qint32 Numero, const QString &Descricao);
    void Aviso(qint32 Numero, const QString &Descricao);

private:
    friend class cProvCTB;
    explicit cLinhasProcCTB(QObject *parent);
    // Only its cProvCTB ends it.
    ~cLinhasProcCTB() override;

    qsizetype posicaoDaChave(const QString &chave) const;
    qsizetype posicaoValida(qsizetype posicao, const char *rotina) const;
    void removeNaPosicao(qsizetype indice);

    QList<cLinhaProvCTB *> m_linhas;
    QList<QString> m_chaves; // parallel to m_linhas; empty when added without a key
};

} // namespace qrx
