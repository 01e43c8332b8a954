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

    QString file;       // the file name as the window asks for it
    int riga = 0;       // line of the fault, 0 when the fault is not on one line
    QString guasto;     // what is wrong, one Italian sentence
    QString cartella;   // the folder the file was read from; empty when none holds it

    QString messaggio() const;
};

// One field of a word-list file and the line it stands on.
struct Campo {
    QString testo;
    int riga = 0;
};
Q_DECLARE_TYPEINFO(Campo, Q_RELOCATABLE_TYPE);

// Records of a file, each a fixed number of fields. Record r (1-based) is
// tabella[r - 1], its field c (1-based) is tabella[r - 1][c - 1].
using Tabella = QList<QStringList>;

// Field `campo` (1-based) of every record, in order.
QStringList colonna(const Tabella& tabella, int campo);

// Reads the word lists of the folder "testi", and of the teacher's own
// folder before it: a file there replaces the shipped one of the same name.
//
// A file is a sequence of fields separated by commas and line ends (CR LF, LF
// or CR). Blanks before a field are skipped and blanks after an unquoted field
// are trimmed. A field that begins with a double quote runs to the next double
// quote, commas and line ends included; the quotes are not part of it. A
// line of blanks gives no field. A file with a UTF-16 or UTF-32 byte-order
// mark is read as such; a file that is valid UTF-8 as UTF-8, any other as
// Windows-1252. File names are matched without regard to letter case.
//
// Only regular files are read, of at most MassimoByte bytes; a field longer
// than MassimoCaratteri characters, or holding a control character (but tab
// and the line ends of a quoted field), is a fault at its line: what such a
// file holds is not words.
//
// Nothing is written to the caller's list or table unless the whole load
// succeeds.
class LettoreElenchi {
public:
    // Far above any real list, which is a few KB, and any real word.
    static constexpr qint64 MassimoByte = 1024 * 1024;
    static constexpr int MassimoCaratteri = 100;

    // `cartellaInsegnante` is read first, and only when it exists.
    explicit LettoreElenchi(QString cartellaTesti, QString cartellaInsegnante = {});

    // The path of a file, matched without regard to case, in the teacher's
    // folder first; empty when neither folder holds it.
    QString trovaFile(const QString& nome) const;

    // The folder a file is read from; empty when neither holds it.
    QString cartellaDi(const QString& nome) const;

    // The folders read, in order: the teacher's (when it exists), the shipped one.
    QStringList cartelle() const;

    // One entry per field, from the files in order, appended; at most
    // `limite` entries in all.
    std::optional<ErroreElenco> caricaElenco(const QStringList& nomi, QStringList& elenco,
                                             int limite = 500) const;

    // Records of `campiPerRecord` fields, counted in fields, not lines; at
    // most `limite` records. `righe`, when given, receives the line on which
    // each record begins.
    std::optional<ErroreElenco> caricaRecord(const QString& nome, int campiPerRecord, int limite,
                                             Tabella& tabella, QList<int>* righe = nullptr) const;

    // All the fields of one file.
    std::optional<ErroreElenco> leggiCampi(const QString& nome, QList<Campo>& campi) const;

    // Fields grouped into records of `campiPerRecord`, at most `limite`.
    static std::optional<ErroreElenco> raggruppa(QList<Campo> campi, int campiPerRecord, int limite,
                                                 const QString& nome, Tabella& tabella,
                                                 QList<int>* righe = nullptr);

    // The field rules applied to a whole decoded text.
    static std::optional<ErroreElenco> dividiCampi(QString testo, const QString& nome, QList<Campo>& campi);

    static QString decodifica(const QByteArray& dati);

private:
    // The decoded text of a file; `cartella` receives the folder it was read from.
    std::optional<ErroreElenco> leggiTesto(const QString& nome, QString& testo, QString& cartella) const;

    QString cartellaTesti;
    QString cartellaInsegnante;
};
