// The windows as a pupil meets them, driven by clicks on the offscreen
// platform: title screen, menu, the two-choice exercises and the way back.

#include "app/applicazione.h"
#include "app/casuale.h"
#include "app/dialoghi.h"
#include "app/interfaccia.h"
#include "app/stato.h"
#include "drills/choice/due_scelte.h"
#include "drills/choice/finestra_due_scelte.h"
#include "supporto.h"

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
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

// Answers the next message box by clicking the button with the given text,
// and keeps what the box said.
class Risponditore : public QObject {
public:
    void rispondi(const QString& bottone)
    {
        atteso = bottone;
        tentativi = 0;
        risposto = false;
        QTimer::singleShot(0, this, &Risponditore::prova);
    }

    QString titolo;
    QString testo;
    QStringList bottoni;
    bool risposto = false;

private:
    void prova()
    {
        auto* scatola = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!scatola) {
            if (++tentativi < 200)
                QTimer::singleShot(10, this, &Risponditore::prova);
            return;
        }
        titolo = scatola->windowTitle();
        testo = scatola->text();
        bottoni.clear();
        for (QAbstractButton* b : scatola->buttons())
            bottoni.append(b->text());
        for (QAbstractButton* b : scatola->buttons()) {
            if (b->text() == atteso) {
                risposto = true;
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
    }

    QString atteso;
    int tentativi = 0;
};

QWidget* finestra(const QString& nome)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == nome)
            return w;
    }
    return nullptr;
}

QStringList finestreAperte()
{
    QStringList nomi;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            nomi.append(w->objectName());
    }
    return nomi;
}

template <typename T = QWidget>
T* controllo(QWidget* w, const QString& nome)
{
    return w ? w->findChild<T*>(nome) : nullptr;
}

void clicca(QWidget* w, const QString& nome)
{
    QWidget* c = controllo(w, nome);
    QVERIFY2(c, qPrintable(nome));
    QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
}

void cliccaMenu(QWidget* w, const char* nome)
{
    auto* principale = qobject_cast<QMainWindow*>(w);
    QVERIFY(principale);
    auto* azione = principale->findChild<QAction*>(QString::fromLatin1(nome));
    QVERIFY2(azione, nome);
    QMenuBar* barra = principale->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(azione).center());
}

QColor sfondoDi(QWidget* w)
{
    QWidget* sfondo = controllo(w, QStringLiteral("sfondo"));
    return sfondo ? sfondo->palette().color(QPalette::Window) : QColor();
}

QString testoDi(QWidget* w, const QString& nome)
{
    if (auto* etichetta = controllo<QLabel>(w, nome))
        return etichetta->text();
    if (auto* riga = controllo<QLineEdit>(w, nome))
        return riga->text();
    return QStringLiteral("<none>");
}

// The list an item of the test folder was drawn from.
int listaDi(int form, const QString& testo)
{
    static const QHash<int, QStringList> primi = {
        {1, {"casa", "mela", "case"}},
        {5, {"casa", "mela", "cane", "libro", "mare"}},
        {9, {"tavolo", "sedia"}},
        {10, {"ROMA", "FORLÌ"}},
        {4, {"re / regina", "gallo / gallina"}},
        {15, {"casa / casetta", "casa / casupola", "naso / nasone"}},
    };
    return primi.value(form).contains(testo) ? 1 : 2;
}

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titoloEMenu();
    void disposizione();
    void esercizio_data();
    void esercizio();
    void attesaDiAvanti();
    void proseguimentoAutomatico();
    void esciNoEAzzera();
    void suonoNo();
    void informazioni();
    void esciDalProgramma();
    void elencoGuasto();
    void accessibilita();
    void avvioAllAttivazione_data();
    void avvioAllAttivazione();

private:
    QWidget* apriMenu();
    QWidget* apriEsercizio(int form);

    std::unique_ptr<CartellaProva> cartella;
    StatoComune stato;
    std::unique_ptr<CasualeOrologio> casuale;
    RegistratoreSuoni suoni;
    std::unique_ptr<Applicazione> applicazione;
    Risponditore risponditore;
};

void TestFinestre::initTestCase()
{
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFinestre::init()
{
    cartella = std::make_unique<CartellaProva>();
    cartella->scriviElenchiDueScelte();
    stato = StatoComune();
    casuale = std::make_unique<CasualeOrologio>(2024u);
    suoni.suonati.clear();
    applicazione = std::make_unique<Applicazione>(stato, *casuale, suoni, cartella->percorso());
    applicazione->avvia();
}

void TestFinestre::cleanup()
{
    applicazione.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* TestFinestre::apriMenu()
{
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    return finestra(QStringLiteral("FormMenu"));
}

QWidget* TestFinestre::apriEsercizio(int form)
{
    static const QHash<int, QString> bottoni = {{1, "Command2"},  {5, "Command3"},  {10, "Command5"},
                                                {9, "Command6"},  {4, "Command15"}, {15, "Command16"}};
    QWidget* menu = finestra(QStringLiteral("FormMenu"));
    if (!menu)
        menu = apriMenu();
    clicca(menu, bottoni.value(form));
    return finestra(QStringLiteral("Form%1").arg(form));
}

void TestFinestre::titoloEMenu()
{
    QWidget* titolo = finestra(QStringLiteral("FormAvvio"));
    QVERIFY(titolo);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormAvvio")});
    QVERIFY(stato.attendiBottone);
    QCOMPARE(testoDi(titolo, QStringLiteral("Label2_0")), QStringLiteral("Catalogare i lumeri"));
    QCOMPARE(testoDi(titolo, QStringLiteral("Label2_1")), QStringLiteral("Esercitazioni ortografiche"));
    QCOMPARE(controllo<QToolButton>(titolo, QStringLiteral("BottoneAvvio"))->text(), QStringLiteral("Avvio"));
    QVERIFY(!titolo->windowIcon().isNull());

    QWidget* menu = apriMenu();
    QVERIFY(menu);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QVERIFY(controllo<QRadioButton>(menu, QStringLiteral("Option1_1"))->isChecked());
    QCOMPARE(controllo<QRadioButton>(menu, QStringLiteral("Option1_0"))->text(),
             QStringLiteral("prosegue automaticamente  negli esercizi"));
    const QHash<QString, QString> didascalie = {
        {"Command1", "Esci"},
        {"Command7", "volgi al  femminile"},
        {"Command4", "maschile femminile singolare plurale"},
        {"Command15", "falsi maschili-femminili"},
        {"Command11", "derivato da...."},
    };
    for (auto it = didascalie.cbegin(); it != didascalie.cend(); ++it)
        QCOMPARE(controllo<QPushButton>(menu, it.key())->text(), it.value());
    int abilitati = 0;
    for (int i = 2; i <= 18; ++i)
        abilitati += controllo(menu, QStringLiteral("Command%1").arg(i))->isEnabled();
    QCOMPARE(abilitati, 6);
    QVERIFY(!controllo(menu, QStringLiteral("Command4"))->isEnabled());
}

void TestFinestre::disposizione()
{
    QCOMPARE(finestra(QStringLiteral("FormAvvio"))->size(), QSize(702, 605));
    QWidget* menu = apriMenu();
    QCOMPARE(menu->size(), QSize(665, 512));
    QCOMPARE(controllo(menu, QStringLiteral("Command16"))->geometry(), QRect(424, 40, 153, 49));

    QWidget* form4 = apriEsercizio(4);
    QVERIFY(form4);
    QCOMPARE(controllo(form4, QStringLiteral("sfondo"))->size(), QSize(687, 513));
    QCOMPARE(controllo(form4, QStringLiteral("Bottone1"))->geometry(), QRect(14, 168, 211, 57));
    QCOMPARE(controllo(form4, QStringLiteral("Text1"))->geometry(), QRect(8, 16, 457, 97));

    applicazione->mostraMenu(form4);
    QWidget* form1 = apriEsercizio(1);
    QCOMPARE(controllo(form1, QStringLiteral("BottoneAvanti"))->geometry(), QRect(400, 248, 111, 65));
    const auto* barra = static_cast<QMainWindow*>(form1)->menuBar();
    QStringList voci;
    for (QAction* a : barra->actions())
        voci.append(a->text());
    QCOMPARE(voci, (QStringList{"Azzera conteggio          ", "Suono?          ", "Informazioni          ",
                                "Esci"}));
}

void TestFinestre::esercizio_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("bottone1");
    QTest::addColumn<QString>("bottone2");
    QTest::newRow("Form1") << 1 << "femminile" << "maschile";
    QTest::newRow("Form4") << 4 << "maschile/femminile veri" << "maschile/femminile falsi";
    QTest::newRow("Form5") << 5 << "singolare" << "plurale";
    QTest::newRow("Form9") << 9 << "concreto" << "astratto";
    QTest::newRow("Form10") << 10 << "proprio" << "comune";
    QTest::newRow("Form15") << 15 << "alterato vero" << "alterato falso";
}

void TestFinestre::esercizio()
{
    QFETCH(int, form);
    QFETCH(QString, bottone1);
    QFETCH(QString, bottone2);
    QWidget* f = apriEsercizio(form);
    QVERIFY(f);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form%1").arg(form)});
    QCOMPARE(controllo<QPushButton>(f, QStringLiteral("Bottone1"))->text(), bottone1);
    QCOMPARE(controllo<QPushButton>(f, QStringLiteral("Bottone2"))->text(), bottone2);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());

    const QString item = testoDi(f, QStringLiteral("Text1"));
    QVERIFY(item != QStringLiteral("Text1") && !item.isEmpty());
    const int giusto = listaDi(form, item);
    const QString sbagliato = QStringLiteral("Bottone%1").arg(3 - giusto);

    clicca(f, sbagliato);
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral(" 1"));
    QCOMPARE(sfondoDi(f), QColor(Qt::black));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());

    clicca(f, QStringLiteral("Bottone%1").arg(giusto));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
    QVERIFY(!controllo(f, QStringLiteral("ComandoIconaNo"))->isVisible());
    QCOMPARE(suoni.suonati.size(), 2);
    QCOMPARE(stato.contaEsatti, qint16(1));

    risponditore.rispondi(QStringLiteral("Sì"));
    cliccaMenu(f, "mnuesci");
    QVERIFY(risponditore.risposto);
    QCOMPARE(risponditore.testo, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(risponditore.titolo, QStringLiteral("Catalogare i lumeri"));
    QCOMPARE(risponditore.bottoni, (QStringList{"Sì", "No"}));
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    QCOMPARE(stato.contaEsatti, qint16(0));
    QCOMPARE(stato.contaErrati, qint16(0));
}

void TestFinestre::attesaDiAvanti()
{
    QWidget* f = apriEsercizio(1);
    auto* avanti = controllo(f, QStringLiteral("BottoneAvanti"));
    const int giusto = listaDi(1, testoDi(f, QStringLiteral("Text1")));
    auto* premuto = controllo<QPushButton>(f, QStringLiteral("Bottone%1").arg(giusto));
    auto* altro = controllo<QPushButton>(f, QStringLiteral("Bottone%1").arg(3 - giusto));
    const QString item = testoDi(f, QStringLiteral("Text1"));

    clicca(f, premuto->objectName());
    QVERIFY(avanti->isEnabled());
    QVERIFY(!premuto->isEnabled() && !altro->isEnabled());
    QCOMPARE(premuto->palette().color(QPalette::Button), QColor(255, 0, 0));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);
    clicca(f, altro->objectName());   // disabled: nothing counts
    QCOMPARE(stato.contaErrati, qint16(0));

    clicca(f, QStringLiteral("BottoneAvanti"));
    QVERIFY(!avanti->isEnabled());
    QVERIFY(avanti->isVisible());
    QVERIFY(premuto->isEnabled() && altro->isEnabled());
    QCOMPARE(premuto->palette().color(QPalette::Button), QColor(192, 192, 192));
    QCOMPARE(altro->palette().color(QPalette::Button), QColor(192, 192, 192));
    QVERIFY(sfondoDi(f) != QColor(Qt::black));
}

void TestFinestre::proseguimentoAutomatico()
{
    QWidget* menu = apriMenu();
    clicca(menu, QStringLiteral("Option1_0"));
    QVERIFY(!stato.attendiBottone);
    QWidget* f = apriEsercizio(9);
    QVERIFY(!controllo(f, QStringLiteral("BottoneAvanti"))->isVisible());
    for (int i = 0; i < 5; ++i) {
        const int giusto = listaDi(9, testoDi(f, QStringLiteral("Text1")));
        clicca(f, QStringLiteral("Bottone%1").arg(giusto));
        QVERIFY(controllo(f, QStringLiteral("Bottone1"))->isEnabled());
    }
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 5"));
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
}

void TestFinestre::esciNoEAzzera()
{
    QWidget* f = apriEsercizio(10);
    const QString item = testoDi(f, QStringLiteral("Text1"));
    clicca(f, QStringLiteral("Bottone%1").arg(3 - listaDi(10, item)));
    clicca(f, QStringLiteral("Bottone%1").arg(listaDi(10, item)));

    risponditore.rispondi(QStringLiteral("No"));
    cliccaMenu(f, "mnuesci");
    QVERIFY(risponditore.risposto);
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form10")});
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral(" 1"));
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), item);

    cliccaMenu(f, "MenuAzzera");
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(testoDi(f, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QCOMPARE(stato.contaEsatti, qint16(0));
    QVERIFY(controllo(f, QStringLiteral("BottoneAvanti"))->isEnabled());   // still waiting
    QVERIFY(controllo(f, QStringLiteral("ComandoIconaSi"))->isVisible());
}

void TestFinestre::suonoNo()
{
    auto* f = static_cast<QMainWindow*>(apriEsercizio(5));
    auto* menuSuono = f->findChild<QMenu*>(QStringLiteral("mnuSuono"));
    auto* si = f->findChild<QAction*>(QStringLiteral("mnuSuonoSi"));
    auto* no = f->findChild<QAction*>(QStringLiteral("mnuSuonoNo"));
    QVERIFY(si->isChecked() && !no->isChecked());

    cliccaMenu(f, "mnuSuono");
    QTRY_VERIFY(menuSuono->isVisible());
    QTest::mouseClick(menuSuono, Qt::LeftButton, {}, menuSuono->actionGeometry(no).center());
    QTRY_VERIFY(!menuSuono->isVisible());
    QVERIFY(no->isChecked() && !si->isChecked());

    const QString item = testoDi(f, QStringLiteral("Text1"));
    clicca(f, QStringLiteral("Bottone%1").arg(3 - listaDi(5, item)));
    clicca(f, QStringLiteral("Bottone%1").arg(listaDi(5, item)));
    QVERIFY(suoni.suonati.isEmpty());
    QCOMPARE(stato.contaEsatti, qint16(1));
    QCOMPARE(stato.contaErrati, qint16(1));

    // A new window starts with "sì" again.
    risponditore.rispondi(QStringLiteral("Sì"));
    cliccaMenu(f, "mnuesci");
    auto* nuova = static_cast<QMainWindow*>(apriEsercizio(5));
    QVERIFY(nuova->findChild<QAction*>(QStringLiteral("mnuSuonoSi"))->isChecked());
}

void TestFinestre::informazioni()
{
    QWidget* f = apriEsercizio(15);
    risponditore.rispondi(QStringLiteral("OK"));
    cliccaMenu(f, "MenuInformazioni");
    QVERIFY(risponditore.risposto);
    QCOMPARE(risponditore.testo, Dialoghi::testoInformazioni());
    QCOMPARE(risponditore.bottoni, QStringList{QStringLiteral("OK")});
    const QStringList righe = risponditore.testo.split(u'\n');
    QCOMPARE(righe.size(), 4);
    QVERIFY(righe[0].endsWith(QStringLiteral("  ")));
    QCOMPARE(righe[1], QStringLiteral(" ----------------------- "));
    QVERIFY(righe[3].startsWith(QStringLiteral("mail: ")));
    QCOMPARE(finestreAperte(), QStringList{QStringLiteral("Form15")});
}

void TestFinestre::esciDalProgramma()
{
    QWidget* menu = apriMenu();
    const QColor colore = menu->palette().color(QPalette::Window);
    risponditore.rispondi(QStringLiteral("No"));
    clicca(menu, QStringLiteral("Command1"));
    QCOMPARE(risponditore.testo, QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(finestra(QStringLiteral("FormMenu")), menu);
    QCOMPARE(menu->palette().color(QPalette::Window), colore);

    risponditore.rispondi(QStringLiteral("Sì"));
    clicca(menu, QStringLiteral("Command1"));
    QVERIFY(risponditore.risposto);
    QVERIFY(finestreAperte().isEmpty());
}

void TestFinestre::elencoGuasto()
{
    cartella->togli(QStringLiteral("astratti.txt"));
    cartella->scrivi(QStringLiteral("falsialterati.txt"), QStringLiteral("mulo,mulino\nlampo\n"));
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
    QVERIFY(apriEsercizio(1));
}

void TestFinestre::accessibilita()
{
    QWidget* menu = apriMenu();
    auto nome = [](QWidget* w) {
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(w);
        return accessibile ? accessibile->text(QAccessible::Name) : QString();
    };
    auto stato = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->state(); };
    QCOMPARE(nome(controllo(menu, QStringLiteral("Command7"))), QStringLiteral("volgi al  femminile"));
    QVERIFY(stato(controllo(menu, QStringLiteral("Command7"))).disabled);
    QVERIFY(!stato(controllo(menu, QStringLiteral("Command2"))).disabled);
    QCOMPARE(nome(controllo(menu, QStringLiteral("Option1_1"))),
             QStringLiteral("attende la pressione del bottone per proseguire"));

    QWidget* f = apriEsercizio(1);
    QCOMPARE(nome(controllo(f, QStringLiteral("BottoneAvanti"))), QStringLiteral("avanti"));
    QCOMPARE(nome(controllo(f, QStringLiteral("Bottone1"))), QStringLiteral("femminile"));
    QVERIFY(!nome(controllo(f, QStringLiteral("ComandoIconaSi"))).isEmpty());
    QVERIFY(!nome(controllo(f, QStringLiteral("ComandoIconaNo"))).isEmpty());
    QVERIFY(stato(controllo(f, QStringLiteral("BottoneAvanti"))).disabled);
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
    static const ConfigDueScelte config{8, "uno", "due", ModoDueScelte::Parole, {"concreti.txt", nullptr},
                                        {"astratti.txt", nullptr}, 360, 3960, 2535, 24};
    if (guasto)
        cartella->togli(QStringLiteral("astratti.txt"));
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    auto* f = new FinestraDueScelte(*applicazione, config);
    f->setAttribute(Qt::WA_DeleteOnClose);
    QVERIFY(!f->esercizio().avviato());
    QCOMPARE(testoDi(f, QStringLiteral("Text1")), QStringLiteral("Text1"));
    if (guasto)
        risponditore.rispondi(QStringLiteral("OK"));
    f->show();
    finestra(QStringLiteral("FormMenu"))->close();
    if (guasto) {
        QTRY_VERIFY(risponditore.risposto);
        QVERIFY(risponditore.testo.contains(QStringLiteral("astratti.txt")));
        QTRY_COMPARE(finestreAperte(), QStringList{QStringLiteral("FormMenu")});
    } else {
        QTRY_VERIFY(f->esercizio().avviato());
        QVERIFY(QStringList({"tavolo", "sedia", "gioia"}).contains(testoDi(f, QStringLiteral("Text1"))));
        QCOMPARE(testoDi(f, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    }
}

QTEST_MAIN(TestFinestre)
#include "test_finestre.moc"
