// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/voce_differita.h"

#include "comune/modulo.h"

VoceDifferita::VoceDifferita(QString modulo, QStringList motori)
    : cartellaModulo(std::move(modulo))
    , motori(std::move(motori))
{
}

VoceDifferita::~VoceDifferita() = default;

void VoceDifferita::prepara()
{
    if (tentato)
        return;
    tentato = true;
    reale.reset(creaDalModulo<Voce>(cartellaModulo, "lumeri_voce", "lumeriCreaVoce", motori));
    if (reale)
        reale->prepara();
}

void VoceDifferita::leggi(const QString& testo)
{
    prepara();
    if (reale)
        reale->leggi(testo);
}
