// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// The program's message boxes, titled "Catalogare i lumeri", with Italian buttons.
namespace Dialoghi {

inline constexpr auto Titolo = "Catalogare i lumeri";

// Question with "Sì" and "No"; true for "Sì".
bool chiedi(QWidget* genitore, const QString& domanda);

// Information with "OK".
void informa(QWidget* genitore, const QString& testo);

// A fault the teacher must mend, with "OK".
void avvisa(QWidget* genitore, const QString& testo);

// The program's exit question: true when the pupil answers "Sì".
bool esciProgramma(QWidget* genitore);

} // namespace Dialoghi
