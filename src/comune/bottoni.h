// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

class QAbstractButton;
class QKeyEvent;

namespace Interfaccia {

// Enter (the main key or the keypad's) presses a button, as Space does:
// true when the key was Enter and the button was pressed by it.
bool premiConInvio(QAbstractButton* bottone, QKeyEvent* evento);

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
