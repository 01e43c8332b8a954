// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/finestra_composti.h"

#include "comune/interfaccia.h"

#include <QLabel>

namespace {

constexpr int Sinistra = 1995;
constexpr int Larghezza = 3000;
constexpr int Altezza = 375;

} // namespace

FinestraComposti::FinestraComposti(Contesto& contesto, Navigazione& navigazione)
    : FinestraDi(navigazione, 17, std::make_unique<LogicaComposti>(contesto))
    , istruzione(new QLabel(QStringLiteral("Clicca sul nome composto"), sfondo()))
{
    istruzione->setObjectName(QStringLiteral("Label5"));
    Interfaccia::disponi(istruzione, QRect(315, 105, 4215, 225));
    Interfaccia::assegnaCarattere(istruzione, Interfaccia::carattereSansSerif());
    istruzione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < LogicaComposti::Caselle; ++i) {
        auto* parola = new Casella(sfondo(), Controlli::nomeElemento("Label3", i), i,
                                   {Sinistra, Posti::alto(i), Larghezza, Altezza});
        parola->setFocusPolicy(Qt::TabFocus);
        connect(parola, &Casella::cliccata, this, [this](int indice) { logica().clicca(indice); });
        parole[std::size_t(i)] = parola;
    }
    aggiorna();
}

QWidget* FinestraComposti::primaRisposta() const
{
    return Controlli::dallAlto({parole.begin(), parole.end()}).first();
}

void FinestraComposti::aggiornaEsercizio()
{
    const LogicaComposti& l = logica();
    Interfaccia::coloraTesto(istruzione, l.istruzioneBianca() ? Colori::Bianco : Colori::Nero);
    for (int i = 0; i < LogicaComposti::Caselle; ++i) {
        Casella* parola = parole[std::size_t(i)];
        Interfaccia::disponi(parola, QRect(Sinistra, Posti::alto(l.posti()[std::size_t(i)]), Larghezza, Altezza));
        parola->setText(l.parole()[std::size_t(i)]);
        parola->colora(l.colore(i));
        parola->setEnabled(l.abilitate());
    }
    Controlli::ordinaTab(Controlli::dallAlto({parole.begin(), parole.end()}));
}
