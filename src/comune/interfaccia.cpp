// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/interfaccia.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The notification of a window that speaks a sentence: it shows nothing, but
// a screen reader speaks it each time it shows.
class Notifica final : public QWidget {
    Q_OBJECT
public:
    explicit Notifica(QWidget* finestra)
        : QWidget(finestra)
    {
        setObjectName(QStringLiteral("notifica"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }

    void di(const QString& frase)
    {
        hide();
        setAccessibleName(frase);
        show();
    }
};

QAccessibleInterface* accessibileNotifica(const QString& classe, QObject* oggetto)
{
    return classe == QLatin1String("Notifica")
               ? new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Notification)
               : nullptr;
}

// Draws a picture from its SVG at exactly the size asked for, so it stays
// crisp at every size and pixel density; nothing is drawn before it is shown.
class MotoreSvg final : public QIconEngine {
public:
    explicit MotoreSvg(QString file)
        : file(std::move(file))
    {
    }

    QIconEngine* clone() const override { return new MotoreSvg(file); }
    QString key() const override { return QStringLiteral("lumeri-svg"); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter* pittore, const QRect& posto, QIcon::Mode modo, QIcon::State stato) override
    {
        const qreal densita = pittore->device() ? pittore->device()->devicePixelRatioF() : 1.0;
        QPixmap immagine = pixmap(posto.size() * densita, modo, stato);
        immagine.setDevicePixelRatio(densita);
        pittore->drawPixmap(posto, immagine);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode modo, QIcon::State) override
    {
        const QString chiave = QStringLiteral("%1:%2x%3:%4").arg(file).arg(size.width()).arg(size.height()).arg(int(modo));
        QPixmap immagine;
        if (QPixmapCache::find(chiave, &immagine))
            return immagine;
        immagine = QPixmap(size);
        immagine.fill(Qt::transparent);
        QSvgRenderer disegno(file);
        if (disegno.isValid() && !size.isEmpty()) {
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            disegno.render(&pittore);
        }
        if (modo != QIcon::Normal) {
            QStyleOption opzione;
            opzione.palette = QGuiApplication::palette();
            immagine = QApplication::style()->generatedIconPixmap(modo, immagine, &opzione);
        }
        QPixmapCache::insert(chiave, immagine);
        return immagine;
    }

private:
    QString file;
};

} // namespace

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

} // namespace

void mostra(QWidget* finestra)
{
    if (interoSchermo) {
        inTuttoLoSchermo(finestra);
        return;
    }
    if (finestra->isFullScreen())
        finestra->showNormal();
    const Disposizione* d = Disposizione::di(finestra);
    if (d && (d->scala != 1.0 || !d->margine.isNull()))
        impostaScala(finestra, 1.0);
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

namespace {

// Arial and MS Sans Serif are missing on most systems; Liberation Sans has
// Arial's measures, so text fits its boxes as laid out.
QFont carattereDi(const QString& famiglia, double punti, bool grassetto)
{
    static const bool sostituiti = [] {
        const QStringList simili = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Helvetica")};
        QFont::insertSubstitutions(QStringLiteral("Arial"), simili);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), simili);
        return true;
    }();
    Q_UNUSED(sostituiti);
    QFont font(famiglia);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

} // namespace

QFont carattere(double punti, bool grassetto)
{
    return carattereDi(QStringLiteral("Arial"), punti, grassetto);
}

QFont carattereSansSerif(double punti)
{
    return carattereDi(QStringLiteral("MS Sans Serif"), punti, true);
}

void preparaFinestra(QWidget* area, const QString& nome, int larghezza, int altezza)
{
    area->setObjectName(nome);
    senzaTitolo(area);
    new Disposizione(area, QSize(larghezza, altezza));
    area->setFixedSize(pixel(larghezza), pixel(altezza));
}

void senzaTitolo(QWidget* finestra)
{
    finestra->setWindowTitle(QStringLiteral(" "));
}

QColor colore(ColoreVb valore)
{
    return QColor(Colori::rosso(valore), Colori::verde(valore), Colori::blu(valore));
}

void dipingiSfondo(QWidget* widget, ColoreVb valore)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(widget->backgroundRole(), colore(valore));
    widget->setPalette(tavolozza);
    widget->setAutoFillBackground(true);
}

void coloraBottone(QWidget* bottone, const QColor& colore)
{
    QPalette tavolozza = bottone->palette();
    tavolozza.setColor(QPalette::Button, colore);
    bottone->setPalette(tavolozza);
}

void coloraTesto(QWidget* widget, ColoreVb valore)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::WindowText, colore(valore));
    tavolozza.setColor(QPalette::Text, colore(valore));
    widget->setPalette(tavolozza);
}

QIcon icona(const QString& nome)
{
    return QIcon(new MotoreSvg(QStringLiteral(":/immagini/%1.svg").arg(nome)));
}

void preparaStile()
{
    if (QStyle* stile = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(stile);
}

namespace {

const QColor GialloSegno(255, 255, 0);

} // namespace

void disegnaSegno(QPainter& pittore, const QRect& controllo, Segno segno)
{
    // One ring along the control's edge, where it covers no letter of the
    // control's text (a board's box leaves three pixels): one unit of
    // thickness for every 24 pixels of the control's smaller side, at least two.
    const int t = qMax(2, qRound(qMin(controllo.width(), controllo.height()) / 24.0));
    auto anello = [&](const QColor& colore, bool tratteggiato) {
        QPen penna(colore, t, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (tratteggiato)
            penna.setDashPattern({2.0, 2.0});   // in widths of the pen
        pittore.setPen(penna);
        const qreal m = t / 2.0;
        pittore.drawRect(QRectF(controllo).adjusted(m, m, -m, -m));
    };
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.setBrush(Qt::NoBrush);
    switch (segno) {
    case Segno::Fuoco:
        anello(Qt::white, false);
        anello(Qt::black, true);
        break;
    case Segno::Presa:
        anello(Qt::black, false);   // on the yellow of disegnaFondoSegno()
        break;
    case Segno::Bersaglio:
        anello(GialloSegno, false);
        anello(Qt::black, true);
        break;
    }
    pittore.restore();
}

void disegnaFondoSegno(QPainter& pittore, const QRect& controllo, Segno segno)
{
    if (segno == Segno::Presa)
        pittore.fillRect(controllo, GialloSegno);
}

bool premiConInvio(QAbstractButton* bottone, QKeyEvent* evento)
{
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        return false;
    evento->accept();
    if (!evento->isAutoRepeat())
        bottone->click();
    return true;
}

void annuncia(QWidget* dove, const QString& frase)
{
    if (dove && dove->hasFocus()) {
        static const bool accessibile = (QAccessible::installFactory(accessibileNotifica), true);
        Q_UNUSED(accessibile);
        QWidget* finestra = dove->window();
        auto* notifica = finestra->findChild<Notifica*>(QString(), Qt::FindDirectChildrenOnly);
        (notifica ? notifica : new Notifica(finestra))->di(frase);
        return;
    }
    // The one control that holds a sentence, and loses it with the focus.
    static QPointer<QWidget> portatore;
    static const bool collegato = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* prima, QWidget*) {
            if (prima && prima == portatore) {
                portatore->setAccessibleDescription(QString());
                portatore = nullptr;
            }
        });
        return true;
    }();
    Q_UNUSED(collegato);
    if (!dove)
        return;
    if (portatore && portatore != dove)
        portatore->setAccessibleDescription(QString());
    // The same sentence again is a new one: it changes twice, to be spoken.
    if (dove->accessibleDescription() == frase)
        dove->setAccessibleDescription(QString());
    dove->setAccessibleDescription(frase);
    portatore = dove;
}

} // namespace Interfaccia

void BottoneACapo::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    opzione.text.clear();
    opzione.state &= ~QStyle::State_HasFocus;   // the program's own mark instead
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const QRect area = rect().adjusted(4, 2, -4, -2);
    pittore.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
    if (hasFocus())
        Interfaccia::disegnaSegno(pittore, rect(), Interfaccia::Segno::Fuoco);
}

void BottoneACapo::keyPressEvent(QKeyEvent* evento)
{
    if (!Interfaccia::premiConInvio(this, evento))
        QPushButton::keyPressEvent(evento);
}

BottoneFigura::BottoneFigura(QWidget* genitore, const QString& testo, const QString& figura)
    : QToolButton(genitore)
{
    setText(testo);
    setIcon(Interfaccia::icona(figura));
    Interfaccia::dimensioneIcona(this, 32);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void BottoneFigura::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QStyleOptionToolButton opzione;
    initStyleOption(&opzione);
    opzione.state &= ~QStyle::State_HasFocus;
    pittore.drawComplexControl(QStyle::CC_ToolButton, opzione);
    if (hasFocus())
        Interfaccia::disegnaSegno(pittore, rect(), Interfaccia::Segno::Fuoco);
}

void BottoneFigura::keyPressEvent(QKeyEvent* evento)
{
    if (!Interfaccia::premiConInvio(this, evento))
        QToolButton::keyPressEvent(evento);
}

void OpzioneACapo::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    // The round mark grows with the window's scale, as the caption does.
    const double s = Interfaccia::scala(this);
    const QRect indicatore = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opzione, this);
    const QSize lato(qRound(indicatore.width() * s), qRound(indicatore.height() * s));
    opzione.rect = QRect(QPoint(0, (height() - lato.height()) / 2), lato);
    pittore.drawPrimitive(QStyle::PE_IndicatorRadioButton, opzione);
    const int margine = lato.width() + qRound(6 * s);
    const QRect area = rect().adjusted(margine, 0, 0, 0);
    pittore.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         text(), QPalette::WindowText);
    if (hasFocus())
        Interfaccia::disegnaSegno(pittore, rect(), Interfaccia::Segno::Fuoco);
}

bool OpzioneACapo::hitButton(const QPoint& punto) const
{
    return rect().contains(punto);
}

#include "interfaccia.moc"
