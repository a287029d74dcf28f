// The mail sender over the sendmail interface, with a stand-in program that records what
// it receives; the recorded message is decoded by Python's email module.
#include <qrxCoreMapiMail/cl_enviarMail.h>

#include "LeitorMensagem.h"
#include "SendmailGravador.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;
using qrx::testes::SendmailGravador;

namespace {

using Icone = cl_enviarMail::Icone;

const QString Sucesso = QStringLiteral("Mensagem enviada com sucesso !");
const QString FalhaLigacao = QStringLiteral(
    "Problemas na ligação ao programa de e_mail.\r\nNão foi possivel enviar o e-mail !");

QString falhaEnvio(quint32 codigo)
{
    return QStringLiteral("Mensagem não foi enviada !\r\n Erro ") + QString::number(codigo);
}

QStringList enderecosDe(const QJsonValue &valor)
{
    QStringList lista;
    for (const QJsonValue &e : valor.toArray())
        lista.append(e.toObject().value(u"endereco").toString());
    return lista;
}

QByteArray escreveFicheiro(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly))
        f.write(dados);
    return dados;
}

// Python reads a single-part body with the line end that closes it.
QString semFimDeLinha(QString texto)
{
    if (texto.endsWith(u'\n'))
        texto.chop(1);
    return texto;
}

} // namespace

class TstEnviarMailSendmail : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void programaPorOmissaoEAmbiente();
    void enderecaPorClasse_data();
    void enderecaPorClasse();
    void nomesComAcentos();
    void assuntoECorpo_data();
    void assuntoECorpo();
    void anexosChegamIntactos();
    void listaDeFicheirosVaziaNaoTemAnexos();
    void anexoInexistenteNaoEnvia();
    void sendmailQueFalha_data();
    void sendmailQueFalha();
    void sendmailQueFalhaSemLerAMensagem();
    void sendmailInexistente();
    void segundoEnvioUsaASessaoAberta();
    void logoffFechaASessao();
    void destinatarioInvalido_data();
    void destinatarioInvalido();
    void assuntoNaoAcrescentaCabecalhos();
};

void TstEnviarMailSendmail::programaPorOmissaoEAmbiente()
{
    const QByteArray antes = qgetenv("QRX_SENDMAIL");
    const auto repor = qScopeGuard([&] { qputenv("QRX_SENDMAIL", antes); });

    qunsetenv("QRX_SENDMAIL");
    QCOMPARE(cl_enviarMail().ProgramaSendmail(), QStringLiteral("/usr/sbin/sendmail"));

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    qputenv("QRX_SENDMAIL", sendmail.programa().toLocal8Bit());
    cl_enviarMail mail;
    QCOMPARE(mail.ProgramaSendmail(), sendmail.programa());
    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("s"),
                            QStringLiteral("t"), {QString()}));
    QCOMPARE(sendmail.vezes(), 1);
    QCOMPARE(sendmail.argumentos(0), (QStringList{QStringLiteral("-t"), QStringLiteral("-i")}));
}

void TstEnviarMailSendmail::enderecaPorClasse_data()
{
    QTest::addColumn<QStringList>("para");
    QTest::addColumn<QStringList>("cc");
    QTest::addColumn<QStringList>("bcc");
    QTest::addColumn<QStringList>("esperadoPara");
    QTest::addColumn<QStringList>("esperadoCc");
    QTest::addColumn<QStringList>("esperadoBcc");

    const QString a = QStringLiteral("ana@exemplo.pt");
    const QString b = QStringLiteral("bruno@exemplo.pt");
    const QString c = QStringLiteral("carla@outro.pt");
    const QString d = QStringLiteral("duarte@outro.pt");

    QTest::newRow("so para") << QStringList{a} << QStringList{} << QStringList{}
                             << QStringList{a} << QStringList{} << QStringList{};
    QTest::newRow("as tres classes") << QStringList{a, b} << QStringList{c} << QStringList{d}
                                     << QStringList{a, b} << QStringList{c} << QStringList{d};
    QTest::newRow("para vazio, so copias") << QStringList{QString()} << QStringList{c, d}
                                           << QStringList{} << QStringList{}
                                           << QStringList{c, d} << QStringList{};
    QTest::newRow("para em branco, so ocultas")
        << QStringList{QStringLiteral("  ")} << QStringList{} << QStringList{b}
        << QStringList{} << QStringList{} << QStringList{b};
    QStringList muitos;
    for (int i = 0; i < 12; ++i)
        muitos.append(QStringLiteral("destinatario.numero%1@empresa-exemplo.pt").arg(i));
    QTest::newRow("muitos, em varias linhas") << muitos << QStringList{} << QStringList{}
                                              << muitos << QStringList{} << QStringList{};
}

void TstEnviarMailSendmail::enderecaPorClasse()
{
    QFETCH(QStringList, para);
    QFETCH(QStringList, cc);
    QFETCH(QStringList, bcc);
    QFETCH(QStringList, esperadoPara);
    QFETCH(QStringList, esperadoCc);
    QFETCH(QStringList, esperadoBcc);

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(mail.EnviarMail(para, cc, bcc, QStringLiteral("Teste"), QStringLiteral("Corpo"),
                            {QString()}, 0));

    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), Sucesso);
    QCOMPARE(avisos.at(0).at(1).value<Icone>(), Icone::Informacao);
    QCOMPARE(avisos.at(0).at(2).toString(), QStringLiteral("Envio de e-mail"));

    QCOMPARE(sendmail.vezes(), 1);
    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    QVERIFY(!lida.isEmpty());
    QCOMPARE(enderecosDe(lida.value(u"para")), esperadoPara);
    QCOMPARE(enderecosDe(lida.value(u"copia")), esperadoCc);
    QCOMPARE(enderecosDe(lida.value(u"oculta")), esperadoBcc);
    QVERIFY(lida.value(u"defeitos").toArray().isEmpty());
    QVERIFY(lida.value(u"sempre_crlf").toBool());
    QVERIFY(lida.value(u"maior_linha").toInt() <= 78);
}

void TstEnviarMailSendmail::nomesComAcentos()
{
    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());

    QVERIFY(mail.EnviarMail({QStringLiteral("José Ávila Conceição <jose@exemplo.pt>"),
                             QStringLiteral("Silva, Ana <ana@exemplo.pt>")},
                            {QStringLiteral("<sem.nome@exemplo.pt>")}, {},
                            QStringLiteral("s"), QStringLiteral("t"), {QString()}));

    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    const QJsonArray para = lida.value(u"para").toArray();
    QCOMPARE(para.size(), 2);
    QCOMPARE(para.at(0).toObject().value(u"nome").toString(),
             QStringLiteral("José Ávila Conceição"));
    QCOMPARE(para.at(0).toObject().value(u"endereco").toString(), QStringLiteral("jose@exemplo.pt"));
    QCOMPARE(para.at(1).toObject().value(u"nome").toString(), QStringLiteral("Silva, Ana"));
    QCOMPARE(para.at(1).toObject().value(u"endereco").toString(), QStringLiteral("ana@exemplo.pt"));
    QCOMPARE(enderecosDe(lida.value(u"copia")), QStringList{QStringLiteral("sem.nome@exemplo.pt")});
    QVERIFY(lida.value(u"so_ascii").toBool());
    QVERIFY(lida.value(u"defeitos").toArray().isEmpty());
}

void TstEnviarMailSendmail::assuntoECorpo_data()
{
    QTest::addColumn<QString>("assunto");
    QTest::addColumn<QString>("corpo");
    QTest::addColumn<QString>("corpoLido");

    QTest::newRow("ascii") << QStringLiteral("Fatura 12") << QStringLiteral("Bom dia")
                           << QStringLiteral("Bom dia");
    QTest::newRow("acentos") << QStringLiteral("Fatura nº 12 – Março")
                             << QStringLiteral("Olá,\r\nsegue a fatura de Março.\r\nCumprimentos")
                             << QStringLiteral("Olá,\nsegue a fatura de Março.\nCumprimentos");
    QTest::newRow("assunto longo com acentos")
        << QStringLiteral("Envio das faturas, notas de crédito e guias de remessa do mês de "
                          "Março de 2024 à Conceição & Filhos, Lda. — urgente")
        << QStringLiteral("x") << QStringLiteral("x");
    QTest::newRow("linhas so com LF e com ponto")
        << QStringLiteral("Ponto") << QStringLiteral("um\n.\ndois\nFrom a\n")
        << QStringLiteral("um\n.\ndois\nFrom a\n");
    QTest::newRow("parece palavra codificada")
        << QStringLiteral("=?UTF-8?B?abc?=") << QStringLiteral("y") << QStringLiteral("y");
    QTest::newRow("corpo vazio") << QStringLiteral("Vazio") << QString() << QString();
    QTest::newRow("linha longa")
        << QStringLiteral("Longa") << QString(1200, u'a') << QString(1200, u'a');
}

void TstEnviarMailSendmail::assuntoECorpo()
{
    QFETCH(QString, assunto);
    QFETCH(QString, corpo);
    QFETCH(QString, corpoLido);

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, assunto, corpo, {QString()}));

    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    QCOMPARE(lida.value(u"assunto").toString(), assunto);
    QCOMPARE(semFimDeLinha(lida.value(u"corpo").toString()), semFimDeLinha(corpoLido));
    QVERIFY(lida.value(u"so_ascii").toBool());
    QVERIFY(lida.value(u"sempre_crlf").toBool());
    QVERIFY(lida.value(u"maior_linha").toInt() <= 78);
    QVERIFY(lida.value(u"defeitos").toArray().isEmpty());
    QVERIFY(!lida.value(u"multipart").toBool());
}

void TstEnviarMailSendmail::anexosChegamIntactos()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    QByteArray todos;
    for (int i = 0; i < 256; ++i)
        todos += char(i);
    QByteArray grande(300 * 1024, Qt::Uninitialized);
    QRandomGenerator gerador(42);
    for (char &c : grande)
        c = char(gerador.bounded(256));

    const QList<std::pair<QString, QByteArray>> ficheiros{
        {QStringLiteral("fatura.pdf"), todos},
        {QStringLiteral("Relatório de Março.txt"), QByteArrayLiteral("linha 1\r\nlinha 2\n")},
        {QStringLiteral("Guia de remessa nº 2024-000123 da Conceição & Filhos, "
                        "Lda (cópia para o cliente).bin"),
         grande},
        {QStringLiteral("vazio.dat"), QByteArray()},
        {QStringLiteral("aspas \"x\".txt"), QByteArrayLiteral("q")},
    };
    QStringList caminhos;
    for (const auto &[nome, dados] : ficheiros) {
        caminhos.append(pasta.filePath(nome));
        escreveFicheiro(caminhos.last(), dados);
    }

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("Anexos"),
                            QStringLiteral("Segue em anexo."), caminhos));

    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    QVERIFY(lida.value(u"multipart").toBool());
    QVERIFY(lida.value(u"defeitos").toArray().isEmpty());
    QVERIFY(lida.value(u"so_ascii").toBool());
    QVERIFY(lida.value(u"sempre_crlf").toBool());
    QVERIFY(lida.value(u"maior_linha").toInt() <= 78);
    // The spaces that held the attachments' places in the text are not part of it.
    QCOMPARE(lida.value(u"corpo").toString(), QStringLiteral("Segue em anexo."));

    const QJsonArray anexos = lida.value(u"anexos").toArray();
    QCOMPARE(anexos.size(), ficheiros.size());
    for (qsizetype i = 0; i < ficheiros.size(); ++i) {
        const QJsonObject anexo = anexos.at(i).toObject();
        QCOMPARE(anexo.value(u"nome").toString(), ficheiros.at(i).first);
        QCOMPARE(QByteArray::fromBase64(anexo.value(u"dados").toString().toLatin1()),
                 ficheiros.at(i).second);
    }
    QCOMPARE(anexos.at(0).toObject().value(u"tipo").toString(), QStringLiteral("application/pdf"));
}

void TstEnviarMailSendmail::listaDeFicheirosVaziaNaoTemAnexos()
{
    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("s"),
                            QStringLiteral("t"), {}));
    QVERIFY(mail.Anexos().isEmpty());
    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    QCOMPARE(semFimDeLinha(lida.value(u"corpo").toString()), QStringLiteral("t"));
    QVERIFY(lida.value(u"anexos").toArray().isEmpty());
    QVERIFY(!lida.value(u"multipart").toBool());
}

void TstEnviarMailSendmail::anexoInexistenteNaoEnvia()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString existe = pasta.filePath(QStringLiteral("existe.txt"));
    escreveFicheiro(existe, "x");

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(!mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("s"),
                             QStringLiteral("t"),
                             {existe, pasta.filePath(QStringLiteral("nao-existe.pdf"))}));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), falhaEnvio(MapiAnexoNaoEncontrado));
    QCOMPARE(avisos.at(0).at(1).value<Icone>(), Icone::Critico);
    QCOMPARE(sendmail.vezes(), 0);

    // A folder given as an attachment cannot be opened as a file.
    mail.Compose();
    mail.AddRecipients(rtTo, {QStringLiteral("a@x.pt")});
    mail.InsertAttachments({pasta.path()});
    QCOMPARE(mail.Send(0), quint32(MapiFalhaAbrirAnexo));
    QCOMPARE(sendmail.vezes(), 0);
}

void TstEnviarMailSendmail::sendmailQueFalha_data()
{
    QTest::addColumn<int>("saida");
    QTest::addColumn<quint32>("codigo");

    QTest::newRow("1 geral") << 1 << quint32(MapiFalha);
    QTest::newRow("64 uso") << 64 << quint32(MapiFalha);
    QTest::newRow("65 dados") << 65 << quint32(MapiMensagemInvalida);
    QTest::newRow("67 utilizador desconhecido") << 67 << quint32(MapiDestinatarioDesconhecido);
    QTest::newRow("68 maquina desconhecida") << 68 << quint32(MapiFalhaRede);
    QTest::newRow("69 indisponivel") << 69 << quint32(MapiFalhaRede);
    QTest::newRow("75 falha temporaria") << 75 << quint32(MapiFalhaRede);
    QTest::newRow("77 sem permissao") << 77 << quint32(MapiAcessoNegado);
}

void TstEnviarMailSendmail::sendmailQueFalha()
{
    QFETCH(int, saida);
    QFETCH(quint32, codigo);

    SendmailGravador sendmail(saida);
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(!mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("s"),
                             QStringLiteral("t"), {QString()}));
    QCOMPARE(sendmail.vezes(), 1);
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), falhaEnvio(codigo));
    QCOMPARE(avisos.at(0).at(1).value<Icone>(), Icone::Critico);
    QCOMPARE(avisos.at(0).at(2).toString(), QStringLiteral("Envio de e-mail"));
}

void TstEnviarMailSendmail::sendmailQueFalhaSemLerAMensagem()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString anexo = pasta.filePath(QStringLiteral("grande.bin"));
    escreveFicheiro(anexo, QByteArray(4 * 1024 * 1024, 'z'));

    SendmailGravador sendmail(75, false);
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QCOMPARE(mail.Logon(0), quint32(MapiSucesso));
    mail.Compose();
    mail.AddRecipients(rtTo, {QStringLiteral("a@x.pt")});
    mail.InsertAttachments({anexo});
    QCOMPARE(mail.Send(0), quint32(MapiFalhaRede));
}

void TstEnviarMailSendmail::sendmailInexistente()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    cl_enviarMail mail;
    mail.setProgramaSendmail(pasta.filePath(QStringLiteral("nao-ha-sendmail")));
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(!mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, QStringLiteral("s"),
                             QStringLiteral("t"), {QString()}));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), FalhaLigacao);
    QCOMPARE(avisos.at(0).at(1).value<Icone>(), Icone::Critico);
    QCOMPARE(mail.Logon(0), quint32(MapiFalhaLogon));
    QCOMPARE(mail.Sessao(), quintptr(0));
}

void TstEnviarMailSendmail::segundoEnvioUsaASessaoAberta()
{
    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {QStringLiteral("c@x.pt")}, {},
                            QStringLiteral("primeiro"), QStringLiteral("1"), {QString()}));
    QVERIFY(mail.Sessao() != 0);
    QCOMPARE(mail.Logon(0), quint32(MapiDemasiadasSessoes));

    QVERIFY(mail.EnviarMail({QStringLiteral("b@y.pt")}, {}, {}, QStringLiteral("segundo"),
                            QStringLiteral("2"), {QString()}));
    QCOMPARE(avisos.size(), 2);
    QCOMPARE(avisos.at(1).at(0).toString(), Sucesso);

    QCOMPARE(sendmail.vezes(), 2);
    const QJsonObject segunda = testes::leMensagem(sendmail.ficheiroMensagem(1));
    QCOMPARE(enderecosDe(segunda.value(u"para")), QStringList{QStringLiteral("b@y.pt")});
    QVERIFY(segunda.value(u"copia").isNull());
    QCOMPARE(segunda.value(u"assunto").toString(), QStringLiteral("segundo"));
}

void TstEnviarMailSendmail::logoffFechaASessao()
{
    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());

    QCOMPARE(mail.Logon(0), quint32(MapiSucesso));
    QVERIFY(mail.Sessao() != 0);
    QCOMPARE(mail.Compose(), quint32(MapiSucesso));
    QCOMPARE(mail.Logoff(0), quint32(MapiSucesso));
    QCOMPARE(mail.Sessao(), quintptr(0));
    QCOMPARE(mail.Send(0), quint32(MapiSessaoInvalida));
    QCOMPARE(mail.Logon(0), quint32(MapiSucesso));
}

void TstEnviarMailSendmail::destinatarioInvalido_data()
{
    QTest::addColumn<QStringList>("para");
    QTest::addColumn<QStringList>("cc");
    QTest::addColumn<quint32>("codigo");

    // Later elements of a list are taken even when empty, and an empty address is refused.
    QTest::newRow("elemento vazio depois do primeiro")
        << QStringList{QStringLiteral("a@x.pt"), QString()} << QStringList{}
        << quint32(MapiDestinatariosInvalidos);
    QTest::newRow("ninguem") << QStringList{QString()} << QStringList{}
                             << quint32(MapiDestinatariosInvalidos);
    QTest::newRow("quebra de linha no endereco")
        << QStringList{QStringLiteral("a@x.pt\r\nBcc: intruso@mau.pt")} << QStringList{}
        << quint32(MapiDestinatariosInvalidos);
    QTest::newRow("dois enderecos num elemento")
        << QStringList{} << QStringList{QStringLiteral("a@x.pt, b@y.pt")}
        << quint32(MapiDestinatariosInvalidos);
}

void TstEnviarMailSendmail::destinatarioInvalido()
{
    QFETCH(QStringList, para);
    QFETCH(QStringList, cc);
    QFETCH(quint32, codigo);

    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(!mail.EnviarMail(para, cc, {}, QStringLiteral("s"), QStringLiteral("t"), {QString()}));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), falhaEnvio(codigo));
    QCOMPARE(sendmail.vezes(), 0);
}

void TstEnviarMailSendmail::assuntoNaoAcrescentaCabecalhos()
{
    SendmailGravador sendmail;
    QVERIFY(sendmail.valido());
    cl_enviarMail mail;
    mail.setProgramaSendmail(sendmail.programa());
    const QString assunto = QStringLiteral("Olá\r\nBcc: intruso@mau.pt");
    QVERIFY(mail.EnviarMail({QStringLiteral("a@x.pt")}, {}, {}, assunto, QStringLiteral("t"),
                            {QString()}));

    const QJsonObject lida = testes::leMensagem(sendmail.ficheiroMensagem(0));
    QVERIFY(lida.value(u"oculta").isNull());
    QVERIFY(!lida.value(u"cabecalhos").toArray().contains(QStringLiteral("Bcc")));
    QCOMPARE(lida.value(u"assunto").toString(), assunto);
}

QTEST_GUILESS_MAIN(TstEnviarMailSendmail)
#include "tst_enviarmail_sendmail.moc"
