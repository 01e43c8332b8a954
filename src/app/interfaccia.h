#pragma once

#include "app/colori.h"

#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>

class QWidget;

// Helpers shared by every window: measures in twips, fonts, colours, pictures.
namespace Interfaccia {

// 15 twips make one pixel at 96 dpi; Qt scales the pixels for dense screens.
inline constexpr int pixel(int twip) { return (twip * 2 + 15) / 30; }

// A rectangle given in twips. Edges are rounded one by one, so boxes that
// touch in twips still touch on screen.
QRect rettangolo(int sinistra, int alto, int larghezza, int altezza);

// A font of the windows: Arial (Liberation Sans where Arial is missing).
QFont carattere(double punti, bool grassetto = true);

// MS Sans Serif bold, drawn as Liberation Sans where it is missing: the
// window font (8.25 pt) of labels that have no font of their own.
QFont carattereSansSerif(double punti = 8.25);


QColor colore(ColoreVb valore);

// A top-level window of the program: its name, no title text and a fixed
// client area given in twips.
void preparaFinestra(QWidget* finestra, const QString& nome, int larghezza, int altezza);

// No title text on a top-level window. Where a title is empty, Qt gives the
// window manager the program's name instead; a single blank shows nothing.
void senzaTitolo(QWidget* finestra);

// Paints a widget's background, the way a window's background colour works:
// transparent labels show it behind their text.
void dipingiSfondo(QWidget* widget, ColoreVb valore);

// Sets a button's face colour.
void coloraBottone(QWidget* bottone, const QColor& colore);

// Sets the colour of a label's or a box's text.
void coloraTesto(QWidget* widget, ColoreVb valore);

// One of the program's pictures ("titolo", "sorriso", "ride", "triste",
// "freccia"), crisp at every size and pixel density.
QIcon icona(const QString& nome);

// The look of the program, the same on every platform.
void preparaStile();

} // namespace Interfaccia

// A push button whose caption wraps onto several lines, centred, as long
// captions of the menu need. text() keeps the caption as it is.
class BottoneACapo : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// An option button whose caption wraps; a click anywhere on it selects it.
class OpzioneACapo : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* evento) override;
    bool hitButton(const QPoint& punto) const override;
};
