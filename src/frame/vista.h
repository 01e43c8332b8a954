// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How an exercise's logic tells its window what to do on screen. The window
// shows the logic's state when it is told aggiorna(); every other call is a
// one-off step (a message box, the way back to the menu, the answer box).
//
// The logic always has a view: until a window connects, this base class
// answers every call by doing nothing ("No" to a question), so the logic runs
// the same without a display.
class Vista {
public:
    virtual ~Vista() = default;

    // The state of the frame or of the drill changed: show all of it again.
    virtual void aggiorna() {}

    // A message box titled "Catalogare i lumeri" with the information icon and
    // "OK". Returns once the pupil has closed it.
    virtual void informa(const QString& testo) { Q_UNUSED(testo); }

    // A question with "Sì" and "No"; true for "Sì".
    virtual bool chiedi(const QString& domanda)
    {
        Q_UNUSED(domanda);
        return false;
    }

    // The window gives way to a fresh main menu.
    virtual void tornaAlMenu() {}

    // The box where the pupil types the answer is emptied (windows without
    // one ignore this).
    virtual void svuotaRisposta() {}
};
