// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QLocale;

// Reads a text aloud in Italian. Reading returns at once and never waits for
// the speech engine; a new text stops the one being read. Where no Italian
// voice is installed nothing is heard, and nothing is said about it.
//
// This base class is the silent voice: it reads nothing.
class Voce {
public:
    virtual ~Voce() = default;
    virtual void leggi(const QString& testo) { Q_UNUSED(testo); }
    // Gets the speech engine ready, without waiting for it, so that the first
    // word is heard at once; nothing by default.
    virtual void prepara() {}

    // Which of a speech engine's languages to read in: the Italian of Italy,
    // else the first other Italian; -1 where the engine speaks no Italian.
    static qsizetype linguaItaliana(const QList<QLocale>& lingue);

    // The voice of a program that reads nothing aloud.
    static Voce& muta()
    {
        static Voce nessuna;
        return nessuna;
    }
};
