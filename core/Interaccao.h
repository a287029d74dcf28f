#pragma once

#include <QString>

namespace qrx {

// How logic talks to the person: a message box in the window program, standard error
// in the batch program, a recorder in tests. Logic never shows a widget itself.
class Interaccao {
public:
    // Icon of a message, numbered as the system numbers its message kinds.
    // Nenhum: a plain box without icon.
    enum class Icone { Aviso = 0, Informacao = 1, Critico = 2, Pergunta = 3, Nenhum = 4 };

    // Buttons offered and the button pressed, with the platform's classic values.
    enum class Botoes { Ok, OkCancelar, RepetirCancelar, SimNao, SimNaoCancelar };
    enum Resposta : int { Nenhuma = 0, Ok = 1, Cancelar = 2, Abortar = 3, Repetir = 4,
                          Ignorar = 5, Sim = 6, Nao = 7 };

    virtual ~Interaccao() = default;

    // Shows one message and returns the button pressed.
    virtual Resposta mensagem(const QString &texto, Icone icone, const QString &titulo,
                              Botoes botoes = Botoes::Ok) = 0;

    // Reports progress of a long run; the window lets its event loop run here.
    virtual void progresso(qint64 valor, qint64 maximo, const QString &texto = QString()) = 0;
};

// Writes every message to standard error, one line each; questions get the answer that
// stops the work (Cancel, No), since nobody is there to answer them.
class InteraccaoConsola : public Interaccao {
public:
    Resposta mensagem(const QString &texto, Icone icone, const QString &titulo,
                      Botoes botoes = Botoes::Ok) override;
    void progresso(qint64 valor, qint64 maximo, const QString &texto = QString()) override;
};

} // namespace qrx
