// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"

#include <QColor>
#include <QFont>
#include <QIcon>

class QWidget;

// The look of the windows: fonts, colours, pictures, style.
namespace Interfaccia {

// A font of the windows: Arial (Liberation Sans where Arial is missing).
QFont carattere(double punti, bool grassetto = true);

// MS Sans Serif bold, drawn as Liberation Sans where it is missing: the
// window font (8.25 pt) of labels that have no font of their own.
QFont carattereSansSerif(double punti = 8.25);

// The colour a value of the program's colours stands for.
QColor colore(ColoreVb valore);

// No title text on a top-level window. Where a title is empty, Qt gives the
// window manager the program's name instead; a single blank shows nothing.
void senzaTitolo(QWidget* finestra);

// Paints a widget's background, the way a window's background colour works:
// transparent labels show it behind their text.
void dipingiSfondo(QWidget* widget, ColoreVb valore);

// Sets a button's face colour.
void coloraBottone(QWidget* bottone, const QColor& colore);

// Sets the colour of a label's or a box's text. On a window's background
// the colour may give way to black or white (adattaTesti()).
void coloraTesto(QWidget* widget, ColoreVb valore);

// Every label and option button drawn on `area`'s background, `sfondo`, in
// a colour that reads there: the one given by coloraTesto() (black, the
// window text, where none was given) where it reads, else black or white.
// Boxes with a background of their own keep their text colour.
void adattaTesti(QWidget* area, ColoreVb sfondo);

// One of the program's pictures ("titolo", "sorriso", "ride", "triste",
// "freccia"), crisp at every size and pixel density.
QIcon icona(const QString& nome);

// The look of the program, the same on every platform.
void preparaStile();

} // namespace Interfaccia
