// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/choice/due_scelte.h"
#include "drills/choice/scelta.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"

#include <span>

struct Contesto;

// The window of a drill answered with a row of buttons: the item in Text1,
// the buttons of the drill's table below it.
class FinestraAScelta final : public FinestraDi<EsercizioAScelta> {
    Q_OBJECT
public:
    FinestraAScelta(Navigazione& navigazione, int form, std::unique_ptr<EsercizioAScelta> logica,
                    std::span<const ControlloDisposto> bottoni, double punti);

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    CasellaElemento* testo;
    RigaBottoni bottoni;
};

// One of the six two-choice windows, and Form13 with its three buttons.
FinestraAScelta* finestraDueScelte(Contesto& contesto, Navigazione& navigazione, const ConfigDueScelte& config);
FinestraAScelta* finestraTreScelte(Contesto& contesto, Navigazione& navigazione);
