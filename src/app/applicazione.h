// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "frame/navigazione.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QCloseEvent;

// The program's windows and how the pupil moves between them: the one place
// that knows every window. Exactly one window is open at a time: the title
// screen, the menu or one exercise.
class Applicazione final : public Navigazione {
public:
    // `cartellaProgramma` holds the folders "testi" and "suoni"; the word
    // lists of `cartellaInsegnante`, when it exists, are read first.
    Applicazione(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                 const QString& cartellaProgramma, const QString& cartellaInsegnante = {});
    // The word lists of `cartelleElenchi`, each file from the first folder that holds it.
    Applicazione(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                 const QStringList& cartelleElenchi);
    ~Applicazione() override;

    Applicazione(const Applicazione&) = delete;
    Applicazione& operator=(const Applicazione&) = delete;

    Contesto& contesto() { return contesto_; }

    // The title screen FormAvvio.
    void avvia();

    // A fresh FormMenu takes the place of `precedente`.
    void mostraMenu(QWidget* precedente) override;

    // A fault found while an exercise was starting: told, then back to a fresh menu.
    void erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore) override;

    // A menu button: the exercise window "Form<form>" takes the menu's place.
    // A word-list fault is told and a fresh menu comes back.
    void apriEsercizio(int form, QWidget* menu);

    // "Esci" of the menu: asks, and on "Sì" ends the program.
    void esciProgramma(QWidget* menu);

    // The close of the menu or the title screen: one asked by the frame
    // (Alt+F4, the title bar) is refused, and "Esci"'s question follows
    // once the frame's close is over; true then. The program's own closes
    // go through.
    bool chiusaDallaCornice(QWidget* finestra, QCloseEvent* evento);

private:
    void sostituisci(QWidget* nuova, QWidget* precedente);

    LettoreElenchi lettore;
    Contesto contesto_;
    QPointer<QWidget> corrente;
    QPointer<QWidget> domandaPer;   // the window whose close waits for its question
};
