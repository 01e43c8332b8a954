#pragma once

#include "app/elenchi.h"

#include <optional>

// Loads and checks that several exercise windows share: a window that draws
// from a list must find something to draw, and one that shows an altered
// form must find one in every record, or its draw would never end.
namespace Verifiche {

// A fault when the window has nothing to draw from `file` (the files of one
// list, read through `lettore`, which tells the folders they came from).
std::optional<ErroreElenco> vuoto(const LettoreElenchi& lettore, const QStringList& file, qsizetype quante);
// The same without the folders; for one file, Esercizio::avvia() names its folder.
std::optional<ErroreElenco> vuoto(const QStringList& file, qsizetype quante);

// The records of a file of `campi` fields each, at most `limite`; the file
// must hold at least one.
std::optional<ErroreElenco> caricaTabella(const LettoreElenchi& lettore, const QString& file, int campi,
                                          int limite, Tabella& tabella);

// "alterati.txt": a noun and its four altered forms per record, at most
// `limite` records, none of them without an altered form.
std::optional<ErroreElenco> caricaAlterati(const LettoreElenchi& lettore, int limite, Tabella& tabella);

inline const QString FileAlterati = QStringLiteral("alterati.txt");

} // namespace Verifiche
