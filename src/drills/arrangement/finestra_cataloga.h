// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/arrangement/cataloga.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"

#include <array>

class QLabel;

// Form14: the word to drag (Label4), the three nouns (Label5), the three
// columns of target boxes (Label6, Label7, Label8) and the five row captions
// (Label10 to Label14).
class FinestraCataloga final : public FinestraDi<LogicaCataloga> {
    Q_OBJECT
public:
    FinestraCataloga(Contesto& contesto, Navigazione& navigazione);

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    CasellaTrascinabile* parola;
    std::array<Casella*, LogicaCataloga::Colonne> primitive;
    std::array<std::array<CasellaBersaglio*, LogicaCataloga::Tipi>, LogicaCataloga::Colonne> caselle;
    std::array<QLabel*, 5> didascalie;
};
