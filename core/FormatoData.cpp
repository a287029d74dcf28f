#include "FormatoData.h"

#include <QList>

#include <array>

namespace qrx {

namespace {

enum class Peca {
    Literal, SeparadorData, SeparadorHora,
    Dia, Dia2, DiaSemanaCurto, DiaSemana, DataCurta, DataLonga, DiaSemanaNumero, Semana,
    Mes, Mes2, MesCurto, MesNome, Trimestre,
    DiaAno, Ano2, Ano4,
    Hora, Hora2, Minuto, Minuto2, Segundo, Segundo2, HoraLonga, Geral, Meridiano,
};

struct Token {
    Peca peca;
    QString texto; // literal text, or the AM/PM marker as written in the pattern
};

bool eLiteral(Peca p)
{
    return p == Peca::Literal || p == Peca::SeparadorData || p == Peca::SeparadorHora;
}

qsizetype comprimentoSequencia(const QString &padrao, qsizetype i, QChar letra)
{
    qsizetype n = 0;
    while (i + n < padrao.size() && padrao[i + n].toLower() == letra)
        ++n;
    return n;
}

// Matches a marker such as "AM/PM" at i, ignoring case; returns its length or 0.
qsizetype marcador(const QString &padrao, qsizetype i, QLatin1String alvo)
{
    return padrao.mid(i, alvo.size()).compare(alvo, Qt::CaseInsensitive) == 0 ? alvo.size() : 0;
}

QList<Token> analisa(const QString &padrao)
{
    QList<Token> tokens;
    auto literal = [&tokens](const QString &texto) {
        if (!tokens.isEmpty() && tokens.last().peca == Peca::Literal)
            tokens.last().texto += texto;
        else
            tokens.append({Peca::Literal, texto});
    };
    qsizetype i = 0;
    while (i < padrao.size()) {
        const QChar c = padrao[i];
        const QChar l = c.toLower();
        if (c == QLatin1Char('"')) {
            const qsizetype fim = padrao.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype ate = fim < 0 ? padrao.size() : fim;
            literal(padrao.mid(i + 1, ate - i - 1));
            i = fim < 0 ? padrao.size() : fim + 1;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 < padrao.size())
                literal(QString(padrao[i + 1]));
            i += 2;
            continue;
        }
        if (c == QLatin1Char('/')) { tokens.append({Peca::SeparadorData, {}}); ++i; continue; }
        if (c == QLatin1Char(':')) { tokens.append({Peca::SeparadorHora, {}}); ++i; continue; }
        if (l == QLatin1Char('a')) {
            qsizetype n = 0;
            for (const char *alvo : {"am/pm", "a/p", "ampm"})
                n = qMax(n, marcador(padrao, i, QLatin1String(alvo)));
            if (n > 0) {
                tokens.append({Peca::Meridiano, padrao.mid(i, n)});
                i += n;
                continue;
            }
            literal(QString(c));
            ++i;
            continue;
        }
        const qsizetype n = comprimentoSequencia(padrao, i, l);
        Peca peca = Peca::Literal;
        qsizetype usados = 1;
        switch (l.unicode()) {
        case 'd':
            usados = qMin<qsizetype>(n, 6);
            peca = std::array{Peca::Dia, Peca::Dia2, Peca::DiaSemanaCurto, Peca::DiaSemana,
                              Peca::DataCurta, Peca::DataLonga}[std::size_t(usados - 1)];
            break;
        case 'm':
            usados = qMin<qsizetype>(n, 4);
            peca = std::array{Peca::Mes, Peca::Mes2, Peca::MesCurto, Peca::MesNome}[std::size_t(usados - 1)];
            break;
        case 'y':
            usados = n >= 4 ? 4 : (n >= 2 ? 2 : 1);
            peca = usados == 4 ? Peca::Ano4 : (usados == 2 ? Peca::Ano2 : Peca::DiaAno);
            break;
        case 'h':
            usados = qMin<qsizetype>(n, 2);
            peca = usados == 2 ? Peca::Hora2 : Peca::Hora;
            break;
        case 'n':
            usados = qMin<qsizetype>(n, 2);
            peca = usados == 2 ? Peca::Minuto2 : Peca::Minuto;
            break;
        case 's':
            usados = qMin<qsizetype>(n, 2);
            peca = usados == 2 ? Peca::Segundo2 : Peca::Segundo;
            break;
        case 'w':
            usados = qMin<qsizetype>(n, 2);
            peca = usados == 2 ? Peca::Semana : Peca::DiaSemanaNumero;
            break;
        case 'q':
            peca = Peca::Trimestre;
            break;
        case 'c':
            peca = Peca::Geral;
            break;
        case 't':
            if (n >= 5) {
                usados = 5;
                peca = Peca::HoraLonga;
            }
            break;
        default:
            break;
        }
        if (peca == Peca::Literal)
            literal(QString(c));
        else
            tokens.append({peca, {}});
        i += usados;
    }

    // m and mm next to hours or seconds are minutes.
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        if (tokens[k].peca != Peca::Mes && tokens[k].peca != Peca::Mes2)
            continue;
        auto vizinho = [&tokens, k](qsizetype passo) {
            for (qsizetype j = k + passo; j >= 0 && j < tokens.size(); j += passo)
                if (!eLiteral(tokens[j].peca))
                    return tokens[j].peca;
            return Peca::Literal;
        };
        const Peca antes = vizinho(-1);
        const Peca depois = vizinho(1);
        if (antes == Peca::Hora || antes == Peca::Hora2 || depois == Peca::Segundo
            || depois == Peca::Segundo2)
            tokens[k].peca = tokens[k].peca == Peca::Mes ? Peca::Minuto : Peca::Minuto2;
    }
    return tokens;
}

QString doisDigitos(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

QString textoMeridiano(const QString &escrito, int hora, const QLocale &locale)
{
    const bool tarde = hora >= 12;
    const QString minusculo = escrito.toLower();
    if (minusculo == QLatin1String("ampm"))
        return tarde ? locale.pmText() : locale.amText();
    const qsizetype barra = escrito.indexOf(QLatin1Char('/'));
    // The marker is written in the case the pattern gives it: "AM/PM" -> PM, "am/pm" -> pm.
    return tarde ? escrito.mid(barra + 1) : escrito.left(barra);
}

// The locale's short date with a four-digit year: a two-digit year would lose data.
QString formatoDataCurta(const QLocale &locale)
{
    QString formato = locale.dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QLatin1String("yyyy")))
        formato.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return formato;
}

// The locale's time with seconds and without the time-zone name.
QString formatoHora(const QLocale &locale)
{
    const QString longo = locale.timeFormat(QLocale::LongFormat);
    QString formato;
    bool aspas = false;
    for (qsizetype i = 0; i < longo.size(); ++i) {
        const QChar c = longo[i];
        if (c == QLatin1Char('\''))
            aspas = !aspas;
        if (!aspas && c == QLatin1Char('t')) {
            if (formato.endsWith(QLatin1Char('(')) && i + 1 < longo.size()
                && longo[i + 1] == QLatin1Char(')')) {
                formato.chop(1);
                ++i;
            }
            continue;
        }
        formato += c;
    }
    return formato.simplified();
}

QString primeiroSeparador(const QString &formato, const QString &omissao)
{
    bool aspas = false;
    for (const QChar c : formato) {
        if (c == QLatin1Char('\'')) {
            aspas = !aspas;
            continue;
        }
        if (!aspas && !c.isLetter() && !c.isSpace())
            return QString(c);
    }
    return omissao;
}

int semanaDoAno(const QDate &dia)
{
    const int primeiroDiaSemana = QDate(dia.year(), 1, 1).dayOfWeek() % 7; // Sunday = 0
    return (dia.dayOfYear() - 1 + primeiroDiaSemana) / 7 + 1;
}

} // namespace

QDate diaZero() { return QDate(1899, 12, 30); }

QString separadorData(const QLocale &locale)
{
    return primeiroSeparador(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
}

QString separadorHora(const QLocale &locale)
{
    return primeiroSeparador(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
}

QString textoData(const QDate &dia, const QLocale &locale)
{
    if (!dia.isValid())
        return QString();
    return locale.toString(dia, formatoDataCurta(locale));
}

QString textoHora(const QTime &hora, const QLocale &locale)
{
    if (!hora.isValid())
        return QString();
    return locale.toString(hora, formatoHora(locale));
}

QString textoData(const QDateTime &momento, const QLocale &locale)
{
    if (!momento.isValid())
        return QString();
    const QTime hora = momento.time();
    if (momento.date() == diaZero())
        return textoHora(hora, locale);
    if (hora == QTime(0, 0))
        return textoData(momento.date(), locale);
    return textoData(momento.date(), locale) + QLatin1Char(' ') + textoHora(hora, locale);
}

QString formataData(const QDateTime &momento, const QString &padrao, const QLocale &locale)
{
    if (!momento.isValid())
        return QString();
    const QList<Token> tokens = analisa(padrao);
    bool dozeHoras = false;
    for (const Token &t : tokens)
        dozeHoras = dozeHoras || t.peca == Peca::Meridiano;

    const QDate dia = momento.date();
    const QTime hora = momento.time();
    const int horaMostrada = dozeHoras ? (hora.hour() % 12 == 0 ? 12 : hora.hour() % 12) : hora.hour();
    QString texto;
    for (const Token &t : tokens) {
        switch (t.peca) {
        case Peca::Literal: texto += t.texto; break;
        case Peca::SeparadorData: texto += separadorData(locale); break;
        case Peca::SeparadorHora: texto += separadorHora(locale); break;
        case Peca::Dia: texto += QString::number(dia.day()); break;
        case Peca::Dia2: texto += doisDigitos(dia.day()); break;
        case Peca::DiaSemanaCurto: texto += locale.dayName(dia.dayOfWeek(), QLocale::ShortFormat); break;
        case Peca::DiaSemana: texto += locale.dayName(dia.dayOfWeek(), QLocale::LongFormat); break;
        case Peca::DataCurta: texto += textoData(dia, locale); break;
        case Peca::DataLonga: texto += locale.toString(dia, QLocale::LongFormat); break;
        case Peca::DiaSemanaNumero: texto += QString::number(dia.dayOfWeek() % 7 + 1); break;
        case Peca::Semana: texto += QString::number(semanaDoAno(dia)); break;
        case Peca::Mes: texto += QString::number(dia.month()); break;
        case Peca::Mes2: texto += doisDigitos(dia.month()); break;
        case Peca::MesCurto: texto += locale.monthName(dia.month(), QLocale::ShortFormat); break;
        case Peca::MesNome: texto += locale.monthName(dia.month(), QLocale::LongFormat); break;
        case Peca::Trimestre: texto += QString::number((dia.month() - 1) / 3 + 1); break;
        case Peca::DiaAno: texto += QString::number(dia.dayOfYear()); break;
        case Peca::Ano2: texto += doisDigitos(dia.year() % 100); break;
        case Peca::Ano4: texto += QStringLiteral("%1").arg(dia.year(), 4, 10, QLatin1Char('0')); break;
        case Peca::Hora: texto += QString::number(horaMostrada); break;
        case Peca::Hora2: texto += doisDigitos(horaMostrada); break;
        case Peca::Minuto: texto += QString::number(hora.minute()); break;
        case Peca::Minuto2: texto += doisDigitos(hora.minute()); break;
        case Peca::Segundo: texto += QString::number(hora.second()); break;
        case Peca::Segundo2: texto += doisDigitos(hora.second()); break;
        case Peca::HoraLonga: texto += textoHora(hora, locale); break;
        case Peca::Geral: texto += textoData(momento, locale); break;
        case Peca::Meridiano: texto += textoMeridiano(t.texto, hora.hour(), locale); break;
        }
    }
    return texto;
}

QString formataData(const QDate &dia, const QString &padrao, const QLocale &locale)
{
    return formataData(QDateTime(dia, QTime(0, 0)), padrao, locale);
}

QString formataData(const QTime &hora, const QString &padrao, const QLocale &locale)
{
    if (!hora.isValid())
        return QString();
    return formataData(QDateTime(diaZero(), hora), padrao, locale);
}

} // namespace qrx
