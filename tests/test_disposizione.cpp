// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the pupil sees of every window that stands: places, sizes, captions
// (blanks counted), fonts and names, row by row from the program's layout
// tables: the title screen, the main menu, the frame of all seventeen
// exercise windows and the two-choice windows; some rows again with the
// window laid out at scale 2, as on the classroom's board.

#include "app/applicazione.h"
#include "comune/contesto.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "drills/choice/due_scelte.h"
#include "drills/choice/finestra_griglia.h"
#include "drills/choice/finestra_scelta.h"
#include "drills/typed/finestra_scritta.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "frame/navigazione.h"
#include "supporto.h"
#include "supporto_finestre.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// A drill with nothing of its own, to show the frame of any window.
class NessunEsercizio final : public Esercizio {
public:
    using Esercizio::Esercizio;

protected:
    std::optional<ErroreElenco> caricaElenchi() override { return std::nullopt; }
    void presentaElemento() override { caricaColori(); }
    void blocca() override {}
    void sblocca() override {}
    QString parolaDaLeggere() const override { return {}; }
};

class SoloCornice final : public FinestraDi<NessunEsercizio> {
public:
    SoloCornice(Contesto& contesto, Navigazione& navigazione, int form)
        : FinestraDi(navigazione, form, std::make_unique<NessunEsercizio>(contesto))
    {
        aggiorna();
    }

protected:
    void aggiornaEsercizio() override {}
};

class NessunaNavigazione final : public Navigazione {
public:
    void mostraMenu(QWidget*) override {}
    void erroreAllAvvio(QWidget*, const ErroreElenco&) override {}
};

// Where a control stands, in twips, how it is written and with which font,
// at scale 1; the window is laid out at `scala` and every measure follows,
// its layout starting `margine` pixels into its client area.
struct Atteso {
    QString nome;
    QString testo;    // caption; a null string: not checked
    QRect posto;      // twips
    QString famiglia;
    double punti;
    bool grassetto;
    double scala = 1.0;
    QPoint margine = {};
};

void confronta(QWidget* w, const Atteso& a)
{
    QWidget* c = controllo(w, a.nome);
    QVERIFY2(c, qPrintable(a.nome));
    QVERIFY2(aPosto(c, perScala(a.posto, a.scala).translated(a.margine * 15)), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 twips")
                                                 .arg(a.nome)
                                                 .arg(inTwip(c->geometry()).x())
                                                 .arg(inTwip(c->geometry()).y())
                                                 .arg(inTwip(c->geometry()).width())
                                                 .arg(inTwip(c->geometry()).height())));
    if (!a.testo.isNull())
        QCOMPARE(testoDi(w, a.nome), a.testo);
    QCOMPARE(c->font().family(), a.famiglia);
    QCOMPARE(c->font().pointSizeF(), a.punti * a.scala);
    QCOMPARE(c->font().bold(), a.grassetto);
}

// The size of a client area of `twip` at `scala`, in pixels.
QSize area(const QSize& twip, double scala)
{
    return QSize(Interfaccia::pixel(twip.width(), scala), Interfaccia::pixel(twip.height(), scala));
}

const QString Arial = QStringLiteral("Arial");

} // namespace

Q_DECLARE_METATYPE(Atteso)
Q_DECLARE_METATYPE(QList<Atteso>)

class TestDisposizione : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titolo_data();
    void titolo();
    void menu_data();
    void menu();
    void opzioni();
    void cornice_data();
    void cornice();
    void barraDeiMenu_data();
    void barraDeiMenu();
    void dueScelte_data();
    void dueScelte();
    void scritte_data();
    void scritte();
    void treScelteEGriglia_data();
    void treScelteEGriglia();

private:
    std::unique_ptr<ProgrammaDiProva> programma;
    NessunaNavigazione navigazione;
    Sorvegliante sorvegliante;
};

void TestDisposizione::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestDisposizione::init()
{
    programma = std::make_unique<ProgrammaDiProva>();
    programma->applicazione.avvia();
}

void TestDisposizione::cleanup()
{
    programma.reset();
}

void TestDisposizione::titolo_data()
{
    QTest::addColumn<Atteso>("atteso");
    QTest::addColumn<int>("allineamento");
    QTest::newRow("Label2(0)") << Atteso{"Label2_0", "Catalogare i lumeri", {720, 1575, 8415, 2535}, Arial, 48.75, true}
                               << int(Qt::AlignHCenter);
    QTest::newRow("Label2(1)") << Atteso{"Label2_1", "Esercitazioni ortografiche", {2280, 480, 4932, 852}, Arial, 18, true}
                               << int(Qt::AlignLeft);
    QTest::newRow("BottoneAvvio") << Atteso{"BottoneAvvio", "Avvio", {2940, 4935, 4110, 1275}, "MS Sans Serif", 18, true}
                                  << 0;
    QTest::newRow("Label2(0) at 2") << Atteso{"Label2_0", "Catalogare i lumeri", {720, 1575, 8415, 2535}, Arial, 48.75, true, 2}
                                    << int(Qt::AlignHCenter);
    QTest::newRow("BottoneAvvio at 2")
        << Atteso{"BottoneAvvio", "Avvio", {2940, 4935, 4110, 1275}, "MS Sans Serif", 18, true, 2} << 0;
}

void TestDisposizione::titolo()
{
    QFETCH(Atteso, atteso);
    QFETCH(int, allineamento);
    QWidget* w = finestra(QStringLiteral("FormAvvio"));
    QVERIFY(w);
    Interfaccia::impostaScala(w, atteso.scala);
    QCOMPARE(w->size(), area({10530, 9075}, atteso.scala));
    confronta(w, atteso);
    if (auto* etichetta = controllo<QLabel>(w, atteso.nome))
        QCOMPARE(int(etichetta->alignment() & Qt::AlignHorizontal_Mask), allineamento);
    // The picture is drawn for its size: 32 pixels at scale 1.
    if (auto* bottone = controllo<QToolButton>(w, atteso.nome))
        QCOMPARE(bottone->iconSize(), QSize(32, 32) * atteso.scala);
}

void TestDisposizione::menu_data()
{
    QTest::addColumn<Atteso>("atteso");
    const struct {
        const char* nome;
        const char* testo;
        int sinistra, alto;
        double punti;
    } righe[] = {
        {"Command1", "Esci", 6360, 5640, 18},
        {"Command2", "maschile femminile", 480, 630, 13.5},
        {"Command3", "singolare plurale", 480, 3990, 13.5},
        {"Command4", "maschile femminile singolare plurale", 3405, 630, 9.75},
        {"Command5", "proprio comune", 3405, 2310, 13.5},
        {"Command6", "concreto astratto", 3405, 1470, 13.5},
        {"Command7", "volgi al  femminile", 480, 1470, 13.5},
        {"Command8", "volgi al  maschile", 480, 2310, 13.5},
        {"Command9", "volgi al  plurale", 480, 4830, 13.5},
        {"Command10", "volgi al  singolare", 480, 5670, 13.5},
        {"Command11", "derivato da....", 3405, 3150, 13.5},
        {"Command12", "alterato di....", 3405, 3990, 13.5},
        {"Command13", "primitivo derivato alterato", 3405, 4830, 12},
        {"Command14", "cataloga gli alterati", 3405, 5670, 12},
        {"Command15", "falsi maschili-femminili", 480, 3150, 12},
        {"Command16", "falsi alterati", 6360, 600, 12},
        {"Command17", "collettivi", 6375, 1500, 12},
        {"Command18", "composti", 6375, 2340, 12},
    };
    for (const auto& r : righe) {
        QTest::newRow(r.nome) << Atteso{QString::fromLatin1(r.nome), QString::fromUtf8(r.testo),
                                        {r.sinistra, r.alto, 2300, 732}, Arial, r.punti, true};
    }
    QTest::newRow("Option1(0)") << Atteso{"Option1_0", "prosegue automaticamente  negli esercizi",
                                          {6360, 4560, 2895, 855}, Arial, 12, true};
    QTest::newRow("Option1(1)") << Atteso{"Option1_1", "attende la pressione del bottone per proseguire",
                                          {6360, 3240, 2655, 1215}, Arial, 12, true};
    QTest::newRow("Command4 at 2") << Atteso{"Command4", "maschile femminile singolare plurale",
                                             {3405, 630, 2300, 732}, Arial, 9.75, true, 2};
    QTest::newRow("Option1(0) at 2") << Atteso{"Option1_0", "prosegue automaticamente  negli esercizi",
                                               {6360, 4560, 2895, 855}, Arial, 12, true, 2};
}

void TestDisposizione::menu()
{
    QFETCH(Atteso, atteso);
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    QWidget* w = finestra(QStringLiteral("FormMenu"));
    QVERIFY(w);
    Interfaccia::impostaScala(w, atteso.scala);
    QCOMPARE(w->size(), area({9975, 7680}, atteso.scala));
    confronta(w, atteso);
}

void TestDisposizione::opzioni()
{
    // The tab order runs down each column from the left: the exercises, then
    // in the third column the option that waits, the other and "Esci".
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    QWidget* w = finestra(QStringLiteral("FormMenu"));
    QStringList ordine;
    QWidget* c = controllo(w, QStringLiteral("Command2"));
    for (; ordine.size() < 20 && c; c = c->nextInFocusChain()) {
        if (c != w)   // the window, which takes no focus, is in the chain too
            ordine.append(c->objectName());
    }
    QCOMPARE(ordine.join(u' '), QStringLiteral("Command2 Command7 Command8 Command15 Command3 Command9 Command10 "
                                               "Command4 Command6 Command5 Command11 Command12 Command13 Command14 "
                                               "Command16 Command17 Command18 Option1_1 Option1_0 Command1"));
}

void TestDisposizione::cornice_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QRect>("avanti");
    QTest::addColumn<QPoint>("icone");
    QTest::addColumn<QPoint>("esatti");
    QTest::addColumn<QPoint>("etichettaEsatti");
    QTest::addColumn<QPoint>("errati");
    QTest::addColumn<QPoint>("etichettaErrati");
    QTest::addColumn<QString>("nomeErrati");
    QTest::addColumn<double>("scala");
    const struct {
        int form;
        int av[2];
        int avW, avH;
        int ic[2], es[2], ees[2], er[2], eer[2];
    } righe[] = {
        {1, {6000, 3720}, 1665, 975, {8190, 630}, {7605, 1830}, {8445, 1710}, {7590, 2460}, {8430, 2340}},
        {2, {6240, 4200}, 2025, 1215, {7140, 210}, {6555, 1410}, {7395, 1290}, {6540, 2040}, {7380, 1920}},
        {3, {6240, 4200}, 2025, 1215, {7035, 210}, {6450, 1410}, {7290, 1290}, {6435, 2040}, {7275, 1920}},
        {4, {4800, 3720}, 2025, 1215, {7980, 210}, {7395, 1410}, {8235, 1290}, {7380, 2040}, {8220, 1920}},
        {5, {5400, 3600}, 2025, 1215, {7875, 210}, {7290, 1410}, {8130, 1290}, {7275, 2040}, {8115, 1920}},
        {6, {5880, 4200}, 2025, 1215, {6720, 210}, {6135, 1410}, {6975, 1290}, {6120, 2040}, {6960, 1920}},
        {7, {5760, 4200}, 2025, 1215, {6930, 210}, {6345, 1410}, {7185, 1290}, {6330, 2040}, {7170, 1920}},
        {8, {5880, 4080}, 2025, 1215, {7875, 105}, {7290, 1305}, {8130, 1185}, {7275, 1935}, {8115, 1815}},
        {9, {4800, 3720}, 2025, 1215, {7875, 105}, {7290, 1305}, {8130, 1185}, {7275, 1935}, {8115, 1815}},
        {10, {5640, 3840}, 1905, 975, {8190, 525}, {7605, 1725}, {8445, 1605}, {7590, 2355}, {8430, 2235}},
        {11, {6600, 3840}, 2025, 1215, {7980, 420}, {7395, 1620}, {8235, 1500}, {7380, 2250}, {8220, 2130}},
        {12, {6240, 4320}, 2025, 1215, {7560, 315}, {6975, 1515}, {7815, 1395}, {6960, 2145}, {7800, 2025}},
        {13, {5160, 3840}, 2025, 1215, {8190, 315}, {7605, 1515}, {8445, 1395}, {7590, 2145}, {8430, 2025}},
        {14, {6840, 4560}, 2025, 855, {420, 105}, {5190, 360}, {6030, 240}, {7170, 255}, {8010, 135}},
        {15, {5760, 3840}, 2025, 1215, {8085, 210}, {7500, 1410}, {8340, 1290}, {7485, 2040}, {8325, 1920}},
        {16, {7320, 3720}, 2025, 1215, {7980, 420}, {7395, 1620}, {8235, 1500}, {7380, 2250}, {8220, 2130}},
        {17, {6240, 4320}, 2025, 1215, {7350, 210}, {6765, 1410}, {7605, 1290}, {6750, 2040}, {7590, 1920}},
    };
    auto riga = [](const auto& r, double scala) {
        const bool label2 = r.form == 8 || r.form == 14 || r.form == 16;
        QTest::addRow("Form%d at %g", r.form, scala)
            << r.form << QRect(r.av[0], r.av[1], r.avW, r.avH) << QPoint(r.ic[0], r.ic[1])
            << QPoint(r.es[0], r.es[1]) << QPoint(r.ees[0], r.ees[1]) << QPoint(r.er[0], r.er[1])
            << QPoint(r.eer[0], r.eer[1]) << (label2 ? QStringLiteral("Label2") : QStringLiteral("Label4")) << scala;
    };
    for (const auto& r : righe)
        riga(r, 1);
    riga(righe[13], 2);   // Form14
    riga(righe[0], 2.5);
    // Scale 0: F11, the whole screen, whichever the screen the test runs on.
    riga(righe[0], 0);
    riga(righe[13], 0);
}

void TestDisposizione::cornice()
{
    QFETCH(int, form);
    QFETCH(QRect, avanti);
    QFETCH(QPoint, icone);
    QFETCH(QPoint, esatti);
    QFETCH(QPoint, etichettaEsatti);
    QFETCH(QPoint, errati);
    QFETCH(QPoint, etichettaErrati);
    QFETCH(QString, nomeErrati);
    QFETCH(double, scala);
    Contesto& contesto = programma->applicazione.contesto();
    SoloCornice w(contesto, navigazione, form);
    Interfaccia::mostra(&w);
    // The window opens wholly inside the screen's work area, in its middle.
    const QRect lavoro = w.screen()->availableGeometry();
    const QRect aperta = w.frameGeometry();
    QVERIFY2(lavoro.contains(aperta) && (lavoro.center() - aperta.center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(aperta.x()).arg(aperta.y()).arg(aperta.width()).arg(aperta.height())));
    QWidget* sfondo = controllo(&w, QStringLiteral("sfondo"));
    QPoint margine;
    bool intero = scala == 0;
    const auto indietro = qScopeGuard([&w, &intero] {
        if (intero)
            QTest::keyClick(&w, Qt::Key_F11);   // back, for the rows that follow
    });
    if (!intero) {
        Interfaccia::impostaScala(&w, scala);
        QCOMPARE(sfondo->size(), area({10305, 7695}, scala));
    } else {
        // F11: the largest scale at which the layout fits the screen below
        // the menu bar, in proportion; the client area fills the rest of the
        // screen, the layout in its middle. Moved by the pupil first.
        w.move(lavoro.topLeft() + QPoint(10, 20));
        QTest::keyClick(&w, Qt::Key_F11);
        QVERIFY(w.isFullScreen());
        scala = Interfaccia::scala(&w);
        const QSize schermo = w.screen()->geometry().size();
        const int barra = w.menuBar()->height();
        const QSize disegno = area({10305, 7695}, scala);
        QCOMPARE(QSize(sfondo->width(), barra + sfondo->height()), schermo);
        QVERIFY2(disegno.width() <= schermo.width() && barra + disegno.height() <= schermo.height(),
                 qPrintable(QStringLiteral("scale %1").arg(scala)));
        QVERIFY2(disegno.width() >= schermo.width() - 1 || barra + disegno.height() >= schermo.height() - 1,
                 qPrintable(QStringLiteral("scale %1").arg(scala)));
        margine = QPoint((schermo.width() - disegno.width()) / 2, (schermo.height() - barra - disegno.height()) / 2);
    }
    QCOMPARE(w.objectName(), QStringLiteral("Form%1").arg(form));
    QVERIFY(!w.windowIcon().isNull());

    confronta(&w, {"BottoneAvanti", "avanti", avanti, Arial, 14.25, true, scala, margine});
    for (const char* faccia : {"ComandoIconaSi", "ComandoIconaNo"}) {
        // No caption: the program's font at every scale; the picture grows.
        confronta(&w, {faccia, "", QRect(icone, QSize(855, 750)), QApplication::font().family(),
                       QApplication::font().pointSizeF() / scala, QApplication::font().bold(), scala, margine});
        QCOMPARE(controllo<QToolButton>(&w, faccia)->iconSize(), QSize(32, 32) * scala);
    }
    confronta(&w, {"Label1", "Esatti", QRect(esatti, QSize(735, 375)), Arial, 12, true, scala, margine});
    confronta(&w, {nomeErrati, "Errati", QRect(errati, QSize(735, 495)), Arial, 12, true, scala, margine});
    confronta(&w, {"EtichettaEsatti", "0", QRect(etichettaEsatti, QSize(975, 615)), Arial, 18, true, scala, margine});
    confronta(&w, {"EtichettaErrati", "0", QRect(etichettaErrati, QSize(855, 615)), Arial, 18, true, scala, margine});
    // The menu bar's text grows with the window.
    QCOMPARE(w.menuBar()->font().pointSizeF(), QApplication::font().pointSizeF() * scala);
    // Before the first answer only the sad face shows; "avanti" is hidden until the start-up.
    QVERIFY(controllo(&w, QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!controllo(&w, QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(!controllo(&w, QStringLiteral("BottoneAvanti"))->isEnabled());
    if (intero) {
        // F11 again: back where it stood, at scale 1.
        intero = false;
        QTest::keyClick(&w, Qt::Key_F11);
        QVERIFY(!w.isFullScreen());
        QCOMPARE(w.frameGeometry(), aperta.translated(lavoro.topLeft() + QPoint(10, 20) - aperta.topLeft()));
    }
}

void TestDisposizione::barraDeiMenu_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("spazi");
    for (int form : {1, 3, 4, 6, 11, 12, 15})
        QTest::addRow("Form%d", form) << form << 10;
    for (int form : {2, 5, 7, 8, 10, 13, 14, 16, 17})
        QTest::addRow("Form%d", form) << form << 11;
    QTest::newRow("Form9") << 9 << 9;
}

void TestDisposizione::barraDeiMenu()
{
    QFETCH(int, form);
    QFETCH(int, spazi);
    SoloCornice w(programma->applicazione.contesto(), navigazione, form);
    QStringList voci, nomi;
    for (QAction* a : w.menuBar()->actions()) {
        voci.append(a->text());
        nomi.append(a->objectName());
    }
    QCOMPARE(voci, (QStringList{QStringLiteral("Azzera conteggio") + QString(10, u' '),
                                QStringLiteral("Suono?") + QString(10, u' '),
                                QStringLiteral("Informazioni") + QString(spazi, u' '), QStringLiteral("Esci")}));
    QCOMPARE(nomi, (QStringList{"MenuAzzera", "mnuSuono", "MenuInformazioni", "mnuesci"}));
    auto* suono = w.findChild<QMenu*>(QStringLiteral("mnuSuono"));
    QStringList sottovoci;
    for (QAction* a : suono->actions()) {
        sottovoci.append(a->objectName() + u'=' + a->text());
        // Check marks, not the dots of a choice among options.
        QVERIFY(a->isCheckable());
        QVERIFY(!a->actionGroup() || !a->actionGroup()->isExclusive());
    }
    QCOMPARE(sottovoci, (QStringList{"mnuSuonoSi=sì", "mnuSuonoNo=no"}));
    QVERIFY(w.findChild<QAction*>(QStringLiteral("mnuSuonoSi"))->isChecked());
    QVERIFY(!w.findChild<QAction*>(QStringLiteral("mnuSuonoNo"))->isChecked());
}

void TestDisposizione::dueScelte_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<Atteso>("bottone1");
    QTest::addColumn<Atteso>("bottone2");
    const struct {
        int form;
        const char* b1;
        const char* b2;
        int s1, s2, larghezza;
        double punti;
    } righe[] = {
        {1, "femminile", "maschile", 360, 3960, 2535, 24},
        {5, "singolare", "plurale", 360, 3960, 2535, 24},
        {9, "concreto", "astratto", 360, 3960, 2535, 24},
        {10, "proprio", "comune", 360, 3960, 2535, 24},
        {4, "maschile/femminile veri", "maschile/femminile falsi", 210, 3570, 3165, 15.75},
        {15, "alterato vero", "alterato falso", 525, 3780, 2535, 15.75},
    };
    for (const auto& r : righe) {
        QTest::addRow("Form%d", r.form)
            << r.form << Atteso{"Bottone1", r.b1, {r.s1, 2520, r.larghezza, 855}, Arial, r.punti, true}
            << Atteso{"Bottone2", r.b2, {r.s2, 2520, r.larghezza, 855}, Arial, r.punti, true};
    }
}

void TestDisposizione::dueScelte()
{
    QFETCH(int, form);
    QFETCH(Atteso, bottone1);
    QFETCH(Atteso, bottone2);
    std::unique_ptr<FinestraAScelta> finestra(finestraDueScelte(programma->applicazione.contesto(), navigazione, *configDueScelte(form)));
    FinestraAScelta& w = *finestra;
    QVERIFY(!w.carica());
    w.show();
    QCOMPARE(w.objectName(), QStringLiteral("Form%1").arg(form));
    confronta(&w, {"Text1", QString(), {120, 240, 6855, 1455}, Arial, 27.75, true});
    confronta(&w, bottone1);
    confronta(&w, bottone2);
    QVERIFY(controllo<QLineEdit>(&w, QStringLiteral("Text1"))->isReadOnly());
    QCOMPARE(controllo(&w, QStringLiteral("Bottone1"))->nextInFocusChain(), controllo(&w, QStringLiteral("Bottone2")));
}

void TestDisposizione::scritte_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<Atteso>("istruzione");
    QTest::addColumn<int>("sinistraRisposta");
    QTest::addColumn<QPoint>("aiuto");
    const struct {
        int form;
        const char* istruzione;
        int larghezza, risposta, aiutoX, aiutoY;
    } righe[] = {
        {2, "Volgi al femminile", 2955, 600, 2040, 4080},
        {3, "Volgi al maschile", 2955, 630, 2760, 4080},
        {6, "Volgi al plurale", 2955, 630, 1920, 4200},
        {7, "Volgi al singolare", 2955, 630, 2280, 4200},
        {11, "Questa parola deriva da", 4530, 630, 3360, 3840},
        {12, "Questa parola è alterata di......", 4530, 630, 2160, 4305},
    };
    for (const auto& r : righe) {
        QTest::addRow("Form%d", r.form) << r.form
                                        << Atteso{"Label3", QString::fromUtf8(r.istruzione),
                                                  {630, 210, r.larghezza, 540}, Arial, 14.25, true}
                                        << r.risposta << QPoint(r.aiutoX, r.aiutoY);
    }
}

void TestDisposizione::scritte()
{
    QFETCH(int, form);
    QFETCH(Atteso, istruzione);
    QFETCH(int, sinistraRisposta);
    QFETCH(QPoint, aiuto);
    FinestraScritta w(programma->applicazione.contesto(), navigazione, *configScritta(form));
    w.show();
    QCOMPARE(w.objectName(), QStringLiteral("Form%1").arg(form));
    confronta(&w, istruzione);
    confronta(&w, {"Text1", "", {630, 1155, 4965, 1035}, Arial, 24, true});   // empty until its first word
    confronta(&w, {"Text2", "", {sinistraRisposta, 2310, 4965, 1035}, Arial, 24, true});
    confronta(&w, {"SSCommand1", "Aiutami", {aiuto.x(), aiuto.y(), 2160, 1185}, Arial, 27.75, false});
    // The light cyan of the instruction reads 2:1 on the design colour, orange, and gives way to black.
    QCOMPARE(controllo(&w, QStringLiteral("Label3"))->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!controllo(&w, QStringLiteral("Label3"))->autoFillBackground());
    QVERIFY(controllo<QLineEdit>(&w, QStringLiteral("Text1"))->isReadOnly());
    QCOMPARE(controllo(&w, QStringLiteral("Text1"))->focusPolicy(), Qt::TabFocus);
    auto* bottone = controllo<QToolButton>(&w, QStringLiteral("SSCommand1"));
    QCOMPARE(bottone->iconSize(), QSize(32, 32));
    QCOMPARE(bottone->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!bottone->icon().isNull());
    // What Tab goes through from the answer: help and "avanti" last.
    QWidget* risposta = controllo(&w, QStringLiteral("Text2"));
    QStringList tab;
    for (QWidget* x = risposta; tab.size() < 20; x = x->nextInFocusChain()) {
        if (x->focusPolicy() & Qt::TabFocus)
            tab.append(x->objectName());
        if (x->nextInFocusChain() == risposta)
            break;
    }
    QCOMPARE(tab, (QStringList{"Text2", "Text1", "SSCommand1", "BottoneAvanti"}));
}

void TestDisposizione::treScelteEGriglia_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<Atteso>>("controlli");
    const QString sansSerif = Interfaccia::carattereSansSerif().family();
    QTest::newRow("Form13") << 13
                            << QList<Atteso>{{"Text1", "Text1", {120, 240, 6855, 1455}, Arial, 27.75, true},
                                             {"Bottone1", "primitivo", {105, 2625, 2535, 855}, Arial, 24, true},
                                             {"Command1", "derivato", {2730, 2625, 2535, 855}, Arial, 24, true},
                                             {"Bottone2", "alterato", {5355, 2625, 2535, 855}, Arial, 24, true}};
    QTest::newRow("Form8")
        << 8
        << QList<Atteso>{
               {"Label3", "Clicca nella casella esatta", {105, 210, 4320, 435}, Arial, 14.25, true},
               {"Text1", "", {1155, 630, 4545, 645}, Arial, 24, true},   // empty until its first word
               {"Label4", "maschile" + QString(19, u' ') + "femminile", {1260, 1785, 3480, 225}, sansSerif, 8.25, true},
               {"Label5", "singolare", {105, 2940, 855, 330}, sansSerif, 8.25, true},
               {"Label6", "plurale", {315, 4305, 645, 330}, sansSerif, 8.25, true},
               {"Label7", "", {945, 1995, 1800, 1695}, Arial, 14.25, true},
               {"Label8", "", {2730, 1995, 1800, 1695}, Arial, 14.25, true},
               {"Label9", "", {945, 3675, 1800, 1695}, Arial, 14.25, true},
               {"Label10", "", {2730, 3675, 1800, 1695}, Arial, 14.25, true}};
    QTest::newRow("Form8 at 2")
        << 8
        << QList<Atteso>{
               {"Text1", "", {1155, 630, 4545, 645}, Arial, 24, true, 2},
               {"Label4", "maschile" + QString(19, u' ') + "femminile", {1260, 1785, 3480, 225}, sansSerif, 8.25, true, 2},
               {"Label10", "", {2730, 3675, 1800, 1695}, Arial, 14.25, true, 2}};
}

void TestDisposizione::treScelteEGriglia()
{
    QFETCH(int, form);
    QFETCH(QList<Atteso>, controlli);
    std::unique_ptr<QWidget> w(form == 13 ? static_cast<QWidget*>(finestraTreScelte(programma->applicazione.contesto(), navigazione))
                                          : new FinestraGriglia(programma->applicazione.contesto(), navigazione));
    w->show();
    Interfaccia::impostaScala(w.get(), controlli.first().scala);
    QCOMPARE(w->objectName(), QStringLiteral("Form%1").arg(form));
    for (const Atteso& a : controlli)
        confronta(w.get(), a);
    if (form == 13) {
        QCOMPARE(controllo(w.get(), QStringLiteral("Bottone1"))->nextInFocusChain(), controllo(w.get(), QStringLiteral("Command1")));
        return;
    }
    // Black: the light cyan reads 2:1 on the design colour, orange.
    QCOMPARE(controllo(w.get(), QStringLiteral("Label3"))->palette().color(QPalette::WindowText), QColor(Qt::black));
    for (const char* nome : {"Label7", "Label8", "Label9", "Label10"}) {
        auto* casella = controllo<QLabel>(w.get(), QString::fromLatin1(nome));
        QCOMPARE(casella->frameShape(), QFrame::Box);
        QCOMPARE(casella->grab().toImage().pixelColor(casella->width() / 2, casella->height() / 2), QColor(Qt::white));
    }
    for (const char* nome : {"Label3", "Label4", "Label5", "Label6"})
        QVERIFY(!controllo(w.get(), QString::fromLatin1(nome))->autoFillBackground());
}

QTEST_MAIN(TestDisposizione)
#include "test_disposizione.moc"
