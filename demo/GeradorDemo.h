#pragma once

#include <QDate>
#include <QString>

namespace qrx {

// The demo ERP database and its settings files. The same seed, size and day always give the
// same contents; the day is passed in, so nothing depends on the clock.
class GeradorDemo {
public:
    struct Resumo {
        int documentos = 0;
        int documentosDeHoje = 0;
        int linhas = 0;
        int clientes = 0;
    };

    static constexpr int LinhasPorOmissao = 2000;
    static constexpr quint64 SementePorOmissao = 1;

    // linhas: number of document lines (DOCGCLIN rows), at least minimoLinhas().
    GeradorDemo(quint64 semente, int linhas, QDate hoje);

    static int minimoLinhas();

    // Writes ficheiro as a new database, replacing any file of that name only once the new
    // one is complete. Raises QrxError on a bad size or day, or when writing fails.
    Resumo gerarBaseDados(const QString &ficheiro) const;

    // demo.db and the settings files in pasta (created when missing).
    Resumo gerar(const QString &pasta) const;

    static QString nomeBaseDados() { return QStringLiteral("demo.db"); }

private:
    quint64 m_semente;
    int m_linhas;
    QDate m_hoje;
};

} // namespace qrx
