// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/suoni.h"

#include "comune/casuale.h"

#include <array>

namespace Suoni {

QString nomeFile(Suono suono)
{
    switch (suono) {
    case Suono::Si1: return QStringLiteral("si1.wav");
    case Suono::Si2: return QStringLiteral("si2.wav");
    case Suono::Si3: return QStringLiteral("si3.wav");
    case Suono::Si4: return QStringLiteral("si4.wav");
    case Suono::No: break;
    }
    return QStringLiteral("no.wav");
}

void si(SorgenteCasuale& casuale, RiproduttoreSuoni& riproduttore)
{
    static constexpr std::array<Suono, 4> giusti = {Suono::Si1, Suono::Si2, Suono::Si3, Suono::Si4};
    riproduttore.riproduci(giusti[static_cast<std::size_t>(casuale.estrai(4) - 1)]);
}

void no(RiproduttoreSuoni& riproduttore)
{
    riproduttore.riproduci(Suono::No);
}

} // namespace Suoni
