// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/finestra_esercizio.h"

#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "frame/controlli.h"
#include "frame/esercizio.h"
#include "frame/navigazione.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>

using namespace Interfaccia;

namespace {

QString conSpazi(const char* testo, int spazi)
{
    return QString::fromUtf8(testo) + QString(spazi, u' ');
}

// A face shows the judgement; it is a picture, not a button, to a screen reader.
class IconaEsito final : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;
};

// A command of the menu bar whose caption ends in blanks, to widen the gaps
// on the bar: to a screen reader its name is the caption without them.
class VoceDellaBarra final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    VoceDellaBarra(QMenuBar* barra, QAction* azione)
        : barra(barra)
        , azione(azione)
    {
    }

    bool isValid() const override { return barra && azione; }
    QObject* object() const override { return azione; }
    QWindow* window() const override { return barra->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(barra); }
    QAccessibleInterface* child(int indice) const override
    {
        return indice == 0 && azione->menu() ? QAccessible::queryAccessibleInterface(azione->menu()) : nullptr;
    }
    int childCount() const override { return azione->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        return figlio && azione->menu() && figlio->object() == azione->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* menu = child(0);
        return menu && menu->rect().contains(x, y) ? menu : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? azione->text().remove(u'&').trimmed() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return barra->actionGeometry(azione).translated(barra->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !barra->isVisible() || !azione->isVisible();
        s.disabled = !azione->isEnabled();
        s.focused = barra->activeAction() == azione;
        s.hasPopup = azione->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType tipo) override
    {
        return tipo == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {azione->menu() ? showMenuAction() : pressAction()}; }
    void doAction(const QString& nome) override
    {
        if (!azione->isEnabled())
            return;
        if (azione->menu() && nome == showMenuAction())
            barra->setActiveAction(azione);
        else if (nome == pressAction())
            azione->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenuBar> barra;
    QPointer<QAction> azione;
};

QAccessibleInterface* accessibileDellaCornice(const QString& classe, QObject* oggetto)
{
    if (classe == QLatin1String("IconaEsito"))
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Graphic);
    if (classe == QLatin1String("QAction")) {
        auto* azione = static_cast<QAction*>(oggetto);
        const QString testo = azione->text();
        const auto widget = azione->associatedObjects();
        auto* barra = widget.isEmpty() ? nullptr : qobject_cast<QMenuBar*>(widget.first());
        if (barra && testo != testo.trimmed())
            return new VoceDellaBarra(barra, azione);
    }
    return nullptr;
}

} // namespace

FinestraEsercizio::FinestraEsercizio(Navigazione& nav, int form, std::unique_ptr<Esercizio> esercizio)
    : QMainWindow(nullptr)
    , navigazione(nav)
    , disposizione_(disposizioneCornice(form))
    , logica_(std::move(esercizio))
{
    static const bool accessibili = (QAccessible::installFactory(accessibileDellaCornice), true);
    Q_UNUSED(accessibili);
    setObjectName(QStringLiteral("Form%1").arg(form));
    senzaTitolo(this);
    setWindowIcon(icona(QStringLiteral("sorriso")));
    sfondo_ = new QWidget(this);
    preparaFinestra(sfondo_, QStringLiteral("sfondo"), 10305, 7695);   // the client area
    setCentralWidget(sfondo_);
    creaMenu();
    creaControlli();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // F10 opens the menu bar, as a lone Alt does.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            &FinestraEsercizio::apriBarraDeiMenu);
    logica_->collega(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ora) {
        if (ora && sfondo_->isAncestorOf(ora))
            ultimoFuoco = ora;
    });
}

void FinestraEsercizio::apriBarraDeiMenu()
{
    // The menu bar takes the keyboard on the release of an Alt pressed
    // alone: the same keys, as the keyboard sends them.
    QWidget* destinatario = focusWidget() ? focusWidget() : this;
    QKeyEvent prima(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    prima.ignore();
    QApplication::sendEvent(destinatario, &prima);
    QKeyEvent premuto(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(destinatario, &premuto);
    QKeyEvent rilasciato(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(destinatario, &rilasciato);
}

FinestraEsercizio::~FinestraEsercizio()
{
    logica_->collega(nullptr);
}

void FinestraEsercizio::creaMenu()
{
    QMenuBar* barra = menuBar();
    assegnaCarattere(barra, barra->font());   // it grows with the window's scale

    QAction* azzera = barra->addAction(conSpazi("Azzera conteggio", 10));
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    connect(azzera, &QAction::triggered, this, [this] { logica_->azzera(); });

    // Two items with check marks; the logic keeps exactly one of them checked.
    QMenu* suono = barra->addMenu(conSpazi("Suono?", 10));
    suono->setObjectName(QStringLiteral("mnuSuono"));
    suono->menuAction()->setObjectName(QStringLiteral("mnuSuono"));
    suonoSi = suono->addAction(QStringLiteral("sì"));
    suonoSi->setObjectName(QStringLiteral("mnuSuonoSi"));
    suonoNo = suono->addAction(QStringLiteral("no"));
    suonoNo->setObjectName(QStringLiteral("mnuSuonoNo"));
    assegnaCarattere(suono, suono->font());
    for (QAction* voce : {suonoSi, suonoNo}) {
        voce->setCheckable(true);
        connect(voce, &QAction::triggered, this, [this, voce] { logica_->impostaSuono(voce == suonoSi); });
    }

    QAction* informazioni = barra->addAction(conSpazi("Informazioni", disposizione_.spaziInformazioni));
    informazioni->setObjectName(QStringLiteral("MenuInformazioni"));
    connect(informazioni, &QAction::triggered, this, [this] { logica_->informazioni(); });

    QAction* esci = barra->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuesci"));
    connect(esci, &QAction::triggered, this, [this] { logica_->esci(); });

    // Ctrl+L reads the window's word aloud, or the word of the box of a board
    // that has the focus; it has no item in the menu bar.
    auto* leggi = new QAction(this);
    leggi->setObjectName(QStringLiteral("leggi"));
    leggi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(leggi);
    connect(leggi, &QAction::triggered, this, [this] {
        auto* casella = qobject_cast<CasellaBersaglio*>(focusWidget());
        if (casella && !casella->text().trimmed().isEmpty())
            casella->leggi();
        else
            logica_->leggiParola();
    });
}

void FinestraEsercizio::creaControlli()
{
    const DisposizioneCornice& d = disposizione_;

    avanti = new BottoneFigura(sfondo_, QStringLiteral("avanti"), QStringLiteral("freccia"));
    avanti->setObjectName(QStringLiteral("BottoneAvanti"));
    assegnaCarattere(avanti, carattere(14.25));
    disponi(avanti, QRect(d.avanti.sinistra, d.avanti.alto, d.larghezzaAvanti, d.altezzaAvanti));
    connect(avanti, &QToolButton::clicked, this, [this] { logica_->avanti(); });
    avanti->installEventFilter(this);

    auto creaFaccia = [this, &d](const char* nome, const char* figura) {
        auto* faccia = new IconaEsito(sfondo_);
        faccia->setObjectName(QString::fromLatin1(nome));
        faccia->setIcon(icona(QString::fromLatin1(figura)));
        dimensioneIcona(faccia, 32);
        disponi(faccia, QRect(d.icone.sinistra, d.icone.alto, 855, 750));
        faccia->setFocusPolicy(Qt::NoFocus);
        return faccia;
    };
    iconaSi = creaFaccia("ComandoIconaSi", "ride");
    iconaNo = creaFaccia("ComandoIconaNo", "triste");

    auto creaEtichetta = [this](const QString& nome, const QString& testo, const Posizione& p, int larghezza,
                                int altezza, double punti) {
        auto* etichetta = new QLabel(testo, sfondo_);
        etichetta->setObjectName(nome);
        disponi(etichetta, QRect(p.sinistra, p.alto, larghezza, altezza));
        assegnaCarattere(etichetta, carattere(punti));
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etichetta;
    };
    auto* esatti = creaEtichetta(QStringLiteral("Label1"), QStringLiteral("Esatti"), d.esatti, 735, 375, 12);
    auto* errati = creaEtichetta(QString::fromLatin1(d.nomeErrati), QStringLiteral("Errati"), d.errati, 735,
                                 495, 12);
    etichettaEsatti = creaEtichetta(QStringLiteral("EtichettaEsatti"), QStringLiteral("0"), d.etichettaEsatti, 975, 615, 18);
    etichettaErrati = creaEtichetta(QStringLiteral("EtichettaErrati"), QStringLiteral("0"), d.etichettaErrati, 855, 615, 18);
    // Each count is read out with its heading.
    esatti->setBuddy(etichettaEsatti);
    errati->setBuddy(etichettaErrati);
}

std::optional<ErroreElenco> FinestraEsercizio::carica()
{
    if (disposizione_.avvioAdAttivazione)
        return std::nullopt;
    return logica_->avvia();
}

void FinestraEsercizio::avviaAllAttivazione()
{
    if (avvioTentato)
        return;
    avvioTentato = true;
    if (auto errore = logica_->avvia())
        navigazione.erroreAllAvvio(this, *errore);
}

bool FinestraEsercizio::event(QEvent* evento)
{
    if (evento->type() == QEvent::WindowActivate && disposizione_.avvioAdAttivazione)
        avviaAllAttivazione();
    if (evento->type() == eventoScala()) {
        aggiorna();   // what the drill fits to its boxes, fitted again
        return true;
    }
    return QMainWindow::event(evento);
}

bool FinestraEsercizio::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A key pressed twice on a right answer judges it once: the second press,
    // within 0.4 s of the verdict, does not go on to the next item, so that
    // the verdict is seen and heard.
    constexpr qint64 pausaDopoIlVerdetto = 400;   // ms
    if (oggetto == avanti && evento->type() == QEvent::KeyPress && verdetto.isValid()
        && verdetto.elapsed() < pausaDopoIlVerdetto) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Space:
        case Qt::Key_Select:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void FinestraEsercizio::closeEvent(QCloseEvent* evento)
{
    // The program closes the window itself once the pupil has said "Sì";
    // a close asked by the frame asks first. The question comes after the
    // frame's close is over, since the window cannot close while closing.
    if (!evento->spontaneous()) {
        QMainWindow::closeEvent(evento);
        return;
    }
    evento->ignore();
    if (std::exchange(domandaInAttesa, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            domandaInAttesa = false;
            logica_->esci();
        },
        Qt::QueuedConnection);
}

void FinestraEsercizio::keyPressEvent(QKeyEvent* evento)
{
    if (tastoSchermo(this, evento))
        return;
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        evento->accept();
        if (!evento->isAutoRepeat())
            logica_->esci();
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

void FinestraEsercizio::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    // Where the window manager does not make the new window active, the
    // start-up runs as soon as the window is on screen.
    if (disposizione_.avvioAdAttivazione)
        QMetaObject::invokeMethod(this, &FinestraEsercizio::avviaAllAttivazione, Qt::QueuedConnection);
}

void FinestraEsercizio::aggiorna()
{
    const Cornice& c = esercizio().cornice();
    dipingiSfondo(sfondo_, c.sfondo());
    avanti->setVisible(c.avantiVisibile());
    iconaSi->setVisible(c.faccia() == Faccia::Ride);
    iconaNo->setVisible(c.faccia() == Faccia::Triste);
    // The sad face shown before the first answer tells nothing.
    const bool giudicata = c.esito() != Esito::Nessuno;
    const QString nomeSi = giudicata ? QStringLiteral("Risposta esatta") : QString();
    const QString nomeNo = giudicata ? QStringLiteral("Risposta sbagliata") : QString();
    if (iconaSi->accessibleName() != nomeSi)
        iconaSi->setAccessibleName(nomeSi);
    if (iconaNo->accessibleName() != nomeNo)
        iconaNo->setAccessibleName(nomeNo);
    etichettaEsatti->setText(c.testoEsatti());
    etichettaErrati->setText(c.testoErrati());
    suonoSi->setChecked(c.suonoAttivo());
    suonoNo->setChecked(!c.suonoAttivo());

    // The focus moves before the control that has it is locked, and leaves
    // "avanti" before it is locked, so that it never falls elsewhere.
    const Fuoco fuoco = logica_->prendiFuoco();
    // A right answer or a new item: nothing stays picked up, not even a word
    // that the new board brings back to the same box.
    if (fuoco != Fuoco::Resta)
        Controlli::lasciaPresa(this);
    const bool annuncio = esercizio().numeroAnnuncio() != annunciato;
    if (c.avantiAbilitato() && !avanti->isEnabled()) {
        avanti->setEnabled(true);
        verdetto.start();
    }
    if (fuoco == Fuoco::Avanti)
        metti(avanti, annuncio);
    aggiornaEsercizio();
    adattaTesti(sfondo_, c.sfondo());   // the counts and captions read on black too
    if (fuoco == Fuoco::Risposta)
        metti(primaRisposta(), annuncio);
    avanti->setEnabled(c.avantiAbilitato());
    if (esercizio().numeroAnnuncio() != annunciato)
        annunciaQui(focusWidget() ? focusWidget() : primaRisposta());
}

void FinestraEsercizio::metti(QWidget* controllo, bool annuncio)
{
    if (!controllo || !controllo->isEnabled())
        return;
    // The sentence goes with the control the focus comes to. But a text box
    // emptied for a new item tells of its cursor before the focus comes, and
    // a screen reader then says nothing of the focus: there the sentence
    // comes once the focus is there, and tells of the box too, so that the
    // pupil knows to type: "Volgi al femminile, casella di testo: duca".
    const bool dopo = qobject_cast<QLineEdit*>(controllo) != nullptr;
    if (annuncio && !dopo)
        annunciaQui(controllo);
    controllo->setFocus(Qt::OtherFocusReason);
    if (annuncio && dopo) {
        QAccessibleInterface* casella = QAccessible::queryAccessibleInterface(controllo);
        const QString nome = casella ? casella->text(QAccessible::Name) : QString();
        annunciaQui(controllo, nome.isEmpty() ? QString() : nome + QStringLiteral(", casella di testo: "));
    }
}

void FinestraEsercizio::annunciaQui(QWidget* controllo, const QString& prima)
{
    annunciato = esercizio().numeroAnnuncio();
    Interfaccia::annuncia(controllo, prima + esercizio().annuncio());
}

void FinestraEsercizio::riprendiFuoco()
{
    QWidget* controllo = ultimoFuoco;
    if (!controllo || !controllo->isEnabled() || !controllo->isVisible())
        controllo = avanti->isEnabled() ? avanti : primaRisposta();
    if (controllo && controllo->isEnabled())
        controllo->setFocus(Qt::OtherFocusReason);
}

void FinestraEsercizio::informa(const QString& testo)
{
    Dialoghi::informa(this, testo);
    riprendiFuoco();
}

bool FinestraEsercizio::chiedi(const QString& domanda)
{
    const bool si = Dialoghi::chiedi(this, domanda);
    riprendiFuoco();
    return si;
}

void FinestraEsercizio::tornaAlMenu()
{
    navigazione.mostraMenu(this);
}

#include "finestra_esercizio.moc"
