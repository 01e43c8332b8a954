// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"
#include "comune/elenchi.h"
#include "drills/arrangement/posti.h"
#include "frame/esercizio.h"

#include <array>

// "composti": nine words in a column, one of them a compound noun; the pupil
// clicks it. Box 0 always holds the compound, boxes 1 to 5 words of
// "alterati.txt" and 6 to 8 words of "derivati.txt"; only the places of the
// boxes on screen are shuffled, and the answer is judged by the box's index.
class LogicaComposti final : public Esercizio {
public:
    static constexpr int Caselle = Posti::Caselle;

    explicit LogicaComposti(Contesto& contesto);

    // Box `indice` (0 to 8) clicked: its word is read aloud and judged. The
    // window's word is the nine, from the top down.
    void clicca(int indice);

    // Label3: texts, the place (0 to 8) of each box, their background and
    // whether they take clicks.
    const std::array<QString, Caselle>& parole() const { return parole_; }
    const std::array<int, Caselle>& posti() const { return posti_; }
    ColoreVb colore(int indice) const { return indice == 0 && rosso ? Colori::Rosso : Colori::Bianco; }
    bool abilitate() const { return abilitate_; }
    // The instruction is white while the window is black after a wrong click.
    bool istruzioneBianca() const { return istruzioneBianca_; }

    // A new item as a screen reader says it: the nine words, top down.
    QString descrizione() const override;

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override;
    void sblocca() override;
    QString parolaDaLeggere() const override;

private:
    Tabella alterati;   // noun and its four altered forms
    Tabella derivati;   // noun and a noun derived from it
    std::array<QString, Caselle> parole_;
    std::array<int, Caselle> posti_{0, 1, 2, 3, 4, 5, 6, 7, 8};
    bool abilitate_ = true;
    bool rosso = false;
    bool istruzioneBianca_ = false;
};
