// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls the exercise windows share: the item box, the row of answer
// buttons and their flat colours, the clickable box, the drag box and the
// box that takes its drop, and the window font.

#include "comune/interfaccia.h"
#include "frame/controlli.h"
#include "supporto_finestre.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QPushButton>
#include <QTest>
#include <array>
#include <memory>

class TestControlli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void casellaElemento();
    void rigaDiBottoni_data();
    void rigaDiBottoni();
    void coloriPiatti_data();
    void coloriPiatti();
    void casellaCliccabile();
    void trascinaELascia_data();
    void trascinaELascia();
    void soloLeCaselleDellaFinestra();
    void carattereDellaFinestra();
    void coloreDelTesto();
};

namespace {

// The three answer buttons of the primitive-derived-altered window.
constexpr std::array<ControlloDisposto, 3> treBottoni = {{
    {"Bottone1", "primitivo", {105, 2625, 2535, 855}},
    {"Command1", "derivato", {2730, 2625, 2535, 855}},
    {"Bottone2", "alterato", {5355, 2625, 2535, 855}},
}};

// The colour of the button's face, inside its edge and away from the caption.
QColor faccia(QWidget* bottone)
{
    return bottone->grab().toImage().pixelColor(4, 4);
}

// The darkest pixel of the caption's middle line.
QColor inchiostro(QWidget* bottone)
{
    const QImage immagine = bottone->grab().toImage();
    QColor piuScuro(Qt::white);
    const int y = immagine.height() / 2;
    for (int x = 6; x < immagine.width() - 6; ++x) {
        const QColor c = immagine.pixelColor(x, y);
        if (c.lightness() < piuScuro.lightness())
            piuScuro = c;
    }
    return piuScuro;
}

// Contrast between two colours, as readability guides measure it (1 to 21).
double contrasto(const QColor& a, const QColor& b)
{
    auto luce = [](const QColor& c) {
        auto canale = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * canale(c.red()) + 0.7152 * canale(c.green()) + 0.0722 * canale(c.blue());
    };
    const double la = luce(a), lb = luce(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestControlli::initTestCase()
{
    Interfaccia::preparaStile();
}

void TestControlli::casellaElemento()
{
    QWidget finestra;
    QLineEdit* casella = Controlli::casellaElemento(&finestra, {1155, 630, 4545, 645}, 24);
    QCOMPARE(casella->objectName(), QStringLiteral("Text1"));
    QVERIFY(aPosto(casella, QRect(1155, 630, 4545, 645)));
    QCOMPARE(casella->font().pointSizeF(), 24.0);
    QVERIFY(casella->font().bold());
    QVERIFY(casella->isReadOnly());
    QCOMPARE(casella->focusPolicy(), Qt::TabFocus);
    finestra.show();
    casella->setText(QStringLiteral("casa"));
    QTest::keyClicks(casella, QStringLiteral("xyz"));
    QCOMPARE(casella->text(), QStringLiteral("casa"));
}

void TestControlli::rigaDiBottoni_data()
{
    QTest::addColumn<int>("numero");
    for (int i = 1; i <= 3; ++i)
        QTest::addRow("%s", treBottoni[std::size_t(i - 1)].nome) << i;
}

void TestControlli::rigaDiBottoni()
{
    QFETCH(int, numero);
    QWidget finestra;
    QList<int> premuti;
    RigaBottoni riga(&finestra, treBottoni, 24, [&premuti](int k) { premuti.append(k); });
    finestra.show();
    const ControlloDisposto& atteso = treBottoni[std::size_t(numero - 1)];
    auto* bottone = controllo<BottoneRisposta>(&finestra, QString::fromLatin1(atteso.nome));
    QVERIFY(bottone);
    QCOMPARE(riga.bottoni().value(numero - 1), bottone);
    QCOMPARE(bottone->text(), QString::fromUtf8(atteso.didascalia));
    QVERIFY(aPosto(bottone, QRect(atteso.posto.sinistra, atteso.posto.alto, atteso.posto.larghezza,
                                  atteso.posto.altezza)));
    QCOMPARE(bottone->font().pointSizeF(), 24.0);
    QVERIFY(bottone->font().bold());

    QTest::mouseClick(bottone, Qt::LeftButton);
    QCOMPARE(premuti, QList<int>{numero});
    QTest::keyClick(bottone, Qt::Key_Return);   // Enter presses it, as Space does
    QCOMPARE(premuti, (QList<int>{numero, numero}));

    // With the focus, a mark in black and in white: it shows on every face.
    QVERIFY(QTest::qWaitForWindowActive(&finestra));
    bottone->setFocus();
    QSet<QRgb> segno;
    const QImage immagine = bottone->grab().toImage();
    for (int x = 6; x < immagine.width() - 6; ++x)   // along the top edge
        segno.insert(immagine.pixel(x, 1));
    QVERIFY(segno.contains(qRgb(0, 0, 0)) && segno.contains(qRgb(255, 255, 255)));

    riga.mostra(false, [](int) { return std::nullopt; });
    QTest::mouseClick(bottone, Qt::LeftButton);
    QCOMPARE(premuti, (QList<int>{numero, numero}));
    for (BottoneRisposta* b : riga.bottoni())
        QVERIFY(!b->isEnabled());
}

void TestControlli::coloriPiatti_data()
{
    QTest::addColumn<uint>("valore");
    QTest::addColumn<bool>("abilitato");
    QTest::addColumn<QColor>("atteso");
    QTest::newRow("pressed answer, red") << uint(Colori::Rosso) << false << QColor(255, 0, 0);
    QTest::newRow("after avanti, light grey") << uint(Colori::GrigioChiaro) << true << QColor(192, 192, 192);
    QTest::newRow("light grey, disabled") << uint(Colori::GrigioChiaro) << false << QColor(192, 192, 192);
}

void TestControlli::coloriPiatti()
{
    // The whole face is the colour set, not a gradient around it, and the
    // caption stands out from it.
    QFETCH(uint, valore);
    QFETCH(bool, abilitato);
    QFETCH(QColor, atteso);
    QWidget finestra;
    RigaBottoni riga(&finestra, treBottoni, 24, [](int) {});
    finestra.show();
    riga.mostra(abilitato, [valore](int k) { return k == 2 ? std::optional<ColoreVb>(valore) : std::nullopt; });
    BottoneRisposta* bottone = riga.bottoni()[1];
    const QImage immagine = bottone->grab().toImage();
    for (const QPoint& p : {QPoint(4, 4), QPoint(immagine.width() - 5, immagine.height() - 5),
                            QPoint(immagine.width() / 2, 5), QPoint(5, immagine.height() / 2)})
        QCOMPARE(immagine.pixelColor(p), atteso);
    QVERIFY2(contrasto(inchiostro(bottone), atteso) >= 3.0,
             qPrintable(QString::number(contrasto(inchiostro(bottone), atteso))));
    // The others keep the system's colour.
    QCOMPARE(faccia(riga.bottoni()[0]), finestra.palette().color(QPalette::Button));
}

void TestControlli::casellaCliccabile()
{
    QWidget finestra;
    auto* casella = new Casella(&finestra, Controlli::nomeElemento("Label3", 4), 4, {1995, 2940, 3000, 375});
    finestra.show();
    QCOMPARE(casella->objectName(), QStringLiteral("Label3_4"));
    QVERIFY(aPosto(casella, QRect(1995, 2940, 3000, 375)));
    QCOMPARE(casella->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(casella->autoFillBackground());
    QCOMPARE(casella->frameShape(), QFrame::Box);
    QCOMPARE(casella->alignment(), Qt::AlignCenter);
    QCOMPARE(casella->font().pointSizeF(), 14.25);

    QSignalSpy cliccate(casella, &Casella::cliccata);
    QTest::mouseClick(casella, Qt::LeftButton);
    QTest::mouseClick(casella, Qt::RightButton);
    QCOMPARE(cliccate.size(), 1);
    QCOMPARE(cliccate.first().first().toInt(), 4);
    // Pressed on the box but let go outside: no click.
    QTest::mousePress(casella, Qt::LeftButton);
    QTest::mouseRelease(casella, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(cliccate.size(), 1);

    casella->setEnabled(false);
    QTest::mouseClick(casella, Qt::LeftButton);
    QCOMPARE(cliccate.size(), 1);

    casella->colora(Colori::Rosso);
    QCOMPARE(casella->palette().color(QPalette::Window), QColor(255, 0, 0));
}

void TestControlli::trascinaELascia_data()
{
    QTest::addColumn<bool>("sorgenteAbilitata");
    QTest::addColumn<bool>("bersaglioAbilitato");
    QTest::addColumn<bool>("lasciata");
    QTest::newRow("both enabled") << true << true << true;
    QTest::newRow("a disabled box is not dragged") << false << true << false;
    QTest::newRow("a disabled target takes nothing") << true << false << false;
}

void TestControlli::trascinaELascia()
{
    QFETCH(bool, sorgenteAbilitata);
    QFETCH(bool, bersaglioAbilitato);
    QFETCH(bool, lasciata);
    QWidget finestra;
    auto* sorgente = new CasellaTrascinabile(&finestra, QStringLiteral("Label3_6"), 6, {315, 420, 2115, 375});
    auto* bersaglio = new CasellaBersaglio(&finestra, QStringLiteral("Label4_2"), 2, {2835, 1680, 4005, 375});
    sorgente->setEnabled(sorgenteAbilitata);
    bersaglio->setEnabled(bersaglioAbilitato);
    finestra.show();
    QVERIFY(bersaglio->acceptDrops());
    QSignalSpy lasciate(bersaglio, &CasellaBersaglio::lasciata);
    QCOMPARE(bersaglio->ricevi(sorgente), lasciata);
    QCOMPARE(lasciate.size(), lasciata ? 1 : 0);
    if (lasciata)
        QCOMPARE(lasciate.first(), (QVariantList{6, 2}));
    // A disabled box takes no press, so no drag can start from it.
    if (!sorgenteAbilitata)
        QTest::mousePress(sorgente, Qt::LeftButton);
    if (!lasciata)
        return;

    // The marks of the word picked up and of the box chosen for it cover
    // none of the letters, though a board's box leaves them three pixels.
    sorgente->setText(QStringLiteral("capigliatura"));
    bersaglio->setText(QStringLiteral("figli"));
    QVERIFY(QTest::qWaitForWindowActive(&finestra));
    const QImage prima[] = {sorgente->grab().toImage(), bersaglio->grab().toImage()};
    sorgente->premi();
    bersaglio->setFocus();
    const QImage dopo[] = {sorgente->grab().toImage(), bersaglio->grab().toImage()};
    for (int i = 0; i < 2; ++i) {
        QVERIFY(prima[i] != dopo[i]);   // marked
        for (int y = 1; y < prima[i].height() - 1; ++y) {
            for (int x = 1; x < prima[i].width() - 1; ++x) {
                // A letter's ink stays ink: no white, no yellow over it.
                if (QColor(prima[i].pixel(x, y)).lightness() < 80)
                    QVERIFY2(QColor(dopo[i].pixel(x, y)).lightness() < 110, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    // The word picked up turns yellow inside its mark.
    QCOMPARE(dopo[0].pixelColor(5, dopo[0].height() / 2), QColor(255, 255, 0));

    // With the focus alone, a board's small box still has a thick mark: on
    // a grey box, its two outer pixels are the mark's white or black.
    sorgente->premi();   // put back
    sorgente->colora(Colori::GrigioChiaro);
    sorgente->setFocus();
    // So has a plain push button, as a message box's, left to the style.
    auto* bottone = new QPushButton(QStringLiteral("OK"), &finestra);
    bottone->resize(80, 24);
    bottone->show();
    for (QWidget* w : std::initializer_list<QWidget*>{sorgente, bottone}) {
        w->setFocus();
        const QImage fuoco = w->grab().toImage();
        for (int x : {0, 1}) {
            const QColor c = fuoco.pixelColor(x, fuoco.height() / 2);
            QVERIFY2(c == QColor(Qt::white) || c == QColor(Qt::black), qPrintable(w->objectName() + c.name()));
        }
    }
}

void TestControlli::soloLeCaselleDellaFinestra()
{
    QWidget finestra, altra;
    auto* bersaglio = new CasellaBersaglio(&finestra, QStringLiteral("Label6_0"), 0, {1365, 1890, 2325, 435});
    auto* semplice = new Casella(&finestra, QStringLiteral("Label5_0"), 0, {1365, 1155, 2325, 435});
    auto* altrove = new CasellaTrascinabile(&altra, QStringLiteral("Label4"), 0, {1995, 525, 2325, 435});
    QSignalSpy lasciate(bersaglio, &CasellaBersaglio::lasciata);
    QVERIFY(!bersaglio->ricevi(nullptr));
    QVERIFY(!bersaglio->ricevi(semplice));
    QVERIFY(!bersaglio->ricevi(altrove));
    QVERIFY(!bersaglio->ricevi(bersaglio));
    QCOMPARE(lasciate.size(), 0);
}

void TestControlli::carattereDellaFinestra()
{
    const QFont font = Interfaccia::carattereSansSerif();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QVERIFY(font.bold());
    // Drawn with Arial's measures, as every other text of the program.
    QCOMPARE(QFontInfo(font).family(), QFontInfo(Interfaccia::carattere(8.25)).family());
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

void TestControlli::coloreDelTesto()
{
    QLabel etichetta;
    Interfaccia::coloraTesto(&etichetta, 0x00FFFF80);
    QCOMPARE(etichetta.palette().color(QPalette::WindowText), QColor(0x80, 0xFF, 0xFF));
    Interfaccia::coloraTesto(&etichetta, Colori::Bianco);
    QCOMPARE(etichetta.palette().color(QPalette::WindowText), QColor(Qt::white));
    etichetta.setEnabled(false);
    QCOMPARE(etichetta.palette().color(QPalette::WindowText), QColor(Qt::white));
}

QTEST_MAIN(TestControlli)
#include "test_controlli.moc"
