#pragma once

#include "app/elenchi.h"
#include "frame/cornice.h"

#include <optional>

struct Contesto;

// The logic of one exercise window. The frame's steps are written here once;
// a drill adds its loader, its next-item routine and its lock and unlock
// steps for the waiting state, and calls esatto() or errato() to judge.
class Esercizio {
public:
    explicit Esercizio(Contesto& contesto);
    virtual ~Esercizio();

    // Start-up of the window: the frame's steps, CaricaElenchi and the first
    // item. A fault in a word list stops it before anything is shown.
    std::optional<ErroreElenco> avvia();
    bool avviato() const { return avviato_; }

    // The "avanti" button: only while it is enabled.
    void avanti();

    Cornice& cornice() { return cornice_; }
    const Cornice& cornice() const { return cornice_; }

protected:
    virtual std::optional<ErroreElenco> caricaElenchi() = 0;
    virtual void presentaElemento() = 0;
    virtual void blocca() = 0;     // no second answer to an answered item
    virtual void sblocca() = 0;

    // A right answer: SegnaEsatto, then wait for "avanti" or go on at once.
    void esatto();
    // A wrong answer: SegnaErrato; the item stays.
    void errato();

    Contesto& contesto;

private:
    Cornice cornice_;
    bool avviato_ = false;
};
