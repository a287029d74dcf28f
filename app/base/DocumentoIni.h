#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace qrx {

// One settings file held in memory line by line. Lines that a change does not touch are
// written back with their original bytes, so comments, blank lines, spacing and line ends
// survive every write exactly as the person or the legacy programs left them.
class DocumentoIni {
public:
    enum class Codificacao { Windows1252, Utf8, Utf8ComBom };

    static DocumentoIni deBytes(const QByteArray &bytes);
    QByteArray paraBytes() const;

    Codificacao codificacao() const { return m_codificacao; }

    // The trimmed value of the key in the first section of that name; nothing when the
    // section or the key is absent. Names compare without regard to case.
    std::optional<QString> valor(const QString &seccao, const QString &chave) const;

    // Replaces the value of the key's first line in the section, or adds the key at the end
    // of the section, or adds the section at the end of the file.
    void defineValor(const QString &seccao, const QString &chave, const QString &valor);

private:
    struct Linha {
        QByteArray original;   // bytes as read, without the line end; empty for new lines
        QByteArray fim;        // "\r\n", "\n" or "" (last line without line end)
        QString texto;
        bool alterada = false;
    };

    enum class Tipo { Vazia, Comentario, Seccao, Chave, Outra };
    struct Analise {
        Tipo tipo = Tipo::Outra;
        QString nome;          // section or key, trimmed
        qsizetype inicioValor = 0;
    };

    static Analise analisa(const QString &texto);
    qsizetype procuraSeccao(const QString &seccao) const;   // header line, -1 when absent
    qsizetype fimSeccao(qsizetype cabecalho) const;          // first line after the section
    QByteArray fimPorOmissao() const;
    QString descodifica(const QByteArray &bytes) const;
    bool precisaUtf8() const;

    QList<Linha> m_linhas;
    Codificacao m_codificacao = Codificacao::Windows1252;
    Codificacao m_codificacaoLida = Codificacao::Windows1252;
};

} // namespace qrx
