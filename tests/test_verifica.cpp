// lumeri-verifica: the check of a folder of word lists, run as the teacher
// runs it, and the road from the menu's exercises to the logic it starts.

#include "app/elenchi.h"
#include "drills/esercizi.h"
#include "drills/registro.h"
#include "drills/verifica_elenchi.h"
#include "frame/esercizio.h"
#include "supporto_finestre.h"

#include <QProcess>
#include <QTest>

namespace {

struct Uscita {
    int codice = -1;
    QStringList righe;   // standard output, line by line
    QString errori;
};

// Runs the checker with `argomenti`; the user's data folder is `datiUtente`,
// never the real one.
Uscita verifica(const QStringList& argomenti, const QString& datiUtente)
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), datiUtente);
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(LUMERI_VERIFICA), argomenti);
    Uscita uscita;
    if (!processo.waitForFinished(20000)) {
        processo.kill();
        processo.waitForFinished(1000);
        uscita.errori = QStringLiteral("lumeri-verifica did not end");
        return uscita;
    }
    if (processo.exitStatus() == QProcess::NormalExit)
        uscita.codice = processo.exitCode();
    uscita.righe = QString::fromUtf8(processo.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    uscita.errori = QString::fromUtf8(processo.readAllStandardError());
    return uscita;
}

// The exercises of the menu that have a window: those the checker must cover.
int eserciziConFinestra()
{
    int quanti = 0;
    for (const VoceEsercizio& voce : registroEsercizi())
        quanti += voce.crea ? 1 : 0;
    return quanti;
}

void scrivi(const QString& cartella, const QString& nome, const QByteArray& contenuto)
{
    QDir().mkpath(cartella);
    QFile file(QDir(cartella).filePath(nome));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contenuto);
}

QByteArray coppie(int quante)
{
    QByteArray testo;
    for (int i = 1; i <= quante; ++i)
        testo += "parola" + QByteArray::number(i) + ",altra" + QByteArray::number(i) + "\n";
    return testo;
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT

private slots:
    void ogniFinestraHaLaSuaLogica();
    void esercizioSenzaLogica();
    void elenchiForniti();
    void guasti_data();
    void guasti();
    void fileMancante();
    void cartellaDellInsegnante();
    void rigaDiComando_data();
    void rigaDiComando();

private:
    Sorvegliante sorvegliante;
};

void TestVerifica::ogniFinestraHaLaSuaLogica()
{
    // The checker starts the logic of every window the menu opens; one
    // without it would go unchecked.
    CartellaProva cartella;
    const LettoreElenchi lettore(cartella.testi());
    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    Contesto contesto{stato, casuale, suoni, lettore};
    for (const VoceEsercizio& voce : registroEsercizi()) {
        if (voce.crea)
            QVERIFY2(creaEsercizio(voce.form, contesto), voce.didascalia);
    }
}

void TestVerifica::esercizioSenzaLogica()
{
    // An exercise that cannot be checked is never reported as sound.
    const LettoreElenchi lettore(QStringLiteral(LUMERI_TESTI));
    const EsitoVerifica esito = verificaElenchi(lettore, {{1, QStringLiteral("uno")}, {99, QStringLiteral("nessuno")}});
    QVERIFY(!esito.buono());
    QCOMPARE(esito.controllati, 2);
    QCOMPARE(esito.bloccati, 1);
    QCOMPARE(esito.problemi.size(), 1);
    QVERIFY2(esito.problemi.first().riga().contains(QStringLiteral("\"nessuno\" non si può controllare")),
             qPrintable(esito.problemi.first().riga()));
}

void TestVerifica::elenchiForniti()
{
    QTemporaryDir utente;
    const Uscita uscita = verifica({QStringLiteral("--solo"), QStringLiteral(LUMERI_TESTI)}, utente.path());
    QVERIFY2(uscita.codice == 0, qPrintable(uscita.righe.join(u'\n') + uscita.errori));
    QCOMPARE(uscita.righe.size(), 2);
    QCOMPARE(uscita.righe.first(),
             QStringLiteral("Elenchi letti dalla cartella %1.").arg(QDir::toNativeSeparators(LUMERI_TESTI)));
    QCOMPARE(uscita.righe.last(), QStringLiteral("Nessun problema: tutti i %1 esercizi possono cominciare.")
                                      .arg(eserciziConFinestra()));
}

void TestVerifica::guasti_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<QStringList>("esercizi");

    const QStringList derivati{"derivato da....", "primitivo derivato alterato"};
    QTest::newRow("unclosed quote") << "derivati.txt" << QByteArray("pane,panino\nfiore,fioraio\n\"mare,marinaio\n")
                                    << 3 << "virgolette aperte" << derivati;
    QTest::newRow("name in capitals") << "DERIVATI.TXT" << QByteArray("\"pane,panino\n") << 1 << "virgolette aperte"
                                      << derivati;
    // "derivato da...." takes 500 records of the file, the three-choice window 100.
    QTest::newRow("over the table's bound") << "derivati.txt" << coppie(101) << 101 << "limite di 100 record"
                                            << QStringList{"primitivo derivato alterato"};
    QTest::newRow("over the list's bound") << "singolarePlurale.txt" << coppie(501) << 501
                                           << "limite di 500 record"
                                           << QStringList{"volgi al plurale", "volgi al singolare"};
    QTest::newRow("record cut short") << "MaschileFemminile.txt" << QByteArray("re,regina\ngallo\n") << 2
                                      << "questa riga ha 1 parola, ma un record ne ha 2: una virgola di troppo o mancante?"
                                      << QStringList{"volgi al femminile", "volgi al maschile",
                                                     "falsi maschili-femminili"};
    // Ahead of the shipped records, so that no window finds too few of them.
    QFile alterati(QStringLiteral(LUMERI_TESTI "/alterati.txt"));
    QVERIFY(alterati.open(QIODevice::ReadOnly));
    QTest::newRow("no altered form") << "alterati.txt" << QByteArray("naso,,,,\n" + alterati.readAll()) << 1
                                     << "\"naso\" non ha nessuna forma alterata"
                                     << QStringList{"alterato di....", "primitivo derivato alterato",
                                                    "falsi alterati"};
    QTest::newRow("nothing to draw") << "concreti.txt" << QByteArray("\n  \n") << 0 << "nessuna parola"
                                     << QStringList{"concreto astratto"};
}

void TestVerifica::guasti()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(int, riga);
    QFETCH(QString, guasto);
    QFETCH(QStringList, esercizi);

    // The faulty file in a folder of its own, the others from the shipped lists.
    QTemporaryDir utente, prova;
    scrivi(prova.path(), file, contenuto);
    const Uscita uscita = verifica({prova.path()}, utente.path());
    QCOMPARE(uscita.codice, 1);

    QStringList delFile;
    for (const QString& linea : uscita.righe) {
        if (linea.startsWith(u'"' + file + u'"', Qt::CaseInsensitive))
            delFile.append(linea);
    }
    QVERIFY2(delFile.size() == 1, qPrintable(uscita.righe.join(u'\n')));   // one line for all its exercises
    const QString linea = delFile.first();
    QVERIFY2(linea.contains(QStringLiteral(" della cartella %1").arg(QDir::toNativeSeparators(prova.path()))),
             qPrintable(linea));
    if (riga > 0)
        QVERIFY2(linea.contains(QStringLiteral(", riga %1:").arg(riga)), qPrintable(linea));
    else
        QVERIFY2(!linea.contains(QStringLiteral(", riga ")), qPrintable(linea));
    QVERIFY2(linea.contains(guasto), qPrintable(linea));
    for (const QString& esercizio : esercizi)
        QVERIFY2(linea.contains(u'"' + esercizio + u'"'), qPrintable(linea));
    // The other exercises are not named: only this file is faulty.
    QCOMPARE(uscita.righe.size(), 3);
    QVERIFY2(uscita.righe.last().startsWith(QStringLiteral("1 problema: ")), qPrintable(uscita.righe.last()));
}

void TestVerifica::fileMancante()
{
    // With --solo nothing comes from the shipped lists: a file left out is missing.
    QTemporaryDir utente, prova;
    const QDir forniti(QStringLiteral(LUMERI_TESTI));
    for (const QString& nome : forniti.entryList(QDir::Files)) {
        if (nome != QLatin1String("propri.txt"))
            QVERIFY(QFile::copy(forniti.filePath(nome), QDir(prova.path()).filePath(nome)));
    }
    const Uscita uscita = verifica({QStringLiteral("--solo"), prova.path()}, utente.path());
    QCOMPARE(uscita.codice, 1);
    QCOMPARE(uscita.righe.size(), 3);
    const QString linea = uscita.righe[1];
    QVERIFY2(linea.startsWith(QStringLiteral("\"propri.txt\": il file non si trova nella cartella %1.")
                                  .arg(QDir::toNativeSeparators(prova.path()))),
             qPrintable(linea));
    QVERIFY2(linea.endsWith(QStringLiteral("Non può cominciare l'esercizio \"proprio comune\".")), qPrintable(linea));
    const QString conclusione =
        QStringLiteral("1 problema: 1 esercizio su %1 non può cominciare.").arg(eserciziConFinestra());
    QVERIFY2(uscita.righe.last().startsWith(conclusione), qPrintable(uscita.righe.last()));
}

void TestVerifica::cartellaDellInsegnante()
{
    // Without a folder the checker reads what the program would: the
    // teacher's lists first, then those beside the program.
    QTemporaryDir utente;
    const QString insegnante = QDir(utente.path()).filePath(QStringLiteral("lumeri/testi"));

    Uscita uscita = verifica({}, utente.path());
    QVERIFY2(uscita.codice == 0, qPrintable(uscita.righe.join(u'\n') + uscita.errori));
    QVERIFY2(!uscita.righe.value(0).contains(QStringLiteral(", poi ")), qPrintable(uscita.righe.value(0)));

    // Enough records for the altered-noun board; the second has no altered form.
    const QByteArray altri = "gatto,gattino,gattone,,\nlibro,libretto,librone,,\n";
    scrivi(insegnante, QStringLiteral("Alterati.txt"), "casa,casetta,,,\nnaso,,,,\n" + altri);
    uscita = verifica({}, utente.path());
    QCOMPARE(uscita.codice, 1);
    QVERIFY2(uscita.righe.value(0).startsWith(QStringLiteral("Elenchi letti dalla cartella %1, poi dalla cartella ")
                                                  .arg(QDir::toNativeSeparators(insegnante))),
             qPrintable(uscita.righe.value(0)));
    // The file as she spelled it.
    QVERIFY2(uscita.righe.value(1).startsWith(QStringLiteral("\"Alterati.txt\" della cartella %1, riga 2: ")
                                                  .arg(QDir::toNativeSeparators(insegnante))),
             qPrintable(uscita.righe.value(1)));

    scrivi(insegnante, QStringLiteral("Alterati.txt"), "casa,casetta,,,\nnaso,,nasone,,\n" + altri);
    uscita = verifica({}, utente.path());
    QVERIFY2(uscita.codice == 0, qPrintable(uscita.righe.join(u'\n') + uscita.errori));
}

void TestVerifica::rigaDiComando_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("uscita");   // in the standard output
    QTest::addColumn<QString>("errore");   // in the standard error

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: lumeri-verifica [--solo] [CARTELLA]" << "";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "insegnante" << "";
    QTest::newRow("unknown option") << QStringList{"--tutto"} << 1 << "" << "opzione sconosciuta --tutto";
    QTest::newRow("no such folder") << QStringList{"/non/esiste/affatto"} << 1 << "" << "non esiste";
    QTest::newRow("two folders") << QStringList{"/tmp", "/tmp"} << 1 << "" << "una cartella alla volta";
    QTest::newRow("--solo without a folder") << QStringList{"--solo"} << 1 << "" << "--solo vuole una CARTELLA";
}

void TestVerifica::rigaDiComando()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, codice);
    QFETCH(QString, uscita);
    QFETCH(QString, errore);

    QTemporaryDir utente;
    const Uscita esito = verifica(argomenti, utente.path());
    QCOMPARE(esito.codice, codice);
    if (!uscita.isEmpty())
        QVERIFY2(esito.righe.join(u'\n').contains(uscita), qPrintable(esito.righe.join(u'\n')));
    if (!errore.isEmpty())
        QVERIFY2(esito.errori.contains(errore), qPrintable(esito.errori));
    if (codice != 0)
        QVERIFY2(esito.righe.isEmpty(), qPrintable(esito.righe.join(u'\n')));   // nothing checked
}

QTEST_MAIN(TestVerifica)
#include "test_verifica.moc"
