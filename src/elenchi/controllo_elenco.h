// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/elenchi.h"
#include "drills/verifica_elenchi.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

// What the editor tells of one place of a list: a fault, which keeps an
// exercise from opening and the list from being saved, or a warning.
struct Segnalazione {
    int riga = 0;      // the record's row, 1-based (its line in the saved file); 0: the list as a whole
    int colonna = 0;   // the field, 1-based; 0: the whole record
    QString testo;     // in Italian, "riga N: …" when it is on a row
};

struct EsitoControllo {
    QList<Segnalazione> guasti;
    QList<Segnalazione> avvisi;

    bool buono() const { return guasti.isEmpty(); }
};

// The shape of the list's records as the exercises read them.
FormaRecord formaDi(const DescrizioneElenco& elenco);

// One field as a saved file holds it: in double quotes when it holds a
// separator, a quote at its start, or blanks at its ends.
QString campoSalvato(const QString& parola);

// A list as it is saved: one record a line, fields joined by commas.
QString testoDi(const Tabella& tabella);

// Those of `esercizi` that read the file `file`, in their order, found by
// starting each of them over the lists of `cartelle` with that file made
// unreadable.
QList<EsercizioDaVerificare> eserciziCheLeggono(const QString& file, const QStringList& cartelle,
                                               const QList<EsercizioDaVerificare>& esercizi);

// The check of one list while it is edited, with the reader's and the
// exercises' own rules: each record as the reader reads a line, each field
// as it reads a word, then the whole list as every exercise that reads it
// opens, with the other lists from `cartelle`.
class ControlloElenco {
public:
    // `esercizi`: the exercises of the menu; `fornita`: the shipped folder,
    // where the exercises that read each list are found.
    ControlloElenco(const DescrizioneElenco& elenco, QStringList cartelle, const QList<EsercizioDaVerificare>& esercizi,
                    const QString& fornita);

    const DescrizioneElenco& elenco() const { return elenco_; }
    // The exercises that read this list, in the menu's order.
    const QList<EsercizioDaVerificare>& esercizi() const { return esercizi_; }

    EsitoControllo controlla(const Tabella& tabella) const;

private:
    // The faults of one record, at its row `riga`.
    void controllaRecord(const QStringList& record, int riga, QList<Segnalazione>& guasti) const;
    void avvisi(const Tabella& tabella, EsitoControllo& esito) const;

    DescrizioneElenco elenco_;
    FormaRecord forma;
    QStringList cartelle;
    QList<EsercizioDaVerificare> esercizi_;
    // The words of each other list of single words that the same exercises read, by file.
    QList<QPair<QString, QSet<QString>>> vicini;
};
