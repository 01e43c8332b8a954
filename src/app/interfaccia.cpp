#include "app/interfaccia.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

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

// What a window keeps to be laid out again, as properties of its widgets.
// On the client area: its size in twips, its scale and where its layout
// starts in it; on a control: its place in twips, its font at scale 1 and
// the side of its picture at scale 1.
const char* const Area = "lumeri_area";
const char* const Scala = "lumeri_scala";
const char* const Margine = "lumeri_margine";
const char* const Posto = "lumeri_posto";
const char* const Carattere = "lumeri_carattere";
const char* const Icona = "lumeri_icona";

bool interoSchermo = false;   // for the run only

bool eArea(const QWidget* w)
{
    return w->property(Area).isValid();
}

// The client area of a top-level window: the window itself, or its central widget.
QWidget* areaDellaFinestra(const QWidget* finestra)
{
    if (eArea(finestra))
        return const_cast<QWidget*>(finestra);
    for (QObject* figlio : finestra->children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (w && eArea(w))
            return w;
    }
    return nullptr;
}

// The client area `widget` is drawn in; a dialog of a window counts as in its window.
QWidget* areaDi(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (eArea(w))
            return const_cast<QWidget*>(w);
        if (w->isWindow()) {
            if (QWidget* area = areaDellaFinestra(w))
                return area;
        }
    }
    return nullptr;
}

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

void collocaInArea(QWidget* controllo, const QRect& twip, const QWidget* area)
{
    const double s = area ? area->property(Scala).toDouble() : 1.0;
    const QPoint margine = area ? area->property(Margine).toPoint() : QPoint();
    controllo->setGeometry(rettangolo(twip.x(), twip.y(), twip.width(), twip.height(), s).translated(margine));
}

// Fonts and pictures of every widget of the window, its menus included.
void scalaCaratteri(QWidget* finestra, double s)
{
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        const QVariant carattere = w->property(Carattere);
        if (carattere.isValid())
            w->setFont(inScala(carattere.value<QFont>(), s));
        const QVariant lato = w->property(Icona);
        if (auto* bottone = qobject_cast<QAbstractButton*>(w); bottone && lato.isValid()) {
            const int n = qRound(lato.toInt() * s);
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
    controllo->setProperty(Posto, twip);
    collocaInArea(controllo, twip, areaDi(controllo));
}

void assegnaCarattere(QWidget* controllo, const QFont& carattere)
{
    controllo->setProperty(Carattere, carattere);
    controllo->setFont(inScala(carattere, scala(controllo)));
}

void dimensioneIcona(QAbstractButton* bottone, int lato)
{
    bottone->setProperty(Icona, lato);
    const int n = qRound(lato * scala(bottone));
    bottone->setIconSize(QSize(n, n));
}

double scala(const QWidget* widget)
{
    const QWidget* area = widget ? areaDi(widget) : nullptr;
    return area ? area->property(Scala).toDouble() : 1.0;
}

QEvent::Type eventoScala()
{
    static const auto tipo = QEvent::Type(QEvent::registerEventType());
    return tipo;
}

void impostaScala(QWidget* finestra, double s, const QSize& schermo)
{
    QWidget* area = areaDellaFinestra(finestra);
    if (!area)
        return;
    scalaCaratteri(finestra, s);

    const QSize twip = area->property(Area).toSize();
    const QSize disegno(pixel(twip.width(), s), pixel(twip.height(), s));
    QSize dimensione = disegno;
    if (schermo.isValid())
        dimensione = QSize(schermo.width(), schermo.height() - sopraArea(finestra)).expandedTo(disegno);
    area->setProperty(Scala, s);
    area->setProperty(Margine, QPoint((dimensione.width() - disegno.width()) / 2,
                                      (dimensione.height() - disegno.height()) / 2));
    area->setFixedSize(dimensione);
    for (QWidget* w : area->findChildren<QWidget*>()) {
        const QVariant posto = w->property(Posto);
        if (posto.isValid())
            collocaInArea(w, posto.toRect(), area);
    }
    // The window takes its new size now, not when its layout's turn comes.
    if (QLayout* disposizione = finestra->layout())
        disposizione->activate();
    QEvent avviso(eventoScala());
    QCoreApplication::sendEvent(finestra, &avviso);
}

bool schermoIntero()
{
    return interoSchermo;
}

namespace {

// The largest scale at which the window's layout fits the screen, in
// proportion. The menu bar above it grows with the scale too: measured at the
// scale the layout alone would take, it leaves a scale that surely fits; the
// bar measured again at that one may leave room for a little more.
void inTuttoLoSchermo(QWidget* finestra)
{
    const QWidget* area = areaDellaFinestra(finestra);
    QScreen* schermo = finestra->screen();
    if (!area || !schermo)
        return;
    const QRect tutto = schermo->geometry();
    const QSize twip = area->property(Area).toSize();
    auto scalaSotto = [&](double s) {
        scalaCaratteri(finestra, s);
        return std::min(tutto.width() * 15.0 / twip.width(),
                        (tutto.height() - sopraArea(finestra)) * 15.0 / twip.height());
    };
    const double certa = scalaSotto(std::min(tutto.width() * 15.0 / twip.width(), tutto.height() * 15.0 / twip.height()));
    const double forse = scalaSotto(certa);
    scalaCaratteri(finestra, forse);
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
    const QWidget* area = areaDellaFinestra(finestra);
    if (area && (area->property(Scala).toDouble() != 1.0 || !area->property(Margine).toPoint().isNull()))
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
    area->setProperty(Area, QSize(larghezza, altezza));
    area->setProperty(Scala, 1.0);
    area->setProperty(Margine, QPoint());
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

} // namespace Interfaccia

void BottoneACapo::paintEvent(QPaintEvent*)
{
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    opzione.text.clear();
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const QRect area = rect().adjusted(4, 2, -4, -2);
    pittore.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
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
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = area;
        pittore.drawPrimitive(QStyle::PE_FrameFocusRect, fuoco);
    }
}

bool OpzioneACapo::hitButton(const QPoint& punto) const
{
    return rect().contains(punto);
}
