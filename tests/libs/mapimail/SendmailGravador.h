#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qrx::testes {

// A stand-in for the system's sendmail: a shell script in a temporary folder that records
// its arguments and the message it reads, and ends with the exit status it was given.
class SendmailGravador {
public:
    // leEntrada false: the script exits without reading the message, like a program that
    // fails at once.
    explicit SendmailGravador(int saida = 0, bool leEntrada = true)
    {
        const QString script = QStringLiteral(
            "#!/bin/sh\n"
            "d='%1'\n"
            "n=$(ls \"$d\" | grep -c '^mensagem-')\n"
            "printf '%s\\n' \"$@\" > \"$d/argumentos-$n\"\n"
            "%2"
            "exit %3\n")
            .arg(m_pasta.path(),
                 leEntrada ? QStringLiteral("cat > \"$d/mensagem-$n\"\n")
                           : QStringLiteral("touch \"$d/mensagem-$n\"\n"),
                 QString::number(saida));
        QFile ficheiro(programa());
        if (ficheiro.open(QIODevice::WriteOnly)) {
            ficheiro.write(script.toUtf8());
            ficheiro.close();
            ficheiro.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    bool valido() const { return m_pasta.isValid() && QFile::exists(programa()); }
    QString programa() const { return m_pasta.filePath(QStringLiteral("sendmail")); }

    int vezes() const
    {
        return int(QDir(m_pasta.path()).entryList({QStringLiteral("mensagem-*")}).size());
    }
    QString ficheiroMensagem(int i) const
    {
        return m_pasta.filePath(QStringLiteral("mensagem-%1").arg(i));
    }
    QByteArray mensagem(int i) const { return ler(ficheiroMensagem(i)); }
    QStringList argumentos(int i) const
    {
        const QString texto = QString::fromUtf8(
            ler(m_pasta.filePath(QStringLiteral("argumentos-%1").arg(i))));
        return texto.split(u'\n', Qt::SkipEmptyParts);
    }

private:
    static QByteArray ler(const QString &caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_pasta;
};

} // namespace qrx::testes
