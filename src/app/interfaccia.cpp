#include "app/interfaccia.h"

#include <QApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QPixmapCache>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QSvgRenderer>

#include <QAccessibleWidget>

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

QRect rettangolo(int sinistra, int alto, int larghezza, int altezza)
{
    const int x = pixel(sinistra);
    const int y = pixel(alto);
    return QRect(x, y, pixel(sinistra + larghezza) - x, pixel(alto + altezza) - y);
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

void preparaFinestra(QWidget* finestra, const QString& nome, int larghezza, int altezza)
{
    finestra->setObjectName(nome);
    senzaTitolo(finestra);
    finestra->setFixedSize(pixel(larghezza), pixel(altezza));
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

void disegnaSegno(QPainter& pittore, const QRect& controllo, Segno segno)
{
    // One unit of thickness for every 24 pixels of the control's smaller side.
    const int t = qMax(2, qRound(qMin(controllo.width(), controllo.height()) / 24.0));
    // A ring `spessore` thick, `dentro` pixels inside the control's edge.
    auto anello = [&](int dentro, int spessore, const QColor& colore, bool tratteggiato) {
        QPen penna(colore, spessore, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (tratteggiato)
            penna.setDashPattern({2.0, 2.0});   // in widths of the pen
        pittore.setPen(penna);
        const qreal m = dentro + spessore / 2.0;
        pittore.drawRect(QRectF(controllo).adjusted(m, m, -m, -m));
    };
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing, false);
    pittore.setBrush(Qt::NoBrush);
    const QColor giallo(255, 255, 0);
    switch (segno) {
    case Segno::Fuoco:
        anello(t, t, Qt::white, false);
        anello(t, t, Qt::black, true);
        break;
    case Segno::Presa:
        anello(t, t, Qt::black, false);
        anello(2 * t, t, giallo, false);
        break;
    case Segno::Bersaglio:
        anello(t, 2 * t, giallo, false);
        anello(t, 2 * t, Qt::black, true);
        break;
    }
    pittore.restore();
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
    setIconSize(QSize(32, 32));
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
    const QRect indicatore = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opzione, this);
    opzione.rect = QRect(0, (height() - indicatore.height()) / 2, indicatore.width(), indicatore.height());
    pittore.drawPrimitive(QStyle::PE_IndicatorRadioButton, opzione);
    const int margine = indicatore.width() + 6;
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
