// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon of the desktop entry: each PNG is a render of the window's
// picture at its own size, so the two never drift apart.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class TestIcona : public QObject {
    Q_OBJECT

private slots:
    void renderAggiornati_data();
    void renderAggiornati();
};

void TestIcona::renderAggiornati_data()
{
    QTest::addColumn<int>("misura");
    for (const QString& misura : QStringLiteral(LUMERI_MISURE_ICONA).split(u';'))
        QTest::newRow(qPrintable(misura)) << misura.toInt();
}

void TestIcona::renderAggiornati()
{
    QFETCH(int, misura);
    const QImage png = QImage(QStringLiteral(LUMERI_ICONE "/%1.png").arg(misura)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!png.isNull(), "no PNG");
    QCOMPARE(png.size(), QSize(misura, misura));

    QSvgRenderer disegno(QStringLiteral(LUMERI_DISEGNO));
    QVERIFY(disegno.isValid());
    QImage atteso(misura, misura, QImage::Format_ARGB32);
    atteso.fill(Qt::transparent);
    QPainter pittore(&atteso);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore);
    pittore.end();

    // Antialiasing may differ by a shade between Qt versions, not more.
    int scarto = 0;
    int verdi = 0;
    for (int y = 0; y < misura; ++y) {
        for (int x = 0; x < misura; ++x) {
            const QColor a = png.pixelColor(x, y), b = atteso.pixelColor(x, y);
            scarto = std::max({scarto, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                               std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
            verdi += (a.alpha() == 255 && a.green() > a.red() && a.green() > a.blue()) ? 1 : 0;
        }
    }
    QVERIFY2(scarto <= 24, qPrintable(QStringLiteral("differs by %1: run disegnaicone").arg(scarto)));
    QVERIFY2(verdi > misura * misura / 4, "not a green picture");
}

QTEST_MAIN(TestIcona)
#include "test_icona.moc"
