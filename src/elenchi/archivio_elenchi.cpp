// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elenchi/archivio_elenchi.h"

#include "elenchi/controllo_elenco.h"
#include "drills/verifica_elenchi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Far above any bound of an exercise: the editor shows what the file holds, the check says what is too much.
constexpr int LimiteEditor = 100000;

// The folder of the teacher's copies set aside: hidden, so that the checker takes it for no list.
const QString Riserva = QStringLiteral(".copie di riserva");

bool stessaCartella(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

// A folder this user can make or write: itself when it exists, else the nearest folder above it that exists.
bool scrivibile(const QString& cartella)
{
    QFileInfo info(cartella);
    for (int su = 0; su < 8 && !info.exists(); ++su)
        info = QFileInfo(info.absolutePath());
    return info.exists() && info.isDir() && info.isWritable();
}

} // namespace

QString nomeProvenienza(Provenienza provenienza)
{
    switch (provenienza) {
    case Provenienza::Insegnante:
        return QStringLiteral("la tua cartella");
    case Provenienza::Aula:
        return QStringLiteral("l'aula");
    case Provenienza::Fornito:
        return QStringLiteral("fornito con il programma");
    case Provenienza::Nessuna:
        break;
    }
    return QStringLiteral("nessuna cartella");
}

ArchivioElenchi::ArchivioElenchi(CartelleProgramma cartelle)
    : cartelle_(std::move(cartelle))
{
}

Provenienza ArchivioElenchi::provenienza(const QString& file) const
{
    const QString cartella = LettoreElenchi(cartelle_.elenchi()).cartellaDi(file);
    if (cartella.isEmpty())
        return Provenienza::Nessuna;
    if (stessaCartella(cartella, cartelle_.testi()))
        return Provenienza::Fornito;
    if (stessaCartella(cartella, cartelle_.insegnante))
        return Provenienza::Insegnante;
    return Provenienza::Aula;
}

ElencoAperto ArchivioElenchi::apri(const DescrizioneElenco& elenco) const
{
    ElencoAperto aperto;
    const LettoreElenchi lettore(cartelle_.elenchi());
    aperto.percorso = lettore.trovaFile(elenco.file);
    aperto.provenienza = provenienza(elenco.file);
    const FormaRecord forma = formaDi(elenco);
    if (forma.campi == 1) {
        QStringList parole;
        aperto.errore = lettore.caricaElenco({elenco.file}, parole, LimiteEditor);
        for (const QString& parola : std::as_const(parole))
            aperto.tabella.append(QStringList{parola});
    } else {
        aperto.errore = lettore.caricaRecord(elenco.file, forma, LimiteEditor, aperto.tabella);
    }
    if (!aperto.errore)
        return aperto;
    // Not read whole: each line's fields as records of the list's shape, so that she can put them right.
    QList<Campo> campi;
    if (lettore.leggiCampi(elenco.file, campi))
        return aperto;
    for (const Campo& campo : std::as_const(campi)) {
        if (campo.primo || aperto.tabella.isEmpty() || aperto.tabella.last().size() >= forma.campi)
            aperto.tabella.append(QStringList{});
        aperto.tabella.last().append(campo.testo);
    }
    return aperto;
}

std::optional<ErroreElenco> ArchivioElenchi::importa(const DescrizioneElenco& elenco, const QString& percorso,
                                                     Tabella& tabella) const
{
    const QFileInfo info(percorso);
    const LettoreElenchi lettore(QStringList{info.absolutePath()});
    const FormaRecord forma = formaDi(elenco);
    Tabella letta;
    if (forma.campi == 1) {
        QStringList parole;
        if (auto errore = lettore.caricaElenco({info.fileName()}, parole, LimiteEditor))
            return errore;
        for (const QString& parola : std::as_const(parole))
            letta.append(QStringList{parola});
    } else if (auto errore = lettore.caricaRecord(info.fileName(), forma, LimiteEditor, letta)) {
        return errore;
    }
    tabella = std::move(letta);
    return std::nullopt;
}

QString ArchivioElenchi::percorsoIn(const QString& cartella, const QString& file)
{
    const QString suo = LettoreElenchi::percorsoIn(cartella, file);
    return suo.isEmpty() ? QDir(cartella).filePath(file) : suo;
}

QString ArchivioElenchi::percorsoInsegnante(const QString& file) const
{
    return cartelle_.insegnante.isEmpty() ? QString() : percorsoIn(cartelle_.insegnante, file);
}

QString ArchivioElenchi::cartellaAula() const
{
    for (const QString& cartella : cartelle_.sistema) {
        if (!stessaCartella(cartella, cartelle_.testi()) && scrivibile(cartella))
            return cartella;
    }
    return {};
}

std::optional<QByteArray> ArchivioElenchi::contenuto(const QString& percorso)
{
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QString> ArchivioElenchi::scrivi(const QString& percorso, const Tabella& tabella)
{
    const QFileInfo info(percorso);
    const QString cartella = QDir::toNativeSeparators(info.absolutePath());
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("la cartella %1 non si può creare.").arg(cartella);
    const QByteArray dati = testoDi(tabella).toUtf8();
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("nella cartella %1 non si può scrivere. Il file di prima è rimasto com'era.").arg(cartella);
    // QSaveFile commits a file cut short when the disk fills up during the
    // last flush: the flush is made and checked here, before the commit.
    if (file.write(dati) != dati.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return QStringLiteral("il file non si è potuto scrivere per intero (il disco è pieno?). Il file di prima è "
                              "rimasto com'era.");
    }
    if (!file.commit()) {
        return QStringLiteral("il file non si è potuto scrivere per intero (il disco è pieno?). Il file di prima è "
                              "rimasto com'era.");
    }
    return std::nullopt;
}

QString ArchivioElenchi::percorsoRiserva(const QString& file) const
{
    return cartelle_.insegnante.isEmpty() ? QString() : QDir(QDir(cartelle_.insegnante).filePath(Riserva)).filePath(file);
}

std::optional<QString> ArchivioElenchi::mettiDaParte(const QString& file) const
{
    const QString suo = LettoreElenchi::percorsoIn(cartelle_.insegnante, file);
    if (cartelle_.insegnante.isEmpty() || suo.isEmpty())
        return QStringLiteral("nella tua cartella non c'è questo elenco.");
    const QString riserva = percorsoRiserva(QFileInfo(suo).fileName());
    if (!QDir().mkpath(QFileInfo(riserva).absolutePath()))
        return QStringLiteral("la copia di riserva non si può fare: nella tua cartella non si può scrivere.");
    QFile::remove(riserva);
    if (!QFile::rename(suo, riserva))
        return QStringLiteral("il tuo elenco non si può spostare tra le copie di riserva.");
    return std::nullopt;
}

std::optional<QString> ArchivioElenchi::copiaDaParte(const QString& file) const
{
    const QString suo = LettoreElenchi::percorsoIn(cartelle_.insegnante, file);
    if (cartelle_.insegnante.isEmpty() || suo.isEmpty())
        return std::nullopt;   // nothing of hers to keep
    const QString riserva = percorsoRiserva(QFileInfo(suo).fileName());
    QFile::remove(riserva);
    if (!QDir().mkpath(QFileInfo(riserva).absolutePath()) || !QFile::copy(suo, riserva))
        return QStringLiteral("la copia di riserva del tuo elenco non si può fare.");
    return std::nullopt;
}

std::optional<QString> ArchivioElenchi::riprendi(const QString& file) const
{
    const QString riserva = LettoreElenchi::percorsoIn(QFileInfo(percorsoRiserva(file)).absolutePath(), file);
    if (riserva.isEmpty())
        return QStringLiteral("non c'è nessuna copia di riserva di questo elenco.");
    if (!LettoreElenchi::percorsoIn(cartelle_.insegnante, file).isEmpty())
        return QStringLiteral("nella tua cartella c'è già questo elenco: prima torna all'elenco fornito.");
    if (!QFile::rename(riserva, QDir(cartelle_.insegnante).filePath(QFileInfo(riserva).fileName())))
        return QStringLiteral("la copia di riserva non si può rimettere nella tua cartella.");
    return std::nullopt;
}

QList<SchedaElenco> schedeElenchi(const ArchivioElenchi& archivio, const QList<EsercizioDaVerificare>& esercizi)
{
    const LettoreElenchi lettore(archivio.cartelle().elenchi());
    const EsitoVerifica esito = verificaElenchi(lettore, esercizi);
    QList<SchedaElenco> schede;
    for (const DescrizioneElenco& elenco : descrizioniElenchi()) {
        SchedaElenco scheda;
        scheda.descrizione = elenco;
        for (const EsercizioDaVerificare& esercizio :
             eserciziCheLeggono(elenco.file, {archivio.cartelle().testi()}, esercizi))
            scheda.esercizi.append(esercizio.nome);
        const ElencoAperto aperto = archivio.apri(elenco);
        scheda.record = int(aperto.tabella.size());
        scheda.provenienza = aperto.provenienza;
        scheda.guasto = aperto.errore;
        for (const Problema& problema : esito.problemi) {
            if (!scheda.guasto && problema.errore.file.compare(elenco.file, Qt::CaseInsensitive) == 0)
                scheda.guasto = problema.errore;
        }
        schede.append(scheda);
    }
    return schede;
}
