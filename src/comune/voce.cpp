// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/voce.h"

#include <QLocale>

qsizetype Voce::linguaItaliana(const QList<QLocale>& lingue)
{
    qsizetype scelta = -1;
    for (qsizetype i = 0; i < lingue.size(); ++i) {
        if (lingue.at(i).language() != QLocale::Italian)
            continue;
        if (lingue.at(i).territory() == QLocale::Italy)
            return i;
        if (scelta < 0)
            scelta = i;
    }
    return scelta;
}
