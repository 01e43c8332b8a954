// The draw rule, the palette, the sounds and the bounds of the counters.

#include "app/casuale.h"
#include "app/colori.h"
#include "app/riproduttore_differito.h"
#include "app/stato.h"
#include "app/suoni.h"
#include "supporto.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>
#include <cmath>

class TestColoriSuoni : public QObject {
    Q_OBJECT

private slots:
    void regolaDiEstrazione_data();
    void regolaDiEstrazione();
    void sequenzaDellOrologio();
    void tavolozza_data();
    void tavolozza();
    void distribuzioneDeiColori();
    void suonoSi_data();
    void suonoSi();
    void suonoNoNonEstrae();
    void contatoriAiLimiti_data();
    void contatoriAiLimiti();
    void riproduttoreVero_data();
    void riproduttoreVero();
};

void TestColoriSuoni::regolaDiEstrazione_data()
{
    QTest::addColumn<float>("rnd");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("atteso");

    const float quasiUno = std::nextafter(1.0f, 0.0f);
    QTest::newRow("zero") << 0.0f << 500 << 1;
    QTest::newRow("largest value, 500") << quasiUno << 500 << 500;
    QTest::newRow("largest value, 18") << quasiUno << 18 << 18;
    QTest::newRow("largest value, 32767") << quasiUno << 32767 << 32767;
    QTest::newRow("one entry") << 0.7f << 1 << 1;
    QTest::newRow("half of two") << 0.5f << 2 << 2;
    QTest::newRow("just under half") << 0.49999997f << 2 << 1;
    // 0.7f lies just below 0.7; its product with 10 rounds to 7 in single
    // precision (index 8), where double precision would give 6.9999999 (index 7).
    QTest::newRow("single-precision product") << 0.7f << 10 << 8;
    QTest::newRow("empty list") << 0.9f << 0 << 1;
}

void TestColoriSuoni::regolaDiEstrazione()
{
    QFETCH(float, rnd);
    QFETCH(int, n);
    QFETCH(int, atteso);
    CasualeCopione casuale({rnd});
    QCOMPARE(casuale.estrai(n), atteso);
    QCOMPARE(casuale.usati(), 1);
}

void TestColoriSuoni::sequenzaDellOrologio()
{
    CasualeOrologio casuale(12345u);
    QList<int> conta(6, 0);
    for (int i = 0; i < 60000; ++i) {
        const float valore = casuale.rnd();
        QVERIFY(valore >= 0.0f && valore < 1.0f);
        ++conta[casuale.estrai(5)];
    }
    QCOMPARE(conta[0], 0);
    for (int k = 1; k <= 5; ++k)
        QVERIFY2(conta[k] > 11000 && conta[k] < 13000, qPrintable(QString::number(conta[k])));
    CasualeOrologio stesso(12345u), altro(54321u);
    CasualeOrologio primo(12345u);
    QCOMPARE(primo.rnd(), stesso.rnd());
    QVERIFY(CasualeOrologio(12345u).rnd() != altro.rnd());
}

void TestColoriSuoni::tavolozza_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("rosso");
    QTest::addColumn<int>("verde");
    QTest::addColumn<int>("blu");

    QTest::newRow("1") << 1 << 255 << 192 << 192;
    QTest::newRow("3 red") << 3 << 255 << 0 << 0;
    QTest::newRow("8") << 8 << 192 << 64 << 0;
    QTest::newRow("12") << 12 << 0 << 255 << 255;
    QTest::newRow("14 pink") << 14 << 255 << 192 << 255;
    QTest::newRow("15 pink again") << 15 << 255 << 192 << 255;
    QTest::newRow("17 blue") << 17 << 0 << 0 << 255;
    QTest::newRow("18") << 18 << 255 << 0 << 255;
}

void TestColoriSuoni::tavolozza()
{
    QFETCH(int, k);
    QFETCH(int, rosso);
    QFETCH(int, verde);
    QFETCH(int, blu);
    CasualeCopione casuale({per(k, 18)});
    const ColoreVb colore = Colori::estrai(casuale);
    QCOMPARE(Colori::rosso(colore), rosso);
    QCOMPARE(Colori::verde(colore), verde);
    QCOMPARE(Colori::blu(colore), blu);
}

void TestColoriSuoni::distribuzioneDeiColori()
{
    // Every value of the sequence that the rule can tell apart, once each.
    QMap<ColoreVb, int> conta;
    for (int i = 0; i < 1800; ++i) {
        CasualeCopione casuale({(float(i) + 0.5f) / 1800.0f});
        ++conta[Colori::estrai(casuale)];
    }
    QCOMPARE(conta.size(), 17);
    QVERIFY(!conta.contains(0));
    for (auto it = conta.cbegin(); it != conta.cend(); ++it)
        QCOMPARE(it.value(), it.key() == 0x00FFC0FF ? 200 : 100);
}

void TestColoriSuoni::suonoSi_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("file");
    QTest::newRow("1") << 1 << "si1.wav";
    QTest::newRow("2") << 2 << "si2.wav";
    QTest::newRow("3") << 3 << "si3.wav";
    QTest::newRow("4") << 4 << "si4.wav";
}

void TestColoriSuoni::suonoSi()
{
    QFETCH(int, k);
    QFETCH(QString, file);
    CasualeCopione casuale({per(k, 4)});
    RegistratoreSuoni suoni;
    Suoni::si(casuale, suoni);
    QCOMPARE(casuale.usati(), 1);
    QCOMPARE(suoni.suonati.size(), 1);
    QCOMPARE(Suoni::nomeFile(suoni.suonati.first()), file);
}

void TestColoriSuoni::suonoNoNonEstrae()
{
    RegistratoreSuoni suoni;
    Suoni::no(suoni);
    QCOMPARE(suoni.suonati, QList<Suono>{Suono::No});
    QCOMPARE(Suoni::nomeFile(Suono::No), QStringLiteral("no.wav"));
}

void TestColoriSuoni::contatoriAiLimiti_data()
{
    QTest::addColumn<int>("valore");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("atteso");
    QTest::newRow("up") << 2 << 1 << 3;
    QTest::newRow("below zero") << 0 << -1 << -1;
    QTest::newRow("top") << 32767 << 1 << 32767;
    QTest::newRow("bottom") << -32768 << -1 << -32768;
}

void TestColoriSuoni::contatoriAiLimiti()
{
    QFETCH(int, valore);
    QFETCH(int, delta);
    QFETCH(int, atteso);
    QCOMPARE(int(StatoComune::somma(static_cast<qint16>(valore), delta)), atteso);
}

void TestColoriSuoni::riproduttoreVero_data()
{
    QTest::addColumn<QString>("suoni");
    QTest::addColumn<QString>("modulo");
    QTest::newRow("sounds and module") << LUMERI_SUONI << LUMERI_MODULO;
    QTest::newRow("no sounds") << "/nessuna/cartella" << LUMERI_MODULO;
    QTest::newRow("no module") << LUMERI_SUONI << "/nessuna/cartella";
}

void TestColoriSuoni::riproduttoreVero()
{
    // Playing never waits for the sound, whatever is missing.
    QFETCH(QString, suoni);
    QFETCH(QString, modulo);
    RiproduttoreDifferito riproduttore(suoni, modulo);
    riproduttore.prepara();
    QElapsedTimer orologio;
    orologio.start();
    for (Suono s : {Suono::Si1, Suono::No, Suono::Si4, Suono::Si4})
        riproduttore.riproduci(s);
    QVERIFY2(orologio.elapsed() < 200, qPrintable(QString::number(orologio.elapsed())));
}

QTEST_GUILESS_MAIN(TestColoriSuoni)
#include "test_colori_suoni.moc"
