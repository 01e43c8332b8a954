// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The six typed-answer windows: what Text1 shows after its draws, how a typed
// answer is judged, "Aiutami" and its point, the lock while waiting for
// "avanti", and the lists they refuse.

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/typed/scritte.h"
#include "supporto.h"

#include <QTest>
#include <memory>

namespace {

struct Banco : ContestoDiProva {
    explicit Banco(int form, bool attendi = false)
    {
        cartella.scriviElenchiDueScelte();
        cartella.scriviElenchiScritte();
        cartella.scrivi(QStringLiteral("MaschileFemminile.txt"), QStringLiteral("Re,Regina\ngallo,gallina\n"));
        cartella.scrivi(QStringLiteral("alterati.txt"),
                        QStringLiteral("casa,Casetta,,,casupola\nnaso,,nasone,,\n"));
        stato.attendiBottone = attendi;
        logica = std::make_unique<LogicaScritta>(contesto, *configScritta(form));
        logica->collega(&vista);
    }

    // Starts with the draws of the first item: record, colour, form.
    void avvia(const QList<float>& valori)
    {
        for (float v : valori)
            casuale.aggiungi({v});
        QVERIFY(!logica->avvia());
        QCOMPARE(casuale.rimasti(), 0);
        vista.prendi();
    }

    VistaRegistrata vista;
    std::unique_ptr<LogicaScritta> logica;
};

} // namespace

class TestScritte : public QObject {
    Q_OBJECT

private slots:
    void estrazioni_data();
    void estrazioni();
    void giudizio_data();
    void giudizio();
    void erratoTieneLaRisposta();
    void aiutoEAttesa();
    void guasti_data();
    void guasti();
};

void TestScritte::estrazioni_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<float>>("valori");   // record, colour, forms of Form12
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("testo");

    QTest::newRow("Form2 masculine in small letters") << 2 << QList<float>{per(1, 2), per(17, 18)} << 1 << "re";
    QTest::newRow("Form3 feminine") << 3 << QList<float>{per(1, 2), per(17, 18)} << 1 << "regina";
    QTest::newRow("Form6 accented capital lowered") << 6 << QList<float>{per(2, 3), per(17, 18)} << 2 << "città";
    QTest::newRow("Form7 plural") << 7 << QList<float>{per(3, 3), per(17, 18)} << 3 << "pesci d'aprile";
    QTest::newRow("Form11 derived in small letters") << 11 << QList<float>{per(1, 2), per(17, 18)} << 1
                                                     << "giornalaio";
    QTest::newRow("Form12 diminutive as stored") << 12 << QList<float>{per(1, 2), per(17, 18), per(1, 4)} << 1
                                                 << "Casetta";
    QTest::newRow("Form12 empty forms drawn again")
        << 12 << QList<float>{per(1, 2), per(17, 18), per(2, 4), per(3, 4), per(2, 4), per(4, 4)} << 1
        << "casupola";
    QTest::newRow("Form12 only form") << 12 << QList<float>{per(2, 2), per(17, 18), per(1, 4), per(4, 4), per(2, 4)}
                                      << 2 << "nasone";
}

void TestScritte::estrazioni()
{
    QFETCH(int, form);
    QFETCH(QList<float>, valori);
    QFETCH(int, indice);
    QFETCH(QString, testo);
    Banco b(form);
    for (float v : valori)
        b.casuale.aggiungi({v});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(b.casuale.usati(), int(valori.size()));
    QCOMPARE(int(b.stato.elencoScelto), indice);
    QCOMPARE(b.logica->cornice().sfondo(), ColoreVb(0x00FF0000));   // the colour after the record
    QCOMPARE(b.logica->testo(), testo);
    b.logica->leggiParola();   // the word shown, never the answer
    QCOMPARE(b.voce.letti, QStringList{testo});
    // The answer box emptied before the word, and the focus given to it.
    QCOMPARE(b.vista.prendi(), (QStringList{"svuota", "aggiorna"}));
    QCOMPARE(b.logica->prendiFuoco(), Fuoco::Risposta);
    QCOMPARE(b.logica->annuncio(), testo);
    QVERIFY(b.logica->rispostaAbilitata());
}

void TestScritte::giudizio_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<float>("estrazione");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<bool>("giusto");

    QTest::newRow("Form2 as in the file") << 2 << per(1, 2) << "Regina" << true;
    QTest::newRow("Form2 small letters and blanks") << 2 << per(1, 2) << "   regina  " << true;
    QTest::newRow("Form2 capitals") << 2 << per(1, 2) << "REGINA" << true;
    QTest::newRow("Form2 tab is not a blank") << 2 << per(1, 2) << "\tregina" << false;
    QTest::newRow("Form2 unseen characters") << 2 << per(1, 2) << "\u00A0re\u00ADgi\u200Bna\u202F" << true;
    QTest::newRow("Form2 inner blank") << 2 << per(1, 2) << "reg ina" << false;
    QTest::newRow("Form2 empty") << 2 << per(1, 2) << "" << false;
    QTest::newRow("Form2 blanks only") << 2 << per(1, 2) << "   " << false;
    QTest::newRow("Form2 the word shown") << 2 << per(1, 2) << "re" << false;
    QTest::newRow("Form3 masculine") << 3 << per(2, 2) << "gallo" << true;
    QTest::newRow("Form6 accent") << 6 << per(2, 3) << "città" << true;
    QTest::newRow("Form6 accented capital") << 6 << per(2, 3) << "CITTÀ" << true;
    QTest::newRow("Form6 accent typed apart") << 6 << per(2, 3) << "citta\u0300" << true;
    QTest::newRow("Form6 accent missing") << 6 << per(2, 3) << "citta" << false;
    QTest::newRow("Form6 apostrophe") << 6 << per(3, 3) << "Pesci d'Aprile " << true;
    QTest::newRow("Form6 typographic apostrophe") << 6 << per(3, 3) << "pesci d’aprile" << true;
    QTest::newRow("Form6 opening quote for an apostrophe") << 6 << per(3, 3) << "pesci d‘aprile" << true;
    QTest::newRow("Form6 apostrophe missing") << 6 << per(3, 3) << "pesci daprile" << false;
    QTest::newRow("Form6 two inner blanks") << 6 << per(3, 3) << "pesci  d'aprile" << false;
    QTest::newRow("Form7 singular") << 7 << per(1, 3) << "uomo" << true;
    QTest::newRow("Form11 the noun it comes from") << 11 << per(1, 2) << "giornale" << true;
    QTest::newRow("Form12 the noun it alters") << 12 << per(1, 2) << "CASA" << true;
    QTest::newRow("Form12 another form of the record") << 12 << per(1, 2) << "casupola" << false;
}

void TestScritte::giudizio()
{
    QFETCH(int, form);
    QFETCH(float, estrazione);
    QFETCH(QString, digitato);
    QFETCH(bool, giusto);
    Banco b(form);
    QList<float> valori{estrazione, 0.0f};
    if (form == 12)
        valori.append(0.0f);
    b.avvia(valori);
    const QString prima = b.logica->testo();

    // A right answer brings the next item at once: the sound, then record 2
    // and its colour (and form).
    b.casuale.aggiungi({0.0f, per(2, 3), per(5, 18), per(2, 4)});
    b.logica->invia(digitato);
    QCOMPARE(b.stato.contaEsatti, qint16(giusto ? 1 : 0));
    QCOMPARE(b.stato.contaErrati, qint16(giusto ? 0 : 1));
    QCOMPARE(b.suoni.suonati.size(), 1);
    // Either way the focus goes to the answer box, and a screen reader
    // hears the judgement with both counts, and the next word.
    QCOMPARE(b.logica->prendiFuoco(), Fuoco::Risposta);
    if (giusto) {
        QCOMPARE(int(b.stato.elencoScelto), 2);
        QCOMPARE(b.vista.prendi(), (QStringList{"svuota", "aggiorna"}));
        QCOMPARE(b.logica->annuncio(), QStringLiteral("Esatto. Esatti 1, errati 0. ") + b.logica->testo());
    } else {
        QCOMPARE(b.logica->testo(), prima);
        QCOMPARE(b.logica->cornice().sfondo(), Colori::Nero);
        QCOMPARE(b.vista.prendi(), QStringList{"aggiorna"});   // the typed text stays
        QCOMPARE(b.logica->annuncio(), QStringLiteral("Sbagliato. Esatti 0, errati 1."));
    }
}

void TestScritte::erratoTieneLaRisposta()
{
    // Unlimited tries on the same pair, each counted; black until the next item.
    Banco b(2);
    b.avvia({0.0f, 0.0f});
    for (int i = 0; i < 3; ++i)
        b.logica->invia(QStringLiteral("reginna"));
    QCOMPARE(b.stato.contaErrati, qint16(3));
    QCOMPARE(b.casuale.usati(), 2);   // the sad sound draws nothing
    QCOMPARE(b.logica->cornice().sfondo(), Colori::Nero);
    b.casuale.aggiungi({0.0f, 0.0f, per(6, 18)});
    b.logica->invia(QStringLiteral("regina"));
    QCOMPARE(b.stato.contaEsatti, qint16(1));
    QCOMPARE(b.logica->cornice().sfondo(), Colori::tavolozza()[6]);
}

void TestScritte::aiutoEAttesa()
{
    Banco b(2, true);
    b.avvia({0.0f, 0.0f});

    // Before any answer: the word as the file has it, and a point off.
    b.logica->aiutami();
    QCOMPARE(b.vista.prendi(), (QStringList{"informa:Regina", "aggiorna"}));
    QCOMPARE(b.logica->cornice().testoEsatti(), QStringLiteral("-1"));
    QCOMPARE(b.logica->annuncio(), QStringLiteral("Esatti -1, errati 0."));
    QCOMPARE(b.logica->testo(), QStringLiteral("re"));   // the pair stays

    b.logica->invia(QStringLiteral("regina"));
    QCOMPARE(b.logica->cornice().testoEsatti(), QStringLiteral(" 0"));   // back to zero
    QVERIFY(!b.logica->rispostaAbilitata());
    QVERIFY(b.logica->cornice().avantiAbilitato());
    QCOMPARE(b.vista.prendi(), QStringList{"aggiorna"});
    QCOMPARE(b.logica->prendiFuoco(), Fuoco::Avanti);

    // Waiting: no answer counts, help still takes its point.
    b.logica->invia(QStringLiteral("regina"));
    b.logica->invia(QStringLiteral("no"));
    QCOMPARE(b.stato.contaEsatti + b.stato.contaErrati, 0);
    b.logica->aiutami();
    QCOMPARE(b.vista.prendi(), (QStringList{"informa:Regina", "aggiorna"}));
    QCOMPARE(b.stato.contaEsatti, qint16(-1));

    b.casuale.aggiungi({per(2, 2), 0.0f});
    b.logica->avanti();
    QVERIFY(b.logica->rispostaAbilitata());
    QVERIFY(!b.logica->cornice().avantiAbilitato());
    QCOMPARE(b.logica->testo(), QStringLiteral("gallo"));
    QCOMPARE(b.vista.prendi(), (QStringList{"svuota", "aggiorna"}));
    QCOMPARE(b.logica->prendiFuoco(), Fuoco::Risposta);
}

void TestScritte::guasti_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("contenuto");   // null: the file is removed
    QTest::addColumn<int>("riga");            // of the fault; -1: the window opens

    QTest::newRow("Form6 missing file") << 6 << "singolarePlurale.txt" << QString() << 0;
    QTest::newRow("Form2 odd number of fields") << 2 << "MaschileFemminile.txt" << "re,regina\ngallo\n" << 2;
    QTest::newRow("Form3 empty list") << 3 << "MaschileFemminile.txt" << "\n" << 0;
    QTest::newRow("Form12 fields not in fives") << 12 << "alterati.txt" << "casa,casetta,,,casupola\nnaso,,\n" << 2;
    QTest::newRow("Form12 no altered form") << 12 << "alterati.txt" << "casa,casetta,,,\nnaso,,,,\n" << 2;
    QTest::newRow("Form11 500 records") << 11 << "derivati.txt" << recordNumerati(500, 2) << -1;
    QTest::newRow("Form11 501 records") << 11 << "derivati.txt" << recordNumerati(501, 2) << 501;
    QTest::newRow("Form7 501 records") << 7 << "singolarePlurale.txt" << recordNumerati(501, 2) << 501;
    QTest::newRow("Form12 200 records") << 12 << "alterati.txt" << recordNumerati(200, 5) << -1;
    QTest::newRow("Form12 201 records") << 12 << "alterati.txt" << recordNumerati(201, 5) << 201;
}

void TestScritte::guasti()
{
    QFETCH(int, form);
    QFETCH(QString, file);
    QFETCH(QString, contenuto);
    QFETCH(int, riga);
    Banco b(form);
    if (contenuto.isNull())
        b.cartella.togli(file);
    else
        b.cartella.scrivi(file, contenuto);
    const auto errore = b.logica->avvia();
    if (riga < 0) {
        QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
        return;
    }
    QVERIFY(errore);
    QCOMPARE(errore->file.toLower(), file.toLower());
    QCOMPARE(errore->riga, riga);
    QVERIFY(!b.logica->avviato());
    QCOMPARE(b.logica->testo(), QString());   // behind the message, an empty box
    b.logica->invia(QString());
    b.logica->aiutami();
    QCOMPARE(b.stato.contaErrati + b.stato.contaEsatti, 0);
    QCOMPARE(b.logica->prendiFuoco(), Fuoco::Resta);
}

QTEST_GUILESS_MAIN(TestScritte)
#include "test_scritte.moc"
