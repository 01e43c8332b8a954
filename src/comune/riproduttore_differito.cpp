// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/riproduttore_differito.h"

#include <QDir>
#include <QLibrary>
#include <QStringList>

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
    using Crea = RiproduttoreSuoni* (*)(const QStringList*);
    // The module stays loaded for the rest of the run.
    auto crea = reinterpret_cast<Crea>(QLibrary::resolve(
        QDir(cartellaModulo).filePath(QStringLiteral("lumeri_suoni")), "lumeriCreaRiproduttore"));
    if (!crea)
        return;
    QStringList percorsi;
    for (Suono suono : {Suono::Si1, Suono::Si2, Suono::Si3, Suono::Si4, Suono::No})
        percorsi.append(QDir(cartellaSuoni).filePath(Suoni::nomeFile(suono)));
    reale.reset(crea(&percorsi));
}

void RiproduttoreDifferito::riproduci(Suono suono)
{
    prepara();
    if (reale)
        reale->riproduci(suono);
}
