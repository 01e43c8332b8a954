#pragma once

#include "drills/choice/due_scelte.h"
#include "frame/controlli.h"
#include "frame/finestra_esercizio.h"


struct Contesto;
class QLineEdit;

// The window of a two-choice drill: the item in Text1, the answers Bottone1
// and Bottone2.
class FinestraDueScelte final : public FinestraDi<LogicaDueScelte> {
    Q_OBJECT
public:
    FinestraDueScelte(Contesto& contesto, Navigazione& navigazione, const ConfigDueScelte& config);

protected:
    void aggiornaEsercizio() override;

private:
    QLineEdit* testo;
    RigaBottoni bottoni;
};
