// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The word lists shipped with the program: each file reads with its record
// shape and enough records, and no word stands in both lists of one exercise.

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/esercizi.h"
#include "drills/verifiche.h"
#include "frame/esercizio.h"
#include "supporto.h"

#include <QDir>
#include <QSet>
#include <QTest>
#include <memory>

namespace {

const LettoreElenchi& lettore()
{
    static const LettoreElenchi istanza(QStringLiteral(LUMERI_TESTI));
    return istanza;
}

// Records of `campi` fields as the windows read them.
FormaRecord forma(int campi)
{
    return campi == 5 ? Verifiche::FormaAlterati : FormaRecord(campi);
}

// The words a pupil sees from a file, lower-cased, for comparing lists.
QSet<QString> parole(const QStringList& file, int campi, const QList<int>& colonne)
{
    QSet<QString> insieme;
    for (const QString& nome : file) {
        Tabella tabella;
        if (const auto errore = lettore().caricaRecord(nome, forma(campi), 500, tabella)) {
            QTest::qFail(qPrintable(errore->messaggio()), __FILE__, __LINE__);
            return {};
        }
        for (const QStringList& record : std::as_const(tabella)) {
            for (int colonna : colonne) {
                if (!record.value(colonna - 1).isEmpty())
                    insieme.insert(record.value(colonna - 1).toLower());
            }
        }
    }
    return insieme;
}

} // namespace

class TestTesti : public QObject {
    Q_OBJECT

private slots:
    void formaDeiRecord_data();
    void formaDeiRecord();
    void nessunaParolaInDueElenchi_data();
    void nessunaParolaInDueElenchi();
    void ogniAlteratoHaUnaForma();
    void nessunaParolaInadatta_data();
    void nessunaParolaInadatta();
    void ogniEsercizioSiApre_data();
    void ogniEsercizioSiApre();
    void compostiSoloComposti();
    void coppieDaScrivere_data();
    void coppieDaScrivere();
    void collettiviNonScambiabili_data();
    void collettiviNonScambiabili();
};

void TestTesti::formaDeiRecord_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("campi");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("massimo");

    for (const char* nome : {"FemminileSingolare.txt", "FemminilePlurale.txt", "MaschileSingolare.txt",
                             "MaschilePlurale.txt", "concreti.txt", "astratti.txt", "propri.txt",
                             "comuni.txt"})
        QTest::newRow(nome) << QString::fromUtf8(nome) << 1 << 60 << 500;
    QTest::newRow("MaschileFemminile.txt") << "MaschileFemminile.txt" << 2 << 40 << 500;
    QTest::newRow("falsi maschili.txt") << "falsi maschili.txt" << 2 << 40 << 500;
    QTest::newRow("singolarePlurale.txt") << "singolarePlurale.txt" << 2 << 80 << 500;
    QTest::newRow("derivati.txt") << "derivati.txt" << 2 << 60 << 100;
    QTest::newRow("collettivi.txt") << "collettivi.txt" << 2 << 40 << 500;
    QTest::newRow("composti.txt") << "composti.txt" << 1 << 60 << 500;
    QTest::newRow("alterati.txt") << "alterati.txt" << 5 << 40 << 100;
    QTest::newRow("falsialterati.txt") << "falsialterati.txt" << 2 << 40 << 100;
}

void TestTesti::formaDeiRecord()
{
    QFETCH(QString, file);
    QFETCH(int, campi);
    QFETCH(int, minimo);
    QFETCH(int, massimo);
    Tabella tabella;
    const auto errore = lettore().caricaRecord(file, forma(campi), massimo, tabella);
    QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
    QVERIFY2(tabella.size() >= minimo, qPrintable(QString::number(tabella.size())));
    for (const QStringList& record : std::as_const(tabella))
        QVERIFY2(!record.first().trimmed().isEmpty(), qPrintable(record.join(u',')));
}

void TestTesti::compostiSoloComposti()
{
    // Form17 judges by place: a compound that also stands among the altered
    // or derived words would be a right answer shown as a wrong one.
    const QSet<QString> altre = parole({QStringLiteral("alterati.txt")}, 5, {1, 2, 3, 4, 5})
                                    .unite(parole({QStringLiteral("derivati.txt")}, 2, {1, 2}));
    const QSet<QString> composti = parole({QStringLiteral("composti.txt")}, 1, {1});
    QVERIFY(composti.size() >= 60);
    const QSet<QString> comuni = QSet<QString>(composti).intersect(altre);
    QVERIFY2(comuni.isEmpty(), qPrintable(QStringList(comuni.values()).join(u' ')));
}

void TestTesti::nessunaParolaInDueElenchi_data()
{
    QTest::addColumn<QStringList>("primo");
    QTest::addColumn<QStringList>("secondo");
    QTest::addColumn<int>("campi");
    QTest::addColumn<QList<int>>("colonne");

    const QString fs = QStringLiteral("FemminileSingolare.txt"), fp = QStringLiteral("FemminilePlurale.txt");
    const QString ms = QStringLiteral("MaschileSingolare.txt"), mp = QStringLiteral("MaschilePlurale.txt");
    QTest::newRow("feminine / masculine") << QStringList{fs, fp} << QStringList{ms, mp} << 1 << QList<int>{1};
    QTest::newRow("singular / plural") << QStringList{fs, ms} << QStringList{fp, mp} << 1 << QList<int>{1};
    QTest::newRow("concrete / abstract") << QStringList{"concreti.txt"} << QStringList{"astratti.txt"} << 1
                                         << QList<int>{1};
    // Shown in capitals, so letter case must not tell them apart either.
    QTest::newRow("proper / common") << QStringList{"propri.txt"} << QStringList{"comuni.txt"} << 1
                                     << QList<int>{1};
    QTest::newRow("true / false pairs") << QStringList{"MaschileFemminile.txt"}
                                        << QStringList{"falsi maschili.txt"} << 2 << QList<int>{1, 2};
}

void TestTesti::nessunaParolaInDueElenchi()
{
    QFETCH(QStringList, primo);
    QFETCH(QStringList, secondo);
    QFETCH(int, campi);
    QFETCH(QList<int>, colonne);
    const QSet<QString> a = parole(primo, campi, colonne);
    const QSet<QString> b = parole(secondo, campi, colonne);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    const QSet<QString> comuni = QSet<QString>(a).intersect(b);
    QVERIFY2(comuni.isEmpty(), qPrintable(QStringList(comuni.values()).join(u' ')));
}

void TestTesti::ogniAlteratoHaUnaForma()
{
    // Every noun of "alterati.txt" has an altered form, no false altered word
    // is a true one, and no pair of "falsialterati.txt" is shown as a true one.
    Tabella alterati, falsi;
    QVERIFY(!lettore().caricaRecord(Verifiche::FileAlterati, Verifiche::FormaAlterati, 100, alterati));
    QVERIFY(!lettore().caricaRecord(QStringLiteral("falsialterati.txt"), 2, 100, falsi));
    QSet<QString> forme;
    for (const QStringList& record : std::as_const(alterati)) {
        bool qualcuna = false;
        for (int c = 2; c <= 5; ++c) {
            if (!record[c - 1].isEmpty()) {
                qualcuna = true;
                QVERIFY2(!forme.contains(record[c - 1]), qPrintable(record[c - 1]));
                forme.insert(record[c - 1]);
            }
        }
        QVERIFY2(qualcuna, qPrintable(record.first()));
    }
    for (const QStringList& coppia : std::as_const(falsi))
        QVERIFY2(!forme.contains(coppia[1]), qPrintable(coppia.join(u',')));
}

void TestTesti::nessunaParolaInadatta_data()
{
    // Words a review of the lists found unfit for children of seven to ten:
    // insults, slang of crime, double meanings children laugh at, in every
    // list; and, in the lists named, words that would mark a right pupil
    // wrong: two accepted answers in a typed window, a form in use that the
    // list calls false, a word a child does not know in a choice of true or
    // false.
    QTest::addColumn<QString>("parola");
    QTest::addColumn<QStringList>("elenchi");   // empty: every list
    QTest::addColumn<int>("campo");             // the field it may not be; 0: any
    for (const char* parola : {"donnaccia", "pretaccio", "vecchiaccio", "cagna", "pizzo", "uccellone",
                               "uccellaccio", "pecorone", "cappella", "balla"})
        QTest::newRow(parola) << QString::fromUtf8(parola) << QStringList() << 0;
    const struct {
        std::initializer_list<const char*> elenchi;
        std::initializer_list<const char*> parole;
        int campo = 0;
    } ingiuste[] = {
        // tempi, diti, labbri, valige and dèi are right too.
        {{"singolarePlurale.txt"}, {"tempio", "dito", "labbro", "valigia", "dio"}},
        // From two nouns (mare, marina; banca, banco; frutta, frutto; legno,
        // legna), from a verb, or not seen by a child as coming from one.
        {{"derivati.txt"}, {"marinaio", "banchiere", "fruttiera", "legname", "calciatore", "paniere"}},
        // From cesto or cesta, secchio or secchia.
        {{"alterati.txt"}, {"cestino", "cestone", "secchiello"}},
        // Altered forms in use.
        {{"falsialterati.txt"}, {"cavalletto", "trombone", "cartone"}},
        // Not plainly collective nouns.
        {{"collettivi.txt"}, {"treno", "collana"}},
        // Two readings, an altered form and a thing of its own (a wave, a
        // seahorse, a beach umbrella, a map, a stove, pasta, a gun): a pupil
        // is right both ways, so in neither altered list.
        {{"alterati.txt", "falsialterati.txt"},
         {"cavallone", "cavalluccio", "ombrellone", "cartina", "fornello", "spaghetto", "cannone"}},
        // Not primitive: from giorno, farmaco, via.
        {{"derivati.txt", "alterati.txt"}, {"giornale", "farmacia", "viale"}, 1},
        // Unknown to a child, where the pupil says true or false.
        {{"falsi maschili.txt"}, {"scalo", "fato", "bollo"}},
        {{"falsialterati.txt"}, {"lupino", "beccaccia", "occhiello", "pannello", "visone"}},
        {{"alterati.txt"}, {"labbruzzo"}},
        // A town, shown in capitals beside the proper nouns.
        {{"comuni.txt"}, {"prato"}},
    };
    for (const auto& voce : ingiuste) {
        QStringList elenchi;
        for (const char* elenco : voce.elenchi)
            elenchi.append(QString::fromUtf8(elenco));
        for (const char* parola : voce.parole)
            QTest::addRow("%s in %s", parola, qPrintable(elenchi.join(u'+')))
                << QString::fromUtf8(parola) << elenchi << voce.campo;
    }
}

void TestTesti::nessunaParolaInadatta()
{
    QFETCH(QString, parola);
    QFETCH(QStringList, elenchi);
    QFETCH(int, campo);
    const QStringList file = elenchi.isEmpty()
        ? QDir(QStringLiteral(LUMERI_TESTI)).entryList({QStringLiteral("*.txt")}, QDir::Files)
        : elenchi;
    QVERIFY(file.size() >= (elenchi.isEmpty() ? 12 : 1));
    for (const QString& nome : file) {
        const DescrizioneElenco* elenco = descrizioneElenco(nome);
        QVERIFY2(elenco, qPrintable(nome));
        Tabella tabella;
        QList<int> righe;
        QVERIFY(!lettore().caricaRecord(nome, forma(int(elenco->colonne.size())), 500, tabella, &righe));
        for (qsizetype r = 0; r < tabella.size(); ++r) {
            for (qsizetype c = campo ? campo - 1 : 0; c < (campo ? campo : tabella[r].size()); ++c)
                QVERIFY2(tabella[r][c].compare(parola, Qt::CaseInsensitive) != 0,
                         qPrintable(QStringLiteral("%1, riga %2").arg(nome).arg(righe[r])));
        }
    }
}

void TestTesti::ogniEsercizioSiApre_data()
{
    QTest::addColumn<int>("form");
    for (int form = 1; form <= 17; ++form)
        QTest::addRow("Form%d", form) << form;
}

void TestTesti::ogniEsercizioSiApre()
{
    // Each window reads its files with its own record shape and bounds, and
    // the checks that keep it from drawing from nothing, and shows an item.
    QFETCH(int, form);
    StatoComune stato;
    CasualeOrologio casuale(20261208u + quint32(form));
    RegistratoreSuoni suoni;
    Contesto contesto{stato, casuale, suoni, lettore()};
    const std::unique_ptr<Esercizio> logica = creaEsercizio(form, contesto);
    QVERIFY(logica);
    stato.attendiBottone = true;
    const auto errore = logica->avvia();
    QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
    QVERIFY(logica->avviato());
}

void TestTesti::coppieDaScrivere_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("mostrati");   // fields shown, each of which must tell its answer
    QTest::newRow("MaschileFemminile.txt") << "MaschileFemminile.txt" << QList<int>{1, 2};
    QTest::newRow("singolarePlurale.txt") << "singolarePlurale.txt" << QList<int>{1, 2};
    QTest::newRow("derivati.txt") << "derivati.txt" << QList<int>{2};
    // Each collective noun and each partner once: a board of nine is judged by text.
    QTest::newRow("collettivi.txt") << "collettivi.txt" << QList<int>{1, 2};
}

void TestTesti::coppieDaScrivere()
{
    // The typed windows show one field and want the other: a shown word that
    // stands in two records would have two answers, and a pair of one word
    // twice asks the pupil to copy it.
    QFETCH(QString, file);
    QFETCH(QList<int>, mostrati);
    Tabella coppie;
    QVERIFY(!lettore().caricaRecord(file, 2, 500, coppie));
    int uguali = 0;
    for (int campo : mostrati) {
        QSet<QString> visti;
        for (const QStringList& coppia : std::as_const(coppie)) {
            const QString parola = coppia[campo - 1].toLower();
            QVERIFY2(!visti.contains(parola), qPrintable(coppia.join(u',')));
            visti.insert(parola);
        }
    }
    for (const QStringList& coppia : std::as_const(coppie)) {
        QVERIFY2(!coppia[0].isEmpty() && !coppia[1].isEmpty(), qPrintable(coppia.join(u',')));
        if (coppia[0].compare(coppia[1], Qt::CaseInsensitive) == 0)
            ++uguali;
    }
    // A few invariable nouns, no more (none where the pair is not a noun and its form).
    QVERIFY2(uguali <= 4, qPrintable(QString::number(uguali)));
}

void TestTesti::collettiviNonScambiabili_data()
{
    // Any nine records share a board, judged by text: a collective noun that
    // fits another record's set would be right both ways. A row names a
    // collective noun and the sets it fits; with no noun, near-synonyms,
    // which any collective noun of one of them fits.
    QTest::addColumn<QString>("collettivo");
    QTest::addColumn<QStringList>("insiemi");
    QTest::newRow("school") << QString() << QStringList{"alunni", "scolari", "studenti", "allievi"};
    QTest::newRow("music") << QString() << QStringList{"musicisti", "musicanti", "suonatori"};
    QTest::newRow("family") << QString() << QStringList{"familiari", "parenti", "congiunti"};
    QTest::newRow("ship") << QString() << QStringList{"marinai", "pirati", "naviganti"};
    QTest::newRow("army") << QString() << QStringList{"soldati", "militari", "guerrieri"};
    QTest::newRow("people") << QString() << QStringList{"persone", "gente", "cittadini", "abitanti"};
    QTest::newRow("cattle") << QString() << QStringList{"buoi", "mucche", "vacche", "tori"};
    QTest::newRow("branco") << "branco" << QStringList{"lupi", "cani", "pecore", "pesci", "cavalli"};
    QTest::newRow("mandria") << "mandria" << QStringList{"buoi", "cavalli"};
    QTest::newRow("nidiata") << "nidiata" << QStringList{"pulcini", "uccelli", "cuccioli"};
    QTest::newRow("bosco") << "bosco" << QStringList{"alberi", "pini"};
    QTest::newRow("folla") << "folla" << QStringList{"persone", "spettatori", "clienti"};
    QTest::newRow("squadra") << "squadra" << QStringList{"giocatori", "soldati"};
}

void TestTesti::collettiviNonScambiabili()
{
    QFETCH(QString, collettivo);
    QFETCH(QStringList, insiemi);
    Tabella coppie;
    QVERIFY(!lettore().caricaRecord(QStringLiteral("collettivi.txt"), 2, 500, coppie));
    QVERIFY(coppie.size() >= 40);
    // The records whose collective noun fits the sets, and those whose set is one of them.
    QStringList adatti, presenti;
    for (const QStringList& coppia : std::as_const(coppie)) {
        const QString insieme = coppia[1].toLower();
        if (collettivo.isEmpty() ? insiemi.contains(insieme) : coppia[0].toLower() == collettivo)
            adatti.append(coppia.join(u','));
        if (insiemi.contains(insieme))
            presenti.append(coppia.join(u','));
    }
    for (const QString& coppia : std::as_const(adatti)) {
        for (const QString& altra : std::as_const(presenti))
            QVERIFY2(altra == coppia, qPrintable(coppia + QStringLiteral(" fits ") + altra));
    }
}

QTEST_GUILESS_MAIN(TestTesti)
#include "test_testi.moc"
