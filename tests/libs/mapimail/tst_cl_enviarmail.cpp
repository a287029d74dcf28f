// The message records of the mail sender, built step by step without a session: the
// members that need one refuse with the Simple MAPI code, the others fill the lists.
#include <qrxCoreMapiMail/cl_enviarMail.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;

class TstClEnviarMail : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void semSessaoRecusa();
    void destinatarioGuardaTextoComoNomeEEndereco_data();
    void destinatarioGuardaTextoComoNomeEEndereco();
    void anexosOcupamUmEspacoCadaNoTexto_data();
    void anexosOcupamUmEspacoCadaNoTexto();
    void tituloDoAnexoENomeDoFicheiro();
    void textoEAssunto();
};

void TstClEnviarMail::semSessaoRecusa()
{
    cl_enviarMail mail;
    QCOMPARE(mail.Sessao(), quintptr(0));
    QCOMPARE(mail.Compose(), quint32(MapiSessaoInvalida));
    QCOMPARE(mail.Send(0), quint32(19));
    QCOMPARE(mail.Logoff(0), quint32(MapiSucesso));
}

void TstClEnviarMail::destinatarioGuardaTextoComoNomeEEndereco_data()
{
    QTest::addColumn<int>("classe");
    QTest::addColumn<QStringList>("textos");

    QTest::newRow("para") << int(rtTo) << QStringList{QStringLiteral("ana@exemplo.pt")};
    QTest::newRow("copias") << int(rtcc)
                            << QStringList{QStringLiteral("a@x.pt"), QStringLiteral("b@y.pt")};
    QTest::newRow("ocultas, com vazio") << int(rtbcc)
                                        << QStringList{QStringLiteral("c@z.pt"), QString()};
    QTest::newRow("nome e endereco")
        << int(rtTo) << QStringList{QStringLiteral("José Ávila <jose@exemplo.pt>")};
}

void TstClEnviarMail::destinatarioGuardaTextoComoNomeEEndereco()
{
    QFETCH(int, classe);
    QFETCH(QStringList, textos);

    cl_enviarMail mail;
    mail.AddRecipients(rtTo, {QStringLiteral("primeiro@x.pt")});
    mail.AddRecipients(RecipientType(classe), textos);

    const QList<DestinatarioMapi> lista = mail.Destinatarios();
    QCOMPARE(lista.size(), textos.size() + 1);
    for (qsizetype i = 0; i < textos.size(); ++i) {
        const DestinatarioMapi &d = lista.at(i + 1);
        QCOMPARE(int(d.classe), classe);
        QCOMPARE(d.nome, textos.at(i));
        QCOMPARE(d.endereco, QStringLiteral("SMTP:") + textos.at(i));
    }
}

void TstClEnviarMail::anexosOcupamUmEspacoCadaNoTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("textoFinal");
    QTest::addColumn<QList<qint32>>("posicoes");

    QTest::newRow("corpo vazio") << QString() << QStringLiteral("  ") << QList<qint32>{0, 1};
    QTest::newRow("com texto") << QStringLiteral("Olá") << QStringLiteral("Olá  ")
                               << QList<qint32>{3, 4};
}

void TstClEnviarMail::anexosOcupamUmEspacoCadaNoTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, textoFinal);
    QFETCH(QList<qint32>, posicoes);

    cl_enviarMail mail;
    mail.setMessageText(texto);
    mail.InsertAttachments({QStringLiteral("/tmp/a.pdf"), QStringLiteral("/tmp/b.txt")});

    QCOMPARE(mail.MessageText(), textoFinal);
    const QList<AnexoMapi> anexos = mail.Anexos();
    QCOMPARE(anexos.size(), 2);
    QCOMPARE(anexos.at(0).posicao, posicoes.at(0));
    QCOMPARE(anexos.at(1).posicao, posicoes.at(1));
    QCOMPARE(anexos.at(0).caminho, QStringLiteral("/tmp/a.pdf"));
}

void TstClEnviarMail::tituloDoAnexoENomeDoFicheiro()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = pasta.filePath(QStringLiteral("Relatório de Março.pdf"));
    QFile ficheiro(caminho);
    QVERIFY(ficheiro.open(QIODevice::WriteOnly));
    ficheiro.close();

    cl_enviarMail mail;
    mail.InsertAttachments({caminho});
    QCOMPARE(mail.Anexos().first().TituloFicheiro, QStringLiteral("Relatório de Março.pdf"));
}

void TstClEnviarMail::textoEAssunto()
{
    cl_enviarMail mail;
    mail.setSubject(QStringLiteral("Fatura nº 12"));
    mail.setMessageText(QStringLiteral("Bom dia,"));
    mail.AppendToMessageText(QStringLiteral("\nsegue a fatura."));
    QCOMPARE(mail.Subject(), QStringLiteral("Fatura nº 12"));
    QCOMPARE(mail.MessageText(), QStringLiteral("Bom dia,\nsegue a fatura."));
}

QTEST_GUILESS_MAIN(TstClEnviarMail)
#include "tst_cl_enviarmail.moc"
