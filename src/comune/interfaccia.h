// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"

#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QToolButton>

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QWidget;

// Helpers shared by every window: measures in twips, fonts, colours, pictures.
namespace Interfaccia {

// 15 twips make one pixel at 96 dpi and scale 1; Qt scales the pixels for
// dense screens. A window is drawn larger on the classroom's board (F11).
int pixel(int twip, double scala = 1.0);

// A rectangle given in twips. Edges are rounded one by one, so boxes that
// touch in twips still touch on screen.
QRect rettangolo(int sinistra, int alto, int larghezza, int altezza, double scala = 1.0);

// Every control of a window is placed from twips and given its font and
// picture size through these three, which keep what they were given: the
// window can then be laid out again at any scale. A control moved while the
// window is open is moved with disponi() again.
void disponi(QWidget* controllo, const QRect& twip);
void assegnaCarattere(QWidget* controllo, const QFont& carattere);
void dimensioneIcona(QAbstractButton* bottone, int lato);

// The scale the window holding `widget` is drawn at; 1 for a widget of no
// window of the program. A font at that scale, for a widget that is not
// laid out again (a message box).
double scala(const QWidget* widget);
QFont carattereInScala(const QFont& carattere, const QWidget* widget);

// Lays the window out again at `scala`: every control's place, font and
// picture. With `schermo`, the window takes that size and its layout stands
// in the middle of it, the spare edge in the background of its client area.
// The window is then sent an event of type eventoScala().
void impostaScala(QWidget* finestra, double scala, const QSize& schermo = {});
QEvent::Type eventoScala();

// The classroom's board: F11 draws every window of the program in the whole
// screen, at the largest scale that keeps its proportions, for the rest of
// the run; F11 again, or Escape, goes back. Nothing is kept on disk.
//
// mostra() shows a window as the run wants it: in the whole screen, or at
// scale 1.
void mostra(QWidget* finestra);
// F11, and Escape in the whole screen, for a window: true when it was used.
// A window calls it for the keys its controls leave to it.
bool tastoSchermo(QWidget* finestra, QKeyEvent* evento);

// A font of the windows: Arial (Liberation Sans where Arial is missing).
QFont carattere(double punti, bool grassetto = true);

// MS Sans Serif bold, drawn as Liberation Sans where it is missing: the
// window font (8.25 pt) of labels that have no font of their own.
QFont carattereSansSerif(double punti = 8.25);


QColor colore(ColoreVb valore);

// The client area of a window of the program: its name and its fixed size
// in twips. A top-level window that is its own client area gets no title text.
void preparaFinestra(QWidget* area, const QString& nome, int larghezza, int altezza);

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
// control is large, along its edge, where they cover none of its text: the
// focus; a word picked up on a board, which is also yellow inside
// (disegnaFondoSegno(), drawn before the text); the box chosen to put it
// down on.
enum class Segno { Fuoco, Presa, Bersaglio };
void disegnaSegno(QPainter& pittore, const QRect& controllo, Segno segno);
void disegnaFondoSegno(QPainter& pittore, const QRect& controllo, Segno segno);

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
