// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every exercise window, in both modes, under a long seeded run of what a
// pupil can do: clicks on every control, keys, drops on every box, the menu
// with its message boxes answered. After every event the program must still
// be there with one window open, and the counters must equal the right and
// wrong answers given (heard as sounds) less the help asked for (seen as its
// message box), shown in the labels in the program's number form, and a
// control of the window must have the focus.
//
// LUMERI_EVENTI sets the events per window and mode (10,000 by default).

#include "comune/casuale.h"
#include "comune/informazioni.h"
#include "comune/interfaccia.h"
#include "drills/registro.h"
#include "frame/controlli.h"
#include "frame/cornice.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "supporto_finestre.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {

// Answers every message box as soon as its own loop runs: a question with
// `risposta`, anything else with "OK"; and keeps what each box was.
class Chiuditore : public QObject {
public:
    QList<std::pair<QMessageBox::Icon, QString>> viste;
    QString risposta;

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* scatola = evento->type() == QEvent::Show ? qobject_cast<QMessageBox*>(oggetto) : nullptr;
        if (!scatola)
            return false;
        viste.append({scatola->icon(), scatola->text()});
        const QString bottone = scatola->icon() == QMessageBox::Question ? risposta : QStringLiteral("OK");
        QTimer::singleShot(0, scatola, [scatola, bottone] {
            for (QAbstractButton* b : scatola->buttons()) {
                if (b->text() == bottone)
                    return b->click();
            }
            scatola->reject();   // other buttons than expected: still never left open
        });
        return false;
    }
};

// Ends the program, saying where, when no event has come for 20 s: a hang
// fails at once, not at the test's time-out.
class Guardiano {
public:
    std::atomic<long> battito{0};
    std::atomic<int> form{0};
    std::atomic<bool> attendi{false};

    ~Guardiano()
    {
        fine = true;
        filo.join();
    }

private:
    std::atomic<bool> fine{false};
    std::thread filo{[this] {
        long visto = -1;
        for (int fermo = 0; !fine;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            fermo = battito == visto ? fermo + 1 : 0;
            visto = battito;
            if (fermo == 400) {
                std::fprintf(stderr, "Form%d (%s) hangs at event %ld\n", form.load(),
                             attendi ? "waiting" : "automatic", visto);
                std::abort();
            }
        }
    }};
};

// The offscreen platform says this at every change of a window's fixed size.
QtMessageHandler gestore = nullptr;
void filtra(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (testo != QLatin1String("This plugin does not support propagateSizeHints()"))
        gestore(tipo, contesto, testo);
}

// The keys a pupil presses, the letters apart: the arrows move between the
// boxes, Space and Enter answer, pick up and put down, Escape puts back.
const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 12> tasti = {{
    {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Return, Qt::ShiftModifier},
    {Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier}, {Qt::Key_Up, Qt::NoModifier}, {Qt::Key_Down, Qt::NoModifier},
}};

} // namespace

class TestRobustezza : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { qInfo("%ld events in all", totale); }
    void init();
    void cleanup() { programma.reset(); }
    void finestra_data();
    void finestra();

private:
    FinestraEsercizio* apri();   // from the menu, started; null if it does not open
    QString evento();            // one event; what it was
    void clic();
    void tasto();
    bool lascia();               // false: no box takes drops, a click instead
    void menu();
    void controlla(const QString& evento);
    int caso(int n) { return std::uniform_int_distribution<int>(0, n - 1)(generatore); }

    Chiuditore chiuditore;
    Guardiano guardiano;
    std::unique_ptr<CasualeOrologio> casuale;
    std::unique_ptr<ProgrammaDiProva> programma;
    std::mt19937 generatore;
    int form = 0;
    bool attendi = false;
    int numero = 0;   // of the event
    FinestraEsercizio* f = nullptr;

    // What the counters must be, from the sounds and the help boxes, and
    // whether each label has been written since it was last set to "0".
    int esatti = 0, errati = 0;
    bool scrittoEsatti = false, scrittoErrati = false;
    qsizetype suoniVisti = 0;
    QString aiuto;   // the last answer "Aiutami" gave: typed back at times
    bool azzerato = false, esci = false, uscito = false;   // "Esci" asked, and answered "Sì"
    bool escape = false;   // Escape pressed: it asks, unless a control of the window used it
    int giusti = 0, sbagliati = 0, aiuti = 0, scatole = 0;
    long totale = 0;
};

void TestRobustezza::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(&chiuditore);
    gestore = qInstallMessageHandler(filtra);
}

void TestRobustezza::init()
{
    QFETCH(int, form);
    QFETCH(bool, attendi);
    this->form = form;
    this->attendi = attendi;
    const quint32 seme = 9000u + quint32(form) * 2u + (attendi ? 1u : 0u);
    generatore.seed(seme);
    casuale = std::make_unique<CasualeOrologio>(seme);
    programma = std::make_unique<ProgrammaDiProva>(*casuale);
    // The lists shipped with the program, in place of the small test lists.
    for (QDirIterator i(QStringLiteral(LUMERI_TESTI), {QStringLiteral("*.txt")}); i.hasNext();) {
        const QString copia = QDir(programma->cartella.testi()).filePath(QFileInfo(i.next()).fileName());
        QFile::remove(copia);
        QFile::copy(i.filePath(), copia);
    }
    programma->applicazione.avvia();
    clicca(::finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    giusti = sbagliati = aiuti = scatole = 0;
}

void TestRobustezza::finestra_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("attendi");
    for (const VoceEsercizio& voce : registroEsercizi()) {
        QTest::addRow("Form%d waiting", voce.form) << voce.form << true;
        QTest::addRow("Form%d automatic", voce.form) << voce.form << false;
    }
}

FinestraEsercizio* TestRobustezza::apri()
{
    QWidget* menu = ::finestra(QStringLiteral("FormMenu"));
    if (!menu)
        return nullptr;
    clicca(menu, attendi ? QStringLiteral("Option1_1") : QStringLiteral("Option1_0"));
    clicca(menu, QString::fromLatin1(voceEsercizio(form)->comando));
    auto* aperta = qobject_cast<FinestraEsercizio*>(::finestra(QStringLiteral("Form%1").arg(form)));
    // Some windows start once active, by a queued step after they show.
    if (!aperta || !QTest::qWaitFor([aperta] { return aperta->esercizio().avviato(); }, 5000))
        return nullptr;
    esatti = errati = 0;
    scrittoEsatti = scrittoErrati = false;
    suoniVisti = programma->suoni.suonati.size();
    return aperta;
}

void TestRobustezza::finestra()
{
    bool ok = false;
    const int quanti = qEnvironmentVariableIntValue("LUMERI_EVENTI", &ok);
    const int eventi = ok && quanti > 0 ? quanti : 10000;
    QElapsedTimer orologio;
    orologio.start();
    guardiano.form = form;
    guardiano.attendi = attendi;
    QVERIFY((f = apri()) != nullptr);
    QCOMPARE(programma->stato.attendiBottone, attendi);
    for (numero = 1; numero <= eventi && !QTest::currentTestFailed(); ++numero) {
        ++guardiano.battito;
        chiuditore.viste.clear();
        azzerato = esci = uscito = escape = false;
        const QString detto = evento();
        QCoreApplication::processEvents();
        controlla(detto);
    }
    if (QTest::currentTestFailed())
        return;
    totale += eventi;
    qInfo("Form%d %s: %d events in %lld ms; %d right, %d wrong, %d help, %d message boxes", form,
          attendi ? "waiting" : "automatic", eventi, orologio.elapsed(), giusti, sbagliati, aiuti, scatole);
}

QString TestRobustezza::evento()
{
    const int quale = caso(100);
    if (quale < 50) {
        clic();
        return QStringLiteral("click");
    }
    if (quale < 75) {
        tasto();
        return QStringLiteral("key");
    }
    if (quale < 90)
        return lascia() ? QStringLiteral("drop") : QStringLiteral("click");
    if (quale < 96) {
        // "avanti", where the window waits for it.
        auto* avanti = controllo<QAbstractButton>(f, QStringLiteral("BottoneAvanti"));
        if (avanti->isVisible() && avanti->isEnabled())
            QTest::mouseClick(avanti, Qt::LeftButton);
        return QStringLiteral("avanti");
    }
    menu();
    return QStringLiteral("menu command");
}

void TestRobustezza::clic()
{
    QList<QWidget*> controlli;
    for (QWidget* c : controllo(f, QStringLiteral("sfondo"))->findChildren<QWidget*>()) {
        if (c->isVisible() && c->isEnabled())
            controlli.append(c);
    }
    QWidget* c = controlli.value(caso(int(controlli.size())));
    if (!c)
        return;
    // A left click on a drag box picks its word up, to put it down on a
    // box clicked next; a drag starts only when the pointer moves.
    const bool destro = caso(10) == 0;
    QTest::mouseClick(c, destro ? Qt::RightButton : Qt::LeftButton, {}, QPoint(caso(c->width()), caso(c->height())));
}

void TestRobustezza::tasto()
{
    QWidget* fuoco = QApplication::focusWidget();
    auto* risposta = controllo<QLineEdit>(f, QStringLiteral("Text2"));
    if (!fuoco || fuoco->window() != f)
        fuoco = risposta ? static_cast<QWidget*>(risposta) : f;
    const int quale = caso(25);
    if (quale < 12) {
        QTest::keyClick(fuoco, char('a' + caso(26)));
    } else if (quale < 24) {
        const auto [chiave, modificatori] = tasti[std::size_t(quale - 12)];
        if (chiave == Qt::Key_Escape) {
            escape = true;
            chiuditore.risposta = QStringLiteral("No");
        }
        QTest::keyClick(fuoco, chiave, modificatori);
    } else if (risposta && !aiuto.isEmpty()) {
        // The answer "Aiutami" gave, typed over what the box holds, and sent.
        QTest::keyClick(risposta, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : std::as_const(aiuto))
            QTest::sendKeyEvent(QTest::Click, risposta, Qt::Key(c.toUpper().unicode()), QString(c), {});
        QTest::keyClick(risposta, Qt::Key_Return);
    }
}

bool TestRobustezza::lascia()
{
    const QList<CasellaBersaglio*> bersagli = f->findChildren<CasellaBersaglio*>();
    const QList<CasellaTrascinabile*> sorgenti = f->findChildren<CasellaTrascinabile*>();
    if (bersagli.isEmpty()) {
        clic();
        return false;
    }
    // Now and then something that is no drag box: refused.
    const QObject* sorgente = caso(10) == 0 || sorgenti.isEmpty()
                                  ? static_cast<QObject*>(bersagli.value(caso(int(bersagli.size()))))
                                  : sorgenti.value(caso(int(sorgenti.size())));
    bersagli.value(caso(int(bersagli.size())))->ricevi(sorgente);
    return true;
}

void TestRobustezza::menu()
{
    auto azione = [this](const char* nome) { return f->findChild<QAction*>(QString::fromLatin1(nome)); };
    const int quale = caso(10);
    if (quale < 3) {
        azione("MenuAzzera")->trigger();
        azzerato = true;
    } else if (quale < 5) {
        // Sound off and back on: the sounds are how the test hears the answers.
        azione("mnuSuonoNo")->trigger();
        QVERIFY(azione("mnuSuonoNo")->isChecked() && !azione("mnuSuonoSi")->isChecked());
        azione("mnuSuonoSi")->trigger();
        QVERIFY(azione("mnuSuonoSi")->isChecked() && !azione("mnuSuonoNo")->isChecked());
    } else if (quale < 7) {
        azione("MenuInformazioni")->trigger();
    } else {
        esci = true;
        uscito = quale == 9;
        chiuditore.risposta = uscito ? QStringLiteral("Sì") : QStringLiteral("No");
        azione("mnuesci")->trigger();
    }
}

// The last event's right and wrong answers and help into the counters as
// they must be; then the invariants.
void TestRobustezza::controlla(const QString& evento)
{
    const QString dove = QStringLiteral("Form%1, %2 mode, event %3 (%4)")
                             .arg(form)
                             .arg(attendi ? QStringLiteral("waiting") : QStringLiteral("automatic"))
                             .arg(numero)
                             .arg(evento);
    QVERIFY2(!QApplication::activeModalWidget(), qPrintable(dove));
    if (azzerato) {
        esatti = errati = 0;
        scrittoEsatti = scrittoErrati = false;
    }
    for (const QList<Suono>& suonati = programma->suoni.suonati; suoniVisti < suonati.size(); ++suoniVisti) {
        const bool no = suonati[suoniVisti] == Suono::No;
        int& conto = no ? errati : esatti;
        conto = StatoComune::somma(qint16(conto), 1);
        (no ? scrittoErrati : scrittoEsatti) = true;
        ++(no ? sbagliati : giusti);
    }
    int domande = 0;
    for (const auto& [simbolo, testo] : std::as_const(chiuditore.viste)) {
        ++scatole;
        QVERIFY2(simbolo != QMessageBox::Warning, qPrintable(dove + QStringLiteral(": ") + testo));
        if (simbolo == QMessageBox::Question) {
            ++domande;
        } else if (testo != Informazioni::testo()) {
            // "Aiutami": its answer, and one right answer less.
            aiuto = testo;
            esatti = StatoComune::somma(qint16(esatti), -1);
            scrittoEsatti = true;
            ++aiuti;
        }
    }
    QVERIFY2(domande == (esci ? 1 : 0) || (escape && domande == 1), qPrintable(dove));
    if (uscito) {
        QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
        QCOMPARE(programma->stato.contaEsatti, qint16(0));
        QCOMPARE(programma->stato.contaErrati, qint16(0));
        QVERIFY2((f = apri()) != nullptr, qPrintable(dove));
    }
    QCOMPARE(finestreAperte(), QStringList{f->objectName()});
    // The focus is never lost: a control of the window that can use it has it.
    QWidget* fuoco = f->focusWidget();
    QVERIFY2(fuoco && fuoco->isEnabled() && fuoco->isVisible(), qPrintable(dove));
    const QString etichette =
        testoDi(f, QStringLiteral("EtichettaEsatti")) + u'|' + testoDi(f, QStringLiteral("EtichettaErrati"));
    const QString stato = QStringLiteral(": counted %1 %2, shown %3; made %4 %5")
                              .arg(programma->stato.contaEsatti)
                              .arg(programma->stato.contaErrati)
                              .arg(etichette)
                              .arg(esatti)
                              .arg(errati);
    QVERIFY2(programma->stato.contaEsatti == esatti && programma->stato.contaErrati == errati,
             qPrintable(dove + stato));
    const QString attese = (scrittoEsatti ? Cornice::formaNumero(esatti) : QStringLiteral("0")) + u'|'
                           + (scrittoErrati ? Cornice::formaNumero(errati) : QStringLiteral("0"));
    QVERIFY2(etichette == attese, qPrintable(dove + stato));
}

QTEST_MAIN(TestRobustezza)
#include "test_robustezza.moc"
