#pragma once

#include "app/colori.h"

#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QToolButton>

class QKeyEvent;
class QPainter;
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

// The marks drawn on a control the keyboard is using, in two colours so
// that they show on every face and every background, as thick as the
// control is large: the focus; a word picked up on a board; the box chosen
// to put it down on.
enum class Segno { Fuoco, Presa, Bersaglio };
void disegnaSegno(QPainter& pittore, const QRect& controllo, Segno segno);

// Enter (the main key or the keypad's) presses a button, as Space does:
// true when the key was Enter and the button was pressed by it.
bool premiConInvio(QAbstractButton* bottone, QKeyEvent* evento);

// Has a screen reader speak `frase`, at `dove`, the control that has the
// focus or is about to get it. Where the focus is to come to it, the
// sentence becomes the control's description, which a screen reader speaks
// with the control; it goes when the focus leaves. Where the control has the
// focus already, a notification of the window shows anew with the sentence.
void annuncia(QWidget* dove, const QString& frase);

} // namespace Interfaccia

// A push button whose caption wraps onto several lines, centred, as long
// captions of the menu need. text() keeps the caption as it is. Enter
// presses it, as Space does; with the focus it shows the focus mark.
class BottoneACapo : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

// A button with a picture above its caption ("Avvio", "avanti",
// "Aiutami"): Enter presses it, as Space does; with the focus it shows the
// focus mark.
class BottoneFigura : public QToolButton {
    Q_OBJECT
public:
    // `figura` as for icona(), at 32 x 32 above the caption.
    BottoneFigura(QWidget* genitore, const QString& testo, const QString& figura);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
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
