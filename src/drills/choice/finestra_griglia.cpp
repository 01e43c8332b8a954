// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/finestra_griglia.h"

#include "comune/interfaccia.h"
#include "frame/controlli.h"

#include <QLabel>
#include <QLineEdit>

using namespace Interfaccia;

namespace {

// clang-format off
// The headings, in the window font.
const std::array<ControlloDisposto, 3> intestazioniGriglia = {{
    {"Label4", "maschile                   femminile", {1260, 1785, 3480, 225}},
    {"Label5", "singolare",                             { 105, 2940,  855, 330}},
    {"Label6", "plurale",                               { 315, 4305,  645, 330}},
}};
// The boxes, no caption; neighbours overlap by 15 twips.
const std::array<ControlloDisposto, 4> caselleGriglia = {{
    {"Label7",  "", { 945, 1995, 1800, 1695}},
    {"Label8",  "", {2730, 1995, 1800, 1695}},
    {"Label9",  "", { 945, 3675, 1800, 1695}},
    {"Label10", "", {2730, 3675, 1800, 1695}},
}};
// clang-format on
// What a screen reader says of each box.
const std::array<const char*, 4> nomiCaselle = {"maschile singolare", "femminile singolare", "maschile plurale",
                                                "femminile plurale"};

QLabel* etichetta(QWidget* genitore, const ControlloDisposto& c, const QFont& carattere)
{
    auto* e = new QLabel(QString::fromUtf8(c.didascalia), genitore);
    e->setObjectName(QString::fromLatin1(c.nome));
    e->setTextFormat(Qt::PlainText);
    Controlli::disponi(e, c.posto);
    assegnaCarattere(e, carattere);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return e;
}

} // namespace

FinestraGriglia::FinestraGriglia(Contesto& contesto, Navigazione& navigazione)
    : FinestraDi(navigazione, 8, std::make_unique<LogicaGriglia>(contesto))
{
    QLabel* istruzione =
        etichetta(sfondo(), {"Label3", "Clicca nella casella esatta", {105, 210, 4320, 435}}, carattere(14.25));
    coloraTesto(istruzione, Colori::Celeste);
    testo = Controlli::casellaElemento(sfondo(), {1155, 630, 4545, 645}, 24);
    connect(testo, &CasellaElemento::cliccata, this, [this] { logica().leggiParola(); });
    for (std::size_t i = 0; i < intestazioni.size(); ++i)
        intestazioni[i] = etichetta(sfondo(), intestazioniGriglia[i], carattereSansSerif());
    for (std::size_t i = 0; i < caselle.size(); ++i) {
        const ControlloDisposto& c = caselleGriglia[i];
        caselle[i] = new Casella(sfondo(), QString::fromLatin1(c.nome), int(i) + 1, c.posto);
        caselle[i]->setFocusPolicy(Qt::TabFocus);
        caselle[i]->impostaEtichetta(QString::fromUtf8(nomiCaselle[i]));
        connect(caselle[i], &Casella::cliccata, this, [this](int k) { logica().clicca(k); });
    }
    aggiorna();
}

QWidget* FinestraGriglia::primaRisposta() const
{
    return caselle[0];
}

void FinestraGriglia::aggiornaEsercizio()
{
    testo->setText(logica().testo());
    testo->setCursorPosition(0);
    for (QLabel* intestazione : intestazioni)
        coloraTesto(intestazione, logica().coloreIntestazioni());
    for (Casella* casella : caselle)
        casella->setEnabled(logica().caselleAbilitate());
}
