// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/registro.h"

#include "drills/choice/due_scelte.h"
#include "drills/choice/finestra_griglia.h"
#include "drills/choice/finestra_scelta.h"
#include "drills/typed/finestra_scritta.h"
#include "drills/arrangement/finestra_cataloga.h"
#include "drills/arrangement/finestra_collettivi.h"
#include "drills/arrangement/finestra_composti.h"

namespace {

template <int Form>
FinestraEsercizio* dueScelte(Contesto& contesto, Navigazione& navigazione)
{
    return finestraDueScelte(contesto, navigazione, *configDueScelte(Form));
}

template <int Form>
FinestraEsercizio* scritta(Contesto& contesto, Navigazione& navigazione)
{
    return new FinestraScritta(contesto, navigazione, *configScritta(Form));
}

FinestraEsercizio* treScelte(Contesto& contesto, Navigazione& navigazione)
{
    return finestraTreScelte(contesto, navigazione);
}

// A window of its own kind, with no configuration.
template <class Finestra>
FinestraEsercizio* finestra(Contesto& contesto, Navigazione& navigazione)
{
    return new Finestra(contesto, navigazione);
}

// clang-format off
constexpr std::array<VoceEsercizio, 17> voci = {{
    { "Command2",  "maschile femminile",                    480,  630, 13.5,   1, &dueScelte<1> },
    { "Command3",  "singolare plurale",                     480, 3990, 13.5,   5, &dueScelte<5> },
    { "Command4",  "maschile femminile singolare plurale", 3405,  630,  9.75,  8, &finestra<FinestraGriglia> },
    { "Command5",  "proprio comune",                       3405, 2310, 13.5,  10, &dueScelte<10> },
    { "Command6",  "concreto astratto",                    3405, 1470, 13.5,   9, &dueScelte<9> },
    { "Command7",  "volgi al  femminile",                   480, 1470, 13.5,   2, &scritta<2> },
    { "Command8",  "volgi al  maschile",                    480, 2310, 13.5,   3, &scritta<3> },
    { "Command9",  "volgi al  plurale",                     480, 4830, 13.5,   6, &scritta<6> },
    { "Command10", "volgi al  singolare",                   480, 5670, 13.5,   7, &scritta<7> },
    { "Command11", "derivato da....",                      3405, 3150, 13.5,  11, &scritta<11> },
    { "Command12", "alterato di....",                      3405, 3990, 13.5,  12, &scritta<12> },
    { "Command13", "primitivo derivato alterato",          3405, 4830, 12,    13, &treScelte },
    { "Command14", "cataloga gli alterati",                3405, 5670, 12,    14, &finestra<FinestraCataloga> },
    { "Command15", "falsi maschili-femminili",              480, 3150, 12,     4, &dueScelte<4> },
    { "Command16", "falsi alterati",                       6360,  600, 12,    15, &dueScelte<15> },
    { "Command17", "collettivi",                           6375, 1500, 12,    16, &finestra<FinestraCollettivi> },
    { "Command18", "composti",                             6375, 2340, 12,    17, &finestra<FinestraComposti> },
}};
// clang-format on

} // namespace

const std::array<VoceEsercizio, 17>& registroEsercizi()
{
    return voci;
}

const VoceEsercizio* voceEsercizio(int form)
{
    for (const auto& voce : voci) {
        if (voce.form == form)
            return &voce;
    }
    return nullptr;
}
