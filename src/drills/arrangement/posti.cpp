#include "drills/arrangement/posti.h"

#include "app/casuale.h"

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

QString dallAlto(const std::array<int, Caselle>& posti, const std::array<QString, Caselle>& testi)
{
    std::array<QString, Caselle> inPosto;
    for (std::size_t i = 0; i < posti.size(); ++i)
        inPosto[std::size_t(posti[i])] = testi[i];
    QStringList parole;
    for (const QString& testo : inPosto) {
        if (!testo.isEmpty())
            parole.append(testo);
    }
    return parole.join(QStringLiteral(", "));
}

} // namespace Posti
