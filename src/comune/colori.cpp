// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/colori.h"

#include "comune/casuale.h"

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

ColoreVb estrai(SorgenteCasuale& casuale)
{
    return tavolozza()[static_cast<std::size_t>(casuale.estrai(18))];
}

} // namespace Colori
