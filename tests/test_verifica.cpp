// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// lumeri-verifica: the check of a folder of word lists, run as the teacher
// runs it, and the road from the menu's exercises to the logic it starts.

#include "comune/elenchi.h"
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

// Runs the checker with `argomenti`; the user's data folder is `datiUtente`
// and the system's are `datiSistema` (none when empty), never the real ones.
Uscita verifica(const QStringList& argomenti, const QString& datiUtente, const QString& datiSistema = {})
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), datiUtente);
    ambiente.insert(QStringLiteral("XDG_DATA_DIRS"),
                    datiSistema.isEmpty() ? QDir(datiUtente).filePath(QStringLiteral("nessun-sistema")) : datiSistema);
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
        testo += "parola" + inLettere(i).toUtf8() + ",altra" + inLettere(i).toUtf8() + "\n";
    return testo;
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT

private slots:
    void ogniFinestraHaLaSuaLogica();
    void esercizioSenzaLogica();
    void elenchiForniti();
    void fileDegliInsegnanti_data();
    void fileDegliInsegnanti();
    void guasti_data();
    void guasti();
    void fileMancante();
    void cartellaDellInsegnante();
    void rigaDiComando_data();
    void rigaDiComando();
    void prepara_data();
    void prepara();

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

void TestVerifica::fileDegliInsegnanti_data()
{
    // What a teacher's spreadsheet, word processor or text editor saves, put in
    // her folder: the exercise `form` opens with exactly these words (Elenco1,
    // or Elenco1|Elenco2 for pairs), or the checker tells the file and line.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("parole");
    QTest::addColumn<int>("riga");   // of the fault; -1: no problem
    QTest::addColumn<QString>("guasto");

    const QStringList coppie{"gallo|gallina", "re|regina"};
    const QString mf = QStringLiteral("MaschileFemminile.txt");
    const auto ok = [](const char* nome, const QString& file, const QByteArray& dati, int form, const QStringList& p) {
        QTest::newRow(nome) << file << dati << form << p << -1 << QString();
    };
    const auto no = [](const char* nome, const QString& file, const QByteArray& dati, int riga, const QString& g) {
        QTest::newRow(nome) << file << dati << 0 << QStringList() << riga << g;
    };
    ok("Calc, semicolons", mf, "gallo;gallina\nre;regina\n", 2, coppie);
    ok("Calc, commas, all text quoted", mf, "\"gallo\",\"gallina\"\n\"re\",\"regina\"\n", 2, coppie);
    ok("Calc, semicolons, quoted", mf, "\"gallo\";\"gallina\"\n\"re\";\"regina\"\n", 2, coppie);
    ok("Excel, semicolons, mark and CR LF", "singolarePlurale.txt", "\xEF\xBB\xBFuomo;uomini\r\ncitt\xC3\xA0;citt\xC3\xA0\r\n",
       6, {"uomo|uomini", "città|città"});
    ok("Notepad, ANSI and CR LF", "concreti.txt", "citt\xE0\r\nvirt\xF9\r\n", 9, {"città", "virtù"});
    ok("Notepad, Unicode", "derivati.txt",
       QByteArray("\xFF\xFEp\0a\0n\0e\0,\0p\0a\0n\0e\0t\0t\0i\0e\0r\0e\0\r\0\n\0", 36), 11, {"pane|panettiere"});
    ok("trailing commas in a list of nouns", "concreti.txt", "astuccio,\nmatita,,\n", 9, {"astuccio", "matita"});
    ok("word processor: curly quotes and apostrophes", "concreti.txt",
       "\xE2\x80\x9C" "casa\xE2\x80\x9D, \xC2\xABmare\xC2\xBB\nl\xE2\x80\x99" "acqua\n", 9, {"casa", "mare", "l’acqua"});
    ok("Calc or a Writer table, Tab", mf, "gallo\tgallina\r\nre\tregina\r\n", 2, coppie);
    ok("Writer: unseen characters", mf, "\xC2\xA0gallo\xC2\xA0;gal\xC2\xADlina\n\xE2\x80\x8Bre;regina\xE2\x80\x8E\n", 2, coppie);
    ok("a Mac's decomposed accents", "concreti.txt", "tribu\xCC\x80\ncitta\xCC\x80\n", 9, {"tribù", "città"});
    ok("nouns like a header's, not one", "singolarePlurale.txt", "nome;nomi\nuomo;uomini\n", 6, {"nome|nomi", "uomo|uomini"});
    const QString intestazione = QStringLiteral("sembra un'intestazione: toglila.");
    no("a header row", mf, "Maschile;Femminile\ngallo;gallina\n", 1, intestazione);
    no("a header row of a list of nouns", "concreti.txt", "Nomi concreti\ncasa\n", 1, intestazione);
    no("a header row in the plural", "derivati.txt", "nomi primitivi,nomi derivati\npane,panettiere\n", 1, intestazione);
    no("pairs aligned with blanks", "falsi maschili.txt", "collo   colla\npozzo   pozza\n", 1,
       "le parole di un record sono separate da spazi: separale con una virgola, così: collo,colla");
    no("RTF from TextEdit", "concreti.txt", "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\ncasa\\\n}", 1,
       "è un documento RTF, di TextEdit o di WordPad, non un file di testo: salvalo come testo semplice (in TextEdit: "
       "Formato > Converti in formato solo testo");
    no("a Calc file renamed", "alterati.txt", "PK\x03\x04\x14\x06mimetypeapplication/vnd.oasis.opendocument.spreadsheet", 1,
       "è un documento di LibreOffice Calc, non un file di testo: salvalo come testo semplice (File > Salva con nome, "
       "tipo «Testo CSV»).");
    no("a spreadsheet's extra column", mf, "gallo;gallina;\r\nre;regina;vedi\r\n", 1,
       "questa riga ha 3 parole (1 vuota), ma un record ne ha 2: una virgola di troppo o mancante?");
    no("a trailing comma in a pair", mf, "gallo,gallina\nastuccio,\n", 2, "la seconda parola del record è vuota");
    const QByteArray cinque = "naso,nasino,nasone,,\ncasa,casetta,casona,casuccia,casupola\n";
    no("five fields: one missing", "alterati.txt", "naso,nasino,nasone,\n" + cinque, 1, "ha 4 parole");
    no("five fields: one too many", "alterati.txt", cinque + "gatto,gattino,,,,\n", 3, "ha 6 parole");
    no("five fields: the noun missing", "alterati.txt", cinque + ",gattino,,,\n", 3, "la prima parola del record è vuota");
    no("five fields: one missing, one too many", "alterati.txt", cinque + "gatto,gattino,,\nsole,,,,solaccio,\n", 3,
       "ha 4 parole");
    const QString forse = QStringLiteral("nessun esercizio legge questo file; forse volevi chiamarlo \"%1\"?");
    no("saved as .csv", "FemminileSingolare.csv", "casa\n", 0, forse.arg("FemminileSingolare.txt"));
    no("a hidden .txt doubled", "derivati.txt.txt", "pane,panettiere\n", 0, forse.arg("derivati.txt"));
    no("a near spelling", "femminilesingolari.TXT", "casa\n", 0, forse.arg("FemminileSingolare.txt"));
    no("the spreadsheet itself", "alterati.ods", "PK", 0, "salvalo come testo (CSV) con il nome \"alterati.txt\"");
    no("a name like no list", "appunti.txt", "gita\n", 0, "nessun esercizio legge questo file.");
    no("a short name, a letter off", "proprio.txt", "Roma\n", 0, forse.arg("propri.txt"));
    no("two empty words in a broken line", mf, "gallo;gallina;;;\nre;regina\n", 1, "questa riga ha 5 parole (3 vuote), ma");
    no("a broken record after a quoted line end", mf, "\"gal\nlo\";gallina\nre\n", 3, "questa riga ha 1 parola");
}

void TestVerifica::fileDegliInsegnanti()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(int, form);
    QFETCH(QStringList, parole);
    QFETCH(int, riga);
    QFETCH(QString, guasto);

    QTemporaryDir insegnante;
    scrivi(insegnante.path(), file, contenuto);
    const LettoreElenchi lettore(QStringList{insegnante.path(), QStringLiteral(LUMERI_TESTI)});
    QList<EsercizioDaVerificare> tutti;
    for (const VoceEsercizio& voce : registroEsercizi())
        tutti.append({voce.form, QString::fromUtf8(voce.didascalia)});
    const EsitoVerifica esito = verificaElenchi(lettore, tutti, {insegnante.path()});
    QStringList righe;
    for (const Problema& problema : esito.problemi)
        righe.append(problema.riga());
    if (riga >= 0) {
        QVERIFY2(!esito.problemi.isEmpty(), "no problem found");
        for (const Problema& problema : esito.problemi) {
            QCOMPARE(problema.errore.file, file);   // as spelled on disk
            QCOMPARE(problema.errore.cartella, insegnante.path());
        }
        QCOMPARE(esito.problemi.first().errore.riga, riga);
        QVERIFY2(esito.problemi.first().errore.guasto.contains(guasto), qPrintable(righe.join(u'\n')));
        return;
    }
    QVERIFY2(esito.buono(), qPrintable(righe.join(u'\n')));

    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    Contesto contesto{stato, casuale, suoni, lettore};
    const auto esercizio = creaEsercizio(form, contesto);
    QVERIFY(!esercizio->avvia());
    QStringList letto;
    for (int i = 1; i <= stato.quanti[0]; ++i) {
        letto.append(parole.first().contains(u'|') ? stato.voce(1, i) + u'|' + stato.voce(2, i)
                                                   : stato.voce(1, i));
    }
    QCOMPARE(letto, parole);
}

void TestVerifica::guasti_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QList<int>>("righe");         // of the lines about the file, in order; 0: none
    QTest::addColumn<QStringList>("guasti");       // one for each
    QTest::addColumn<QStringList>("esercizi");     // all those named
    QTest::addColumn<QString>("conclusione");      // how the last line begins

    const QString uno = QStringLiteral("1 problema: ");
    const QStringList derivati{"derivato da....", "primitivo derivato alterato"};
    QTest::newRow("unclosed quote") << "derivati.txt" << QByteArray("pane,panino\nfiore,fioraio\n\"mare,marinaio\n")
                                    << QList<int>{3} << QStringList{"virgolette aperte"} << derivati << uno;
    QTest::newRow("name in capitals") << "DERIVATI.TXT" << QByteArray("\"pane,panino\n") << QList<int>{1}
                                      << QStringList{"virgolette aperte"} << derivati << uno;
    // "derivato da...." takes 500 records of the file, the three-choice window 100.
    QTest::newRow("over the table's bound") << "derivati.txt" << coppie(101) << QList<int>{101}
                                            << QStringList{"limite di 100 record"}
                                            << QStringList{"primitivo derivato alterato"} << uno;
    QTest::newRow("over the list's bound") << "singolarePlurale.txt" << coppie(501) << QList<int>{501}
                                           << QStringList{"limite di 500 record"}
                                           << QStringList{"volgi al plurale", "volgi al singolare"} << uno;
    QTest::newRow("record cut short") << "MaschileFemminile.txt" << QByteArray("re,regina\ngallo\n") << QList<int>{2}
                                      << QStringList{"questa riga ha 1 parola, ma un record ne ha 2: una virgola di "
                                                     "troppo o mancante?"}
                                      << QStringList{"volgi al femminile", "volgi al maschile",
                                                     "falsi maschili-femminili"}
                                      << uno;
    // Ahead of the shipped records, so that no window finds too few of them.
    QFile alterati(QStringLiteral(LUMERI_TESTI "/alterati.txt"));
    QVERIFY(alterati.open(QIODevice::ReadOnly));
    const QByteArray forniti = alterati.readAll();
    QTest::newRow("no altered form") << "alterati.txt" << QByteArray("naso,,,,\n" + forniti) << QList<int>{1}
                                     << QStringList{"\"naso\" non ha nessuna forma alterata"}
                                     << QStringList{"alterato di....", "primitivo derivato alterato",
                                                    "falsi alterati"}
                                     << uno;
    // Form12 reads 200 records and finds the noun without a form; the
    // others stop at their bound of 100, further down.
    QByteArray cento = "naso,,,,\n" + forniti;
    for (int i = int(cento.count('\n')); i <= 100; ++i)
        cento += "nome" + inLettere(i).toUtf8() + ",nomino,,,\n";
    QTest::newRow("two faults, several exercises")
        << "alterati.txt" << cento << QList<int>{1, 101}
        << QStringList{"\"naso\" non ha nessuna forma alterata", "il file supera il limite di 100 record"}
        << QStringList{"alterato di....", "primitivo derivato alterato", "falsi alterati"}
        << "2 problemi: 5 esercizi su ";
    QTest::newRow("only a file no exercise reads") << "appunti.txt" << QByteArray("gita\n") << QList<int>{0}
                                                   << QStringList{"nessun esercizio legge questo file."} << QStringList{}
                                                   << "1 problema: gli esercizi possono cominciare, ma un file non lo "
                                                      "legge nessuno.";
    QTest::newRow("nothing to draw") << "concreti.txt" << QByteArray("\n  \n") << QList<int>{0}
                                     << QStringList{"nessuna parola"} << QStringList{"concreto astratto"} << uno;
}

void TestVerifica::guasti()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(QList<int>, righe);
    QFETCH(QStringList, guasti);
    QFETCH(QStringList, esercizi);
    QFETCH(QString, conclusione);

    // The faulty file in a folder of its own, the others from the shipped
    // lists; beside it the lock files of the spreadsheet and the word
    // processor that have it open, which are no lists.
    QTemporaryDir utente, prova;
    scrivi(prova.path(), file, contenuto);
    scrivi(prova.path(), ".~lock." + file + u'#', "x");
    scrivi(prova.path(), "~$" + file, "x");
    const Uscita uscita = verifica({prova.path()}, utente.path());
    QCOMPARE(uscita.codice, 1);

    QStringList delFile;
    for (const QString& linea : uscita.righe) {
        if (linea.startsWith(u'"' + file + u'"'))
            delFile.append(linea);
    }
    // One line a fault for all its exercises, in the order of the lines.
    QVERIFY2(delFile.size() == righe.size(), qPrintable(uscita.righe.join(u'\n')));
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const QString& linea = delFile[i];
        QVERIFY2(linea.contains(QStringLiteral(" della cartella %1").arg(QDir::toNativeSeparators(prova.path()))),
                 qPrintable(linea));
        if (righe[i] > 0)
            QVERIFY2(linea.contains(QStringLiteral(", riga %1:").arg(righe[i])), qPrintable(linea));
        else
            QVERIFY2(!linea.contains(QStringLiteral(", riga ")), qPrintable(linea));
        QVERIFY2(linea.contains(guasti[i]), qPrintable(linea));
    }
    for (const QString& esercizio : esercizi)
        QVERIFY2(delFile.join(u'\n').contains(u'"' + esercizio + u'"'), qPrintable(delFile.join(u'\n')));
    // The other exercises are not named: only this file is faulty.
    QCOMPARE(uscita.righe.size(), righe.size() + 2);
    QVERIFY2(uscita.righe.last().startsWith(conclusione), qPrintable(uscita.righe.last()));
}

void TestVerifica::fileMancante()
{
    // With --solo nothing comes from the shipped lists: a file left out is missing.
    // Nor are the files no exercise reads passed over: a misnamed one, and
    // one that differs from a list only in letter case.
    QTemporaryDir utente, prova;
    const QDir forniti(QStringLiteral(LUMERI_TESTI));
    for (const QString& nome : forniti.entryList(QDir::Files)) {
        if (nome != QLatin1String("propri.txt"))
            QVERIFY(QFile::copy(forniti.filePath(nome), QDir(prova.path()).filePath(nome)));
    }
    scrivi(prova.path(), QStringLiteral("Concreti.txt"), "casa\n");
    scrivi(prova.path(), QStringLiteral("propri.csv"), "Roma\n");
    const Uscita uscita = verifica({QStringLiteral("--solo"), prova.path()}, utente.path());
    QCOMPARE(uscita.codice, 1);
    QCOMPARE(uscita.righe.size(), 5);
    const QString cartella = QDir::toNativeSeparators(prova.path());
    QCOMPARE(uscita.righe[1], QStringLiteral("\"Concreti.txt\" della cartella %1: nessun esercizio legge questo file; "
                                             "si legge invece \"concreti.txt\".").arg(cartella));
    QCOMPARE(uscita.righe[2], QStringLiteral("\"propri.csv\" della cartella %1: nessun esercizio legge questo file; "
                                             "forse volevi chiamarlo \"propri.txt\"?").arg(cartella));
    const QString linea = uscita.righe[3];
    QVERIFY2(linea.startsWith(QStringLiteral("\"propri.txt\": il file non si trova nella cartella %1.")
                                  .arg(QDir::toNativeSeparators(prova.path()))),
             qPrintable(linea));
    QVERIFY2(linea.endsWith(QStringLiteral("Non può cominciare l'esercizio \"proprio comune\".")), qPrintable(linea));
    const QString conclusione =
        QStringLiteral("3 problemi: 1 esercizio su %1 non può cominciare.").arg(eserciziConFinestra());
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

    // Her lists one folder up, or in a folder spelled in other letters, are never read: each is named.
    const QString suLumeri = QDir(utente.path()).filePath(QStringLiteral("lumeri"));
    const QString maiuscole = QDir(utente.path()).filePath(QStringLiteral("Lumeri/Testi"));
    scrivi(suLumeri, QStringLiteral("concreti.txt"), "casa\n");
    scrivi(maiuscole, QStringLiteral("Propri.txt"), "Roma\n");
    uscita = verifica({}, utente.path());
    QCOMPARE(uscita.codice, 1);
    const QString sposta = QStringLiteral("della cartella %1: il programma non legge questa cartella: sposta il file "
                                          "nella cartella %2.");
    QCOMPARE(uscita.righe.mid(1, 2),
             (QStringList{"\"concreti.txt\" " + sposta.arg(QDir::toNativeSeparators(suLumeri), QDir::toNativeSeparators(insegnante)),
                          "\"Propri.txt\" " + sposta.arg(QDir::toNativeSeparators(maiuscole), QDir::toNativeSeparators(insegnante))}));
    QFile::remove(QDir(suLumeri).filePath(QStringLiteral("concreti.txt")));
    QDir(QDir(utente.path()).filePath(QStringLiteral("Lumeri"))).removeRecursively();

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

    // --mostra tells the reader's fault as the checker does.
    const QString guasto = uscita.righe.value(1).section(QStringLiteral(" Non "), 0, 0);
    uscita = verifica({QStringLiteral("--mostra"), QStringLiteral("alterati")}, utente.path());
    QCOMPARE(uscita.codice, 1);
    QCOMPARE(uscita.righe, QStringList{guasto});

    scrivi(insegnante, QStringLiteral("Alterati.txt"), "casa,casetta,,,\nnaso,,nasone,,\n" + altri);
    uscita = verifica({}, utente.path());
    QVERIFY2(uscita.codice == 0, qPrintable(uscita.righe.join(u'\n') + uscita.errori));
    uscita = verifica({QStringLiteral("--mostra"), QStringLiteral("alterati")}, utente.path());
    QCOMPARE(uscita.codice, 0);
    QCOMPARE(uscita.righe.mid(1, 2), (QStringList{"1: casa | casetta |  |  | ", "2: naso |  | nasone |  | "}));
}

void TestVerifica::rigaDiComando_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("uscita");   // in the standard output
    QTest::addColumn<QString>("errore");   // in the standard error

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: lumeri-verifica [--solo] [CARTELLA]" << "";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "lumeri-verifica --prepara [FILE...]" << "";
    QTest::newRow("unknown option") << QStringList{"--tutto"} << 1 << "" << "opzione sconosciuta --tutto";
    QTest::newRow("unknown single-dash option") << QStringList{"/tmp", "-x"} << 1 << "" << "opzione sconosciuta -x";
    QTest::newRow("--prepara with --solo") << QStringList{"--prepara", "--solo"} << 1 << "" << "non va con --solo";
    QTest::newRow("no such folder") << QStringList{"/non/esiste/affatto"} << 1 << "" << "non esiste";
    QTest::newRow("a file for a folder") << QStringList{LUMERI_TESTI "/alterati.txt"} << 1 << ""
                                         << "alterati.txt è un file, non una cartella";
    QTest::newRow("--mostra") << QStringList{"--mostra", "maschilefemminile"} << 0
                              << "Coppie di maschile e femminile, dal file \"MaschileFemminile.txt\" della cartella "
                              << "";
    QTest::newRow("--mostra a path") << QStringList{"--mostra", LUMERI_TESTI "/alterati.txt"} << 0
                                     << "\n1: casa | casetta | casona | casuccia | casupola\n2: " << "";
    QTest::newRow("--mostra no list") << QStringList{"--mostra", "concreto"} << 1
                                      << "\"concreto\" non è il nome di un elenco di parole (forse \"concreti.txt\"?)"
                                      << "";
    QTest::newRow("--mostra without a FILE") << QStringList{"--mostra"} << 1 << "" << "--mostra vuole un FILE";
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
    if (codice != 0 && uscita.isEmpty())
        QVERIFY2(esito.righe.isEmpty(), qPrintable(esito.righe.join(u'\n')));   // nothing checked
}

void TestVerifica::prepara_data()
{
    QTest::addColumn<QStringList>("nomi");      // after --prepara
    QTest::addColumn<QString>("suo");           // a list of hers already there; empty: no folder yet
    QTest::addColumn<int>("codice");
    QTest::addColumn<QStringList>("copiati");   // empty with codice 1: nothing copied
    QTest::addColumn<QString>("detto");         // in the standard output, or the error

    QTest::newRow("all, into a new folder") << QStringList{} << "" << 0 << nomiElenchi() << "";
    QTest::newRow("two named, hers kept") << QStringList{"alterati", "CONCRETI.TXT", "alterati.txt"} << "Concreti.txt"
                                          << 0 << QStringList{"alterati.txt"}
                                          << "\"Concreti.txt\" c'è già: lasciato com'era.";
    QTest::newRow("an unknown name") << QStringList{"alterati.txt", "alterato.csv"} << "" << 1 << QStringList{}
                                     << "\"alterato.csv\" non è il nome di un elenco di parole (forse "
                                        "\"alterati.txt\"?)";
}

void TestVerifica::prepara()
{
    QFETCH(QStringList, nomi);
    QFETCH(QString, suo);
    QFETCH(int, codice);
    QFETCH(QStringList, copiati);
    QFETCH(QString, detto);

    QTemporaryDir utente;
    const QString cartella = QDir(utente.path()).filePath(QStringLiteral("lumeri/testi"));
    if (!suo.isEmpty())
        scrivi(cartella, suo, "lavagna\n");
    const Uscita uscita = verifica(QStringList{QStringLiteral("--prepara")} + nomi, utente.path());
    QCOMPARE(uscita.codice, codice);
    const QString tutto = uscita.righe.join(u'\n') + uscita.errori;
    QVERIFY2(tutto.contains(detto), qPrintable(tutto));

    QStringList presenti = QDir(cartella).entryList(QDir::Files, QDir::Name);
    if (!suo.isEmpty()) {
        QVERIFY(presenti.removeOne(suo));
        QFile sua(QDir(cartella).filePath(suo));
        QVERIFY(sua.open(QIODevice::ReadOnly));
        QCOMPARE(sua.readAll(), QByteArray("lavagna\n"));   // never overwritten
    }
    QStringList attesi = copiati;
    attesi.sort();
    presenti.sort();
    QCOMPARE(presenti, attesi);
    if (codice != 0)
        return;
    QCOMPARE(uscita.righe.value(0), QStringLiteral("La cartella dei tuoi elenchi è %1").arg(QDir::toNativeSeparators(cartella)));
    for (const QString& nome : copiati) {
        QVERIFY2(uscita.righe.contains(QStringLiteral("Copiato \"%1\".").arg(nome)), qPrintable(tutto));
        QFile copia(QDir(cartella).filePath(nome)), fornito(QDir(QStringLiteral(LUMERI_TESTI)).filePath(nome));
        QVERIFY(copia.open(QIODevice::ReadOnly) && fornito.open(QIODevice::ReadOnly));
        QCOMPARE(copia.readAll(), fornito.readAll());
        QVERIFY(copia.permissions() & QFileDevice::WriteOwner);
    }
}

QTEST_MAIN(TestVerifica)
#include "test_verifica.moc"
