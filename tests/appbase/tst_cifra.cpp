#include "Cifra.h"
#include "QrxError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

using qrx::Cifra;
using qrx::QrxError;

class TstCifra : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;

    QString ficheiroConfiguracao() const { return m_pasta.filePath(QStringLiteral("qrxEdi.qrx")); }

    // The description of the error the call raises, or a failure when it raises none.
    template <class F>
    static QString erroDe(F &&chamada)
    {
        try {
            chamada();
        } catch (const QrxError &erro) {
            return erro.descricao();
        }
        return QString();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pasta.isValid()); }

    void idaEVolta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("simple") << "segredo";
        QTest::newRow("separators") << "a;b#c=d \"e\" 'f'";
        QTest::newRow("accents and beyond Windows-1252") << QStringLiteral("Açores € Łódź");
        QTest::newRow("blanks kept") << "  pw  ";
        QTest::newRow("long") << QString(5000, u'z');
        QTest::newRow("looks enciphered") << "qrx1:abc";
    }

    void idaEVolta()
    {
        QFETCH(QString, texto);
        const Cifra cifra(ficheiroConfiguracao());
        const QString cifrado = cifra.cifra(texto);
        QVERIFY(cifrado.startsWith(QStringLiteral("qrx1:")));
        QVERIFY(!cifrado.contains(texto.trimmed()) || texto.startsWith(QStringLiteral("qrx1:")));
        QCOMPARE(cifra.decifra(cifrado), texto);
        // A second instance finds the same key.
        QCOMPARE(Cifra(ficheiroConfiguracao()).decifra(cifrado), texto);
    }

    void nonceAleatorio()
    {
        const Cifra cifra(ficheiroConfiguracao());
        QVERIFY(cifra.cifra(QStringLiteral("pw")) != cifra.cifra(QStringLiteral("pw")));
    }

    void vazioFicaVazio()
    {
        const Cifra cifra(ficheiroConfiguracao());
        QCOMPARE(cifra.cifra(QString()), QString());
        QCOMPARE(cifra.decifra(QString()), QString());
    }

    void textoSemPrefixoPassaTalComoEsta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("typed by hand") << "segredo";
        QTest::newRow("other prefix case") << "QRX1:abc";
        QTest::newRow("blanks") << " pw ";
    }

    void textoSemPrefixoPassaTalComoEsta()
    {
        QFETCH(QString, texto);
        QTemporaryDir semChave;
        const Cifra cifra(semChave.filePath(QStringLiteral("qrxEdi.qrx")));
        QCOMPARE(cifra.decifra(texto), texto);
        QVERIFY(!QFile::exists(cifra.ficheiroChave()));
    }

    void ficheiroChaveCriadoSoParaODono()
    {
        QTemporaryDir pasta;
        const Cifra cifra(pasta.filePath(QStringLiteral("qrxEdi.qrx")));
        QCOMPARE(cifra.ficheiroChave(), pasta.filePath(QStringLiteral("qrxEdi.chave")));
        QVERIFY(!QFile::exists(cifra.ficheiroChave()));
        cifra.cifra(QStringLiteral("pw"));
        const QFileInfo chave(cifra.ficheiroChave());
        QVERIFY(chave.isFile());
        QCOMPARE(chave.size(), qint64(32));
#ifndef Q_OS_WIN
        const QFile::Permissions outros = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(chave.permissions() & outros, QFile::Permissions());
        QVERIFY(chave.permissions() & QFile::ReadOwner);
#endif
        // Only the key file is left beside the settings file.
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("qrxEdi.chave")});
    }

    void textoAlteradoFalha_data()
    {
        QTest::addColumn<int>("posicao");   // from the end of the base64 text
        QTest::newRow("ciphertext") << 3;
        QTest::newRow("nonce") << 40;
    }

    void textoAlteradoFalha()
    {
        QFETCH(int, posicao);
        const Cifra cifra(ficheiroConfiguracao());
        QString cifrado = cifra.cifra(QStringLiteral("segredo"));
        const qsizetype i = cifrado.size() - posicao;
        cifrado[i] = cifrado.at(i) == u'A' ? u'B' : u'A';
        const QString erro = erroDe([&] { cifra.decifra(cifrado); });
        QVERIFY2(erro.contains(ficheiroConfiguracao()), qPrintable(erro));
    }

    void textoIncompletoFalha_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("prefix only") << "qrx1:";
        QTest::newRow("not base64") << "qrx1:!!!!";
        QTest::newRow("too short") << "qrx1:AAAA";
    }

    void textoIncompletoFalha()
    {
        QFETCH(QString, texto);
        const Cifra cifra(ficheiroConfiguracao());
        const QString erro = erroDe([&] { cifra.decifra(texto); });
        QVERIFY2(erro.contains(ficheiroConfiguracao()), qPrintable(erro));
    }

    void chaveEmFaltaFalha()
    {
        QTemporaryDir pasta;
        const QString configuracao = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        const Cifra cifra(configuracao);
        const QString cifrado = cifra.cifra(QStringLiteral("segredo"));
        QVERIFY(QFile::remove(cifra.ficheiroChave()));
        try {
            cifra.decifra(cifrado);
            QFAIL("no error raised");
        } catch (const QrxError &erro) {
            QCOMPARE(erro.numero(), qrx::erros::FicheiroNaoEncontrado);
            QVERIFY2(erro.descricao().contains(configuracao), qPrintable(erro.descricao()));
            QVERIFY2(erro.descricao().contains(cifra.ficheiroChave()), qPrintable(erro.descricao()));
        }
        // Deciphering never makes a new key behind the person's back.
        QVERIFY(!QFile::exists(cifra.ficheiroChave()));
    }

    void outraChaveFalha()
    {
        QTemporaryDir outra;
        const QString cifrado = Cifra(ficheiroConfiguracao()).cifra(QStringLiteral("segredo"));
        const Cifra alheia(outra.filePath(QStringLiteral("qrxEdi.qrx")));
        alheia.cifra(QStringLiteral("cria a chave"));
        const QString erro = erroDe([&] { alheia.decifra(cifrado); });
        QVERIFY2(erro.contains(alheia.ficheiroConfiguracao()), qPrintable(erro));
    }

    void chaveDanificadaFalha()
    {
        QTemporaryDir pasta;
        const Cifra cifra(pasta.filePath(QStringLiteral("qrxEdi.qrx")));
        QFile chave(cifra.ficheiroChave());
        QVERIFY(chave.open(QIODevice::WriteOnly));
        chave.write("curta");
        chave.close();
        const QString erro = erroDe([&] { cifra.cifra(QStringLiteral("pw")); });
        QVERIFY2(erro.contains(cifra.ficheiroChave()), qPrintable(erro));
    }

    void cifraParaGravarMantemValorGuardado()
    {
        const Cifra cifra(ficheiroConfiguracao());
        const QString guardado = cifra.cifra(QStringLiteral("pw"));
        QCOMPARE(cifra.cifraParaGravar(QStringLiteral("pw"), guardado), guardado);
        const QString novo = cifra.cifraParaGravar(QStringLiteral("outra"), guardado);
        QVERIFY(novo != guardado);
        QCOMPARE(cifra.decifra(novo), QStringLiteral("outra"));
        // A plain stored value is enciphered even when it is the same password.
        const QString dePlano = cifra.cifraParaGravar(QStringLiteral("pw"), QStringLiteral("pw"));
        QVERIFY(Cifra::estaCifrado(dePlano));
        QCOMPARE(cifra.decifra(dePlano), QStringLiteral("pw"));
        // An unreadable stored value is replaced.
        const QString deEstragado = cifra.cifraParaGravar(QStringLiteral("pw"), QStringLiteral("qrx1:xx"));
        QCOMPARE(cifra.decifra(deEstragado), QStringLiteral("pw"));
    }
};

QTEST_GUILESS_MAIN(TstCifra)
#include "tst_cifra.moc"
