#include "SeccoesTransferencia.h"

#include "TabelaSeccao.h"

namespace qrx {

namespace {

using namespace detalhe;

using F = DadosFTP;
const CampoSeccao<F> camposFTP[] = {
    texto<F>(u"FTP", u"Servidor", &F::Servidor),
    texto<F>(u"FTP", u"Directoria", &F::Directoria),
    texto<F>(u"FTP", u"Tipo Ligacao", &F::TipoLigacao),
    texto<F>(u"FTP", u"Modo Transferencia", &F::ModoTransferencia),
    cifrado<F>(u"FTP", u"Password", &F::Password),
    texto<F>(u"FTP", u"UserName", &F::UserName),
};

using S = DadosSFTP;
const CampoSeccao<S> camposSFTP[] = {
    texto<S>(u"SFTP", u"Servidor", &S::Servidor),
    texto<S>(u"SFTP", u"Porta", &S::Porta),
    texto<S>(u"SFTP", u"Utilizador", &S::Utilizador),
    cifrado<S>(u"SFTP", u"Password", &S::Password),
    texto<S>(u"SFTP", u"Directoria", &S::Directoria),
    texto<S>(u"SFTP", u"Chave Privada", &S::ChavePrivada),
    texto<S>(u"SFTP", u"Known Hosts", &S::KnownHosts),
};

} // namespace

DadosFTP LeFTP(const QString &ficheiro)
{
    return leSeccao<F>(ficheiro, camposFTP);
}

bool GravaFTP(const DadosFTP &dados, const QString &ficheiro)
{
    return gravaSeccao<F>(ficheiro, camposFTP, dados);
}

DadosSFTP LeSFTP(const QString &ficheiro)
{
    return leSeccao<S>(ficheiro, camposSFTP);
}

bool GravaSFTP(const DadosSFTP &dados, const QString &ficheiro)
{
    return gravaSeccao<S>(ficheiro, camposSFTP, dados);
}

} // namespace qrx
