#pragma once

#include <QString>
#include <exception>
#include <string>

namespace qrx {

// The one error type of the suite: what the system raises carries a number, the place
// that raised it and a description, and every message box shows those three.
class QrxError : public std::exception {
public:
    QrxError(qint32 numero, QString origem, QString descricao);

    qint32 numero() const noexcept { return m_numero; }
    const QString &origem() const noexcept { return m_origem; }
    const QString &descricao() const noexcept { return m_descricao; }

    // "Erro <n> (<description>)", the form used by the system's message boxes.
    QString textoCompleto() const;

    const char *what() const noexcept override { return m_what.c_str(); }

private:
    qint32 m_numero;
    QString m_origem;
    QString m_descricao;
    std::string m_what;
};

// Numbers used where the suite raises an error of its own (no driver number behind it).
namespace erros {
inline constexpr qint32 FalhaGeral = qint32(0x80004005);      // unspecified failure
inline constexpr qint32 TempoEsgotado = qint32(0x80040E31);   // command time-out
inline constexpr qint32 FicheiroInacessivel = 75;             // path/file access error
inline constexpr qint32 FicheiroNaoEncontrado = 53;
inline constexpr qint32 ValorInvalido = 13;                   // type mismatch
inline constexpr qint32 Overflow = 6;
inline constexpr qint32 ArgumentoInvalido = 5;                // invalid procedure call or argument
inline constexpr qint32 DivisaoPorZero = 11;
inline constexpr qint32 UsoInvalidoNulo = 94;                 // a database null where a value is needed

// The platform's own description of one of the numbers above ("Overflow", "Type mismatch",
// ...); empty for any other number.
QString descricaoPadrao(qint32 numero);
} // namespace erros

} // namespace qrx
