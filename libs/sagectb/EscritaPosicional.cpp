#include "EscritaPosicional.h"

#include "ErrosFicheiro.h"

#include <qrxCoreProvCTBSageL50/ErroProvCTB.h>

#include <QDir>
#include <QFileDevice>

namespace qrx::ctb {

namespace {

QString nomeMostrado(const QFileDevice &ficheiro)
{
    return QDir::toNativeSeparators(ficheiro.fileName());
}

// Best effort: the write already failed, so a second failure here adds nothing to report.
void repoe(QFileDevice &ficheiro, qint64 deslocamento, const QByteArray &anteriores,
           qint64 tamanhoAnterior)
{
    if (!anteriores.isEmpty() && ficheiro.seek(deslocamento))
        ficheiro.write(anteriores);
    ficheiro.flush();
    if (ficheiro.size() > tamanhoAnterior)
        ficheiro.resize(tamanhoAnterior);
}

} // namespace

void escreveNaPosicao(QFileDevice &ficheiro, qint64 deslocamento, const QByteArray &bytes,
                      const QString &origem)
{
    if (!ficheiro.isOpen())
        throw ErroProvCTB(erros::CanalInvalido, origem,
                          QStringLiteral("O ficheiro \"%1\" não está aberto.").arg(nomeMostrado(ficheiro)));
    if (!ficheiro.isWritable())
        throw ErroProvCTB(erros::ModoInvalido, origem,
                          QStringLiteral("O ficheiro \"%1\" não está aberto para escrita.")
                              .arg(nomeMostrado(ficheiro)));
    if (ficheiro.isSequential())
        throw ErroProvCTB(erros::ModoInvalido, origem,
                          QStringLiteral("O ficheiro \"%1\" não admite escrita por posição.")
                              .arg(nomeMostrado(ficheiro)));
    if (deslocamento < 0)
        throw ErroProvCTB(erros::RegistoInvalido, origem,
                          QStringLiteral("Posição de escrita inválida: %1.").arg(deslocamento + 1));

    const qint64 tamanhoAnterior = ficheiro.size();
    QByteArray anteriores;
    if (deslocamento < tamanhoAnterior && ficheiro.isReadable() && ficheiro.seek(deslocamento))
        anteriores = ficheiro.read(bytes.size());

    const bool posicionado = ficheiro.seek(deslocamento);
    const qint64 escritos = posicionado ? ficheiro.write(bytes) : -1;
    if (!posicionado || escritos != bytes.size() || !ficheiro.flush()) {
        QString motivo = ficheiro.error() != QFileDevice::NoError ? ficheiro.errorString() : QString();
        if (escritos >= 0 && escritos < bytes.size()) {
            const QString parte = QStringLiteral("só foram escritos %1 de %2 bytes").arg(escritos).arg(bytes.size());
            motivo = motivo.isEmpty() ? parte : parte + QStringLiteral(" (") + motivo + QLatin1Char(')');
        }
        if (motivo.isEmpty())
            motivo = QStringLiteral("erro de escrita");
        repoe(ficheiro, deslocamento, anteriores, tamanhoAnterior);
        throw ErroProvCTB(erros::AcessoFicheiro, origem,
                          QStringLiteral("Não foi possível escrever no ficheiro \"%1\": %2")
                              .arg(nomeMostrado(ficheiro), motivo));
    }
}

} // namespace qrx::ctb
