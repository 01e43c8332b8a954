// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The text of the about box: the credits chosen when the program was
// configured, in four lines (name, a line of hyphens, web address, mail).
namespace Informazioni {

QString testo();

} // namespace Informazioni
