// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/posti.h"

#include "comune/casuale.h"

#include <QStringList>

namespace Posti {

std::array<int, Caselle> scombicchera(SorgenteCasuale& casuale)
{
    std::array<int, Caselle> posto;
    posto.fill(-1);   // not placed yet
    for (int j = 0; j < Caselle; ++j) {
        int p = casuale.estrai(Caselle) - 1;
        while (posto[std::size_t(p)] >= 0)
            p = (p + 1) % Caselle;
        posto[std::size_t(p)] = j;
    }
    return posto;
}

QString paroleDallAlto(const std::array<QString, Caselle>& testi, const std::array<int, Caselle>& posti)
{
    QStringList parole(Caselle);
    for (std::size_t i = 0; i < testi.size(); ++i)
        parole[posti[i]] = testi[i];
    parole.removeAll(QString());
    return parole.join(QStringLiteral(", "));
}

} // namespace Posti
