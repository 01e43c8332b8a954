// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/scala.h"
#include "comune/aspetto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace Interfaccia {

int pixel(int twip, double scala)
{
    return int(std::floor(twip * scala / 15.0 + 0.5));
}

QRect rettangolo(int sinistra, int alto, int larghezza, int altezza, double scala)
{
    const int x = pixel(sinistra, scala);
    const int y = pixel(alto, scala);
    return QRect(x, y, pixel(sinistra + larghezza, scala) - x, pixel(alto + altezza, scala) - y);
}

namespace {

bool interoSchermo = false;   // for the run only

// What a control was given, at scale 1.
struct Dato {
    std::optional<QRect> posto;   // twips
    std::optional<QFont> carattere;
    int icona = 0;                // side of its picture, in pixels
};

// What a window keeps to be laid out again, held by its client area: the
// area's size in twips, its scale, where its layout starts in it, and what
// each control was given. The window and its client area lead to it.
class Disposizione final : public QObject {
public:
    Disposizione(QWidget* area, QSize twip)
        : QObject(area)
        , area(area)
        , finestra(area->window())
        , twip(twip)
    {
        indice().insert(area, this);
        indice().insert(finestra, this);
    }

    ~Disposizione() override
    {
        indice().remove(area);
        if (indice().value(finestra) == this)
            indice().remove(finestra);
    }

    Disposizione(const Disposizione&) = delete;
    Disposizione& operator=(const Disposizione&) = delete;

    // The layout of the window or client area nearest `widget` upwards: a
    // control's, a menu's, a dialog's.
    static Disposizione* di(const QWidget* widget)
    {
        for (const QWidget* w = widget; w; w = w->parentWidget()) {
            if (Disposizione* d = indice().value(w))
                return d;
        }
        return nullptr;
    }

    void colloca(QWidget* controllo, const QRect& posto) const
    {
        controllo->setGeometry(
            rettangolo(posto.x(), posto.y(), posto.width(), posto.height(), scala).translated(margine));
    }

    QWidget* const area;
    QWidget* const finestra;
    const QSize twip;
    double scala = 1.0;
    QPoint margine;   // where the layout starts in the area, in pixels
    std::optional<QPoint> normale;   // where the window's client area stood before the whole screen
    // A control given a place, a font or a picture lives as long as its window.
    QHash<const QWidget*, Dato> dati;

private:
    static QHash<const QWidget*, Disposizione*>& indice()
    {
        static QHash<const QWidget*, Disposizione*> aree;
        return aree;
    }
};

QFont inScala(QFont carattere, double scala)
{
    if (scala == 1.0)
        return carattere;
    if (carattere.pointSizeF() > 0)
        carattere.setPointSizeF(carattere.pointSizeF() * scala);
    else if (carattere.pixelSize() > 0)
        carattere.setPixelSize(qMax(1, qRound(carattere.pixelSize() * scala)));
    return carattere;
}

// Fonts and pictures of every widget of the window, its menus included.
void scalaCaratteri(Disposizione& d, double s)
{
    for (QWidget* w : d.finestra->findChildren<QWidget*>()) {
        const auto dato = d.dati.constFind(w);
        if (dato == d.dati.cend())
            continue;
        if (dato->carattere)
            w->setFont(inScala(*dato->carattere, s));
        if (auto* bottone = qobject_cast<QAbstractButton*>(w); bottone && dato->icona > 0) {
            const int n = qRound(dato->icona * s);
            bottone->setIconSize(QSize(n, n));
        }
    }
}

// The height of what the window holds above its client area: the menu bar.
int sopraArea(const QWidget* finestra)
{
    const auto* principale = qobject_cast<const QMainWindow*>(finestra);
    const QWidget* barra = principale ? principale->menuWidget() : nullptr;
    return barra ? barra->sizeHint().height() : 0;
}

} // namespace

void disponi(QWidget* controllo, const QRect& twip)
{
    Disposizione* d = Disposizione::di(controllo);
    if (!d) {
        controllo->setGeometry(rettangolo(twip.x(), twip.y(), twip.width(), twip.height()));
        return;
    }
    d->dati[controllo].posto = twip;
    d->colloca(controllo, twip);
}

void assegnaCarattere(QWidget* controllo, const QFont& carattere)
{
    Disposizione* d = Disposizione::di(controllo);
    if (d)
        d->dati[controllo].carattere = carattere;
    controllo->setFont(inScala(carattere, d ? d->scala : 1.0));
}

void dimensioneIcona(QAbstractButton* bottone, int lato)
{
    Disposizione* d = Disposizione::di(bottone);
    if (d)
        d->dati[bottone].icona = lato;
    const int n = qRound(lato * (d ? d->scala : 1.0));
    bottone->setIconSize(QSize(n, n));
}

double scala(const QWidget* widget)
{
    const Disposizione* d = Disposizione::di(widget);
    return d ? d->scala : 1.0;
}

QFont carattereInScala(const QFont& carattere, const QWidget* widget)
{
    return inScala(carattere, scala(widget));
}

QEvent::Type eventoScala()
{
    static const auto tipo = QEvent::Type(QEvent::registerEventType());
    return tipo;
}

void impostaScala(QWidget* finestra, double s, const QSize& schermo)
{
    Disposizione* d = Disposizione::di(finestra);
    if (!d)
        return;
    scalaCaratteri(*d, s);

    const QSize disegno(pixel(d->twip.width(), s), pixel(d->twip.height(), s));
    QSize dimensione = disegno;
    if (schermo.isValid())
        dimensione = QSize(schermo.width(), schermo.height() - sopraArea(finestra)).expandedTo(disegno);
    d->scala = s;
    d->margine = QPoint((dimensione.width() - disegno.width()) / 2, (dimensione.height() - disegno.height()) / 2);
    d->area->setFixedSize(dimensione);
    for (QWidget* w : d->area->findChildren<QWidget*>()) {
        const auto dato = d->dati.constFind(w);
        if (dato != d->dati.cend() && dato->posto)
            d->colloca(w, *dato->posto);
    }
    // The window takes its new size now, not when its layout's turn comes.
    if (QLayout* disposizione = finestra->layout())
        disposizione->activate();
    QEvent avviso(eventoScala());
    QCoreApplication::sendEvent(finestra, &avviso);
}

namespace {

// The frame the window manager draws around a window of the program (title
// bar, borders), as last seen on one shown out of the whole screen; none
// before the first.
QMargins cornice();

// The largest scale at which the window's layout fits the screen, in
// proportion. The menu bar above it grows with the scale too: measured at the
// scale the layout alone would take, it leaves a scale that surely fits; the
// bar measured again at that one may leave room for a little more.
void inTuttoLoSchermo(QWidget* finestra)
{
    Disposizione* d = Disposizione::di(finestra);
    QScreen* schermo = finestra->screen();
    if (!d || !schermo)
        return;
    const QRect tutto = schermo->geometry();
    if (finestra->isVisible() && !finestra->isFullScreen()) {
        d->normale = finestra->geometry().topLeft();
        cornice();   // measured while the window still has its frame
    }
    const QSize twip = d->twip;
    auto scalaSotto = [&](double s) {
        scalaCaratteri(*d, s);
        return std::min(tutto.width() * 15.0 / twip.width(),
                        (tutto.height() - sopraArea(finestra)) * 15.0 / twip.height());
    };
    const double certa = scalaSotto(std::min(tutto.width() * 15.0 / twip.width(), tutto.height() * 15.0 / twip.height()));
    const double forse = scalaSotto(certa);
    scalaCaratteri(*d, forse);
    const bool entra = pixel(twip.height(), forse) + sopraArea(finestra) <= tutto.height();
    impostaScala(finestra, entra ? forse : certa, tutto.size());
    finestra->move(tutto.topLeft());
    finestra->showFullScreen();
}

QMargins cornice()
{
    static QMargins vista;
    const auto misura = [](const QWidget* w) {
        const QRect dentro = w->geometry();
        const QRect fuori = w->frameGeometry();
        return QMargins(dentro.left() - fuori.left(), dentro.top() - fuori.top(), fuori.right() - dentro.right(),
                        fuori.bottom() - dentro.bottom());
    };
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->isFullScreen() && Disposizione::di(w) && !misura(w).isNull()) {
            vista = misura(w);
            break;
        }
    }
    return vista;
}

// A window not in the whole screen stands wholly inside its screen's work
// area (clear of panels and docks), in the middle of it; one larger than
// the work area keeps its title bar in it. A window not shown yet is placed
// by its frame's corner, which the window manager resolves once it has drawn
// the frame; one back from the whole screen by its client area, since its
// frame is not measured again until later.
void alCentro(QWidget* finestra)
{
    const QScreen* schermo = finestra->screen();
    if (!schermo)
        return;
    const QRect lavoro = schermo->availableGeometry();
    const QMargins bordo = cornice();
    const QSize tutta = finestra->size().grownBy(bordo);
    const QPoint angolo(std::max(lavoro.left(), lavoro.left() + (lavoro.width() - tutta.width()) / 2),
                        std::max(lavoro.top(), lavoro.top() + (lavoro.height() - tutta.height()) / 2));
    if (finestra->isVisible())
        finestra->setGeometry(QRect(angolo + QPoint(bordo.left(), bordo.top()), finestra->size()));
    else
        finestra->move(angolo);
}

} // namespace

void mostra(QWidget* finestra)
{
    if (interoSchermo) {
        inTuttoLoSchermo(finestra);
        return;
    }
    const bool daCollocare = !finestra->isVisible() || finestra->isFullScreen();
    if (finestra->isFullScreen())
        finestra->showNormal();
    Disposizione* d = Disposizione::di(finestra);
    if (d && (d->scala != 1.0 || !d->margine.isNull()))
        impostaScala(finestra, 1.0);
    if (daCollocare) {
        // Its size first, menu bar included, then its place: back where it
        // stood before the whole screen, or in the middle of the screen.
        if (QLayout* disposizione = finestra->layout())
            disposizione->activate();
        if (d && d->normale)
            finestra->setGeometry(QRect(*std::exchange(d->normale, std::nullopt), finestra->size()));
        else
            alCentro(finestra);
    }
    finestra->show();
}

bool tastoSchermo(QWidget* finestra, QKeyEvent* evento)
{
    const bool f11 = evento->key() == Qt::Key_F11;
    if (evento->modifiers() != Qt::NoModifier || !(f11 || (evento->key() == Qt::Key_Escape && interoSchermo)))
        return false;
    if (!evento->isAutoRepeat()) {
        interoSchermo = f11 && !interoSchermo;
        mostra(finestra);
    }
    return true;
}

void preparaFinestra(QWidget* area, const QString& nome, int larghezza, int altezza)
{
    area->setObjectName(nome);
    senzaTitolo(area);
    new Disposizione(area, QSize(larghezza, altezza));
    area->setFixedSize(pixel(larghezza), pixel(altezza));
}

} // namespace Interfaccia
