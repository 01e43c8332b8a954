// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/elenchi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

QString ErroreElenco::messaggio() const
{
    QString testo = QStringLiteral("C'è un problema nell'elenco di parole \"%1\"").arg(file);
    if (riga > 0)
        testo += QStringLiteral(", alla riga %1").arg(riga);
    testo += QStringLiteral(":\n%1\n\n").arg(guasto);
    if (!cartella.isEmpty())
        testo += QStringLiteral("Il file è nella cartella:\n%1\n\n").arg(QDir::toNativeSeparators(cartella));
    testo += QStringLiteral("L'esercizio non può cominciare. Correggi l'elenco e riprova.");
    return testo;
}

LettoreElenchi::LettoreElenchi(QString testi, QString insegnante)
    : cartelleInOrdine{std::move(insegnante), std::move(testi)}
{
}

LettoreElenchi::LettoreElenchi(QStringList cartelle)
    : cartelleInOrdine(std::move(cartelle))
{
}

QStringList LettoreElenchi::cartelle() const
{
    QStringList lette;
    for (qsizetype i = 0; i + 1 < cartelleInOrdine.size(); ++i) {
        if (!cartelleInOrdine[i].isEmpty() && QFileInfo(cartelleInOrdine[i]).isDir())
            lette.append(cartelleInOrdine[i]);
    }
    if (!cartelleInOrdine.isEmpty())
        lette.append(cartelleInOrdine.last());
    if (lette.size() < 2)
        return lette;   // as most teachers have it: no folder but the shipped one
    // A folder reached twice (a system folder that is the shipped one) is read where it comes last.
    QStringList canoniche;
    for (const QString& cartella : std::as_const(lette))
        canoniche.append(QFileInfo(cartella).canonicalFilePath());
    for (qsizetype i = lette.size() - 2; i >= 0; --i) {
        if (!canoniche[i].isEmpty() && canoniche.indexOf(canoniche[i], i + 1) > i) {
            lette.removeAt(i);
            canoniche.removeAt(i);
        }
    }
    return lette;
}

namespace {

// What `cartella` holds under the name `nome`, the exact name first, then
// without regard to case; empty when there is nothing. A folder, a pipe or a
// device found there is reported when read, not passed over: the teacher
// must learn that the file she put there is not a list.
QFileInfo fileNellaCartella(const QString& cartella, const QString& nome)
{
    const QDir dir(cartella);
    const QFileInfo esatto(dir.filePath(nome));
    // isFile() first: for a list, the one look that tells all the reader asks.
    if (esatto.isFile() || esatto.exists() || esatto.isSymLink())
        return esatto;
    const QStringList presenti =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& presente : presenti) {
        if (presente.compare(nome, Qt::CaseInsensitive) == 0)
            return QFileInfo(dir.filePath(presente));
    }
    return {};
}

// The file of that name in the first of `cartelle` that holds one; an empty
// QFileInfo when none does. What it tells of the file comes from one look at it.
QFileInfo cercaFile(const QStringList& cartelle, const QString& nome)
{
    for (const QString& cartella : cartelle) {
        QFileInfo trovato = fileNellaCartella(cartella, nome);
        if (!trovato.filePath().isEmpty())
            return trovato;
    }
    return {};
}

} // namespace

QString LettoreElenchi::percorsoIn(const QString& cartella, const QString& nome)
{
    return fileNellaCartella(cartella, nome).filePath();
}

QString LettoreElenchi::trovaFile(const QString& nome) const
{
    return cercaFile(cartelle(), nome).filePath();
}

QString LettoreElenchi::cartellaDi(const QString& nome) const
{
    const QString percorso = trovaFile(nome);
    return percorso.isEmpty() ? QString() : QFileInfo(percorso).path();
}

QString LettoreElenchi::decodifica(const QByteArray& dati)
{
    QString testo;
    const auto segnata = QStringConverter::encodingForData(dati);
    if (segnata && *segnata != QStringConverter::Utf8) {
        // A byte-order mark: UTF-16 (what a Windows editor saves as
        // "Unicode") or UTF-32, read as it says; the mark is not text.
        testo = QStringDecoder(*segnata, QStringConverter::Flag::Stateless).decode(dati);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        testo = utf8.decode(dati);
        if (utf8.hasError()) {
            QStringDecoder occidentale("windows-1252", QStringConverter::Flag::Stateless);
            testo = occidentale.isValid() ? occidentale.decode(dati) : QString::fromLatin1(dati);
        }
    }
    // A mark written twice leaves the second one as an invisible character
    // before the first word.
    qsizetype segni = 0;
    while (segni < testo.size() && testo[segni] == QChar::ByteOrderMark)
        ++segni;
    return segni ? testo.sliced(segni) : testo;
}

namespace {

bool vuoto(char16_t c)
{
    return c == u' ';
}

bool fineRiga(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// What a spreadsheet puts between two cells: a comma, a semicolon where the
// comma is the decimal mark, as in Italy, or a tab (Calc's choice of it, and
// what a word processor's table becomes).
bool separatore(char16_t c)
{
    return c == u',' || c == u';' || c == u'\t';
}

// A C0 control other than tab and the line ends a quoted field may hold, or DEL.
bool controllo(char16_t c)
{
    return (c < 0x20 && c != u'\t' && !fineRiga(c)) || c == 0x7F;
}

// The quotes a field may open with. A word processor turns "casa" into
// “casa”, and some into ”casa” or „casa“: a field opened by any of the three
// runs to the next “ or ”. One opened by « runs to the next ».
enum class Virgolette { Nessuna, Dritte, Curve, Caporali };

Virgolette apertura(char16_t c)
{
    if (c > u'"' && c < u'\u00AB')
        return Virgolette::Nessuna;   // the letters of most words
    switch (c) {
    case u'"':
        return Virgolette::Dritte;
    case u'\u201C':
    case u'\u201D':
    case u'\u201E':
        return Virgolette::Curve;
    case u'\u00AB':
        return Virgolette::Caporali;
    default:
        return Virgolette::Nessuna;
    }
}

bool chiude(Virgolette aperte, char16_t c)
{
    switch (aperte) {
    case Virgolette::Dritte:
        return c == u'"';
    case Virgolette::Curve:
        return c == u'\u201C' || c == u'\u201D';
    case Virgolette::Caporali:
        return c == u'\u00BB';
    case Virgolette::Nessuna:
        break;
    }
    return false;
}

// A letter of the plain Latin alphabet, small or capital.
bool letteraAscii(char16_t c)
{
    return char16_t((c | 0x20) - u'a') < 26;
}

// The character at `i` of `s` (`n` long), a pair of surrogates as one; `i`
// is left on its last unit.
char32_t carattere(const char16_t* s, qsizetype& i, qsizetype n)
{
    const char16_t c = s[i];
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1]))
        return QChar::surrogateToUcs4(c, s[++i]);
    return c;
}

// What a character beyond ASCII is to a word.
enum class Segno : unsigned char {
    Lettera,    // kept as it is
    DaPulire,   // a blank, a hyphen or an accent to compose, or a character that is dropped: see pulisciParola()
    Guasto,     // no part of a word
};

Segno segnoRaro(char32_t u)
{
    if ((u >= 0xC0 && u <= 0xFF && u != 0xD7 && u != 0xF7) || u == 0x2019 || u == 0x2018)
        return Segno::Lettera;   // the accented letters of Western Europe; a word processor's apostrophes
    switch (QChar::category(u)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        // Below the combining accents every character is composed already.
        return u < 0x300 ? Segno::Lettera : Segno::DaPulire;
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Format:
        return Segno::DaPulire;
    default:
        return u == 0x2010 || u == 0x2011 ? Segno::DaPulire : Segno::Guasto;
    }
}

// A blank or an invisible character: what is passed over around a word.
bool bianco(char16_t c)
{
    if (c < 0x80)
        return c == u' ';
    if (c > 0xAD && c < 0x600)
        return false;   // the letters of Europe, among others: none is a blank
    const auto categoria = QChar::category(c);
    return categoria == QChar::Separator_Space || categoria == QChar::Separator_Line
        || categoria == QChar::Separator_Paragraph || categoria == QChar::Other_Format;
}

// A hyphen at `i`, in a field that began at `da` and is quoted by `aperte`,
// that does not stand between two characters of a word: a bullet before
// the word, or a dash between two words.
bool trattinoFuoriPosto(const char16_t* s, qsizetype da, qsizetype i, qsizetype n, Virgolette aperte)
{
    if (i == da || vuoto(s[i - 1]) || i + 1 >= n)
        return true;
    const char16_t dopo = s[i + 1];
    return vuoto(dopo) || separatore(dopo) || fineRiga(dopo) || chiude(aperte, dopo);
}

// A dash: the keyboard's, or one of the longer ones a word processor puts in.
bool lineetta(char32_t u)
{
    return u == u'-' || QChar::category(u) == QChar::Punctuation_Dash;
}

// What a list of a word processor begins with: its bullets, a Symbol font's
// bullets as Word saves them, and what is typed for one.
bool puntoElenco(char32_t u)
{
    switch (u) {
    case u'*':
    case u'>':
    case 0x00B7:
    case 0x2022:
    case 0x2023:
    case 0x2043:
    case 0x2219:
    case 0x25AA:
    case 0x25AB:
    case 0x25A0:
    case 0x25A1:
    case 0x25CB:
    case 0x25CF:
    case 0x25E6:
    case 0x25C6:
    case 0x2666:
    case 0x27A2:
    case 0x2713:
    case 0x2714:
    case 0x2756:
        return true;
    default:
        return u >= 0xF000 && u <= 0xF0FF;
    }
}

// The sentence for the word `parola`, whose character at `posto` is no part
// of a word: the character, and what most likely put it there.
QString descriviGuasto(QStringView parola, qsizetype posto)
{
    posto = std::clamp<qsizetype>(posto, 0, std::max<qsizetype>(parola.size() - 1, 0));
    qsizetype fine = posto;
    const char32_t u = parola.isEmpty() ? U' ' : carattere(parola.utf16(), fine, parola.size());
    const auto categoria = QChar::category(u);
    QString segno;
    if (categoria == QChar::Other_PrivateUse || categoria == QChar::Other_NotAssigned
        || categoria == QChar::Other_Surrogate || categoria == QChar::Other_Control)
        segno = QStringLiteral("un segno che non si vede (U+%1)")
                    .arg(QString::number(uint(u), 16).toUpper().rightJustified(4, u'0'));
    else
        segno = QStringLiteral("«%1»").arg(QString::fromUcs4(&u, 1));
    // The words before it: are there any, or is it at the start?
    const bool inizio = parola.first(posto).trimmed().isEmpty();
    QString causa;
    if (QChar::isDigit(u) || categoria == QChar::Number_Letter || categoria == QChar::Number_Other)
        causa = QStringLiteral("una numerazione o un numero?");
    else if (inizio && (puntoElenco(u) || lineetta(u)))
        causa = QStringLiteral("i punti elenco di un programma di videoscrittura?");
    else if (lineetta(u))
        causa = QStringLiteral("un trattino tra due parole? Separa le parole con una virgola.");
    else if (u == u'#' || u == u'?' || u == u':' || u == u'!' || u == u'=')
        causa = QStringLiteral("un errore di una formula?");
    else
        causa = QStringLiteral("in una parola vanno soltanto lettere, apostrofi, spazi e trattini.");
    return QStringLiteral("\"%1\" contiene %2, che non è una lettera: %3").arg(parola.toString(), segno, causa);
}

// A heading word in the plural, as a header may have it: "maschili" for "maschile".
QString plurale(const QString& parola)
{
    return parola.endsWith(u'o') || parola.endsWith(u'e') ? parola.chopped(1) + u'i' : parola;
}

// What a header of a list may hold, in small letters: for records, the
// names of the columns ("nome collettivo") and, alone or after "nome", the
// words of those names ("femminile", "nomi derivati"), in the singular or
// the plural; for a list of single nouns only its name, since a header
// "nome" could be a noun of the list.
struct Intestazioni {
    QStringList colonne;
    QStringList parole;

    explicit Intestazioni(const DescrizioneElenco& elenco)
    {
        if (elenco.colonne.size() <= 1) {
            colonne.append(elenco.nome.toLower());
            return;
        }
        for (const QString& colonna : elenco.colonne) {
            colonne << colonna << plurale(colonna);
            for (const QString& parola : colonna.split(u' ', Qt::SkipEmptyParts)) {
                if (parola.size() >= 3 && parola != QLatin1String("nome"))
                    parole << parola << plurale(parola);
            }
        }
    }
};

// Those of the sixteen lists are made once; null for a list described elsewhere.
const Intestazioni* intestazioniDi(const DescrizioneElenco& elenco)
{
    static const std::vector<Intestazioni> dellElenco = [] {
        std::vector<Intestazioni> tutte;
        for (const DescrizioneElenco& una : descrizioniElenchi())
            tutte.emplace_back(una);
        return tutte;
    }();
    const QList<DescrizioneElenco>& elenchi = descrizioniElenchi();
    for (qsizetype i = 0; i < elenchi.size(); ++i) {
        if (&elenchi[i] == &elenco)
            return &dellElenco[std::size_t(i)];
    }
    return nullptr;
}

enum class Intestazione { Vuoto, Si, No };

bool tra(QStringView parola, const QStringList& parole)
{
    return std::any_of(parole.cbegin(), parole.cend(), [&](const QString& p) {
        return parola.compare(p, Qt::CaseInsensitive) == 0;
    });
}

// Whether a field of a first record is a heading of the list `elenco`.
Intestazione campoDiIntestazione(QStringView campo, const DescrizioneElenco& elenco)
{
    std::optional<Intestazioni> proprie;
    const Intestazioni* intestazioni = intestazioniDi(elenco);
    if (!intestazioni)
        intestazioni = &proprie.emplace(elenco);
    // A plain word, as most first fields are, is looked up as it stands.
    if (!campo.isEmpty() && std::all_of(campo.begin(), campo.end(), [](QChar c) { return letteraAscii(c.unicode()); }))
        return tra(campo, intestazioni->colonne) || tra(campo, intestazioni->parole) ? Intestazione::Si
                                                                                     : Intestazione::No;
    const QString parola = pulisciParola(campo).simplified().toLower();
    if (parola.isEmpty())
        return Intestazione::Vuoto;
    if (intestazioni->colonne.contains(parola))
        return Intestazione::Si;
    QStringList sue = parola.split(u' ');
    sue.removeAll(QStringLiteral("nome"));
    sue.removeAll(QStringLiteral("nomi"));
    const bool tutte = !sue.isEmpty() && std::all_of(sue.cbegin(), sue.cend(), [&](const QString& p) {
        return intestazioni->parole.contains(p);
    });
    return tutte ? Intestazione::Si : Intestazione::No;
}

// The first place from `i` on, or `n`, of a character that is not a letter
// of the plain Latin alphabet: one that ends a field, one that does not
// belong in a word, or one that needs a closer look. The letters of a word
// are passed eight at a time where the processor can.
qsizetype finoAlSegno(const char16_t* s, qsizetype i, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i minuscola = _mm_set1_epi16(0x20);
    const __m128i a = _mm_set1_epi16(u'a');
    const __m128i venticinque = _mm_set1_epi16(25);
    for (; i + 8 <= n; i += 8) {
        const __m128i otto = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // A letter, made small, less 'a': 0 to 25; what is left once 25 is taken off, never below zero, is zero.
        const __m128i dallA = _mm_sub_epi16(_mm_or_si128(otto, minuscola), a);
        const __m128i lettere = _mm_cmpeq_epi16(_mm_subs_epu16(dallA, venticinque), _mm_setzero_si128());
        const unsigned maschera = unsigned(_mm_movemask_epi8(lettere)) ^ 0xFFFFu;   // two bits a character
        if (maschera != 0)
            return i + std::countr_zero(maschera) / 2;
    }
#endif
    while (i < n && letteraAscii(s[i]))
        ++i;
    return i;
}

// Where a field stands in a text, the line it begins on, whether it is the
// first of its line and whether it was quoted. A field that cleaning
// changed (pulisciParola()) is kept apart, at `pulita`.
struct Pezzo {
    Pezzo(qsizetype inizio, qsizetype lunghezza, int riga, bool primo, bool virgolettato, int pulita)
        : inizio(inizio)
        , lunghezza(int(lunghezza))
        , riga(riga)
        , pulita(pulita)
        , primo(primo)
        , virgolettato(virgolettato)
    {
    }

    qsizetype inizio;
    int lunghezza;   // never above MassimoCaratteri
    int riga;
    int pulita;   // -1: the text as it stands
    bool primo;
    bool virgolettato;
};

// A line that does not hold whole records: where it begins, its fields, how many are empty.
struct RigaStorta {
    int riga = 0;   // 0: none
    qsizetype campi = 0;
    qsizetype vuoti = 0;
};

// What the look at a field's characters found.
struct Esame {
    bool controllo = false;   // a control character
    bool pulire = false;      // a character that cleaning changes
    qsizetype guasto = -1;    // where the first character that is no part of a word stands

    void segna(qsizetype dove)
    {
        if (guasto < 0)
            guasto = dove;
    }
};

// Splits a decoded text into fields, keeping for each the line it begins on,
// in one pass that also finds the first field that cannot be a word and,
// for records of the shape `forma`, the first line that does not hold whole
// records and the first field left empty that must hold a word.
class Divisore {
public:
    Divisore(QStringView testo, std::vector<Pezzo>& pezzi, std::vector<QString>& pulite, FormaRecord forma)
        : pezzi(pezzi)
        , pulite(pulite)
        , s(testo.utf16())
        , n(testo.size())
        , forma(forma)
    {
        pezzi.reserve(std::size_t(n / 8 + 8));   // words of a few letters
    }

    // False when a quote is never closed; `rigaAperta` then tells where it
    // opened. Past a field that is not a word no more are kept.
    bool dividi()
    {
        while (pos < n) {
            if (rigaVuota()) {
                saltaFineRiga();
                continue;
            }
            if (!dividiRiga())
                return false;
        }
        return true;
    }

    int rigaAperta = 0;
    int rigaGuasta = 0;     // the line of the first field that is not a word, 0 when none
    bool troppoLunga = false;   // ... whether it is too long,
    bool conControllo = false;  // ... or holds a control character,
    qsizetype inizioGuasto = 0, lunghezzaGuasto = 0, segnoGuasto = -1;   // ... or where it and its first wrong character stand
    bool piuCampiInUnaRiga = false;
    qsizetype vuoti = 0;    // empty fields kept
    RigaStorta storta;      // the first line whose fields are not a whole number of records
    int rigaSenzaParola = 0;      // the line of the first empty field that must hold a word, 0 when none
    int campoVuoto = 0;     // ... and its place in its record, 1-based

private:
    // Only blanks and separators up to the end of the line (or of the
    // text): the line gives no field, as a spreadsheet's empty row.
    bool rigaVuota() const
    {
        qsizetype i = pos;
        while (i < n && !fineRiga(s[i]) && (separatore(s[i]) || bianco(s[i]) || QChar::isSpace(s[i])))
            ++i;
        return i >= n || fineRiga(s[i]);
    }

    // Past the line end at `pos` (CR LF, LF or CR), or to the end of the text.
    void saltaFineRiga()
    {
        while (pos < n && !fineRiga(s[pos]))
            ++pos;
        if (pos >= n)
            return;
        if (s[pos] == u'\r' && pos + 1 < n && s[pos + 1] == u'\n')
            ++pos;
        ++pos;
        ++riga;
    }

    // The character at `pos`, in a field that began at `da`: none of the
    // plain letters, blanks and apostrophes that need no look.
    void esamina(qsizetype da, Virgolette aperte, Esame& esame)
    {
        const char16_t c = s[pos];
        if (c == u'-') {
            if (trattinoFuoriPosto(s, da, pos, n, aperte))
                esame.segna(pos);
            return;
        }
        if (c < 0x80) {
            if (controllo(c))
                esame.controllo = true;
            else
                esame.segna(pos);
            return;
        }
        const qsizetype qui = pos;
        switch (segnoRaro(carattere(s, pos, n))) {
        case Segno::Lettera:
            break;
        case Segno::DaPulire:
            esame.pulire = true;
            break;
        case Segno::Guasto:
            esame.segna(qui);
            break;
        }
    }

    // The fields from `pos` to the end of the line where the last one ends.
    bool dividiRiga()
    {
        const qsizetype prima = qsizetype(pezzi.size());
        const qsizetype vuotiPrima = vuoti;
        for (bool primo = true;; primo = false) {
            while (pos < n && bianco(s[pos]))
                ++pos;
            const int inizio = riga;
            Esame esame;
            const Virgolette aperte = pos < n ? apertura(s[pos]) : Virgolette::Nessuna;
            qsizetype da = pos, a = pos;   // the field: [da, a)
            if (aperte != Virgolette::Nessuna) {
                // Runs to the closing quote, separators and line ends included; CR LF counts once.
                for (da = pos = pos + 1; pos < n && !chiude(aperte, s[pos]); ++pos) {
                    const char16_t c = s[pos];
                    if (letteraAscii(c) || vuoto(c) || c == u'\'' || separatore(c))
                        continue;
                    if (fineRiga(c)) {
                        if (c == u'\n' || pos + 1 == n || s[pos + 1] != u'\n')
                            ++riga;
                        continue;
                    }
                    esamina(da, aperte, esame);
                }
                if (pos >= n) {
                    rigaAperta = inizio;
                    return false;
                }
                a = pos++;
                // Anything after the closing quote, up to the next separator, is ignored.
                while (pos < n && !separatore(s[pos]) && !fineRiga(s[pos]))
                    ++pos;
            } else {
                for (; (pos = finoAlSegno(s, pos, n)) < n; ++pos) {
                    const char16_t c = s[pos];
                    if (vuoto(c) || c == u'\'')
                        continue;
                    if (separatore(c) || fineRiga(c))
                        break;
                    esamina(da, aperte, esame);
                }
                for (a = pos; a > da && bianco(s[a - 1]);)
                    --a;
            }
            segna(da, a - da, inizio, esame, primo, aperte != Virgolette::Nessuna);
            if (pos < n && separatore(s[pos])) {
                ++pos;   // a separator at the end of a line leaves one empty field
                piuCampiInUnaRiga = true;
                continue;
            }
            // The lines before held whole records: this one does when it ends a record.
            if (posto != 0 && storta.riga == 0)
                storta = RigaStorta{pezzi[std::size_t(prima)].riga, qsizetype(pezzi.size()) - prima, vuoti - vuotiPrima};
            saltaFineRiga();
            return true;
        }
    }

    // The field of `quanti` characters at `da`.
    void segna(qsizetype da, qsizetype quanti, int inizio, const Esame& esame, bool primo, bool virgolettato)
    {
        if (quanti > LettoreElenchi::MassimoCaratteri || esame.controllo || esame.guasto >= 0 || rigaGuasta != 0)
            [[unlikely]] {
            guasto(da, quanti, inizio, esame);
            return;   // past a faulty field the load fails: a word more is of no use
        }
        int pulita = -1;
        if (esame.pulire) [[unlikely]] {
            const QStringView letta(s + da, quanti);
            QString parola = pulisciParola(letta);
            if (parola.size() > LettoreElenchi::MassimoCaratteri) {
                guasto(da, parola.size(), inizio, esame);
                return;
            }
            if (parola != letta) {
                quanti = parola.size();
                pulita = int(pulite.size());
                pulite.push_back(std::move(parola));
            }
        }
        pezzi.emplace_back(da, quanti, inizio, primo, virgolettato, pulita);
        // Its place in its record, as long as the lines before hold whole records.
        ++posto;
        if (quanti == 0) [[unlikely]]
            segnaVuoto(inizio);
        if (posto == forma.campi)
            posto = 0;
    }

    void guasto(qsizetype da, qsizetype quanti, int inizio, const Esame& esame)
    {
        if (rigaGuasta != 0)
            return;
        rigaGuasta = inizio;
        troppoLunga = quanti > LettoreElenchi::MassimoCaratteri;
        conControllo = esame.controllo;
        inizioGuasto = da;
        lunghezzaGuasto = std::min<qsizetype>(quanti, LettoreElenchi::MassimoCaratteri);
        segnoGuasto = esame.guasto - da;
    }

    void segnaVuoto(int inizio)
    {
        ++vuoti;
        if (rigaSenzaParola == 0 && !forma.puoEssereVuoto(posto)) {
            rigaSenzaParola = inizio;
            campoVuoto = posto;
        }
    }

    std::vector<Pezzo>& pezzi;
    std::vector<QString>& pulite;
    const char16_t* const s;
    const qsizetype n;
    const FormaRecord forma;
    qsizetype pos = 0;
    int riga = 1;
    int posto = 0;   // fields of the record being read
};

QString ordinale(int campo)
{
    static const char* const nomi[] = {"prima", "seconda", "terza", "quarta", "quinta"};
    return campo >= 1 && campo <= 5 ? QString::fromLatin1(nomi[campo - 1]) : QStringLiteral("%1ª").arg(campo);
}

// The parts of a field that blanks separate.
qsizetype partiTraGliSpazi(QStringView campo)
{
    return campo.split(u' ', Qt::SkipEmptyParts).size();
}

// The fields of a decoded text, cut from it without copying. Every word
// shares the text's one heap block, as the tail of a string does once
// remove() has taken its front, instead of taking a block of its own: a list
// of 500 words costs one allocation, not 500, which would be most of what
// reading a list costs. The sharing is QString's own: a word is copied before
// it changes while the block has other owners, and the block goes with the
// last word that holds it. A string ends with a zero after its last
// character, so the character after each word in the block (the separator,
// line end, quote or blank that ends it, never part of another word) is made
// one. The few words that cleaning changed are strings of their own.
class Taglio {
public:
    explicit Taglio(QString decodificato)
        : testo(std::move(decodificato))
    {
        testo.detach();   // a block of its own, which no one else reads
    }

    // The fault of the text of the file `fonte`, when it has one; the fields
    // are cut only when it has none. The records of `forma` are checked by righeIntere().
    std::optional<ErroreElenco> dividi(const Fonte& fonte, FormaRecord forma = {1, 1u})
    {
        forma.campi = std::max(forma.campi, 1);
        Divisore divisore(testo, pezzi, pulite, forma);
        if (!divisore.dividi())
            return fonte.errore(divisore.rigaAperta,
                                QStringLiteral("le virgolette aperte su questa riga non si chiudono più."));
        if (divisore.rigaGuasta != 0 && divisore.troppoLunga) {
            return fonte.errore(divisore.rigaGuasta,
                                QStringLiteral("una parola è lunga più di %1 caratteri: forse non è un file di "
                                               "testo.")
                                    .arg(LettoreElenchi::MassimoCaratteri));
        }
        if (divisore.rigaGuasta != 0 && divisore.conControllo) {
            return fonte.errore(divisore.rigaGuasta,
                                QStringLiteral("contiene caratteri che non sono lettere: forse non è un file di "
                                               "testo."));
        }
        if (divisore.rigaGuasta != 0) {
            const QStringView parola = QStringView(testo).sliced(divisore.inizioGuasto, divisore.lunghezzaGuasto);
            return fonte.errore(divisore.rigaGuasta, descriviGuasto(parola, divisore.segnoGuasto));
        }
        vuoti_ = divisore.vuoti;
        // Where a line holds more than one field, every line must hold whole
        // records: a spreadsheet's empty column, or a comma too many or
        // missing, would otherwise shift every record after it.
        piuCampiInUnaRiga = divisore.piuCampiInUnaRiga;
        if (forma.campi >= 2 && divisore.piuCampiInUnaRiga)
            storta = divisore.storta;
        rigaSenzaParola = divisore.rigaSenzaParola;
        campoVuoto = divisore.campoVuoto;
        char16_t* const s = testo.data_ptr().data();
        for (const Pezzo& pezzo : pezzi) {
            if (pezzo.pulita < 0 && pezzo.inizio + pezzo.lunghezza < testo.size())
                s[pezzo.inizio + pezzo.lunghezza] = u'\0';
        }
        return std::nullopt;
    }

    // A first record of the heading words of the list the file is, rather than words.
    std::optional<ErroreElenco> intestazione(const Fonte& fonte, int perRecord) const
    {
        const DescrizioneElenco* elenco = descrizioneElenco(fonte.file);
        if (!elenco || pezzi.empty())
            return std::nullopt;
        const qsizetype campi = std::min<qsizetype>(quanti(), std::max(perRecord, 1));
        bool parole = false;
        for (qsizetype i = 0; i < campi; ++i) {
            const auto intestazione = campoDiIntestazione(vista(i), *elenco);
            if (intestazione == Intestazione::No)
                return std::nullopt;
            parole = parole || intestazione == Intestazione::Si;
        }
        if (!parole)
            return std::nullopt;
        return fonte.errore(riga(0), guastoIntestazione());
    }

    // The first line, in order, that does not hold whole records, or that
    // leaves empty a field that must hold a word; before them, a file whose
    // lines each hold a record with blanks between its words.
    std::optional<ErroreElenco> righeIntere(const Fonte& fonte, int perRecord) const
    {
        if (auto errore = separatiDaSpazi(fonte, perRecord))
            return errore;
        if (storta.riga != 0 && (rigaSenzaParola == 0 || storta.riga <= rigaSenzaParola)) {
            QString conta = storta.campi == 1 ? QStringLiteral("1 parola")
                                              : QStringLiteral("%1 parole").arg(storta.campi);
            if (storta.vuoti > 0) {
                conta += storta.vuoti == 1 ? QStringLiteral(" (1 vuota)")
                                           : QStringLiteral(" (%1 vuote)").arg(storta.vuoti);
            }
            return fonte.errore(storta.riga,
                                QStringLiteral("questa riga ha %1, ma un record ne ha %2: una virgola di troppo o "
                                               "mancante?")
                                    .arg(conta)
                                    .arg(perRecord));
        }
        if (rigaSenzaParola != 0) {
            return fonte.errore(rigaSenzaParola, QStringLiteral("la %1 parola del record è vuota: qui ci vuole una parola.")
                                               .arg(ordinale(campoVuoto)));
        }
        return std::nullopt;
    }

    qsizetype quanti() const { return qsizetype(pezzi.size()); }
    qsizetype vuoti() const { return vuoti_; }
    int riga(qsizetype i) const { return pezzi[std::size_t(i)].riga; }
    bool primo(qsizetype i) const { return pezzi[std::size_t(i)].primo; }
    bool vuota(qsizetype i) const { return pezzi[std::size_t(i)].lunghezza == 0; }

    // Field i (0-based), sharing the block.
    QString parola(qsizetype i)
    {
        const Pezzo& pezzo = pezzi[std::size_t(i)];
        if (pezzo.pulita >= 0) [[unlikely]]
            return pulite[std::size_t(pezzo.pulita)];
        QStringPrivate& blocco = testo.data_ptr();
        // The words are still this reader's alone, in this thread: the count
        // needs no atomic step.
        auto& conta = blocco.d_ptr()->ref_;
        conta.storeRelaxed(conta.loadRelaxed() + 1);
        return QString(QStringPrivate(blocco.d_ptr(), blocco.data() + pezzo.inizio, pezzo.lunghezza));
    }

private:
    QStringView vista(qsizetype i) const
    {
        const Pezzo& pezzo = pezzi[std::size_t(i)];
        if (pezzo.pulita >= 0)
            return pulite[std::size_t(pezzo.pulita)];
        return QStringView(testo).sliced(pezzo.inizio, pezzo.lunghezza);
    }

    // A file of records written one field a line, where most lines hold the
    // words of a whole record with blanks between them ("collo colla"): read
    // a field a line, it would pair a line's words with the next line's.
    // Compound nouns hold blanks too, but seldom on most lines of a file.
    std::optional<ErroreElenco> separatiDaSpazi(const Fonte& fonte, int perRecord) const
    {
        if (perRecord < 2 || piuCampiInUnaRiga || pezzi.empty())
            return std::nullopt;
        qsizetype righe = 0, conSpazi = 0, prima = -1;
        for (qsizetype i = 0; i < quanti(); ++i) {
            ++righe;
            const qsizetype parti = pezzi[std::size_t(i)].virgolettato ? 1 : partiTraGliSpazi(vista(i));
            if (parti >= 2 && parti <= perRecord) {
                ++conSpazi;
                if (prima < 0)
                    prima = i;
            }
        }
        if (2 * conSpazi <= righe)
            return std::nullopt;
        const QString esempio = vista(prima).toString().split(u' ', Qt::SkipEmptyParts).join(u',');
        return fonte.errore(riga(prima),
                            QStringLiteral("le parole di un record sono separate da spazi: separale con una virgola, "
                                           "così: %1.")
                                .arg(esempio));
    }

    QString testo;
    std::vector<Pezzo> pezzi;
    std::vector<QString> pulite;
    qsizetype vuoti_ = 0;
    bool piuCampiInUnaRiga = false;
    RigaStorta storta;
    int rigaSenzaParola = 0;
    int campoVuoto = 0;
};

// Every field of a text that has been split, with its line.
QList<Campo> campiDi(Taglio& taglio)
{
    QList<Campo> campi(taglio.quanti());
    Campo* campo = campi.data();
    for (qsizetype i = 0; i < taglio.quanti(); ++i, ++campo) {
        campo->testo = taglio.parola(i);
        campo->riga = taglio.riga(i);
        campo->primo = taglio.primo(i);
    }
    return campi;
}

// The fields of `taglio`, split for records of `perRecord` fields, grouped
// into such records, at most `limite`. Nothing is written on a fault.
std::optional<ErroreElenco> raggruppaCampi(Taglio& taglio, int perRecord, int limite, const Fonte& fonte,
                                           Tabella& tabella, QList<int>* righe)
{
    perRecord = std::max(perRecord, 1);
    if (auto errore = taglio.intestazione(fonte, perRecord))
        return errore;
    if (auto errore = taglio.righeIntere(fonte, perRecord))
        return errore;
    const qsizetype quanti = taglio.quanti();
    const qsizetype record = (quanti + perRecord - 1) / perRecord;
    if (record > std::max(limite, 0)) {
        return fonte.errore(taglio.riga(qsizetype(std::max(limite, 0)) * perRecord),
                            QStringLiteral("il file supera il limite di %1 record.").arg(limite));
    }
    if (const qsizetype presenti = quanti % perRecord; presenti != 0) {
        return fonte.errore(taglio.riga(quanti - presenti),
                            QStringLiteral("l'ultimo record è incompleto: ha %1 %2 invece di %3.")
                                .arg(presenti)
                                .arg(presenti == 1 ? QStringLiteral("campo") : QStringLiteral("campi"))
                                .arg(perRecord));
    }
    Tabella letta(record);
    QList<int> inizi(righe ? record : 0);
    QStringList* recordLetto = letta.data();
    for (qsizetype r = 0; r < record; ++r, ++recordLetto) {
        *recordLetto = QStringList(perRecord);   // the size it needs, no room to grow
        QString* const posto = recordLetto->data();
        for (int c = 0; c < perRecord; ++c)
            posto[c] = taglio.parola(r * perRecord + c);
        if (righe)
            inizi[r] = taglio.riga(r * perRecord);
    }
    tabella = std::move(letta);
    if (righe)
        *righe = std::move(inizi);
    return std::nullopt;
}

} // namespace

std::optional<ErroreElenco> LettoreElenchi::dividiCampi(QString testo, const QString& nome, QList<Campo>& campi)
{
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(Fonte{nome, {}}))
        return errore;
    campi = campiDi(taglio);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::dividiRecord(QString testo, const QString& nome, FormaRecord forma,
                                                         int limite, Tabella& tabella, QList<int>* righe)
{
    const Fonte fonte{nome, {}};
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(fonte, forma))
        return errore;
    return raggruppaCampi(taglio, forma.campi, limite, fonte, tabella, righe);
}

namespace {

// What `file` holds, but never more than `massimo` bytes, whatever size it
// claims: the buffer is the size it claims and grows only while the file
// goes on. Nothing when a read fails.
std::optional<QByteArray> leggiFino(QFile& file, qint64 dichiarati, qint64 massimo)
{
    QByteArray dati(qsizetype(std::clamp<qint64>(dichiarati + 1, 1, massimo)), Qt::Uninitialized);
    qsizetype letti = 0;
    for (;;) {
        if (letti == dati.size()) {
            if (letti >= massimo)
                break;
            dati.resize(qsizetype(std::min<qint64>(2 * qint64(letti), massimo)));
        }
        const qint64 chiesti = dati.size() - letti;
        const qint64 presi = file.read(dati.data() + letti, chiesti);
        if (presi < 0)
            return std::nullopt;
        letti += qsizetype(presi);
        if (presi < chiesti)
            break;   // QFile reads on until it has all it was asked for, or the file ends
    }
    dati.truncate(letti);
    return dati;
}

// What a word processor or a spreadsheet saves in its own format, told by
// its first bytes: the sentence for a list saved so, or nothing for text.
std::optional<QString> documento(const QByteArray& dati)
{
    const auto salva = [](const QString& quale, const QString& come) {
        return QStringLiteral("è un documento %1, non un file di testo: salvalo come testo semplice (%2).").arg(quale, come);
    };
    const QString foglio = QStringLiteral("File > Salva con nome, tipo «Testo CSV»");
    const QString scritto = QStringLiteral("File > Salva con nome, tipo «Testo»");
    if (dati.startsWith("{\\rtf"))
        return salva(QStringLiteral("RTF, di TextEdit o di WordPad"),
                     QStringLiteral("in TextEdit: Formato > Converti in formato solo testo, poi Archivio > Salva; "
                                    "in WordPad: File > Salva con nome, tipo «Documento di testo»"));
    if (dati.startsWith("PK\x03\x04")) {
        // A zipped document: its parts' names stand in the clear.
        if (dati.contains("application/vnd.oasis.opendocument.spreadsheet"))
            return salva(QStringLiteral("di LibreOffice Calc"), foglio);
        if (dati.contains("application/vnd.oasis.opendocument.text"))
            return salva(QStringLiteral("di LibreOffice Writer"), scritto);
        if (dati.contains("xl/workbook"))
            return salva(QStringLiteral("di Excel"), foglio);
        if (dati.contains("word/document"))
            return salva(QStringLiteral("di Word"), scritto);
        return salva(QStringLiteral("compresso (un foglio di calcolo o un documento, non testo)"),
                     QStringLiteral("dal programma con cui l'hai scritto"));
    }
    if (dati.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return salva(QStringLiteral("di Word o di Excel"), foglio + QStringLiteral(", o «Testo» in Word"));
    if (dati.startsWith("%PDF"))
        return salva(QStringLiteral("PDF"), QStringLiteral("dal programma con cui l'hai scritto"));
    return std::nullopt;
}

} // namespace

void LettoreElenchi::sostituisci(const QString& nome, QString testo, QString cartella)
{
    for (Sostituto& sostituto : sostituti) {
        if (sostituto.nome.compare(nome, Qt::CaseInsensitive) == 0) {
            sostituto = Sostituto{nome, std::move(testo), std::move(cartella)};
            return;
        }
    }
    sostituti.append(Sostituto{nome, std::move(testo), std::move(cartella)});
}

std::optional<ErroreElenco> LettoreElenchi::leggiTesto(const QString& nome, QString& testo, Fonte& fonte) const
{
    for (const Sostituto& sostituto : sostituti) {
        if (sostituto.nome.compare(nome, Qt::CaseInsensitive) == 0) {
            fonte = Fonte{sostituto.nome, sostituto.cartella};
            testo = sostituto.testo;
            return std::nullopt;
        }
    }
    const QStringList lette = cartelle();
    const QFileInfo info = cercaFile(lette, nome);
    const QString percorso = info.filePath();
    // A file no folder holds is named as the teacher's guide spells it.
    const DescrizioneElenco* elenco = descrizioneElenco(nome);
    fonte = Fonte{elenco ? elenco->file : nome, {}};
    if (percorso.isEmpty()) {
        QStringList dove;
        for (const QString& letta : lette)
            dove.append(QDir::toNativeSeparators(letta));
        return fonte.errore(0, QStringLiteral("il file non si trova nella cartella %1.")
                                   .arg(dove.join(QStringLiteral(" né nella cartella "))));
    }
    fonte = Fonte{info.fileName(), info.path()};
    // Only a regular file, also behind a link: opening a named pipe or a
    // device could wait for ever, or read without end.
    if (!info.isFile())
        return fonte.errore(0, QStringLiteral("non è un file di testo."));
    const auto troppoGrande = [&] {
        return fonte.errore(0, QStringLiteral("il file è troppo grande per un elenco di parole (più di %1 KB): "
                                              "forse non è un file di testo.")
                                   .arg(MassimoByte / 1024));
    };
    if (info.size() > MassimoByte)
        return troppoGrande();
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fonte.errore(0, QStringLiteral("il file non si può aprire."));
    const auto dati = leggiFino(file, info.size(), MassimoByte + 1);
    if (!dati)
        return fonte.errore(0, QStringLiteral("il file non si può leggere fino in fondo."));
    if (dati->size() > MassimoByte)
        return troppoGrande();
    file.close();
    if (auto guasto = documento(*dati))
        return fonte.errore(1, *guasto);
    testo = decodifica(*dati);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::leggiCampi(const QString& nome, QList<Campo>& campi) const
{
    QString testo;
    Fonte fonte;
    if (auto errore = leggiTesto(nome, testo, fonte))
        return errore;
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(fonte))
        return errore;
    campi = campiDi(taglio);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::caricaElenco(const QStringList& nomi, QStringList& elenco, int limite,
                                                         QList<Fonte>* fonti) const
{
    QStringList voci;
    QList<Fonte> lette;
    for (const QString& nome : nomi) {
        QString testo;
        Fonte fonte;
        if (auto errore = leggiTesto(nome, testo, fonte))
            return errore;
        Taglio taglio(std::move(testo));
        if (auto errore = taglio.dividi(fonte))
            return errore;
        if (auto errore = taglio.intestazione(fonte, 1))
            return errore;
        // An empty field (a trailing comma, an empty cell) is no word: it is passed over.
        const qsizetype parole = taglio.quanti() - taglio.vuoti();
        const qsizetype gia = voci.size();
        if (parole > 0 && gia + parole > limite) {
            qsizetype prima = 0;   // the first word over the bound
            for (qsizetype entro = std::max<qsizetype>(limite - gia, 0); taglio.vuota(prima) || entro-- > 0;)
                ++prima;
            QString guasto = QStringLiteral("l'elenco supera il limite di %1 parole").arg(limite);
            if (!lette.isEmpty()) {
                // Her count of this file alone is within the bound: say why it is not.
                QStringList file;
                for (const Fonte& letta : std::as_const(lette))
                    file.append(QStringLiteral("\"%1\"").arg(letta.file));
                file.append(QStringLiteral("\"%1\"").arg(fonte.file));
                guasto += QStringLiteral(": le parole di %1 e di %2 si contano insieme")
                              .arg(file.mid(0, file.size() - 1).join(QStringLiteral(", di ")), file.last());
            }
            return fonte.errore(taglio.riga(prima), guasto + u'.');
        }
        voci.resize(gia + parole);
        QString* posto = voci.data() + gia;
        for (qsizetype i = 0; i < taglio.quanti(); ++i) {
            if (!taglio.vuota(i))
                *posto++ = taglio.parola(i);
        }
        lette.append(fonte);
    }
    elenco = std::move(voci);
    if (fonti)
        *fonti = std::move(lette);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::caricaRecord(const QString& nome, FormaRecord forma, int limite,
                                                         Tabella& tabella, QList<int>* righe, Fonte* fonte) const
{
    QString testo;
    Fonte trovata;
    if (auto errore = leggiTesto(nome, testo, trovata))
        return errore;
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(trovata, forma))
        return errore;
    if (auto errore = raggruppaCampi(taglio, forma.campi, limite, trovata, tabella, righe))
        return errore;
    if (fonte)
        *fonte = std::move(trovata);
    return std::nullopt;
}

QStringList colonna(const Tabella& tabella, int campo)
{
    QStringList valori;
    valori.reserve(tabella.size());
    for (const QStringList& record : tabella)
        valori.append(record.value(campo - 1));
    return valori;
}

const QList<DescrizioneElenco>& descrizioniElenchi()
{
    const QStringList nome{QStringLiteral("nome")};
    static const QList<DescrizioneElenco> elenchi{
        {QStringLiteral("MaschileSingolare.txt"), QStringLiteral("Nomi maschili singolari"), nome},
        {QStringLiteral("FemminileSingolare.txt"), QStringLiteral("Nomi femminili singolari"), nome},
        {QStringLiteral("MaschilePlurale.txt"), QStringLiteral("Nomi maschili plurali"), nome},
        {QStringLiteral("FemminilePlurale.txt"), QStringLiteral("Nomi femminili plurali"), nome},
        {QStringLiteral("concreti.txt"), QStringLiteral("Nomi concreti"), nome},
        {QStringLiteral("astratti.txt"), QStringLiteral("Nomi astratti"), nome},
        {QStringLiteral("propri.txt"), QStringLiteral("Nomi propri"), nome},
        {QStringLiteral("comuni.txt"), QStringLiteral("Nomi comuni"), nome},
        {QStringLiteral("MaschileFemminile.txt"), QStringLiteral("Coppie di maschile e femminile"),
         {QStringLiteral("maschile"), QStringLiteral("femminile")}},
        {QStringLiteral("falsi maschili.txt"), QStringLiteral("Falsi maschili e femminili"),
         {QStringLiteral("maschile"), QStringLiteral("falso femminile")}},
        {QStringLiteral("singolarePlurale.txt"), QStringLiteral("Coppie di singolare e plurale"),
         {QStringLiteral("singolare"), QStringLiteral("plurale")}},
        {QStringLiteral("derivati.txt"), QStringLiteral("Nomi derivati"),
         {QStringLiteral("primitivo"), QStringLiteral("derivato")}},
        {QStringLiteral("alterati.txt"), QStringLiteral("Nomi alterati"),
         {QStringLiteral("nome"), QStringLiteral("diminutivo"), QStringLiteral("accrescitivo"),
          QStringLiteral("vezzeggiativo"), QStringLiteral("dispregiativo")},
         0b11110u},
        {QStringLiteral("falsialterati.txt"), QStringLiteral("Falsi alterati"),
         {QStringLiteral("nome"), QStringLiteral("falso alterato")}},
        {QStringLiteral("collettivi.txt"), QStringLiteral("Nomi collettivi"),
         {QStringLiteral("nome collettivo"), QStringLiteral("insieme di")}},
        {QStringLiteral("composti.txt"), QStringLiteral("Nomi composti"), nome},
    };
    return elenchi;
}

const DescrizioneElenco* descrizioneElenco(const QString& file)
{
    for (const DescrizioneElenco& elenco : descrizioniElenchi())
        if (elenco.file.size() == file.size() && elenco.file.compare(file, Qt::CaseInsensitive) == 0)
            return &elenco;   // a simple case folding keeps the length: the size tells most names apart
    return nullptr;
}

QString pulisciParola(QStringView parola)
{
    QString pulita;
    pulita.reserve(parola.size());
    const char16_t* const s = parola.utf16();
    const qsizetype n = parola.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80 || c == 0x2019 || c == 0x2018) {
            pulita.append(QChar(c));
            continue;
        }
        const qsizetype da = i;
        const char32_t u = carattere(s, i, n);
        switch (QChar::category(u)) {
        case QChar::Other_Format:
            break;   // unseen, and no part of the word
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            pulita.append(u' ');
            break;
        default:
            if (u == 0x2010 || u == 0x2011)
                pulita.append(u'-');
            else
                pulita.append(QStringView(s + da, i - da + 1));
        }
    }
    qsizetype inizio = 0, fine = pulita.size();
    while (inizio < fine && pulita[inizio] == u' ')
        ++inizio;
    while (fine > inizio && pulita[fine - 1] == u' ')
        --fine;
    if (inizio > 0 || fine < pulita.size())
        pulita = pulita.sliced(inizio, fine - inizio);
    return pulita.normalized(QString::NormalizationForm_C);
}

std::optional<QString> guastoDellaParola(QStringView parola)
{
    const char16_t* const s = parola.utf16();
    const qsizetype n = parola.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (letteraAscii(c) || vuoto(c) || c == u'\'' || separatore(c) || fineRiga(c))
            continue;
        if (controllo(c))
            return QStringLiteral("contiene caratteri che non sono lettere: forse non è un file di testo.");
        const qsizetype qui = i;
        const bool fuori = c == u'-' ? trattinoFuoriPosto(s, 0, i, n, Virgolette::Nessuna)
                                     : c < 0x80 || segnoRaro(carattere(s, i, n)) == Segno::Guasto;
        if (fuori)
            return descriviGuasto(parola, qui);
    }
    if (pulisciParola(parola).size() > LettoreElenchi::MassimoCaratteri) {
        return QStringLiteral("una parola è lunga più di %1 caratteri: forse non è un file di testo.")
            .arg(LettoreElenchi::MassimoCaratteri);
    }
    return std::nullopt;
}

bool sembraIntestazione(const QStringList& record, const DescrizioneElenco& elenco)
{
    bool parole = false;
    for (const QString& campo : record) {
        const auto intestazione = campoDiIntestazione(campo, elenco);
        if (intestazione == Intestazione::No)
            return false;
        parole = parole || intestazione == Intestazione::Si;
    }
    return parole;
}

QString guastoIntestazione()
{
    return QStringLiteral("sembra un'intestazione: toglila.");
}
