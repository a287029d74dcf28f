#include "ConfiguracaoLigacao.h"

#include "Cifra.h"
#include "ConfiguracaoFicheiro.h"

#include <QDir>
#include <QFileInfo>

namespace qrx {

namespace {

const QString chaveMotor = QStringLiteral("Motor");
const QString chaveServidor = QStringLiteral("Servidor");
const QString chaveBaseDados = QStringLiteral("BaseDados");
const QString chaveUtilizador = QStringLiteral("Utilizador");
const QString chavePassword = QStringLiteral("Password");
const QString chaveDriver = QStringLiteral("Driver ODBC");

const QString textoSQLServer = QStringLiteral("SQLServer");
const QString textoSQLite = QStringLiteral("SQLite");

bool motorConhecido(const QString &texto)
{
    return texto.isEmpty() || texto.compare(textoSQLServer, Qt::CaseInsensitive) == 0
           || texto.compare(textoSQLite, Qt::CaseInsensitive) == 0;
}

} // namespace

ConfiguracaoLigacao::ConfiguracaoLigacao(const QString &ficheiroConfiguracao)
    : m_ficheiro(ficheiroConfiguracao)
{
    carrega();
}

void ConfiguracaoLigacao::setFicheiroConfiguracao(const QString &ficheiro)
{
    m_ficheiro = ficheiro;
}

void ConfiguracaoLigacao::setMotor(MotorBaseDados motor)
{
    m_motor = motor;
    m_textoMotor = motor == MotorBaseDados::SQLite ? textoSQLite : textoSQLServer;
}

void ConfiguracaoLigacao::carrega()
{
    const ConfiguracaoFicheiro configuracao(m_ficheiro);
    m_textoMotor = configuracao.le(seccao, chaveMotor);
    m_motor = m_textoMotor.compare(textoSQLite, Qt::CaseInsensitive) == 0 ? MotorBaseDados::SQLite
                                                                          : MotorBaseDados::SQLServer;
    m_servidor = configuracao.le(seccao, chaveServidor);
    m_baseDados = configuracao.le(seccao, chaveBaseDados);
    m_utilizador = configuracao.le(seccao, chaveUtilizador);
    m_password = Cifra(m_ficheiro).decifra(configuracao.le(seccao, chavePassword));
    m_driverOdbc = configuracao.le(seccao, chaveDriver);
}

void ConfiguracaoLigacao::grava() const
{
    ConfiguracaoFicheiro configuracao(m_ficheiro);
    const Cifra cifra(m_ficheiro);
    const QString password = cifra.cifraParaGravar(m_password, configuracao.le(seccao, chavePassword));
    QList<ConfiguracaoFicheiro::Valor> valores{
        {seccao, chaveMotor, m_motor == MotorBaseDados::SQLite ? textoSQLite : textoSQLServer},
        {seccao, chaveServidor, m_servidor},
        {seccao, chaveBaseDados, m_baseDados},
        {seccao, chaveUtilizador, m_utilizador},
        {seccao, chavePassword, password},
    };
    if (!m_driverOdbc.isEmpty() || !configuracao.le(seccao, chaveDriver).isEmpty())
        valores.append({seccao, chaveDriver, m_driverOdbc});
    configuracao.grava(valores);
}

QString ConfiguracaoLigacao::caminhoSQLite() const
{
    if (m_baseDados.isEmpty())
        return QString();
    const QDir pasta = QFileInfo(m_ficheiro).absoluteDir();
    return QDir::cleanPath(pasta.absoluteFilePath(m_baseDados));
}

QStringList ConfiguracaoLigacao::valoresEmFalta() const
{
    QStringList emFalta;
    if (!motorConhecido(m_textoMotor)) {
        emFalta.append(chaveMotor);
        return emFalta;
    }
    if (m_motor == MotorBaseDados::SQLite) {
        const QFileInfo ficheiro(caminhoSQLite());
        if (m_baseDados.isEmpty() || !ficheiro.isFile())
            emFalta.append(chaveBaseDados);
        return emFalta;
    }
    if (m_servidor.isEmpty())
        emFalta.append(chaveServidor);
    if (m_utilizador.isEmpty())
        emFalta.append(chaveUtilizador);
    if (m_baseDados.isEmpty())
        emFalta.append(chaveBaseDados);
    return emFalta;
}

} // namespace qrx
