// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program finds its data, and the teacher's own word lists read
// instead of the shipped ones.

#include "comune/cartelle.h"
#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/esercizi.h"
#include "frame/esercizio.h"
#include "supporto.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The shipped folder, the teacher's and the computer room's, side by side in
// one temporary folder.
struct DueCartelle {
    QTemporaryDir radice;
    QString fornita() const { return radice.filePath(QStringLiteral("forniti")); }
    QString insegnante() const { return radice.filePath(QStringLiteral("insegnante")); }
    QString aula() const { return radice.filePath(QStringLiteral("aula")); }

    static void scrivi(const QString& cartella, const QString& nome, const QByteArray& contenuto)
    {
        QDir().mkpath(cartella);
        QFile file(QDir(cartella).filePath(nome));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contenuto);
    }
};

// Ends the test run when a step has not returned within five seconds.
class Sentinella {
public:
    Sentinella()
        : filo([this] {
            for (int i = 0; i < 50 && !fatto; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!fatto) {
                std::fputs("FAIL: reading a list blocked\n", stderr);
                std::_Exit(1);
            }
        })
    {
    }
    ~Sentinella()
    {
        fatto = true;
        filo.join();
    }

private:
    std::atomic<bool> fatto{false};
    std::thread filo;
};

// A window whose own checks find `guasto`.
class ConGuasto final : public Esercizio {
public:
    ConGuasto(Contesto& contesto, ErroreElenco guasto)
        : Esercizio(contesto), guasto(std::move(guasto))
    {
    }

protected:
    std::optional<ErroreElenco> caricaElenchi() override { return guasto; }
    void presentaElemento() override {}
    void blocca() override {}
    void sblocca() override {}
    QString parolaDaLeggere() const override { return {}; }

private:
    ErroreElenco guasto;
};

} // namespace

class TestCartelle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void doveSonoIDati_data();
    void doveSonoIDati();
    void cartellaDellUtente();
    void fileDellInsegnante_data();
    void fileDellInsegnante();
    void guastoNellaCartellaGiusta_data();
    void guastoNellaCartellaGiusta();
    void elencoVuotoDellInsegnante();
    void soloFileComuni();
    void guastoDiUnaFinestra_data();
    void guastoDiUnaFinestra();
};

void TestCartelle::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));
    QStandardPaths::setTestModeEnabled(true);
}

void TestCartelle::doveSonoIDati_data()
{
    QTest::addColumn<bool>("accanto");      // testi/ beside the program
    QTest::addColumn<bool>("installati");   // share/lumeri/testi/ in the tree
    QTest::addColumn<QString>("dati");      // expected, relative to the tree
    QTest::addColumn<QString>("modulo");

    QTest::newRow("build tree or unpacked copy") << true << false << "bin" << "bin";
    QTest::newRow("beside wins over installed") << true << true << "bin" << "bin";
    // The installed tree as the install rules lay it out.
    const QString dati = QDir::cleanPath(QStringLiteral("bin/" LUMERI_DATI_INSTALLATI));
    const QString modulo = QDir::cleanPath(QStringLiteral("bin/" LUMERI_MODULO_INSTALLATO));
    QTest::newRow("installed tree") << false << true << dati << modulo;
    QTest::newRow("neither: beside, to be named") << false << false << "bin" << "bin";
}

void TestCartelle::doveSonoIDati()
{
    QFETCH(bool, accanto);
    QFETCH(bool, installati);
    QFETCH(QString, dati);
    QFETCH(QString, modulo);

    QTemporaryDir albero;
    const QDir radice(albero.path());
    QVERIFY(radice.mkpath(QStringLiteral("bin")));
    if (accanto)
        QVERIFY(radice.mkpath(QStringLiteral("bin/testi")));
    if (installati)
        QVERIFY(radice.mkpath(QDir::cleanPath(QStringLiteral("bin/" LUMERI_DATI_INSTALLATI "/testi"))));

    // The program's folder as Qt gives it, and with a "bin/../bin" detour.
    for (const QString& programma : {radice.filePath(QStringLiteral("bin")),
                                     radice.filePath(QStringLiteral("bin/../bin"))}) {
        const CartelleProgramma cartelle = CartelleProgramma::trova(
            programma, QStringLiteral("/utente"), {QStringLiteral("/aula"), QStringLiteral("/scuola/")});
        QCOMPARE(cartelle.dati, radice.filePath(dati));
        QCOMPARE(cartelle.modulo, radice.filePath(modulo));
        QCOMPARE(cartelle.testi(), radice.filePath(dati + QStringLiteral("/testi")));
        QCOMPARE(cartelle.suoni(), radice.filePath(dati + QStringLiteral("/suoni")));
        QCOMPARE(cartelle.insegnante, QStringLiteral("/utente/testi"));
        QCOMPARE(cartelle.elenchi(), (QStringList{"/utente/testi", "/aula/testi", "/scuola/testi", cartelle.testi()}));
    }
    QVERIFY(CartelleProgramma::trova(radice.filePath(QStringLiteral("bin")), {}).insegnante.isEmpty());
}

void TestCartelle::cartellaDellUtente()
{
    const QString utente = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY2(utente.contains(QStringLiteral("qttest")), qPrintable(utente));   // never the real one
    // The system's data folders in their order, never the real ones.
    QTemporaryDir sistema;
    const QString locale = sistema.filePath(QStringLiteral("locale")), share = sistema.filePath(QStringLiteral("share"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(locale + u':' + share));
    const CartelleProgramma cartelle = CartelleProgramma::delProgramma();
    qunsetenv("XDG_DATA_DIRS");
    QCOMPARE(cartelle.insegnante, QDir(utente).filePath(QStringLiteral("testi")));
    QCOMPARE(cartelle.sistema,
             (QStringList{locale + QStringLiteral("/lumeri/testi"), share + QStringLiteral("/lumeri/testi")}));

    // The whole road: a list put there is read before the shipped one.
    QDir(cartelle.insegnante).removeRecursively();
    DueCartelle forniti;
    DueCartelle::scrivi(forniti.fornita(), QStringLiteral("concreti.txt"), "tavolo\n");
    DueCartelle::scrivi(forniti.fornita(), QStringLiteral("astratti.txt"), "gioia\n");
    const LettoreElenchi prima(forniti.fornita(), cartelle.insegnante);
    QStringList elenco;
    QVERIFY(!prima.caricaElenco({QStringLiteral("concreti.txt")}, elenco));
    QCOMPARE(elenco, QStringList{QStringLiteral("tavolo")});
    QCOMPARE(prima.cartelle(), QStringList{forniti.fornita()});

    DueCartelle::scrivi(cartelle.insegnante, QStringLiteral("Concreti.txt"), "lavagna\n");
    const LettoreElenchi dopo(forniti.fornita(), cartelle.insegnante);
    QVERIFY(!dopo.caricaElenco({QStringLiteral("concreti.txt")}, elenco));
    QCOMPARE(elenco, QStringList{QStringLiteral("lavagna")});
    QVERIFY(!dopo.caricaElenco({QStringLiteral("astratti.txt")}, elenco));
    QCOMPARE(elenco, QStringList{QStringLiteral("gioia")});
    QDir(cartelle.insegnante).removeRecursively();
}

void TestCartelle::fileDellInsegnante_data()
{
    QTest::addColumn<QString>("nelleFornite");      // empty: none there
    QTest::addColumn<QString>("dellInsegnante");    // empty: no teacher's folder at all
    QTest::addColumn<QString>("dellAula");          // the computer room's; empty: no such folder
    QTest::addColumn<QString>("atteso");            // the word read: "tavolo", "lavagna" or "banco"

    QTest::newRow("the teacher's replaces the shipped") << "concreti.txt" << "concreti.txt" << "" << "lavagna";
    QTest::newRow("names differ in case") << "concreti.txt" << "CONCRETI.TXT" << "" << "lavagna";
    QTest::newRow("asked in another case") << "Concreti.Txt" << "cOnCrEtI.tXt" << "" << "lavagna";
    QTest::newRow("only the teacher has it") << "" << "concreti.txt" << "" << "lavagna";
    QTest::newRow("the teacher has other files") << "concreti.txt" << "astratti.txt" << "" << "tavolo";
    QTest::newRow("no teacher's folder") << "concreti.txt" << "" << "" << "tavolo";
    QTest::newRow("the room's replaces the shipped") << "concreti.txt" << "" << "Concreti.txt" << "banco";
    QTest::newRow("the teacher's before the room's") << "concreti.txt" << "concreti.txt" << "concreti.txt"
                                                     << "lavagna";
    QTest::newRow("the room's, file by file") << "concreti.txt" << "astratti.txt" << "concreti.txt" << "banco";
}

void TestCartelle::fileDellInsegnante()
{
    QFETCH(QString, nelleFornite);
    QFETCH(QString, dellInsegnante);
    QFETCH(QString, dellAula);
    QFETCH(QString, atteso);

    DueCartelle cartelle;
    QDir().mkpath(cartelle.fornita());
    if (!nelleFornite.isEmpty())
        DueCartelle::scrivi(cartelle.fornita(), nelleFornite, "tavolo\n");
    if (!dellInsegnante.isEmpty())
        DueCartelle::scrivi(cartelle.insegnante(), dellInsegnante, "lavagna\n");
    if (!dellAula.isEmpty())
        DueCartelle::scrivi(cartelle.aula(), dellAula, "banco\n");

    // A system folder that is the shipped one, as /usr/share is, is read where it comes last.
    const LettoreElenchi lettore(
        QStringList{cartelle.insegnante(), cartelle.aula(), cartelle.fornita() + u'/', cartelle.fornita()});
    QStringList elenco;
    QList<Fonte> fonti;
    const auto errore = lettore.caricaElenco({QStringLiteral("concreti.txt")}, elenco, 500, &fonti);
    QVERIFY2(!errore, errore ? qPrintable(errore->messaggio()) : "");
    QCOMPARE(elenco, QStringList{atteso});
    const QString dove = atteso == QLatin1String("lavagna") ? cartelle.insegnante()
                         : atteso == QLatin1String("banco") ? cartelle.aula()
                                                            : cartelle.fornita();
    QCOMPARE(fonti.value(0).cartella, dove);
    QCOMPARE(lettore.cartelle().last(), cartelle.fornita());
    QVERIFY(!lettore.cartelle().contains(cartelle.fornita() + u'/'));   // read once
}

void TestCartelle::guastoNellaCartellaGiusta_data()
{
    QTest::addColumn<bool>("dallInsegnante");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("guasto");

    for (bool insegnante : {true, false}) {
        const char* dove = insegnante ? "teacher's" : "shipped";
        QTest::newRow(QByteArray(dove).append(": unclosed quote").constData())
            << insegnante << QByteArray("re,regina\n\"gallo,gallina\n") << 2 << "virgolette";
        QTest::newRow(QByteArray(dove).append(": record cut short").constData())
            << insegnante << QByteArray("re,regina\ngallo\n") << 2 << "una virgola di troppo o mancante?";
        QTest::newRow(QByteArray(dove).append(": over the bound").constData())
            << insegnante << QByteArray("a,b\nc,d\ne,f\n") << 3 << "limite di 2";
    }
}

void TestCartelle::guastoNellaCartellaGiusta()
{
    QFETCH(bool, dallInsegnante);
    QFETCH(QByteArray, contenuto);
    QFETCH(int, riga);
    QFETCH(QString, guasto);

    DueCartelle cartelle;
    DueCartelle::scrivi(cartelle.fornita(), QStringLiteral("MaschileFemminile.txt"),
                        dallInsegnante ? QByteArray("re,regina\n") : contenuto);
    DueCartelle::scrivi(cartelle.insegnante(), dallInsegnante ? QStringLiteral("maschilefemminile.txt")
                                                              : QStringLiteral("altro.txt"),
                        contenuto);
    const QString dove = dallInsegnante ? cartelle.insegnante() : cartelle.fornita();

    const LettoreElenchi lettore(cartelle.fornita(), cartelle.insegnante());
    Tabella tabella;
    const auto errore = lettore.caricaRecord(QStringLiteral("MaschileFemminile.txt"), 2, 2, tabella);
    QVERIFY(errore);
    QCOMPARE(errore->riga, riga);
    QVERIFY2(errore->guasto.contains(guasto), qPrintable(errore->guasto));
    QCOMPARE(errore->cartella, dove);
    const QString messaggio = errore->messaggio();
    QVERIFY2(messaggio.contains(QDir::toNativeSeparators(dove)), qPrintable(messaggio));
    QVERIFY(tabella.isEmpty());

    // A file in neither folder: the message names both.
    const auto manca = lettore.caricaRecord(QStringLiteral("derivati.txt"), 2, 2, tabella);
    QVERIFY(manca);
    QVERIFY(manca->cartella.isEmpty());
    QVERIFY2(manca->guasto.contains(QDir::toNativeSeparators(cartelle.insegnante()))
                 && manca->guasto.contains(QDir::toNativeSeparators(cartelle.fornita())),
             qPrintable(manca->guasto));
}

void TestCartelle::elencoVuotoDellInsegnante()
{
    // The checks of thin data name the folder too: an exercise whose list
    // the teacher emptied does not open, and says where the list is.
    CartellaProva programma;
    programma.scriviElenchiDueScelte();
    DueCartelle insegnante;
    DueCartelle::scrivi(insegnante.insegnante(), QStringLiteral("astratti.txt"), "\n\n");
    DueCartelle::scrivi(insegnante.insegnante(), QStringLiteral("alterati.txt"), "casa,casetta,,,\nnaso,,,,\n");
    const LettoreElenchi lettore(programma.testi(), insegnante.insegnante());
    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    Contesto contesto{stato, casuale, suoni, lettore};

    const auto concreti = creaEsercizio(9, contesto);
    const auto vuoto = concreti->avvia();
    QVERIFY(vuoto);
    QCOMPARE(vuoto->file, QStringLiteral("astratti.txt"));
    QCOMPARE(vuoto->cartella, insegnante.insegnante());

    const auto falsiAlterati = creaEsercizio(15, contesto);
    const auto senzaForma = falsiAlterati->avvia();
    QVERIFY(senzaForma);
    QCOMPARE(senzaForma->riga, 2);
    QCOMPARE(senzaForma->cartella, insegnante.insegnante());

    // The shipped lists still serve every other exercise.
    QVERIFY(!creaEsercizio(1, contesto)->avvia());
}

void TestCartelle::soloFileComuni()
{
    // What is not a regular file in the teacher's folder is reported, naming
    // her folder, and never blocks the reading.
    DueCartelle cartelle;
    DueCartelle::scrivi(cartelle.fornita(), QStringLiteral("concreti.txt"), "tavolo\n");
    DueCartelle::scrivi(cartelle.fornita(), QStringLiteral("astratti.txt"), "gioia\n");
    QVERIFY(QDir().mkpath(QDir(cartelle.insegnante()).filePath(QStringLiteral("concreti.txt"))));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(QDir(cartelle.insegnante()).filePath(QStringLiteral("ASTRATTI.txt")))
                          .constData(),
                      0600),
             0);
#endif
    const LettoreElenchi lettore(cartelle.fornita(), cartelle.insegnante());
    QStringList elenco;
    for (const QString& nome : {QStringLiteral("concreti.txt"), QStringLiteral("astratti.txt")}) {
        Sentinella sentinella;
        const auto errore = lettore.caricaElenco({nome}, elenco);
        QVERIFY(errore);
        QVERIFY2(errore->guasto.contains(QStringLiteral("non è un file di testo")), qPrintable(errore->guasto));
        QCOMPARE(errore->cartella, cartelle.insegnante());
        QVERIFY(elenco.isEmpty());
    }

    // A file far larger than any list is a fault, not a read.
    QByteArray grande(LettoreElenchi::MassimoByte + 1, 'a');
    DueCartelle::scrivi(cartelle.insegnante(), QStringLiteral("comuni.txt"), grande);
    const auto errore = lettore.caricaElenco({QStringLiteral("comuni.txt")}, elenco);
    QVERIFY(errore);
    QVERIFY2(errore->guasto.contains(QStringLiteral("troppo grande")), qPrintable(errore->guasto));
    QCOMPARE(errore->cartella, cartelle.insegnante());
}

void TestCartelle::guastoDiUnaFinestra_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("cartella");   // already named by the window
    QTest::addColumn<QString>("attesa");     // "insegnante", "forniti" or a folder

    QTest::newRow("the teacher's file") << "COMPOSTI.txt" << "" << "insegnante";
    QTest::newRow("a shipped file") << "collettivi.txt" << "" << "forniti";
    QTest::newRow("in neither folder") << "nessuno.txt" << "" << "";
    QTest::newRow("named by the window") << "composti.txt" << "/altrove" << "/altrove";
}

void TestCartelle::guastoDiUnaFinestra()
{
    // A window's own check may not know where its file was read: starting
    // the exercise names the folder.
    QFETCH(QString, file);
    QFETCH(QString, cartella);
    QFETCH(QString, attesa);

    DueCartelle cartelle;
    DueCartelle::scrivi(cartelle.fornita(), QStringLiteral("composti.txt"), "pescecane\n");
    DueCartelle::scrivi(cartelle.fornita(), QStringLiteral("collettivi.txt"), "gregge,pecore\n");
    DueCartelle::scrivi(cartelle.insegnante(), QStringLiteral("composti.txt"), "capostazione\n");
    const LettoreElenchi lettore(cartelle.fornita(), cartelle.insegnante());
    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    Contesto contesto{stato, casuale, suoni, lettore};

    ConGuasto esercizio(contesto, ErroreElenco{file, 3, QStringLiteral("troppo pochi."), cartella});
    const auto errore = esercizio.avvia();
    QVERIFY(errore);
    const QString atteso = attesa == QLatin1String("insegnante") ? cartelle.insegnante()
                           : attesa == QLatin1String("forniti")  ? cartelle.fornita()
                                                                 : attesa;
    QCOMPARE(errore->cartella, atteso);
    QCOMPARE(errore->riga, 3);
    QVERIFY(!esercizio.avviato());
}

QTEST_GUILESS_MAIN(TestCartelle)
#include "test_cartelle.moc"
