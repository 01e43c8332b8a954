// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
struct ErroreElenco;

// The way between the program's windows, as an exercise window needs it.
class Navigazione {
public:
    virtual ~Navigazione() = default;

    // A fresh main menu takes the place of `finestra`.
    virtual void mostraMenu(QWidget* finestra) = 0;

    // A word-list fault found while `finestra` was starting: the teacher is
    // told, then a fresh main menu takes its place.
    virtual void erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore) = 0;
};
