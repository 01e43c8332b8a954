// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/bottoni.h"
#include "comune/aspetto.h"
#include "comune/scala.h"
#include "comune/segni.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace Interfaccia {

bool premiConInvio(QAbstractButton* bottone, QKeyEvent* evento)
{
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        return false;
    evento->accept();
    if (!evento->isAutoRepeat())
        bottone->click();
    return true;
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
