// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/finestra_collettivi.h"

#include "comune/interfaccia.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int SinistraNomi = 315;
constexpr int LarghezzaNomi = 2115;
constexpr int Altezza = 375;
constexpr double PuntiInsiemi = 11.25;

// Box 0 of the first column is 5 twips taller than the others.
int altezzaNome(int indice)
{
    return indice == 0 ? 380 : Altezza;
}

// A box of the second column in its font, or smaller where a long pair
// would not fit it whole: the sentence is never cut. It is fitted at the
// window's scale, and again at each new scale.
void scriviIntero(QLabel* casella, const QString& testo)
{
    const int larghezza = casella->contentsRect().width();
    QFont font = Interfaccia::carattere(PuntiInsiemi);
    auto largo = [&] { return QFontMetrics(Interfaccia::carattereInScala(font, casella)).horizontalAdvance(testo); };
    while (font.pointSizeF() > 6 && largo() > larghezza)
        font.setPointSizeF(font.pointSizeF() - 0.75);
    Interfaccia::assegnaCarattere(casella, font);
    casella->setText(testo);
}

} // namespace

FinestraCollettivi::FinestraCollettivi(Contesto& contesto, Navigazione& navigazione)
    : FinestraDi(navigazione, 16, std::make_unique<LogicaCollettivi>(contesto))
{
    auto* istruzione = new QLabel(LogicaCollettivi::istruzione(), sfondo());
    istruzione->setObjectName(QStringLiteral("Label5"));
    Interfaccia::disponi(istruzione, QRect(315, 105, 6420, 225));
    Interfaccia::assegnaCarattere(istruzione, Interfaccia::carattereSansSerif());
    istruzione->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < LogicaCollettivi::Coppie; ++i) {
        nomi[std::size_t(i)] = new CasellaTrascinabile(sfondo(), Controlli::nomeElemento("Label3", i), i,
                                                       {SinistraNomi, Posti::alto(i), LarghezzaNomi, altezzaNome(i)});
        auto* insieme = new CasellaBersaglio(sfondo(), Controlli::nomeElemento("Label4", i), i,
                                             {2835, Posti::alto(i), 4005, Altezza});
        Interfaccia::assegnaCarattere(insieme, Interfaccia::carattere(PuntiInsiemi));
        connect(insieme, &CasellaBersaglio::lasciata, this,
                [this](int sorgente, int bersaglio) { logica().lascia(sorgente, bersaglio); });
        connect(insieme, &Casella::cliccata, this, [this](int k) { logica().leggiInsieme(k); });
        connect(nomi[std::size_t(i)], &Casella::cliccata, this, [this](int k) { logica().leggiNome(k); });
        insiemi[std::size_t(i)] = insieme;
    }
    aggiorna();
}

QList<QWidget*> FinestraCollettivi::nomiDallAlto() const
{
    return Controlli::dallAlto({nomi.begin(), nomi.end()});
}

QWidget* FinestraCollettivi::primaRisposta() const
{
    for (QWidget* nome : nomiDallAlto()) {
        if (nome->isEnabled())
            return nome;
    }
    return nullptr;
}

void FinestraCollettivi::aggiornaEsercizio()
{
    const LogicaCollettivi& l = logica();
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        CasellaTrascinabile* nome = nomi[i];
        Interfaccia::disponi(nome, QRect(SinistraNomi, Posti::alto(l.posti()[i]), LarghezzaNomi, altezzaNome(int(i))));
        nome->setText(l.nomi()[i]);
        nome->setEnabled(l.trascinabili()[i]);
        scriviIntero(insiemi[i], l.insiemi()[i]);
        const QString nomeInsieme = l.nomeInsieme(int(i));
        if (insiemi[i]->accessibleName() != nomeInsieme)
            insiemi[i]->setAccessibleName(nomeInsieme);
    }
    // Tab: the first column from the top down, then the second.
    Controlli::ordinaTab(nomiDallAlto() + QList<QWidget*>(insiemi.begin(), insiemi.end()));
}
