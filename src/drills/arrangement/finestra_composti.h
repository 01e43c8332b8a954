// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/arrangement/composti.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"

#include <array>

class QLabel;

// Form17: the instruction (Label5) and the nine words to click (Label3), in
// shuffled places.
class FinestraComposti final : public FinestraDi<LogicaComposti> {
    Q_OBJECT
public:
    FinestraComposti(Contesto& contesto, Navigazione& navigazione);

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    QLabel* istruzione;
    std::array<Casella*, LogicaComposti::Caselle> parole;
};
