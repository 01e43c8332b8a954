// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame every exercise shares: start-up, counters and their number form,
// faces, background, sound switch, the going-on rule with "avanti", the help
// step and what the frame tells its window.

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/informazioni.h"
#include "comune/stato.h"
#include "frame/esercizio.h"
#include "supporto.h"

#include <QTest>

namespace {

// A drill that only records what the frame asks of it.
class EsercizioProva final : public Esercizio {
public:
    using Esercizio::Esercizio;
    std::optional<ErroreElenco> guasto;
    int presentati = 0;
    int blocchi = 0;
    int sblocchi = 0;
    QString parola = QStringLiteral(" casa\n");

    void giusto() { esatto(); mostra(); }
    void sbagliato() { errato(); mostra(); }
    void aiutami(const QString& risposta) { aiuta(risposta); mostra(); }
    // A board: every right answer is scored, but only the last goes on.
    void giustoDelTabellone(bool ultimo)
    {
        segnaEsatto();
        if (ultimo)
            prosegui();
        mostra();
    }

    QString descrizione() const override { return QStringLiteral("elemento %1").arg(presentati); }

protected:
    std::optional<ErroreElenco> caricaElenchi() override { return guasto; }
    void presentaElemento() override
    {
        ++presentati;
        caricaColori();
    }
    void blocca() override { ++blocchi; }
    void sblocca() override { ++sblocchi; }
    QString parolaDaLeggere() const override { return parola; }
};

struct Banco {
    explicit Banco(bool attendi = true)
    {
        stato.attendiBottone = attendi;
        esercizio.collega(&vista);
    }
    StatoComune stato;
    CasualeCopione casuale{{}, 0.1f};
    RegistratoreSuoni suoni;
    RegistratoreVoce voce;
    LettoreElenchi lettore{QString()};
    Contesto contesto{stato, casuale, suoni, lettore, voce};
    EsercizioProva esercizio{contesto};
    VistaRegistrata vista;
};

} // namespace

class TestCornice : public QObject {
    Q_OBJECT

private slots:
    void formaNumero_data();
    void formaNumero();
    void avvio_data();
    void avvio();
    void avvioGuasto();
    void suonoSoloConSi();
    void attesaDiAvanti();
    void proseguimentoAutomatico();
    void facce();
    void azzera();
    void limitiDeiContatori_data();
    void limitiDeiContatori();
    void aiuto_data();
    void aiuto();
    void tabellone_data();
    void tabellone();
    void esci_data();
    void esci();
    void informazioni();
    void senzaFinestra();
};

void TestCornice::formaNumero_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("testo");
    QTest::newRow("0") << 0 << " 0";
    QTest::newRow("3") << 3 << " 3";
    QTest::newRow("-1") << -1 << "-1";
    QTest::newRow("32767") << 32767 << " 32767";
    QTest::newRow("-32768") << -32768 << "-32768";
}

void TestCornice::formaNumero()
{
    QFETCH(int, numero);
    QFETCH(QString, testo);
    QCOMPARE(Cornice::formaNumero(numero), testo);
}

void TestCornice::avvio_data()
{
    QTest::addColumn<bool>("attendi");
    QTest::newRow("waits for avanti") << true;
    QTest::newRow("goes on at once") << false;
}

void TestCornice::avvio()
{
    QFETCH(bool, attendi);
    Banco b(attendi);
    QVERIFY(!b.esercizio.avvia());
    const Cornice& c = b.esercizio.cornice();
    QCOMPARE(c.avantiVisibile(), attendi);
    QVERIFY(!c.avantiAbilitato());
    QCOMPARE(c.testoEsatti(), QStringLiteral("0"));
    QCOMPARE(c.testoErrati(), QStringLiteral("0"));
    QCOMPARE(c.faccia(), Faccia::Triste);
    QVERIFY(c.suonoAttivo());
    QCOMPARE(b.esercizio.presentati, 1);
    QCOMPARE(b.vista.prendi(), QStringList{QStringLiteral("aggiorna")});
    QCOMPARE(b.voce.preparata, 1);   // the voice gets ready as the window opens with the sound on
    // The option is read once: changing it later does not change this window.
    b.stato.attendiBottone = !attendi;
    b.esercizio.giusto();
    QCOMPARE(c.avantiVisibile(), attendi);
    QCOMPARE(c.avantiAbilitato(), attendi);
    QCOMPARE(b.esercizio.presentati, attendi ? 1 : 2);
}

void TestCornice::avvioGuasto()
{
    Banco b;
    b.esercizio.guasto = ErroreElenco{QStringLiteral("a.txt"), 3, QStringLiteral("guasto.")};
    QVERIFY(b.esercizio.avvia());
    QVERIFY(!b.esercizio.avviato());
    QCOMPARE(b.esercizio.presentati, 0);
    b.esercizio.leggiParola();   // no word before the start-up
    QVERIFY(b.vista.passi.isEmpty());
    QVERIFY(b.voce.letti.isEmpty());
    QCOMPARE(b.voce.preparata, 0);
}

void TestCornice::suonoSoloConSi()
{
    Banco b(false);
    b.esercizio.avvia();
    b.esercizio.giusto();
    b.esercizio.sbagliato();
    QCOMPARE(b.suoni.suonati.size(), 2);
    QCOMPARE(b.suoni.suonati.last(), Suono::No);
    // Reading aloud follows the switch too; blanks around the word are not read.
    b.esercizio.leggiParola();
    b.esercizio.parola = QStringLiteral(" \t");
    b.esercizio.leggiParola();
    QCOMPARE(b.voce.letti, QStringList{QStringLiteral("casa")});

    b.esercizio.impostaSuono(false);
    b.esercizio.parola = QStringLiteral("cane");
    b.esercizio.leggiParola();
    QCOMPARE(b.voce.letti.size(), 1);
    QVERIFY(!b.esercizio.cornice().suonoAttivo());
    const int usati = b.casuale.usati();
    b.esercizio.sbagliato();
    b.esercizio.giusto();
    QCOMPARE(b.suoni.suonati.size(), 2);
    // Silent right answers draw no sound: only the next item's colour.
    QCOMPARE(b.casuale.usati(), usati + 1);
    QCOMPARE(b.stato.contaEsatti, qint16(2));
    QCOMPARE(b.stato.contaErrati, qint16(2));
}

void TestCornice::attesaDiAvanti()
{
    Banco b;
    b.esercizio.avvia();
    const Cornice& c = b.esercizio.cornice();

    // The first item is said, with the focus on the first answer control.
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("elemento 1"));
    QCOMPARE(b.esercizio.prendiFuoco(), Fuoco::Risposta);
    b.esercizio.avanti();   // disabled: nothing happens
    QCOMPARE(b.esercizio.presentati, 1);
    b.esercizio.sbagliato();
    QVERIFY(!c.avantiAbilitato());
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("Sbagliato. Esatti 0, errati 1."));
    QCOMPARE(b.esercizio.prendiFuoco(), Fuoco::Resta);

    b.esercizio.giusto();
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("Esatto. Esatti 1, errati 1."));
    QCOMPARE(b.esercizio.prendiFuoco(), Fuoco::Avanti);
    QVERIFY(c.avantiAbilitato());
    QCOMPARE(b.esercizio.blocchi, 1);
    QCOMPARE(b.esercizio.presentati, 1);
    QCOMPARE(c.sfondo(), Colori::Nero);   // black until the next item

    b.vista.prendi();
    const int annunci = b.esercizio.numeroAnnuncio();
    b.esercizio.avanti();
    QCOMPARE(b.vista.prendi(), QStringList{QStringLiteral("aggiorna")});
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("elemento 2"));
    QCOMPARE(b.esercizio.numeroAnnuncio(), annunci + 1);
    QCOMPARE(b.esercizio.prendiFuoco(), Fuoco::Risposta);
    QVERIFY(c.avantiVisibile());
    QVERIFY(!c.avantiAbilitato());
    QCOMPARE(b.esercizio.sblocchi, 1);
    QCOMPARE(b.esercizio.presentati, 2);
    QVERIFY(c.sfondo() != Colori::Nero);
    QCOMPARE(c.faccia(), Faccia::Ride);   // presenting does not touch the faces

    b.esercizio.avanti();   // disabled again
    QCOMPARE(b.esercizio.presentati, 2);
}

void TestCornice::proseguimentoAutomatico()
{
    Banco b(false);
    b.esercizio.avvia();
    b.esercizio.giusto();
    QCOMPARE(b.esercizio.presentati, 2);
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("Esatto. Esatti 1, errati 0. elemento 2"));
    QCOMPARE(b.esercizio.prendiFuoco(), Fuoco::Risposta);
    QCOMPARE(b.esercizio.blocchi, 0);
    QVERIFY(!b.esercizio.cornice().avantiVisibile());
    QVERIFY(!b.esercizio.cornice().avantiAbilitato());
}

void TestCornice::facce()
{
    Banco b(false);
    b.esercizio.avvia();
    const Cornice& c = b.esercizio.cornice();
    QCOMPARE(c.esito(), Esito::Nessuno);   // the sad face of the start tells nothing
    b.esercizio.giusto();
    QCOMPARE(c.faccia(), Faccia::Ride);
    QCOMPARE(c.esito(), Esito::Esatto);
    b.esercizio.sbagliato();
    QCOMPARE(c.faccia(), Faccia::Triste);
    QCOMPARE(c.esito(), Esito::Errato);
    QCOMPARE(c.sfondo(), Colori::Nero);
    b.esercizio.giusto();
    QCOMPARE(c.faccia(), Faccia::Ride);
    QVERIFY(c.sfondo() != Colori::Nero);   // the next item's colour
}

void TestCornice::azzera()
{
    Banco b;
    b.esercizio.avvia();
    const Cornice& c = b.esercizio.cornice();
    b.esercizio.sbagliato();
    b.esercizio.sbagliato();
    b.esercizio.giusto();
    QCOMPARE(c.testoEsatti(), QStringLiteral(" 1"));
    QCOMPARE(c.testoErrati(), QStringLiteral(" 2"));

    b.vista.prendi();
    const int annunci = b.esercizio.numeroAnnuncio();
    b.esercizio.azzera();
    QCOMPARE(b.vista.prendi(), QStringList{QStringLiteral("aggiorna")});
    QCOMPARE(b.esercizio.numeroAnnuncio(), annunci + 1);
    QCOMPARE(b.esercizio.annuncio(), QStringLiteral("Conteggio azzerato. Esatti 0, errati 0."));
    QCOMPARE(b.stato.contaEsatti, qint16(0));
    QCOMPARE(b.stato.contaErrati, qint16(0));
    QCOMPARE(c.testoEsatti(), QStringLiteral("0"));
    QCOMPARE(c.testoErrati(), QStringLiteral("0"));
    // Nothing else changes: still waiting, the same face, the same item.
    QVERIFY(c.avantiAbilitato());
    QCOMPARE(c.faccia(), Faccia::Ride);
    QCOMPARE(b.esercizio.presentati, 1);

    b.esercizio.avanti();
    b.esercizio.giusto();
    QCOMPARE(c.testoEsatti(), QStringLiteral(" 1"));
    QCOMPARE(c.testoErrati(), QStringLiteral("0"));
}

void TestCornice::limitiDeiContatori_data()
{
    QTest::addColumn<int>("esatti");
    QTest::addColumn<int>("errati");
    QTest::addColumn<QString>("testoEsatti");
    QTest::addColumn<QString>("testoErrati");
    QTest::newRow("right answers stop at the top") << 32766 << 0 << " 32767" << " 3";
    QTest::newRow("wrong answers stop at the top") << 0 << 32765 << " 3" << " 32767";
}

void TestCornice::limitiDeiContatori()
{
    QFETCH(int, esatti);
    QFETCH(int, errati);
    QFETCH(QString, testoEsatti);
    QFETCH(QString, testoErrati);
    Banco b(false);
    b.esercizio.avvia();
    b.stato.contaEsatti = qint16(esatti);
    b.stato.contaErrati = qint16(errati);
    for (int i = 0; i < 3; ++i) {
        b.esercizio.giusto();
        b.esercizio.sbagliato();
    }
    QCOMPARE(b.esercizio.cornice().testoEsatti(), testoEsatti);
    QCOMPARE(b.esercizio.cornice().testoErrati(), testoErrati);
}

void TestCornice::aiuto_data()
{
    QTest::addColumn<int>("prima");
    QTest::addColumn<QString>("testo");
    QTest::newRow("from zero") << 0 << "-1";
    QTest::newRow("from one") << 1 << " 0";
    QTest::newRow("stops at the bottom") << -32768 << "-32768";
}

void TestCornice::aiuto()
{
    QFETCH(int, prima);
    QFETCH(QString, testo);
    Banco b;
    b.esercizio.avvia();
    b.stato.contaEsatti = qint16(prima);
    // The answer first, exactly as given; the point goes once the box is closed.
    struct VistaCheConta final : Vista {
        const StatoComune* stato = nullptr;
        QStringList passi;
        void aggiorna() override { passi.append(QStringLiteral("aggiorna ") + QString::number(stato->contaEsatti)); }
        void informa(const QString& testo) override
        {
            passi.append(testo + u' ' + QString::number(stato->contaEsatti));
        }
    } vista;
    vista.stato = &b.stato;
    b.esercizio.collega(&vista);
    b.esercizio.aiutami(QStringLiteral("Regina"));
    QCOMPARE(vista.passi, (QStringList{QStringLiteral("Regina %1").arg(prima),
                                       QStringLiteral("aggiorna %1").arg(std::max(prima - 1, -32768))}));
    QCOMPARE(b.esercizio.cornice().testoEsatti(), testo);
    QCOMPARE(int(b.stato.contaEsatti), std::max(prima - 1, -32768));
    QCOMPARE(b.stato.contaErrati, qint16(0));
    QCOMPARE(b.esercizio.presentati, 1);
    QCOMPARE(b.suoni.suonati.size(), 0);
    QCOMPARE(b.esercizio.cornice().faccia(), Faccia::Triste);
}

void TestCornice::tabellone_data()
{
    QTest::addColumn<bool>("attendi");
    QTest::newRow("waiting") << true;
    QTest::newRow("automatic") << false;
}

void TestCornice::tabellone()
{
    QFETCH(bool, attendi);
    Banco b(attendi);
    b.esercizio.avvia();
    for (int i = 0; i < 4; ++i)
        b.esercizio.giustoDelTabellone(false);
    QCOMPARE(b.stato.contaEsatti, qint16(4));
    QCOMPARE(b.esercizio.presentati, 1);
    QVERIFY(!b.esercizio.cornice().avantiAbilitato());
    QCOMPARE(b.esercizio.blocchi, 0);

    b.esercizio.giustoDelTabellone(true);
    QCOMPARE(b.esercizio.cornice().testoEsatti(), QStringLiteral(" 5"));
    QCOMPARE(b.esercizio.cornice().avantiAbilitato(), attendi);
    QCOMPARE(b.esercizio.blocchi, attendi ? 1 : 0);
    QCOMPARE(b.esercizio.presentati, attendi ? 1 : 2);
}

void TestCornice::esci_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("Sì: back to the menu") << true;
    QTest::newRow("No: nothing changes") << false;
}

void TestCornice::esci()
{
    QFETCH(bool, si);
    Banco b;
    b.esercizio.avvia();
    b.esercizio.sbagliato();
    b.esercizio.giusto();
    b.vista.prendi();
    b.vista.risposte = {si};
    b.esercizio.esci();
    QStringList attesi{QStringLiteral("chiedi:Vuoi tornare al menù?")};
    if (si)
        attesi.append(QStringLiteral("menu"));
    QCOMPARE(b.vista.prendi(), attesi);
    QCOMPARE(b.stato.contaEsatti, qint16(si ? 0 : 1));
    QCOMPARE(b.stato.contaErrati, qint16(si ? 0 : 1));
    QVERIFY(b.esercizio.cornice().avantiAbilitato());
    QCOMPARE(b.esercizio.presentati, 1);
}

void TestCornice::informazioni()
{
    Banco b;
    b.esercizio.avvia();
    b.vista.prendi();
    b.esercizio.informazioni();
    QCOMPARE(b.vista.prendi(), QStringList{QStringLiteral("informa:") + Informazioni::testo()});
    const QStringList righe = Informazioni::testo().split(u'\n');
    QCOMPARE(righe.size(), 4);
    QVERIFY(righe[0].endsWith(QStringLiteral("  ")));
    QVERIFY(!righe[0].trimmed().isEmpty());
    QCOMPARE(righe[1], QStringLiteral(" ----------------------- "));
    QVERIFY(righe[3].startsWith(QStringLiteral("mail: ")));
}

void TestCornice::senzaFinestra()
{
    // Without a window the logic runs all the same, and "Esci" is never "Sì".
    Banco b;
    b.esercizio.collega(nullptr);
    b.esercizio.avvia();
    b.esercizio.giusto();
    b.esercizio.esci();
    b.esercizio.aiutami(QStringLiteral("x"));
    QCOMPARE(b.stato.contaEsatti, qint16(0));
    QVERIFY(b.vista.passi.isEmpty());
}

QTEST_GUILESS_MAIN(TestCornice)
#include "test_cornice.moc"
