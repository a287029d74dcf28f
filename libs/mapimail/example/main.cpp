// Sends one mail: exemplo_mapimail RECIPIENT [FILE...]
#include <qrxCoreMapiMail/cl_enviarMail.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = app.arguments().mid(1);
    QTextStream saida(stdout);
    if (argumentos.isEmpty()) {
        saida << "uso: exemplo_mapimail DESTINATARIO [FICHEIRO...]\n";
        return 2;
    }

    qrx::cl_enviarMail mail;
    // A program with windows would show a message box here.
    QObject::connect(&mail, &qrx::cl_enviarMail::Aviso,
                     [&saida](const QString &texto, qrx::cl_enviarMail::Icone,
                              const QString &titulo) {
                         saida << titulo << ": " << texto << '\n';
                     });

    const QStringList ficheiros = argumentos.size() > 1 ? argumentos.mid(1)
                                                        : QStringList{QString()};
    const bool enviado = mail.EnviarMail({argumentos.first()}, {}, {},
                                         QStringLiteral("Teste de envio"),
                                         QStringLiteral("Mensagem de teste."), ficheiros);
    return enviado ? 0 : 1;
}
