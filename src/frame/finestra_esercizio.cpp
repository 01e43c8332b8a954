#include "frame/finestra_esercizio.h"

#include "app/dialoghi.h"
#include "app/interfaccia.h"
#include "frame/esercizio.h"
#include "frame/navigazione.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QToolButton>

using namespace Interfaccia;

namespace {

QString conSpazi(const char* testo, int spazi)
{
    return QString::fromUtf8(testo) + QString(spazi, u' ');
}

} // namespace

FinestraEsercizio::FinestraEsercizio(Navigazione& nav, int form, std::unique_ptr<Esercizio> esercizio)
    : QMainWindow(nullptr)
    , navigazione(nav)
    , disposizione_(disposizioneCornice(form))
    , logica_(std::move(esercizio))
{
    setObjectName(QStringLiteral("Form%1").arg(form));
    senzaTitolo(this);
    setWindowIcon(icona(QStringLiteral("sorriso")));
    sfondo_ = new QWidget(this);
    preparaFinestra(sfondo_, QStringLiteral("sfondo"), 10305, 7695);   // the client area
    setCentralWidget(sfondo_);
    creaMenu();
    creaControlli();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    logica_->collega(this);
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

    // Ctrl+L reads the window's word aloud; it has no item in the menu bar.
    auto* leggi = new QAction(this);
    leggi->setObjectName(QStringLiteral("leggi"));
    leggi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(leggi);
    connect(leggi, &QAction::triggered, this, [this] { logica_->leggiParola(); });
}

void FinestraEsercizio::creaControlli()
{
    const DisposizioneCornice& d = disposizione_;

    avanti = new QToolButton(sfondo_);
    avanti->setObjectName(QStringLiteral("BottoneAvanti"));
    avanti->setText(QStringLiteral("avanti"));
    avanti->setIcon(icona(QStringLiteral("freccia")));
    dimensioneIcona(avanti, 32);
    avanti->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    assegnaCarattere(avanti, carattere(14.25));
    disponi(avanti, QRect(d.avanti.sinistra, d.avanti.alto, d.larghezzaAvanti, d.altezzaAvanti));
    connect(avanti, &QToolButton::clicked, this, [this] { logica_->avanti(); });

    auto creaFaccia = [this, &d](const char* nome, const char* figura, const char* descrizione) {
        auto* faccia = new QToolButton(sfondo_);
        faccia->setObjectName(QString::fromLatin1(nome));
        faccia->setIcon(icona(QString::fromLatin1(figura)));
        dimensioneIcona(faccia, 32);
        disponi(faccia, QRect(d.icone.sinistra, d.icone.alto, 855, 750));
        faccia->setFocusPolicy(Qt::NoFocus);
        faccia->setAccessibleName(QString::fromUtf8(descrizione));
        return faccia;
    };
    iconaSi = creaFaccia("ComandoIconaSi", "ride", "Risposta esatta");
    iconaNo = creaFaccia("ComandoIconaNo", "triste", "Risposta sbagliata");

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

void FinestraEsercizio::keyPressEvent(QKeyEvent* evento)
{
    if (!tastoSchermo(this, evento))
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
    avanti->setEnabled(c.avantiAbilitato());
    iconaSi->setVisible(c.faccia() == Faccia::Ride);
    iconaNo->setVisible(c.faccia() == Faccia::Triste);
    etichettaEsatti->setText(c.testoEsatti());
    etichettaErrati->setText(c.testoErrati());
    suonoSi->setChecked(c.suonoAttivo());
    suonoNo->setChecked(!c.suonoAttivo());
    aggiornaEsercizio();
}

void FinestraEsercizio::informa(const QString& testo)
{
    Dialoghi::informa(this, testo);
}

bool FinestraEsercizio::chiedi(const QString& domanda)
{
    return Dialoghi::chiedi(this, domanda);
}

void FinestraEsercizio::tornaAlMenu()
{
    navigazione.mostraMenu(this);
}
