// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The module "lumeri_elenchi": the teachers' editor, loaded only when the
// program is started with --elenchi.

#include "comune/cartelle.h"
#include "elenchi/finestra_elenchi.h"

// `argomenti`: the list to open first (empty for the first one), then each
// exercise of the menu as "<form>\t<caption>", in the menu's order.
extern "C" Q_DECL_EXPORT QWidget* lumeriCreaElenchi(const QStringList* argomenti)
{
    QList<EsercizioDaVerificare> esercizi;
    for (qsizetype i = 1; i < argomenti->size(); ++i) {
        const QString& voce = argomenti->at(i);
        esercizi.append({voce.section(u'\t', 0, 0).toInt(), voce.section(u'\t', 1)});
    }
    return new FinestraElenchi(ArchivioElenchi(CartelleProgramma::delProgramma()), esercizi, argomenti->value(0));
}
