#pragma once

#include <qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h>

#include <QObject>
#include <QString>
#include <QtGlobal>

class QFileDevice;

namespace qrx {

// One movement of the provisional-entries file: its fields, each validated or cut to its
// column when assigned, and the 95-character line they make.
//
// An assignment never raises an error: a value out of range fires Erro and is not stored
// (the field keeps what it had); a text longer than its column fires Aviso and is stored
// cut. Numero is always 1. The 16-bit fields take an int so that an out-of-range value is
// reported rather than wrapped.
class QRXCOREPROVCTBSAGEL50_EXPORT cLinhaProvCTB : public QObject {
    Q_OBJECT
public:
    // Bytes of one line in the file, CR LF included.
    static constexpr int TamanhoLinha = 95;

    explicit cLinhaProvCTB(QObject *parent = nullptr);
    ~cLinhaProvCTB() override;

    // Writes FormataParaEscrita(), in Windows-1252, into the open file at byte position
    // lRegisto (1-based). The file must be open for writing; open it unbuffered
    // (QIODevice::Unbuffered) so that a failed write cannot linger in a buffer. A write that
    // fails puts the bytes it touched back as they were (an overwritten line only when the
    // file is also open for reading), so the file never holds half a line.
    // Raises ErroProvCTB with the source "LinhaProvCTB:Escrever".
    void Escrever(QFileDevice &iCanal, qint64 lRegisto) const;
    // The line: exactly 95 characters, the last two CR LF.
    QString FormataParaEscrita() const;

    QString CrLf() const;

    // 1..32500; 0 (none) leaves columns 89-93 blank.
    qint16 NumeroTerceiro() const { return m_numeroTerceiro; }
    void setNumeroTerceiro(int valor);
    // 1..9; 0 (none) leaves column 88 blank.
    qint16 GrupoTerceiros() const { return m_grupoTerceiros; }
    void setGrupoTerceiros(int valor);
    QString CentroCusto() const { return m_centroCusto; }
    void setCentroCusto(const QString &valor);
    QString Rubrica() const { return m_rubrica; }
    void setRubrica(const QString &valor);
    QString Livre() const { return m_livre; }
    // Stored in upper case; "D" or "C".
    QString SinalDebCred() const { return m_sinalDebCred; }
    void setSinalDebCred(const QString &valor);
    // 0..99999999.99.
    double Valor() const { return m_valor; }
    void setValor(double valor);
    QString DescricaoMovimento() const { return m_descricaoMovimento; }
    void setDescricaoMovimento(const QString &valor);
    // 1..9999999.
    qint32 NumeroDocumento() const { return m_numeroDocumento; }
    void setNumeroDocumento(qint32 valor);
    qint16 NumeroDecimais() const { return 0; }
    // 1..999.
    qint16 CodigoDocumento() const { return m_codigoDocumento; }
    void setCodigoDocumento(int valor);
    // 1..999999 either sign; a negative value must fit its six columns with the sign.
    qint32 NumeroDiario() const { return m_numeroDiario; }
    void setNumeroDiario(qint32 valor);
    // 1..999.
    qint16 Diario() const { return m_diario; }
    void setDiario(int valor);
    QString Conta() const { return m_conta; }
    void setConta(const QString &valor);
    // Day, month and year at characters 1-2, 4-5 and 7-10, any single separator between;
    // stored as 10 characters with "-" written as ".".
    QString DataMov() const { return m_dataMov; }
    void setDataMov(const QString &valor);

Q_SIGNALS:
    void Erro(qint32 Numero, const QString &Descricao);
    void Aviso(qint32 Numero, const QString &Descricao);

private:
    // Stores the text padded or cut to `largura`; Aviso with `aviso` when it was cut.
    void guardaTexto(QString &campo, const QString &valor, int largura, const QString &aviso);
    void falha(const QString &descricao);

    QString m_dataMov;
    QString m_conta;
    qint16 m_diario = 0;
    qint32 m_numeroDiario = 0;
    qint16 m_codigoDocumento = 0;
    qint32 m_numeroDocumento = 0;
    QString m_descricaoMovimento;
    double m_valor = 0;
    QString m_sinalDebCred;
    QString m_livre = QStringLiteral("   ");
    QString m_rubrica;
    QString m_centroCusto;
    qint16 m_grupoTerceiros = 0;
    qint16 m_numeroTerceiro = 0;
};

} // namespace qrx
