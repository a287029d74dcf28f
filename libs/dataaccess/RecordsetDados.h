#pragma once

#include "Recordset.h"

#include <QHash>
#include <QTypeInfo>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

namespace qrx {

namespace interno {

struct LinhaRecordset {
    QVector<QVariant> valores;
    QVector<QVariant> originais;   // values as the database holds them; only for changed rows
    Recordset::EstadoLinha estado = Recordset::EstadoLinha::Inalterada;
};

} // namespace interno
} // namespace qrx

// Rows move by memcpy when the row vector grows.
Q_DECLARE_TYPEINFO(qrx::interno::LinhaRecordset, Q_RELOCATABLE_TYPE);

namespace qrx {
namespace interno {

enum class ModoEdicao { Nenhum, Alteracao, Novo };

struct DadosRecordset {
    QVector<Recordset::Campo> campos;
    QHash<QString, int> indicePorNome;      // case-folded name -> first field of that name
    QVector<LinhaRecordset> linhas;         // visible rows, in order
    QVector<QVector<QVariant>> apagadas;    // database values of rows deleted but not yet written
    int posicao = -1;
    bool aberto = false;
    bool actualApagada = false;             // the current row was deleted; a move leaves it
    ModoEdicao edicao = ModoEdicao::Nenhum;
    QVector<QVariant> antesEdicao;
    int posicaoAntesNovo = -1;
    int lockType = 4;
    bool ligado = false;
    std::weak_ptr<LigacaoAberta> ligacao;
    QString fonte;
    QString tabelaBase;

    void indexaNomes();
    void limpa();
};

} // namespace interno

struct Recordset::Dados : interno::DadosRecordset {};

} // namespace qrx
