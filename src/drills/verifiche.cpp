// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/verifiche.h"

namespace Verifiche {

std::optional<ErroreElenco> vuoto(const QList<Fonte>& fonti, qsizetype quante)
{
    if (quante > 0)
        return std::nullopt;
    QStringList file, cartelle;
    for (const Fonte& fonte : fonti) {
        file.append(fonte.file);
        if (!cartelle.contains(fonte.cartella))
            cartelle.append(fonte.cartella);
    }
    return ErroreElenco{file.join(QStringLiteral("\" e \"")), 0, QStringLiteral("non c'è nessuna parola da mostrare."),
                        cartelle.join(QStringLiteral(" e "))};
}

std::optional<ErroreElenco> caricaTabella(const LettoreElenchi& lettore, const QString& file, FormaRecord forma,
                                          int limite, Tabella& tabella)
{
    Tabella letta;
    Fonte fonte;
    if (auto errore = lettore.caricaRecord(file, forma, limite, letta, nullptr, &fonte))
        return errore;
    if (auto errore = vuoto({fonte}, letta.size()))
        return errore;
    tabella = std::move(letta);
    return std::nullopt;
}

std::optional<ErroreElenco> caricaAlterati(const LettoreElenchi& lettore, int limite, Tabella& tabella)
{
    Tabella letta;
    QList<int> righe;
    Fonte fonte;
    if (auto errore = lettore.caricaRecord(FileAlterati, FormaAlterati, limite, letta, &righe, &fonte))
        return errore;
    if (auto errore = vuoto({fonte}, letta.size()))
        return errore;
    for (qsizetype r = 0; r < letta.size(); ++r) {
        bool nessuna = true;
        for (int c = 1; c < 5; ++c)
            nessuna = nessuna && letta[r].value(c).isEmpty();
        if (nessuna) {
            return fonte.errore(righe.value(r),
                                QStringLiteral("il nome \"%1\" non ha nessuna forma alterata.").arg(letta[r].value(0)));
        }
    }
    tabella = std::move(letta);
    return std::nullopt;
}

} // namespace Verifiche
