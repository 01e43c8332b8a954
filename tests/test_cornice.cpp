// The frame every exercise shares: start-up, counters and their number form,
// faces, background, sound switch and the going-on rule with "avanti".

#include "app/contesto.h"
#include "app/elenchi.h"
#include "app/stato.h"
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

    void giusto() { esatto(); }
    void sbagliato() { errato(); }

protected:
    std::optional<ErroreElenco> caricaElenchi() override { return guasto; }
    void presentaElemento() override
    {
        ++presentati;
        cornice().caricaColori();
    }
    void blocca() override { ++blocchi; }
    void sblocca() override { ++sblocchi; }
};

struct Banco {
    StatoComune stato;
    CasualeCopione casuale{{}, 0.1f};
    RegistratoreSuoni suoni;
    LettoreElenchi lettore{QString()};
    Contesto contesto{stato, casuale, suoni, lettore};
    EsercizioProva esercizio{contesto};
};

} // namespace

class TestCornice : public QObject {
    Q_OBJECT

private slots:
    void formaNumero_data();
    void formaNumero();
    void avvio_data();
    void avvio();
    void suonoSoloConSi();
    void attesaDiAvanti();
    void proseguimentoAutomatico();
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
    Banco b;
    b.stato.attendiBottone = attendi;
    b.stato.contaEsatti = 0;
    QVERIFY(!b.esercizio.avvia());
    const Cornice& c = b.esercizio.cornice();
    QCOMPARE(c.avantiVisibile(), attendi);
    QVERIFY(!c.avantiAbilitato());
    QCOMPARE(c.testoEsatti(), QStringLiteral("0"));
    QCOMPARE(c.testoErrati(), QStringLiteral("0"));
    QCOMPARE(c.faccia(), Faccia::Triste);
    QVERIFY(c.suonoAttivo());
    QCOMPARE(b.esercizio.presentati, 1);
    // The option is read once: changing it later does not change this window.
    b.stato.attendiBottone = !attendi;
    b.esercizio.giusto();
    QCOMPARE(c.avantiVisibile(), attendi);
}

void TestCornice::suonoSoloConSi()
{
    Banco b;
    b.stato.attendiBottone = false;
    b.esercizio.avvia();
    b.esercizio.giusto();
    b.esercizio.sbagliato();
    QCOMPARE(b.suoni.suonati.size(), 2);
    QCOMPARE(b.suoni.suonati.last(), Suono::No);

    b.esercizio.cornice().impostaSuono(false);
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
    b.stato.attendiBottone = true;
    b.esercizio.avvia();
    const Cornice& c = b.esercizio.cornice();

    b.esercizio.avanti();   // disabled: nothing happens
    QCOMPARE(b.esercizio.presentati, 1);
    b.esercizio.sbagliato();
    QVERIFY(!c.avantiAbilitato());

    b.esercizio.giusto();
    QVERIFY(c.avantiAbilitato());
    QCOMPARE(b.esercizio.blocchi, 1);
    QCOMPARE(b.esercizio.presentati, 1);
    QCOMPARE(c.sfondo(), Colori::Nero);   // black until the next item

    b.esercizio.avanti();
    QVERIFY(c.avantiVisibile());
    QVERIFY(!c.avantiAbilitato());
    QCOMPARE(b.esercizio.sblocchi, 1);
    QCOMPARE(b.esercizio.presentati, 2);
    QVERIFY(c.sfondo() != Colori::Nero);
    QCOMPARE(c.faccia(), Faccia::Ride);   // presenting does not touch the faces
}

void TestCornice::proseguimentoAutomatico()
{
    Banco b;
    b.stato.attendiBottone = false;
    b.esercizio.avvia();
    b.esercizio.giusto();
    QCOMPARE(b.esercizio.presentati, 2);
    QCOMPARE(b.esercizio.blocchi, 0);
    QVERIFY(!b.esercizio.cornice().avantiVisibile());
    QVERIFY(!b.esercizio.cornice().avantiAbilitato());
}

QTEST_GUILESS_MAIN(TestCornice)
#include "test_cornice.moc"
