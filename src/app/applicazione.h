#pragma once

#include "app/contesto.h"
#include "app/elenchi.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class FinestraEsercizio;

// The program's windows and how the pupil moves between them. Exactly one
// window is open at a time: the title screen, the menu or one exercise.
class Applicazione {
public:
    // `cartellaProgramma` holds the folders "testi" and "suoni".
    Applicazione(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni,
                 const QString& cartellaProgramma);
    ~Applicazione();

    Applicazione(const Applicazione&) = delete;
    Applicazione& operator=(const Applicazione&) = delete;

    Contesto& contesto() { return contesto_; }

    // The title screen FormAvvio.
    void avvia();

    // A fresh FormMenu takes the place of `precedente`.
    void mostraMenu(QWidget* precedente);

    // A menu button: the exercise window "Form<form>" takes the menu's place.
    // A word-list fault is told and a fresh menu comes back.
    void apriEsercizio(int form, QWidget* menu);

    // A fault found while the exercise was starting: told, then back to a fresh menu.
    void erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore);

    // "Esci" of an exercise window: asks, and on "Sì" goes back to a fresh menu.
    void tornaAlMenu(QWidget* esercizio);

    // "Esci" of the menu: asks, and on "Sì" ends the program.
    void esciProgramma(QWidget* menu);


private:
    void sostituisci(QWidget* nuova, QWidget* precedente);

    LettoreElenchi lettore;
    Contesto contesto_;
    QPointer<QWidget> corrente;
};
