// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/scelta.h"

#include "comune/contesto.h"
#include "comune/stato.h"

EsercizioAScelta::EsercizioAScelta(Contesto& c, int bottoni)
    : Esercizio(c)
    , colori(bottoni)
{
}

void EsercizioAScelta::premi(int bottone)
{
    if (!abilitati || !avviato() || bottone < 1 || bottone > colori.size())
        return;
    if (bottone == contesto.stato.elencoScelto) {
        premuto = bottone;
        esatto();
    } else {
        errato();
    }
    mostra();
}

void EsercizioAScelta::blocca()
{
    colori[premuto - 1] = Colori::Rosso;
    abilitati = false;
}

void EsercizioAScelta::sblocca()
{
    colori.fill(Colori::GrigioChiaro);
    abilitati = true;
}

std::optional<ColoreVb> EsercizioAScelta::coloreBottone(int bottone) const
{
    return colori.value(bottone - 1);
}
