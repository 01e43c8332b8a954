// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QFont>
#include <QRect>
#include <QSize>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// Measures in twips, and the scale every window is drawn at.
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

// The client area of a window of the program: its name and its fixed size
// in twips. A top-level window that is its own client area gets no title text.
void preparaFinestra(QWidget* area, const QString& nome, int larghezza, int altezza);

} // namespace Interfaccia
