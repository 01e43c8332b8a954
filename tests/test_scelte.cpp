// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The three-choice window and the gender-and-number grid: the order of their
// draws, what Text1 shows, judging by class or list number, the colours of
// the buttons and the headings, the lock while waiting, the lists refused.

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/choice/griglia.h"
#include "drills/choice/tre_scelte.h"
#include "supporto.h"

#include <QTest>
#include <memory>

namespace {

template <class L>
struct Banco : ContestoDiProva {
    explicit Banco(bool attendi = false)
    {
        cartella.scriviElenchiDueScelte();
        cartella.scriviElenchiScritte();
        cartella.scrivi(QStringLiteral("alterati.txt"), QStringLiteral("casa,CASETTA,,,casupola\nnaso,,nasone,,\n"));
        cartella.scrivi(QStringLiteral("FemminilePlurale.txt"), QStringLiteral("CITTÀ\n"));
        stato.attendiBottone = attendi;
        logica = std::make_unique<L>(contesto);
    }

    std::unique_ptr<L> logica;
};

} // namespace

class TestScelte : public QObject {
    Q_OBJECT

private slots:
    void treScelte_data();
    void treScelte();
    void griglia_data();
    void griglia();
    void grigliaGiudizio_data();
    void grigliaGiudizio();
    void guasti_data();
    void guasti();
};

void TestScelte::treScelte_data()
{
    QTest::addColumn<QList<float>>("valori");   // after the colour
    QTest::addColumn<int>("classe");
    QTest::addColumn<QString>("testo");

    QTest::newRow("primitive of alterati.txt") << QList<float>{per(1, 3), per(1, 2), per(2, 2)} << 1 << "naso";
    QTest::newRow("primitive of derivati.txt, capital kept") << QList<float>{per(1, 3), per(2, 2), per(1, 2)} << 1
                                                             << "Giornale";
    QTest::newRow("derived, capital kept") << QList<float>{per(2, 3), per(1, 2)} << 2 << "Giornalaio";
    QTest::newRow("altered in small letters") << QList<float>{per(3, 3), per(1, 2), per(1, 4)} << 3 << "casetta";
    QTest::newRow("altered, row and column drawn again")
        << QList<float>{per(3, 3), per(2, 2), per(1, 4), per(1, 2), per(2, 4), per(2, 2), per(2, 4)} << 3
        << "nasone";
}

void TestScelte::treScelte()
{
    QFETCH(QList<float>, valori);
    QFETCH(int, classe);
    QFETCH(QString, testo);
    Banco<LogicaTreScelte> b;
    b.casuale.aggiungi({per(17, 18)});
    for (float v : valori)
        b.casuale.aggiungi({v});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(b.casuale.usati(), int(valori.size()) + 1);
    QCOMPARE(b.logica->cornice().sfondo(), ColoreVb(0x00FF0000));   // the colour comes first
    QCOMPARE(int(b.stato.elencoScelto), classe);
    QCOMPARE(b.logica->testo(), testo);
}

void TestScelte::griglia_data()
{
    QTest::addColumn<QList<float>>("valori");   // list, colour, index
    QTest::addColumn<QString>("testo");

    QTest::newRow("masculine singular") << QList<float>{per(1, 4), per(17, 18), per(3, 3)} << "mare";
    QTest::newRow("feminine singular") << QList<float>{per(2, 4), per(17, 18), per(2, 2)} << "mela";
    QTest::newRow("masculine plural") << QList<float>{per(3, 4), per(17, 18), 0.99f} << "cani";
    QTest::newRow("feminine plural in small letters") << QList<float>{per(4, 4), per(17, 18), 0.0f} << "città";
}

void TestScelte::griglia()
{
    QFETCH(QList<float>, valori);
    QFETCH(QString, testo);
    Banco<LogicaGriglia> b;
    for (float v : valori)
        b.casuale.aggiungi({v});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(b.casuale.usati(), 3);
    QCOMPARE(b.logica->cornice().sfondo(), ColoreVb(0x00FF0000));   // after the list
    QCOMPARE(int(b.stato.elencoScelto), int(valori.first() * 4) + 1);
    QCOMPARE(b.logica->testo(), testo);
    QCOMPARE(b.logica->coloreIntestazioni(), Colori::Nero);
    b.logica->leggiParola();
    QCOMPARE(b.voce.letti, QStringList{testo});
}

void TestScelte::grigliaGiudizio_data()
{
    QTest::addColumn<bool>("attendi");
    QTest::newRow("waiting for avanti") << true;
    QTest::newRow("going on at once") << false;
}

void TestScelte::grigliaGiudizio()
{
    // "cani", masculine plural: Label9, box 3. "casa" stands in two lists
    // of this folder and is judged by the one it was drawn from.
    QFETCH(bool, attendi);
    Banco<LogicaGriglia> b(attendi);
    b.cartella.scrivi(QStringLiteral("MaschilePlurale.txt"), QStringLiteral("cani\ncasa\n"));
    b.casuale.aggiungi({per(3, 4), 0.0f, per(2, 2)});
    QVERIFY(!b.logica->avvia());
    QCOMPARE(b.logica->testo(), QStringLiteral("casa"));
    for (int sbagliata : {1, 2, 4}) {
        b.logica->clicca(sbagliata);
        QCOMPARE(b.logica->coloreIntestazioni(), Colori::Bianco);
        QCOMPARE(b.logica->cornice().sfondo(), Colori::Nero);
        QVERIFY(b.logica->caselleAbilitate());
    }
    QCOMPARE(b.stato.contaErrati, qint16(3));

    b.casuale.aggiungi({0.0f, per(1, 4), per(9, 18), per(2, 3)});
    b.logica->clicca(3);
    QCOMPARE(b.stato.contaEsatti, qint16(1));
    QCOMPARE(b.logica->caselleAbilitate(), !attendi);
    if (attendi) {
        // Nothing reacts until "avanti"; the headings stay white on black.
        b.logica->clicca(3);
        b.logica->clicca(1);
        QCOMPARE(b.stato.contaEsatti + b.stato.contaErrati, 4);
        QCOMPARE(b.logica->coloreIntestazioni(), Colori::Bianco);
        b.logica->avanti();
        QVERIFY(b.logica->caselleAbilitate());
    }
    QCOMPARE(b.logica->testo(), QStringLiteral("libro"));
    QCOMPARE(b.logica->coloreIntestazioni(), Colori::Nero);
    QCOMPARE(b.logica->cornice().sfondo(), Colori::tavolozza()[9]);
}

void TestScelte::guasti_data()
{
    QTest::addColumn<bool>("griglia");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("contenuto");   // null: the file is removed
    QTest::addColumn<int>("riga");

    QString cento;
    for (int i = 1; i <= 101; ++i)
        cento += QStringLiteral("p%1,d%1\n").arg(inLettere(i));
    QTest::newRow("Form13 missing derivati.txt") << false << "derivati.txt" << QString() << 0;
    QTest::newRow("Form13 empty derivati.txt") << false << "derivati.txt" << "  \n" << 0;
    QTest::newRow("Form13 over 100 records") << false << "derivati.txt" << cento << 101;
    QTest::newRow("Form13 derived noun cut short") << false << "derivati.txt" << "fiore,fioraio\npane\n" << 2;
    QTest::newRow("Form13 noun with no altered form") << false << "alterati.txt" << "casa,,,,\n" << 1;
    QTest::newRow("Form8 empty list") << true << "FemminilePlurale.txt" << "" << 0;
    QTest::newRow("Form8 missing list") << true << "MaschileSingolare.txt" << QString() << 0;
}

void TestScelte::guasti()
{
    QFETCH(bool, griglia);
    QFETCH(QString, file);
    QFETCH(QString, contenuto);
    QFETCH(int, riga);
    auto prova = [&](auto& b, auto azione) {
        if (contenuto.isNull())
            b.cartella.togli(file);
        else
            b.cartella.scrivi(file, contenuto);
        const auto errore = b.logica->avvia();
        QVERIFY(errore);
        QCOMPARE(errore->file.toLower(), file.toLower());
        QCOMPARE(errore->riga, riga);
        QVERIFY(!b.logica->avviato());
        // The grid, shown before it starts, keeps an empty box behind the message.
        QCOMPARE(b.logica->testo(), griglia ? QString() : QStringLiteral("Text1"));
        azione(*b.logica);
        QCOMPARE(b.stato.contaErrati + b.stato.contaEsatti, 0);
    };
    if (griglia) {
        Banco<LogicaGriglia> b;
        prova(b, [](LogicaGriglia& l) { l.clicca(1); });
    } else {
        Banco<LogicaTreScelte> b;
        prova(b, [](LogicaTreScelte& l) { l.premi(1); });
    }
}

QTEST_GUILESS_MAIN(TestScelte)
#include "test_scelte.moc"
