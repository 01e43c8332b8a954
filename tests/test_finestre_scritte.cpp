// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight windows of the menu's left and middle columns as a pupil meets
// them on the offscreen platform: typing and Enter, "Aiutami", the three
// answer buttons of Form13, the grid of Form8, waiting and going on, and
// the way back to the menu.

#include "app/applicazione.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "supporto.h"
#include "supporto_finestre.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <memory>

namespace {

const QHash<int, QString> bottoniDelMenu = {{2, "Command7"},   {3, "Command8"},   {6, "Command9"},
                                            {7, "Command10"},  {8, "Command4"},   {11, "Command11"},
                                            {12, "Command12"}, {13, "Command13"}};

QColor dellaTavolozza(int k)
{
    return Interfaccia::colore(Colori::tavolozza()[static_cast<std::size_t>(k)]);
}

QColor testoColoratoDi(QWidget* w, const QString& nome)
{
    return controllo(w, nome)->palette().color(QPalette::WindowText);
}

} // namespace

class TestFinestreScritte : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void apriEdEsci_data();
    void apriEdEsci();
    void invio_data();
    void invio();
    void aiutami();
    void apostrofoDellaTastiera();
    void treBottoni_data();
    void treBottoni();
    void griglia_data();
    void griglia();
    void elencoGuasto();

private:
    // Opens the exercise from the menu with the draws of its first item,
    // and waits for its start-up.
    QWidget* apri(int form, std::initializer_list<float> estrazioni);
    // The control `nome` chosen: clicked, or with the keyboard alone (the
    // focus brought to it with `tasto`, then `invio` pressed).
    void scegli(QWidget* f, const QString& nome, Qt::Key tasto = Qt::Key_Tab, Qt::Key invio = Qt::Key_Space);

    bool tasti = false;

    std::unique_ptr<ProgrammaDiProva> programma;
    Risponditore risponditore;
    Sorvegliante sorvegliante;
};

void TestFinestreScritte::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFinestreScritte::init()
{
    programma = std::make_unique<ProgrammaDiProva>();
    programma->applicazione.avvia();
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
}

void TestFinestreScritte::cleanup()
{
    programma.reset();
}

QWidget* TestFinestreScritte::apri(int form, std::initializer_list<float> estrazioni)
{
    programma->casuale.aggiungi(estrazioni);
    clicca(finestra(QStringLiteral("FormMenu")), bottoniDelMenu.value(form));
    QWidget* f = finestra(QStringLiteral("Form%1").arg(form));
    auto* esercizio = qobject_cast<FinestraEsercizio*>(f);
    if (!esercizio || !QTest::qWaitFor([esercizio] { return esercizio->esercizio().avviato(); }))
        return nullptr;
    return f;
}

void TestFinestreScritte::scegli(QWidget* f, const QString& nome, Qt::Key tasto, Qt::Key invio)
{
    if (!tasti)
        return clicca(f, nome);
    QVERIFY2(portaFuoco(f, nome, tasto), qPrintable(nome));
    premi(f, invio);
}

void TestFinestreScritte::apriEdEsci_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<float>>("estrazioni");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("primo");       // the control the window opens on, and its name
    QTest::addColumn<QString>("nome");

    QTest::newRow("Form2") << 2 << QList<float>{per(2, 2), per(3, 18)} << "gallo" << "Text2" << "Volgi al femminile";
    QTest::newRow("Form3") << 3 << QList<float>{per(1, 2), per(3, 18)} << "regina" << "Text2" << "Volgi al maschile";
    QTest::newRow("Form6") << 6 << QList<float>{per(2, 3), per(3, 18)} << "città" << "Text2" << "Volgi al plurale";
    QTest::newRow("Form7") << 7 << QList<float>{per(1, 3), per(3, 18)} << "uomini" << "Text2" << "Volgi al singolare";
    QTest::newRow("Form11") << 11 << QList<float>{per(1, 2), per(3, 18)} << "giornalaio" << "Text2"
                            << "Questa parola deriva da";
    QTest::newRow("Form12") << 12 << QList<float>{per(1, 2), per(3, 18), per(3, 4), per(4, 4)} << "casupola" << "Text2"
                            << "Questa parola è alterata di......";
    QTest::newRow("Form13") << 13 << QList<float>{per(3, 18), per(2, 3), per(2, 2)} << "fioraio" << "Bottone1"
                            << "primitivo";
    QTest::newRow("Form8") << 8 << QList<float>{per(2, 4), per(3, 18), per(1, 2)} << "casa" << "Label7"
                           << "maschile singolare";
}

void TestFinestreScritte::apriEdEsci()
{
    QFETCH(int, form);
    QFETCH(QList<float>, estrazioni);
    QFETCH(QString, item);
    QFETCH(QString, primo);
    QFETCH(QString, nome);
    for (float v : estrazioni)
        programma->casuale.aggiungi({v});
    QWidget* f = apri(form, {});
    QVERIFY(f);
    QCOMPARE(fuocoDi(f), primo);
    QCOMPARE(nomeDi(f->focusWidget()), nome);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form%1").arg(form)});
    QCOMPARE(programma->casuale.rimasti(), 0);
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    QCOMPARE(sfondoDi(f), dellaTavolozza(3));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());

    risponditore.rispondi(QStringLiteral("Sì"));
    cliccaMenu(f, "mnuesci");
    QVERIFY(risponditore.risposto);
    QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QVERIFY(controllo(finestra(QStringLiteral("FormMenu")), bottoniDelMenu.value(form))->isEnabled());
}

void TestFinestreScritte::invio_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestFinestreScritte::invio()
{
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    const auto premi = [&](QWidget* w) {
        QTest::keyClick(w, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));
    };
    // Form6, "uomo": the plural is "uomini".
    QWidget* f = apri(6, {per(1, 3), per(4, 18)});
    auto* risposta = controllo<QLineEdit>(f, QStringLiteral("Text2"));
    QCOMPARE(f->focusWidget(), risposta);
    QVERIFY(controllo<QLineEdit>(f, QStringLiteral("Text1"))->isReadOnly());

    QTest::keyClicks(risposta, QStringLiteral("Uomin"));
    QTest::keyClick(risposta, Qt::Key_Tab);   // not Enter: nothing judged
    QCOMPARE(programma->stato.contaErrati, qint16(0));
    risposta->setFocus();
    tieniPremuto(f, Qt::Key(tasto), 5, Qt::KeyboardModifiers(modificatori));   // held down: one answer
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    QCOMPARE(risposta->text(), QStringLiteral("Uomin"));   // kept, to be mended
    QCOMPARE(f->focusWidget(), risposta);
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());

    QTest::keyClicks(risposta, QStringLiteral("I "));
    premi(risposta);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    // Waiting for "avanti": the box takes nothing.
    QVERIFY(!risposta->isEnabled());
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
    premi(risposta);
    QCOMPARE(programma->stato.contaEsatti + programma->stato.contaErrati, 2);
    QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));

    programma->casuale.aggiungi({per(3, 3), per(8, 18)});
    Ascolto ascolto;
    pausaDelVerdetto();
    ::premi(f, Qt::Key_Space);   // "avanti"
    // The box is emptied before it has the focus: the word is said once it
    // has it, with the box, so that the pupil knows to type.
    QCOMPARE(ascolto.prendi(), (QStringList{"focus: Volgi al plurale",
                                            "notification: Volgi al plurale, casella di testo: pesce d'aprile"}));
    QVERIFY(risposta->isEnabled());
    QVERIFY(risposta->text().isEmpty());
    QCOMPARE(f->focusWidget(), risposta);
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("pesce d'aprile"));
    QCOMPARE(sfondoDi(f), dellaTavolozza(8));
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
}

void TestFinestreScritte::aiutami()
{
    // Form11, "giornalaio": the answer as the file writes it, "Giornale".
    QWidget* f = apri(11, {per(1, 2), per(4, 18)});
    QWidget* aiuto = controllo(f, QStringLiteral("SSCommand1"));
    QCOMPARE(testoDi(f, QStringLiteral("SSCommand1")), QStringLiteral("Aiutami"));
    risponditore.rispondi(QStringLiteral("OK"));
    clicca(f, QStringLiteral("SSCommand1"));
    QVERIFY(risponditore.risposto);
    QCOMPARE(risponditore.testo, QStringLiteral("Giornale"));
    QCOMPARE(risponditore.titolo, QStringLiteral("Catalogare i lumeri"));
    QCOMPARE(risponditore.bottoni, QStringList{"OK"});
    QCOMPARE(risponditore.simbolo, int(QMessageBox::Information));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("-1"));
    QCOMPARE(f->focusWidget(), aiuto);
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("giornalaio"));

    // Typed after all: back to zero, and help still works while waiting.
    auto* risposta = controllo<QLineEdit>(f, QStringLiteral("Text2"));
    risposta->setFocus();
    QTest::keyClicks(risposta, QStringLiteral("giornale"));
    QTest::keyClick(risposta, Qt::Key_Return);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 0"));
    risponditore.rispondi(QStringLiteral("OK"));
    clicca(f, QStringLiteral("SSCommand1"));
    QVERIFY(risponditore.risposto);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("-1"));
}

void TestFinestreScritte::apostrofoDellaTastiera()
{
    // The list written in a word processor, the answer typed on a keyboard.
    programma->cartella.scrivi(QStringLiteral("singolarePlurale.txt"), QStringLiteral("mezz’ora;mezz’ore\n"));
    QWidget* f = apri(6, {per(1, 1), per(4, 18)});
    QVERIFY(f);
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("mezz’ora"));   // as the file has it
    QTest::keyClicks(controllo(f, QStringLiteral("Text2")), QStringLiteral("mezz'ore"));
    QTest::keyClick(controllo(f, QStringLiteral("Text2")), Qt::Key_Return);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
}

void TestFinestreScritte::treBottoni_data()
{
    QTest::addColumn<bool>("tasti");
    QTest::newRow("clicks") << false;
    QTest::newRow("keys") << true;
}

void TestFinestreScritte::treBottoni()
{
    QFETCH(bool, tasti);
    this->tasti = tasti;
    // Form13, "naso", a primitive noun.
    QWidget* f = apri(13, {per(4, 18), per(1, 3), per(1, 2), per(2, 2)});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("naso"));
    scegli(f, QStringLiteral("Command1"));
    scegli(f, QStringLiteral("Bottone2"), Qt::Key_Tab, Qt::Key_Return);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 2"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    scegli(f, QStringLiteral("Bottone1"), Qt::Key_Backtab, Qt::Key_Enter);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));
    for (const char* nome : {"Bottone1", "Command1", "Bottone2"})
        QVERIFY(!controllo(f, QString::fromLatin1(nome))->isEnabled());
    QCOMPARE(controllo(f, QStringLiteral("Bottone1"))->grab().toImage().pixelColor(4, 4), QColor(255, 0, 0));

    programma->casuale.aggiungi({per(6, 18), per(2, 3), per(1, 2)});
    pausaDelVerdetto();
    scegli(f, QStringLiteral("BottoneAvanti"), Qt::Key_Tab, Qt::Key_Return);
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("Giornalaio"));
    QCOMPARE(fuocoDi(f), QStringLiteral("Bottone1"));
    for (const char* nome : {"Bottone1", "Command1", "Bottone2"}) {
        QWidget* b = controllo(f, QString::fromLatin1(nome));
        QVERIFY(b->isEnabled());
        QCOMPARE(b->grab().toImage().pixelColor(4, 4), QColor(192, 192, 192));
    }
}

void TestFinestreScritte::griglia_data()
{
    QTest::addColumn<bool>("attendi");
    QTest::addColumn<bool>("tasti");
    QTest::newRow("waiting for avanti") << true << false;
    QTest::newRow("going on at once") << false << false;
    QTest::newRow("waiting for avanti, keys") << true << true;
    QTest::newRow("going on at once, keys") << false << true;
}

void TestFinestreScritte::griglia()
{
    QFETCH(bool, attendi);
    QFETCH(bool, tasti);
    this->tasti = tasti;
    if (!attendi)
        clicca(finestra(QStringLiteral("FormMenu")), QStringLiteral("Option1_0"));
    // "cani", masculine plural: Label9.
    QWidget* f = apri(8, {per(3, 4), per(4, 18), 0.0f});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("cani"));
    const QStringList intestazioni{"Label4", "Label5", "Label6"};
    for (const QString& nome : intestazioni)
        QCOMPARE(testoColoratoDi(f, nome), QColor(Qt::black));

    QCOMPARE(QAccessible::queryAccessibleInterface(controllo(f, QStringLiteral("Label9")))->role(),
             QAccessible::Button);
    QCOMPARE(nomeDi(controllo(f, QStringLiteral("Label9"))), QStringLiteral("maschile plurale"));
    scegli(f, QStringLiteral("Label7"), Qt::Key_Right);
    clicca(f, QStringLiteral("Text1"));    // only the boxes answer
    clicca(f, QStringLiteral("Label4"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    for (const QString& nome : intestazioni)
        QCOMPARE(testoColoratoDi(f, nome), QColor(Qt::white));
    QCOMPARE(testoColoratoDi(f, QStringLiteral("Label3")), QColor(0x80, 0xFF, 0xFF));

    programma->casuale.aggiungi({0.0f, per(2, 4), per(5, 18), per(2, 2)});
    scegli(f, QStringLiteral("Label9"), Qt::Key_Down, Qt::Key_Return);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    if (attendi) {
        for (const char* nome : {"Label7", "Label8", "Label9", "Label10"})
            QVERIFY(!controllo(f, QString::fromLatin1(nome))->isEnabled());
        clicca(f, QStringLiteral("Label9"));
        clicca(f, QStringLiteral("Label8"));
        QCOMPARE(programma->stato.contaEsatti + programma->stato.contaErrati, 2);
        QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("cani"));
        QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));
        pausaDelVerdetto();
        scegli(f, QStringLiteral("BottoneAvanti"));
    }
    QCOMPARE(fuocoDi(f), QStringLiteral("Label7"));   // a new noun: the first box
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("mela"));
    QCOMPARE(sfondoDi(f), dellaTavolozza(5));
    for (const QString& nome : intestazioni)
        QCOMPARE(testoColoratoDi(f, nome), QColor(Qt::black));
    for (const char* nome : {"Label7", "Label8", "Label9", "Label10"})
        QVERIFY(controllo(f, QString::fromLatin1(nome))->isEnabled());
    scegli(f, QStringLiteral("Label8"), Qt::Key_Right);
    QCOMPARE(programma->stato.contaEsatti, qint16(2));
}

void TestFinestreScritte::elencoGuasto()
{
    // A record with no altered form: Form12 does not open, the teacher is told.
    programma->cartella.scrivi(QStringLiteral("alterati.txt"), QStringLiteral("casa,casetta,,,\nnaso,,,,\n"));
    risponditore.rispondi(QStringLiteral("OK"));
    clicca(finestra(QStringLiteral("FormMenu")), bottoniDelMenu.value(12));
    QTRY_VERIFY(risponditore.risposto);
    QVERIFY(risponditore.testo.contains(QStringLiteral("alterati.txt")));
    QVERIFY(risponditore.testo.contains(QStringLiteral("naso")));
    QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
}

QTEST_MAIN(TestFinestreScritte)
#include "test_finestre_scritte.moc"
