#include "drills/choice/finestra_due_scelte.h"

#include <QLineEdit>

FinestraDueScelte::FinestraDueScelte(Contesto& contesto, Navigazione& navigazione, const ConfigDueScelte& config)
    : FinestraDi(navigazione, config.form, std::make_unique<LogicaDueScelte>(contesto, config))
    , testo(Controlli::casellaElemento(sfondo(), {120, 240, 6855, 1455}, 27.75))
    , bottoni(sfondo(), config.bottoni, config.puntiRisposta, [this](int numero) { logica().premi(numero); })
{
    aggiorna();
}

void FinestraDueScelte::aggiornaEsercizio()
{
    testo->setText(logica().testo());
    testo->setCursorPosition(0);
    bottoni.mostra(logica().bottoniAbilitati(), [this](int k) { return logica().coloreBottone(k); });
}
