#include "GravacaoRecordset.h"

#include "FalhaBD.h"
#include "LigacaoAberta.h"
#include "NomesSql.h"

#include <QSqlQuery>
#include <QStringList>

namespace qrx::interno {

namespace {

const QString pontoGravacao = QStringLiteral("qrx_lote");

struct Tabela {
    QString nome;            // as messages name it
    QString sql;             // as statements name it
    QVector<bool> escrita;   // per field: belongs to the table
    QVector<int> chave;      // fields that find a row
    bool chaveDaTabela = false;
};

Tabela resolve(LigacaoAberta &ligacao, const DadosRecordset &rs)
{
    const QString base = semAspas(rs.tabelaBase.trimmed());
    if (base.isEmpty()) {
        levanta(numerosBD::OperacaoInvalida,
                QStringLiteral("As alterações não podem ser gravadas: o recordset não tem tabela "
                               "base (consulta \"%1\").").arg(rs.fonte));
    }
    const Dialecto &dialecto = ligacao.dialecto();
    Tabela t;
    t.nome = base;
    t.sql = dialecto.identificador(base);

    bool driverNomeia = false;
    for (const Recordset::Campo &c : rs.campos)
        driverNomeia = driverNomeia || !c.tabelaBase.isEmpty();
    const QString simples = nomeSimples(base);
    t.escrita.resize(rs.campos.size());
    for (int i = 0; i < rs.campos.size(); ++i) {
        t.escrita[i] = !driverNomeia
            || nomeSimples(rs.campos[i].tabelaBase).compare(simples, Qt::CaseInsensitive) == 0;
    }

    const QStringList chavePrimaria = ligacao.chavePrimaria(base);
    QVector<int> chave;
    for (const QString &coluna : chavePrimaria) {
        for (int i = 0; i < rs.campos.size(); ++i) {
            if (t.escrita[i] && rs.campos[i].nome.compare(coluna, Qt::CaseInsensitive) == 0) {
                chave.append(i);
                break;
            }
        }
    }
    if (!chavePrimaria.isEmpty() && chave.size() == chavePrimaria.size()) {
        t.chave = chave;
        t.chaveDaTabela = true;
    } else {
        for (int i = 0; i < rs.campos.size(); ++i) {
            if (t.escrita[i])
                t.chave.append(i);
        }
    }
    if (t.chave.isEmpty()) {
        levanta(numerosBD::OperacaoInvalida,
                QStringLiteral("As alterações não podem ser gravadas: nenhum campo do recordset "
                               "pertence à tabela %1.").arg(t.nome));
    }
    return t;
}

void recusaCampoAlheio(const Tabela &t, const DadosRecordset &rs, int campo)
{
    levanta(numerosBD::OperacaoInvalida,
            QStringLiteral("O campo %1 não pertence à tabela %2: a alteração não pode ser gravada.")
                .arg(rs.campos[campo].nome, t.nome));
}

// Fails before anything is written when a change touches a field outside the table.
void verificaCampos(const Tabela &t, const DadosRecordset &rs, const LinhaRecordset &l)
{
    for (int i = 0; i < rs.campos.size(); ++i) {
        if (t.escrita[i])
            continue;
        const bool mudou = l.estado == Recordset::EstadoLinha::Nova
            ? !l.valores[i].isNull()
            : diferentes(l.valores[i], l.originais.value(i));
        if (mudou)
            recusaCampoAlheio(t, rs, i);
    }
}

QString condicao(const Tabela &t, const Dialecto &d, const DadosRecordset &rs,
                 const QVector<QVariant> &naBase, QVariantList &parametros)
{
    QStringList partes;
    for (int i : t.chave) {
        const QString coluna = d.identificador(rs.campos[i].nome);
        if (naBase.value(i).isNull()) {
            partes.append(coluna + QLatin1String(" IS NULL"));
        } else {
            partes.append(coluna + QLatin1String(" = ?"));
            parametros.append(naBase.at(i));
        }
    }
    return partes.join(QLatin1String(" AND "));
}

void exigeUmaLinha(const QSqlQuery &q, const Tabela &t)
{
    const int n = q.numRowsAffected();
    if (n == 0) {
        levanta(numerosBD::LinhaNaoEncontrada,
                QStringLiteral("A linha a gravar não foi encontrada na tabela %1: foi alterada ou "
                               "apagada depois de lida.").arg(t.nome));
    }
    if (n > 1) {
        levanta(numerosBD::LinhaNaoEncontrada,
                QStringLiteral("A gravação na tabela %1 abrangeu %2 linhas em vez de uma: os "
                               "campos lidos não identificam a linha.").arg(t.nome).arg(n));
    }
}

void executa(LigacaoAberta &ligacao, const QString &texto, const QVariantList &parametros,
             const Tabela &t, QVariant *idInserido = nullptr)
{
    QSqlQuery q;
    try {
        q = ligacao.executa(Instrucao(texto, parametros));
    } catch (const FalhaDriver &f) {
        levanta(f.erro.numero, QStringLiteral("Gravação na tabela %1: %2").arg(t.nome, f.erro.descricao));
    }
    exigeUmaLinha(q, t);
    if (idInserido)
        *idInserido = q.lastInsertId();
}

void actualiza(LigacaoAberta &ligacao, const Tabela &t, const DadosRecordset &rs,
               const QVector<QVariant> &valores, const QVector<QVariant> &naBase)
{
    const Dialecto &d = ligacao.dialecto();
    QStringList atribuicoes;
    QVariantList parametros;
    for (int i = 0; i < rs.campos.size(); ++i) {
        if (!diferentes(valores[i], naBase.value(i)))
            continue;
        if (!t.escrita[i])
            recusaCampoAlheio(t, rs, i);
        atribuicoes.append(d.identificador(rs.campos[i].nome) + QLatin1String(" = ?"));
        parametros.append(valores[i]);
    }
    if (atribuicoes.isEmpty())
        return;
    const QString onde = condicao(t, d, rs, naBase, parametros);
    executa(ligacao, QLatin1String("UPDATE ") + t.sql + QLatin1String(" SET ")
                + atribuicoes.join(QLatin1String(", ")) + QLatin1String(" WHERE ") + onde,
            parametros, t);
}

void insere(LigacaoAberta &ligacao, const Tabela &t, const DadosRecordset &rs,
            QVector<QVariant> &valores)
{
    const Dialecto &d = ligacao.dialecto();
    QStringList colunas;
    QVariantList parametros;
    for (int i = 0; i < rs.campos.size(); ++i) {
        if (valores[i].isNull())
            continue;
        if (!t.escrita[i])
            recusaCampoAlheio(t, rs, i);
        colunas.append(d.identificador(rs.campos[i].nome));
        parametros.append(valores[i]);
    }
    QString texto = QLatin1String("INSERT INTO ") + t.sql;
    if (colunas.isEmpty()) {
        texto += QLatin1String(" DEFAULT VALUES");
    } else {
        QStringList marcas;
        marcas.fill(QStringLiteral("?"), colunas.size());
        texto += QLatin1String(" (") + colunas.join(QLatin1String(", "))
            + QLatin1String(") VALUES (") + marcas.join(QLatin1String(", ")) + QLatin1Char(')');
    }
    // A key the database numbers is taken back, so the row can be found again.
    const bool numerada = t.chaveDaTabela && t.chave.size() == 1 && valores[t.chave.first()].isNull();
    QVariant id;
    executa(ligacao, texto, parametros, t, numerada ? &id : nullptr);
    if (numerada && id.isValid())
        valores[t.chave.first()] = id;
}

void apaga(LigacaoAberta &ligacao, const Tabela &t, const DadosRecordset &rs,
           const QVector<QVariant> &naBase)
{
    QVariantList parametros;
    const QString onde = condicao(t, ligacao.dialecto(), rs, naBase, parametros);
    executa(ligacao, QLatin1String("DELETE FROM ") + t.sql + QLatin1String(" WHERE ") + onde,
            parametros, t);
}

// Rethrows the exception being handled, driver failures as the library's error.
[[noreturn]] void relanca()
{
    try {
        throw;
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
}

// Runs the writes as one unit: its own transaction, or a savepoint inside the caller's.
template <typename Escritas>
void numaUnidade(LigacaoAberta &ligacao, Escritas &&escritas)
{
    const Dialecto &d = ligacao.dialecto();
    if (ligacao.emTransaccao()) {
        auto simples = [&](const QString &texto) {
            if (!texto.isEmpty())
                ligacao.executa(Instrucao(texto));
        };
        try {
            simples(d.criaPontoGravacao(pontoGravacao));
        } catch (const FalhaDriver &f) {
            levanta(f);
        }
        try {
            escritas();
        } catch (...) {
            try {
                simples(d.desfazPontoGravacao(pontoGravacao));
                simples(d.libertaPontoGravacao(pontoGravacao));
            } catch (const FalhaDriver &) {
            }
            relanca();
        }
        try {
            simples(d.libertaPontoGravacao(pontoGravacao));
        } catch (const FalhaDriver &f) {
            levanta(f);
        }
        return;
    }
    try {
        ligacao.iniciaTransaccao();
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    try {
        escritas();
        ligacao.confirmaTransaccao();
    } catch (...) {
        try {
            if (ligacao.emTransaccao())
                ligacao.desfazTransaccao();
        } catch (const FalhaDriver &) {
        }
        relanca();
    }
}

} // namespace

bool diferentes(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() != b.isNull();
    return !(a == b);
}

void gravaPendentes(LigacaoAberta &ligacao, DadosRecordset &rs)
{
    int pendentes = rs.apagadas.size();
    for (const LinhaRecordset &l : std::as_const(rs.linhas))
        pendentes += l.estado != Recordset::EstadoLinha::Inalterada;
    if (pendentes == 0)
        return;

    const Tabela t = resolve(ligacao, rs);
    for (const LinhaRecordset &l : std::as_const(rs.linhas)) {
        if (l.estado != Recordset::EstadoLinha::Inalterada)
            verificaCampos(t, rs, l);
    }

    // New rows are written from copies: a failed unit leaves the recordset as it was.
    QVector<QVector<QVariant>> inseridas(rs.linhas.size());
    numaUnidade(ligacao, [&] {
        for (const QVector<QVariant> &naBase : std::as_const(rs.apagadas))
            apaga(ligacao, t, rs, naBase);
        for (const LinhaRecordset &l : std::as_const(rs.linhas)) {
            if (l.estado == Recordset::EstadoLinha::Modificada)
                actualiza(ligacao, t, rs, l.valores, l.originais);
        }
        for (int i = 0; i < rs.linhas.size(); ++i) {
            if (rs.linhas[i].estado == Recordset::EstadoLinha::Nova) {
                inseridas[i] = rs.linhas[i].valores;
                insere(ligacao, t, rs, inseridas[i]);
            }
        }
    });

    rs.apagadas.clear();
    for (int i = 0; i < rs.linhas.size(); ++i) {
        LinhaRecordset &l = rs.linhas[i];
        if (l.estado == Recordset::EstadoLinha::Nova)
            l.valores = inseridas[i];
        l.estado = Recordset::EstadoLinha::Inalterada;
        l.originais.clear();
    }
}

void gravaLinha(LigacaoAberta &ligacao, DadosRecordset &rs, int linha, bool nova,
                const QVector<QVariant> &naBase)
{
    const Tabela t = resolve(ligacao, rs);
    QVector<QVariant> valores = rs.linhas[linha].valores;
    numaUnidade(ligacao, [&] {
        if (nova)
            insere(ligacao, t, rs, valores);
        else
            actualiza(ligacao, t, rs, valores, naBase);
    });
    LinhaRecordset &l = rs.linhas[linha];
    l.valores = valores;
    l.estado = Recordset::EstadoLinha::Inalterada;
    l.originais.clear();
}

void apagaLinha(LigacaoAberta &ligacao, const DadosRecordset &rs, const QVector<QVariant> &naBase)
{
    const Tabela t = resolve(ligacao, rs);
    numaUnidade(ligacao, [&] { apaga(ligacao, t, rs, naBase); });
}

} // namespace qrx::interno
