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

} // namespace qrx
