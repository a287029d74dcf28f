#pragma once

#include "Interaccao.h"

#include <QList>
#include <QString>

#include <functional>

namespace qrx::testes {

// Records every message and answers questions from a script, so tests can check the exact
// texts a person would have seen.
class InteraccaoGravada : public Interaccao {
public:
    struct Mensagem {
        QString texto;
        Icone icone;
        QString titulo;
        Botoes botoes;
    };

    Resposta mensagem(const QString &texto, Icone icone, const QString &titulo,
                      Botoes botoes = Botoes::Ok) override
    {
        mensagens.append({texto, icone, titulo, botoes});
        if (responder)
            return responder(mensagens.last());
        return respostas.isEmpty() ? Ok : respostas.takeFirst();
    }

    void progresso(qint64 valor, qint64 maximo, const QString &texto = QString()) override
    {
        passos.append({valor, maximo, texto});
    }

    struct Passo {
        qint64 valor;
        qint64 maximo;
        QString texto;
    };

    QList<Mensagem> mensagens;
    QList<Passo> passos;
    QList<Resposta> respostas;                       // answers in order; Ok when used up
    std::function<Resposta(const Mensagem &)> responder; // takes precedence when set
};

} // namespace qrx::testes
