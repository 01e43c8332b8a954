#include "frame/esercizio.h"

Esercizio::Esercizio(Contesto& c)
    : contesto(c)
    , cornice_(c)
{
}

Esercizio::~Esercizio() = default;

std::optional<ErroreElenco> Esercizio::avvia()
{
    cornice_.avvia();
    if (auto errore = caricaElenchi())
        return errore;
    presentaElemento();
    avviato_ = true;
    return std::nullopt;
}

void Esercizio::avanti()
{
    if (!cornice_.avantiAbilitato())
        return;
    cornice_.abilitaAvanti(false);
    sblocca();
    presentaElemento();
}

void Esercizio::esatto()
{
    cornice_.segnaEsatto();
    if (cornice_.avantiVisibile()) {
        cornice_.abilitaAvanti(true);
        blocca();
    } else {
        presentaElemento();
    }
}

void Esercizio::errato()
{
    cornice_.segnaErrato();
}
