#pragma once

#include <qrxCoreWebUpdate/InterlocutorActualizacao.h>

#include <QList>
#include <QString>

namespace qrx::testes {

// Answers the update's question from the test and records everything it was told.
class InterlocutorGravado : public InterlocutorActualizacao {
public:
    struct Texto {
        QString texto;
        QString titulo;
    };

    bool perguntar(const QString &texto, const QString &titulo) override
    {
        perguntas.append({texto, titulo});
        return resposta;
    }
    void avisar(const QString &texto, const QString &titulo) override
    {
        avisos.append({texto, titulo});
    }

    bool resposta = true;
    QList<Texto> perguntas;
    QList<Texto> avisos;
};

} // namespace qrx::testes
