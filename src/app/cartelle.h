#pragma once

#include <QString>

// Where the program finds what it reads: the word lists, the sounds and the
// sound module it ships with, and the teacher's own word lists.
//
// The shipped data lies beside the program (the build tree, or a copy
// unpacked anywhere) or, failing that, in an installed tree: "share/lumeri"
// and "libexec/lumeri" beside the program's "bin". Only paths relative to the
// program are known when it is built, so a tree works wherever it is put.
struct CartelleProgramma {
    QString dati;         // holds "testi" and "suoni"
    QString modulo;       // holds the sound module
    QString insegnante;   // the teacher's "testi": read first, when it exists

    QString testi() const;
    QString suoni() const;

    // The folders of a program in `cartellaProgramma`; `datiUtente` is the
    // user's data folder of the program (empty: no teacher's folder).
    static CartelleProgramma trova(const QString& cartellaProgramma, const QString& datiUtente);

    // The folders of the running program, with the user's data folder of the
    // application (QStandardPaths::AppDataLocation). The application's name
    // must be set first.
    static CartelleProgramma delProgramma();
};
