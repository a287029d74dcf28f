#pragma once

#include <qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h>

#include <QString>
#include <QtGlobal>

#include <exception>
#include <string>

namespace qrx {

// What the library raises to its client: the error number, the routine that raised it
// ("LinhaProvCTB:Escrever", "ProvCTB:Add", ...) and the description. It mirrors the error
// type of the rest of the suite (number, source, description) so a client shows it the same
// way; it is its own class because client programs get only this package.
class QRXCOREPROVCTBSAGEL50_EXPORT ErroProvCTB : public std::exception {
public:
    ErroProvCTB(qint32 numero, QString origem, QString descricao);
    ~ErroProvCTB() override;
    ErroProvCTB(const ErroProvCTB &) = default;
    ErroProvCTB &operator=(const ErroProvCTB &) = default;

    qint32 numero() const noexcept { return m_numero; }
    const QString &origem() const noexcept { return m_origem; }
    const QString &descricao() const noexcept { return m_descricao; }

    // "Erro <n> (<description>)".
    QString textoCompleto() const;

    const char *what() const noexcept override;

private:
    qint32 m_numero;
    QString m_origem;
    QString m_descricao;
    std::string m_what;
};

} // namespace qrx
