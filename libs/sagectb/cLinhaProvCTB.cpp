#include <qrxCoreProvCTBSageL50/cLinhaProvCTB.h>

#include "EscritaPosicional.h"
#include "RegraData.h"

#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>

#include "FormatoNumero.h"
#include "QrxError.h"
#include "RegistoFixo.h"
#include "Windows1252.h"

#include <QFileDevice>
#include <QLocale>

#include <cstdlib>

namespace qrx {

namespace {

constexpr qint32 NumeroEvento = 1;
constexpr double ValorMaximo = 99999999.99;

QString inteiro(qint64 valor)
{
    return QString::number(valor);
}

} // namespace

cLinhaProvCTB::cLinhaProvCTB(QObject *parent) : QObject(parent) {}

cLinhaProvCTB::~cLinhaProvCTB() = default;

void cLinhaProvCTB::falha(const QString &descricao)
{
    Q_EMIT Erro(NumeroEvento, descricao);
}

void cLinhaProvCTB::guardaTexto(QString &campo, const QString &valor, int largura,
                                const QString &aviso)
{
    campo = ajustaEsquerda(valor, largura);
    if (textoParaCampo(valor).size() > largura)
        Q_EMIT Aviso(NumeroEvento, aviso);
}

QString cLinhaProvCTB::CrLf() const
{
    return QStringLiteral("\r\n");
}

void cLinhaProvCTB::setNumeroTerceiro(int valor)
{
    if (valor < 0 || valor > 32500)
        return falha(QStringLiteral("Numero de Terceiros inválido. [1..32500]."));
    m_numeroTerceiro = qint16(valor);
}

void cLinhaProvCTB::setGrupoTerceiros(int valor)
{
    if (valor < 0 || valor > 9)
        return falha(QStringLiteral("Grupo de Terceiros inválido. [1..9]."));
    m_grupoTerceiros = qint16(valor);
}

void cLinhaProvCTB::setCentroCusto(const QString &valor)
{
    guardaTexto(m_centroCusto, valor, 6,
                QStringLiteral("Tamanho do centro de custo truncado a 6 posições."));
}

void cLinhaProvCTB::setRubrica(const QString &valor)
{
    guardaTexto(m_rubrica, valor, 6, QStringLiteral("Tamanho da rubrica truncado a 6 posições."));
}

void cLinhaProvCTB::setSinalDebCred(const QString &valor)
{
    const QString sinal = valor.toUpper();
    if (sinal != QLatin1String("D") && sinal != QLatin1String("C"))
        return falha(QStringLiteral("Sinal de Dédito ou Crédito inválido. [D,C]."));
    m_sinalDebCred = sinal;
}

void cLinhaProvCTB::setValor(double valor)
{
    // Written this way round so that NaN is refused too.
    if (!(valor >= 0 && valor <= ValorMaximo))
        return falha(QStringLiteral("Valor de Movimento inválido. [0..99999999.99]."));
    m_valor = valor;
}

void cLinhaProvCTB::setDescricaoMovimento(const QString &valor)
{
    guardaTexto(m_descricaoMovimento, valor, 20,
                QStringLiteral("Tamanho da descrição do movimento truncado a 20 posições."));
}

void cLinhaProvCTB::setNumeroDocumento(qint32 valor)
{
    if (valor < 1 || valor > 9999999)
        return falha(QStringLiteral("Numero de Documento inválido. [1..9999999]."));
    m_numeroDocumento = valor;
}

void cLinhaProvCTB::setCodigoDocumento(int valor)
{
    if (valor < 1 || valor > 999)
        return falha(QStringLiteral("Código de Documento inválido. [1..999]."));
    m_codigoDocumento = qint16(valor);
}

void cLinhaProvCTB::setNumeroDiario(qint32 valor)
{
    // The sign takes one of the six columns: a longer negative number would reach the file
    // without it.
    const qint64 absoluto = std::llabs(qint64(valor));
    if (absoluto < 1 || absoluto > 999999 || valor < -99999)
        return falha(QStringLiteral("Numero de Diário inválido. [1..999999]."));
    m_numeroDiario = valor;
}

void cLinhaProvCTB::setDiario(int valor)
{
    if (valor < 1 || valor > 999)
        return falha(QStringLiteral("Código de Diário inválido. [1..999]."));
    m_diario = qint16(valor);
}

void cLinhaProvCTB::setConta(const QString &valor)
{
    guardaTexto(m_conta, valor, 10, QStringLiteral("Tamanho da conta truncado a 10 posições."));
}

void cLinhaProvCTB::setDataMov(const QString &valor)
{
    const QString dezCaracteres = ajustaEsquerda(valor, 10);
    if (!ctb::dataMovValida(dezCaracteres))
        return falha(QStringLiteral("Data inválida."));
    m_dataMov = QString(dezCaracteres).replace(QLatin1Char('-'), QLatin1Char('.'));
}

QString cLinhaProvCTB::FormataParaEscrita() const
{
    try {
        RegistoFixo linha(TamanhoLinha);
        linha.escreve(1, 10, m_dataMov);
        linha.escreve(11, 10, m_conta);
        linha.escreve(21, 3, inteiro(m_diario), Alinhamento::Direita);
        linha.escreve(24, 6, inteiro(m_numeroDiario), Alinhamento::Direita);
        linha.escreve(30, 3, inteiro(m_codigoDocumento), Alinhamento::Direita);
        linha.escreve(34, 7, inteiro(m_numeroDocumento), Alinhamento::Direita);
        linha.escreve(41, 20, m_descricaoMovimento);
        linha.escreve(61, 11, formataNumero(m_valor, QStringLiteral("########.00"), QLocale::c()),
                      Alinhamento::Direita);
        linha.escreve(72, 1, m_sinalDebCred);
        linha.escreve(73, 3, m_livre);
        linha.escreve(76, 6, m_rubrica);
        linha.escreve(82, 6, m_centroCusto);
        if (m_grupoTerceiros != 0)
            linha.escreve(88, 1, inteiro(m_grupoTerceiros));
        if (m_numeroTerceiro != 0)
            linha.escreve(89, 5, inteiro(m_numeroTerceiro), Alinhamento::Direita);
        linha.escreve(94, 2, CrLf());
        return linha.texto();
    } catch (const QrxError &erro) {
        throw ErroProvCTB(erro.numero(), QStringLiteral("LinhaProvCTB:FormataParaEscrita"),
                          erro.descricao());
    }
}

void cLinhaProvCTB::Escrever(QFileDevice &iCanal, qint64 lRegisto) const
{
    const QString origem = QStringLiteral("LinhaProvCTB:Escrever");
    QByteArray bytes;
    try {
        bytes = codificaWindows1252(FormataParaEscrita());
    } catch (const ErroProvCTB &erro) {
        throw ErroProvCTB(erro.numero(), origem, erro.descricao());
    }
    ctb::escreveNaPosicao(iCanal, lRegisto - 1, bytes, origem);
}

} // namespace qrx
