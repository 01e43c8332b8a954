// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The draw rule, the palette, the sounds, the voice and the bounds of the
// counters.

#include "comune/casuale.h"
#include "comune/colori.h"
#include "comune/riproduttore_differito.h"
#include "comune/stato.h"
#include "comune/suoni.h"
#include "comune/voce_differita.h"
#include "supporto.h"

#include <QElapsedTimer>
#include <QLocale>
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
    void suoni();
    void contatoriAiLimiti_data();
    void contatoriAiLimiti();
    void riproduttoreVero_data();
    void riproduttoreVero();
    void voceVera_data();
    void voceVera();
    void linguaDellaVoce_data();
    void linguaDellaVoce();
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
    for (int i = 0; i < 60000; ++i)
        ++conta[casuale.estrai(5)];
    QCOMPARE(conta[0], 0);
    for (int k = 1; k <= 5; ++k)
        QVERIFY2(conta[k] > 11000 && conta[k] < 13000, qPrintable(QString::number(conta[k])));
}

void TestColoriSuoni::tavolozza_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<uint>("valore");   // &H00BBGGRR
    QTest::addColumn<QList<int>>("rgb");
    // What the counts (black text) and the instructions (light cyan) are drawn in on it.
    QTest::addColumn<uint>("conti");
    QTest::addColumn<uint>("istruzione");
    constexpr uint N = Colori::Nero, B = Colori::Bianco, C = Colori::Celeste;
    const struct {
        uint valore;
        int r, g, b;
        uint conti, istruzione;
    } righe[] = {
        {0x00C0C0FF, 255, 192, 192, N, N}, {0x008080FF, 255, 128, 128, N, N}, {0x000000FF, 255, 0, 0, N, N},
        {0x0080C0FF, 255, 192, 128, N, N}, {0x000080FF, 255, 128, 0, N, N},   {0x00C0FFFF, 255, 255, 192, N, N},
        {0x0000FFFF, 255, 255, 0, N, N},   {0x000040C0, 192, 64, 0, B, B},    {0x0080FF80, 128, 255, 128, N, N},
        {0x0000C000, 0, 192, 0, N, N},     {0x00FFFFC0, 192, 255, 255, N, N}, {0x00FFFF00, 0, 255, 255, N, N},
        {0x00FFC0C0, 192, 192, 255, N, N}, {0x00FFC0FF, 255, 192, 255, N, N}, {0x00FFC0FF, 255, 192, 255, N, N},
        {0x00E0E0E0, 224, 224, 224, N, N}, {0x00FF0000, 0, 0, 255, B, C},     {0x00FF00FF, 255, 0, 255, N, N},
    };
    int indice = 1;
    for (const auto& riga : righe) {
        QTest::addRow("%d", indice) << indice << riga.valore << QList<int>{riga.r, riga.g, riga.b} << riga.conti
                                    << riga.istruzione;
        ++indice;
    }
    // Not in the palette: the black of a wrong answer.
    QTest::newRow("black") << 0 << uint(N) << QList<int>{0, 0, 0} << uint(B) << uint(C);
}

void TestColoriSuoni::tavolozza()
{
    // Entry k of the palette, and the colour CaricaColori paints when its draw gives k.
    QFETCH(int, indice);
    QFETCH(uint, valore);
    QFETCH(QList<int>, rgb);
    QFETCH(uint, conti);
    QFETCH(uint, istruzione);
    for (const auto& [testo, atteso] : {std::pair{Colori::Nero, conti}, {Colori::Celeste, istruzione}}) {
        const ColoreVb scelto = Colori::leggibile(testo, valore);
        QCOMPARE(scelto, ColoreVb(atteso));
        QVERIFY(Colori::contrasto(scelto, valore) >= 4.5);   // every palette colour allows it
    }
    if (indice == 0)
        return;
    QCOMPARE(Colori::tavolozza()[static_cast<std::size_t>(indice)], ColoreVb(valore));
    CasualeCopione casuale({per(indice, 18)});
    const ColoreVb disegnato = Colori::estrai(casuale);
    QCOMPARE(disegnato, ColoreVb(valore));
    QCOMPARE((QList<int>{Colori::rosso(disegnato), Colori::verde(disegnato), Colori::blu(disegnato)}), rgb);
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

void TestColoriSuoni::suoni()
{
    // SuonoSi draws one value for one of four files; SuonoNo draws none.
    CasualeCopione casuale({per(1, 4), per(2, 4), per(3, 4), per(4, 4)});
    RegistratoreSuoni registratore;
    for (int i = 0; i < 4; ++i)
        Suoni::si(casuale, registratore);
    Suoni::no(registratore);
    QCOMPARE(casuale.usati(), 4);
    QStringList file;
    for (Suono suono : std::as_const(registratore.suonati))
        file.append(Suoni::nomeFile(suono));
    QCOMPARE(file, (QStringList{"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}));
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

void TestColoriSuoni::voceVera_data()
{
    // No test may hang on, or start, a real speech server: the module is
    // given an engine no system has.
    QTest::addColumn<QString>("modulo");
    QTest::newRow("module, no engine") << LUMERI_MODULO;
    QTest::newRow("no module") << "/nessuna/cartella";
}

void TestColoriSuoni::voceVera()
{
    // Getting ready and reading never wait for the engine, and the voice lets go at once.
    QFETCH(QString, modulo);
    QElapsedTimer orologio;
    orologio.start();
    {
        VoceDifferita voce(modulo, {QStringLiteral("nessuno")});
        voce.prepara();
        for (const char* parola : {"casa", "città", "pesce d'aprile"})
            voce.leggi(QString::fromUtf8(parola));
        QVERIFY2(orologio.elapsed() < 200, qPrintable(QString::number(orologio.elapsed())));
    }
    QVERIFY2(orologio.elapsed() < 1000, qPrintable(QString::number(orologio.elapsed())));
}

void TestColoriSuoni::linguaDellaVoce_data()
{
    // An engine's languages, as it lists them, and the one the words are read in.
    QTest::addColumn<QStringList>("lingue");
    QTest::addColumn<int>("scelta");
    QTest::newRow("none") << QStringList() << -1;
    QTest::newRow("no Italian") << QStringList{"en_GB", "fr_FR", "de_DE"} << -1;
    QTest::newRow("Italian of Italy alone") << QStringList{"it_IT"} << 0;
    QTest::newRow("Italy's after Switzerland's") << QStringList{"en_US", "it_CH", "it_IT"} << 2;
    QTest::newRow("only other Italians: the first") << QStringList{"fr_FR", "it_CH", "it_SM"} << 1;
    QTest::newRow("other languages of Italy") << QStringList{"de_IT", "sc_IT", "it_CH"} << 2;
    QTest::newRow("Italian of Switzerland, not its French") << QStringList{"fr_CH", "it_CH"} << 1;
}

void TestColoriSuoni::linguaDellaVoce()
{
    QFETCH(QStringList, lingue);
    QFETCH(int, scelta);
    QList<QLocale> locali;
    for (const QString& nome : std::as_const(lingue))
        locali.append(QLocale(nome));
    QCOMPARE(Voce::linguaItaliana(locali), qsizetype(scelta));
}

QTEST_GUILESS_MAIN(TestColoriSuoni)
#include "test_colori_suoni.moc"
