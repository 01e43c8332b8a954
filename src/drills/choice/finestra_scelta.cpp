// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/finestra_scelta.h"

#include "drills/choice/tre_scelte.h"

#include <QLineEdit>

FinestraAScelta::FinestraAScelta(Navigazione& navigazione, int form, std::unique_ptr<EsercizioAScelta> esercizio,
                                 std::span<const ControlloDisposto> righe, double punti)
    : FinestraDi(navigazione, form, std::move(esercizio))
    , testo(Controlli::casellaElemento(sfondo(), {120, 240, 6855, 1455}, 27.75))
    , bottoni(sfondo(), righe, punti, [this](int numero) { logica().premi(numero); })
{
    connect(testo, &CasellaElemento::cliccata, this, [this] { logica().leggiParola(); });
    aggiorna();
}

QWidget* FinestraAScelta::primaRisposta() const
{
    return bottoni.bottoni().value(0);
}

void FinestraAScelta::aggiornaEsercizio()
{
    testo->setText(logica().testo());
    testo->setCursorPosition(0);
    bottoni.mostra(logica().bottoniAbilitati(), [this](int k) { return logica().coloreBottone(k); });
}

FinestraAScelta* finestraDueScelte(Contesto& contesto, Navigazione& navigazione, const ConfigDueScelte& config)
{
    return new FinestraAScelta(navigazione, config.form, std::make_unique<LogicaDueScelte>(contesto, config),
                               config.bottoni, config.puntiRisposta);
}

FinestraAScelta* finestraTreScelte(Contesto& contesto, Navigazione& navigazione)
{
    return new FinestraAScelta(navigazione, 13, std::make_unique<LogicaTreScelte>(contesto),
                               LogicaTreScelte::bottoni(), 24);
}
