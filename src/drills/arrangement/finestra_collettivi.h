// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/arrangement/collettivi.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"

#include <array>

// Form16: the instruction (Label5), the collective nouns to drag (Label3,
// in shuffled places) and the boxes they are dropped on (Label4).
class FinestraCollettivi final : public FinestraDi<LogicaCollettivi> {
    Q_OBJECT
public:
    FinestraCollettivi(Contesto& contesto, Navigazione& navigazione);

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    // The first column as it stands on screen, from the top down.
    QList<QWidget*> nomiDallAlto() const;

    std::array<CasellaTrascinabile*, LogicaCollettivi::Coppie> nomi;
    std::array<CasellaBersaglio*, LogicaCollettivi::Coppie> insiemi;
};
