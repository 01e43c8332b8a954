// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/choice/scelta.h"
#include "frame/disposizione.h"

#include <array>

// Form13: a noun is shown, and the pupil says whether it is primitive,
// derived or altered. The class is drawn first, one third each, and the
// answer is judged by the class alone.
class LogicaTreScelte final : public EsercizioAScelta {
public:
    explicit LogicaTreScelte(Contesto& contesto);

    // Bottone1 "primitivo", Command1 "derivato", Bottone2 "alterato".
    static const std::array<ControlloDisposto, 3>& bottoni();

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;

private:
    Tabella tabellaAlterati;   // a noun and its four altered forms
    Tabella tabellaDerivati;   // a primitive noun and a noun derived from it
};
