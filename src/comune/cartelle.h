// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Where the program finds what it reads: the word lists, the sounds and the
// sound module it ships with, the teacher's own word lists and those a school
// gives every account of a computer room.
//
// The shipped data lies beside the program (the build tree, or a copy
// unpacked anywhere) or, failing that, in an installed tree: "share/lumeri"
// and "libexec/lumeri" beside the program's "bin". Only paths relative to the
// program are known when it is built, so a tree works wherever it is put.
struct CartelleProgramma {
    QString dati;         // holds "testi" and "suoni"
    QString modulo;       // holds the sound module
    QString insegnante;   // the teacher's "testi": read first, when it exists
    QStringList sistema;  // the "testi" of the system's data folders, in order: read next, where they exist

    QString testi() const;
    QString suoni() const;
    // The folders of the word lists in the order they are read: the
    // teacher's, the system's, the shipped one.
    QStringList elenchi() const;

    // The folders of a program in `cartellaProgramma`; `datiUtente` is the
    // user's data folder of the program (empty: no teacher's folder),
    // `datiSistema` the system's data folders of the program.
    static CartelleProgramma trova(const QString& cartellaProgramma, const QString& datiUtente,
                                   const QStringList& datiSistema = {});

    // The folders of the running program, with the user's and the system's
    // data folders of the application (QStandardPaths::AppDataLocation: on
    // Linux under XDG_DATA_HOME, then under each of XDG_DATA_DIRS). The
    // application's name must be set first.
    static CartelleProgramma delProgramma();
};
