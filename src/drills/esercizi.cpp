// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/esercizi.h"

#include "drills/arrangement/cataloga.h"
#include "drills/arrangement/collettivi.h"
#include "drills/arrangement/composti.h"
#include "drills/choice/due_scelte.h"
#include "drills/choice/griglia.h"
#include "drills/choice/tre_scelte.h"
#include "drills/typed/scritte.h"

std::unique_ptr<Esercizio> creaEsercizio(int form, Contesto& contesto)
{
    if (const ConfigDueScelte* config = configDueScelte(form))
        return std::make_unique<LogicaDueScelte>(contesto, *config);
    if (const ConfigScritta* config = configScritta(form))
        return std::make_unique<LogicaScritta>(contesto, *config);
    switch (form) {
    case 8:
        return std::make_unique<LogicaGriglia>(contesto);
    case 13:
        return std::make_unique<LogicaTreScelte>(contesto);
    case 14:
        return std::make_unique<LogicaCataloga>(contesto);
    case 16:
        return std::make_unique<LogicaCollettivi>(contesto);
    case 17:
        return std::make_unique<LogicaComposti>(contesto);
    default:
        return nullptr;
    }
}
