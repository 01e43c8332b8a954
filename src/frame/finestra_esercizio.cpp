#include "frame/finestra_esercizio.h"

#include "app/applicazione.h"
#include "app/dialoghi.h"
#include "app/interfaccia.h"
#include "frame/esercizio.h"

#include <QAction>
#include <QActionGroup>
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

FinestraEsercizio::FinestraEsercizio(Applicazione& app, int form, std::unique_ptr<Esercizio> esercizio)
    : QMainWindow(nullptr)
    , applicazione(app)
    , disposizione_(disposizioneCornice(form))
    , logica(std::move(esercizio))
{
    setObjectName(QStringLiteral("Form%1").arg(form));
    setWindowTitle(QString());
    setWindowIcon(icona(QStringLiteral("sorriso")));
    sfondo_ = new QWidget(this);
    preparaFinestra(sfondo_, QStringLiteral("sfondo"), 10305, 7695);   // the client area
    setCentralWidget(sfondo_);
    creaMenu();
    creaControlli();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::creaMenu()
{
    QMenuBar* barra = menuBar();

    QAction* azzera = barra->addAction(conSpazi("Azzera conteggio", 10));
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    connect(azzera, &QAction::triggered, this, [this] {
        logica->cornice().azzera();
        aggiorna();
    });

    QMenu* suono = barra->addMenu(conSpazi("Suono?", 10));
    suono->setObjectName(QStringLiteral("mnuSuono"));
    suono->menuAction()->setObjectName(QStringLiteral("mnuSuono"));
    suonoSi = suono->addAction(QStringLiteral("sì"));
    suonoSi->setObjectName(QStringLiteral("mnuSuonoSi"));
    suonoNo = suono->addAction(QStringLiteral("no"));
    suonoNo->setObjectName(QStringLiteral("mnuSuonoNo"));
    auto* gruppo = new QActionGroup(this);
    for (QAction* voce : {suonoSi, suonoNo}) {
        voce->setCheckable(true);
        gruppo->addAction(voce);
    }
    connect(suonoSi, &QAction::triggered, this, [this] {
        logica->cornice().impostaSuono(true);
        aggiorna();
    });
    connect(suonoNo, &QAction::triggered, this, [this] {
        logica->cornice().impostaSuono(false);
        aggiorna();
    });

    QAction* informazioni = barra->addAction(conSpazi("Informazioni", disposizione_.spaziInformazioni));
    informazioni->setObjectName(QStringLiteral("MenuInformazioni"));
    connect(informazioni, &QAction::triggered, this, [this] { Dialoghi::mostraInformazioni(this); });

    QAction* esci = barra->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuesci"));
    connect(esci, &QAction::triggered, this, [this] { applicazione.tornaAlMenu(this); });
}

void FinestraEsercizio::creaControlli()
{
    const DisposizioneCornice& d = disposizione_;

    avanti = new QToolButton(sfondo_);
    avanti->setObjectName(QStringLiteral("BottoneAvanti"));
    avanti->setText(QStringLiteral("avanti"));
    avanti->setIcon(icona(QStringLiteral("freccia")));
    avanti->setIconSize(QSize(32, 32));
    avanti->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    avanti->setFont(carattere(14.25));
    avanti->setGeometry(rettangolo(d.avanti.sinistra, d.avanti.alto, d.larghezzaAvanti, d.altezzaAvanti));
    connect(avanti, &QToolButton::clicked, this, [this] {
        logica->avanti();
        aggiorna();
    });

    auto creaFaccia = [this, &d](const char* nome, const char* figura, const char* descrizione) {
        auto* faccia = new QToolButton(sfondo_);
        faccia->setObjectName(QString::fromLatin1(nome));
        faccia->setIcon(icona(QString::fromLatin1(figura)));
        faccia->setIconSize(QSize(32, 32));
        faccia->setGeometry(rettangolo(d.icone.sinistra, d.icone.alto, 855, 750));
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
        etichetta->setGeometry(rettangolo(p.sinistra, p.alto, larghezza, altezza));
        etichetta->setFont(carattere(punti));
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etichetta;
    };
    auto* esatti = creaEtichetta(QStringLiteral("Label1"), QStringLiteral("Esatti"), d.esatti, 735, 375, 12);
    auto* errati = creaEtichetta(QString::fromLatin1(d.nomeErrati), QStringLiteral("Errati"), d.errati, 735,
                                 495, 12);
    etichettaEsatti = creaEtichetta(QStringLiteral("EtichettaEsatti"), QStringLiteral("0"), d.etichettaEsatti,
                                    975, 615, 18);
    etichettaErrati = creaEtichetta(QStringLiteral("EtichettaErrati"), QStringLiteral("0"), d.etichettaErrati,
                                    855, 615, 18);
    // Each count is read out with its heading.
    esatti->setBuddy(etichettaEsatti);
    errati->setBuddy(etichettaErrati);
}

std::optional<ErroreElenco> FinestraEsercizio::avvia()
{
    auto errore = logica->avvia();
    if (!errore)
        aggiorna();
    return errore;
}

void FinestraEsercizio::avviaAllAttivazione()
{
    if (logica->avviato() || avvioTentato)
        return;
    avvioTentato = true;
    if (auto errore = avvia())
        applicazione.erroreAllAvvio(this, *errore);
}

bool FinestraEsercizio::event(QEvent* evento)
{
    if (evento->type() == QEvent::WindowActivate && disposizione_.avvioAdAttivazione)
        avviaAllAttivazione();
    return QMainWindow::event(evento);
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
    const Cornice& c = logica->cornice();
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
