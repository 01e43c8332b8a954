// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small word lists for the three boards, the draws of Form14's first board,
// and the two modes of going on.

#include "supporto.h"

#include <QTest>

// Data rows "waiting" (for "avanti") and "automatic", in a column "attendi".
inline void dueModi()
{
    QTest::addColumn<bool>("attendi");
    QTest::newRow("waiting") << true;
    QTest::newRow("automatic") << false;
}

// "alterati.txt": casa has three forms, libro four, naso, gatto and sole one each.
inline const QString AlteratiTavole = QStringLiteral(
    "casa,casetta,casona,,casupola\nnaso,,nasone,,\ngatto,gattino,,,\n"
    "libro,libretto,librone,libriccino,libraccio\nsole,,,,solaccio\n");

// Also "derivati.txt" (pane, panettiere; latte, lattaio), two
// compound nouns and ten collective nouns cuno..cunozero with their partners puno..punozero.
inline void scriviElenchiTavole(const CartellaProva& cartella)
{
    cartella.scrivi(QStringLiteral("alterati.txt"), AlteratiTavole);
    cartella.scrivi(QStringLiteral("derivati.txt"), QStringLiteral("pane,panettiere\nlatte,lattaio\n"));
    cartella.scrivi(QStringLiteral("composti.txt"), QStringLiteral("pescespada\napriscatole\n"));
    QString coppie;
    for (int i = 1; i <= 10; ++i)
        coppie += QStringLiteral("c%1,p%1\n").arg(inLettere(i));
    cartella.scrivi(QStringLiteral("collettivi.txt"), coppie);
}

// Rnd values for a column A (1 to 3) and a kind B (2 to 5) of Form14.
inline void casellaTavola(CasualeCopione& casuale, int a, int b)
{
    casuale.aggiungi({per(a, 3), per(b - 1, 4)});
}

// Form14's first board on these lists: nouns casa, libro, naso (two
// repeats drawn again); words casetta, nasone, libraccio, libretto, casupola
// (an empty box and a word taken drawn again); palette colour 5.
inline void primaTavola(CasualeCopione& casuale)
{
    casuale.aggiungi({per(1, 5), per(1, 5), per(4, 5), per(4, 5), per(1, 5), per(2, 5)});
    casellaTavola(casuale, 1, 2);
    casellaTavola(casuale, 1, 4);
    casellaTavola(casuale, 1, 2);
    casellaTavola(casuale, 3, 3);
    casellaTavola(casuale, 2, 5);
    casellaTavola(casuale, 2, 2);
    casellaTavola(casuale, 1, 5);
    casuale.aggiungi({per(5, 18)});
}
