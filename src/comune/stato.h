// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <array>

// The program-wide variables shared by the windows. Only the window that is
// open touches them.
class StatoComune {
public:
    static constexpr int MassimoVoci = 500;   // entries per list, at indices 1..500

    qint16 contaEsatti = 0;     // right answers in the current exercise
    qint16 contaErrati = 0;     // wrong answers in the current exercise
    qint16 elencoScelto = 0;    // what the current window makes of it: list, class or index
    bool attendiBottone = false;

    // The four word lists Elenco1..Elenco4 and their counts Quanti1..Quanti4.
    // Entry i of list n is elenco[n - 1][i - 1].
    std::array<QStringList, 4> elenco;
    std::array<qint16, 4> quanti{};

    // Entry i (1-based) of list n (1 to 4); empty outside the list.
    QString voce(int lista, int indice) const;

    // Puts entries into list n and sets its count.
    void riempi(int lista, const QStringList& voci);

    // The counters stop at the bounds of a 16-bit count instead of overflowing.
    static qint16 somma(qint16 valore, int delta);
};
