#include "Recordset.h"

#include "FalhaBD.h"
#include "GravacaoRecordset.h"
#include "LigacaoAberta.h"
#include "RecordsetDados.h"

namespace qrx {

using interno::FalhaDriver;
using interno::LinhaRecordset;
using interno::ModoEdicao;
using interno::levanta;

void interno::DadosRecordset::indexaNomes()
{
    indicePorNome.clear();
    indicePorNome.reserve(campos.size());
    for (int i = 0; i < campos.size(); ++i) {
        const QString chave = campos[i].nome.toCaseFolded();
        if (!indicePorNome.contains(chave))
            indicePorNome.insert(chave, i);
    }
}

void interno::DadosRecordset::limpa()
{
    linhas.clear();
    apagadas.clear();
    posicao = -1;
    actualApagada = false;
    edicao = ModoEdicao::Nenhum;
    antesEdicao.clear();
    posicaoAntesNovo = -1;
    ligado = false;
    ligacao.reset();
}

namespace {

void exigeAberto(const interno::DadosRecordset &d)
{
    if (!d.aberto)
        levanta(numerosBD::SemLigacao, QStringLiteral("O recordset está fechado."));
}

bool temActual(const interno::DadosRecordset &d)
{
    return d.aberto && !d.actualApagada && d.posicao >= 0 && d.posicao < d.linhas.size();
}

void exigeActual(const interno::DadosRecordset &d)
{
    exigeAberto(d);
    if (!temActual(d)) {
        levanta(numerosBD::SemRegistoActual,
                QStringLiteral("Não há linha actual: o recordset está no início ou no fim, ou a "
                               "linha actual foi apagada."));
    }
}

void exigeEditavel(const interno::DadosRecordset &d)
{
    if (d.lockType == 1) {
        levanta(numerosBD::SoLeitura,
                QStringLiteral("O recordset é só de leitura: não aceita alterações (consulta \"%1\").")
                    .arg(d.fonte));
    }
}

void exigeIndice(const interno::DadosRecordset &d, int indice)
{
    if (indice < 0 || indice >= d.campos.size()) {
        levanta(numerosBD::CampoInexistente,
                QStringLiteral("Não existe o campo na posição %1: o recordset tem %2 campos.")
                    .arg(indice).arg(d.campos.size()));
    }
}

bool imediato(const interno::DadosRecordset &d)
{
    return d.ligado && (d.lockType == 2 || d.lockType == 3);
}

std::shared_ptr<LigacaoAberta> exigeLigacao(const interno::DadosRecordset &d)
{
    std::shared_ptr<LigacaoAberta> ligacao = d.ligacao.lock();
    if (!ligacao) {
        levanta(numerosBD::SemLigacao,
                QStringLiteral("A ligação deste recordset à base de dados foi fechada: a "
                               "alteração não pode ser gravada."));
    }
    return ligacao;
}

} // namespace

Recordset::Recordset() : d(std::make_unique<Dados>()) {}
Recordset::~Recordset() = default;

Recordset::Recordset(Recordset &&outro) noexcept : d(std::move(outro.d))
{
    outro.d = std::make_unique<Dados>();
}

Recordset &Recordset::operator=(Recordset &&outro) noexcept
{
    d.swap(outro.d);
    return *this;
}

void Recordset::appendField(const QString &nome, QMetaType::Type tipo, int tamanho)
{
    if (d->aberto) {
        levanta(numerosBD::OperacaoInvalida,
                QStringLiteral("O campo \"%1\" não pode ser acrescentado com o recordset aberto.")
                    .arg(nome));
    }
    d->campos.append({nome, tipo, tamanho, QString()});
    const QString chave = nome.toCaseFolded();
    if (!d->indicePorNome.contains(chave))
        d->indicePorNome.insert(chave, d->campos.size() - 1);
}

void Recordset::open()
{
    if (d->aberto)
        levanta(numerosBD::OperacaoInvalida, QStringLiteral("O recordset já está aberto."));
    if (d->campos.isEmpty())
        levanta(numerosBD::OperacaoInvalida, QStringLiteral("O recordset não tem campos."));
    d->limpa();
    d->indexaNomes();
    d->fonte.clear();
    d->lockType = 4;
    d->aberto = true;
}

void Recordset::close()
{
    d->limpa();
    d->aberto = false;
}

bool Recordset::isOpen() const { return d->aberto; }

int Recordset::fieldCount() const { return int(d->campos.size()); }

const Recordset::Campo &Recordset::field(int indice) const
{
    exigeIndice(*d, indice);
    return d->campos[indice];
}

int Recordset::fieldIndex(const QString &nome) const
{
    return d->indicePorNome.value(nome.toCaseFolded(), -1);
}

QVariant Recordset::value(int indice) const
{
    exigeActual(*d);
    exigeIndice(*d, indice);
    return d->linhas[d->posicao].valores[indice];
}

QVariant Recordset::value(const QString &nome) const
{
    const int indice = fieldIndex(nome);
    if (indice < 0) {
        levanta(numerosBD::CampoInexistente,
                QStringLiteral("O campo \"%1\" não existe no recordset.").arg(nome));
    }
    return value(indice);
}

void Recordset::setValue(int indice, const QVariant &valor)
{
    exigeActual(*d);
    exigeEditavel(*d);
    exigeIndice(*d, indice);
    LinhaRecordset &l = d->linhas[d->posicao];
    if (d->edicao == ModoEdicao::Nenhum) {
        d->edicao = ModoEdicao::Alteracao;
        d->antesEdicao = l.valores;
    }
    l.valores[indice] = valor;
}

void Recordset::setValue(const QString &nome, const QVariant &valor)
{
    const int indice = fieldIndex(nome);
    if (indice < 0) {
        levanta(numerosBD::CampoInexistente,
                QStringLiteral("O campo \"%1\" não existe no recordset.").arg(nome));
    }
    setValue(indice, valor);
}

int Recordset::recordCount() const { return d->aberto ? int(d->linhas.size()) : 0; }

bool Recordset::bof() const
{
    if (!d->aberto || d->linhas.isEmpty())
        return !d->actualApagada;
    return !d->actualApagada && d->posicao < 0;
}

bool Recordset::eof() const
{
    if (!d->aberto || d->linhas.isEmpty())
        return !d->actualApagada;
    return !d->actualApagada && d->posicao >= d->linhas.size();
}

void Recordset::moveFirst()
{
    exigeAberto(*d);
    update();
    d->actualApagada = false;
    d->posicao = d->linhas.isEmpty() ? -1 : 0;
}

void Recordset::moveLast()
{
    exigeAberto(*d);
    update();
    d->actualApagada = false;
    d->posicao = int(d->linhas.size()) - 1;
}

void Recordset::moveNext()
{
    exigeAberto(*d);
    update();
    if (d->actualApagada) {
        // The row after the deleted one has taken its place.
        d->actualApagada = false;
        return;
    }
    if (d->linhas.isEmpty() || d->posicao >= d->linhas.size()) {
        levanta(numerosBD::SemRegistoActual,
                QStringLiteral("Não há linha seguinte: o recordset já está no fim."));
    }
    ++d->posicao;
}

void Recordset::movePrevious()
{
    exigeAberto(*d);
    update();
    if (d->actualApagada) {
        d->actualApagada = false;
        --d->posicao;
        return;
    }
    if (d->posicao < 0 || d->linhas.isEmpty()) {
        levanta(numerosBD::SemRegistoActual,
                QStringLiteral("Não há linha anterior: o recordset já está no início."));
    }
    --d->posicao;
}

void Recordset::move(int posicao)
{
    exigeAberto(*d);
    update();
    d->actualApagada = false;
    if (posicao < 0)
        d->posicao = -1;
    else if (posicao >= d->linhas.size())
        d->posicao = int(d->linhas.size());
    else
        d->posicao = posicao;
}

int Recordset::absolutePosition() const { return temActual(*d) ? d->posicao : -1; }

void Recordset::addNew()
{
    exigeAberto(*d);
    exigeEditavel(*d);
    update();
    d->posicaoAntesNovo = d->posicao;
    d->linhas.append({QVector<QVariant>(d->campos.size()), {}, EstadoLinha::Nova});
    d->posicao = int(d->linhas.size()) - 1;
    d->actualApagada = false;
    d->edicao = ModoEdicao::Novo;
    d->antesEdicao.clear();
}

void Recordset::update()
{
    if (!d->aberto || d->edicao == ModoEdicao::Nenhum)
        return;
    const int posicao = d->posicao;
    LinhaRecordset &l = d->linhas[posicao];
    if (d->edicao == ModoEdicao::Novo) {
        if (imediato(*d)) {
            const std::shared_ptr<LigacaoAberta> ligacao = exigeLigacao(*d);
            try {
                interno::gravaLinha(*ligacao, *d, posicao, true, {});
            } catch (const FalhaDriver &f) {
                levanta(f);
            }
        }
    } else {
        bool mudou = false;
        for (int i = 0; i < l.valores.size() && !mudou; ++i)
            mudou = interno::diferentes(l.valores[i], d->antesEdicao.value(i));
        if (mudou) {
            if (imediato(*d)) {
                const std::shared_ptr<LigacaoAberta> ligacao = exigeLigacao(*d);
                const QVector<QVariant> naBase = l.originais.isEmpty() ? d->antesEdicao : l.originais;
                try {
                    interno::gravaLinha(*ligacao, *d, posicao, false, naBase);
                } catch (const FalhaDriver &f) {
                    levanta(f);
                }
            } else if (l.estado == EstadoLinha::Inalterada) {
                l.originais = d->antesEdicao;
                l.estado = EstadoLinha::Modificada;
            }
        }
    }
    d->edicao = ModoEdicao::Nenhum;
    d->antesEdicao.clear();
}

void Recordset::cancelUpdate()
{
    if (!d->aberto || d->edicao == ModoEdicao::Nenhum)
        return;
    if (d->edicao == ModoEdicao::Novo) {
        d->linhas.removeAt(d->posicao);
        d->posicao = qBound(-1, d->posicaoAntesNovo, int(d->linhas.size()));
    } else {
        d->linhas[d->posicao].valores = d->antesEdicao;
    }
    d->edicao = ModoEdicao::Nenhum;
    d->antesEdicao.clear();
}

void Recordset::deleteRecord()
{
    exigeActual(*d);
    exigeEditavel(*d);
    LinhaRecordset &l = d->linhas[d->posicao];
    if (l.estado != EstadoLinha::Nova) {
        QVector<QVariant> naBase = !l.originais.isEmpty() ? l.originais
            : d->edicao == ModoEdicao::Alteracao          ? d->antesEdicao
                                                          : l.valores;
        if (imediato(*d)) {
            const std::shared_ptr<LigacaoAberta> ligacao = exigeLigacao(*d);
            try {
                interno::apagaLinha(*ligacao, *d, naBase);
            } catch (const FalhaDriver &f) {
                levanta(f);
            }
        } else {
            d->apagadas.append(std::move(naBase));
        }
    }
    d->linhas.removeAt(d->posicao);
    d->edicao = ModoEdicao::Nenhum;
    d->antesEdicao.clear();
    d->actualApagada = true;
}

bool Recordset::editando() const { return d->edicao != ModoEdicao::Nenhum; }

Recordset::EstadoLinha Recordset::estadoLinha() const
{
    if (d->actualApagada)
        return EstadoLinha::Apagada;
    return temActual(*d) ? d->linhas[d->posicao].estado : EstadoLinha::Inalterada;
}

int Recordset::pendentes() const
{
    int n = int(d->apagadas.size());
    for (const LinhaRecordset &l : std::as_const(d->linhas))
        n += l.estado != EstadoLinha::Inalterada;
    return n;
}

bool Recordset::isConnected() const { return d->aberto && d->ligado && !d->ligacao.expired(); }

int Recordset::lockType() const { return d->lockType; }

QString Recordset::fonte() const { return d->fonte; }

QString Recordset::tabelaBase() const { return d->tabelaBase; }

void Recordset::setTabelaBase(const QString &tabela) { d->tabelaBase = tabela.trimmed(); }

const QVector<QVariant> &Recordset::linha(int posicao) const
{
    exigeAberto(*d);
    if (posicao < 0 || posicao >= d->linhas.size()) {
        levanta(numerosBD::SemRegistoActual,
                QStringLiteral("Não existe a linha %1: o recordset tem %2 linhas.")
                    .arg(posicao).arg(d->linhas.size()));
    }
    return d->linhas[posicao].valores;
}

Recordset Recordset::copia() const
{
    Recordset c;
    c.d->campos = d->campos;
    c.d->indicePorNome = d->indicePorNome;
    c.d->fonte = d->fonte;
    c.d->tabelaBase = d->tabelaBase;
    c.d->aberto = d->aberto;
    c.d->lockType = 4;
    c.d->linhas.reserve(d->linhas.size());
    for (const LinhaRecordset &l : std::as_const(d->linhas))
        c.d->linhas.append({l.valores, {}, EstadoLinha::Inalterada});
    c.d->posicao = qBound(-1, d->posicao, int(c.d->linhas.size()));
    return c;
}

} // namespace qrx
