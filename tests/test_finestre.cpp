// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a pupil meets them, driven by clicks on the offscreen
// platform: title screen, menu, the two-choice exercises and the way back.
// The random sequence is scripted, so every colour and item is known.

#include "app/applicazione.h"
#include "comune/dialoghi.h"
#include "comune/informazioni.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "drills/choice/due_scelte.h"
#include "drills/choice/finestra_scelta.h"
#include "frame/esercizio.h"
#include "supporto.h"
#include "supporto_finestre.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

const QHash<int, QString> bottoniDelMenu = {{1, "Command2"}, {5, "Command3"},  {10, "Command5"},
                                            {9, "Command6"}, {4, "Command15"}, {15, "Command16"}};

QColor dellaTavolozza(int k)
{
    return Interfaccia::colore(Colori::tavolozza()[static_cast<std::size_t>(k)]);
}

// The colour of a button's face, inside its edge.
QColor facciaDi(QWidget* w, const QString& nome)
{
    QWidget* bottone = controllo(w, nome);
    return bottone ? bottone->grab().toImage().pixelColor(4, 4) : QColor();
}

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titoloEMenu();
    void esercizio_data();
    void esercizio();
    void attesaDiAvanti();
    void proseguimentoAutomatico();
    void opzioneLettaUnaVolta();
    void esciNoEAzzera_data();
    void esciNoEAzzera();
    void suonoNo();
    void informazioni();
    void esciDalProgramma_data();
    void esciDalProgramma();
    void elencoGuasto();
    void accessibilita();
    void avvioAllAttivazione_data();
    void avvioAllAttivazione();

private:
    QWidget* apriMenu();
    // Opens the exercise with the draws of its first item: colour, list, index...
    QWidget* apriEsercizio(int form, std::initializer_list<float> estrazioni);

    std::unique_ptr<ProgrammaDiProva> programma;
    Risponditore risponditore;
    Sorvegliante sorvegliante;
};

void TestFinestre::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFinestre::init()
{
    // Draws not scripted give 1: the first colour, list 1, index 1.
    programma = std::make_unique<ProgrammaDiProva>(QList<float>{per(7, 18)});
    programma->applicazione.avvia();
}

void TestFinestre::cleanup()
{
    programma.reset();
}

QWidget* TestFinestre::apriMenu()
{
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    return finestra(QStringLiteral("FormMenu"));
}

QWidget* TestFinestre::apriEsercizio(int form, std::initializer_list<float> estrazioni)
{
    QWidget* menu = finestra(QStringLiteral("FormMenu"));
    if (!menu)
        menu = apriMenu();
    programma->casuale.aggiungi(estrazioni);
    clicca(menu, bottoniDelMenu.value(form));
    return finestra(QStringLiteral("Form%1").arg(form));
}

void TestFinestre::titoloEMenu()
{
    QWidget* titolo = finestra(QStringLiteral("FormAvvio"));
    QVERIFY(titolo);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormAvvio")});
    QVERIFY(programma->stato.attendiBottone);
    QCOMPARE(titolo->palette().color(QPalette::Window), dellaTavolozza(7));
    QVERIFY(!titolo->windowIcon().isNull());

    programma->casuale.aggiungi({per(14, 18)});
    QWidget* menu = apriMenu();
    QVERIFY(menu);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QCOMPARE(menu->palette().color(QPalette::Window), dellaTavolozza(14));
    QCOMPARE(fuocoDi(menu), QStringLiteral("Command2"));   // the first exercise, not "Esci"
    QVERIFY(controllo<QRadioButton>(menu, QStringLiteral("Option1_1"))->isChecked());
    QVERIFY(!controllo<QRadioButton>(menu, QStringLiteral("Option1_0"))->isChecked());
    QStringList abilitati;
    for (int i = 2; i <= 18; ++i) {
        if (controllo(menu, QStringLiteral("Command%1").arg(i))->isEnabled())
            abilitati.append(QStringLiteral("Command%1").arg(i));
    }
    QStringList attesi;
    for (int i = 2; i <= 18; ++i)
        attesi.append(QStringLiteral("Command%1").arg(i));
    QCOMPARE(abilitati, attesi);   // all seventeen exercises

    // The arrows go to the button drawn that way; at an edge the focus stays.
    struct Passo {
        const char* da;
        Qt::Key tasto;
        const char* a;
    };
    for (const auto& [da, tasto, a] : {
             Passo{"Command2", Qt::Key_Down, "Command7"}, Passo{"Command2", Qt::Key_Up, "Command2"},
             Passo{"Command2", Qt::Key_Right, "Command4"}, Passo{"Command4", Qt::Key_Right, "Command16"},
             Passo{"Command16", Qt::Key_Right, "Command16"}, Passo{"Command15", Qt::Key_Down, "Command3"},
             Passo{"Command5", Qt::Key_Left, "Command8"}, Passo{"Command18", Qt::Key_Down, "Option1_1"},
             Passo{"Command1", Qt::Key_Up, "Option1_0"}, Passo{"Command10", Qt::Key_Right, "Command14"},
             Passo{"Command14", Qt::Key_Right, "Command1"}}) {
        controllo(menu, QString::fromLatin1(da))->setFocus();
        premi(menu, tasto);
        QVERIFY2(fuocoDi(menu) == QLatin1String(a), qPrintable(QStringLiteral("%1 %2 -> %3").arg(da).arg(tasto).arg(fuocoDi(menu))));
    }
}

void TestFinestre::esercizio_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<float>>("estrazioni");   // colour, list, index, column
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("giusto");
    QTest::addColumn<QString>("letto");   // the item read aloud
    QTest::addColumn<bool>("tasti");   // by the keyboard alone, or by clicks

    for (bool tasti : {false, true}) {
        const char* modo = tasti ? "keys" : "clicks";
        QTest::addRow("Form1 %s", modo) << 1 << QList<float>{per(3, 18), per(2, 2), per(3, 4)} << "mare" << 2
                                        << "mare" << tasti;
        QTest::addRow("Form4 %s", modo) << 4 << QList<float>{per(4, 18), per(1, 2), per(2, 2)} << "gallo / gallina"
                                        << 1 << "gallo, gallina" << tasti;
        QTest::addRow("Form5 %s", modo) << 5 << QList<float>{per(5, 18), per(2, 2), per(1, 2)} << "case" << 2
                                        << "case" << tasti;
        QTest::addRow("Form9 %s", modo) << 9 << QList<float>{per(9, 18), per(1, 2), per(2, 2)} << "sedia" << 1
                                        << "sedia" << tasti;
        QTest::addRow("Form10 %s", modo) << 10 << QList<float>{per(10, 18), per(2, 2), per(1, 1)} << "CITTÀ" << 2
                                         << "città" << tasti;
        QTest::addRow("Form15 %s", modo) << 15 << QList<float>{per(15, 18), per(1, 2), per(1, 2), per(4, 4)}
                                         << "casa / casupola" << 1 << "casa, casupola" << tasti;
    }
}

void TestFinestre::esercizio()
{
    QFETCH(int, form);
    QFETCH(QList<float>, estrazioni);
    QFETCH(QString, item);
    QFETCH(int, giusto);
    QFETCH(QString, letto);
    QFETCH(bool, tasti);
    // Button k pressed: by a click, or with the focus brought to it by Tab, by Space or Enter.
    auto rispondi = [tasti](QWidget* f, int k, Qt::Key tasto) {
        const QString bottone = QStringLiteral("Bottone%1").arg(k);
        if (!tasti)
            return clicca(f, bottone);
        QVERIFY(portaFuoco(f, bottone));
        premi(f, tasto);
    };
    QWidget* menu = apriMenu();
    QCOMPARE(programma->voce.preparata, 0);   // the title screen and the menu build no speech engine
    for (float v : estrazioni)
        programma->casuale.aggiungi({v});
    clicca(menu, bottoniDelMenu.value(form));
    QWidget* f = finestra(QStringLiteral("Form%1").arg(form));
    QVERIFY(f);
    QCOMPARE(programma->casuale.rimasti(), 0);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form%1").arg(form)});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    QCOMPARE(sfondoDi(f), dellaTavolozza(int(estrazioni.first() * 18) + 1));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
    QCOMPARE(fuocoDi(f), QStringLiteral("Bottone1"));   // the window opens on its first answer

    // The counts and their headings read on every background: black on the palette's, white on black.
    auto colorati = [f] {
        QList<QColor> colori;
        for (const char* nome : {"Label1", "Label4", "EtichettaEsatti", "EtichettaErrati"})
            colori.append(controllo(f, QString::fromLatin1(nome))->palette().color(QPalette::WindowText));
        return colori;
    };
    QCOMPARE(colorati(), QList<QColor>(4, Qt::black));
    rispondi(f, 3 - giusto, Qt::Key_Space);
    QCOMPARE(colorati(), QList<QColor>(4, Qt::white));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QCOMPARE(fuocoDi(f), QStringLiteral("Bottone%1").arg(3 - giusto));   // it stays
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());

    programma->casuale.aggiungi({per(3, 4)});   // the sound
    rispondi(f, giusto, Qt::Key_Return);
    QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));
    if (tasti) {   // a double press: the second is not "avanti", the verdict stays
        premi(f, Qt::Key_Return);
        premi(f, Qt::Key_Space);
    }
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());
    QCOMPARE(programma->suoni.suonati, (QList<Suono>{Suono::No, Suono::Si3}));
    QCOMPARE(programma->stato.contaEsatti, qint16(1));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);   // waiting for "avanti"
    QCOMPARE(sfondoDi(f), QColor(Qt::black));

    // The word read aloud: Ctrl+L in the active window, and a click on it.
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QTest::keyClick(f, Qt::Key_L, Qt::ControlModifier);
    clicca(f, QStringLiteral("Text1"));
    QCOMPARE(programma->voce.letti, (QStringList{letto, letto}));
    if (!tasti) {
        // Letters selected with the mouse are not a click: nothing is read.
        QWidget* text1 = controllo(f, QStringLiteral("Text1"));
        const QPoint da(4, text1->height() / 2);
        const QPoint a(text1->width() - 4, text1->height() / 2);
        QTest::mousePress(text1, Qt::LeftButton, {}, da);
        QTest::mouseMove(text1, a);
        QTest::mouseRelease(text1, Qt::LeftButton, {}, a);
        QVERIFY(qobject_cast<QLineEdit*>(text1)->hasSelectedText());
        QCOMPARE(programma->voce.letti.size(), 2);
    }

    // F11 from a button: the whole screen, larger; the same item, counts and state.
    QTest::keyClick(controllo(f, QStringLiteral("Bottone1")), Qt::Key_F11);
    QVERIFY(f->isFullScreen());
    const double scala = Interfaccia::scala(f);
    QVERIFY(scala > 1);
    // The layout in the middle of the client area, which fills the screen
    // below the menu bar: the spare edge takes the window's colour.
    QWidget* sfondo = controllo(f, QStringLiteral("sfondo"));
    QCOMPARE(sfondo->width(), f->screen()->geometry().width());
    const QPoint margine((sfondo->width() - Interfaccia::pixel(10305, scala)) / 2,
                         (sfondo->height() - Interfaccia::pixel(7695, scala)) / 2);
    QCOMPARE(controllo(f, QStringLiteral("Text1"))->geometry(),
             Interfaccia::rettangolo(120, 240, 6855, 1455, scala).translated(margine));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    if (tasti) {
        pausaDelVerdetto();
        premi(f, Qt::Key_Space);   // "avanti" at the scale: back to the first answer, the next item
        QCOMPARE(fuocoDi(f), QStringLiteral("Bottone1"));
        QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
        QVERIFY(controllo(f, QStringLiteral("Bottone%1").arg(giusto))->isEnabled());
        QVERIFY(sfondoDi(f) != QColor(Qt::black));
    }

    risponditore.rispondi(QStringLiteral("Sì"));
    if (tasti)
        QVERIFY(!chiudiDallaCornice(f));   // Alt+F4 asks as "Esci" does
    else
        cliccaMenu(f, "mnuesci");
    QTRY_VERIFY(risponditore.risposto);
    QCOMPARE(risponditore.testo, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(risponditore.titolo, QStringLiteral("Catalogare i lumeri"));
    QCOMPARE(risponditore.bottoni, (QStringList{"Sì", "No"}));
    QCOMPARE(risponditore.simbolo, int(QMessageBox::Question));
    QCOMPARE(risponditore.punti, QApplication::font().pointSizeF() * scala);   // read from afar
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QCOMPARE(programma->stato.contaEsatti, qint16(0));
    QCOMPARE(programma->stato.contaErrati, qint16(0));
    // The menu comes in the whole screen too, until Escape, with the focus
    // on the exercise just left.
    menu = finestra(QStringLiteral("FormMenu"));
    QCOMPARE(fuocoDi(menu), bottoniDelMenu.value(form));
    QVERIFY(menu->isFullScreen());
    QVERIFY(Interfaccia::scala(menu) > 1);
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(!menu->isFullScreen());
    QCOMPARE(Interfaccia::scala(menu), 1.0);
    QCOMPARE(menu->size(), QSize(665, 512));
}

void TestFinestre::attesaDiAvanti()
{
    // Form1 with "casa", a feminine noun.
    QWidget* f = apriEsercizio(1, {per(2, 18), per(1, 2), per(1, 3)});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("casa"));
    auto* avanti = controllo(f, QStringLiteral("BottoneAvanti"));
    auto* premuto = controllo<QPushButton>(f, QStringLiteral("Bottone1"));
    auto* altro = controllo<QPushButton>(f, QStringLiteral("Bottone2"));
    const QColor sistema = facciaDi(f, QStringLiteral("Bottone1"));
    QCOMPARE(facciaDi(f, QStringLiteral("Bottone2")), sistema);

    clicca(f, QStringLiteral("Bottone1"));
    QVERIFY(avanti->isEnabled());
    QVERIFY(!premuto->isEnabled() && !altro->isEnabled());
    QCOMPARE(facciaDi(f, QStringLiteral("Bottone1")), QColor(255, 0, 0));
    QCOMPARE(facciaDi(f, QStringLiteral("Bottone2")), sistema);
    clicca(f, QStringLiteral("Bottone2"));   // disabled: nothing counts
    clicca(f, QStringLiteral("Bottone1"));
    QCOMPARE(programma->stato.contaErrati, qint16(0));
    QCOMPARE(programma->stato.contaEsatti, qint16(1));

    programma->casuale.aggiungi({per(5, 18), per(2, 2), per(2, 4)});
    clicca(f, QStringLiteral("BottoneAvanti"));
    QVERIFY(!avanti->isEnabled());
    QVERIFY(avanti->isVisible());
    QVERIFY(premuto->isEnabled() && altro->isEnabled());
    QCOMPARE(facciaDi(f, QStringLiteral("Bottone1")), QColor(192, 192, 192));
    QCOMPARE(facciaDi(f, QStringLiteral("Bottone2")), QColor(192, 192, 192));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("libro"));
    QCOMPARE(sfondoDi(f), dellaTavolozza(5));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QCOMPARE(programma->casuale.rimasti(), 0);
}

void TestFinestre::proseguimentoAutomatico()
{
    QWidget* menu = apriMenu();
    clicca(menu, QStringLiteral("Option1_0"));
    QVERIFY(!programma->stato.attendiBottone);
    // Form9: "tavolo", then "gioia", then "sedia", each in its colour.
    QWidget* f = apriEsercizio(9, {per(1, 18), per(1, 2), per(1, 2)});
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());
    const struct {
        int giusto;
        int colore, lista, indice, quanti;
        const char* poi;
    } passi[] = {{1, 6, 2, 1, 1, "gioia"}, {2, 11, 1, 2, 2, "sedia"}, {1, 18, 1, 2, 2, "sedia"}};
    int esatti = 0;
    for (const auto& p : passi) {
        programma->casuale.aggiungi({0.0f, per(p.colore, 18), per(p.lista, 2), per(p.indice, p.quanti)});
        clicca(f, QStringLiteral("Bottone%1").arg(p.giusto));
        QCOMPARE(testoDi(f, QStringLiteral("Text1")), QString::fromUtf8(p.poi));
        QCOMPARE(sfondoDi(f), dellaTavolozza(p.colore));
        QVERIFY(controllo(f, QStringLiteral("Bottone1"))->isEnabled());
        QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
        QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), Cornice::formaNumero(++esatti));
    }
    QCOMPARE(programma->casuale.rimasti(), 0);
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());

    risponditore.rispondi(QStringLiteral("Sì"));
    cliccaMenu(f, "mnuesci");
    menu = finestra(QStringLiteral("FormMenu"));
    QVERIFY(menu);
    QVERIFY(controllo<QRadioButton>(menu, QStringLiteral("Option1_0"))->isChecked());
    QVERIFY(!controllo<QRadioButton>(menu, QStringLiteral("Option1_1"))->isChecked());
    // The option buttons sit on the menu's own colour.
    QCOMPARE(controllo(menu, QStringLiteral("Option1_0"))->palette().color(QPalette::Button),
             menu->palette().color(QPalette::Window));
    QCOMPARE(controllo(menu, QStringLiteral("Option1_1"))->palette().color(QPalette::Button),
             menu->palette().color(QPalette::Window));
}

void TestFinestre::opzioneLettaUnaVolta()
{
    // The option decides at the window's start-up, for the whole of its life.
    QWidget* f = apriEsercizio(9, {per(1, 18), per(1, 2), per(1, 2)});
    programma->stato.attendiBottone = false;
    clicca(f, QStringLiteral("Bottone1"));
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("tavolo"));
}

void TestFinestre::esciNoEAzzera_data()
{
    QTest::addColumn<int>("via");   // how the question is asked
    QTest::newRow("Esci by keys") << 0;
    QTest::newRow("closed from the frame") << 1;
    QTest::newRow("Escape") << 2;
}

void TestFinestre::esciNoEAzzera()
{
    QFETCH(int, via);
    QWidget* f = apriEsercizio(10, {per(8, 18), per(1, 2), per(2, 2)});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("FORLÌ"));
    clicca(f, QStringLiteral("Bottone2"));
    clicca(f, QStringLiteral("Bottone1"));

    risponditore.rispondi(QStringLiteral("No"));
    if (via == 0)
        scegliMenu(f, "mnuesci");
    else if (via == 1)
        QVERIFY(!chiudiDallaCornice(f));
    else
        premi(f, Qt::Key_Escape);
    QTRY_VERIFY(risponditore.risposto);
    QCOMPARE(risponditore.testo, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));   // where it was
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form10")});
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("FORLÌ"));

    scegliMenu(f, "MenuAzzera");
    QCOMPARE(fuocoDi(f), QStringLiteral("BottoneAvanti"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QCOMPARE(programma->stato.contaEsatti, qint16(0));
    QCOMPARE(programma->stato.contaErrati, qint16(0));
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());   // still waiting
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QCOMPARE(sfondoDi(f), QColor(Qt::black));

    clicca(f, QStringLiteral("BottoneAvanti"));
    clicca(f, QStringLiteral("Bottone1"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
}

void TestFinestre::suonoNo()
{
    auto* f = static_cast<QMainWindow*>(apriEsercizio(5, {per(1, 18), per(1, 2), per(1, 5)}));
    auto* menuSuono = f->findChild<QMenu*>(QStringLiteral("mnuSuono"));
    auto* si = f->findChild<QAction*>(QStringLiteral("mnuSuonoSi"));
    auto* no = f->findChild<QAction*>(QStringLiteral("mnuSuonoNo"));
    QVERIFY(si->isChecked() && !no->isChecked());

    for (int volte = 0; volte < 2; ++volte) {   // the second time "no" is already checked
        cliccaMenu(f, "mnuSuono");
        QTRY_VERIFY(menuSuono->isVisible());
        QTest::mouseClick(menuSuono, Qt::LeftButton, {}, menuSuono->actionGeometry(no).center());
        QTRY_VERIFY(!menuSuono->isVisible());
        QVERIFY(no->isChecked() && !si->isChecked());
    }

    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("casa"));
    clicca(f, QStringLiteral("Bottone2"));
    clicca(f, QStringLiteral("Bottone1"));
    QVERIFY(programma->suoni.suonati.isEmpty());
    QCOMPARE(programma->stato.contaEsatti, qint16(1));
    QCOMPARE(programma->stato.contaErrati, qint16(1));

    cliccaMenu(f, "mnuSuono");
    QTRY_VERIFY(menuSuono->isVisible());
    QTest::mouseClick(menuSuono, Qt::LeftButton, {}, menuSuono->actionGeometry(si).center());
    QTRY_VERIFY(!menuSuono->isVisible());
    QVERIFY(si->isChecked() && !no->isChecked());
    clicca(f, QStringLiteral("Bottone1"));   // waiting: nothing
    QVERIFY(programma->suoni.suonati.isEmpty());

    // A new window starts with "sì" again.
    risponditore.rispondi(QStringLiteral("Sì"));
    cliccaMenu(f, "mnuesci");
    auto* nuova = static_cast<QMainWindow*>(apriEsercizio(5, {}));
    QVERIFY(nuova->findChild<QAction*>(QStringLiteral("mnuSuonoSi"))->isChecked());
}

void TestFinestre::informazioni()
{
    QWidget* f = apriEsercizio(15, {});
    const QString item = testoDi(f, QStringLiteral("Text1"));
    QVERIFY(portaFuoco(f, QStringLiteral("Bottone2")));
    risponditore.rispondi(QStringLiteral("OK"));
    // The menu bar's item under the keyboard is highlighted, as each key brings it.
    auto acceso = [](QMenuBar* barra) {
        const QRect voce = barra->actionGeometry(barra->activeAction());
        return barra->grab().toImage().pixelColor(voce.topLeft() + QPoint(2, 2)) == barra->palette().color(QPalette::Highlight);
    };
    QMenuBar* barra = static_cast<QMainWindow*>(f)->menuBar();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    premi(f, Qt::Key_F10);
    for (int volte = 0; volte < 8 && barra->activeAction()->objectName() != QLatin1String("MenuInformazioni"); ++volte) {
        QVERIFY2(acceso(barra), qPrintable(barra->activeAction()->text()));
        QTest::keyClick(barra, Qt::Key_Right);
    }
    QTest::keyClick(barra, Qt::Key_Return);
    QVERIFY(risponditore.risposto);
    QCOMPARE(fuocoDi(f), QStringLiteral("Bottone2"));   // back where it was
    QCOMPARE(risponditore.testo, Informazioni::testo());
    QCOMPARE(risponditore.titolo, QStringLiteral("Catalogare i lumeri"));
    QCOMPARE(risponditore.bottoni, QStringList{QStringLiteral("OK")});
    QCOMPARE(risponditore.simbolo, int(QMessageBox::Information));
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form15")});
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
}

void TestFinestre::esciDalProgramma_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("cornice");   // closed from the frame, not by "Esci"
    QTest::newRow("menu, Esci") << "FormMenu" << false;
    QTest::newRow("menu, closed from the frame") << "FormMenu" << true;
    QTest::newRow("title screen, closed from the frame") << "FormAvvio" << true;
}

void TestFinestre::esciDalProgramma()
{
    QFETCH(QString, nome);
    QFETCH(bool, cornice);
    QWidget* w = nome == QLatin1String("FormMenu") ? apriMenu() : finestra(nome);
    auto chiudi = [&] {
        if (cornice)
            QVERIFY(!chiudiDallaCornice(w));
        else
            clicca(w, QStringLiteral("Command1"));
        QTRY_VERIFY(risponditore.risposto);
    };
    const QColor colore = w->palette().color(QPalette::Window);
    risponditore.rispondi(QStringLiteral("No"));
    chiudi();
    QCOMPARE(risponditore.testo, QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(risponditore.simbolo, int(QMessageBox::Question));
    QCOMPARE(finestreAperte(), QStringList{nome});
    QCOMPARE(finestra(nome), w);
    QCOMPARE(w->palette().color(QPalette::Window), colore);

    risponditore.rispondi(QStringLiteral("Sì"));
    chiudi();
    QTRY_VERIFY(finestreAperte().isEmpty());
}

void TestFinestre::elencoGuasto()
{
    programma->cartella.togli(QStringLiteral("astratti.txt"));
    programma->cartella.scrivi(QStringLiteral("falsialterati.txt"), QStringLiteral("mulo,mulino\nlampo\n"));
    QWidget* menu = apriMenu();

    risponditore.rispondi(QStringLiteral("OK"));
    clicca(menu, QStringLiteral("Command6"));
    QVERIFY(risponditore.risposto);
    QCOMPARE(risponditore.titolo, QStringLiteral("Catalogare i lumeri"));
    QVERIFY2(risponditore.testo.contains(QStringLiteral("\"astratti.txt\"")), qPrintable(risponditore.testo));
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QWidget* nuovo = finestra(QStringLiteral("FormMenu"));
    QVERIFY(nuovo != menu);

    risponditore.rispondi(QStringLiteral("OK"));
    clicca(nuovo, QStringLiteral("Command16"));
    QVERIFY(risponditore.testo.contains(QStringLiteral("riga 2")));
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});

    // The other exercises still open.
    QVERIFY(apriEsercizio(1, {}));
}

void TestFinestre::accessibilita()
{
    QWidget* menu = apriMenu();
    auto nome = [](QWidget* w) {
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(w);
        return accessibile ? accessibile->text(QAccessible::Name) : QString();
    };
    auto stato = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->state(); };
    QCOMPARE(nome(menu), QStringLiteral("Catalogare i lumeri – menù degli esercizi"));
    QCOMPARE(nome(controllo(menu, QStringLiteral("Command7"))), QStringLiteral("volgi al  femminile"));
    QVERIFY(!stato(controllo(menu, QStringLiteral("Command2"))).disabled);
    QCOMPARE(nome(controllo(menu, QStringLiteral("Option1_1"))),
             QStringLiteral("attende la pressione del bottone per proseguire"));

    Ascolto ascolto;
    auto* f = static_cast<QMainWindow*>(apriEsercizio(1, {}));   // "casa"
    QCOMPARE(nome(f), QStringLiteral("Catalogare i lumeri – maschile femminile"));
    QCOMPARE(f->windowTitle(), QStringLiteral(" "));
    QCOMPARE(nome(controllo(f, QStringLiteral("BottoneAvanti"))), QStringLiteral("avanti"));
    QCOMPARE(nome(controllo(f, QStringLiteral("Bottone1"))), QStringLiteral("femminile"));
    QCOMPARE(nome(controllo(f, QStringLiteral("Text1"))), QStringLiteral("Parola"));
    // Each count is read with its own heading.
    auto intestazione = [](QWidget* conto) {
        const auto etichette = QAccessible::queryAccessibleInterface(conto)->relations(QAccessible::Label);
        return etichette.size() == 1 ? etichette.first().first->text(QAccessible::Name) : QString();
    };
    QCOMPARE(intestazione(controllo(f, QStringLiteral("EtichettaEsatti"))), QStringLiteral("Esatti"));
    QCOMPARE(intestazione(controllo(f, QStringLiteral("EtichettaErrati"))), QStringLiteral("Errati"));
    // The word is one run of text, read to its last letter.
    QAccessibleTextInterface* parola = QAccessible::queryAccessibleInterface(controllo(f, "Text1"))->textInterface();
    int inizio = -1, fine = -1;
    parola->attributes(0, &inizio, &fine);
    QCOMPARE(QPoint(inizio, fine), QPoint(0, 4));
    QVERIFY(stato(controllo(f, QStringLiteral("BottoneAvanti"))).disabled);
    // The faces are pictures; the sad one of the start says nothing.
    QWidget* si = controllo(f, QStringLiteral("ComandoIconaSi"));
    QWidget* no = controllo(f, QStringLiteral("ComandoIconaNo"));
    QCOMPARE(QAccessible::queryAccessibleInterface(no)->role(), QAccessible::Graphic);
    QCOMPARE(nome(no), QString());
    // The menu bar's commands without their blanks, the captions with them.
    QAccessibleInterface* barra = QAccessible::queryAccessibleInterface(f->menuBar());
    QStringList voci;
    for (int i = 0; i < barra->childCount(); ++i)
        voci.append(barra->child(i)->text(QAccessible::Name));
    QCOMPARE(voci, (QStringList{"Azzera conteggio", "Suono?", "Informazioni", "Esci"}));
    QCOMPARE(barra->child(1)->child(0)->child(0)->text(QAccessible::Name), QStringLiteral("sì"));
    // The word comes with the first answer; each answer is told, with both
    // counts; the focus moves only where the pupil or the rule sends it.
    QVERIFY(QTest::qWaitForWindowActive(f));
    portaFuoco(f, QStringLiteral("Bottone2"));
    premi(f, Qt::Key_Space);
    QCOMPARE(nome(no), QStringLiteral("Risposta sbagliata"));
    portaFuoco(f, QStringLiteral("Text1"));
    QCOMPARE(parola->selectionCount(), 0);   // Tab selects nothing in it
    portaFuoco(f, QStringLiteral("Bottone1"));
    premi(f, Qt::Key_Return);
    QCOMPARE(nome(si), QStringLiteral("Risposta esatta"));
    programma->casuale.aggiungi({0.0f, per(2, 2), per(3, 4)});   // "mare"
    pausaDelVerdetto();
    premi(f, Qt::Key_Space);
    QCOMPARE(ascolto.prendi(), (QStringList{"description: casa: maschile o femminile?", "focus: femminile", "focus: maschile",
                                            "notification: Sbagliato. Esatti 0, errati 1.", "focus: Parola",
                                            "focus: femminile", "description: Esatto. Esatti 1, errati 1.",
                                            "focus: avanti", "description: mare: maschile o femminile?",
                                            "focus: femminile"}));

    // F10 opens the menu bar, as Alt does.
    premi(f, Qt::Key_F10);
    QCOMPARE(f->menuBar()->activeAction(), f->findChild<QAction*>(QStringLiteral("MenuAzzera")));
    const QRect posto = QAccessible::queryAccessibleInterface(controllo(f, QStringLiteral("Bottone2")))->rect();
    QCOMPARE(posto.size(), controllo(f, QStringLiteral("Bottone2"))->size());
}

void TestFinestre::avvioAllAttivazione_data()
{
    QTest::addColumn<bool>("guasto");
    QTest::newRow("starts once shown") << false;
    QTest::newRow("bad list back to the menu") << true;
}

void TestFinestre::avvioAllAttivazione()
{
    // A window that starts up when it becomes active (Form8 here) loads its
    // lists only once it is on screen.
    QFETCH(bool, guasto);
    static const ConfigDueScelte config{8, ModoDueScelte::Parole, {"concreti.txt", nullptr},
                                        {"astratti.txt", nullptr},
                                        {{{"Bottone1", "uno", {360, 2520, 2535, 855}},
                                          {"Bottone2", "due", {3960, 2520, 2535, 855}}}},
                                        24, "uno o due?"};
    if (guasto)
        programma->cartella.togli(QStringLiteral("astratti.txt"));
    QWidget* menu = apriMenu();
    auto* f = finestraDueScelte(programma->applicazione.contesto(), programma->applicazione, config);
    f->setAttribute(Qt::WA_DeleteOnClose);
    QVERIFY(!f->carica());   // nothing on load
    QVERIFY(!f->esercizio().avviato());
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("Text1"));
    if (guasto)
        risponditore.rispondi(QStringLiteral("OK"));
    programma->casuale.aggiungi({per(3, 18), per(2, 2), per(1, 1)});
    f->show();
    menu->close();
    if (guasto) {
        QTRY_VERIFY(risponditore.risposto);
        QVERIFY(risponditore.testo.contains(QStringLiteral("astratti.txt")));
        QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    } else {
        QTRY_VERIFY(f->esercizio().avviato());
        QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("gioia"));
        QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
        QCOMPARE(sfondoDi(f), dellaTavolozza(3));
    }
}

QTEST_MAIN(TestFinestre)
#include "test_finestre.moc"
