// A client program checking for its own update:
//   exemplo_webupdate [folder/ installed-version version-file-URL]
// Without arguments it only shows how the updater is set up.
#include <qrxCoreWebUpdate/InterlocutorActualizacao.h>
#include <qrxCoreWebUpdate/cl_Update.h>

#include <QApplication>
#include <QTextStream>

#include <exception>

namespace {

// Answers on the console instead of message boxes.
class Consola : public qrx::InterlocutorActualizacao {
public:
    bool perguntar(const QString &texto, const QString &titulo) override
    {
        QTextStream(stdout) << titulo << ": " << texto << " -> sim\n";
        return true;
    }
    void avisar(const QString &texto, const QString &titulo) override
    {
        QTextStream(stderr) << titulo << ": " << texto << '\n';
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();

    Consola consola;
    qrx::cl_Update update;
    update.setInterlocutor(&consola);
    update.setPercusoDeActualizacao(args.value(1, QStringLiteral("./")));
    update.setVersaoActual(args.value(2, QStringLiteral("1.0")));
    update.setweb_Site(args.value(3, QStringLiteral("http://127.0.0.1/versao.txt")));

    QTextStream(stdout) << "PercusoDeActualizacao=" << update.PercusoDeActualizacao()
                        << " VersaoActual=" << update.VersaoActual()
                        << " web_Site=" << update.web_Site() << '\n';
    if (args.size() < 4)
        return 0;
    try {
        const bool instalado = update.Update();
        QTextStream(stdout) << (instalado ? "installer started\n" : "nothing installed\n");
        return 0;
    } catch (const std::exception &erro) {
        QTextStream(stderr) << erro.what() << '\n';
        return 1;
    }
}
