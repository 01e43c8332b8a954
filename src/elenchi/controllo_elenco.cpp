// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elenchi/controllo_elenco.h"

#include "drills/verifiche.h"

#include <QSet>

#include <climits>

namespace {

QString suRiga(int riga, const QString& testo)
{
    return riga > 0 ? QStringLiteral("riga %1: %2").arg(riga).arg(testo) : testo;
}

bool stessoFile(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A record as the check compares it with another: its words in small letters, without extra blanks.
QString chiave(const QStringList& record)
{
    QStringList parole;
    for (const QString& parola : record)
        parole.append(parola.simplified().toLower());
    return parole.join(u'\n');
}

} // namespace

FormaRecord formaDi(const DescrizioneElenco& elenco)
{
    // An empty field of a list of single words is passed over: an empty row there is no fault.
    return elenco.colonne.size() == 1 ? FormaRecord{1, 1u} : elenco.forma();
}

QString campoSalvato(const QString& parola)
{
    static const QString daVirgolette = QStringLiteral(",;\t\r\n");
    bool virgolette = !parola.isEmpty() && (parola.front().isSpace() || parola.back().isSpace());
    if (!parola.isEmpty()) {
        const QChar prima = parola.front();
        virgolette = virgolette || prima == u'"' || prima == u'\u201C' || prima == u'\u201D' || prima == u'\u201E'
                     || prima == u'\u00AB';
    }
    for (qsizetype i = 0; !virgolette && i < parola.size(); ++i)
        virgolette = daVirgolette.contains(parola[i]);
    return virgolette ? u'"' + parola + u'"' : parola;
}

QString testoDi(const Tabella& tabella)
{
    QString testo;
    testo.reserve(tabella.size() * 24);
    for (const QStringList& record : tabella) {
        for (qsizetype c = 0; c < record.size(); ++c) {
            if (c > 0)
                testo += u',';
            // A row of separators alone is a blank line to the reader: an
            // empty first word is written quoted, so that the record is read.
            testo += c == 0 && record[c].isEmpty() ? QStringLiteral("\"\"") : campoSalvato(record[c]);
        }
        testo += u'\n';
    }
    return testo;
}

QList<EsercizioDaVerificare> eserciziCheLeggono(const QString& file, const QStringList& cartelle,
                                               const QList<EsercizioDaVerificare>& esercizi)
{
    LettoreElenchi lettore(cartelle);
    lettore.sostituisci(file, QStringLiteral("\""));   // a quote never closed: whoever reads the file stops there
    const EsitoVerifica esito = verificaElenchi(lettore, esercizi);
    QList<EsercizioDaVerificare> leggono;
    for (const Problema& problema : esito.problemi) {
        if (!stessoFile(problema.errore.file, file))
            continue;
        for (const EsercizioDaVerificare& esercizio : esercizi) {
            if (problema.esercizi.contains(esercizio.nome))
                leggono.append(esercizio);
        }
    }
    return leggono;
}

ControlloElenco::ControlloElenco(const DescrizioneElenco& elenco, QStringList cartelleLette,
                                 const QList<EsercizioDaVerificare>& tutti, const QString& fornita)
    : elenco_(elenco)
    , forma(formaDi(elenco))
    , cartelle(std::move(cartelleLette))
    , esercizi_(eserciziCheLeggono(elenco.file, {fornita}, tutti))
{
    if (forma.campi != 1)
        return;
    // A word in two lists of one exercise belongs to both classes: the pupil cannot tell which one is meant.
    const LettoreElenchi lettore(cartelle);
    for (const DescrizioneElenco& altro : descrizioniElenchi()) {
        if (altro.colonne.size() != 1 || stessoFile(altro.file, elenco.file))
            continue;
        QStringList parole;
        if (eserciziCheLeggono(altro.file, {fornita}, esercizi_).isEmpty() || lettore.caricaElenco({altro.file}, parole))
            continue;
        QSet<QString> insiemeParole;
        for (const QString& parola : std::as_const(parole))
            insiemeParole.insert(parola.simplified().toLower());
        vicini.append({altro.file, insiemeParole});
    }
}

void ControlloElenco::controllaRecord(const QStringList& record, int riga, QList<Segnalazione>& guasti) const
{
    // Read alone, under no list's name: what holds for a file's first line only (a header) is
    // for the check of the whole list to say.
    Tabella letta;
    auto errore = LettoreElenchi::dividiRecord(testoDi({record}), QString(), forma, 1, letta);
    int colonna = 0;
    if (errore) {
        // The field it is about: the first that the reader refuses alone, or
        // the first left empty where a word is needed.
        for (int c = 1; c <= record.size() && colonna == 0; ++c) {
            QList<Campo> campi;
            if (LettoreElenchi::dividiCampi(campoSalvato(record[c - 1]), QString(), campi)
                || (record[c - 1].isEmpty() && !forma.puoEssereVuoto(c)))
                colonna = c;
        }
    } else if (stessoFile(elenco_.file, Verifiche::FileAlterati)) {
        LettoreElenchi solo(QStringList{});
        solo.sostituisci(elenco_.file, testoDi({record}));
        errore = Verifiche::caricaAlterati(solo, 1, letta);
        colonna = 2;
    }
    if (errore)
        guasti.append(Segnalazione{riga, colonna, suRiga(riga, errore->guasto)});
}

EsitoControllo ControlloElenco::controlla(const Tabella& tabella) const
{
    EsitoControllo esito;
    QSet<int> righeGuaste;
    for (qsizetype r = 0; r < tabella.size(); ++r) {
        const qsizetype prima = esito.guasti.size();
        controllaRecord(tabella[r], int(r + 1), esito.guasti);
        if (esito.guasti.size() > prima)
            righeGuaste.insert(int(r + 1));
    }

    // The whole list as each exercise that reads it opens, the other lists as they are.
    LettoreElenchi lettore(cartelle);
    lettore.sostituisci(elenco_.file, testoDi(tabella));
    const EsitoVerifica verifica = verificaElenchi(lettore, esercizi_);
    for (const Problema& problema : verifica.problemi) {
        const ErroreElenco& errore = problema.errore;
        QStringList nomi;
        for (const QString& nome : problema.esercizi)
            nomi.append(virgolettato(nome));
        const QString chi = nomi.join(QStringLiteral(", "));
        if (stessoFile(errore.file, elenco_.file)) {
            if (errore.riga > 0 && righeGuaste.contains(errore.riga))
                continue;   // told already at its row
            esito.guasti.append(Segnalazione{
                errore.riga, 0,
                suRiga(errore.riga, QStringLiteral("%1 Non può cominciare: %2.").arg(errore.guasto, chi))});
        } else {
            esito.avvisi.append(Segnalazione{
                0, 0,
                QStringLiteral("%1 non può cominciare per un problema nell'elenco %2%3: %4")
                    .arg(chi, virgolettato(errore.file),
                         errore.riga > 0 ? QStringLiteral(", riga %1").arg(errore.riga) : QString(), errore.guasto)});
        }
    }
    std::stable_sort(esito.guasti.begin(), esito.guasti.end(),
                     [](const Segnalazione& a, const Segnalazione& b) {
                         // What is about the whole list comes after the rows.
                         return (a.riga == 0 ? INT_MAX : a.riga) < (b.riga == 0 ? INT_MAX : b.riga);
                     });
    avvisi(tabella, esito);
    return esito;
}

void ControlloElenco::avvisi(const Tabella& tabella, EsitoControllo& esito) const
{
    QList<Segnalazione> trovati;
    QHash<QString, int> viste;
    for (qsizetype r = 0; r < tabella.size(); ++r) {
        const int riga = int(r + 1);
        const QString k = chiave(tabella[r]);
        if (k.isEmpty() || k.count(u'\n') == k.size())
            continue;   // an empty record
        if (const auto gia = viste.constFind(k); gia != viste.cend()) {
            trovati.append(Segnalazione{riga, 0, suRiga(riga, QStringLiteral("è uguale alla riga %1.").arg(*gia))});
        } else {
            viste.insert(k, riga);
        }
        for (const auto& [file, parole] : vicini) {
            if (parole.contains(k)) {
                trovati.append(Segnalazione{
                    riga, 1,
                    suRiga(riga, QStringLiteral("\"%1\" c'è anche nell'elenco %2, che si legge nello stesso "
                                                "esercizio: l'alunno non può sapere quale risposta è giusta.")
                                     .arg(tabella[r].value(0).simplified(), virgolettato(file)))});
            }
        }
    }
    esito.avvisi = trovati + esito.avvisi;
}
