#pragma once

#include "app/elenchi.h"
#include "frame/cornice.h"
#include "frame/vista.h"

#include <optional>

struct Contesto;

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

protected:
    virtual std::optional<ErroreElenco> caricaElenchi() = 0;
    virtual void presentaElemento() = 0;
    virtual void blocca() = 0;     // no second answer to an answered item
    virtual void sblocca() = 0;
    // The window's word, as it is read aloud: what the item box shows,
    // unless the drill says otherwise.
    virtual QString parolaDaLeggere() const = 0;

    Vista& vista() const { return *vista_; }
    // Tells the view that the state changed.
    void mostra() { vista_->aggiorna(); }

    // CaricaColori: a new palette colour for the window.
    void caricaColori() { cornice_.caricaColori(); }

    // SegnaEsatto alone: face, count, sound.
    void segnaEsatto() { cornice_.segnaEsatto(); }
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
    Cornice cornice_;
    Vista nessunaVista;
    Vista* vista_ = &nessunaVista;
    bool avviato_ = false;
};
