#include <qrxCoreWebUpdate/cl_Update.h>

#include "FicheiroVersao.h"
#include "GetVersao.h"
#include "InterlocutorJanela.h"
#include "frmUpdate.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>

namespace qrx {

namespace {
bool lancaProcesso(const QString &programa)
{
    return QProcess::startDetached(programa, QStringList());
}
} // namespace

struct cl_Update::Dados {
    QString PercusoDeActualizacao;
    QString VersaoActual;
    QString web_Site;
    int TempoLimite = 60;
    InterlocutorJanela janelas;
    InterlocutorActualizacao *interlocutor = &janelas;
    Lancador lancador = lancaProcesso;
};

cl_Update::cl_Update() : d(std::make_unique<Dados>()) {}
cl_Update::~cl_Update() = default;

QString cl_Update::PercusoDeActualizacao() const { return d->PercusoDeActualizacao; }
void cl_Update::setPercusoDeActualizacao(const QString &valor) { d->PercusoDeActualizacao = valor; }
QString cl_Update::VersaoActual() const { return d->VersaoActual; }
void cl_Update::setVersaoActual(const QString &valor) { d->VersaoActual = valor; }
QString cl_Update::web_Site() const { return d->web_Site; }
void cl_Update::setweb_Site(const QString &valor) { d->web_Site = valor; }
int cl_Update::TempoLimite() const { return d->TempoLimite; }
void cl_Update::setTempoLimite(int segundos) { d->TempoLimite = qMax(1, segundos); }

void cl_Update::setInterlocutor(InterlocutorActualizacao *interlocutor)
{
    d->interlocutor = interlocutor ? interlocutor : &d->janelas;
}

void cl_Update::setLancador(Lancador lancador)
{
    d->lancador = lancador ? std::move(lancador) : Lancador(lancaProcesso);
}

bool cl_Update::Update()
{
    const QString pasta = d->PercusoDeActualizacao;
    const InfoVersao nova = GetVersao(pasta, d->web_Site, d->TempoLimite);
    if (!versaoMaisRecente(nova.versao, d->VersaoActual))
        return false;
    if (!d->interlocutor->perguntar(textoPergunta(d->VersaoActual, nova.versao),
                                    tituloActualizacao()))
        return false;

    const QString instalador = pasta + QStringLiteral("setup.exe");
    bool completo = false;
    QString erro;
    {
        frmUpdate janela;
        janela.FicheiroATrazer = nova.instalador;
        janela.FicheiroDestino = instalador;
        janela.setTempoLimite(d->TempoLimite);
        QEventLoop espera;
        QObject::connect(&janela, &frmUpdate::terminado, &espera, &QEventLoop::quit);
        janela.show();
        janela.Iniciar();
        if (!janela.DownloadTerminado())
            espera.exec();
        completo = janela.sucesso();
        erro = janela.mensagemErro();
    }

    if (!completo) {
        if (!erro.isEmpty())
            d->interlocutor->avisar(erro, tituloActualizacao());
        return false;
    }
    if (!d->lancador(instalador)) {
        d->interlocutor->avisar(u"Não foi possível iniciar " % instalador % u'.',
                                tituloActualizacao());
        return false;
    }
    return true;
}

} // namespace qrx
