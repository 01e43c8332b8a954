// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/elenchi.h"

#include <QList>
#include <QString>
#include <QStringList>

// The check of a folder of word lists before a lesson: each exercise starts
// its own logic over the lists, exactly as its window does when it opens, so
// every file it reads is read with its record shape, its bounds and the
// checks that stop the window from opening.

// One exercise to check: the window "Form<form>" and its name in the menu.
struct EsercizioDaVerificare {
    int form = 0;
    QString nome;
};

// One fault and the exercises it keeps from opening, in the order given;
// none for a file that no exercise reads.
struct Problema {
    ErroreElenco errore;
    QStringList esercizi;

    // One Italian line: file, folder, line, fault and the exercises.
    QString riga() const;
};

struct EsitoVerifica {
    QList<Problema> problemi;   // by file, then by line
    int controllati = 0;        // exercises checked
    int bloccati = 0;           // of them, those that cannot open

    bool buono() const { return problemi.isEmpty(); }
    // The closing line: how many problems, how many exercises cannot open.
    QString conclusione() const;
};

// Starts the logic of each exercise over the lists of `lettore`. An exercise
// without a logic to start is a problem of its own: it could not be checked.
// Every file or folder in `proprie` (the teacher's folders, not the shipped
// one) that no exercise reads is a problem too.
EsitoVerifica verificaElenchi(const LettoreElenchi& lettore, const QList<EsercizioDaVerificare>& esercizi,
                              const QStringList& proprie = {});

// The lists a teacher put beside the folders the program reads, where it
// never looks: one level up of each of `testi` (".../lumeri"), and in a
// folder that differs from "lumeri/testi" only in letter case
// (".../Lumeri/Testi"). Each is a problem that names the folder it belongs in.
QList<Problema> fuoriPosto(const QStringList& testi);

// The names of the sixteen word lists, as the program ships them.
const QStringList& nomiElenchi();

// The list a file of that name was most likely meant to be (another
// extension, a doubled ".txt", another letter case, a letter or two
// wrong); empty when none is near.
QString nomeVoluto(const QString& nome);

// A file's name as the checker's messages write it: "alterati.txt".
QString virgolettato(const QString& nome);
