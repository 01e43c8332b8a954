#include "app/elenchi.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

QString ErroreElenco::messaggio() const
{
    QString testo = QStringLiteral("C'è un problema nell'elenco di parole \"%1\"").arg(file);
    if (riga > 0)
        testo += QStringLiteral(", alla riga %1").arg(riga);
    testo += QStringLiteral(":\n%1\n\nL'esercizio non può cominciare. "
                            "Correggi il file nella cartella testi e riprova.")
                 .arg(guasto);
    return testo;
}

LettoreElenchi::LettoreElenchi(QString cartella)
    : cartellaTesti(std::move(cartella))
{
}

QString LettoreElenchi::trovaFile(const QString& nome) const
{
    const QDir dir(cartellaTesti);
    if (QFile::exists(dir.filePath(nome)))
        return dir.filePath(nome);
    const QStringList presenti = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& presente : presenti) {
        if (presente.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(presente);
    }
    return {};
}

QString LettoreElenchi::decodifica(const QByteArray& dati)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString testo = utf8.decode(dati);
    if (!utf8.hasError())
        return testo;
    QStringDecoder occidentale("windows-1252", QStringConverter::Flag::Stateless);
    if (occidentale.isValid())
        return occidentale.decode(dati);
    return QString::fromLatin1(dati);
}

namespace {

bool vuoto(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Appends the fields of one line; false when a double quote is not closed on it.
bool dividiRiga(QStringView riga, int numero, QList<Campo>& campi)
{
    qsizetype inizioContenuto = 0;
    while (inizioContenuto < riga.size() && riga[inizioContenuto].isSpace())
        ++inizioContenuto;
    if (inizioContenuto == riga.size())
        return true;   // a blank line gives no field

    qsizetype pos = 0;
    for (;;) {
        while (pos < riga.size() && vuoto(riga[pos]))
            ++pos;
        qsizetype virgola;
        if (pos < riga.size() && riga[pos] == u'"') {
            const qsizetype chiusa = riga.indexOf(u'"', pos + 1);
            if (chiusa < 0)
                return false;
            campi.append({riga.mid(pos + 1, chiusa - pos - 1).toString(), numero});
            virgola = riga.indexOf(u',', chiusa + 1);   // anything after the quote is ignored
        } else {
            virgola = riga.indexOf(u',', pos);
            qsizetype fine = virgola < 0 ? riga.size() : virgola;
            while (fine > pos && vuoto(riga[fine - 1]))
                --fine;
            campi.append({riga.mid(pos, fine - pos).toString(), numero});
        }
        if (virgola < 0)
            return true;
        pos = virgola + 1;   // a comma at the end of a line leaves one empty field
    }
}

} // namespace

std::optional<ErroreElenco> LettoreElenchi::dividiCampi(const QString& testo, const QString& nome,
                                                        QList<Campo>& campi)
{
    QList<Campo> letti;
    int numero = 0;
    qsizetype inizio = 0;
    const QStringView tutto(testo);
    while (inizio < tutto.size()) {
        qsizetype fine = inizio;
        while (fine < tutto.size() && tutto[fine] != u'\r' && tutto[fine] != u'\n')
            ++fine;
        ++numero;
        if (!dividiRiga(tutto.mid(inizio, fine - inizio), numero, letti)) {
            return ErroreElenco{nome, numero,
                                QStringLiteral("le virgolette aperte non sono chiuse sulla stessa riga.")};
        }
        if (fine < tutto.size() && tutto[fine] == u'\r' && fine + 1 < tutto.size() && tutto[fine + 1] == u'\n')
            ++fine;
        inizio = fine + 1;
    }
    campi = std::move(letti);
    return std::nullopt;
}

std::optional<ErroreElenco> LettoreElenchi::leggiCampi(const QString& nome, QList<Campo>& campi) const
{
    const QString percorso = trovaFile(nome);
    if (percorso.isEmpty())
        return ErroreElenco{nome, 0, QStringLiteral("il file non si trova nella cartella testi.")};
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può aprire.")};
    const QByteArray dati = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ErroreElenco{nome, 0, QStringLiteral("il file non si può leggere fino in fondo.")};
    file.close();
    return dividiCampi(decodifica(dati), nome, campi);
}

std::optional<ErroreElenco> LettoreElenchi::caricaElenco(const QStringList& nomi, QStringList& elenco,
                                                         int limite) const
{
    QStringList voci;
    for (const QString& nome : nomi) {
        QList<Campo> campi;
        if (auto errore = leggiCampi(nome, campi))
            return errore;
        for (const Campo& campo : std::as_const(campi)) {
            if (voci.size() >= limite) {
                return ErroreElenco{nome, campo.riga,
                                    QStringLiteral("l'elenco supera il limite di %1 parole.").arg(limite)};
            }
            voci.append(campo.testo);
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
    if (auto errore = leggiCampi(nome, campi))
        return errore;
    Tabella record;
    QList<int> inizi;
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
        for (qsizetype j = 0; j < campiPerRecord; ++j)
            campiRecord.append(campi[i + j].testo);
        record.append(campiRecord);
        inizi.append(campi[i].riga);
    }
    tabella = std::move(record);
    if (righe)
        *righe = std::move(inizi);
    return std::nullopt;
}
