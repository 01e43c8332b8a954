// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/elenchi.h"
#include "frame/esercizio.h"

#include <array>

// "cataloga gli alterati": three primitive nouns head three columns of four
// boxes, one box per kind of altered form (diminutive, augmentative,
// endearing, pejorative). One altered word at a time is shown; the pupil
// drops it on the box of its noun and its kind. A board is five words of the
// three nouns; after the fifth the next board follows, at once or on
// "avanti".
class LogicaCataloga final : public Esercizio {
public:
    static constexpr int Colonne = 3;
    static constexpr int Tipi = 4;        // rows of target boxes
    static constexpr int Parole = 5;      // words of a board

    explicit LogicaCataloga(Contesto& contesto);

    // The word dropped on box `tipo` (0 to 3) of column `colonna` (0 to 2).
    void lascia(int colonna, int tipo);
    // A click on a noun box, or on a target box: its word read aloud. The
    // window's word is the word to drag.
    void leggiPrimitiva(int colonna) { leggi(primitiva(colonna)); }
    void leggiCasella(int colonna, int tipo) { leggi(casella(colonna, tipo)); }

    // The noun heading a column (Label5).
    QString primitiva(int colonna) const;
    // What a target box shows (Label6, Label7, Label8).
    QString casella(int colonna, int tipo) const;
    // The word to drag (Label4), and whether it can be dragged.
    const QString& parola() const { return parola_; }
    bool parolaAbilitata() const { return parolaAbilitata_; }
    // The row captions are white while the window is black after a wrong
    // drop, black otherwise.
    bool didascalieBianche() const { return didascalieBianche_; }

    // A new board as a screen reader says it: the three nouns. The word to
    // place is the name of the box the focus comes to, said with it.
    QString descrizione() const override;

    // The board: the record numbers (1-based) of the three columns, the five
    // words in the order they are shown and the number of the word shown.
    const std::array<int, Colonne>& primitive() const { return primitive_; }
    const std::array<QString, Parole>& paroleDaCollocare() const { return parole; }
    int numeroParola() const { return numero; }

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override;
    void sblocca() override;
    QString parolaDaLeggere() const override { return parola_; }

private:
    void presentaParola();
    void colori();
    void estraiPrimitive();
    bool bastano(int a, int b, int c) const;

    Tabella tabella;   // the records of "alterati.txt": noun, then its four altered forms
    std::array<int, Colonne> primitive_{};
    std::array<QString, Parole> parole;
    int numero = 0;
    std::array<std::array<QString, Tipi>, Colonne> caselle;
    QString parola_;
    bool parolaAbilitata_ = true;
    bool didascalieBianche_ = false;
};
