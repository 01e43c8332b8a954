// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target of the word-list reader: any bytes a file can hold go
// through decoding, the field rules and the grouping into records, and what
// the reader promises is checked on every input.
//
//     cmake --preset fuzz && cmake --build --preset fuzz
//     build-fuzz/fuzz/lumeri_fuzz_lettore -max_total_time=600 NEW_CORPUS fuzz/seme

#include "comune/elenchi.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void verifica(bool vero, const char* promessa)
{
    if (!vero) {
        std::fprintf(stderr, "broken promise: %s\n", promessa);
        std::abort();
    }
}

bool fineRiga(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The lines a piece of text ends: CR LF, LF and CR end one each.
int fini(QStringView testo)
{
    int n = 0;
    for (qsizetype i = 0; i < testo.size(); ++i)
        n += testo[i] == u'\n' || (testo[i] == u'\r' && (i + 1 == testo.size() || testo[i + 1] != u'\n'));
    return n;
}

// What a word that reaches a window may hold: letters (with their marks),
// apostrophes, blanks and hyphens, and what only quotes hold (separators,
// line ends). Nothing unseen: no format character, no other blank.
bool diUnaParola(const QString& parola)
{
    for (qsizetype i = 0; i < parola.size(); ++i) {
        char32_t u = parola[i].unicode();
        if (parola[i].isHighSurrogate() && i + 1 < parola.size() && parola[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(parola[i], parola[i + 1]);
            ++i;
        }
        if (QChar::isLetter(u) || QChar::isMark(u))
            continue;
        switch (u) {
        case u'\'':
        case 0x2019:
        case 0x2018:
        case u' ':
        case u'-':
        case u',':
        case u';':
        case u'\t':
        case u'\r':
        case u'\n':
            continue;
        default:
            return false;
        }
    }
    return true;
}

bool virgolette(QChar c)
{
    return c == u'"' || c == u'\u201C' || c == u'\u201D' || c == u'\u201E' || c == u'\u00AB';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti)
{
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(quanti));
    const QString testo = LettoreElenchi::decodifica(byte);
    const int ultimaRiga = fini(testo) + 1;
    const QString nome = QStringLiteral("prova.txt");

    const Campo sentinella{QStringLiteral("sentinella"), -1};
    QList<Campo> campi{sentinella};
    const auto errore = LettoreElenchi::dividiCampi(testo, nome, campi);
    verifica(testo == LettoreElenchi::decodifica(byte), "the caller's text is left as it was");
    if (errore) {
        verifica(campi.size() == 1 && campi[0].testo == sentinella.testo, "nothing written on a fault");
        verifica(errore->riga >= 0 && errore->riga <= ultimaRiga, "the fault's line is in the file");
        verifica(errore->file == nome && !errore->guasto.isEmpty(), "the fault names the file and says why");
        return 0;
    }

    qsizetype separatori = 1;
    for (QChar c : testo)
        separatori += c == u',' || c == u';' || c == u'\t' || c == u'\n' || c == u'\r';
    verifica(campi.size() <= separatori, "no more fields than separators and one");

    const bool quotati = std::any_of(testo.begin(), testo.end(), virgolette);
    int riga = 1;
    int fine = 0;   // the line the previous field ends on
    qsizetype primi = 0;
    for (const Campo& campo : std::as_const(campi)) {
        verifica(campo.riga >= riga && campo.riga <= ultimaRiga, "line numbers in range, never decreasing");
        riga = campo.riga;
        verifica(quotati || !std::any_of(campo.testo.begin(), campo.testo.end(), fineRiga),
                 "no line end in an unquoted field");
        // A line end outside quotes lies between a field and the next one
        // exactly when the next one is the first of its line. Cleaning a
        // word trims the line ends at its edges with its blanks, so a quoted
        // field may end on a later line than its text shows: there a field
        // first on its line still starts after it.
        if (quotati)
            verifica(!campo.primo || campo.riga > fine, "a field is first on its line after a line end");
        else
            verifica(campo.primo == (campo.riga > fine), "a field is first on its line after a line end");
        fine = campo.riga + fini(campo.testo);
        primi += campo.primo;
        verifica(campo.testo.size() <= LettoreElenchi::MassimoCaratteri, "no field over the bound");
        verifica(campo.testo.constData()[campo.testo.size()] == u'\0', "every word ends with its zero");
        for (QChar c : campo.testo) {
            const char16_t u = c.unicode();
            verifica(!((u < 0x20 && u != u'\t' && !fineRiga(c)) || u == 0x7F), "no control character in a field");
        }
        verifica(diUnaParola(campo.testo), "a word holds letters, apostrophes, blanks and hyphens, nothing unseen");
        verifica(campo.testo == campo.testo.normalized(QString::NormalizationForm_C), "every word is composed (NFC)");
    }

    // Records of one field, of pairs, and of "alterati.txt": a word, then four that may be missing.
    for (const FormaRecord forma : {FormaRecord(1, 1), FormaRecord(2), FormaRecord(5, 0b11110)}) {
        const int perRecord = forma.campi;
        Tabella tabella{QStringList{sentinella.testo}};
        QList<int> inizi;
        const auto fallito = LettoreElenchi::dividiRecord(testo, nome, forma, 100, tabella, &inizi);
        if (fallito) {
            verifica(tabella.size() == 1 && tabella[0].value(0) == sentinella.testo,
                     "no record written on a fault");
            verifica(fallito->riga >= 0 && fallito->riga <= ultimaRiga, "the fault's line is in the file");
            continue;
        }
        verifica(tabella.size() * perRecord == campi.size(), "records times fields are the fields");
        verifica(tabella.size() <= 100 && inizi.size() == tabella.size(), "records within the bound");
        for (qsizetype r = 0; r < tabella.size(); ++r) {
            verifica(tabella[r].size() == perRecord, "every record whole");
            verifica(inizi[r] == campi[r * perRecord].riga, "a record begins on its first field's line");
            for (int c = 0; c < perRecord; ++c) {
                verifica(tabella[r][c] == campi[r * perRecord + c].testo, "the fields in their order");
                verifica(!tabella[r][c].isEmpty() || forma.puoEssereVuoto(c + 1), "no word missing where one must be");
            }
        }
        // Where a line holds more than one field, every line holds whole records.
        if (perRecord >= 2 && primi < campi.size()) {
            qsizetype daInizio = 0;
            for (qsizetype i = 0; i <= campi.size(); ++i) {
                if (i == campi.size() || campi[i].primo) {
                    verifica(daInizio % perRecord == 0, "lines of whole records");
                    daInizio = 0;
                }
                ++daInizio;
            }
        }
    }

    return 0;
}
