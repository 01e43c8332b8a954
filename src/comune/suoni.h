// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class SorgenteCasuale;

enum class Suono { Si1, Si2, Si3, Si4, No };

// Plays the program's sounds. Playing returns at once; a new sound stops the
// one still playing. A missing file is silent.
class RiproduttoreSuoni {
public:
    virtual ~RiproduttoreSuoni() = default;
    virtual void riproduci(Suono suono) = 0;
    // Gets the sounds ready before the first answer; nothing by default.
    virtual void prepara() {}
};

namespace Suoni {

// File name of a sound in the folder "suoni": "si1.wav" .. "si4.wav", "no.wav".
QString nomeFile(Suono suono);

// SuonoSi: one of the four right-answer sounds, k = Int(Rnd × 4) + 1.
void si(SorgenteCasuale& casuale, RiproduttoreSuoni& riproduttore);

// SuonoNo: the wrong-answer sound; draws no random value.
void no(RiproduttoreSuoni& riproduttore);

} // namespace Suoni
