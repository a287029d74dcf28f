#include "Arranque.h"

#include "CDataAccess.h"
#include "ConstrutorLigacao.h"
#include "Dialecto.h"
#include "QrxError.h"
#include "Recordset.h"
#include "SistemaFicheiros.h"

#include <QDir>

namespace qrx {

QString CaminhoConfiguracao(const QString &textoLinhaComandos, const QString &pastaDadosAplicacao,
                            const QString &pastaPrograma, const SistemaFicheiros &sistemaFicheiros)
{
    if (!textoLinhaComandos.isEmpty())
        return textoLinhaComandos;
    const QString pastaQuorex = pastaDadosAplicacao + u"/Quorex/";
    if (sistemaFicheiros.PastaExiste(pastaQuorex))
        return pastaQuorex + NomeFicheiroConfiguracao;
    return QDir(pastaPrograma).filePath(NomeFicheiroConfiguracao);
}

BaseDadosLigada LigaBaseDados(ConfiguracaoLigacao &configuracao,
                              const std::function<bool(ConfiguracaoLigacao &)> &pedirDados,
                              Interaccao *interaccao)
{
    QStringList emFalta = configuracao.valoresEmFalta();
    if (!emFalta.isEmpty()) {
        const bool confirmado = pedirDados && pedirDados(configuracao);
        configuracao.carrega();
        emFalta = configuracao.valoresEmFalta();
        if (!emFalta.isEmpty() || !confirmado) {
            const QString chaves = emFalta.isEmpty() ? QString() : u" (" + emFalta.join(u", ") + u')';
            throw QrxError(erros::ArgumentoInvalido, QStringLiteral("LigaBaseDados"),
                           u"A ligação à base de dados não está configurada no ficheiro "
                               + configuracao.ficheiroConfiguracao() + u", secção "
                               + ConfiguracaoLigacao::seccao + chaves + u'.');
        }
    }

    const ConstrutorLigacao construtor = ConstrutorLigacao::deConfiguracao(configuracao);
    BaseDadosLigada ligada;
    ligada.bd = std::make_unique<CDataAccess>();
    ligada.bd->setInteraccao(interaccao);
    ligada.bd->OpenConnection(construtor.TextoLigacao());
    ligada.servidor = construtor.Servidor();
    return ligada;
}

QString TextoPainelServidor(const QString &servidor)
{
    return u"Servidor SQL: " + servidor + u"     ";
}

QString NomeEmpresa(CDataAccess &bd)
{
    Recordset registos;
    const QString instrucao = u"SELECT NOME FROM " + bd.dialecto().tabela(QStringLiteral("EMPRESA"));
    bd.GetConnectedRecordset(instrucao, registos, LT_Optimistic);
    QString nome;
    if (registos.recordCount() > 0) {
        registos.moveFirst();
        nome = registos.value(0).toString();
    }
    registos.close();
    return nome;
}

QString TituloJanelaPrincipal(const QString &nomeEmpresa)
{
    if (nomeEmpresa.isEmpty())
        return QStringLiteral("qrx EDI ");
    return u"qrx EDI [" + nomeEmpresa + u']';
}

} // namespace qrx
