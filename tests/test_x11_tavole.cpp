// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A real mouse drag on the two drag boards, on a real X server: xdotool
// presses, moves in steps and lets go, and the drop lands where the pointer is.

#include "comune/interfaccia.h"
#include "elenchi_tavole.h"
#include "frame/esercizio.h"
#include "frame/finestra_esercizio.h"
#include "supporto_finestre.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <memory>

class TestX11Tavole : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void trascina_data();
    void trascina();

private:
    Sorvegliante sorvegliante;
};

void TestX11Tavole::initTestCase()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X server");
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestX11Tavole::trascina_data()
{
    QTest::addColumn<QString>("bottone");
    QTest::addColumn<QString>("sorgente");
    QTest::addColumn<QString>("bersaglio");
    QTest::addColumn<int>("esatti");
    QTest::addColumn<int>("errati");
    // Form14: "casetta" belongs to casa's diminutive box. Form16: pairs 1 to 9 in their own places.
    QTest::newRow("Form14 right") << "Command14" << "Label4" << "Label6_0" << 1 << 0;
    QTest::newRow("Form14 wrong") << "Command14" << "Label4" << "Label7_0" << 0 << 1;
    QTest::newRow("Form14 on a noun") << "Command14" << "Label4" << "Label5_0" << 0 << 0;
    QTest::newRow("Form16 right") << "Command17" << "Label3_4" << "Label4_4" << 1 << 0;
    QTest::newRow("Form16 wrong") << "Command17" << "Label3_4" << "Label4_5" << 0 << 1;
    QTest::newRow("Form16 on the first column") << "Command17" << "Label3_4" << "Label3_5" << 0 << 0;
}

void TestX11Tavole::trascina()
{
    QFETCH(QString, bottone);
    QFETCH(QString, sorgente);
    QFETCH(QString, bersaglio);
    QFETCH(int, esatti);
    QFETCH(int, errati);
    ProgrammaDiProva programma;
    scriviElenchiTavole(programma.cartella);
    programma.casuale.aggiungi({0.0f, 0.0f});
    if (bottone == QStringLiteral("Command14"))
        primaTavola(programma.casuale);
    else
        programma.casuale.aggiungi({0.0f, per(1, 10), per(2, 10), per(3, 10), per(4, 10), per(5, 10), per(6, 10),
                                    per(7, 10), per(8, 10), per(9, 10)});
    programma.applicazione.avvia();
    clicca(finestra(QStringLiteral("FormAvvio")), QStringLiteral("BottoneAvvio"));
    clicca(finestra(QStringLiteral("FormMenu")), bottone);
    const QStringList aperte = finestreAperte();
    QCOMPARE(aperte.size(), 1);
    auto* f = qobject_cast<FinestraEsercizio*>(finestra(aperte.first()));
    QVERIFY(f);
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QTRY_VERIFY(f->esercizio().avviato());
    QTest::qWait(200);

    QWidget* da = controllo(f, sorgente);
    QWidget* a = controllo(f, bersaglio);
    QVERIFY(da && a);
    const QPoint p = da->mapToGlobal(da->rect().center());
    const QPoint q = a->mapToGlobal(a->rect().center());
    QStringList passi{QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                      QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.2")};
    for (int i = 1; i <= 8; ++i) {
        const QPoint r = p + (q - p) * i / 8;
        passi << QStringLiteral("mousemove") << QString::number(r.x()) << QString::number(r.y())
              << QStringLiteral("sleep") << QStringLiteral("0.05");
    }
    passi << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup") << QStringLiteral("1");
    QProcess xdotool;
    xdotool.start(QStringLiteral(LUMERI_XDOTOOL), passi);
    QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 10000);
    QCOMPARE(xdotool.exitCode(), 0);
    QTest::qWait(300);
    QCOMPARE(int(programma.stato.contaEsatti), esatti);
    QCOMPARE(int(programma.stato.contaErrati), errati);
    if (esatti)
        QCOMPARE(testoDi(f, bersaglio).isEmpty(), false);
}

QTEST_MAIN(TestX11Tavole)
#include "test_x11_tavole.moc"
