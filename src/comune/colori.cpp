// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/colori.h"

#include "comune/casuale.h"

#include <algorithm>
#include <cmath>

namespace Colori {

const std::array<ColoreVb, 19>& tavolozza()
{
    static constexpr std::array<ColoreVb, 19> valori = {
        0,
        0x00C0C0FF, 0x008080FF, 0x000000FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
        0x0000FFFF, 0x000040C0, 0x0080FF80, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
        0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FF0000, 0x00FF00FF,
    };
    return valori;
}

namespace {

// The relative luminance of a colour, its bytes taken out of sRGB's curve.
double luminanza(ColoreVb c)
{
    auto lineare = [](int byte) {
        const double v = byte / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(rosso(c)) + 0.7152 * lineare(verde(c)) + 0.0722 * lineare(blu(c));
}

} // namespace

double contrasto(ColoreVb a, ColoreVb b)
{
    const double la = luminanza(a);
    const double lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColoreVb leggibile(ColoreVb testo, ColoreVb sfondo)
{
    constexpr double Leggibile = 4.5;
    if (contrasto(testo, sfondo) >= Leggibile)
        return testo;
    return contrasto(Nero, sfondo) >= contrasto(Bianco, sfondo) ? Nero : Bianco;
}

ColoreVb estrai(SorgenteCasuale& casuale)
{
    return tavolozza()[static_cast<std::size_t>(casuale.estrai(18))];
}

} // namespace Colori
