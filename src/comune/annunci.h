// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace Interfaccia {

// Has a screen reader speak `frase`, at `dove`, the control that has the
// focus or is about to get it. Where the focus is to come to it, the
// sentence becomes the control's description, which a screen reader speaks
// with the control; it goes when the focus leaves. Where the control has the
// focus already, a notification of the window shows anew with the sentence.
void annuncia(QWidget* dove, const QString& frase);

} // namespace Interfaccia
