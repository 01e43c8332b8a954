// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <array>

class SorgenteCasuale;

// Colours are kept as &H00BBGGRR values: blue, green and red bytes.
using ColoreVb = quint32;

namespace Colori {

inline constexpr ColoreVb Nero = 0x00000000;
inline constexpr ColoreVb Bianco = 0x00FFFFFF;
inline constexpr ColoreVb Rosso = 0x000000FF;
inline constexpr ColoreVb GrigioChiaro = 0x00C0C0C0;
// The light cyan of the instructions above a drill.
inline constexpr ColoreVb Celeste = 0x00FFFF80;

// The palette Tavolozza: entries 1 to 18 (entry 0 is never used). The light
// pink stands twice, at 14 and 15, so it comes up twice as often.
const std::array<ColoreVb, 19>& tavolozza();

// CaricaColori's draw: k = Int(Rnd × 18) + 1, and the palette colour k.
ColoreVb estrai(SorgenteCasuale& casuale);

// The contrast of two colours, from 1 (the same) to 21 (black and white),
// as the guidelines for readable text on screen measure it.
double contrasto(ColoreVb a, ColoreVb b);

// The colour text given as `testo` is drawn in on `sfondo`: itself where it
// reads well there (4.5:1), otherwise black or white, whichever reads better.
ColoreVb leggibile(ColoreVb testo, ColoreVb sfondo);

// Red, green and blue bytes of a colour.
inline constexpr int rosso(ColoreVb c) { return int(c & 0xFF); }
inline constexpr int verde(ColoreVb c) { return int((c >> 8) & 0xFF); }
inline constexpr int blu(ColoreVb c) { return int((c >> 16) & 0xFF); }

} // namespace Colori
