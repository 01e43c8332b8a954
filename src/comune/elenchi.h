// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A fault in a word-list file, told to the teacher in plain Italian.
struct ErroreElenco {
    ErroreElenco() = default;
    ErroreElenco(QString file, int riga, QString guasto, QString cartella = {})
        : file(std::move(file)), riga(riga), guasto(std::move(guasto)), cartella(std::move(cartella))
    {
    }

    QString file;       // the file's name as spelled on disk; as asked for when no folder holds it
    int riga = 0;       // line of the fault, 0 when the fault is not on one line
    QString guasto;     // what is wrong, one Italian sentence
    QString cartella;   // the folder the file was read from; empty when none holds it

    QString messaggio() const;
};

// Where a list was read: the folder, and the file's name as it is spelled
// there. For a file no folder holds, the name asked for and no folder.
struct Fonte {
    QString file;
    QString cartella;

    // A fault of this file at `riga` (0: not on one line).
    ErroreElenco errore(int riga, QString guasto) const { return {file, riga, std::move(guasto), cartella}; }
};

// One field of a word-list file, the line it stands on, and whether it is
// the first field of its line (a line end inside quotes does not end a line).
struct Campo {
    QString testo;
    int riga = 0;
    bool primo = false;
};
Q_DECLARE_TYPEINFO(Campo, Q_RELOCATABLE_TYPE);

// Records of a file, each a fixed number of fields. Record r (1-based) is
// tabella[r - 1], its field c (1-based) is tabella[r - 1][c - 1].
using Tabella = QList<QStringList>;

// Field `campo` (1-based) of every record, in order.
QStringList colonna(const Tabella& tabella, int campo);

// The shape of the records of a file as a window reads them: how many fields
// a record has, and which of them may be empty (bit c - 1 for field c). Every
// other field holds a word that the window shows or expects.
struct FormaRecord {
    FormaRecord(int campi, unsigned vuotiAmmessi = 0)   // a record of `campi` words, none empty
        : campi(campi)
        , vuotiAmmessi(vuotiAmmessi)
    {
    }

    int campi;
    unsigned vuotiAmmessi;

    // Field `campo` (1-based) may be empty.
    bool puoEssereVuoto(int campo) const { return campo >= 1 && campo <= 32 && (vuotiAmmessi >> (campo - 1)) & 1u; }
};

// One of the sixteen word lists: its file as the program ships it, its plain
// Italian name for a teacher, and the names of its record's fields, in order
// (a spreadsheet's header row would hold them).
struct DescrizioneElenco {
    QString file;
    QString nome;
    QStringList colonne;
    unsigned vuotiAmmessi = 0;   // the fields that may be empty, as FormaRecord has them

    // The shape of its records as the windows read them.
    // A list of single nouns passes over an empty field.
    FormaRecord forma() const
    {
        return colonne.size() == 1 ? FormaRecord(1, 1u) : FormaRecord(int(colonne.size()), vuotiAmmessi);
    }
};

// The sixteen lists, in the order a teacher meets them.
const QList<DescrizioneElenco>& descrizioniElenchi();

// The list of that file name, matched without regard to case; null for none.
const DescrizioneElenco* descrizioneElenco(const QString& file);

// ---- What a word is ----
//
// The rules every word of a list keeps, whoever reads it: the reader, the
// checker and the editor call these, so that they never disagree.
//
// A word is made of letters (of any alphabet, with their accents),
// apostrophes, blanks and hyphens. What a word processor or a Mac puts in
// unseen is no part of it: the other blanks (non-breaking, thin, ...) are
// blanks, soft hyphens, zero-width characters and direction marks are
// dropped, and a word is compared with its accents composed (Unicode NFC),
// so that a Mac's "tribù", u and a combining grave accent, is the keyboard's.

// The word as the program shows and compares it: those characters dropped or
// made plain (Unicode's own hyphens are the keyboard's), blanks trimmed at
// both ends, accents composed.
QString pulisciParola(QStringView parola);

// Why `parola` is not a word, in one Italian sentence that names the first
// character at fault and its likely cause (a number, a bullet, a dash
// between two words, a formula's error); nothing when it is a word. What a
// quoted field may hold besides (commas, semicolons, tabs, line ends) is
// passed, as the reader passes it; so are the characters pulisciParola() drops.
std::optional<QString> guastoDellaParola(QStringView parola);

// Whether `record`, the first of a file of the list `elenco`, is a header
// row (the names of the list's columns, "maschile;femminile", or for a list
// of single nouns its name, "Nomi concreti") rather than words.
bool sembraIntestazione(const QStringList& record, const DescrizioneElenco& elenco);

// The fault of a header row, said at its line.
QString guastoIntestazione();

// Reads the word lists from an ordered list of folders: the teacher's own,
// those of the computer room, the shipped one last. A file is read from the
// first folder that holds it, file by file.
//
// A file is a sequence of fields separated by commas, semicolons, tabs and
// line ends (CR LF, LF or CR). Blanks before a field are skipped and blanks
// after an unquoted field are trimmed; a line of blanks and separators alone
// gives no field. A field that begins with a double quote runs
// to the next double quote, separators and line ends included; one that
// begins with a typographic quote (“ ” „) runs to the next “ or ”, one that
// begins with « to the next »; the quotes are not part of it. A line of blanks
// gives no field. A file with a UTF-16 or UTF-32 byte-order mark is read as
// such; a file that is valid UTF-8 as UTF-8, any other as Windows-1252. File
// names are matched without regard to letter case, the exact spelling first.
//
// Only regular files are read, of at most MassimoByte bytes; a document in
// its own format (RTF, a spreadsheet's or a word processor's) is a fault at
// line 1. A field longer than MassimoCaratteri characters, or holding a
// control character (but the tabs and line ends of a quoted field), or any
// other character that is no part of a word (guastoDellaParola()), is a
// fault at its line. Every word is cleaned (pulisciParola()).
//
// A first record made of the headings of the list the file is
// (sembraIntestazione()) is a fault at its line.
//
// In a list of single words an empty field is passed over. In a file of
// records no shift of a field may reach a pupil: where a line holds more than
// one field, every line must hold whole records, and a field that must hold a
// word may not be empty; either fault is told at its line. A file written one
// field a line whose lines mostly hold two to a record's count of words with
// blanks between them is a file of records with blanks for commas: a fault
// at the first such line.
//
// Nothing is written to the caller's list or table unless the whole load
// succeeds. Every fault names the file as spelled on disk and its folder.
class LettoreElenchi {
public:
    // Far above any real list, which is a few KB, and any real word.
    static constexpr qint64 MassimoByte = 1024 * 1024;
    static constexpr int MassimoCaratteri = 100;

    // The shipped folder, and before it the teacher's when it exists.
    explicit LettoreElenchi(QString cartellaTesti, QString cartellaInsegnante = {});
    // The folders in the order they are read; all but the last are read only
    // when they exist, the last (the shipped one) is named also when missing.
    explicit LettoreElenchi(QStringList cartelle);

    // The path of a file, matched without regard to case, in the first
    // folder that holds it; empty when none does.
    QString trovaFile(const QString& nome) const;

    // The folder a file is read from; empty when none holds it.
    QString cartellaDi(const QString& nome) const;

    // The folders read, in order. A folder reached twice is read where it comes last.
    QStringList cartelle() const;

    // What `cartella` holds under `nome`, as the reader looks it up: the exact
    // name first, then without regard to case. Empty when nothing.
    static QString percorsoIn(const QString& cartella, const QString& nome);

    // One entry per word, from the files in order, appended; at most
    // `limite` entries in all. `fonti`, when given, receives where each file was read.
    std::optional<ErroreElenco> caricaElenco(const QStringList& nomi, QStringList& elenco, int limite = 500,
                                             QList<Fonte>* fonti = nullptr) const;

    // Records of the shape `forma`, counted in fields, not lines; at most
    // `limite` records. `righe`, when given, receives the line on which each
    // record begins; `fonte` where the file was read.
    std::optional<ErroreElenco> caricaRecord(const QString& nome, FormaRecord forma, int limite, Tabella& tabella,
                                             QList<int>* righe = nullptr, Fonte* fonte = nullptr) const;

    // All the fields of one file.
    std::optional<ErroreElenco> leggiCampi(const QString& nome, QList<Campo>& campi) const;

    // The field rules applied to a whole decoded text.
    static std::optional<ErroreElenco> dividiCampi(QString testo, const QString& nome, QList<Campo>& campi);

    // The record rules applied to a whole decoded text, as caricaRecord() applies them to a file.
    static std::optional<ErroreElenco> dividiRecord(QString testo, const QString& nome, FormaRecord forma,
                                                    int limite, Tabella& tabella, QList<int>* righe = nullptr);

    static QString decodifica(const QByteArray& dati);

    // A text in memory read in place of the file `nome` (its name matched
    // without regard to case), as though it lay in `cartella`: a list being
    // edited, read with every rule of a file before it is saved.
    void sostituisci(const QString& nome, QString testo, QString cartella = {});

private:
    // The decoded text of a file; `fonte` receives where it was found.
    std::optional<ErroreElenco> leggiTesto(const QString& nome, QString& testo, Fonte& fonte) const;

    QStringList cartelleInOrdine;

    struct Sostituto {
        QString nome;
        QString testo;
        QString cartella;
    };
    QList<Sostituto> sostituti;
};
