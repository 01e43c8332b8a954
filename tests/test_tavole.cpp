// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The three boards: the order of their draws, the shuffle of the nine
// places, judging by text, the ends of boards in both modes, the lists
// that cannot fill a board, and what a click or Ctrl+L reads aloud. Form17's
// clicks are tested on its window.

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/arrangement/cataloga.h"
#include "drills/arrangement/collettivi.h"
#include "drills/arrangement/composti.h"
#include "drills/arrangement/posti.h"
#include "elenchi_tavole.h"
#include "supporto.h"

#include <QTest>
#include <memory>

using Permutazione = std::array<int, 9>;
Q_DECLARE_METATYPE(Permutazione)

namespace {

template <class L>
struct Banco : ContestoDiProva {
    explicit Banco(bool attendi = true)
    {
        scriviElenchiTavole(cartella);
        stato.attendiBottone = attendi;
    }

    L& avvia()
    {
        logica = std::make_unique<L>(contesto);
        const auto errore = logica->avvia();
        if (errore)
            qWarning("%s", qPrintable(errore->messaggio()));
        return *logica;
    }

    void casella(int a, int b) { casellaTavola(casuale, a, b); }

    std::unique_ptr<L> logica;
};

} // namespace

class TestTavole : public QObject {
    Q_OBJECT

private slots:
    void scombicchera_data();
    void scombicchera();
    void scombiccheraNonUniforme();

    void catalogaEstrazioni_data();
    void catalogaEstrazioni();
    void catalogaTavola_data();
    void catalogaTavola();
    void catalogaStessoTesto();

    void collettiviEstrazioni();
    void collettiviAbbinamenti();

    void compostiEstrazioni();

    void guasti_data();
    void guasti();
};

void TestTavole::scombicchera_data()
{
    QTest::addColumn<QList<int>>("partenze");   // Int(Rnd × 9) for the places 0 to 8
    QTest::addColumn<Permutazione>("posti");    // the place of box i
    QTest::newRow("every start 0: own order") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}
                                              << Permutazione{0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("from 8 it wraps to 0") << QList<int>{8, 8, 8, 8, 8, 8, 8, 8, 8}
                                          << Permutazione{1, 2, 3, 4, 5, 6, 7, 8, 0};
    QTest::newRow("mixed starts") << QList<int>{4, 4, 0, 8, 7, 2, 2, 0, 5}
                                  << Permutazione{2, 7, 5, 6, 0, 1, 8, 4, 3};
}

void TestTavole::scombicchera()
{
    QFETCH(QList<int>, partenze);
    QFETCH(Permutazione, posti);
    CasualeCopione casuale;
    for (int p : partenze)
        casuale.aggiungi({per(p + 1, 9)});
    QCOMPARE(Posti::scombicchera(casuale), posti);
    QCOMPARE(casuale.usati(), 9);
}

void TestTavole::scombiccheraNonUniforme()
{
    // Each box in each place about 1/9 of the time; the boxes in their own
    // order about once in 1068, where a uniform shuffle gives once in 362880.
    CasualeOrologio casuale(20261208);
    constexpr int Volte = 90000;
    std::array<std::array<int, 9>, 9> conta{};
    int inOrdine = 0;
    for (int v = 0; v < Volte; ++v) {
        const Permutazione posti = Posti::scombicchera(casuale);
        for (int i = 0; i < 9; ++i)
            ++conta[std::size_t(i)][std::size_t(posti[std::size_t(i)])];
        inOrdine += posti == Permutazione{0, 1, 2, 3, 4, 5, 6, 7, 8};
    }
    for (const auto& riga : conta) {
        for (int n : riga)
            QVERIFY2(qAbs(n - Volte / 9) < 500, qPrintable(QString::number(n)));
    }
    QVERIFY2(inOrdine > 40 && inOrdine < 140, qPrintable(QString::number(inOrdine)));
}

void TestTavole::catalogaEstrazioni_data()
{
    QTest::addColumn<QList<float>>("prima");
    QTest::newRow("first three right") << QList<float>{};
    // naso, gatto and sole have three forms between them: drawn again, all three.
    QTest::newRow("three drawn again") << QList<float>{per(2, 5), per(3, 5), per(5, 5)};
}

void TestTavole::catalogaEstrazioni()
{
    QFETCH(QList<float>, prima);
    Banco<LogicaCataloga> b;
    for (float v : prima)
        b.casuale.aggiungi({v});
    primaTavola(b.casuale);
    LogicaCataloga& l = b.avvia();
    QCOMPARE(b.casuale.rimasti(), 0);
    QCOMPARE(l.primitive(), (std::array<int, 3>{1, 4, 2}));
    QCOMPARE(l.primitiva(0) + u' ' + l.primitiva(1) + u' ' + l.primitiva(2), QStringLiteral("casa libro naso"));
    QCOMPARE(l.paroleDaCollocare(), (std::array<QString, 5>{"casetta", "nasone", "libraccio", "libretto", "casupola"}));
    QCOMPARE(l.numeroParola(), 1);
    QCOMPARE(l.parola(), QStringLiteral("casetta"));
    QCOMPARE(l.annuncio(), QStringLiteral("Nomi: casa, libro, naso."));
    QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[5]);
    QCOMPARE(b.stato.quanti[0], qint16(5));
}

void TestTavole::catalogaTavola_data()
{
    dueModi();
}

void TestTavole::catalogaTavola()
{
    QFETCH(bool, attendi);
    Banco<LogicaCataloga> b(attendi);
    primaTavola(b.casuale);
    LogicaCataloga& l = b.avvia();
    // Read aloud: the word to drag, a noun, an empty box (nothing).
    l.leggiParola();
    l.leggiPrimitiva(1);
    l.leggiCasella(0, 0);
    QCOMPARE(b.voce.letti, (QStringList{"casetta", "libro"}));

    // A wrong box, then a box already filled.
    l.lascia(0, 1);
    QCOMPARE(l.cornice().sfondo(), Colori::Nero);
    QVERIFY(l.didascalieBianche());
    QCOMPARE(l.parola(), QStringLiteral("casetta"));
    QCOMPARE(l.prendiFuoco(), Fuoco::Risposta);   // of the start-up
    QCOMPARE(l.prendiFuoco(), Fuoco::Resta);
    b.casuale.aggiungi({0.0f, per(9, 18)});   // the sound, then the colour the black window asks for
    l.lascia(0, 0);
    // The focus goes back to the next word, which the word's box names.
    QCOMPARE(l.annuncio(), QStringLiteral("Esatto. Esatti 1, errati 1."));
    QCOMPARE(l.prendiFuoco(), Fuoco::Risposta);
    QCOMPARE(l.casella(0, 0), QStringLiteral("casetta"));
    QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[9]);
    QVERIFY(!l.didascalieBianche());
    QCOMPARE(l.parola(), QStringLiteral("nasone"));
    l.lascia(0, 0);
    QCOMPARE(l.casella(0, 0), QStringLiteral("casetta"));
    QCOMPARE(b.stato.contaErrati, qint16(2));
    l.leggiCasella(0, 0);
    QCOMPARE(b.voce.letti.last(), QStringLiteral("casetta"));

    b.casuale.aggiungi({0.0f, per(3, 18), 0.0f, 0.0f});
    l.lascia(2, 1);   // nasone, on a black window: repainted
    l.lascia(1, 3);   // libraccio
    l.lascia(1, 0);   // libretto
    QCOMPARE(l.parola(), QStringLiteral("casupola"));
    l.lascia(2, 3);   // wrong at the fifth word: black, and stays so
    QCOMPARE(b.casuale.rimasti(), 0);
    b.casuale.aggiungi({0.0f});
    if (!attendi)
        primaTavola(b.casuale);
    l.lascia(0, 3);
    QCOMPARE(b.stato.contaEsatti, qint16(5));
    QCOMPARE(b.stato.contaErrati, qint16(3));
    // The end of a board is told, unlike any other right drop.
    QVERIFY2(l.annuncio().startsWith(QStringLiteral("Esatto. Esatti 5, errati 3. Tabellone completato.")),
             qPrintable(l.annuncio()));
    QCOMPARE(b.casuale.rimasti(), 0);
    if (!attendi) {
        // The next board at once, on an empty grid.
        QCOMPARE(l.casella(0, 0), QString());
        QCOMPARE(l.parola(), QStringLiteral("casetta"));
        QVERIFY(l.parolaAbilitata());
        QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[5]);
        return;
    }
    QCOMPARE(l.cornice().sfondo(), Colori::Nero);
    QVERIFY(l.didascalieBianche());
    QCOMPARE(l.parola(), QString());
    QVERIFY(!l.parolaAbilitata());
    QVERIFY(l.cornice().avantiAbilitato());
    QCOMPARE(l.casella(0, 3), QStringLiteral("casupola"));
    l.lascia(0, 0);   // nothing can be dropped now
    QCOMPARE(b.stato.contaErrati + b.stato.contaEsatti, 8);

    primaTavola(b.casuale);
    l.avanti();
    QCOMPARE(b.casuale.rimasti(), 0);
    QCOMPARE(l.casella(0, 3), QString());
    QCOMPARE(l.parola(), QStringLiteral("casetta"));
    QVERIFY(l.parolaAbilitata());
    QVERIFY(!l.didascalieBianche());
    QVERIFY(!l.cornice().avantiAbilitato());
}

void TestTavole::catalogaStessoTesto()
{
    // "muretto" is a form of two nouns: drawn once, and right on either box.
    Banco<LogicaCataloga> b;
    b.cartella.scrivi(QStringLiteral("alterati.txt"),
                      QStringLiteral("muro,muretto,murone,,muraccio\nmura,muretto,,,\nsasso,sassolino,sassone,,\n"));
    b.casuale.aggiungi({0.0f, per(2, 3), per(3, 3)});
    b.casella(2, 2);
    b.casella(1, 2);   // taken
    b.casella(1, 3);
    b.casella(2, 3);   // empty
    b.casella(3, 2);
    b.casella(3, 3);
    b.casella(1, 5);
    b.casuale.aggiungi({0.0f, 0.0f});   // the colour, the sound
    LogicaCataloga& l = b.avvia();
    QCOMPARE(l.paroleDaCollocare(), (std::array<QString, 5>{"muretto", "murone", "sassolino", "sassone", "muraccio"}));
    l.lascia(0, 0);
    QCOMPARE(l.casella(0, 0), QStringLiteral("muretto"));
    QCOMPARE(b.stato.contaEsatti, qint16(1));
    QCOMPARE(b.casuale.rimasti(), 0);
}

void TestTavole::collettiviEstrazioni()
{
    Banco<LogicaCollettivi> b;
    b.casuale.aggiungi({per(12, 18)});
    for (int k : {3, 3, 1, 10, 1, 2, 4, 5, 6, 3, 7, 8})
        b.casuale.aggiungi({per(k, 10)});
    for (int p : {4, 4, 0, 8, 7, 2, 2, 0, 5})
        b.casuale.aggiungi({per(p + 1, 9)});
    LogicaCollettivi& l = b.avvia();
    QCOMPARE(b.casuale.rimasti(), 0);
    QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[12]);
    QCOMPARE(l.coppieScelte(), (std::array<int, 9>{3, 1, 10, 2, 4, 5, 6, 7, 8}));
    QCOMPARE(l.posti(), (Permutazione{2, 7, 5, 6, 0, 1, 8, 4, 3}));
    QCOMPARE(l.nomi()[2], QStringLiteral("cunozero"));
    QCOMPARE(l.insiemi()[2], QStringLiteral("punozero"));
    QCOMPARE(b.stato.quanti[0], qint16(10));
    QCOMPARE(b.stato.quanti[1], qint16(0));
    QCOMPARE(b.stato.voce(2, 10), QStringLiteral("punozero"));
}

void TestTavole::collettiviAbbinamenti()
{
    // Pairs 1 to 9 drawn in order, each noun level with its partner; the
    // end of a board is tested on the window.
    Banco<LogicaCollettivi> b;
    b.cartella.scrivi(QStringLiteral("collettivi.txt"),
                      QStringLiteral("gregge,pecore\nflotta,navi\ngregge,capre\ncuno,cdue\nctre,cquattro\nccinque,csei\ncsette,cotto\ncnove,cunozero\ncunouno,cunodue\n"));
    b.casuale.aggiungi({0.0f});
    for (int k = 1; k <= 9; ++k)
        b.casuale.aggiungi({per(k, 9)});
    LogicaCollettivi& l = b.avvia();
    QCOMPARE(l.insiemi()[3], QStringLiteral("cdue"));
    QVERIFY(l.annuncio().startsWith(QStringLiteral("Trascina il nome della prima colonna sul corrispondente della seconda. "
                                                  "Nomi collettivi: gregge, flotta, gregge, cuno, ")));
    QVERIFY(l.annuncio().endsWith(QStringLiteral(". Insiemi: pecore, navi, capre, cdue, cquattro, csei, cotto, cunozero, cunodue.")));

    l.lascia(0, 1);
    QCOMPARE(l.cornice().sfondo(), Colori::Nero);
    QCOMPARE(l.nomi()[0], QStringLiteral("gregge"));
    QCOMPARE(l.insiemi()[1], QStringLiteral("navi"));
    b.casuale.aggiungi({0.0f, per(4, 18)});
    l.lascia(0, 2);   // the same text as pair 2's noun: right, and the window repainted
    QCOMPARE(l.insiemi()[2], QStringLiteral(" un insieme di capre -> gregge"));
    QCOMPARE(l.nomeInsieme(2), QStringLiteral("un insieme di capre: gregge"));
    QCOMPARE(l.nomeInsieme(1), QStringLiteral("navi"));
    QCOMPARE(l.prendiFuoco(), Fuoco::Risposta);   // back to the first column
    QCOMPARE(l.nomi()[0], QString());
    QVERIFY(!l.trascinabili()[0]);
    QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[4]);
    // Read aloud: a matched pair without its arrow, an emptied box (nothing),
    // and for Ctrl+L the nouns still to drag, from the top down.
    l.leggiInsieme(2);
    l.leggiNome(0);
    l.leggiParola();
    QCOMPARE(b.voce.letti, (QStringList{"un insieme di capre, gregge", "flotta, gregge, cuno, ctre, ccinque, csette, cnove, cunouno"}));
    l.lascia(0, 0);   // an emptied box is not dragged
    l.lascia(1, 2);   // a matched box is judged against its own pair
    QCOMPARE(b.stato.contaErrati, qint16(2));
    QCOMPARE(l.insiemi()[2], QStringLiteral(" un insieme di capre -> gregge"));
    l.lascia(2, 0);
    QCOMPARE(l.insiemi()[0], QStringLiteral(" un insieme di pecore -> gregge"));
    QCOMPARE(l.abbinati(), 2);
    QCOMPARE(b.casuale.rimasti(), 0);
}

void TestTavole::compostiEstrazioni()
{
    Banco<LogicaComposti> b;
    b.casuale.aggiungi({per(6, 18), per(2, 2)});
    b.casuale.aggiungi({per(2, 5), per(2, 5), per(4, 5), per(3, 5)});   // naso: fields 2 and 4 empty
    b.casuale.aggiungi({per(1, 5), per(1, 5), per(4, 5), per(4, 5), per(5, 5), per(1, 5)});
    b.casuale.aggiungi({per(5, 5), per(5, 5), per(1, 2), per(2, 2), per(2, 2), per(2, 2), per(2, 2), per(1, 2)});
    for (int p : {8, 8, 8, 8, 8, 8, 8, 8, 8})
        b.casuale.aggiungi({per(p + 1, 9)});
    LogicaComposti& l = b.avvia();
    QCOMPARE(b.casuale.rimasti(), 0);
    QCOMPARE(l.parole(), (std::array<QString, 9>{"apriscatole", "nasone", "casa", "libriccino", "sole", "solaccio",
                                                 "panettiere", "lattaio", "latte"}));
    QCOMPARE(l.posti(), (Permutazione{1, 2, 3, 4, 5, 6, 7, 8, 0}));
    // Said as the column stands: box 8 at the top.
    QCOMPARE(l.annuncio(), QStringLiteral("Clicca sul nome composto: latte, apriscatole, nasone, casa, libriccino, "
                                          "sole, solaccio, panettiere, lattaio."));
    QCOMPARE(int(b.stato.elencoScelto), 2);
    QCOMPARE(b.stato.quanti, (std::array<qint16, 4>{5, 2, 2, 0}));
    QCOMPARE(b.stato.voce(1, 2), QStringLiteral("apriscatole"));
    QCOMPARE(l.cornice().sfondo(), Colori::tavolozza()[6]);
    // Ctrl+L reads the nine from the top down; a click reads its word, and
    // judges it.
    l.leggiParola();
    l.clicca(1);
    QCOMPARE(b.voce.letti, (QStringList{"latte, apriscatole, nasone, casa, libriccino, sole, solaccio, panettiere, "
                                        "lattaio",
                                        "nasone"}));
    QCOMPARE(b.stato.contaErrati, qint16(1));
}

void TestTavole::guasti_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("contenuto");   // null: the file is removed
    QTest::addColumn<int>("riga");

    QTest::newRow("14 two nouns") << 14 << "alterati.txt" << "casa,casetta,casona,casina,casaccia\nnaso,,nasone,,\n" << 0;
    QTest::newRow("14 four words in three nouns")
        << 14 << "alterati.txt" << "casa,casetta,casona,,\nnaso,,nasone,,\ngatto,casetta,gattone,,\n" << 0;
    QTest::newRow("14 no three of five nouns")
        << 14 << "alterati.txt" << "a,auno,,,\nb,buno,,,\nc,cuno,,,\nd,duno,,,\ne,,,,\n" << 0;
    QTest::newRow("14 record cut short") << 14 << "alterati.txt" << AlteratiTavole + "mare,marino\n" << 6;
    QTest::newRow("14 missing") << 14 << "alterati.txt" << QString() << 0;
    QTest::newRow("16 eight pairs") << 16 << "collettivi.txt" << paroleNumerate("x", 16) << 0;
    QTest::newRow("16 pair cut short") << 16 << "collettivi.txt" << paroleNumerate("x", 19) << 19;
    QTest::newRow("17 no compound") << 17 << "composti.txt" << "\n" << 0;
    QTest::newRow("17 no altered noun") << 17 << "alterati.txt" << "\n" << 0;
    QTest::newRow("17 no derived noun") << 17 << "derivati.txt" << "\n" << 0;
    QTest::newRow("17 record with no word") << 17 << "alterati.txt" << AlteratiTavole + "\"\",,,,\nmare,,,,\n" << 6;
    QTest::newRow("17 missing") << 17 << "composti.txt" << QString() << 0;
}

void TestTavole::guasti()
{
    QFETCH(int, form);
    QFETCH(QString, file);
    QFETCH(QString, contenuto);
    QFETCH(int, riga);
    Banco<LogicaCataloga> b;   // the folder; each test builds its window's logic
    if (contenuto.isNull())
        b.cartella.togli(file);
    else
        b.cartella.scrivi(file, contenuto);
    std::unique_ptr<Esercizio> logica;
    if (form == 14)
        logica = std::make_unique<LogicaCataloga>(b.contesto);
    else if (form == 16)
        logica = std::make_unique<LogicaCollettivi>(b.contesto);
    else
        logica = std::make_unique<LogicaComposti>(b.contesto);
    const auto errore = logica->avvia();
    QVERIFY(errore);
    QCOMPARE(errore->file, file);
    QCOMPARE(errore->riga, riga);
    QVERIFY(!logica->avviato());
    QCOMPARE(b.casuale.usati(), 0);
}

QTEST_GUILESS_MAIN(TestTavole)
#include "test_tavole.moc"
