#include "app/interfaccia.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

namespace Interfaccia {

QRect rettangolo(int sinistra, int alto, int larghezza, int altezza)
{
    const int x = pixel(sinistra);
    const int y = pixel(alto);
    return QRect(x, y, pixel(sinistra + larghezza) - x, pixel(alto + altezza) - y);
}

QFont carattere(double punti, bool grassetto)
{
    static const bool sostituito = [] {
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Helvetica")});
        return true;
    }();
    Q_UNUSED(sostituito);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

QFont carattereDiSistema(double punti, bool grassetto)
{
    return carattere(punti, grassetto);
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

QIcon icona(const QString& nome)
{
    static QHash<QString, QIcon> giaFatte;
    if (auto trovata = giaFatte.constFind(nome); trovata != giaFatte.cend())
        return *trovata;
    QSvgRenderer disegno(QStringLiteral(":/immagini/%1.svg").arg(nome));
    QIcon risultato;
    if (disegno.isValid()) {
        // One picture per size a window may ask for, up to triple density.
        for (int lato : {16, 24, 32, 48, 64, 96, 128}) {
            QPixmap immagine(lato, lato);
            immagine.fill(Qt::transparent);
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            disegno.render(&pittore);
            pittore.end();
            risultato.addPixmap(immagine);
        }
    }
    giaFatte.insert(nome, risultato);
    return risultato;
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
