// Times GetRecordset of 100,000 document lines against iterating the same query with a bare
// forward-only QSqlQuery that reads every value; best of five each, in the same run.
#include "CDataAccess.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <limits>

#ifdef Q_OS_UNIX
#include <time.h>
#endif

namespace {

constexpr int linhas = 100000;

// Wall time and, where the system has it, the thread's CPU time: on a machine shared with
// other work the CPU time is the steadier figure.
struct Tempo {
    qint64 parede = std::numeric_limits<qint64>::max();
    qint64 cpu = std::numeric_limits<qint64>::max();
    void melhor(const Tempo &t)
    {
        parede = std::min(parede, t.parede);
        cpu = std::min(cpu, t.cpu);
    }
};

qint64 cpuDaThread()
{
#ifdef Q_OS_UNIX
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
#else
    return -1;
#endif
}

class Cronometro {
public:
    Cronometro() : m_cpu(cpuDaThread()) { m_parede.start(); }
    Tempo tempo() const { return {m_parede.nsecsElapsed(), cpuDaThread() - m_cpu}; }

private:
    QElapsedTimer m_parede;
    qint64 m_cpu;
};
constexpr int repeticoes = 5;

const QString consulta = QStringLiteral(
    "SELECT ANO, TPDOCUM, SERIE, NNUMDOC, NUMLINHA, ARTIGO, DESCRICAO, QUANT, PRECO, DESCONTO, "
    "VALOR, TAXAIVA, DATA, ARMAZEM FROM DOCGCLIN");

bool cria(const QString &ficheiro)
{
    const QString nome = QStringLiteral("bench-cria");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(ficheiro);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral(
            "CREATE TABLE DOCGCLIN (ANO INTEGER, TPDOCUM TEXT, SERIE INTEGER, NNUMDOC INTEGER, "
            "NUMLINHA INTEGER, ARTIGO TEXT, DESCRICAO TEXT, QUANT REAL, PRECO REAL, DESCONTO REAL, "
            "VALOR REAL, TAXAIVA REAL, DATA TEXT, ARMAZEM TEXT)"));
        ok = ok && db.transaction();
        ok = ok && q.prepare(QStringLiteral("INSERT INTO DOCGCLIN VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        const QDate inicio(2023, 1, 2);
        for (int i = 0; ok && i < linhas; ++i) {
            const int documento = i / 12 + 1;       // about twelve lines per document
            const double quant = 1 + i % 7;
            const double preco = 3.25 + (i % 101) * 0.5;
            q.addBindValue(2024);
            q.addBindValue(i % 5 == 0 ? QStringLiteral("NC") : QStringLiteral("FT"));
            q.addBindValue(1 + i % 3);
            q.addBindValue(documento);
            q.addBindValue(i % 12 + 1);
            q.addBindValue(QStringLiteral("ART%1").arg(i % 2500, 6, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("Artigo de teste número %1, caixa de 12 unidades").arg(i % 2500));
            q.addBindValue(quant);
            q.addBindValue(preco);
            q.addBindValue(i % 4 == 0 ? 5.0 : 0.0);
            q.addBindValue(quant * preco);
            q.addBindValue(23.0);
            q.addBindValue(QString(inicio.addDays(documento / 40).toString(QStringLiteral("yyyy-MM-dd"))
                                   + QStringLiteral(" 00:00:00")));
            q.addBindValue(QStringLiteral("A%1").arg(i % 4));
            ok = q.exec();
        }
        if (!ok)
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

Tempo leituraSimples(const QSqlDatabase &db, qint64 &valores)
{
    const Cronometro c;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(consulta);
    const int n = q.record().count();
    valores = 0;
    while (q.next()) {
        for (int i = 0; i < n; ++i)
            valores += q.value(i).isNull() ? 0 : 1;
    }
    return c.tempo();
}

// A new Recordset per read: what a read costs when the allocator has just handed the memory of
// the previous one back to the system.
Tempo leituraRecordsetNovo(qrx::CDataAccess &bd, int &registos)
{
    qrx::Recordset rs;
    const Cronometro c;
    bd.GetRecordset(QString(), consulta, rs);
    const Tempo t = c.tempo();
    registos = rs.recordCount();
    return t;
}

// One Recordset read into again and again, as a window that refreshes its list does.
Tempo leituraRecordsetReutilizado(qrx::CDataAccess &bd, qrx::Recordset &rs, int &registos)
{
    const Cronometro c;
    bd.GetRecordset(QString(), consulta, rs);
    const Tempo t = c.tempo();
    registos = rs.recordCount();
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir pasta;
    const QString ficheiro = pasta.filePath(QStringLiteral("linhas.db"));
    if (!cria(ficheiro))
        return 1;

    // Both readers keep one open connection each, so both read with a warm page cache.
    const QString nomeSimples = QStringLiteral("bench-simples");
    QSqlDatabase simples = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomeSimples);
    simples.setDatabaseName(ficheiro);
    if (!simples.open())
        return 1;
    qrx::CDataAccess bd;
    bd.OpenConnection(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + ficheiro
                      + QStringLiteral(";Initial Catalog=linhas"));

    Tempo simplesMelhor, novoMelhor, reutilizadoMelhor;
    qint64 valores = 0;
    int novo = 0, reutilizado = 0;
    qrx::Recordset rs;
    for (int r = 0; r < repeticoes; ++r) {
        simplesMelhor.melhor(leituraSimples(simples, valores));
        novoMelhor.melhor(leituraRecordsetNovo(bd, novo));
        reutilizadoMelhor.melhor(leituraRecordsetReutilizado(bd, rs, reutilizado));
    }
    if (novo != linhas || reutilizado != linhas || valores != qint64(linhas) * 14) {
        std::fprintf(stderr, "unexpected result: %d/%d rows, %lld values\n", novo, reutilizado, valores);
        return 1;
    }
    auto linha = [](const char *nome, const Tempo &t) {
        std::printf("%-34s %10.1f %10.1f\n", nome, t.parede / 1e6, t.cpu / 1e6);
    };
    auto razao = [&](const char *nome, const Tempo &t) {
        std::printf("%-34s %10.2f %10.2f\n", nome, double(t.parede) / double(simplesMelhor.parede),
                    double(t.cpu) / double(simplesMelhor.cpu));
    };
    std::printf("rows: %d, columns: 14, best of %d\n", linhas, repeticoes);
    std::printf("%-34s %10s %10s\n", "", "wall ms", "cpu ms");
    linha("bare forward-only QSqlQuery", simplesMelhor);
    linha("GetRecordset, Recordset reused", reutilizadoMelhor);
    linha("GetRecordset, new Recordset", novoMelhor);
    razao("ratio, Recordset reused", reutilizadoMelhor);
    razao("ratio, new Recordset", novoMelhor);
    simples.close();
    simples = QSqlDatabase();
    QSqlDatabase::removeDatabase(nomeSimples);
    return 0;
}
