// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' editor without its window: the check of a list as she
// types, the table's pastes and undo, and saving whole or not at all.

#include "elenchi/archivio_elenchi.h"
#include "elenchi/modello_elenco.h"

#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The menu's exercises, named by their windows.
QList<EsercizioDaVerificare> esercizi()
{
    QList<EsercizioDaVerificare> tutti;
    for (int form = 1; form <= 17; ++form)
        tutti.append({form, QStringLiteral("Form%1").arg(form)});
    return tutti;
}

std::shared_ptr<const ControlloElenco> controlloDi(const QString& file)
{
    const QString testi = QStringLiteral(LUMERI_TESTI);
    return std::make_shared<ControlloElenco>(*descrizioneElenco(file), QStringList{testi}, esercizi(), testi);
}

// "riga:colonna" of each place the check speaks of.
QStringList posti(const QList<Segnalazione>& segnalazioni)
{
    QStringList detti;
    for (const Segnalazione& s : segnalazioni)
        detti.append(QStringLiteral("%1:%2").arg(s.riga).arg(s.colonna));
    return detti;
}

} // namespace

class TestModelloElenchi : public QObject {
    Q_OBJECT
private slots:
    void controllo_data();
    void controllo();
    void incolla_data();
    void incolla();
    void salva_data();
    void salva();
};

void TestModelloElenchi::controllo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("righe");   // tab-separated, a record a line
    QTest::addColumn<QStringList>("guasti");
    QTest::addColumn<QStringList>("avvisi");
    QTest::addColumn<QString>("primo");   // the first fault's text, or the first warning's

    const QString coppie = QStringLiteral("gallo\tgallina\nleone\tleonessa\ngatto\tgatta\nlupo\tlupa\n");
    QTest::newRow("coppie buone") << "MaschileFemminile.txt" << coppie << QStringList() << QStringList() << "";
    QTest::newRow("parola che manca") << "MaschileFemminile.txt" << coppie + "re\t\n" << QStringList{"5:2"}
                                      << QStringList() << "riga 5: la seconda parola del record è vuota";
    QTest::newRow("parola troppo lunga") << "MaschileFemminile.txt" << coppie + QString(101, u'a') + "\tb\n"
                                         << QStringList{"5:1"} << QStringList() << "riga 5: una parola è lunga più di 100";
    QTest::newRow("carattere di controllo") << "singolarePlurale.txt" << "uovo\tuova\nbue\tbu\x01oi\n"
                                            << QStringList{"2:2"} << QStringList() << "riga 2: contiene caratteri";
    QTest::newRow("numerazione in una parola") << "MaschileFemminile.txt" << coppie + "re\t2. regina\n"
                                               << QStringList{"5:2"} << QStringList() << "riga 5: ";
    QTest::newRow("alterato senza forme") << "alterati.txt" << "casa\tcasetta\t\t\t\nnaso\t\t\t\t\n"
                                          << QStringList{"2:2", "0:0"} << QStringList() << "riga 2: il nome \"naso\"";
    QTest::newRow("oltre il limite") << "composti.txt" << QStringLiteral("capostazione\n").repeated(501)
                                     << QStringList{"501:0"} << QStringList{"2:0"} << "riga 501: l'elenco supera il limite di 500";
    QTest::newRow("troppo pochi per la tavola") << "collettivi.txt" << "gregge\tpecore\nsciame\tapi\n"
                                                << QStringList{"0:0"} << QStringList() << "Form16";
    QTest::newRow("record doppio") << "MaschileFemminile.txt" << coppie + "Gallo\t gallina\n" << QStringList()
                                   << QStringList{"5:0"} << "riga 5: è uguale alla riga 1.";
    QTest::newRow("intestazione") << "singolarePlurale.txt" << "Singolare\tplurale\nuovo\tuova\n" << QStringList{"1:0"}
                                  << QStringList() << "riga 1: sembra un'intestazione";
    QTest::newRow("parola anche nell'altro elenco") << "concreti.txt" << "tavolo\namore\n" << QStringList()
                                                    << QStringList{"2:1"} << "riga 2: \"amore\" c'è anche nell'elenco "
                                                                             "\"astratti.txt\"";
}

void TestModelloElenchi::controllo()
{
    QFETCH(QString, file);
    QFETCH(QString, righe);
    QFETCH(QStringList, guasti);
    QFETCH(QStringList, avvisi);
    QFETCH(QString, primo);
    const ModelloElenco modello(controlloDi(file), bloccoDaTesto(righe));
    const EsitoControllo& esito = modello.esito();
    QCOMPARE(posti(esito.guasti), guasti);
    QCOMPARE(posti(esito.avvisi).mid(0, avvisi.size()), avvisi);
    const QList<Segnalazione>& dette = guasti.isEmpty() ? esito.avvisi : esito.guasti;
    if (!primo.isEmpty())
        QVERIFY2(dette.first().testo.contains(primo), qPrintable(dette.first().testo));
    // The cell the first fault is about is marked as one.
    if (!guasti.isEmpty() && esito.guasti.first().riga > 0) {
        const Segnalazione& s = esito.guasti.first();
        QCOMPARE(modello.index(s.riga - 1, std::max(s.colonna, 1) - 1).data(ModelloElenco::RuoloStato).toInt(),
                 int(ModelloElenco::Guasto));
    }
}

void TestModelloElenchi::incolla_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QPoint>("dove");   // column, row
    QTest::addColumn<QString>("appunti");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("tagliate");

    QTest::newRow("blocco di Calc, righe aggiunte") << "MaschileFemminile.txt" << "gallo\tgallina\n" << QPoint(0, 1)
                                                    << "lupo\tlupa\r\nleone\tleonessa\r\n"
                                                    << "gallo\tgallina\nlupo\tlupa\nleone\tleonessa\n"
                                                    << QRect(0, 1, 2, 2) << 0;
    QTest::newRow("cella tra virgolette") << "MaschileFemminile.txt" << "gallo\tgallina\n" << QPoint(1, 0)
                                          << "\"gal\"\"lina\"\n" << "gallo\tgal\"lina\n" << QRect(1, 0, 1, 1) << 0;
    QTest::newRow("più colonne dell'elenco") << "comuni.txt" << "casa\n" << QPoint(0, 0) << "cane\tgatto\ttopo"
                                             << "cane\n" << QRect(0, 0, 1, 1) << 2;
    QTest::newRow("spazi tolti") << "alterati.txt" << "" << QPoint(0, 0) << " casa \tcasetta\t\t\t"
                                 << "casa\tcasetta\t\t\t\n" << QRect(0, 0, 5, 1) << 0;
}

void TestModelloElenchi::incolla()
{
    QFETCH(QString, file);
    QFETCH(QString, prima);
    QFETCH(QPoint, dove);
    QFETCH(QString, appunti);
    QFETCH(QString, dopo);
    QFETCH(QRect, area);
    QFETCH(int, tagliate);
    ModelloElenco modello(controlloDi(file), bloccoDaTesto(prima));
    int fuori = -1;
    QCOMPARE(modello.incolla(dove.y(), dove.x(), appunti, &fuori), area);
    QCOMPARE(fuori, tagliate);
    const QRect tutto(0, 0, modello.columnCount(), modello.rowCount());
    QCOMPARE(modello.copia(tutto), dopo);
    QVERIFY(modello.modificato());
    // One step back and forth.
    modello.annulla();
    QCOMPARE(modello.tabella(), bloccoDaTesto(prima));
    QVERIFY(!modello.modificato());
    modello.ripeti();
    QCOMPARE(modello.copia(QRect(0, 0, modello.columnCount(), modello.rowCount())), dopo);
}

void TestModelloElenchi::salva_data()
{
    QTest::addColumn<QString>("cartella");   // relative to a fresh folder; absolute as it is
    QTest::addColumn<qint64>("limiteByte");   // the largest file this process may write; 0: no bound
    QTest::addColumn<QString>("guasto");

    QTest::newRow("salvato") << "testi" << qint64(0) << "";
    QTest::newRow("cartella che non si crea") << "file/testi" << qint64(0) << "non si può creare";
    QTest::newRow("cartella di sola lettura") << "/proc" << qint64(0) << "non si può scrivere";
    QTest::newRow("interrotto a metà") << "testi" << qint64(40) << "per intero";
}

void TestModelloElenchi::salva()
{
    QFETCH(QString, cartella);
    QFETCH(qint64, limiteByte);
    QFETCH(QString, guasto);
    QTemporaryDir radice;
    QFile file(radice.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString dove = QDir::isAbsolutePath(cartella) ? cartella : radice.filePath(cartella);
    const QString percorso = QDir(dove).filePath(QStringLiteral("singolarePlurale.txt"));
    const QByteArray vecchio = "uovo,uova\n";
    if (cartella == QLatin1String("testi")) {
        QVERIFY(QDir().mkpath(dove));
        QFile scritto(percorso);
        QVERIFY(scritto.open(QIODevice::WriteOnly));
        scritto.write(vecchio);
    }
    Tabella tabella;
    for (int r = 0; r < 20; ++r)
        tabella.append({QStringLiteral("bue"), QStringLiteral("buoi, \"tanti\"")});

    rlimit prima{};
    getrlimit(RLIMIT_FSIZE, &prima);
    if (limiteByte > 0) {
        std::signal(SIGXFSZ, SIG_IGN);   // a write past the bound fails instead of ending the process
        rlimit limite = prima;
        limite.rlim_cur = rlim_t(limiteByte);
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    const auto errore = ArchivioElenchi::scrivi(percorso, tabella);
    setrlimit(RLIMIT_FSIZE, &prima);

    if (guasto.isEmpty()) {
        QVERIFY2(!errore, qPrintable(errore.value_or(QString())));
        QCOMPARE(ArchivioElenchi::contenuto(percorso).value_or(QByteArray()),
                 QByteArray("bue,\"buoi, \"tanti\"\"\n").repeated(20));
        return;
    }
    QVERIFY(errore);
    QVERIFY2(errore->contains(guasto), qPrintable(*errore));
    if (cartella == QLatin1String("testi")) {
        QCOMPARE(ArchivioElenchi::contenuto(percorso).value_or(QByteArray()), vecchio);
        QCOMPARE(QDir(dove).entryList(QDir::Files | QDir::Hidden), QStringList{"singolarePlurale.txt"});
    }
}

QTEST_GUILESS_MAIN(TestModelloElenchi)
#include "test_modello_elenchi.moc"
