// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/elenchi.h"

#include <optional>

// Loads and checks that several exercise windows share: a window that draws
// from a list must find something to draw, and one that shows an altered
// form must find one in every record, or its draw would never end.
namespace Verifiche {

// A fault when the window has nothing to draw from the files of one list,
// read from `fonti`.
std::optional<ErroreElenco> vuoto(const QList<Fonte>& fonti, qsizetype quante);

// The records of a file of `forma`, at most `limite`; the file must hold at least one.
std::optional<ErroreElenco> caricaTabella(const LettoreElenchi& lettore, const QString& file, FormaRecord forma,
                                          int limite, Tabella& tabella);

// "alterati.txt": a noun and its four altered forms per record, at most
// `limite` records, none of them without an altered form.
std::optional<ErroreElenco> caricaAlterati(const LettoreElenchi& lettore, int limite, Tabella& tabella);

inline const QString FileAlterati = QStringLiteral("alterati.txt");

// A record of "alterati.txt": the noun, which every window shows or expects,
// and its diminutive, augmentative, endearing and pejorative forms, any of
// which may be missing.
inline const FormaRecord FormaAlterati{5, 0b11110};

} // namespace Verifiche
