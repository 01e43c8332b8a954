#pragma once

#include "frame/finestra_esercizio.h"

class LogicaDueScelte;
class QLineEdit;
class QPushButton;
struct ConfigDueScelte;

// The window of a two-choice drill: the item in Text1, the answers Bottone1
// and Bottone2.
class FinestraDueScelte final : public FinestraEsercizio {
    Q_OBJECT
public:
    FinestraDueScelte(Applicazione& applicazione, const ConfigDueScelte& config);

protected:
    void aggiornaEsercizio() override;

private:
    LogicaDueScelte& logica;
    QLineEdit* testo = nullptr;
    QPushButton* bottone1 = nullptr;
    QPushButton* bottone2 = nullptr;
};
