// libFuzzer target of the word-list reader: any bytes a file can hold go
// through decoding, the field rules and the grouping into records, and what
// the reader promises is checked on every input.
//
//     cmake --preset fuzz && cmake --build --preset fuzz
//     build-fuzz/fuzz/lumeri_fuzz_lettore -max_total_time=600 NEW_CORPUS fuzz/seme

#include "app/elenchi.h"

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

// The lines of a text: CR LF, LF and CR end one each.
int righe(const QString& testo)
{
    int n = 1;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] == u'\n' || (testo[i] == u'\r' && (i + 1 == testo.size() || testo[i + 1] != u'\n')))
            ++n;
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti)
{
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(quanti));
    const QString testo = LettoreElenchi::decodifica(byte);
    const int ultimaRiga = righe(testo);
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
        separatori += c == u',' || c == u'\n' || c == u'\r';
    verifica(campi.size() <= separatori, "no more fields than separators and one");

    const bool virgolette = testo.contains(u'"');
    int riga = 1;
    for (const Campo& campo : std::as_const(campi)) {
        verifica(campo.riga >= riga && campo.riga <= ultimaRiga, "line numbers in range, never decreasing");
        riga = campo.riga;
        verifica(virgolette || !std::any_of(campo.testo.begin(), campo.testo.end(), fineRiga),
                 "no line end in an unquoted field");
        verifica(campo.testo.size() <= LettoreElenchi::MassimoCaratteri, "no field over the bound");
        verifica(campo.testo.constData()[campo.testo.size()] == u'\0', "every word ends with its zero");
        for (QChar c : campo.testo) {
            const char16_t u = c.unicode();
            verifica(!((u < 0x20 && u != u'\t' && !fineRiga(c)) || u == 0x7F), "no control character in a field");
        }
    }

    for (int perRecord : {1, 2, 5}) {
        Tabella tabella{QStringList{sentinella.testo}};
        QList<int> inizi;
        const auto fallito = LettoreElenchi::raggruppa(campi, perRecord, 100, nome, tabella, &inizi);
        if (fallito) {
            verifica(tabella.size() == 1 && tabella[0].value(0) == sentinella.testo,
                     "no record written on a fault");
            continue;
        }
        verifica(tabella.size() * perRecord == campi.size(), "records times fields are the fields");
        verifica(tabella.size() <= 100 && inizi.size() == tabella.size(), "records within the bound");
        for (qsizetype r = 0; r < tabella.size(); ++r) {
            verifica(tabella[r].size() == perRecord, "every record whole");
            verifica(inizi[r] == campi[r * perRecord].riga, "a record begins on its first field's line");
            for (int c = 0; c < perRecord; ++c)
                verifica(tabella[r][c] == campi[r * perRecord + c].testo, "the fields in their order");
        }
    }
    return 0;
}
