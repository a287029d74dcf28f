#include "QrxError.h"

namespace qrx {

QrxError::QrxError(qint32 numero, QString origem, QString descricao)
    : m_numero(numero), m_origem(std::move(origem)), m_descricao(std::move(descricao))
{
    m_what = textoCompleto().toStdString();
    if (!m_origem.isEmpty())
        m_what += " [" + m_origem.toStdString() + "]";
}

QString QrxError::textoCompleto() const
{
    return QStringLiteral("Erro %1 (%2)").arg(m_numero).arg(m_descricao);
}

namespace erros {

QString descricaoPadrao(qint32 numero)
{
    switch (numero) {
    case ArgumentoInvalido: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case DivisaoPorZero: return QStringLiteral("Division by zero");
    case ValorInvalido: return QStringLiteral("Type mismatch");
    case FicheiroNaoEncontrado: return QStringLiteral("File not found");
    case FicheiroInacessivel: return QStringLiteral("Path/File access error");
    case UsoInvalidoNulo: return QStringLiteral("Invalid use of Null");
    default: return QString();
    }
}

} // namespace erros

} // namespace qrx
