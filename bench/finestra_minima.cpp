// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A window with one word in it and nothing else: what any Qt Widgets program
// costs to start. Built as finestra_vuota it shows no text at all, and then
// never starts the font system, which every window with a word in it does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.resize(687, 532);
#ifndef FINESTRA_VUOTA
    new QLabel(QStringLiteral("Ciao"), &finestra);
#endif
    finestra.show();
    return app.exec();
}
