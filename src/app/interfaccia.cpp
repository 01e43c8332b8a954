#include "app/interfaccia.h"

#include <QApplication>
#include <QIconEngine>
#include <QPixmapCache>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

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
    const QRect indicatore = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opzione, this);
    opzione.rect = QRect(0, (height() - indicatore.height()) / 2, indicatore.width(), indicatore.height());
    pittore.drawPrimitive(QStyle::PE_IndicatorRadioButton, opzione);
    const int margine = indicatore.width() + 6;
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
