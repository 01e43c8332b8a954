// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/arrangement/posti.h"
#include "frame/esercizio.h"

#include <array>

// "collettivi": nine collective nouns in the first column, shuffled, and in
// the second what each is a set of, in the order drawn. The pupil drags a
// noun onto its partner; a right drop empties the noun's box and writes the
// pair as a sentence in the partner's box. Nine matches end a board.
//
// Box i of both columns belongs to pair i; only the places of the first
// column are shuffled.
class LogicaCollettivi final : public Esercizio {
public:
    static constexpr int Coppie = Posti::Caselle;

    explicit LogicaCollettivi(Contesto& contesto);

    // Box `sorgente` of the first column dropped on box `bersaglio` of the
    // second (0 to 8 each).
    void lascia(int sorgente, int bersaglio);
    // A click on a box of the first or the second column: its words read
    // aloud. The window's word is the nouns still to drag, from the top down.
    void leggiNome(int casella);
    void leggiInsieme(int casella);

    // The first column (Label3): texts, whether each can be dragged, and the
    // place (0 to 8) each stands in.
    const std::array<QString, Coppie>& nomi() const { return nomi_; }
    const std::array<bool, Coppie>& trascinabili() const { return trascinabili_; }
    const std::array<int, Coppie>& posti() const { return posti_; }
    // The second column (Label4).
    const std::array<QString, Coppie>& insiemi() const { return insiemi_; }
    // Box i of the second column as a screen reader names it: what it is a
    // set of, and once matched the whole pair.
    QString nomeInsieme(int i) const;

    // What the pupil is asked to do, shown above the columns.
    static QString istruzione();
    // A new board as a screen reader says it: the instruction, then both
    // columns, top down.
    QString descrizione() const override;

    // The record numbers (1-based) of the board's pairs, and how many are matched.
    const std::array<int, Coppie>& coppieScelte() const { return coppie; }
    int abbinati() const { return abbinati_; }

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override {}   // by the end of a board no box can be dragged
    void sblocca() override {}
    QString parolaDaLeggere() const override;

private:
    std::array<int, Coppie> coppie{};
    std::array<int, Coppie> posti_{0, 1, 2, 3, 4, 5, 6, 7, 8};
    std::array<QString, Coppie> nomi_;
    std::array<bool, Coppie> trascinabili_{};
    std::array<QString, Coppie> insiemi_;
    int abbinati_ = 0;
};
