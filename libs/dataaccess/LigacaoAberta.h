#pragma once

#include "CDataAccess.h"
#include "Dialecto.h"
#include "FalhaBD.h"
#include "ParametrosLigacao.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace qrx::interno {

// A driver failure on its way to the caller: classified, and with the entry the error box
// shows. It never leaves the library; callers see QrxError.
struct FalhaDriver {
    TipoFalha tipo = TipoFalha::Outra;
    ErroLigacao erro;
};

[[noreturn]] void levanta(qint32 numero, const QString &descricao);
[[noreturn]] void levanta(const FalhaDriver &falha);

} // namespace qrx::interno

namespace qrx {

using interno::FalhaDriver;

// One open Qt SQL connection under its own unique name, removed again when this is destroyed.
// Every statement it sends is counted.
class LigacaoAberta {
public:
    // Opens; raises FalhaDriver when the driver is missing, the file is missing or the open fails.
    LigacaoAberta(const QString &textoLigacao, qint64 &contador);
    ~LigacaoAberta();
    LigacaoAberta(const LigacaoAberta &) = delete;
    LigacaoAberta &operator=(const LigacaoAberta &) = delete;

    const QString &texto() const { return m_texto; }
    const ParametrosLigacao &parametros() const { return m_parametros; }
    const Dialecto &dialecto() const { return *m_dialecto; }
    QSqlDatabase base() const { return m_registo.db; }
    QString origem() const;  // the source named in the error box

    // Prepares, binds and runs one statement (forward-only); raises FalhaDriver.
    QSqlQuery executa(const Instrucao &instrucao);

    void iniciaTransaccao();
    void confirmaTransaccao();
    void desfazTransaccao();
    bool emTransaccao() const { return m_emTransaccao; }

    // Primary-key columns of a table ("" parts quoted or not); empty when it has none.
    QStringList chavePrimaria(const QString &tabela);

    void conta() { ++m_contador; }

    // The failure of a statement, with the SQLSTATEs where the driver has them.
    FalhaDriver falhaDaInstrucao(const QSqlQuery &q) const;

private:
    struct Registo {
        QString nome;
        QSqlDatabase db;
        ~Registo();
    };

    void verificaAberta() const;
    FalhaDriver falhaDe(const QSqlError &erro, const QStringList &estadosSql) const;
    FalhaDriver falhaDaLigacao() const;

    qint64 &m_contador;
    QString m_texto;
    ParametrosLigacao m_parametros;
    const Dialecto *m_dialecto;
    Registo m_registo;
    bool m_emTransaccao = false;
    QHash<QString, QStringList> m_chaves;
};

} // namespace qrx
