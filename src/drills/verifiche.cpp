#include "drills/verifiche.h"

namespace Verifiche {

std::optional<ErroreElenco> vuoto(const QStringList& file, qsizetype quante)
{
    if (quante > 0)
        return std::nullopt;
    return ErroreElenco{file.join(QStringLiteral("\" e \"")), 0, QStringLiteral("non c'è nessuna parola da mostrare.")};
}

std::optional<ErroreElenco> vuoto(const LettoreElenchi& lettore, const QStringList& file, qsizetype quante)
{
    auto errore = vuoto(file, quante);
    if (errore) {
        QStringList cartelle;
        for (const QString& nome : file) {
            const QString cartella = lettore.cartellaDi(nome);
            if (!cartelle.contains(cartella))
                cartelle.append(cartella);
        }
        errore->cartella = cartelle.join(QStringLiteral(" e "));
    }
    return errore;
}

std::optional<ErroreElenco> caricaTabella(const LettoreElenchi& lettore, const QString& file, int campi,
                                          int limite, Tabella& tabella)
{
    Tabella letta;
    if (auto errore = lettore.caricaRecord(file, campi, limite, letta))
        return errore;
    if (auto errore = vuoto(lettore, {file}, letta.size()))
        return errore;
    tabella = std::move(letta);
    return std::nullopt;
}

std::optional<ErroreElenco> caricaAlterati(const LettoreElenchi& lettore, int limite, Tabella& tabella)
{
    Tabella letta;
    QList<int> righe;
    if (auto errore = lettore.caricaRecord(FileAlterati, 5, limite, letta, &righe))
        return errore;
    if (auto errore = vuoto(lettore, {FileAlterati}, letta.size()))
        return errore;
    for (qsizetype r = 0; r < letta.size(); ++r) {
        bool nessuna = true;
        for (int c = 1; c < 5; ++c)
            nessuna = nessuna && letta[r].value(c).isEmpty();
        if (nessuna) {
            return ErroreElenco{FileAlterati, righe.value(r),
                                QStringLiteral("il nome \"%1\" non ha nessuna forma alterata.")
                                    .arg(letta[r].value(0)),
                                lettore.cartellaDi(FileAlterati)};
        }
    }
    tabella = std::move(letta);
    return std::nullopt;
}

} // namespace Verifiche
