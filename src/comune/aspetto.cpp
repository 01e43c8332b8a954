// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/aspetto.h"

#include "comune/segni.h"

#include <QApplication>
#include <QIconEngine>
#include <QLabel>
#include <QRadioButton>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

// Fusion, but the menu bar's item under the keyboard (F10, Alt) or the mouse
// is highlighted as when its menu is open: Fusion shows it plain. And a push
// button that leaves its focus to the style (a message box's) shows the
// program's thick mark, not Fusion's thin line.
class StileDelProgramma final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* pittore,
                     const QWidget* w) const override
    {
        const auto* voce = qstyleoption_cast<const QStyleOptionMenuItem*>(opzione);
        if (elemento == CE_MenuBarItem && voce && (voce->state & State_Selected) && (voce->state & State_Enabled)) {
            QStyleOptionMenuItem acceso(*voce);
            acceso.state |= State_Sunken;
            QProxyStyle::drawControl(elemento, &acceso, pittore, w);
            return;
        }
        if (elemento == CE_PushButton && (opzione->state & State_HasFocus)) {
            if (const auto* bottone = qstyleoption_cast<const QStyleOptionButton*>(opzione)) {
                QStyleOptionButton senza(*bottone);
                senza.state &= ~State_HasFocus;
                QProxyStyle::drawControl(elemento, &senza, pittore, w);
                Interfaccia::disegnaSegno(*pittore, senza.rect, Interfaccia::Segno::Fuoco);
                return;
            }
        }
        QProxyStyle::drawControl(elemento, opzione, pittore, w);
    }
};

} // namespace

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

namespace {

// The text colour a widget was given, kept for adattaTesti().
const char* const ColoreDato = "lumeri_coloreTesto";

} // namespace

void coloraTesto(QWidget* widget, ColoreVb valore)
{
    widget->setProperty(ColoreDato, valore);
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::WindowText, colore(valore));
    tavolozza.setColor(QPalette::Text, colore(valore));
    widget->setPalette(tavolozza);
}

void adattaTesti(QWidget* area, ColoreVb sfondo)
{
    for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool etichetta = qobject_cast<QLabel*>(w) && !w->autoFillBackground();
        if (!etichetta && !qobject_cast<QRadioButton*>(w))
            continue;
        const QVariant dato = w->property(ColoreDato);
        const ColoreVb dato_colore = dato.isValid() ? dato.value<ColoreVb>() : Colori::Nero;
        const QColor voluto = colore(Colori::leggibile(dato_colore, sfondo));
        if (w->palette().color(QPalette::WindowText) == voluto)
            continue;
        QPalette tavolozza = w->palette();
        tavolozza.setColor(QPalette::WindowText, voluto);
        w->setPalette(tavolozza);
    }
}

QIcon icona(const QString& nome)
{
    return QIcon(new MotoreSvg(QStringLiteral(":/immagini/%1.svg").arg(nome)));
}

void preparaStile()
{
    if (QStyle* stile = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new StileDelProgramma(stile));   // which owns Fusion
}
} // namespace Interfaccia
