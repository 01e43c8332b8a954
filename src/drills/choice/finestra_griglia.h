// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/choice/griglia.h"
#include "frame/finestra_esercizio.h"

#include <array>

class Casella;
class QLabel;
class CasellaElemento;
struct Contesto;

// Form8: the noun in Text1 and the grid of four boxes, Label7 to Label10,
// under the headings "maschile", "femminile", "singolare" and "plurale".
class FinestraGriglia final : public FinestraDi<LogicaGriglia> {
    Q_OBJECT
public:
    FinestraGriglia(Contesto& contesto, Navigazione& navigazione);

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    CasellaElemento* testo;
    std::array<QLabel*, 3> intestazioni{};
    std::array<Casella*, 4> caselle{};
};
