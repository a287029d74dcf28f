#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

#include <stdexcept>

namespace qrx::testes {

// A real SQLite file in a temporary folder, filled with plain Qt SQL (not through the library
// under test) with a few tables shaped like the ERP's.
class BaseTeste {
public:
    BaseTeste()
    {
        if (!m_pasta.isValid())
            throw std::runtime_error("no temporary folder");
        m_ficheiro = m_pasta.filePath(QStringLiteral("erp.db"));
        executa({
            QStringLiteral("CREATE TABLE EMPRESA (NOME TEXT)"),
            QStringLiteral("INSERT INTO EMPRESA VALUES ('Empresa de Teste, Lda')"),
            // Export marks: a key of four columns, as the ERP has it.
            QStringLiteral("CREATE TABLE CLDOCGC (ANO INTEGER NOT NULL, TIPODOC TEXT NOT NULL, "
                           "SERIE INTEGER NOT NULL, NDOC INTEGER NOT NULL, CL20 TEXT, CL21 TEXT, "
                           "PRIMARY KEY (ANO, TIPODOC, SERIE, NDOC))"),
            // Document headers without a primary key: rows are found by all their values.
            QStringLiteral("CREATE TABLE DOCGCCAB (ANO INTEGER, TPDOC TEXT, SERIE INTEGER, "
                           "NNUMDOC INTEGER, TERCEIRO TEXT, DATA TEXT, MBORI REAL, PROCESSO TEXT)"),
            QStringLiteral("INSERT INTO DOCGCCAB VALUES (2024, 'FT', 1, 1, '0001', "
                           "'2024-03-01 00:00:00', 100.5, NULL)"),
            QStringLiteral("INSERT INTO DOCGCCAB VALUES (2024, 'FT', 1, 2, '0002', "
                           "'2024-03-01 00:00:00', 20.25, 'P1')"),
            QStringLiteral("INSERT INTO DOCGCCAB VALUES (2024, 'GR', 1, 1, '0001', "
                           "'2024-03-02 00:00:00', 0, NULL)"),
            QStringLiteral("CREATE TABLE TERCVDI (ANO INTEGER, TPDOC TEXT, SERIE INTEGER, "
                           "NUMDOC INTEGER, NOME TEXT)"),
            QStringLiteral("INSERT INTO TERCVDI VALUES (2024, 'FT', 1, 1, 'Cliente Um')"),
            QStringLiteral("INSERT INTO TERCVDI VALUES (2024, 'FT', 1, 2, 'Cliente Dois')"),
            QStringLiteral("CREATE TABLE ARTIGOS (CODIGO INTEGER PRIMARY KEY, DESCRICAO TEXT)"),
        });
    }

    const QString &ficheiro() const { return m_ficheiro; }
    QString pasta() const { return m_pasta.path(); }

    QString textoLigacao(const QString &extra = QString()) const
    {
        return QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + m_ficheiro
            + QStringLiteral(";Initial Catalog=erp") + extra;
    }

    // Runs statements on a connection of its own, opened and closed here.
    void executa(const QStringList &instrucoes) const
    {
        const QString nome = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(m_ficheiro);
            if (!db.open())
                throw std::runtime_error(db.lastError().text().toStdString());
            for (const QString &texto : instrucoes) {
                QSqlQuery q(db);
                if (!q.exec(texto))
                    throw std::runtime_error(QString(texto + QLatin1String(": ") + q.lastError().text()).toStdString());
            }
        }
        QSqlDatabase::removeDatabase(nome);
    }

    // The rows of a query as text "a|b|c", read on a connection of its own.
    QStringList linhas(const QString &consulta, const QVariantList &valores = {}) const
    {
        QStringList resultado;
        const QString nome = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(m_ficheiro);
            if (!db.open())
                throw std::runtime_error(db.lastError().text().toStdString());
            QSqlQuery q(db);
            q.prepare(consulta);
            for (const QVariant &v : valores)
                q.addBindValue(v);
            if (!q.exec())
                throw std::runtime_error(q.lastError().text().toStdString());
            while (q.next()) {
                QStringList campos;
                for (int i = 0; i < q.record().count(); ++i)
                    campos.append(q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
                resultado.append(campos.join(QLatin1Char('|')));
            }
        }
        QSqlDatabase::removeDatabase(nome);
        return resultado;
    }

private:
    QTemporaryDir m_pasta;
    QString m_ficheiro;
};

} // namespace qrx::testes
