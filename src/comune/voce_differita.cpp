// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/voce_differita.h"

#include <QDir>
#include <QLibrary>

VoceDifferita::VoceDifferita(QString modulo, QStringList motori)
    : cartellaModulo(std::move(modulo))
    , motori(std::move(motori))
{
}

VoceDifferita::~VoceDifferita() = default;

void VoceDifferita::leggi(const QString& testo)
{
    if (!tentato) {
        tentato = true;
        using Crea = Voce* (*)(const QStringList*);
        // The module stays loaded for the rest of the run.
        auto crea = reinterpret_cast<Crea>(QLibrary::resolve(
            QDir(cartellaModulo).filePath(QStringLiteral("lumeri_voce")), "lumeriCreaVoce"));
        if (crea)
            reale.reset(crea(&motori));
    }
    if (reale)
        reale->leggi(testo);
}
