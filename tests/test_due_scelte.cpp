// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The six two-choice windows: loading, the order of the draws, what Text1
// shows, judging by list number, and the lock and unlock of the answers.

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/choice/due_scelte.h"
#include "supporto.h"

#include <QTest>
#include <memory>

namespace {

struct Banco : ContestoDiProva {
    explicit Banco(int form, bool attendi = true)
    {
        cartella.scriviElenchiDueScelte();
        stato.attendiBottone = attendi;
        logica = std::make_unique<LogicaDueScelte>(contesto, *configDueScelte(form));
    }

    std::unique_ptr<LogicaDueScelte> logica;
};

} // namespace

class TestDueScelte : public QObject {
    Q_OBJECT

private slots:
    void estrazioni_data();
    void estrazioni();
    void giudizio_data();
    void giudizio();
    void bloccoESblocco();
    void guasti_data();
    void guasti();
    void limitiDelleTabelle_data();
    void limitiDelleTabelle();
};

void TestDueScelte::estrazioni_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<float>>("valori");   // after the colour
    QTest::addColumn<int>("lista");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("letto");   // what Ctrl+L reads aloud

    QTest::newRow("Form1 masculine") << 1 << QList<float>{per(2, 2), per(3, 4)} << 2 << "mare" << "mare";
    QTest::newRow("Form1 feminine plural after singular") << 1 << QList<float>{per(1, 2), per(3, 3)} << 1
                                                          << "case" << "case";
    QTest::newRow("Form5 singular") << 5 << QList<float>{per(1, 2), per(4, 5)} << 1 << "libro" << "libro";
    QTest::newRow("Form5 plural") << 5 << QList<float>{per(2, 2), per(2, 2)} << 2 << "cani" << "cani";
    QTest::newRow("Form9 abstract") << 9 << QList<float>{per(2, 2), 0.99f} << 2 << "gioia" << "gioia";
    QTest::newRow("Form10 capitals with accent") << 10 << QList<float>{per(1, 2), per(2, 2)} << 1 << "FORLÌ"
                                                 << "Forlì";
    QTest::newRow("Form10 common in capitals") << 10 << QList<float>{per(2, 2), 0.0f} << 2 << "CITTÀ" << "città";
    QTest::newRow("Form4 true pair") << 4 << QList<float>{per(1, 2), per(2, 2)} << 1 << "gallo / gallina"
                                     << "gallo, gallina";
    QTest::newRow("Form4 false pair") << 4 << QList<float>{per(2, 2), per(1, 1)} << 2 << "porto / porta"
                                      << "porto, porta";
    QTest::newRow("Form15 altered, empty columns drawn again")
        << 15 << QList<float>{per(1, 2), per(1, 2), per(2, 4), per(3, 4), per(2, 4), per(4, 4)} << 1
        << "casa / casupola" << "casa, casupola";
    QTest::newRow("Form15 only form") << 15 << QList<float>{per(1, 2), per(2, 2), per(2, 4)} << 1
                                      << "naso / nasone" << "naso, nasone";
    QTest::newRow("Form15 false pair") << 15 << QList<float>{per(2, 2), 0.5f} << 2 << "mulo / mulino"
                                       << "mulo, mulino";
}

void TestDueScelte::estrazioni()
{
    QFETCH(int, form);
    QFETCH(QList<float>, valori);
    QFETCH(int, lista);
    QFETCH(QString, testo);
    QFETCH(QString, letto);
    Banco b(form);
    b.casuale.aggiungi({per(17, 18)});
    for (float v : valori)
        b.casuale.aggiungi({v});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(b.casuale.rimasti(), 0);
    QCOMPARE(b.casuale.usati(), int(valori.size()) + 1);
    QCOMPARE(b.logica->cornice().sfondo(), ColoreVb(0x00FF0000));
    QCOMPARE(int(b.stato.elencoScelto), lista);
    QCOMPARE(b.logica->testo(), testo);
    b.logica->leggiParola();
    QCOMPARE(b.voce.letti, QStringList{letto});
}

void TestDueScelte::giudizio_data()
{
    QTest::addColumn<int>("form");
    for (int form : {1, 4, 5, 9, 10, 15})
        QTest::addRow("Form%d", form) << form;
}

void TestDueScelte::giudizio()
{
    // Only the list number counts: "casa" stands in list 1 and in list 2 of
    // this folder's Form1, and is judged by the list it was drawn from.
    QFETCH(int, form);
    Banco b(form, false);
    if (form == 1)
        b.cartella.scrivi(QStringLiteral("MaschilePlurale.txt"), QStringLiteral("casa\n"));
    b.casuale.aggiungi({0.0f, per(2, 2), 0.99f});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(int(b.stato.elencoScelto), 2);
    const QString item = b.logica->testo();
    if (form == 1)
        QCOMPARE(item, QStringLiteral("casa"));

    b.logica->premi(1);
    b.logica->premi(1);
    QCOMPARE(b.stato.contaErrati, qint16(2));
    QCOMPARE(b.stato.contaEsatti, qint16(0));
    QCOMPARE(b.logica->testo(), item);
    QCOMPARE(b.logica->cornice().sfondo(), Colori::Nero);
    QVERIFY(b.logica->bottoniAbilitati());
    QVERIFY(!b.logica->coloreBottone(1));

    const int usati = b.casuale.usati();
    b.casuale.aggiungi({per(1, 4), per(3, 18), per(1, 2), 0.0f, per(4, 4)});
    b.logica->premi(2);
    QCOMPARE(b.stato.contaEsatti, qint16(1));
    QCOMPARE(b.suoni.suonati, (QList<Suono>{Suono::No, Suono::No, Suono::Si1}));
    // The sound draw, then the next item: colour, list, index.
    QVERIFY(b.casuale.usati() >= usati + 4);
    QCOMPARE(b.logica->cornice().sfondo(), ColoreVb(0x000000FF));
    QCOMPARE(int(b.stato.elencoScelto), 1);
}

void TestDueScelte::bloccoESblocco()
{
    Banco b(9, true);
    b.casuale.aggiungi({0.0f, per(1, 2), 0.0f});
    QVERIFY(!b.logica->avvia());
    QVERIFY(!b.logica->coloreBottone(1) && !b.logica->coloreBottone(2));

    b.logica->premi(1);
    QVERIFY(b.logica->cornice().avantiAbilitato());
    QVERIFY(!b.logica->bottoniAbilitati());
    QCOMPARE(b.logica->coloreBottone(1), std::optional<ColoreVb>(Colori::Rosso));
    QVERIFY(!b.logica->coloreBottone(2));
    QCOMPARE(b.logica->testo(), QStringLiteral("tavolo"));

    // Locked: no second answer to the same item.
    b.logica->premi(1);
    b.logica->premi(2);
    QCOMPARE(b.stato.contaEsatti, qint16(1));
    QCOMPARE(b.stato.contaErrati, qint16(0));

    b.casuale.aggiungi({0.0f, per(2, 2), 0.0f});
    b.logica->avanti();
    QVERIFY(!b.logica->cornice().avantiAbilitato());
    QVERIFY(b.logica->cornice().avantiVisibile());
    QVERIFY(b.logica->bottoniAbilitati());
    QCOMPARE(b.logica->coloreBottone(1), std::optional<ColoreVb>(Colori::GrigioChiaro));
    QCOMPARE(b.logica->coloreBottone(2), std::optional<ColoreVb>(Colori::GrigioChiaro));
    QCOMPARE(b.logica->testo(), QStringLiteral("gioia"));

    // Bottone2 right: it is the one that turns red.
    b.logica->premi(2);
    QCOMPARE(b.logica->coloreBottone(2), std::optional<ColoreVb>(Colori::Rosso));
    QCOMPARE(b.logica->coloreBottone(1), std::optional<ColoreVb>(Colori::GrigioChiaro));
}

void TestDueScelte::guasti_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("contenuto");   // empty with riga -1: the file is removed
    QTest::addColumn<int>("riga");

    QTest::newRow("Form1 missing file") << 1 << "MaschilePlurale.txt" << QString() << -1;
    QTest::newRow("Form9 empty list") << 9 << "astratti.txt" << "\n\n" << 0;
    QTest::newRow("Form10 unclosed quote") << 10 << "comuni.txt" << "mare\n\"sole\n" << 2;
    QTest::newRow("Form4 pair cut short") << 4 << "falsi maschili.txt" << "porto,porta\npalo\n" << 2;
    QTest::newRow("Form15 noun with no altered form") << 15 << "alterati.txt"
                                                      << "casa,casetta,,,\nnaso,,,,\ngatto,gattino,,,\n" << 2;
    QString troppi;
    for (int i = 1; i <= 101; ++i)
        troppi += QStringLiteral("p%1,a%1\n").arg(inLettere(i));
    QTest::newRow("Form15 over 100 records") << 15 << "falsialterati.txt" << troppi << 101;
}

void TestDueScelte::guasti()
{
    QFETCH(int, form);
    QFETCH(QString, file);
    QFETCH(QString, contenuto);
    QFETCH(int, riga);
    Banco b(form);
    if (riga < 0)
        b.cartella.togli(file);
    else
        b.cartella.scrivi(file, contenuto);
    const auto errore = b.logica->avvia();
    QVERIFY(errore);
    QVERIFY2(errore->file.contains(file), qPrintable(errore->file));
    QCOMPARE(errore->riga, std::max(riga, 0));
    QVERIFY(!b.logica->avviato());
    QCOMPARE(b.logica->testo(), QStringLiteral("Text1"));
    b.logica->premi(1);
    QCOMPARE(b.stato.contaErrati + b.stato.contaEsatti, 0);
}

void TestDueScelte::limitiDelleTabelle_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("campi");
    QTest::addColumn<int>("limite");
    QTest::addColumn<bool>("oltre");
    const struct {
        int form;
        const char* file;
        int campi;
        int limite;
    } tabelle[] = {
        {4, "MaschileFemminile.txt", 2, 500},
        {4, "falsi maschili.txt", 2, 500},
        {15, "alterati.txt", 5, 100},
        {15, "falsialterati.txt", 2, 100},
    };
    for (const auto& t : tabelle) {
        QTest::addRow("%s %d records", t.file, t.limite) << t.form << t.file << t.campi << t.limite << false;
        QTest::addRow("%s %d records", t.file, t.limite + 1) << t.form << t.file << t.campi << t.limite << true;
    }
}

void TestDueScelte::limitiDelleTabelle()
{
    QFETCH(int, form);
    QFETCH(QString, file);
    QFETCH(int, campi);
    QFETCH(int, limite);
    QFETCH(bool, oltre);
    Banco b(form);
    b.cartella.scrivi(file, recordNumerati(limite + (oltre ? 1 : 0), campi));
    const auto errore = b.logica->avvia();
    if (!oltre) {
        QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
        return;
    }
    QVERIFY(errore);
    QCOMPARE(errore->file, file);
    QCOMPARE(errore->riga, limite + 1);
    QVERIFY(errore->guasto.contains(QString::number(limite)));
    QVERIFY(!b.logica->avviato());
}

QTEST_GUILESS_MAIN(TestDueScelte)
#include "test_due_scelte.moc"
