// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/cartelle.h"
#include "comune/elenchi.h"
#include "drills/verifica_elenchi.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Where the list in use comes from: the folders the program reads, in order.
enum class Provenienza { Insegnante, Aula, Fornito, Nessuna };

// "la tua cartella", "l'aula", "fornito con il programma".
QString nomeProvenienza(Provenienza provenienza);

// A list as the editor opens it.
struct ElencoAperto {
    Tabella tabella;
    Provenienza provenienza = Provenienza::Nessuna;
    QString percorso;                     // the file read; empty when no folder holds it
    std::optional<ErroreElenco> errore;   // why it was not read whole: the table holds what could be read
};

// The lists as the editor reads and writes them: read as the program reads
// them, written into the teacher's folder (or the room's, for one who may
// write it), whole or not at all. The shipped lists are never written.
class ArchivioElenchi {
public:
    explicit ArchivioElenchi(CartelleProgramma cartelle);

    const CartelleProgramma& cartelle() const { return cartelle_; }

    Provenienza provenienza(const QString& file) const;
    ElencoAperto apri(const DescrizioneElenco& elenco) const;

    // A file of any name read with the reader's rules as the list `elenco`;
    // the fault at its line when the program would refuse it.
    std::optional<ErroreElenco> importa(const DescrizioneElenco& elenco, const QString& percorso,
                                        Tabella& tabella) const;

    // Where the list is saved in the teacher's folder (her spelling of the name when she has one).
    QString percorsoInsegnante(const QString& file) const;
    // The room's folder that this user may write, empty when none.
    QString cartellaAula() const;
    // Where the list is saved in `cartella`.
    static QString percorsoIn(const QString& cartella, const QString& file);

    // What a file holds now; none when there is no file.
    static std::optional<QByteArray> contenuto(const QString& percorso);

    // Writes the table as a list into `percorso`, whole or not at all; the
    // reason in Italian when it could not.
    static std::optional<QString> scrivi(const QString& percorso, const Tabella& tabella);

    // The teacher's copy set aside: where "Torna all'elenco fornito" keeps it.
    QString percorsoRiserva(const QString& file) const;
    // Her copy of the list moved aside, so that the list in use is the room's or the shipped one.
    std::optional<QString> mettiDaParte(const QString& file) const;
    // A copy of her list set aside, her list left in place.
    std::optional<QString> copiaDaParte(const QString& file) const;
    // The copy set aside brought back as her list.
    std::optional<QString> riprendi(const QString& file) const;

private:
    CartelleProgramma cartelle_;
};

// One of the sixteen lists as the editor's overview shows it.
struct SchedaElenco {
    DescrizioneElenco descrizione;
    QStringList esercizi;                 // the menu captions of the exercises that read it
    int record = 0;                       // records of the list in use
    Provenienza provenienza = Provenienza::Nessuna;
    std::optional<ErroreElenco> guasto;   // the first fault that keeps an exercise from opening
};

// The sixteen lists, in the order a teacher meets them.
QList<SchedaElenco> schedeElenchi(const ArchivioElenchi& archivio, const QList<EsercizioDaVerificare>& esercizi);
