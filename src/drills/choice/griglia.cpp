// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/griglia.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

#include <array>

namespace {

// Masculine singular, feminine singular, masculine plural, feminine plural:
// the boxes top left, top right, bottom left, bottom right.
const std::array<const char*, 4> file = {"maschilesingolare.txt", "femminilesingolare.txt",
                                         "maschileplurale.txt", "femminileplurale.txt"};

} // namespace

LogicaGriglia::LogicaGriglia(Contesto& c)
    : Esercizio(c)
{
}

std::optional<ErroreElenco> LogicaGriglia::caricaElenchi()
{
    std::array<QStringList, 4> elenchi;
    for (std::size_t n = 0; n < file.size(); ++n) {
        QList<Fonte> fonti;
        if (auto errore = contesto.lettore.caricaElenco({QString::fromLatin1(file[n])}, elenchi[n],
                                                        StatoComune::MassimoVoci, &fonti))
            return errore;
        if (auto errore = Verifiche::vuoto(fonti, elenchi[n].size()))
            return errore;
    }
    for (std::size_t n = 0; n < file.size(); ++n)
        contesto.stato.riempi(int(n) + 1, elenchi[n]);
    return std::nullopt;
}

void LogicaGriglia::presentaElemento()
{
    auto& stato = contesto.stato;
    stato.elencoScelto = static_cast<qint16>(contesto.casuale.estrai(4));
    // This window's CaricaColori: black headings, then the palette colour.
    intestazioni = Colori::Nero;
    caricaColori();
    const int lista = stato.elencoScelto;
    const int indice = contesto.casuale.estrai(stato.quanti[static_cast<std::size_t>(lista - 1)]);
    testo_ = stato.voce(lista, indice).toLower();
}

void LogicaGriglia::clicca(int casella)
{
    if (!avviato() || !abilitate || casella < 1 || casella > 4)
        return;
    if (casella == contesto.stato.elencoScelto) {
        esatto();
    } else {
        errato();
        intestazioni = Colori::Bianco;   // readable on the black window
    }
    mostra();
}
