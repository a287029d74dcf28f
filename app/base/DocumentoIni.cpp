#include "DocumentoIni.h"

#include "Windows1252.h"


namespace qrx {

namespace {

const QByteArray bomUtf8("\xEF\xBB\xBF");

bool soAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool cabeEmWindows1252(const QString &texto)
{
    qsizetype substituidos = 0;
    codificaWindows1252(texto, &substituidos);
    return substituidos == 0;
}

bool eEspaco(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

DocumentoIni DocumentoIni::deBytes(const QByteArray &bytes)
{
    DocumentoIni documento;
    QByteArray corpo = bytes;
    if (bytes.startsWith(bomUtf8)) {
        documento.m_codificacaoLida = Codificacao::Utf8ComBom;
        corpo = bytes.sliced(bomUtf8.size());
    } else if (!soAscii(corpo) && eUtf8Valido(corpo)) {
        documento.m_codificacaoLida = Codificacao::Utf8;
    } else {
        // Plain ASCII counts as Windows-1252: the legacy programs read these files, so a
        // value with accents added later must reach them in their own code page.
        documento.m_codificacaoLida = Codificacao::Windows1252;
    }
    documento.m_codificacao = documento.m_codificacaoLida;

    qsizetype inicio = 0;
    while (inicio < corpo.size()) {
        const qsizetype nl = corpo.indexOf('\n', inicio);
        Linha linha;
        if (nl < 0) {
            linha.original = corpo.sliced(inicio);
            inicio = corpo.size();
        } else {
            qsizetype fimTexto = nl;
            if (fimTexto > inicio && corpo.at(fimTexto - 1) == '\r')
                --fimTexto;
            linha.original = corpo.sliced(inicio, fimTexto - inicio);
            linha.fim = corpo.sliced(fimTexto, nl + 1 - fimTexto);
            inicio = nl + 1;
        }
        linha.texto = documento.descodifica(linha.original);
        documento.m_linhas.append(std::move(linha));
    }
    return documento;
}

QString DocumentoIni::descodifica(const QByteArray &bytes) const
{
    if (m_codificacaoLida == Codificacao::Windows1252)
        return descodificaWindows1252(bytes);
    return QString::fromUtf8(bytes);
}

bool DocumentoIni::precisaUtf8() const
{
    for (const Linha &linha : m_linhas) {
        if (linha.alterada && !cabeEmWindows1252(linha.texto))
            return true;
    }
    return false;
}

QByteArray DocumentoIni::paraBytes() const
{
    Codificacao destino = m_codificacao;
    if (destino == Codificacao::Windows1252 && precisaUtf8())
        destino = Codificacao::Utf8;   // rather than turn the new characters into "?"

    QByteArray bytes;
    if (destino == Codificacao::Utf8ComBom)
        bytes += bomUtf8;
    for (const Linha &linha : m_linhas) {
        if (!linha.alterada && destino == m_codificacaoLida)
            bytes += linha.original;
        else if (destino == Codificacao::Windows1252)
            bytes += codificaWindows1252(linha.texto);
        else
            bytes += linha.texto.toUtf8();
        bytes += linha.fim;
    }
    return bytes;
}

DocumentoIni::Analise DocumentoIni::analisa(const QString &texto)
{
    Analise analise;
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty()) {
        analise.tipo = Tipo::Vazia;
    } else if (limpo.startsWith(u';') || limpo.startsWith(u'#')) {
        analise.tipo = Tipo::Comentario;
    } else if (limpo.startsWith(u'[')) {
        const qsizetype fecho = limpo.indexOf(u']');
        analise.tipo = Tipo::Seccao;
        analise.nome = (fecho < 0 ? limpo.mid(1) : limpo.mid(1, fecho - 1)).trimmed();
    } else {
        const qsizetype igual = texto.indexOf(u'=');
        if (igual >= 0) {
            analise.nome = texto.left(igual).trimmed();
            if (!analise.nome.isEmpty()) {
                analise.tipo = Tipo::Chave;
                qsizetype inicio = igual + 1;
                while (inicio < texto.size() && eEspaco(texto.at(inicio)))
                    ++inicio;
                analise.inicioValor = inicio;
            }
        }
    }
    return analise;
}

qsizetype DocumentoIni::procuraSeccao(const QString &seccao) const
{
    const QString nome = seccao.trimmed();
    for (qsizetype i = 0; i < m_linhas.size(); ++i) {
        const Analise analise = analisa(m_linhas.at(i).texto);
        if (analise.tipo == Tipo::Seccao
            && analise.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype DocumentoIni::fimSeccao(qsizetype cabecalho) const
{
    qsizetype i = cabecalho + 1;
    while (i < m_linhas.size() && analisa(m_linhas.at(i).texto).tipo != Tipo::Seccao)
        ++i;
    return i;
}

QByteArray DocumentoIni::fimPorOmissao() const
{
    for (const Linha &linha : m_linhas) {
        if (!linha.fim.isEmpty())
            return linha.fim;
    }
    return QByteArrayLiteral("\r\n");
}

std::optional<QString> DocumentoIni::valor(const QString &seccao, const QString &chave) const
{
    const qsizetype cabecalho = procuraSeccao(seccao);
    if (cabecalho < 0)
        return std::nullopt;
    const QString nome = chave.trimmed();
    const qsizetype fim = fimSeccao(cabecalho);
    for (qsizetype i = cabecalho + 1; i < fim; ++i) {
        const QString &texto = m_linhas.at(i).texto;
        const Analise analise = analisa(texto);
        if (analise.tipo == Tipo::Chave && analise.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return texto.mid(analise.inicioValor).trimmed();
    }
    return std::nullopt;
}

void DocumentoIni::defineValor(const QString &seccao, const QString &chave, const QString &valor)
{
    const QByteArray fim = fimPorOmissao();
    const QString nome = chave.trimmed();
    auto novaLinha = [&fim](QString texto) {
        Linha linha;
        linha.fim = fim;
        linha.texto = std::move(texto);
        linha.alterada = true;
        return linha;
    };
    auto terminaUltima = [this, &fim] {
        if (!m_linhas.isEmpty() && m_linhas.last().fim.isEmpty())
            m_linhas.last().fim = fim;
    };

    const qsizetype cabecalho = procuraSeccao(seccao);
    if (cabecalho < 0) {
        terminaUltima();
        m_linhas.append(novaLinha(u'[' + seccao.trimmed() + u']'));
        m_linhas.append(novaLinha(nome + u'=' + valor));
        return;
    }

    const qsizetype fimDaSeccao = fimSeccao(cabecalho);
    // New keys go after the section's last key; in a section without keys, after the
    // comments that open it (a commented-out key stays above its replacement).
    qsizetype depoisDoConteudo = cabecalho + 1;
    while (depoisDoConteudo < fimDaSeccao
           && analisa(m_linhas.at(depoisDoConteudo).texto).tipo == Tipo::Comentario)
        ++depoisDoConteudo;
    for (qsizetype i = cabecalho + 1; i < fimDaSeccao; ++i) {
        Linha &linha = m_linhas[i];
        const Analise analise = analisa(linha.texto);
        if (analise.tipo == Tipo::Chave && analise.nome.compare(nome, Qt::CaseInsensitive) == 0) {
            const QString texto = linha.texto.left(analise.inicioValor) + valor;
            if (texto != linha.texto) {
                linha.texto = texto;
                linha.alterada = true;
            }
            return;
        }
        if (analise.tipo == Tipo::Chave || analise.tipo == Tipo::Outra)
            depoisDoConteudo = i + 1;
    }
    if (depoisDoConteudo == m_linhas.size())
        terminaUltima();
    m_linhas.insert(depoisDoConteudo, novaLinha(nome + u'=' + valor));
}

} // namespace qrx
