// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/stato.h"

#include <algorithm>
#include <limits>

QString StatoComune::voce(int lista, int indice) const
{
    if (lista < 1 || lista > 4)
        return {};
    return elenco[lista - 1].value(indice - 1);
}

void StatoComune::riempi(int lista, const QStringList& voci)
{
    elenco[lista - 1] = voci;
    quanti[lista - 1] = static_cast<qint16>(std::min<qsizetype>(voci.size(), MassimoVoci));
}

qint16 StatoComune::somma(qint16 valore, int delta)
{
    const int risultato = std::clamp(int(valore) + delta, int(std::numeric_limits<qint16>::min()),
                                     int(std::numeric_limits<qint16>::max()));
    return static_cast<qint16>(risultato);
}
