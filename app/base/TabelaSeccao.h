#pragma once

#include "Cifra.h"
#include "ConfiguracaoFicheiro.h"
#include "InteiroConfiguracao.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <span>

namespace qrx::detalhe {

// One key of a section reader: where it lives, which member of the plain struct holds it,
// and how it is stored (text, integer rule, or enciphered text).
template <class Dados>
struct CampoSeccao {
    enum class Tipo { Texto, Inteiro, Cifrado };

    QStringView seccao;
    QStringView chave;
    Tipo tipo;
    QString Dados::*texto = nullptr;
    qint16 Dados::*inteiro = nullptr;
};

template <class Dados>
constexpr CampoSeccao<Dados> texto(QStringView seccao, QStringView chave, QString Dados::*membro)
{
    return {seccao, chave, CampoSeccao<Dados>::Tipo::Texto, membro, nullptr};
}

template <class Dados>
constexpr CampoSeccao<Dados> cifrado(QStringView seccao, QStringView chave, QString Dados::*membro)
{
    return {seccao, chave, CampoSeccao<Dados>::Tipo::Cifrado, membro, nullptr};
}

template <class Dados>
constexpr CampoSeccao<Dados> inteiro(QStringView seccao, QStringView chave, qint16 Dados::*membro)
{
    return {seccao, chave, CampoSeccao<Dados>::Tipo::Inteiro, nullptr, membro};
}

template <class Dados>
Dados leSeccao(const QString &ficheiro, std::span<const CampoSeccao<Dados>> campos)
{
    using Tipo = typename CampoSeccao<Dados>::Tipo;
    const ConfiguracaoFicheiro configuracao(ficheiro);
    const Cifra cifra(ficheiro);
    Dados dados{};
    for (const auto &campo : campos) {
        const QString valor = configuracao.le(campo.seccao.toString(), campo.chave.toString());
        switch (campo.tipo) {
        case Tipo::Texto: dados.*campo.texto = valor; break;
        case Tipo::Cifrado: dados.*campo.texto = cifra.decifra(valor); break;
        case Tipo::Inteiro: dados.*campo.inteiro = InteiroConfiguracao(valor); break;
        }
    }
    return dados;
}

// All keys go to the file in one replacement, in table order.
template <class Dados>
bool gravaSeccao(const QString &ficheiro, std::span<const CampoSeccao<Dados>> campos,
                 const Dados &dados)
{
    using Tipo = typename CampoSeccao<Dados>::Tipo;
    ConfiguracaoFicheiro configuracao(ficheiro);
    const Cifra cifra(ficheiro);
    QList<ConfiguracaoFicheiro::Valor> valores;
    valores.reserve(qsizetype(campos.size()));
    for (const auto &campo : campos) {
        const QString seccao = campo.seccao.toString();
        const QString chave = campo.chave.toString();
        QString valor;
        switch (campo.tipo) {
        case Tipo::Texto: valor = dados.*campo.texto; break;
        case Tipo::Inteiro: valor = TextoInteiro(dados.*campo.inteiro); break;
        case Tipo::Cifrado:
            valor = cifra.cifraParaGravar(dados.*campo.texto, configuracao.le(seccao, chave));
            break;
        }
        valores.append({seccao, chave, valor});
    }
    return configuracao.grava(valores);
}

} // namespace qrx::detalhe
