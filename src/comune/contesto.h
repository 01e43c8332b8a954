// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/voce.h"

class StatoComune;
class SorgenteCasuale;
class RiproduttoreSuoni;
class LettoreElenchi;

// What an exercise's logic works with: the shared state, the random
// sequence, the sounds, the word lists and the voice that reads words aloud
// (none where the program reads nothing aloud, as the list checker).
struct Contesto {
    StatoComune& stato;
    SorgenteCasuale& casuale;
    RiproduttoreSuoni& suoni;
    const LettoreElenchi& lettore;
    Voce& voce = Voce::muta();
};
