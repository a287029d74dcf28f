#include "SeccaoConfiguracao.h"

#include "ConfiguracaoFicheiro.h"
#include "InteiroConfiguracao.h"

namespace qrx {

namespace {

const QString seccao = QStringLiteral("Configuracao");
const QString chaveDirectoria = QStringLiteral("Directoria");
const QString chaveEAN = QStringLiteral("EAN");
const QString chaveTipo = QStringLiteral("Tipo de Exportacao");

} // namespace

QString LeDirectoria(const QString &ficheiro)
{
    return ConfiguracaoFicheiro(ficheiro).le(seccao, chaveDirectoria);
}

bool GravaDirectoria(const QString &valor, const QString &ficheiro)
{
    return ConfiguracaoFicheiro(ficheiro).grava(seccao, chaveDirectoria, valor);
}

QString LeEAN(const QString &ficheiro)
{
    return ConfiguracaoFicheiro(ficheiro).le(seccao, chaveEAN);
}

bool GravaEAN(const QString &valor, const QString &ficheiro)
{
    return ConfiguracaoFicheiro(ficheiro).grava(seccao, chaveEAN, valor);
}

qint16 LeTipoExportacao(const QString &ficheiro)
{
    return InteiroConfiguracao(ConfiguracaoFicheiro(ficheiro).le(seccao, chaveTipo));
}

bool GravaTipoExportacao(qint16 tipo, const QString &ficheiro)
{
    return ConfiguracaoFicheiro(ficheiro).grava(seccao, chaveTipo, TextoInteiro(tipo));
}

} // namespace qrx
