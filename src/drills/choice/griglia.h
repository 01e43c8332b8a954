// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"
#include "frame/esercizio.h"

// Form8: a noun is shown, and the pupil clicks the box of its gender and
// number in a grid of four: masculine and feminine across, singular and
// plural down. Box k (1 to 4: Label7 to Label10) is right exactly when the
// noun was drawn from list k.
class LogicaGriglia final : public Esercizio {
public:
    explicit LogicaGriglia(Contesto& contesto);

    // A click on box 1 to 4.
    void clicca(int casella);

    // What Text1 shows.
    const QString& testo() const { return testo_; }
    bool caselleAbilitate() const { return abilitate; }
    // The text colour of the headings Label4, Label5 and Label6: black, and
    // white on the black of a wrong answer.
    ColoreVb coloreIntestazioni() const { return intestazioni; }

    QString descrizione() const override { return testo_; }

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override { abilitate = false; }
    void sblocca() override { abilitate = true; }
    QString parolaDaLeggere() const override { return testo_; }

private:
    QString testo_;   // empty until the first word: nothing shows behind a message at opening
    bool abilitate = true;
    ColoreVb intestazioni = Colori::Nero;
};
