// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/riproduttore_differito.h"

#include "comune/modulo.h"

RiproduttoreDifferito::RiproduttoreDifferito(QString suoni, QString modulo)
    : cartellaSuoni(std::move(suoni))
    , cartellaModulo(std::move(modulo))
{
}

RiproduttoreDifferito::~RiproduttoreDifferito() = default;

void RiproduttoreDifferito::prepara()
{
    if (tentato)
        return;
    tentato = true;
    QStringList percorsi;
    for (Suono suono : {Suono::Si1, Suono::Si2, Suono::Si3, Suono::Si4, Suono::No})
        percorsi.append(QDir(cartellaSuoni).filePath(Suoni::nomeFile(suono)));
    reale.reset(creaDalModulo<RiproduttoreSuoni>(cartellaModulo, "lumeri_suoni", "lumeriCreaRiproduttore", percorsi));
}

void RiproduttoreDifferito::riproduci(Suono suono)
{
    prepara();
    if (reale)
        reale->riproduci(suono);
}
