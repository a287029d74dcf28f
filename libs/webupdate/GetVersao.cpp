#include "GetVersao.h"

#include "QrxError.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace qrx {

namespace {

const QString Origem = QStringLiteral("cl_Update.GetVersao");

QByteArray transfere(const QString &site, int tempoLimiteSegundos)
{
    const QUrl url = QUrl::fromUserInput(site);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https"))
        throw QrxError(erros::ArgumentoInvalido, Origem,
                       u"O endereço do ficheiro de versão não é válido: " % site);

    QNetworkAccessManager rede;
    QNetworkRequest pedido(url);
    pedido.setTransferTimeout(tempoLimiteSegundos * 1000);
    std::unique_ptr<QNetworkReply> resposta(rede.get(pedido));
    QEventLoop espera;
    QObject::connect(resposta.get(), &QNetworkReply::finished, &espera, &QEventLoop::quit);
    espera.exec();

    if (resposta->error() != QNetworkReply::NoError) {
        const bool esgotado = resposta->error() == QNetworkReply::OperationCanceledError
            || resposta->error() == QNetworkReply::TimeoutError;
        const QString motivo = esgotado
            ? u"o servidor não respondeu em " % QString::number(tempoLimiteSegundos)
                % u" segundos"
            : resposta->errorString();
        throw QrxError(esgotado ? erros::TempoEsgotado : erros::FalhaGeral, Origem,
                       u"Não foi possível obter " % site % u": " % motivo);
    }
    return resposta->readAll();
}

} // namespace

InfoVersao GetVersao(const QString &FicheiroVersao, const QString &Site, int tempoLimiteSegundos)
{
    const QString local = FicheiroVersao + QStringLiteral("versao.txt");
    if (QFile::exists(local) && !QFile::remove(local))
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível apagar " % local);

    const QByteArray conteudo = transfere(Site, tempoLimiteSegundos);

    QFile ficheiro(local);
    if (!ficheiro.open(QIODevice::WriteOnly) || ficheiro.write(conteudo) != conteudo.size()
        || !ficheiro.flush())
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível gravar " % local % u": " % ficheiro.errorString());
    ficheiro.close();
    return lerFicheiroVersao(conteudo, local);
}

} // namespace qrx
