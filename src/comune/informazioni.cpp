// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/informazioni.h"

#include "crediti.h"

namespace Informazioni {

QString testo()
{
    return QString::fromUtf8(LUMERI_CREDITI_NOME) + QStringLiteral("  \n")
           + QStringLiteral(" %1 \n").arg(QString(23, u'-'))
           + QString::fromUtf8(LUMERI_CREDITI_SITO) + u'\n'
           + QStringLiteral("mail: ") + QString::fromUtf8(LUMERI_CREDITI_MAIL);
}

} // namespace Informazioni
