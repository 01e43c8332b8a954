// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/segni.h"

#include <QPainter>
#include <QPen>

namespace Interfaccia {

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
} // namespace Interfaccia
