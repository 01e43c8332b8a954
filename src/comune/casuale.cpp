// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/casuale.h"

#include <algorithm>
#include <chrono>
#include <cmath>

int SorgenteCasuale::estrai(int n)
{
    const float prodotto = rnd() * static_cast<float>(n);
    const int indice = static_cast<int>(std::floor(prodotto)) + 1;
    return std::clamp(indice, 1, std::max(n, 1));
}

CasualeOrologio::CasualeOrologio()
    : CasualeOrologio(static_cast<quint32>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

CasualeOrologio::CasualeOrologio(quint32 seme)
    : motore(seme)
{
}

float CasualeOrologio::rnd()
{
    // 24 random bits give every float k / 2^24 in [0, 1) exactly.
    return static_cast<float>(motore() >> 8) * (1.0f / 16777216.0f);
}
