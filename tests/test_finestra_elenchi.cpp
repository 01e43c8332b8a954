// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' editor driven by keys, as a teacher drives it: a record
// typed, a faulty one refused and undone, rows pasted from a spreadsheet,
// saved, opened again, and a file changed by another program not overwritten.

#include "elenchi/finestra_elenchi.h"
#include "supporto_finestre.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QTest>

namespace {

QList<EsercizioDaVerificare> esercizi()
{
    QList<EsercizioDaVerificare> tutti;
    for (int form = 1; form <= 17; ++form)
        tutti.append({form, QStringLiteral("Form%1").arg(form)});
    return tutti;
}

CartelleProgramma cartelle(const QString& insegnante)
{
    CartelleProgramma c;
    c.dati = QFileInfo(QStringLiteral(LUMERI_TESTI)).absolutePath();
    c.insegnante = insegnante;
    return c;
}

void tasto(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, k, m);
    QCoreApplication::processEvents();   // a cell's editor is closed after the key
}

// Typed where the focus is, as the first letter opens the cell's editor.
void scrivi(const QString& testo)
{
    for (const QChar c : testo)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

} // namespace

class TestFinestraElenchi : public QObject {
    Q_OBJECT
private slots:
    void modificaIncollaSalvaRiapri();
};

void TestFinestraElenchi::modificaIncollaSalvaRiapri()
{
    Sorvegliante sorvegliante;
    Ascolto ascolto;
    QTemporaryDir radice;
    const QString sua = radice.filePath(QStringLiteral("testi"));
    const QString file = QDir(sua).filePath(QStringLiteral("MaschileFemminile.txt"));
    FinestraElenchi editor(ArchivioElenchi(cartelle(sua)), esercizi(), QStringLiteral("maschilefemminile.TXT"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto* tabella = editor.findChild<QTableView*>(QStringLiteral("Tabella"));
    ModelloElenco* modello = editor.modello();
    const int fornite = modello->rowCount();
    QVERIFY(fornite > 9);
    QCOMPARE(tabella, QApplication::focusWidget());

    // A record typed after the first: Ctrl+N, a word, Tab, a word, Enter.
    tasto(tabella, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(tabella->currentIndex(), modello->index(1, 0));
    scrivi(QStringLiteral("re"));
    tasto(tabella, Qt::Key_Tab);
    scrivi(QStringLiteral("regina"));
    tasto(tabella, Qt::Key_Return);
    QCOMPARE(modello->tabella().value(1), (QStringList{"re", "regina"}));
    // A screen reader names the cell by its column and row.
    QAccessibleInterface* celle = QAccessible::queryAccessibleInterface(tabella);
    QVERIFY(celle && celle->tableInterface());
    QCOMPARE(celle->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("femminile, riga 2: regina"));
    ascolto.prendi();

    // An empty record is refused at its first cell, where the focus goes; undone.
    tasto(tabella, Qt::Key_N, Qt::ControlModifier);
    QVERIFY2(ascolto.prendi().join(u'\n').contains(QStringLiteral("riga 3: la prima parola del record è vuota")),
             "the fault is heard as it comes");
    tasto(tabella, Qt::Key_Home, Qt::ControlModifier);
    tasto(tabella, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(tabella->currentIndex(), modello->index(2, 0));
    QCOMPARE(QApplication::focusWidget(), tabella);
    QVERIFY(editor.findChild<QLabel*>(QStringLiteral("Stato"))->text().contains(QStringLiteral("riga 3: ")));
    tasto(tabella, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(modello->rowCount(), fornite + 1);
    QCOMPARE(tabella->currentIndex(), modello->index(2, 0));   // where she was

    // Two rows from a spreadsheet, pasted after the last record.
    tabella->setCurrentIndex(modello->index(modello->rowCount() - 1, 0));
    tasto(tabella, Qt::Key_N, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("lupo\tlupa\r\nleone\tleonessa\r\n"));
    tasto(tabella, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(modello->rowCount(), fornite + 3);
    QCOMPARE(modello->tabella().last(), (QStringList{"leone", "leonessa"}));

    tasto(tabella, Qt::Key_S, Qt::ControlModifier);
    const QByteArray salvato = ArchivioElenchi::contenuto(file).value_or(QByteArray());
    QVERIFY(salvato.startsWith("maestro,maestra\nre,regina\n"));
    QVERIFY(salvato.endsWith("lupo,lupa\nleone,leonessa\n"));
    QVERIFY(!modello->modificato());

    // Opened again, the list is hers as saved.
    FinestraElenchi ancora(ArchivioElenchi(cartelle(sua)), esercizi(), QStringLiteral("MaschileFemminile.txt"));
    QCOMPARE(ancora.modello()->tabella(), modello->tabella());

    // Another program changes the file: not overwritten without asking.
    QFile altro(file);
    QVERIFY(altro.open(QIODevice::WriteOnly));
    altro.write("gallo,gallina\n");
    altro.close();
    scrivi(QStringLiteral("cane"));
    tasto(tabella, Qt::Key_Return);
    Risponditore risposta;
    risposta.rispondi(QStringLiteral("No"));
    tasto(tabella, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(risposta.risposto);
    QVERIFY(risposta.testo.contains(QStringLiteral("cambiato da un altro programma")));
    QCOMPARE(ArchivioElenchi::contenuto(file).value_or(QByteArray()), QByteArray("gallo,gallina\n"));
    QVERIFY(modello->modificato());
    // Closing with changes not saved asks first; "Annulla" keeps the window and the changes.
    Risponditore resta;
    resta.rispondi(QStringLiteral("Annulla"));
    editor.close();
    QVERIFY(resta.risposto);
    QVERIFY(editor.isVisible());
    QVERIFY(modello->modificato());
    modello->segnaSalvato();

    // Back to the shipped list, her copy kept aside; then brought back.
    const auto comando = [&](const QString& testo) {
        const QList<QAction*> azioni = editor.findChildren<QAction*>();
        const auto trovata = std::find_if(azioni.begin(), azioni.end(), [&](QAction* a) { return a->text() == testo; });
        return trovata != azioni.end() ? *trovata : nullptr;
    };
    Risponditore si;
    si.rispondi(QStringLiteral("Sì"));
    comando(QStringLiteral("&Torna all'elenco fornito"))->trigger();
    QVERIFY(si.risposto);
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(editor.modello()->rowCount(), fornite);
    comando(QStringLiteral("&Riprendi la tua copia"))->trigger();
    QCOMPARE(ArchivioElenchi::contenuto(file).value_or(QByteArray()), QByteArray("gallo,gallina\n"));
    QCOMPARE(editor.modello()->rowCount(), 1);

    // One who can write the room's folder may save the list for the whole room; her folder stays as it is.
    CartelleProgramma conAula = cartelle(sua);
    conAula.sistema = {radice.filePath(QStringLiteral("aula/lumeri/testi"))};
    FinestraElenchi perAula(ArchivioElenchi(conAula), esercizi(), QStringLiteral("MaschileFemminile.txt"));
    QVERIFY(!comando(QStringLiteral("Salva per tutta l'&aula"))->isVisible());   // she has no room folder
    const QList<QAction*> azioni = perAula.findChildren<QAction*>();
    QVERIFY(std::any_of(azioni.begin(), azioni.end(), [](QAction* a) {
        return a->text() == QStringLiteral("Salva per tutta l'&aula") && a->isVisible();
    }));
    QVERIFY(perAula.salva(true));
    QCOMPARE(ArchivioElenchi::contenuto(QDir(conAula.sistema.first()).filePath(QStringLiteral("MaschileFemminile.txt"))),
             std::optional<QByteArray>("gallo,gallina\n"));

    // A list of hers the program refuses may hold more than the table shows: saving keeps it aside first.
    const QByteArray rotto = "gallo,gallina\n\"lupo,lupa\n";
    QFile suo(QDir(sua).filePath(QStringLiteral("singolarePlurale.txt")));
    QVERIFY(suo.open(QIODevice::WriteOnly));
    suo.write(rotto);
    suo.close();
    FinestraElenchi rifiutato(ArchivioElenchi(cartelle(sua)), esercizi(), QStringLiteral("singolarePlurale.txt"));
    rifiutato.modello()->sostituisci({{QStringLiteral("uovo"), QStringLiteral("uova")}});
    QVERIFY(rifiutato.salva());
    QCOMPARE(ArchivioElenchi::contenuto(ArchivioElenchi(cartelle(sua)).percorsoRiserva(QStringLiteral("singolarePlurale.txt"))),
             std::optional<QByteArray>(rotto));
}

QTEST_MAIN(TestFinestraElenchi)
#include "test_finestra_elenchi.moc"
