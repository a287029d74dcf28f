#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace qrx::testes {

// Decodes a mail message with Python's email module, so that the test checks what a
// mail reader sees rather than our own parser's view.
inline QJsonObject leMensagem(const QString &ficheiro)
{
    const QString script = QStringLiteral(QRX_LE_MENSAGEM);
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {script, ficheiro});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("le_mensagem.py: %s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

inline QJsonObject leMensagem(const QByteArray &mensagem, const QTemporaryDir &pasta)
{
    const QString ficheiro = pasta.filePath(QStringLiteral("para-ler.eml"));
    QFile saida(ficheiro);
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    saida.write(mensagem);
    saida.close();
    return leMensagem(ficheiro);
}

} // namespace qrx::testes
