// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/tre_scelte.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

namespace {

constexpr int RigheTabella = 100;

const std::array<ControlloDisposto, 3> bottoniTreScelte = {{
    {"Bottone1", "primitivo", {105, 2625, 2535, 855}},
    {"Command1", "derivato", {2730, 2625, 2535, 855}},
    {"Bottone2", "alterato", {5355, 2625, 2535, 855}},
}};

} // namespace

LogicaTreScelte::LogicaTreScelte(Contesto& c)
    : EsercizioAScelta(c, 3)
{
}

const std::array<ControlloDisposto, 3>& LogicaTreScelte::bottoni()
{
    return bottoniTreScelte;
}

std::optional<ErroreElenco> LogicaTreScelte::caricaElenchi()
{
    Tabella alterati, derivati;
    if (auto errore = Verifiche::caricaAlterati(contesto.lettore, RigheTabella, alterati))
        return errore;
    if (auto errore = Verifiche::caricaTabella(contesto.lettore, QStringLiteral("derivati.txt"), 2, RigheTabella,
                                               derivati))
        return errore;
    tabellaAlterati = std::move(alterati);
    tabellaDerivati = std::move(derivati);
    contesto.stato.quanti[0] = static_cast<qint16>(tabellaAlterati.size());
    contesto.stato.quanti[1] = static_cast<qint16>(tabellaDerivati.size());
    return std::nullopt;
}

void LogicaTreScelte::presentaElemento()
{
    caricaColori();
    auto& stato = contesto.stato;
    auto& casuale = contesto.casuale;
    auto riga = [&](const Tabella& tabella) { return tabella.value(casuale.estrai(int(tabella.size())) - 1); };

    stato.elencoScelto = static_cast<qint16>(casuale.estrai(3));
    switch (stato.elencoScelto) {
    case 1:   // a primitive noun, from either table with equal chance
        if (casuale.estrai(2) == 1)
            mostraTesto(riga(tabellaAlterati).value(0));
        else
            mostraTesto(riga(tabellaDerivati).value(0));
        break;
    case 2:
        mostraTesto(riga(tabellaDerivati).value(1));
        break;
    default: {
        // A row and a column drawn together until the form is there: every
        // altered form of the table equally likely. Every row has one.
        QString alterato;
        while (alterato.isEmpty()) {
            const QStringList record = riga(tabellaAlterati);
            alterato = record.value(casuale.estrai(4));
        }
        mostraTesto(alterato.toLower());
        break;
    }
    }
}
