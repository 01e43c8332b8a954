// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QPainter;

namespace Interfaccia {

// The marks drawn on a control the keyboard is using, in two colours so
// that they show on every face and every background, as thick as the
// control is large, along its edge, where they cover none of its text: the
// focus; a word picked up on a board, which is also yellow inside
// (disegnaFondoSegno(), drawn before the text); the box chosen to put it
// down on.
enum class Segno { Fuoco, Presa, Bersaglio };
void disegnaSegno(QPainter& pittore, const QRect& controllo, Segno segno);
void disegnaFondoSegno(QPainter& pittore, const QRect& controllo, Segno segno);

} // namespace Interfaccia
