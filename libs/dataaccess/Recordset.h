#pragma once

#include "qrxdataaccess_export.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

namespace qrx {

class LigacaoAberta;

// A result set held in memory. It is built three ways: from a disconnected read (changes are
// kept as pending until PutRecordset writes them in one batch), from a connected read (Update
// writes the current row at once), or with fields appended and opened without connection
// (lists that exporters build for the grid).
class QRXDATAACCESS_EXPORT Recordset {
public:
    enum class EstadoLinha { Inalterada, Modificada, Nova, Apagada };

    struct Campo {
        QString nome;
        QMetaType::Type tipo = QMetaType::QString;
        int tamanho = 0;          // defined size; 0 when not given
        QString tabelaBase;       // base table of the column, "" when unknown (computed)
    };

    Recordset();
    ~Recordset();
    Recordset(Recordset &&) noexcept;
    Recordset &operator=(Recordset &&) noexcept;
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    // In-memory recordsets: append fields while closed, then open without connection.
    void appendField(const QString &nome, QMetaType::Type tipo, int tamanho = 0);
    void open();
    void close();
    bool isOpen() const;

    // Field access by position (0-based) or by name (case-insensitive; the first field of
    // that name when two share it).
    int fieldCount() const;
    const Campo &field(int indice) const;
    int fieldIndex(const QString &nome) const;   // -1 when absent
    QVariant value(int indice) const;
    QVariant value(const QString &nome) const;   // raises when the field does not exist
    void setValue(int indice, const QVariant &valor);
    void setValue(const QString &nome, const QVariant &valor);

    // Navigation. Positions are 0-based; recordCount excludes deleted rows.
    int recordCount() const;
    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(int posicao);                 // absolute, 0-based
    int absolutePosition() const;           // -1 at BOF/EOF

    // Editing.
    void addNew();
    void update();          // ends the edit of the current row; a connected recordset writes it now
    void cancelUpdate();
    void deleteRecord();    // deletes the current row (written at once when connected)
    bool editando() const;
    EstadoLinha estadoLinha() const;
    int pendentes() const;  // rows with changes not yet written

    // Connection state: a connected recordset has a live connection behind it.
    bool isConnected() const;
    int lockType() const;
    QString fonte() const;  // the statement that produced it, "" for in-memory ones
    QString tabelaBase() const;
    void setTabelaBase(const QString &tabela);

    // Raw access for models and writers (rows in order, deleted ones skipped).
    const QVector<QVariant> &linha(int posicao) const;

    // An independent in-memory copy of the rows and fields, positioned on the same row; it has
    // no connection and no pending changes.
    Recordset copia() const;

private:
    friend class CDataAccess;
    struct Dados;
    std::unique_ptr<Dados> d;
};

} // namespace qrx
