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
    return c == u' ' || c == u'\t';
}

bool fineRiga(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// What a spreadsheet puts between two cells: a comma, or a semicolon where
// the comma is the decimal mark, as in Italy.
bool separatore(char16_t c)
{
    return c == u',' || c == u';';
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

// The first place from `i` on, or `n`, of a character that may end a field
// or not belong in one: any up to the comma (the blank, the line ends, the
// controls, the quote), the semicolon or DEL. The letters of a word are
// passed eight at a time where the processor can.
qsizetype finoAlSegno(const char16_t* s, qsizetype i, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i virgola = _mm_set1_epi16(u',');
    const __m128i puntoEVirgola = _mm_set1_epi16(u';');
    const __m128i canc = _mm_set1_epi16(0x7F);
    for (; i + 8 <= n; i += 8) {
        const __m128i otto = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Up to the comma: what is left once the comma is taken off, never below zero, is zero.
        const __m128i segni = _mm_or_si128(
            _mm_cmpeq_epi16(_mm_subs_epu16(otto, virgola), _mm_setzero_si128()),
            _mm_or_si128(_mm_cmpeq_epi16(otto, puntoEVirgola), _mm_cmpeq_epi16(otto, canc)));
        const unsigned maschera = unsigned(_mm_movemask_epi8(segni));   // two bits a character
        if (maschera != 0)
            return i + std::countr_zero(maschera) / 2;
    }
#endif
    while (i < n && s[i] > u',' && s[i] != u';' && s[i] != 0x7F)
        ++i;
    return i;
}

// Where a field stands in a text, the line it begins on, and whether it is
// the first of its line.
struct Pezzo {
    Pezzo(qsizetype inizio, qsizetype lunghezza, int riga, bool primo)
        : inizio(inizio)
        , lunghezza(lunghezza)
        , riga(riga)
        , primo(primo)
    {
    }

    qsizetype inizio;
    qsizetype lunghezza;
    int riga;
    bool primo;
};

// A line that does not hold whole records: where it begins, its fields, how many are empty.
struct RigaStorta {
    int riga = 0;   // 0: none
    qsizetype campi = 0;
    qsizetype vuoti = 0;
};

// Splits a decoded text into fields, keeping for each the line it begins on,
// in one pass that also finds the first field that cannot be a word and,
// for records of the shape `forma`, the first line that does not hold whole
// records and the first field left empty that must hold a word.
class Divisore {
public:
    Divisore(QStringView testo, std::vector<Pezzo>& pezzi, FormaRecord forma)
        : pezzi(pezzi)
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
    bool troppoLunga = false;   // ... and whether it is too long, rather than holding a control
    bool piuCampiInUnaRiga = false;
    qsizetype vuoti = 0;    // empty fields kept
    RigaStorta storta;      // the first line whose fields are not a whole number of records
    int rigaSenzaParola = 0;      // the line of the first empty field that must hold a word, 0 when none
    int campoVuoto = 0;     // ... and its place in its record, 1-based

private:
    // Only blanks up to the end of the line (or of the text): the line gives no field.
    bool rigaVuota() const
    {
        qsizetype i = pos;
        while (i < n && !fineRiga(s[i]) && QChar(s[i]).isSpace())
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

    // The fields from `pos` to the end of the line where the last one ends.
    bool dividiRiga()
    {
        const qsizetype prima = qsizetype(pezzi.size());
        const qsizetype vuotiPrima = vuoti;
        for (bool primo = true;; primo = false) {
            while (pos < n && vuoto(s[pos]))
                ++pos;
            const int inizio = riga;
            bool conControllo = false;
            const Virgolette aperte = pos < n ? apertura(s[pos]) : Virgolette::Nessuna;
            qsizetype da = pos, a = pos;   // the field: [da, a)
            if (aperte != Virgolette::Nessuna) {
                // Runs to the closing quote, line ends included; CR LF counts once.
                for (da = pos = pos + 1; pos < n && !chiude(aperte, s[pos]); ++pos) {
                    const char16_t c = s[pos];
                    if (c >= 0x20 && c != 0x7F)
                        continue;
                    if (c == u'\n' || (c == u'\r' && (pos + 1 == n || s[pos + 1] != u'\n')))
                        ++riga;
                    conControllo = conControllo || controllo(c);
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
                    if (separatore(c) || fineRiga(c))
                        break;
                    conControllo = conControllo || controllo(c);
                }
                for (a = pos; a > da && vuoto(s[a - 1]);)
                    --a;
            }
            segna(da, a - da, inizio, conControllo, primo);
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
    void segna(qsizetype da, qsizetype quanti, int inizio, bool conControllo, bool primo)
    {
        if (quanti > LettoreElenchi::MassimoCaratteri || conControllo || rigaGuasta != 0) [[unlikely]] {
            if (rigaGuasta == 0) {
                rigaGuasta = inizio;
                troppoLunga = quanti > LettoreElenchi::MassimoCaratteri;
            }
            return;   // past a faulty field the load fails: a word more is of no use
        }
        pezzi.emplace_back(da, quanti, inizio, primo);
        // Its place in its record, as long as the lines before hold whole records.
        ++posto;
        if (quanti == 0) [[unlikely]]
            segnaVuoto(inizio);
        if (posto == forma.campi)
            posto = 0;
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

// The fields of a decoded text, cut from it without copying. Every word
// shares the text's one heap block, as the tail of a string does once
// remove() has taken its front, instead of taking a block of its own: a list
// of 500 words costs one allocation, not 500, which would be most of what
// reading a list costs. The sharing is QString's own: a word is copied before
// it changes while the block has other owners, and the block goes with the
// last word that holds it. A string ends with a zero after its last
// character, so the character after each word in the block (the separator,
// line end, quote or blank that ends it, never part of another word) is made one.
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
        Divisore divisore(testo, pezzi, forma);
        if (!divisore.dividi())
            return fonte.errore(divisore.rigaAperta,
                                QStringLiteral("le virgolette aperte su questa riga non si chiudono più."));
        if (divisore.rigaGuasta != 0 && divisore.troppoLunga) {
            return fonte.errore(divisore.rigaGuasta,
                                QStringLiteral("una parola è lunga più di %1 caratteri: forse non è un file di "
                                               "testo.")
                                    .arg(LettoreElenchi::MassimoCaratteri));
        }
        if (divisore.rigaGuasta != 0) {
            return fonte.errore(divisore.rigaGuasta,
                                QStringLiteral("contiene caratteri che non sono lettere: forse non è un file di "
                                               "testo."));
        }
        vuoti_ = divisore.vuoti;
        // Where a line holds more than one field, every line must hold whole
        // records: a spreadsheet's empty column, or a comma too many or
        // missing, would otherwise shift every record after it.
        if (forma.campi >= 2 && divisore.piuCampiInUnaRiga)
            storta = divisore.storta;
        rigaSenzaParola = divisore.rigaSenzaParola;
        campoVuoto = divisore.campoVuoto;
        char16_t* const s = testo.data_ptr().data();
        for (const Pezzo& pezzo : pezzi) {
            if (pezzo.inizio + pezzo.lunghezza < testo.size())
                s[pezzo.inizio + pezzo.lunghezza] = u'\0';
        }
        return std::nullopt;
    }

    // The first line, in order, that does not hold whole records, or that
    // leaves empty a field that must hold a word.
    std::optional<ErroreElenco> righeIntere(const Fonte& fonte, int perRecord) const
    {
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
        QStringPrivate& blocco = testo.data_ptr();
        // The words are still this reader's alone, in this thread: the count
        // needs no atomic step.
        auto& conta = blocco.d_ptr()->ref_;
        conta.storeRelaxed(conta.loadRelaxed() + 1);
        return QString(QStringPrivate(blocco.d_ptr(), blocco.data() + pezzo.inizio, pezzo.lunghezza));
    }

private:
    QString testo;
    std::vector<Pezzo> pezzi;
    qsizetype vuoti_ = 0;
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
    fonte = Fonte{nome, {}};
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
        // An empty field (a trailing comma, an empty cell) is no word: it is passed over.
        const qsizetype parole = taglio.quanti() - taglio.vuoti();
        const qsizetype gia = voci.size();
        if (parole > 0 && gia + parole > limite) {
            qsizetype prima = 0;   // the first word over the bound
            for (qsizetype entro = std::max<qsizetype>(limite - gia, 0); taglio.vuota(prima) || entro-- > 0;)
                ++prima;
            return fonte.errore(taglio.riga(prima),
                                QStringLiteral("l'elenco supera il limite di %1 parole.").arg(limite));
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
          QStringLiteral("vezzeggiativo"), QStringLiteral("dispregiativo")}},
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
        if (elenco.file.compare(file, Qt::CaseInsensitive) == 0)
            return &elenco;
    return nullptr;
}
