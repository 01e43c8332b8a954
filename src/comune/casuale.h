// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <random>

// The program's one random sequence: uniform single-precision values in [0, 1).
// Every draw of the program (colours, sounds, items) goes through one instance.
class SorgenteCasuale {
public:
    virtual ~SorgenteCasuale() = default;

    // The next value of the sequence, in [0, 1).
    virtual float rnd() = 0;

    // Int(Rnd × n) + 1, with the product taken in single precision: a whole
    // number from 1 to n, each with equal chance. Gives 1 when n is 0 or less.
    int estrai(int n);
};

// The production sequence, seeded once from the clock.
class CasualeOrologio final : public SorgenteCasuale {
public:
    CasualeOrologio();
    explicit CasualeOrologio(quint32 seme);
    float rnd() override;

private:
    std::mt19937 motore;
};
