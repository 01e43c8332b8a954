// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/elenchi.h"
#include "frame/cornice.h"
#include "frame/vista.h"

#include <QStringList>
#include <optional>
#include <utility>

struct Contesto;

// Where the window puts the keyboard focus when it next shows the state: it
// stays where it is, or goes to the first control the pupil answers with, or
// to "avanti".
enum class Fuoco { Resta, Risposta, Avanti };

// The logic of one exercise window. The frame's steps are written here once;
// a drill adds its loader, its next-item routine and its lock and unlock
// steps for the waiting state, and judges with esatto() and errato() (or
// segnaEsatto() and prosegui() apart, where scoring and going on differ).
//
// Every action ends by telling the view to show the new state; the view also
// receives the one-off steps (message boxes, the answer box, the way back).
class Esercizio {
public:
    explicit Esercizio(Contesto& contesto);
    virtual ~Esercizio();

    Esercizio(const Esercizio&) = delete;
    Esercizio& operator=(const Esercizio&) = delete;

    // The window that shows this logic; null disconnects it.
    void collega(Vista* vista);

    // Start-up of the window: the frame's steps, CaricaElenchi and the first
    // item. A fault in a word list stops it before anything is shown.
    std::optional<ErroreElenco> avvia();
    bool avviato() const { return avviato_; }

    // The frame's handlers, the same in every window.
    void avanti();                  // BottoneAvanti, only while it is enabled
    void azzera();                  // "Azzera conteggio"
    void impostaSuono(bool attivo); // "sì" or "no" of "Suono?"
    void informazioni();            // "Informazioni": the about box
    void esci();                    // "Esci": asks, and on "Sì" back to the menu
    // Ctrl+L, or a click on the word shown: the window's word read aloud.
    void leggiParola();

    const Cornice& cornice() const { return cornice_; }

    // What a screen reader speaks after the last action that had something to
    // say: the judgement of an answer with both counts, then the item when a
    // new one came. numeroAnnuncio() grows with every new sentence, so that
    // the window has each spoken once.
    const QString& annuncio() const { return annuncio_; }
    int numeroAnnuncio() const { return numeroAnnuncio_; }

    // Where the focus goes: asked once, and taken by the window. A new item
    // sends it to the first answer control, a right answer that waits for
    // "avanti" to that button.
    Fuoco prendiFuoco() { return std::exchange(fuoco_, Fuoco::Resta); }

    // The item on show, as a screen reader reads it when it comes.
    virtual QString descrizione() const { return {}; }

protected:
    virtual std::optional<ErroreElenco> caricaElenchi() = 0;
    virtual void presentaElemento() = 0;
    virtual void blocca() = 0;     // no second answer to an answered item
    virtual void sblocca() = 0;
    // The window's word, as it is read aloud: what the item box shows,
    // unless the drill says otherwise.
    virtual QString parolaDaLeggere() const = 0;

    Vista& vista() const { return *vista_; }
    // Tells the view that the state changed, with the sentence for a screen
    // reader made of the parts said since the last time.
    void mostra();
    // A part of the next sentence, and where the focus goes.
    void annuncia(const QString& parte);
    void chiediFuoco(Fuoco fuoco) { fuoco_ = fuoco; }

    // CaricaColori: a new palette colour for the window.
    void caricaColori() { cornice_.caricaColori(); }

    // SegnaEsatto alone: face, count, sound.
    void segnaEsatto();
    // A right answer: SegnaEsatto, then the going-on rule.
    void esatto();
    // The going-on rule after a right answer: wait for "avanti" with the
    // answers locked, or present the next item at once.
    void prosegui();
    // A wrong answer: SegnaErrato; the item stays.
    void errato();
    // "Aiutami": the expected answer in a message box, then one point off
    // the right answers.
    void aiuta(const QString& risposta);
    // Reads `testo` aloud, once the window has started and while its sound
    // is on; a text with no word in it is not read. It never delays the drill.
    void leggi(const QString& testo);

    Contesto& contesto;

private:
    // PresentaElemento, and the new item said and given the focus.
    void presenta();

    Cornice cornice_;
    Vista nessunaVista;
    Vista* vista_ = &nessunaVista;
    bool avviato_ = false;
    QStringList parti;
    QString annuncio_;
    int numeroAnnuncio_ = 0;
    Fuoco fuoco_ = Fuoco::Resta;
};
