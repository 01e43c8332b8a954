// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/typed/scritte.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"

#include <functional>

class BottoneFigura;
class CasellaElemento;
class QLabel;
struct Contesto;

// Text2: the box the pupil types the answer in. Enter (the main key or the
// keypad's, with any modifier) sends the answer; every other key edits.
class CasellaRisposta final : public CasellaTesto {
public:
    CasellaRisposta(QWidget* genitore, std::function<void(const QString&)> invio);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    std::function<void(const QString&)> invio;
};

// The window of a typed-answer drill: the instruction Label3, the word in
// Text1, the answer in Text2 and the help button SSCommand1 "Aiutami".
class FinestraScritta final : public FinestraDi<LogicaScritta> {
    Q_OBJECT
public:
    FinestraScritta(Contesto& contesto, Navigazione& navigazione, const ConfigScritta& config);

    void svuotaRisposta() override;

protected:
    void aggiornaEsercizio() override;
    QWidget* primaRisposta() const override;

private:
    QLabel* istruzione;
    CasellaElemento* testo;
    CasellaRisposta* risposta;
    BottoneFigura* aiuto;
};
