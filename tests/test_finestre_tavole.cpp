// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The three boards as the pupil meets them, opened from the menu: their
// controls as laid out, drops on the real target boxes, clicks on the nine
// words, the ends of boards, and a list that cannot fill a board.

#include "comune/interfaccia.h"
#include "drills/arrangement/cataloga.h"
#include "elenchi_tavole.h"
#include "frame/controlli.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "supporto_finestre.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>

// How a word is moved onto a box: dropped as a drag drops it, picked up and
// put down with the keyboard alone, or clicked and then the box clicked.
enum class Modo { Trascina, Tasti, Clic };
Q_DECLARE_METATYPE(Modo)

namespace {

struct Controllo {
    QString nome;
    QString testo;   // null: not checked
    QRect posto;     // twips
    double punti;
    bool arial;      // Arial, or the window font MS Sans Serif
};

QColor dellaTavolozza(int k)
{
    return Interfaccia::colore(Colori::tavolozza()[static_cast<std::size_t>(k)]);
}

QColor sfondoCasella(QWidget* w, const QString& nome)
{
    return controllo(w, nome)->palette().color(QPalette::Window);
}

QColor testoEtichetta(QWidget* w, const QString& nome)
{
    return controllo(w, nome)->palette().color(QPalette::WindowText);
}

// Rows of each way, named after `nome`, in a column "modo".
void treModi(const char* nome, const std::function<void(QTestData&)>& resto = {})
{
    for (auto [modo, parola] : {std::pair{Modo::Trascina, "drag"}, {Modo::Tasti, "keys"}, {Modo::Clic, "clicks"}}) {
        QTestData& riga = QTest::addRow("%s%s", nome, parola) << modo;
        if (resto)
            resto(riga);
    }
}

// The controls of the window that take a drop.
QStringList bersagli(QWidget* w)
{
    QStringList nomi;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c->acceptDrops())
            nomi.append(c->objectName());
    }
    nomi.sort();
    return nomi;
}

// The menu button of each board.
QString bottone(int form)
{
    return form == 14 ? QStringLiteral("Command14") : QStringLiteral("Command%1").arg(form + 1);
}

QStringList nomi(const char* nome, int quanti)
{
    QStringList elenco;
    for (int i = 0; i < quanti; ++i)
        elenco.append(Controlli::nomeElemento(nome, i));
    return elenco;
}

} // namespace

Q_DECLARE_METATYPE(Controllo)

class TestFinestreTavole : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void disposizione_data();
    void disposizione();
    void cataloga_data();
    void cataloga();
    void collettivi_data();
    void collettivi();
    void composti_data();
    void composti();
    void tavolaImpossibile_data();
    void tavolaImpossibile();

private:
    // Opens exercise `form` from the menu, with the draws of its start-up.
    QWidget* apri(int form, bool attendi = true);
    // The drag box `sorgente` moved onto the box `bersaglio` in this row's
    // way: false when the word cannot be taken (an empty, disabled box).
    bool lascia(QWidget* w, const QString& sorgente, const QString& bersaglio);
    // "avanti" pressed, by a click or by Space where it has the focus.
    void avanti(QWidget* w);

    Modo modo = Modo::Trascina;

    std::unique_ptr<ProgrammaDiProva> programma;
    Risponditore risponditore;
    Sorvegliante sorvegliante;
};

void TestFinestreTavole::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFinestreTavole::init()
{
    programma = std::make_unique<ProgrammaDiProva>(QList<float>{0.0f, 0.0f});
    scriviElenchiTavole(programma->cartella);
    programma->applicazione.avvia();
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
}

void TestFinestreTavole::cleanup()
{
    programma.reset();
}

QWidget* TestFinestreTavole::apri(int form, bool attendi)
{
    QWidget* menu = finestra(QStringLiteral("FormMenu"));
    if (!attendi)
        clicca(menu, QStringLiteral("Option1_0"));
    clicca(menu, bottone(form));
    auto* f = qobject_cast<FinestraEsercizio*>(finestra(QStringLiteral("Form%1").arg(form)));
    // Form14 starts once it is active.
    if (!f || !QTest::qWaitFor([f] { return f->esercizio().avviato(); }))
        return nullptr;
    return f;
}

bool TestFinestreTavole::lascia(QWidget* w, const QString& sorgente, const QString& bersaglio)
{
    auto* casella = controllo<CasellaBersaglio>(w, bersaglio);
    auto* parola = controllo<CasellaTrascinabile>(w, sorgente);
    if (!casella || !parola)
        return false;
    switch (modo) {
    case Modo::Trascina:
        return casella->ricevi(parola);
    case Modo::Tasti:
        // A word not placed stays picked up: it is not picked up again. A
        // disabled box takes no focus. The keys are held down a while, as a
        // child's finger does: each is one press.
        if (!parola->isEnabled())
            return false;
        if (!parola->presa() && (!portaFuoco(w, sorgente) || (tieniPremuto(w, Qt::Key_Space), !parola->presa())))
            return false;
        if (!portaFuoco(w, bersaglio))
            return false;
        tieniPremuto(w, Qt::Key_Return);
        return true;
    case Modo::Clic:
        if (!parola->presa())
            clicca(w, sorgente);
        if (!parola->presa())
            return false;
        clicca(w, bersaglio);
        return true;
    }
    return false;
}

void TestFinestreTavole::avanti(QWidget* w)
{
    if (modo == Modo::Tasti) {
        QCOMPARE(fuocoDi(w), QStringLiteral("BottoneAvanti"));
        pausaDelVerdetto();
        premi(w, Qt::Key_Space);
    } else {
        clicca(w, QStringLiteral("BottoneAvanti"));
    }
}

void TestFinestreTavole::disposizione_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<Controllo>("atteso");
    // Where Left, Right, Up and Down take the focus from this box ("": it stays).
    QTest::addColumn<QStringList>("frecce");
    QTest::newRow("14 Label4") << 14 << Controllo{"Label4", "casetta", {1995, 525, 2325, 435}, 14.25, true}
                               << QStringList{"Label6_0", "Label7_0", "", "Label6_0"};
    for (int c = 0; c < 3; ++c) {
        const int sinistra = 1365 + 2415 * c;
        QTest::addRow("14 Label5(%d)", c)
            << 14 << Controllo{Controlli::nomeElemento("Label5", c), QString(), {sinistra, 1155, 2325, 435}, 14.25, true}
            << QStringList();
        // The grid of boxes: along its rows and columns, and up from the
        // top row to the word, which is nearer than the next column across
        // from Label6_0 but lies more across than along.
        auto casella = [](int colonna, int tipo) {
            if (colonna < 0 || colonna > 2 || tipo < 0 || tipo > 3)
                return QString(tipo < 0 ? "Label4" : "");
            return Controlli::nomeElemento(colonna == 0 ? "Label6" : colonna == 1 ? "Label7" : "Label8", tipo);
        };
        for (int t = 0; t < 4; ++t) {
            QTest::addRow("14 %s", qPrintable(casella(c, t)))
                << 14 << Controllo{casella(c, t), "", {sinistra, 1890 + 630 * t, 2325, 435}, 14.25, true}
                << QStringList{casella(c - 1, t), casella(c + 1, t), casella(c, t - 1), casella(c, t + 1)};
        }
    }
    QTest::newRow("14 Label10") << 14 << Controllo{"Label10", "primitiva", {420, 1260, 750, 225}, 8.25, false} << QStringList();
    QTest::newRow("14 Label11") << 14 << Controllo{"Label11", "diminutivo", {315, 1995, 960, 225}, 8.25, false} << QStringList();
    QTest::newRow("14 Label12") << 14 << Controllo{"Label12", "accrescitivo", {105, 2625, 1065, 225}, 8.25, false} << QStringList();
    QTest::newRow("14 Label13") << 14 << Controllo{"Label13", "vezzeggiativo", {0, 3255, 1275, 225}, 8.25, false} << QStringList();
    QTest::newRow("14 Label14") << 14 << Controllo{"Label14", "dispregiativo", {105, 3885, 1170, 225}, 8.25, false} << QStringList();

    QTest::newRow("16 Label5") << 16 << Controllo{"Label5",
                                                  "Trascina il nome della prima colonna sul corrispondente della seconda",
                                                  {315, 105, 6420, 225}, 8.25, false} << QStringList();
    QTest::newRow("17 Label5") << 17 << Controllo{"Label5", "Clicca sul nome composto", {315, 105, 4215, 225}, 8.25, false} << QStringList();
    for (int i = 0; i < 9; ++i) {
        // The start-up's shuffle leaves every box in its own place here.
        QTest::addRow("16 Label3(%d)", i) << 16 << Controllo{Controlli::nomeElemento("Label3", i), QString(),
                                                             {315, 420 + 630 * i, 2115, i == 0 ? 380 : 375}, 14.25, true} << QStringList();
        QTest::addRow("16 Label4(%d)", i) << 16 << Controllo{Controlli::nomeElemento("Label4", i), QString(),
                                                             {2835, 420 + 630 * i, 4005, 375}, 11.25, true} << QStringList();
        QTest::addRow("17 Label3(%d)", i) << 17 << Controllo{Controlli::nomeElemento("Label3", i), QString(),
                                                             {1995, 420 + 630 * i, 3000, 375}, 14.25, true} << QStringList();
    }
}

void TestFinestreTavole::disposizione()
{
    QFETCH(int, form);
    QFETCH(Controllo, atteso);
    QFETCH(QStringList, frecce);
    if (form == 14)
        primaTavola(programma->casuale);
    else if (form == 16)
        programma->casuale.aggiungi({0.0f, per(1, 10), per(2, 10), per(3, 10), per(4, 10), per(5, 10), per(6, 10),
                                     per(7, 10), per(8, 10), per(9, 10)});
    QWidget* f = apri(form);
    QVERIFY(f);
    auto* c = controllo<QLabel>(f, atteso.nome);
    QVERIFY2(c, qPrintable(atteso.nome));
    const QRect g = inTwip(c->geometry());
    QVERIFY2(aPosto(c, atteso.posto),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
    if (!atteso.testo.isNull())
        QCOMPARE(c->text(), atteso.testo);
    QCOMPARE(c->font().family(), atteso.arial ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"));
    QCOMPARE(c->font().pointSizeF(), atteso.punti);
    QVERIFY(c->font().bold());
    // Boxes are opaque with a border, text centred; captions are transparent.
    QCOMPARE(c->autoFillBackground(), atteso.arial);
    QCOMPARE(c->frameShape(), atteso.arial ? QFrame::Box : QFrame::NoFrame);
    if (!frecce.isEmpty()) {
        QStringList dove;
        for (Qt::Key tasto : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            QVERIFY(portaFuoco(f, atteso.nome));
            premi(f, tasto);
            dove.append(fuocoDi(f) == atteso.nome ? QString() : fuocoDi(f));
        }
        QCOMPARE(dove, frecce);
    }
    if (atteso.arial) {
        QCOMPARE(c->alignment(), Qt::AlignCenter);
        const bool giallo = atteso.nome.startsWith(QStringLiteral("Label5"));
        QCOMPARE(sfondoCasella(f, atteso.nome), giallo ? QColor(255, 255, 128) : QColor(Qt::white));
    } else {
        QCOMPARE(testoEtichetta(f, atteso.nome), QColor(Qt::black));
    }
}

void TestFinestreTavole::cataloga_data()
{
    QTest::addColumn<Modo>("modo");
    treModi("");
}

void TestFinestreTavole::cataloga()
{
    QFETCH(Modo, modo);
    this->modo = modo;
    primaTavola(programma->casuale);
    Ascolto ascolto(true);
    QWidget* f = apri(14);
    QVERIFY(f);
    // The boxes are named by the first board, which comes once the window is
    // shown: a screen reader that met them nameless is told.
    QVERIFY(ascolto.prendi().contains(QStringLiteral("name: diminutivo di libro")));
    QCOMPARE(bersagli(f), nomi("Label6", 4) + nomi("Label7", 4) + nomi("Label8", 4));
    QCOMPARE(testoDi(f, "Label5_0") + testoDi(f, "Label5_1") + testoDi(f, "Label5_2"),
             QStringLiteral("casalibronaso"));
    QCOMPARE(sfondoDi(f), dellaTavolozza(5));
    // The boxes by their row and column, the word by what it is.
    QCOMPARE(nomeDi(controllo(f, "Label7_0")), QStringLiteral("diminutivo di libro"));
    QCOMPARE(nomeDi(controllo(f, "Label4")), QStringLiteral("Parola da collocare: casetta"));
    QCOMPARE(fuocoDi(f), QStringLiteral("Label4"));
    if (modo == Modo::Tasti) {
        // Escape puts a word back, and asks nothing; with nothing picked up
        // it is the window's: back to the menu?
        auto* parola = controllo<CasellaTrascinabile>(f, "Label4");
        premi(f, Qt::Key_Enter);
        QVERIFY(parola->presa());
        premi(f, Qt::Key_Escape);
        QVERIFY(!parola->presa());
        risponditore.rispondi(QStringLiteral("No"));
        premi(f, Qt::Key_Escape);
        QVERIFY(risponditore.risposto);
        QCOMPARE(risponditore.testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(fuocoDi(f), QStringLiteral("Label4"));
        // A box pressed with nothing in the hand says what to do first.
        QVERIFY(portaFuoco(f, QStringLiteral("Label6_0")));
        f->activateWindow();   // where the focus is, as in the active window
        QVERIFY(QTest::qWaitForWindowActive(f));
        ascolto.prendi();
        premi(f, Qt::Key_Return);
        QVERIFY(ascolto.prendi().contains(QStringLiteral("notification: Prima prendi una parola")));
    }

    QVERIFY(lascia(f, "Label4", "Label6_1"));
    QCOMPARE(controllo<CasellaTrascinabile>(f, "Label4")->presa(), modo != Modo::Trascina);   // to try again
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    for (const char* riga : {"Label10", "Label11", "Label12", "Label13", "Label14"})
        QCOMPARE(testoEtichetta(f, riga), QColor(Qt::white));
    QCOMPARE(testoDi(f, "Label4"), QStringLiteral("casetta"));
    QCOMPARE(testoDi(f, "EtichettaErrati"), QStringLiteral(" 1"));

    programma->casuale.aggiungi({0.0f, per(11, 18)});
    ascolto.prendi();
    QVERIFY(lascia(f, "Label4", "Label6_0"));
    // The next word is said once, by the box the focus comes to or stays on
    // (a screen reader says nothing of a new name of a box without the focus).
    const QStringList detti = ascolto.prendi();
    QVERIFY(detti.contains(QStringLiteral("name: Parola da collocare: nasone")));
    QVERIFY2(detti.filter(QStringLiteral("nasone")).size() == (modo == Modo::Tasti ? 2 : 1), qPrintable(detti.join(u'|')));
    QCOMPARE(testoDi(f, "Label6_0"), QStringLiteral("casetta"));
    QCOMPARE(nomeDi(controllo(f, "Label6_0")), QStringLiteral("diminutivo di casa: casetta"));
    QCOMPARE(testoDi(f, "Label4"), QStringLiteral("nasone"));
    QVERIFY(!controllo<CasellaTrascinabile>(f, "Label4")->presa());
    QCOMPARE(fuocoDi(f), QStringLiteral("Label4"));   // back to the next word
    QCOMPARE(sfondoDi(f), dellaTavolozza(11));
    QCOMPARE(testoEtichetta(f, "Label13"), QColor(Qt::black));
    // A click that picks a word up reads it aloud, and so does a click on a
    // box with nothing picked up; keys and drags read nothing.
    if (modo == Modo::Clic)
        clicca(f, "Label6_0");
    QCOMPARE(programma->voce.letti, (modo == Modo::Clic ? QStringList{"casetta", "casetta"} : QStringList()));

    for (const char* casella : {"Label8_1", "Label7_3", "Label7_0", "Label6_3"})
        QVERIFY(lascia(f, "Label4", casella));
    QCOMPARE(testoDi(f, "EtichettaEsatti"), QStringLiteral(" 5"));
    QCOMPARE(testoDi(f, "Label4"), QString());
    QVERIFY(!controllo(f, "Label4")->isEnabled());
    QVERIFY(controllo(f, "BottoneAvanti")->isEnabled());
    QCOMPARE(testoDi(f, "Label6_3"), QStringLiteral("casupola"));
    QVERIFY(!lascia(f, "Label4", "Label6_2"));

    primaTavola(programma->casuale);
    avanti(f);
    QCOMPARE(programma->casuale.rimasti(), 0);
    QVERIFY(controllo(f, "Label4")->isEnabled());
    QCOMPARE(fuocoDi(f), QStringLiteral("Label4"));
    QCOMPARE(testoDi(f, "Label6_3"), QString());
}

void TestFinestreTavole::collettivi_data()
{
    QTest::addColumn<Modo>("modo");
    QTest::addColumn<bool>("attendi");
    treModi("waiting, ", [](QTestData& riga) { riga << true; });
    treModi("automatic, ", [](QTestData& riga) { riga << false; });
}

void TestFinestreTavole::collettivi()
{
    // Pairs 1 to 9 in order; the shuffle puts box 8 at the top and the others below it.
    QFETCH(Modo, modo);
    QFETCH(bool, attendi);
    this->modo = modo;
    programma->cartella.scrivi(QStringLiteral("collettivi.txt"),
                               QStringLiteral("gregge,pecore\nflotta,navi\nscolaresca,scolari\n"
                                              "\"arcipelago\",isole\nfrutteto,alberi da frutto\n"
                                              "xuno,xdue\nxtre,xquattro\nxcinque,xsei\nxsette,xotto\n"));
    auto tavola = [this] {
        programma->casuale.aggiungi({per(3, 18)});
        for (int k = 1; k <= 9; ++k)
            programma->casuale.aggiungi({per(k, 9)});
        for (int j = 0; j < 9; ++j)
            programma->casuale.aggiungi({per(9, 9)});
    };
    // The sentence of a match fits its box.
    auto entra = [](QWidget* w, const QString& nome) {
        auto* casella = controllo<QLabel>(w, nome);
        return casella->fontMetrics().horizontalAdvance(casella->text()) <= casella->contentsRect().width();
    };
    tavola();
    QWidget* f = apri(16, attendi);
    QVERIFY(f);
    QCOMPARE(programma->casuale.rimasti(), 0);
    QCOMPARE(bersagli(f), nomi("Label4", 9));
    QVERIFY(aPosto(controllo(f, "Label3_8"), QRect(315, 420, 2115, 375)));
    QVERIFY(aPosto(controllo(f, "Label3_0"), QRect(315, 1050, 2115, 380)));
    QVERIFY(aPosto(controllo(f, "Label3_4"), QRect(315, 3570, 2115, 375)));
    QCOMPARE(testoDi(f, "Label3_2"), QStringLiteral("scolaresca"));
    QCOMPARE(testoDi(f, "Label4_4"), QStringLiteral("alberi da frutto"));

    QVERIFY(lascia(f, "Label3_1", "Label4_2"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    QCOMPARE(testoDi(f, "Label3_1"), QStringLiteral("flotta"));
    QCOMPARE(testoDi(f, "Label4_2"), QStringLiteral("scolari"));
    QCOMPARE(testoEtichetta(f, "Label5"), QColor(Qt::white));   // the instruction reads on black

    programma->casuale.aggiungi({0.0f, per(6, 18)});
    QVERIFY(lascia(f, "Label3_4", "Label4_4"));
    QCOMPARE(testoDi(f, "Label4_4"), QStringLiteral(" un insieme di alberi da frutto -> frutteto"));
    QCOMPARE(nomeDi(controllo(f, "Label4_4")), QStringLiteral("un insieme di alberi da frutto: frutteto"));
    QCOMPARE(fuocoDi(f), QStringLiteral("Label3_8"));   // the first word left, from the top
    QVERIFY(entra(f, "Label4_4"));   // smaller, to be read whole
    QVERIFY(controllo(f, "Label4_4")->font().pointSizeF() < 11.25);
    const double adattato = controllo(f, "Label4_4")->font().pointSizeF();
    // At another scale the shuffled boxes stay in their places, and the
    // sentence is fitted to its box again (scaling the fitted font would
    // cut it at this scale).
    const double scala = 2.05;
    Interfaccia::impostaScala(f, scala);
    QVERIFY(aPosto(controllo(f, "Label3_8"), perScala({315, 420, 2115, 375}, scala)));
    QVERIFY(aPosto(controllo(f, "Label3_0"), perScala({315, 1050, 2115, 380}, scala)));
    QVERIFY(entra(f, "Label4_4"));
    QVERIFY(controllo(f, "Label4_4")->font().pointSizeF() < 11.25 * scala);
    // A font set once the scale changed grows with it too, within a step or two of the fitting.
    QVERIFY(controllo(f, "Label4_4")->font().pointSizeF() > adattato * scala * 0.8);
    Interfaccia::impostaScala(f, 1);
    QCOMPARE(testoDi(f, "Label3_4"), QString());
    QVERIFY(!controllo(f, "Label3_4")->isEnabled());
    QVERIFY(!lascia(f, "Label3_4", "Label4_4"));
    if (modo == Modo::Tasti) {
        // The arrows pass over the matched noun, between Label3_3 and Label3_5.
        QVERIFY(portaFuoco(f, "Label3_3"));
        premi(f, Qt::Key_Down);
        QCOMPARE(fuocoDi(f), QStringLiteral("Label3_5"));
        // Ctrl+L reads the box of the second column that has the focus.
        QVERIFY(portaFuoco(f, "Label4_4"));
        programma->voce.letti.clear();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(programma->voce.letti, QStringList{"un insieme di alberi da frutto, frutteto"});
    }
    QCOMPARE(sfondoDi(f), dellaTavolozza(6));
    for (int i : {0, 1, 2, 3, 5, 6, 7, 8}) {
        // The last word picked up by keys, then dragged by the mouse.
        if (i == 8 && modo == Modo::Trascina) {
            QVERIFY(portaFuoco(f, "Label3_8"));
            premi(f, Qt::Key_Space);
            QVERIFY(controllo<CasellaTrascinabile>(f, "Label3_8")->presa());
        }
        QVERIFY(lascia(f, Controlli::nomeElemento("Label3", i), Controlli::nomeElemento("Label4", i)));
        if (i == 8 && !attendi)
            break;
        QVERIFY2(entra(f, Controlli::nomeElemento("Label4", i)), qPrintable(testoDi(f, Controlli::nomeElemento("Label4", i))));
        if (i == 7) {
            programma->casuale.aggiungi({0.0f});   // the sound of the last match
            tavola();
        }
    }
    QCOMPARE(testoDi(f, "EtichettaEsatti"), QStringLiteral(" 9"));
    if (attendi) {
        QCOMPARE(testoDi(f, "Label4_3"), QStringLiteral(" un insieme di isole -> arcipelago"));
        QCOMPARE(testoDi(f, "Label4_2"), QStringLiteral(" un insieme di scolari -> scolaresca"));
        QCOMPARE(controllo(f, "Label4_2")->font().pointSizeF(), 11.25);
        QVERIFY(controllo(f, "BottoneAvanti")->isEnabled());
        for (const QString& nome : nomi("Label3", 9))
            QVERIFY(!controllo(f, nome)->isEnabled() && testoDi(f, nome).isEmpty());
        avanti(f);
    }
    QCOMPARE(programma->casuale.rimasti(), 0);
    // The new board brings the same words to the same boxes: none is in the hand.
    for (const QString& nome : nomi("Label3", 9))
        QVERIFY2(!controllo<CasellaTrascinabile>(f, nome)->presa(), qPrintable(nome));
    QCOMPARE(testoDi(f, "Label4_3"), QStringLiteral("isole"));
    QCOMPARE(testoDi(f, "Label3_4"), QStringLiteral("frutteto"));
    for (const QString& nome : nomi("Label3", 9))
        QVERIFY(controllo(f, nome)->isEnabled());
    QCOMPARE(sfondoDi(f), dellaTavolozza(3));
}

void TestFinestreTavole::composti_data()
{
    QTest::addColumn<Modo>("modo");
    QTest::addColumn<bool>("attendi");
    for (bool attendi : {true, false}) {
        const char* come = attendi ? "waiting" : "automatic";
        QTest::addRow("%s, clicks", come) << Modo::Clic << attendi;
        QTest::addRow("%s, keys", come) << Modo::Tasti << attendi;
    }
}

void TestFinestreTavole::composti()
{
    // Draws left to 0: "pescespada", five times "casa", three times "pane", in their own places.
    QFETCH(Modo, modo);
    QFETCH(bool, attendi);
    // A word chosen: clicked, or with the focus brought to it by the arrows and Space pressed.
    auto scegli = [modo](QWidget* f, const char* parola) {
        if (modo == Modo::Clic)
            return clicca(f, QString::fromLatin1(parola));
        QVERIFY(portaFuoco(f, QString::fromLatin1(parola), Qt::Key_Down) || portaFuoco(f, QString::fromLatin1(parola), Qt::Key_Up));
        premi(f, Qt::Key_Space);
    };
    this->modo = modo;
    programma->casuale.aggiungi({per(4, 18), per(2, 2)});
    QWidget* f = apri(17, attendi);
    QVERIFY(f);
    QCOMPARE(testoDi(f, "Label3_0"), QStringLiteral("apriscatole"));
    QCOMPARE(testoDi(f, "Label3_8"), QStringLiteral("pane"));
    QVERIFY(bersagli(f).isEmpty());

    QCOMPARE(fuocoDi(f), QStringLiteral("Label3_0"));   // the top of the column
    scegli(f, "Label3_5");
    scegli(f, "Label3_5");
    QCOMPARE(testoDi(f, "EtichettaErrati"), QStringLiteral(" 2"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    QCOMPARE(testoEtichetta(f, "Label5"), QColor(Qt::white));

    programma->casuale.aggiungi({0.0f, per(7, 18), per(1, 2)});
    for (int campo = 0; campo < 16; ++campo)   // records and fields: "casa" and "pane" again
        programma->casuale.aggiungi({0.0f});
    for (int p = 8; p >= 0; --p)
        programma->casuale.aggiungi({per(p + 1, 9)});
    scegli(f, "Label3_0");
    QCOMPARE(testoDi(f, "EtichettaEsatti"), QStringLiteral(" 1"));
    if (attendi) {
        QCOMPARE(sfondoCasella(f, "Label3_0"), QColor(255, 0, 0));
        QCOMPARE(sfondoDi(f), QColor(Qt::black));
        for (const QString& nome : nomi("Label3", 9))
            QVERIFY(!controllo(f, nome)->isEnabled());
        clicca(f, "Label3_0");
        clicca(f, "Label3_1");
        QCOMPARE(programma->stato.contaEsatti + programma->stato.contaErrati, 3);
        avanti(f);
    }
    QCOMPARE(programma->casuale.rimasti(), 0);
    QCOMPARE(testoDi(f, "Label3_0"), QStringLiteral("pescespada"));
    QCOMPARE(sfondoDi(f), dellaTavolozza(7));
    QCOMPARE(testoEtichetta(f, "Label5"), QColor(Qt::black));
    // Place j took the box 8 - j: the column upside down.
    QVERIFY(aPosto(controllo(f, "Label3_8"), QRect(1995, 420, 3000, 375)));
    QVERIFY(aPosto(controllo(f, "Label3_0"), QRect(1995, 5460, 3000, 375)));
    QVERIFY(aPosto(controllo(f, "Label3_4"), QRect(1995, 2940, 3000, 375)));
    QCOMPARE(fuocoDi(f), QStringLiteral("Label3_8"));   // the new top
    for (const QString& nome : nomi("Label3", 9)) {
        QVERIFY(controllo(f, nome)->isEnabled());
        QCOMPARE(sfondoCasella(f, nome), QColor(Qt::white));
    }
}

void TestFinestreTavole::tavolaImpossibile_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("contenuto");
    QTest::newRow("Form14, two nouns") << 14 << "alterati.txt" << "casa,casetta,casona,casina,casaccia\nnaso,nasino,,,\n";
    QTest::newRow("Form16, eight pairs") << 16 << "collettivi.txt" << paroleNumerate("x", 16);
    QTest::newRow("Form17, no compound") << 17 << "composti.txt" << " \n";
}

void TestFinestreTavole::tavolaImpossibile()
{
    QFETCH(int, form);
    QFETCH(QString, file);
    QFETCH(QString, contenuto);
    programma->cartella.scrivi(file, contenuto);
    QWidget* menu = finestra(QStringLiteral("FormMenu"));
    risponditore.rispondi(QStringLiteral("OK"));
    clicca(menu, bottone(form));
    QTRY_VERIFY(risponditore.risposto);
    QVERIFY2(risponditore.testo.contains(QStringLiteral("\"%1\"").arg(file)), qPrintable(risponditore.testo));
    QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QVERIFY(finestra(QStringLiteral("FormMenu")) != menu);
}

QTEST_MAIN(TestFinestreTavole)
#include "test_finestre_tavole.moc"
