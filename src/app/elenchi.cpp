#include "app/elenchi.h"

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
    : cartellaTesti(std::move(testi))
    , cartellaInsegnante(std::move(insegnante))
{
}

QStringList LettoreElenchi::cartelle() const
{
    QStringList lette;
    if (!cartellaInsegnante.isEmpty() && QFileInfo(cartellaInsegnante).isDir()
        && QFileInfo(cartellaInsegnante).canonicalFilePath() != QFileInfo(cartellaTesti).canonicalFilePath())
        lette.append(cartellaInsegnante);
    lette.append(cartellaTesti);
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

// A C0 control other than tab and the line ends a quoted field may hold, or DEL.
bool controllo(char16_t c)
{
    return (c < 0x20 && c != u'\t' && !fineRiga(c)) || c == 0x7F;
}

// The first place from `i` on, or `n`, of a character that may end a field
// or not belong in one: any up to the comma (the blank, the line ends, the
// controls, the quote) or DEL. The letters of a word are passed eight at a
// time where the processor can.
qsizetype finoAlSegno(const char16_t* s, qsizetype i, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i virgola = _mm_set1_epi16(u',');
    const __m128i canc = _mm_set1_epi16(0x7F);
    for (; i + 8 <= n; i += 8) {
        const __m128i otto = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Up to the comma: what is left once the comma is taken off, never below zero, is zero.
        const __m128i segni = _mm_or_si128(_mm_cmpeq_epi16(_mm_subs_epu16(otto, virgola), _mm_setzero_si128()),
                                           _mm_cmpeq_epi16(otto, canc));
        const unsigned maschera = unsigned(_mm_movemask_epi8(segni));   // two bits a character
        if (maschera != 0)
            return i + std::countr_zero(maschera) / 2;
    }
#endif
    while (i < n && s[i] > u',' && s[i] != 0x7F)
        ++i;
    return i;
}

// Where a field stands in a text, and the line it begins on.
struct Pezzo {
    Pezzo(qsizetype inizio, qsizetype lunghezza, int riga)
        : inizio(inizio)
        , lunghezza(lunghezza)
        , riga(riga)
    {
    }

    qsizetype inizio;
    qsizetype lunghezza;
    int riga;
};

// Splits a decoded text into fields, keeping for each the line it begins on,
// in one pass that also finds the first field that cannot be a word.
class Divisore {
public:
    Divisore(QStringView testo, std::vector<Pezzo>& pezzi)
        : pezzi(pezzi)
        , s(testo.utf16())
        , n(testo.size())
    {
        pezzi.reserve(std::size_t(n / 8 + 8));   // words of a few letters
    }

    // False when a double quote is never closed; `rigaAperta` then tells
    // where it opened. Past a field that is not a word no more are kept.
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
        for (;;) {
            while (pos < n && vuoto(s[pos]))
                ++pos;
            const int inizio = riga;
            bool conControllo = false;
            if (pos < n && s[pos] == u'"') {
                // Runs to the next double quote, line ends included; CR LF counts once.
                const qsizetype da = pos + 1;
                for (pos = da; pos < n && s[pos] != u'"'; ++pos) {
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
                segna(da, pos - da, inizio, conControllo);
                ++pos;
                // Anything after the closing quote, up to the next comma, is ignored.
                while (pos < n && s[pos] != u',' && !fineRiga(s[pos]))
                    ++pos;
            } else {
                const qsizetype da = pos;
                for (; (pos = finoAlSegno(s, pos, n)) < n; ++pos) {
                    const char16_t c = s[pos];
                    if (c == u',' || fineRiga(c))
                        break;
                    conControllo = conControllo || controllo(c);
                }
                qsizetype a = pos;
                while (a > da && vuoto(s[a - 1]))
                    --a;
                segna(da, a - da, inizio, conControllo);
            }
            if (pos < n && s[pos] == u',') {
                ++pos;   // a comma at the end of a line leaves one empty field
                continue;
            }
            saltaFineRiga();
            return true;
        }
    }

    // The field of `quanti` characters at `da`.
    void segna(qsizetype da, qsizetype quanti, int inizio, bool conControllo)
    {
        if (rigaGuasta == 0 && (quanti > LettoreElenchi::MassimoCaratteri || conControllo)) {
            rigaGuasta = inizio;
            troppoLunga = quanti > LettoreElenchi::MassimoCaratteri;
        }
        if (rigaGuasta == 0)   // past a faulty field the load fails: a word more is of no use
            pezzi.emplace_back(da, quanti, inizio);
    }

    std::vector<Pezzo>& pezzi;
    const char16_t* const s;
    const qsizetype n;
    qsizetype pos = 0;
    int riga = 1;
};

// The fields of a decoded text, cut from it without copying. Every word
// shares the text's one heap block, as the tail of a string does once
// remove() has taken its front, instead of taking a block of its own: a list
// of 500 words costs one allocation, not 500, which would be most of what
// reading a list costs. The sharing is QString's own: a word is copied before
// it changes while the block has other owners, and the block goes with the
// last word that holds it. A string ends with a zero after its last
// character, so the character after each word in the block (the comma, line
// end, quote or blank that ends it, never part of another word) is made one.
class Taglio {
public:
    explicit Taglio(QString decodificato)
        : testo(std::move(decodificato))
    {
        testo.detach();   // a block of its own, which no one else reads
    }

    // The fault of the text of `nome`, read from `cartella`, when it has
    // one; the fields are cut only when it has none.
    std::optional<ErroreElenco> dividi(const QString& nome, const QString& cartella = {})
    {
        Divisore divisore(testo, pezzi);
        if (!divisore.dividi()) {
            return ErroreElenco{nome, divisore.rigaAperta,
                                QStringLiteral("le virgolette aperte su questa riga non si chiudono più."), cartella};
        }
        if (divisore.rigaGuasta != 0 && divisore.troppoLunga) {
            return ErroreElenco{nome, divisore.rigaGuasta,
                                QStringLiteral("una parola è lunga più di %1 caratteri: forse non è un file di "
                                               "testo.")
                                    .arg(LettoreElenchi::MassimoCaratteri),
                                cartella};
        }
        if (divisore.rigaGuasta != 0) {
            return ErroreElenco{nome, divisore.rigaGuasta,
                                QStringLiteral("contiene caratteri che non sono lettere: forse non è un file di "
                                               "testo."),
                                cartella};
        }
        char16_t* const s = testo.data_ptr().data();
        for (const Pezzo& pezzo : pezzi) {
            if (pezzo.inizio + pezzo.lunghezza < testo.size())
                s[pezzo.inizio + pezzo.lunghezza] = u'\0';
        }
        return std::nullopt;
    }

    qsizetype quanti() const { return qsizetype(pezzi.size()); }
    int riga(qsizetype i) const { return pezzi[std::size_t(i)].riga; }

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
};

// Every field of a text that has been split, with its line.
QList<Campo> campiDi(Taglio& taglio)
{
    QList<Campo> campi(taglio.quanti());
    Campo* campo = campi.data();
    for (qsizetype i = 0; i < taglio.quanti(); ++i, ++campo) {
        campo->testo = taglio.parola(i);
        campo->riga = taglio.riga(i);
    }
    return campi;
}

} // namespace

std::optional<ErroreElenco> LettoreElenchi::dividiCampi(QString testo, const QString& nome, QList<Campo>& campi)
{
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(nome))
        return errore;
    campi = campiDi(taglio);
    return std::nullopt;
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

std::optional<ErroreElenco> LettoreElenchi::leggiTesto(const QString& nome, QString& testo, QString& cartella) const
{
    const QStringList lette = cartelle();
    const QFileInfo info = cercaFile(lette, nome);
    const QString percorso = info.filePath();
    if (percorso.isEmpty()) {
        QStringList dove;
        for (const QString& letta : lette)
            dove.append(QDir::toNativeSeparators(letta));
        return ErroreElenco{nome, 0,
                            QStringLiteral("il file non si trova nella cartella %1.")
                                .arg(dove.join(QStringLiteral(" né nella cartella ")))};
    }
    cartella = info.path();
    // Only a regular file, also behind a link: opening a named pipe or a
    // device could wait for ever, or read without end.
    if (!info.isFile())
        return ErroreElenco{nome, 0, QStringLiteral("non è un file di testo."), cartella};
    const auto troppoGrande = [&] {
        return ErroreElenco{nome, 0,
                            QStringLiteral("il file è troppo grande per un elenco di parole (più di %1 KB): forse "
                                           "non è un file di testo.")
                                .arg(MassimoByte / 1024),
                            cartella};
    };
    if (info.size() > MassimoByte)
        return troppoGrande();
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può aprire."), cartella};
    const auto dati = leggiFino(file, info.size(), MassimoByte + 1);
    if (!dati)
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può leggere fino in fondo."), cartella};
    if (dati->size() > MassimoByte)
        return troppoGrande();
    file.close();
    testo = decodifica(*dati);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::leggiCampi(const QString& nome, QList<Campo>& campi) const
{
    QString testo, cartella;
    if (auto errore = leggiTesto(nome, testo, cartella))
        return errore;
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(nome, cartella))
        return errore;
    campi = campiDi(taglio);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::caricaElenco(const QStringList& nomi, QStringList& elenco,
                                                         int limite) const
{
    QStringList voci;
    for (const QString& nome : nomi) {
        QString testo, cartella;
        if (auto errore = leggiTesto(nome, testo, cartella))
            return errore;
        Taglio taglio(std::move(testo));
        if (auto errore = taglio.dividi(nome, cartella))
            return errore;
        const qsizetype gia = voci.size();
        if (taglio.quanti() > 0 && gia + taglio.quanti() > limite) {
            return ErroreElenco{nome, taglio.riga(std::max<qsizetype>(limite - gia, 0)),
                                QStringLiteral("l'elenco supera il limite di %1 parole.").arg(limite), cartella};
        }
        voci.resize(gia + taglio.quanti());
        QString* const posto = voci.data() + gia;
        for (qsizetype i = 0; i < taglio.quanti(); ++i)
            posto[i] = taglio.parola(i);
    }
    elenco = std::move(voci);
    return std::nullopt;
}

namespace {

// `quanti` fields grouped into records of `perRecord`, at most `limite`:
// `campo(i)` gives field i (0-based) and `riga(i)` its line. Nothing is
// written on a fault.
template<class DaiCampo, class DaiRiga>
std::optional<ErroreElenco> raggruppaCampi(qsizetype quanti, int perRecord, int limite, const QString& nome,
                                           DaiCampo campo, DaiRiga riga, Tabella& tabella, QList<int>* righe)
{
    perRecord = std::max(perRecord, 1);
    const qsizetype record = (quanti + perRecord - 1) / perRecord;
    if (record > std::max(limite, 0)) {
        return ErroreElenco{nome, riga(qsizetype(std::max(limite, 0)) * perRecord),
                            QStringLiteral("il file supera il limite di %1 record.").arg(limite)};
    }
    if (const qsizetype presenti = quanti % perRecord; presenti != 0) {
        return ErroreElenco{nome, riga(quanti - presenti),
                            QStringLiteral("l'ultimo record è incompleto: ha %1 %2 invece di %3.")
                                .arg(presenti)
                                .arg(presenti == 1 ? QStringLiteral("campo") : QStringLiteral("campi"))
                                .arg(perRecord)};
    }
    Tabella letta(record);
    QList<int> inizi(righe ? record : 0);
    QStringList* recordLetto = letta.data();
    for (qsizetype r = 0; r < record; ++r, ++recordLetto) {
        *recordLetto = QStringList(perRecord);   // the size it needs, no room to grow
        QString* const posto = recordLetto->data();
        for (int c = 0; c < perRecord; ++c)
            posto[c] = campo(r * perRecord + c);
        if (righe)
            inizi[r] = riga(r * perRecord);
    }
    tabella = std::move(letta);
    if (righe)
        *righe = std::move(inizi);
    return std::nullopt;
}

} // namespace

std::optional<ErroreElenco> LettoreElenchi::caricaRecord(const QString& nome, int campiPerRecord,
                                                         int limite, Tabella& tabella,
                                                         QList<int>* righe) const
{
    QString testo, cartella;
    if (auto errore = leggiTesto(nome, testo, cartella))
        return errore;
    Taglio taglio(std::move(testo));
    if (auto errore = taglio.dividi(nome, cartella))
        return errore;
    auto errore = raggruppaCampi(
        taglio.quanti(), campiPerRecord, limite, nome, [&](qsizetype i) { return taglio.parola(i); },
        [&](qsizetype i) { return taglio.riga(i); }, tabella, righe);
    if (errore)
        errore->cartella = cartella;
    return errore;
}

std::optional<ErroreElenco> LettoreElenchi::raggruppa(QList<Campo> campi, int campiPerRecord, int limite,
                                                      const QString& nome, Tabella& tabella, QList<int>* righe)
{
    return raggruppaCampi(
        campi.size(), campiPerRecord, limite, nome, [&](qsizetype i) { return std::move(campi[i].testo); },
        [&](qsizetype i) { return campi[i].riga; }, tabella, righe);
}

QStringList colonna(const Tabella& tabella, int campo)
{
    QStringList valori;
    valori.reserve(tabella.size());
    for (const QStringList& record : tabella)
        valori.append(record.value(campo - 1));
    return valori;
}
