#include "app/elenchi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

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
QString fileNellaCartella(const QString& cartella, const QString& nome)
{
    const QDir dir(cartella);
    if (QFileInfo::exists(dir.filePath(nome)) || QFileInfo(dir.filePath(nome)).isSymLink())
        return dir.filePath(nome);
    const QStringList presenti =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& presente : presenti) {
        if (presente.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(presente);
    }
    return {};
}

} // namespace

QString LettoreElenchi::trovaFile(const QString& nome) const
{
    for (const QString& cartella : cartelle()) {
        const QString percorso = fileNellaCartella(cartella, nome);
        if (!percorso.isEmpty())
            return percorso;
    }
    return {};
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

// A C0 control other than tab and the line ends a quoted field may hold, or DEL.
bool controllo(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7F;
}

bool vuoto(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool fineRiga(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Splits a decoded text into fields, keeping for each the line it begins on.
class Divisore {
public:
    explicit Divisore(QStringView testo)
        : testo(testo)
    {
    }

    // False when a double quote is never closed; `rigaAperta` then tells where it opened.
    bool dividi(QList<Campo>& campi)
    {
        while (pos < testo.size()) {
            if (rigaVuota()) {
                saltaFineRiga();
                continue;
            }
            if (!dividiRiga(campi))
                return false;
        }
        return true;
    }

    int rigaAperta = 0;

private:
    // Only blanks up to the end of the line (or of the text): the line gives no field.
    bool rigaVuota() const
    {
        qsizetype i = pos;
        while (i < testo.size() && !fineRiga(testo[i]) && testo[i].isSpace())
            ++i;
        return i >= testo.size() || fineRiga(testo[i]);
    }

    // Past the line end at `pos` (CR LF, LF or CR), or to the end of the text.
    void saltaFineRiga()
    {
        while (pos < testo.size() && !fineRiga(testo[pos]))
            ++pos;
        if (pos >= testo.size())
            return;
        if (testo[pos] == u'\r' && pos + 1 < testo.size() && testo[pos + 1] == u'\n')
            ++pos;
        ++pos;
        ++riga;
    }

    // The fields from `pos` to the end of the line where the last one ends.
    bool dividiRiga(QList<Campo>& campi)
    {
        for (;;) {
            while (pos < testo.size() && vuoto(testo[pos]))
                ++pos;
            const int inizio = riga;
            if (pos < testo.size() && testo[pos] == u'"') {
                // Runs to the next double quote, line ends included.
                const qsizetype chiusa = testo.indexOf(u'"', pos + 1);
                if (chiusa < 0) {
                    rigaAperta = inizio;
                    return false;
                }
                const QStringView valore = testo.mid(pos + 1, chiusa - pos - 1);
                riga += righeIn(valore);
                campi.emplaceBack(Campo{valore.toString(), inizio});
                pos = chiusa + 1;
                // Anything after the closing quote, up to the next comma, is ignored.
                while (pos < testo.size() && testo[pos] != u',' && !fineRiga(testo[pos]))
                    ++pos;
            } else {
                const qsizetype da = pos;
                while (pos < testo.size() && testo[pos] != u',' && !fineRiga(testo[pos]))
                    ++pos;
                qsizetype a = pos;
                while (a > da && vuoto(testo[a - 1]))
                    --a;
                campi.emplaceBack(Campo{testo.mid(da, a - da).toString(), inizio});
            }
            if (pos < testo.size() && testo[pos] == u',') {
                ++pos;   // a comma at the end of a line leaves one empty field
                continue;
            }
            saltaFineRiga();
            return true;
        }
    }

    // The line ends inside a quoted field: CR LF counts once.
    static int righeIn(QStringView valore)
    {
        int righe = 0;
        for (qsizetype i = 0; i < valore.size(); ++i) {
            if (valore[i] == u'\n' || (valore[i] == u'\r' && (i + 1 == valore.size() || valore[i + 1] != u'\n')))
                ++righe;
        }
        return righe;
    }

    QStringView testo;
    qsizetype pos = 0;
    int riga = 1;
};

} // namespace

std::optional<ErroreElenco> LettoreElenchi::dividiCampi(const QString& testo, const QString& nome,
                                                        QList<Campo>& campi)
{
    QList<Campo> letti;
    Divisore divisore(testo);
    if (!divisore.dividi(letti)) {
        return ErroreElenco{nome, divisore.rigaAperta,
                            QStringLiteral("le virgolette aperte su questa riga non si chiudono più.")};
    }
    for (const Campo& campo : std::as_const(letti)) {
        if (campo.testo.size() > MassimoCaratteri) {
            return ErroreElenco{nome, campo.riga,
                                QStringLiteral("una parola è lunga più di %1 caratteri: forse non è un file di "
                                               "testo.")
                                    .arg(MassimoCaratteri)};
        }
        if (std::any_of(campo.testo.cbegin(), campo.testo.cend(), controllo)) {
            return ErroreElenco{nome, campo.riga,
                                QStringLiteral("contiene caratteri che non sono lettere: forse non è un file di "
                                               "testo.")};
        }
    }
    campi = std::move(letti);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::leggiCampi(const QString& nome, QList<Campo>& campi) const
{
    QString cartella;
    return leggiCampi(nome, campi, cartella);
}

std::optional<ErroreElenco> LettoreElenchi::leggiCampi(const QString& nome, QList<Campo>& campi,
                                                       QString& cartella) const
{
    const QString percorso = trovaFile(nome);
    if (percorso.isEmpty()) {
        QStringList dove;
        for (const QString& letta : cartelle())
            dove.append(QDir::toNativeSeparators(letta));
        return ErroreElenco{nome, 0,
                            QStringLiteral("il file non si trova nella cartella %1.")
                                .arg(dove.join(QStringLiteral(" né nella cartella ")))};
    }
    cartella = QFileInfo(percorso).path();
    // Only a regular file, also behind a link: opening a named pipe or a
    // device could wait for ever, or read without end.
    const QFileInfo info(percorso);
    if (!info.isFile())
        return ErroreElenco{nome, 0, QStringLiteral("non è un file di testo."), cartella};
    const QString troppoGrande =
        QStringLiteral("il file è troppo grande per un elenco di parole (più di %1 KB): forse non è un file di testo.")
            .arg(MassimoByte / 1024);
    if (info.size() > MassimoByte)
        return ErroreElenco{nome, 0, troppoGrande, cartella};
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può aprire."), cartella};
    // Never more than the bound and one byte, whatever size the file claims.
    const QByteArray dati = file.read(MassimoByte + 1);
    if (file.error() != QFileDevice::NoError)
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può leggere fino in fondo."), cartella};
    if (dati.size() > MassimoByte)
        return ErroreElenco{nome, 0, troppoGrande, cartella};
    file.close();
    auto errore = dividiCampi(decodifica(dati), nome, campi);
    if (errore)
        errore->cartella = cartella;
    return errore;
}

std::optional<ErroreElenco> LettoreElenchi::caricaElenco(const QStringList& nomi, QStringList& elenco,
                                                         int limite) const
{
    QStringList voci;
    for (const QString& nome : nomi) {
        QList<Campo> campi;
        QString cartella;
        if (auto errore = leggiCampi(nome, campi, cartella))
            return errore;
        voci.reserve(voci.size() + std::min<qsizetype>(campi.size(), limite));
        for (Campo& campo : campi) {
            if (voci.size() >= limite) {
                return ErroreElenco{nome, campo.riga,
                                    QStringLiteral("l'elenco supera il limite di %1 parole.").arg(limite),
                                    cartella};
            }
            voci.append(std::move(campo.testo));
        }
    }
    elenco = std::move(voci);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::caricaRecord(const QString& nome, int campiPerRecord,
                                                         int limite, Tabella& tabella,
                                                         QList<int>* righe) const
{
    QList<Campo> campi;
    QString cartella;
    if (auto errore = leggiCampi(nome, campi, cartella))
        return errore;
    auto errore = raggruppa(std::move(campi), campiPerRecord, limite, nome, tabella, righe);
    if (errore)
        errore->cartella = cartella;
    return errore;
}

std::optional<ErroreElenco> LettoreElenchi::raggruppa(QList<Campo> campi, int campiPerRecord, int limite,
                                                      const QString& nome, Tabella& tabella, QList<int>* righe)
{
    Tabella record;
    QList<int> inizi;
    const qsizetype attesi = std::min<qsizetype>(campi.size() / std::max(campiPerRecord, 1) + 1, limite);
    record.reserve(attesi);
    inizi.reserve(attesi);
    for (qsizetype i = 0; i < campi.size(); i += campiPerRecord) {
        if (record.size() >= limite) {
            return ErroreElenco{nome, campi[i].riga,
                                QStringLiteral("il file supera il limite di %1 record.").arg(limite)};
        }
        const qsizetype presenti = std::min<qsizetype>(campiPerRecord, campi.size() - i);
        if (presenti < campiPerRecord) {
            return ErroreElenco{
                nome, campi[i].riga,
                QStringLiteral("l'ultimo record è incompleto: ha %1 %2 invece di %3.")
                    .arg(presenti)
                    .arg(presenti == 1 ? QStringLiteral("campo") : QStringLiteral("campi"))
                    .arg(campiPerRecord)};
        }
        QStringList campiRecord;
        campiRecord.reserve(campiPerRecord);
        for (qsizetype j = 0; j < campiPerRecord; ++j)
            campiRecord.append(std::move(campi[i + j].testo));
        record.append(std::move(campiRecord));
        inizi.append(campi[i].riga);
    }
    tabella = std::move(record);
    if (righe)
        *righe = std::move(inizi);
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
