// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list reader: field rules, decoding, file names, bounds and faults.

#include "comune/elenchi.h"
#include "supporto.h"

#include <QFile>
#include <QTest>

class TestElenchi : public QObject {
    Q_OBJECT

private slots:
    void campi_data();
    void campi();
    void virgoletteNonChiuse_data();
    void virgoletteNonChiuse();
    void decodifica_data();
    void decodifica();
    void nomiSenzaMaiuscole();
    void dueFileInUnElenco();
    void limiteElenco_data();
    void limiteElenco();
    void record_data();
    void record();
    void righeDeiRecord_data();
    void righeDeiRecord();
    void limiteRecord();
    void nienteDiScrittoSeSbaglia();
    void paroleAutonome_data();
    void paroleAutonome();
    void confiniDelleParole_data();
    void confiniDelleParole();
    void fileCheDiceDiEssereVuoto();
    void messaggio();
};

void TestElenchi::campi_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("valori");
    QTest::addColumn<QList<int>>("righe");

    QTest::newRow("one per line") << "cane\ngatto\n" << QStringList{"cane", "gatto"} << QList<int>{1, 2};
    QTest::newRow("three on a line") << "uno,due,tre" << QStringList{"uno", "due", "tre"}
                                     << QList<int>{1, 1, 1};
    QTest::newRow("blanks before and after") << "  casa ,  mare  \n" << QStringList{"casa", "mare"}
                                             << QList<int>{1, 1};
    QTest::newRow("quoted comma") << "\"uno, due\",tre" << QStringList{"uno, due", "tre"}
                                  << QList<int>{1, 1};
    QTest::newRow("quoted keeps blanks") << " \" a \"" << QStringList{" a "} << QList<int>{1};
    QTest::newRow("empty fields between commas") << "casa,casetta,,,casupola"
                                                 << QStringList{"casa", "casetta", "", "", "casupola"}
                                                 << QList<int>{1, 1, 1, 1, 1};
    QTest::newRow("trailing commas") << "naso,nasino,nasone,,\nmano"
                                     << QStringList{"naso", "nasino", "nasone", "", "", "mano"}
                                     << QList<int>{1, 1, 1, 1, 1, 2};
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"} << QList<int>{1, 2};
    QTest::newRow("CR alone") << "a\rb\r" << QStringList{"a", "b"} << QList<int>{1, 2};
    QTest::newRow("blank lines give nothing") << "\n  \na\n\n\t\nb\n\n\n" << QStringList{"a", "b"}
                                              << QList<int>{3, 6};
    QTest::newRow("empty file") << "" << QStringList{} << QList<int>{};
    QTest::newRow("accents kept, case kept") << "Città,perché" << QStringList{"Città", "perché"}
                                             << QList<int>{1, 1};
    QTest::newRow("quoted over a line end") << "\"uno\ndue\",tre\nquattro"
                                            << QStringList{"uno\ndue", "tre", "quattro"} << QList<int>{1, 2, 3};
    QTest::newRow("quoted over CR LF and blank lines") << "\"a\r\n\r\nb\"\r\nc"
                                                       << QStringList{"a\r\n\r\nb", "c"} << QList<int>{1, 4};
    QTest::newRow("quoted field on a later line") << "x\n  \"y\nz\"" << QStringList{"x", "y\nz"}
                                                  << QList<int>{1, 2};
    QTest::newRow("after the closing quote, ignored") << "\"a\" b,c" << QStringList{"a", "c"}
                                                      << QList<int>{1, 1};
    QTest::newRow("quoted, then the line ends") << "\"a\" b\nc" << QStringList{"a", "c"} << QList<int>{1, 2};
    QTest::newRow("quoted, then a semicolon") << "\"gallo\";\"gallina\" x;re" << QStringList{"gallo", "gallina", "re"}
                                              << QList<int>{1, 1, 1};
    QTest::newRow("typographic quotes") << "“uno, due”,„tre“;«quattro; cinque» x,”sei”"
                                        << QStringList{"uno, due", "tre", "quattro; cinque", "sei"}
                                        << QList<int>{1, 1, 1, 1};
    QTest::newRow("tab separates") << "ala\tali\n\tbraccio\t\n" << QStringList{"ala", "ali", "", "braccio", ""}
                                   << QList<int>{1, 1, 2, 2, 2};
    QTest::newRow("a row of separators is a blank line") << ",\n ; ;\t\nre,\n,,\n" << QStringList{"re", ""}
                                                         << QList<int>{3, 3};
    QTest::newRow("unseen characters, other blanks and hyphens")
        << "re\u00ADgi\u200Bna,\u00A0\u2060casa\u00A0\u200E;fer\u202Fro;pesce\u2011spada;\"\u00A0\""
        << QStringList{"regina", "casa", "fer ro", "pesce-spada", ""} << QList<int>{1, 1, 1, 1, 1};
    QTest::newRow("accents composed") << "tribu\u0300,\u0915\u093C" << QStringList{"tribù", "\u0915\u093C"}
                                      << QList<int>{1, 1};
    QTest::newRow("apostrophes are letters") << "mezz’ora,l'acqua‘" << QStringList{"mezz’ora", "l'acqua‘"}
                                             << QList<int>{1, 1};
}

void TestElenchi::campi()
{
    QFETCH(QString, testo);
    QFETCH(QStringList, valori);
    QFETCH(QList<int>, righe);
    QList<Campo> campi;
    QVERIFY(!LettoreElenchi::dividiCampi(testo, QStringLiteral("prova.txt"), campi));
    QStringList letti;
    QList<int> numeri;
    for (const Campo& campo : campi) {
        letti.append(campo.testo);
        numeri.append(campo.riga);
    }
    QCOMPARE(letti, valori);
    QCOMPARE(numeri, righe);
}

void TestElenchi::virgoletteNonChiuse_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("riga");
    QTest::newRow("never closed") << "a\nb\n\"c,d\ne\n" << 3;
    QTest::newRow("after a quoted field over two lines") << "\"a\nb\",\"c\n" << 2;
    QTest::newRow("the last character") << "casa,\"" << 1;
    QTest::newRow("typographic, over the next line") << "a\n“b,c\nd\"\n" << 2;
    QTest::newRow("« closes only with »") << "«a”;b\n" << 1;
}

void TestElenchi::virgoletteNonChiuse()
{
    // A double quote never closed is told at the line where it opened.
    QFETCH(QString, testo);
    QFETCH(int, riga);
    QList<Campo> campi{{QStringLiteral("resta"), 1}};
    const auto errore = LettoreElenchi::dividiCampi(testo, QStringLiteral("prova.txt"), campi);
    QVERIFY(errore);
    QCOMPARE(errore->riga, riga);
    QCOMPARE(errore->file, QStringLiteral("prova.txt"));
    QVERIFY(errore->guasto.contains(QStringLiteral("virgolette")));
    QCOMPARE(campi.size(), 1);   // untouched
}

void TestElenchi::decodifica_data()
{
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QString>("testo");

    QTest::newRow("UTF-8") << QByteArray("citt\xc3\xa0,perch\xc3\xa9") << QStringLiteral("città,perché");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf" "caff\xc3\xa8") << QStringLiteral("caffè");
    QTest::newRow("Windows-1252") << QByteArray("citt\xe0,virt\xf9") << QStringLiteral("città,virtù");
    QTest::newRow("Windows-1252 only at the end") << QByteArray("perch\xe9") << QStringLiteral("perché");
    QTest::newRow("Windows-1252 quotes") << QByteArray("\x93" "a\x94") << QStringLiteral("“a”");
    QTest::newRow("plain ASCII") << QByteArray("cane") << QStringLiteral("cane");
}

void TestElenchi::decodifica()
{
    QFETCH(QByteArray, dati);
    QFETCH(QString, testo);
    QCOMPARE(LettoreElenchi::decodifica(dati), testo);
}

void TestElenchi::nomiSenzaMaiuscole()
{
    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("MaschileSingolare.txt"), QStringLiteral("cane\n"));
    const LettoreElenchi lettore(cartella.testi());
    for (const QString& nome : {QStringLiteral("MaschileSingolare.txt"), QStringLiteral("maschilesingolare.txt"),
                                QStringLiteral("MASCHILESINGOLARE.TXT")}) {
        QStringList elenco;
        QVERIFY2(!lettore.caricaElenco({nome}, elenco), qPrintable(nome));
        QCOMPARE(elenco, QStringList{QStringLiteral("cane")});
    }
}

void TestElenchi::dueFileInUnElenco()
{
    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("a.txt"), QStringLiteral("auno\nadue\natre\n"));
    cartella.scrivi(QStringLiteral("b.txt"), QStringLiteral("buno,bdue\nbtre\nbquattro"));
    const LettoreElenchi lettore(cartella.testi());
    QStringList elenco;
    QVERIFY(!lettore.caricaElenco({QStringLiteral("a.txt"), QStringLiteral("b.txt")}, elenco));
    QCOMPARE(elenco, (QStringList{"auno", "adue", "atre", "buno", "bdue", "btre", "bquattro"}));
}

void TestElenchi::limiteElenco_data()
{
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("secondo");
    QTest::addColumn<QString>("fileGuasto");   // empty: loads
    QTest::addColumn<int>("rigaGuasto");
    QTest::addColumn<bool>("virgole");   // every word followed by a comma: an empty field passed over

    QTest::newRow("500 in one file") << 500 << 0 << QString() << 0 << false;
    QTest::newRow("501 in one file") << 501 << 0 << QStringLiteral("a.txt") << 501 << false;
    QTest::newRow("250 + 250") << 250 << 250 << QString() << 0 << false;
    QTest::newRow("250 + 251") << 250 << 251 << QStringLiteral("b.txt") << 251 << false;
    QTest::newRow("250 + 250, trailing commas") << 250 << 250 << QString() << 0 << true;
    QTest::newRow("250 + 251, trailing commas") << 250 << 251 << QStringLiteral("b.txt") << 251 << true;
}

void TestElenchi::limiteElenco()
{
    QFETCH(int, primo);
    QFETCH(int, secondo);
    QFETCH(QString, fileGuasto);
    QFETCH(int, rigaGuasto);
    QFETCH(bool, virgole);
    CartellaProva cartella;
    const QString fine = virgole ? QStringLiteral(",\n") : QStringLiteral("\n");
    cartella.scrivi(QStringLiteral("a.txt"), paroleNumerate(QStringLiteral("a"), primo).replace(u'\n', fine));
    cartella.scrivi(QStringLiteral("b.txt"), paroleNumerate(QStringLiteral("b"), secondo).replace(u'\n', fine));
    const LettoreElenchi lettore(cartella.testi());
    QStringList elenco;
    const auto errore = lettore.caricaElenco({QStringLiteral("a.txt"), QStringLiteral("b.txt")}, elenco);
    if (fileGuasto.isEmpty()) {
        QVERIFY(!errore);
        QCOMPARE(elenco.size(), primo + secondo);
    } else {
        QVERIFY(errore);
        QCOMPARE(errore->file, fileGuasto);
        QCOMPARE(errore->riga, rigaGuasto);
        QVERIFY(errore->guasto.contains(QStringLiteral("500")));
        // A file within the bound on its own: the sentence says why it is over.
        QCOMPARE(errore->guasto.endsWith(QStringLiteral(": le parole di \"a.txt\" e di \"b.txt\" si contano insieme.")),
                 primo < 500);
        QVERIFY(elenco.isEmpty());
    }
}

void TestElenchi::record_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("campi");
    QTest::addColumn<int>("vuoti");            // the fields that may be empty, bit c - 1 for field c
    QTest::addColumn<QStringList>("record");   // records joined with '|'
    QTest::addColumn<int>("rigaGuasto");       // 0: loads
    QTest::addColumn<QString>("guasto");

    const int alterati = 0b11110;
    const QString virgola = QStringLiteral("una virgola di troppo o mancante?");
    QTest::newRow("pairs on lines") << "re,regina\ngallo,gallina\n" << 2 << 0
                                    << QStringList{"re|regina", "gallo|gallina"} << 0 << "";
    QTest::newRow("one field a line, counted in fields") << "re\nregina\n\ngallo\ngallina" << 2 << 0
                                                         << QStringList{"re|regina", "gallo|gallina"} << 0 << "";
    QTest::newRow("two records on a line") << "re;regina;gallo;gallina\n" << 2 << 0
                                           << QStringList{"re|regina", "gallo|gallina"} << 0 << "";
    QTest::newRow("five fields with empty forms") << "naso,nasino,nasone,,\ntempo,,,,tempaccio\n" << 5 << alterati
                                                  << QStringList{"naso|nasino|nasone||", "tempo||||tempaccio"} << 0
                                                  << "";
    QTest::newRow("one field a line, some compound nouns") << "pesce spada\npesci spada\nre\nregina\n" << 2 << 0
                                                           << QStringList{"pesce spada|pesci spada", "re|regina"} << 0
                                                           << "";
    QTest::newRow("a record a line, blanks between") << "re\nregina\ncollo colla\npozzo pozza\nx y\n" << 2
                                                     << 0 << QStringList{} << 3 << "separale con una virgola, così: collo,colla";
    QTest::newRow("pairs across lines") << "re\nregina,gallo\ngallina" << 2 << 0 << QStringList{} << 1
                                        << "questa riga ha 1 parola, ma un record ne ha 2: " + virgola;
    QTest::newRow("one field too many") << "a,b,c\nd,e\n" << 2 << 0 << QStringList{} << 1 << "ha 3 parole";
    QTest::newRow("odd number of fields") << "re,regina\ngallo\n" << 2 << 0 << QStringList{} << 2 << virgola;
    QTest::newRow("odd number, one field a line") << "re\nregina\ngallo\n" << 2 << 0 << QStringList{} << 3
                                                  << "l'ultimo record è incompleto";
    QTest::newRow("a quoted empty word") << "gallo\ngallina\n\"\"\nre\n" << 2 << 0 << QStringList{} << 3
                                         << "la prima parola";
    QTest::newRow("empty file") << "" << 2 << 0 << QStringList{} << 0 << "";
}

void TestElenchi::record()
{
    QFETCH(QString, testo);
    QFETCH(int, campi);
    QFETCH(int, vuoti);
    QFETCH(QStringList, record);
    QFETCH(int, rigaGuasto);
    QFETCH(QString, guasto);
    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("r.txt"), testo);
    const LettoreElenchi lettore(cartella.testi());
    Tabella tabella;
    const auto errore = lettore.caricaRecord(QStringLiteral("r.txt"), {campi, unsigned(vuoti)}, 100, tabella);
    if (rigaGuasto) {
        QVERIFY(errore);
        QCOMPARE(errore->riga, rigaGuasto);
        QVERIFY2(errore->guasto.contains(guasto), qPrintable(errore->guasto));
        return;
    }
    QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
    QStringList uniti;
    for (const QStringList& r : tabella) {
        QCOMPARE(r.size(), campi);
        uniti.append(r.join(u'|'));
    }
    QCOMPARE(uniti, record);
}

void TestElenchi::righeDeiRecord_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("campi");
    QTest::addColumn<QList<int>>("inizi");   // the line each record begins on
    QTest::addColumn<int>("rigaGuasto");     // 0: loads

    QTest::newRow("records one field a line") << "re\nregina\ngallo\n\ngallina\n" << 2 << QList<int>{1, 3} << 0;
    QTest::newRow("a quoted field over lines") << "\"re\nx\",regina\ngallo,gallina" << 2 << QList<int>{1, 3}
                                               << 0;
    QTest::newRow("blank lines between records") << "a,b\n\n\nc,d" << 2 << QList<int>{1, 4} << 0;
    QTest::newRow("cut short on the line of the last one") << "a,b,c\n" << 2 << QList<int>{} << 1;
    QTest::newRow("cut short after a quoted field") << "casa,\"casetta\n\",a,b,c\nnaso,nasino\n" << 5
                                                    << QList<int>{} << 3;
}

void TestElenchi::righeDeiRecord()
{
    QFETCH(QString, testo);
    QFETCH(int, campi);
    QFETCH(QList<int>, inizi);
    QFETCH(int, rigaGuasto);
    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("r.txt"), testo);
    const LettoreElenchi lettore(cartella.testi());
    Tabella tabella;
    QList<int> righe;
    const auto errore = lettore.caricaRecord(QStringLiteral("r.txt"), campi, 100, tabella, &righe);
    QCOMPARE(errore ? errore->riga : 0, rigaGuasto);
    if (!errore)
        QCOMPARE(righe, inizi);
}

void TestElenchi::limiteRecord()
{
    CartellaProva cartella;
    QString cento;
    for (int i = 1; i <= 100; ++i)
        cento += QStringLiteral("p%1,a%1\n").arg(inLettere(i));
    cartella.scrivi(QStringLiteral("cento.txt"), cento);
    cartella.scrivi(QStringLiteral("centouno.txt"), cento + QStringLiteral("pcentouno,acentouno\n"));
    const LettoreElenchi lettore(cartella.testi());
    Tabella tabella;
    QList<int> righe;
    QVERIFY(!lettore.caricaRecord(QStringLiteral("cento.txt"), 2, 100, tabella, &righe));
    QCOMPARE(tabella.size(), 100);
    QCOMPARE(righe.size(), 100);
    QCOMPARE(righe.last(), 100);
    const auto errore = lettore.caricaRecord(QStringLiteral("centouno.txt"), 2, 100, tabella);
    QVERIFY(errore);
    QCOMPARE(errore->riga, 101);
    QVERIFY(errore->guasto.contains(QStringLiteral("100")));
}

void TestElenchi::nienteDiScrittoSeSbaglia()
{
    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("buono.txt"), QStringLiteral("uno\n"));
    cartella.scrivi(QStringLiteral("guasto.txt"), QStringLiteral("\"due\n"));
    const LettoreElenchi lettore(cartella.testi());
    QStringList elenco{QStringLiteral("prima")};
    QVERIFY(lettore.caricaElenco({QStringLiteral("buono.txt"), QStringLiteral("guasto.txt")}, elenco));
    QCOMPARE(elenco, QStringList{QStringLiteral("prima")});
    Tabella tabella{{QStringLiteral("x"), QStringLiteral("y")}};
    QVERIFY(lettore.caricaRecord(QStringLiteral("guasto.txt"), 2, 100, tabella));
    QCOMPARE(tabella.size(), 1);
}

void TestElenchi::paroleAutonome_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("valori");

    QTest::newRow("commas") << "sole,luna,stella" << QStringList{"sole", "luna", "stella"};
    QTest::newRow("LF") << "sole\nluna\n" << QStringList{"sole", "luna"};
    QTest::newRow("CR LF") << "sole\r\nluna\r\n" << QStringList{"sole", "luna"};
    QTest::newRow("CR") << "sole\rluna" << QStringList{"sole", "luna"};
    QTest::newRow("blanks trimmed") << "sole  ,luna  \n" << QStringList{"sole", "luna"};
    QTest::newRow("quoted") << "\"sole, luna\",mare" << QStringList{"sole, luna", "mare"};
    QTest::newRow("after a quote, ignored") << "\"sole\" x,luna" << QStringList{"sole", "luna"};
    QTest::newRow("empty fields") << "sole,,luna," << QStringList{"sole", "", "luna", ""};
    QTest::newRow("no line end at the end") << "sole\nluna" << QStringList{"sole", "luna"};
}

void TestElenchi::paroleAutonome()
{
    // The words share the block of the text they were cut from: each must
    // still be a string of its own, ending with its zero, changed without
    // touching the others, and the caller's text must stay as it was.
    QFETCH(QString, testo);
    QFETCH(QStringList, valori);
    const QString prima(testo.constData(), testo.size());   // a copy of its own
    QList<Campo> campi;
    QVERIFY(!LettoreElenchi::dividiCampi(testo, QStringLiteral("prova.txt"), campi));
    QCOMPARE(testo, prima);

    CartellaProva cartella;
    cartella.scrivi(QStringLiteral("prova.txt"), testo);
    const LettoreElenchi lettore(cartella.testi());
    QStringList elenco;
    QVERIFY(!lettore.caricaElenco({QStringLiteral("prova.txt")}, elenco));
    Tabella tabella;
    QVERIFY(!lettore.caricaRecord(QStringLiteral("prova.txt"), {1, 1u}, 100, tabella));
    QStringList dalleTabella = colonna(tabella, 1);
    tabella.clear();
    QStringList dalCampo;
    for (const Campo& campo : std::as_const(campi))
        dalCampo.append(campo.testo);
    campi.clear();

    // A list of words passes over the empty fields.
    QStringList senzaVuote = valori;
    senzaVuote.removeAll(QString());
    const std::pair<QStringList*, QStringList> casi[] = {
        {&dalCampo, valori}, {&elenco, senzaVuote}, {&dalleTabella, valori}};
    for (const auto& [parole, attese] : casi) {
        QCOMPARE(*parole, attese);
        for (const QString& parola : std::as_const(*parole))
            QCOMPARE(parola.utf16()[parola.size()], u'\0');
        // Changed while the others still hold the block: a copy of its own.
        QString primo = parole->first();
        primo.append(QStringLiteral("-e-ancora-e-ancora"));
        QCOMPARE(primo, attese.first() + QStringLiteral("-e-ancora-e-ancora"));
        QCOMPARE(*parole, attese);
        // The last holder of the block may grow in it: nothing else is left to spoil.
        QString ultimo = parole->takeLast();
        parole->clear();
        primo.clear();
        ultimo.append(QString(300, u'x'));
        QCOMPARE(ultimo, attese.last() + QString(300, u'x'));
    }
}

void TestElenchi::confiniDelleParole_data()
{
    // Words of every length around a block of eight characters, which the
    // reader may pass at once, with what ends them or spoils them at every place.
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("valori");
    QTest::addColumn<int>("rigaGuasta");   // 0: it loads
    QTest::addColumn<QString>("guasto");   // how the sentence of the fault begins

    for (int lunghezza = 1; lunghezza <= 20; ++lunghezza) {
        const QString parola = QString(lunghezza, u'a');
        QTest::addRow("%d letters, comma", lunghezza) << parola + u',' + parola << QStringList{parola, parola} << 0 << QString();
        QTest::addRow("%d letters, semicolon", lunghezza) << parola + u';' + parola << QStringList{parola, parola} << 0 << QString();
        QTest::addRow("%d letters, CR LF", lunghezza) << parola + QStringLiteral("\r\nb") << QStringList{parola, "b"} << 0 << QString();
        QTest::addRow("%d letters, blank", lunghezza)
            << parola + u' ' + parola + u'\n' << QStringList{parola + u' ' + parola} << 0 << QString();
        QTest::addRow("%d letters, apostrophe", lunghezza)
            << QStringLiteral("l'") + parola << QStringList{QStringLiteral("l'") + parola} << 0 << QString();
    }
    for (int posto = 0; posto < 20; ++posto) {
        QString conNul = QString(20, u'a');
        conNul[posto] = QChar(u'\x01');
        QTest::addRow("control at %d", posto) << QStringLiteral("mare\n") + conNul << QStringList{} << 2 << "contiene caratteri che non sono lettere";
        QString conCanc = QString(20, u'a');
        conCanc[posto] = QChar(0x7F);
        QTest::addRow("DEL at %d", posto) << QStringLiteral("mare\n") + conCanc << QStringList{} << 2 << "contiene caratteri che non sono lettere";
    }
    // Far from the comma in value, and below it if read with a sign.
    const QString alti = QStringLiteral("caff\u00E8\u0101\uFF21\u8000\uFFDCcaff\u00E8");
    QTest::newRow("characters far above the comma") << alti + QStringLiteral(",b") << QStringList{alti, "b"} << 0 << QString();
    // What is no part of a word, at every place of a block too.
    for (int posto = 0; posto < 20; ++posto) {
        QString conPunto = QString(20, u'a');
        conPunto[posto] = u'.';
        QTest::addRow("full stop at %d", posto) << conPunto << QStringList{} << 1 << "\"" + conPunto + "\" contiene «.»";
    }
    const auto guasto = [](const char* nome, const QString& testo, int riga, const QString& frase) {
        QTest::newRow(nome) << testo << QStringList{} << riga << frase;
    };
    const QString lettera = QStringLiteral(", che non è una lettera: ");
    guasto("numbering", "mare\n2. ombrelli", 2, "\"2. ombrelli\" contiene «2»" + lettera + "una numerazione o un numero?");
    guasto("a bullet", "\u2022 FINESTRINO", 1, "\"• FINESTRINO\" contiene «•»" + lettera
           + "i punti elenco di un programma di videoscrittura?");
    guasto("a Symbol font's bullet", "\uF0B7\tcane", 1, "\"\uF0B7\" contiene un segno che non si vede (U+F0B7)" + lettera
           + "i punti elenco");
    guasto("a hyphen for a bullet", "- cane", 1, "\"- cane\" contiene «-»" + lettera + "i punti elenco");
    guasto("a dash between two words", "rapa \u2013 rapina", 1, "\"rapa – rapina\" contiene «–»" + lettera
           + "un trattino tra due parole? Separa le parole con una virgola.");
    guasto("a hyphen between blanks", "rapa - rapina", 1, "\"rapa - rapina\" contiene «-»" + lettera + "un trattino");
    guasto("a hyphen at the end", "\"rapa-\"", 1, "\"rapa-\" contiene «-»");
    guasto("a formula's error", "gru;#NAME?", 1, "\"#NAME?\" contiene «#»" + lettera + "un errore di una formula?");
    guasto("Calc's error", "Err:502", 1, "\"Err:502\" contiene «:»" + lettera + "un errore di una formula?");
    guasto("a title line", "Elenco falsi alterati, classe 3B", 1, "\"classe 3B\" contiene «3»");
    guasto("a quote inside a word", "a\u201Cb", 1, "\"a“b\" contiene «“»" + lettera
           + "in una parola vanno soltanto lettere, apostrofi, spazi e trattini.");
    guasto("inside quotes too", "\"uno, due\",\"tre.\"", 1, "\"tre.\" contiene «.»");
}

void TestElenchi::confiniDelleParole()
{
    QFETCH(QString, testo);
    QFETCH(QStringList, valori);
    QFETCH(int, rigaGuasta);
    QFETCH(QString, guasto);
    QList<Campo> campi;
    const auto errore = LettoreElenchi::dividiCampi(testo, QStringLiteral("prova.txt"), campi);
    if (rigaGuasta != 0) {
        QVERIFY(errore);
        QCOMPARE(errore->riga, rigaGuasta);
        QVERIFY2(errore->guasto.startsWith(guasto), qPrintable(errore->guasto));
        return;
    }
    QVERIFY(!errore);
    QStringList letti;
    for (const Campo& campo : std::as_const(campi))
        letti.append(campo.testo);
    QCOMPARE(letti, valori);
}

void TestElenchi::fileCheDiceDiEssereVuoto()
{
    // A system file says it holds nothing and holds a page: it is read for
    // what it holds, not for what it says.
    const QString sistema = QStringLiteral("/proc/self/status");
    if (!QFileInfo(sistema).isFile() || QFileInfo(sistema).size() != 0)
        QSKIP("no system file that claims to be empty here");
    CartellaProva cartella;
    QVERIFY(QFile::link(sistema, QDir(cartella.testi()).filePath(QStringLiteral("stato.txt"))));
    const LettoreElenchi lettore(cartella.testi());
    QStringList elenco;
    // Its first line, "Name:" and a tab, is what stops it.
    const auto errore = lettore.caricaElenco({QStringLiteral("stato.txt")}, elenco, 10000);
    QVERIFY(errore);
    QCOMPARE(errore->riga, 1);
    QVERIFY2(errore->guasto.startsWith(QStringLiteral("\"Name:\" contiene «:»")), qPrintable(errore->guasto));
}

void TestElenchi::messaggio()
{
    const ErroreElenco conRiga{QStringLiteral("alterati.txt"), 12, QStringLiteral("il record è incompleto.")};
    const QString testo = conRiga.messaggio();
    QVERIFY(testo.contains(QStringLiteral("\"alterati.txt\"")));
    QVERIFY(testo.contains(QStringLiteral("riga 12")));
    QVERIFY(testo.contains(QStringLiteral("il record è incompleto.")));
    const ErroreElenco senzaRiga{QStringLiteral("concreti.txt"), 0, QStringLiteral("manca.")};
    QVERIFY(!senzaRiga.messaggio().contains(QStringLiteral("riga")));
}

QTEST_GUILESS_MAIN(TestElenchi)
#include "test_elenchi.moc"
