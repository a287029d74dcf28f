#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>

namespace qrx {

ErroProvCTB::ErroProvCTB(qint32 numero, QString origem, QString descricao)
    : m_numero(numero), m_origem(std::move(origem)), m_descricao(std::move(descricao))
{
    m_what = textoCompleto().toStdString();
    if (!m_origem.isEmpty())
        m_what += " [" + m_origem.toStdString() + "]";
}

ErroProvCTB::~ErroProvCTB() = default;

QString ErroProvCTB::textoCompleto() const
{
    return QStringLiteral("Erro %1 (%2)").arg(m_numero).arg(m_descricao);
}

const char *ErroProvCTB::what() const noexcept
{
    return m_what.c_str();
}

} // namespace qrx
