#pragma once

#include <QString>
#include <QStringList>

namespace qrx {

enum class MotorBaseDados { SQLServer, SQLite };

// The database connection kept in the settings file, section "BaseDados":
//   Motor        "SQLServer" (also when absent) or "SQLite"
//   Servidor     SQL Server host (and instance)
//   BaseDados    SQL Server database, or the SQLite file (absolute, or relative to the
//                settings file's folder)
//   Utilizador   SQL Server login
//   Password     enciphered
//   Driver ODBC  optional: the ODBC driver to reach SQL Server through (for example
//                "ODBC Driver 18 for SQL Server" or "FreeTDS"); absent = the data layer's choice
// This is the part without a window; the dialog edits these values and calls grava.
class ConfiguracaoLigacao {
public:
    static inline const QString seccao = QStringLiteral("BaseDados");

    ConfiguracaoLigacao() = default;
    // Points at the settings file and loads its values.
    explicit ConfiguracaoLigacao(const QString &ficheiroConfiguracao);

    void setFicheiroConfiguracao(const QString &ficheiro);
    const QString &ficheiroConfiguracao() const { return m_ficheiro; }

    // Catalogue of the database creation script, for the dialog.
    void setCaminhoCatalogo(const QString &caminho) { m_catalogo = caminho; }
    const QString &caminhoCatalogo() const { return m_catalogo; }

    // Reads the values from the settings file again; raises when the stored password
    // cannot be deciphered.
    void carrega();
    // Stores the values (the password enciphered) in one replacement of the file.
    void grava() const;

    MotorBaseDados motor() const { return m_motor; }
    const QString &textoMotor() const { return m_textoMotor; }   // as stored, "" when absent
    const QString &servidor() const { return m_servidor; }
    const QString &baseDados() const { return m_baseDados; }
    const QString &utilizador() const { return m_utilizador; }
    const QString &password() const { return m_password; }
    const QString &driverOdbc() const { return m_driverOdbc; }

    void setMotor(MotorBaseDados motor);
    void setServidor(const QString &valor) { m_servidor = valor; }
    void setBaseDados(const QString &valor) { m_baseDados = valor; }
    void setUtilizador(const QString &valor) { m_utilizador = valor; }
    void setPassword(const QString &valor) { m_password = valor; }
    void setDriverOdbc(const QString &valor) { m_driverOdbc = valor; }

    // Keys whose values are missing or unusable: "Motor" (an engine other than the two),
    // for SQL Server "Servidor", "Utilizador", "BaseDados" when empty (the password may be
    // empty), for SQLite "BaseDados" when empty or when the file does not exist.
    QStringList valoresEmFalta() const;

    // The SQLite database file as an absolute path; "" when BaseDados is empty.
    QString caminhoSQLite() const;

private:
    QString m_ficheiro;
    QString m_catalogo;
    MotorBaseDados m_motor = MotorBaseDados::SQLServer;
    QString m_textoMotor;
    QString m_servidor;
    QString m_baseDados;
    QString m_utilizador;
    QString m_password;
    QString m_driverOdbc;
};

} // namespace qrx
