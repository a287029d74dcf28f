#include "ConstrutorLigacao.h"

#include <QFileInfo>

namespace qrx {

QString ConstrutorLigacao::valorLigacao(const QString &valor)
{
    // A quote anywhere would open a quoted run for the reader of the string, so it is
    // quoted too.
    const bool aspas = valor.contains(u';') || valor.contains(u'"') || valor.startsWith(u'\'')
                       || (!valor.isEmpty() && (valor.front().isSpace() || valor.back().isSpace()));
    if (!aspas)
        return valor;
    QString interior = valor;
    interior.replace(u'"', QStringLiteral("\"\""));
    return u'"' + interior + u'"';
}

QString ConstrutorLigacao::Servidor() const
{
    return m_motor == MotorBaseDados::SQLite ? m_baseDados : m_servidor;
}

QString ConstrutorLigacao::TextoLigacao() const
{
    QString texto = u"Provider=" + valorLigacao(m_provider);
    if (m_motor == MotorBaseDados::SQLite) {
        texto += u";Data Provider=SQLite;Data Source=" + valorLigacao(m_baseDados)
                 + u";Initial Catalog=" + valorLigacao(QFileInfo(m_baseDados).completeBaseName());
        return texto;
    }
    texto += u";Data Provider=SQLOLEDB;Data Source=" + valorLigacao(m_servidor)
             + u";Initial Catalog=" + valorLigacao(m_baseDados)
             + u";User ID=" + valorLigacao(m_utilizador)
             + u";Password=" + valorLigacao(m_password);
    if (!m_driverOdbc.isEmpty())
        texto += u";ODBC Driver=" + valorLigacao(m_driverOdbc);
    return texto;
}

ConstrutorLigacao ConstrutorLigacao::deConfiguracao(const ConfiguracaoLigacao &configuracao)
{
    ConstrutorLigacao construtor;
    construtor.setProvider(QStringLiteral("MSDataShape"));
    construtor.setModo(1);
    construtor.setMotor(configuracao.motor());
    if (configuracao.motor() == MotorBaseDados::SQLite) {
        construtor.setBaseDados(configuracao.caminhoSQLite());
        return construtor;
    }
    construtor.setServidor(configuracao.servidor());
    construtor.setBaseDados(configuracao.baseDados());
    construtor.setUtilizador(configuracao.utilizador());
    construtor.setPassword(configuracao.password());
    construtor.setDriverOdbc(configuracao.driverOdbc());
    return construtor;
}

} // namespace qrx
