#include "drills/registro.h"

#include "drills/choice/due_scelte.h"
#include "drills/choice/finestra_due_scelte.h"
#include "drills/arrangement/finestra_cataloga.h"
#include "drills/arrangement/finestra_collettivi.h"
#include "drills/arrangement/finestra_composti.h"

namespace {

template <int Form>
FinestraEsercizio* dueScelte(Contesto& contesto, Navigazione& navigazione)
{
    return new FinestraDueScelte(contesto, navigazione, *configDueScelte(Form));
}

template <class Finestra>
FinestraEsercizio* tavola(Contesto& contesto, Navigazione& navigazione)
{
    return new Finestra(contesto, navigazione);
}

// clang-format off
constexpr std::array<VoceEsercizio, 17> voci = {{
    { "Command2",  "maschile femminile",                    480,  630, 13.5,   1, &dueScelte<1> },
    { "Command3",  "singolare plurale",                     480, 3990, 13.5,   5, &dueScelte<5> },
    { "Command4",  "maschile femminile singolare plurale", 3405,  630,  9.75,  8, nullptr },
    { "Command5",  "proprio comune",                       3405, 2310, 13.5,  10, &dueScelte<10> },
    { "Command6",  "concreto astratto",                    3405, 1470, 13.5,   9, &dueScelte<9> },
    { "Command7",  "volgi al  femminile",                   480, 1470, 13.5,   2, nullptr },
    { "Command8",  "volgi al  maschile",                    480, 2310, 13.5,   3, nullptr },
    { "Command9",  "volgi al  plurale",                     480, 4830, 13.5,   6, nullptr },
    { "Command10", "volgi al  singolare",                   480, 5670, 13.5,   7, nullptr },
    { "Command11", "derivato da....",                      3405, 3150, 13.5,  11, nullptr },
    { "Command12", "alterato di....",                      3405, 3990, 13.5,  12, nullptr },
    { "Command13", "primitivo derivato alterato",          3405, 4830, 12,    13, nullptr },
    { "Command14", "cataloga gli alterati",                3405, 5670, 12,    14, &tavola<FinestraCataloga> },
    { "Command15", "falsi maschili-femminili",              480, 3150, 12,     4, &dueScelte<4> },
    { "Command16", "falsi alterati",                       6360,  600, 12,    15, &dueScelte<15> },
    { "Command17", "collettivi",                           6375, 1500, 12,    16, &tavola<FinestraCollettivi> },
    { "Command18", "composti",                             6375, 2340, 12,    17, &tavola<FinestraComposti> },
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
