// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

class SorgenteCasuale;

// The nine boxes of a column that the boards shuffle on screen, and the nine
// places they stand in.
namespace Posti {

inline constexpr int Caselle = 9;

// The top of place j (0 to 8) of the column, in twips.
inline constexpr int alto(int posto) { return 420 + 630 * posto; }

// ScombiccheraPosti: the place of each box, box i in place result[i]. Place
// j, from the top down, takes the first box not yet placed at or after a
// random start Int(Rnd × 9), wrapping from the last box to the first: one
// draw per place. Each box lands in each place with the same chance, but the
// orders are not equally likely (the boxes in their own order come up about
// once in 1068 times).
std::array<int, Caselle> scombicchera(SorgenteCasuale& casuale);

// The texts of the nine boxes, box i in place posti[i], from the top down,
// joined by commas, empty boxes left out: a board's words as they are spoken.
QString paroleDallAlto(const std::array<QString, Caselle>& testi, const std::array<int, Caselle>& posti);

} // namespace Posti
