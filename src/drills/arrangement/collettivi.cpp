// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/collettivi.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"

#include <algorithm>

namespace {

const QString File = QStringLiteral("collettivi.txt");
const QString Freccia = QStringLiteral(" -> ");   // between a matched pair

} // namespace

LogicaCollettivi::LogicaCollettivi(Contesto& c)
    : Esercizio(c)
{
}

std::optional<ErroreElenco> LogicaCollettivi::caricaElenchi()
{
    Tabella letta;
    Fonte fonte;
    if (auto errore = contesto.lettore.caricaRecord(File, 2, StatoComune::MassimoVoci, letta, nullptr, &fonte))
        return errore;
    if (letta.size() < Coppie) {
        // Nine different pairs could never be drawn.
        return fonte.errore(0, QStringLiteral("servono almeno nove coppie di nomi, ma il file ne ha %1.")
                                   .arg(letta.size()));
    }
    QStringList collettivi, insiemi;
    for (const QStringList& record : std::as_const(letta)) {
        collettivi.append(record[0]);
        insiemi.append(record[1]);
    }
    // Elenco1 and Elenco2 at the same index, counted in Quanti1 alone.
    StatoComune& stato = contesto.stato;
    stato.riempi(1, collettivi);
    stato.elenco[1] = insiemi;
    return std::nullopt;
}

void LogicaCollettivi::presentaElemento()
{
    caricaColori();
    abbinati_ = 0;

    SorgenteCasuale& casuale = contesto.casuale;
    const StatoComune& stato = contesto.stato;
    for (int k = 0; k < Coppie; ++k) {
        do
            coppie[std::size_t(k)] = casuale.estrai(stato.quanti[0]);
        while (std::find(coppie.begin(), coppie.begin() + k, coppie[std::size_t(k)]) != coppie.begin() + k);
    }

    posti_ = Posti::scombicchera(casuale);
    trascinabili_.fill(true);

    for (int i = 0; i < Coppie; ++i) {
        nomi_[std::size_t(i)] = stato.voce(1, coppie[std::size_t(i)]);
        insiemi_[std::size_t(i)] = stato.voce(2, coppie[std::size_t(i)]);
    }
}

void LogicaCollettivi::leggiNome(int casella)
{
    if (casella >= 0 && casella < Coppie)
        leggi(nomi_[std::size_t(casella)]);
}

void LogicaCollettivi::leggiInsieme(int casella)
{
    // A matched pair is read as its words, without the arrow.
    if (casella >= 0 && casella < Coppie)
        leggi(QString(insiemi_[std::size_t(casella)]).replace(Freccia, QStringLiteral(", ")));
}

QString LogicaCollettivi::parolaDaLeggere() const
{
    return Posti::paroleDallAlto(nomi_, posti_);   // a matched noun's box is empty
}

void LogicaCollettivi::lascia(int sorgente, int bersaglio)
{
    if (!avviato() || sorgente < 0 || sorgente >= Coppie || bersaglio < 0 || bersaglio >= Coppie
        || !trascinabili_[std::size_t(sorgente)])
        return;
    QString& nome = nomi_[std::size_t(sorgente)];
    QString& insieme = insiemi_[std::size_t(bersaglio)];
    if (nome != contesto.stato.voce(1, coppie[std::size_t(bersaglio)])) {
        errato();
        mostra();
        return;
    }
    insieme = QStringLiteral(" un insieme di ") + insieme + Freccia + nome;
    nome.clear();
    segnaEsatto();
    if (cornice().sfondo() == Colori::Nero)
        caricaColori();
    trascinabili_[std::size_t(sorgente)] = false;
    if (++abbinati_ == Coppie) {
        annuncia(QStringLiteral("Tabellone completato."));
        prosegui();
    }
    else
        chiediFuoco(Fuoco::Risposta);
    mostra();
}

QString LogicaCollettivi::nomeInsieme(int i) const
{
    if (i < 0 || i >= Coppie)
        return {};
    const StatoComune& stato = contesto.stato;
    const int coppia = coppie[std::size_t(i)];
    const QString insieme = stato.voce(2, coppia);
    if (insiemi_[std::size_t(i)] == insieme)
        return insieme;
    return QStringLiteral("un insieme di %1: %2").arg(insieme, stato.voce(1, coppia));
}

QString LogicaCollettivi::istruzione()
{
    return QStringLiteral("Trascina il nome della prima colonna sul corrispondente della seconda");
}

QString LogicaCollettivi::descrizione() const
{
    return QStringLiteral("%1. Nomi collettivi: %2. Insiemi: %3.")
        .arg(istruzione(), Posti::paroleDallAlto(nomi_, posti_),
             QStringList(insiemi_.begin(), insiemi_.end()).join(QStringLiteral(", ")));
}
