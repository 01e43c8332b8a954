// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/finestra_cataloga.h"

#include "comune/interfaccia.h"

#include <QLabel>

namespace {

constexpr int Larghezza = 2325;
constexpr int Altezza = 435;
constexpr std::array<int, LogicaCataloga::Colonne> sinistre = {1365, 3780, 6195};
constexpr std::array<int, LogicaCataloga::Tipi> alti = {1890, 2520, 3150, 3780};
constexpr std::array<const char*, LogicaCataloga::Colonne> colonne = {"Label6", "Label7", "Label8"};
constexpr ColoreVb GialloChiaro = 0x0080FFFF;

// The row captions: the noun row, then one per kind, level with its row.
constexpr std::array<ControlloDisposto, 5> righe = {{
    {"Label10", "primitiva", {420, 1260, 750, 225}},
    {"Label11", "diminutivo", {315, 1995, 960, 225}},
    {"Label12", "accrescitivo", {105, 2625, 1065, 225}},
    {"Label13", "vezzeggiativo", {0, 3255, 1275, 225}},
    {"Label14", "dispregiativo", {105, 3885, 1170, 225}},
}};

} // namespace

FinestraCataloga::FinestraCataloga(Contesto& contesto, Navigazione& navigazione)
    : FinestraDi(navigazione, 14, std::make_unique<LogicaCataloga>(contesto))
    , parola(new CasellaTrascinabile(sfondo(), QStringLiteral("Label4"), 0, {1995, 525, Larghezza, Altezza}))
{
    connect(parola, &Casella::cliccata, this, [this] { logica().leggiParola(); });
    for (int c = 0; c < LogicaCataloga::Colonne; ++c) {
        const int sinistra = sinistre[std::size_t(c)];
        auto* primitiva = new Casella(sfondo(), Controlli::nomeElemento("Label5", c), c,
                                      {sinistra, 1155, Larghezza, Altezza});
        primitiva->colora(GialloChiaro);
        connect(primitiva, &Casella::cliccata, this, [this](int colonna) { logica().leggiPrimitiva(colonna); });
        primitive[std::size_t(c)] = primitiva;
        for (int t = 0; t < LogicaCataloga::Tipi; ++t) {
            auto* casella = new CasellaBersaglio(sfondo(), Controlli::nomeElemento(colonne[std::size_t(c)], t), t,
                                                 {sinistra, alti[std::size_t(t)], Larghezza, Altezza});
            connect(casella, &CasellaBersaglio::lasciata, this,
                    [this, c](int, int tipo) { logica().lascia(c, tipo); });
            connect(casella, &Casella::cliccata, this, [this, c](int tipo) { logica().leggiCasella(c, tipo); });
            caselle[std::size_t(c)][std::size_t(t)] = casella;
        }
    }
    parola->impostaEtichetta(QStringLiteral("Parola da collocare"));
    // Tab: the word, then the boxes row by row.
    QList<QWidget*> ordine{parola};
    for (int t = 0; t < LogicaCataloga::Tipi; ++t) {
        for (int c = 0; c < LogicaCataloga::Colonne; ++c)
            ordine.append(caselle[std::size_t(c)][std::size_t(t)]);
    }
    Controlli::ordinaTab(ordine);
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const ControlloDisposto& d = righe[r];
        auto* didascalia = new QLabel(QString::fromUtf8(d.didascalia), sfondo());
        didascalia->setObjectName(QString::fromLatin1(d.nome));
        Controlli::disponi(didascalia, d.posto);
        Interfaccia::assegnaCarattere(didascalia, Interfaccia::carattereSansSerif());
        didascalia->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        didascalie[r] = didascalia;
    }
    aggiorna();
}

QWidget* FinestraCataloga::primaRisposta() const
{
    return parola;
}

void FinestraCataloga::aggiornaEsercizio()
{
    const LogicaCataloga& l = logica();
    parola->setText(l.parola());
    parola->setEnabled(l.parolaAbilitata());
    for (int c = 0; c < LogicaCataloga::Colonne; ++c) {
        primitive[std::size_t(c)]->setText(l.primitiva(c));
        for (int t = 0; t < LogicaCataloga::Tipi; ++t) {
            CasellaBersaglio* casella = caselle[std::size_t(c)][std::size_t(t)];
            casella->setText(l.casella(c, t));
            // Named by its row and column: "diminutivo di casa".
            casella->impostaEtichetta(QStringLiteral("%1 di %2").arg(QString::fromUtf8(righe[std::size_t(t) + 1].didascalia),
                                                                    l.primitiva(c)));
        }
    }
    for (QLabel* didascalia : didascalie)
        Interfaccia::coloraTesto(didascalia, l.didascalieBianche() ? Colori::Bianco : Colori::Nero);
}
