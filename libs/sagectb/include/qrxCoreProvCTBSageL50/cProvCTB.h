#pragma once

#include <qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h>

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <memory>

class QFile;

namespace qrx {

class cLinhasProcCTB;

// The provisional-entries file of one company and day. Set Percurso, Empresa, Mes, Dia and
// Extensao, set EmMemoria to false to have every line written as it is added (otherwise the
// lines are only collected in colLinhas), then call Add once per movement. The file is
// Percurso + Empresa + "P" + Mes + Dia + "." + Extensao; it starts empty when the first line
// is written and is closed when the object is destroyed.
//
// Erro and Aviso relay those of every line (see cLinhaProvCTB).
class QRXCOREPROVCTBSAGEL50_EXPORT cProvCTB : public QObject {
    Q_OBJECT
public:
    explicit cProvCTB(QObject *parent = nullptr);
    ~cProvCTB() override;

    cLinhasProcCTB *colLinhas() const { return m_linhas; }

    // A folder separator is appended when the value does not end in one.
    QString Percurso() const { return m_percurso; }
    void setPercurso(const QString &valor);
    // Stored as "7" followed by the first two characters of the value, padded with spaces.
    QString Extensao() const { return m_extensao; }
    void setExtensao(const QString &valor);
    QString Dia() const { return m_dia; }
    void setDia(const QString &valor) { m_dia = valor; }
    QString Mes() const { return m_mes; }
    void setMes(const QString &valor) { m_mes = valor; }
    QString Empresa() const { return m_empresa; }
    void setEmpresa(const QString &valor) { m_empresa = valor; }
    bool EmMemoria() const { return m_emMemoria; }
    void setEmMemoria(bool valor) { m_emMemoria = valor; }

    // Adds the movement to colLinhas (without a key; sKey is not used) and, when EmMemoria is
    // false, writes its line at the end of the file. Returns false, and keeps and writes
    // nothing, when one of the values was refused (Erro). A file that cannot be opened or
    // written raises ErroProvCTB with the source "ProvCTB:Add"; the line then stays in
    // colLinhas and is not counted as written.
    bool Add(const QString &DataMov, const QString &Conta, int Diario, qint32 NumeroDiario,
             int CodigoDocumento, int NumeroDecimais, qint32 NumeroDocumento,
             const QString &DescricaoMovimento, double Valor, const QString &SinalDebCred,
             const QString &Livre, const QString &Rubrica, const QString &CentroCusto,
             int GrupoTerceiros, int NumeroTerceiro, const QString &CrLf,
             const QString &sKey = QString());

    // The open file's name; while none is open, the name the next one would get.
    QString NomeFicheiro() const;
    // Lines written to the file so far.
    qint64 LinhasEscritas() const { return m_linhasEscritas; }

Q_SIGNALS:
    void Erro(qint32 Numero, const QString &Descricao);
    void Aviso(qint32 Numero, const QString &Descricao);

private:
    QString nomeConstruido() const;
    qint64 proximaPosicao();
    void FichProvCTBAbrir();
    void FechaFichProvCTB();

    QString m_percurso;
    QString m_extensao;
    QString m_dia;
    QString m_mes;
    QString m_empresa;
    bool m_emMemoria = true;
    cLinhasProcCTB *m_linhas;
    QString m_nomeFicheiro;
    std::unique_ptr<QFile> m_ficheiro;
    qint64 m_linhasEscritas = 0;
};

} // namespace qrx
