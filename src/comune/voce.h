// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Reads a text aloud in Italian. Reading returns at once and never waits for
// the speech engine; a new text stops the one being read. Where no Italian
// voice is installed nothing is heard, and nothing is said about it.
//
// This base class is the silent voice: it reads nothing.
class Voce {
public:
    virtual ~Voce() = default;
    virtual void leggi(const QString& testo) { Q_UNUSED(testo); }

    // The voice of a program that reads nothing aloud.
    static Voce& muta()
    {
        static Voce nessuna;
        return nessuna;
    }
};
