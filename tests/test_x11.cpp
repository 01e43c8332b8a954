// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window manager is told of each window, read back from a real X
// server: no title text, and not the program's name in its place.

#include "comune/interfaccia.h"
#include "supporto_finestre.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {

// The value of a text property of an X window, as xprop prints it.
QString proprieta(QWidget* w, const QString& nome)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()), nome});
    if (!xprop.waitForFinished(5000))
        return QStringLiteral("<xprop did not answer>");
    const QString uscita = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    // NAME(TYPE) = "text", or nothing after "=" for an empty text.
    const auto trovato = QRegularExpression(QStringLiteral("=\\s*(\"(.*)\")?$")).match(uscita);
    return trovato.hasMatch() ? trovato.captured(2) : uscita;
}

} // namespace

class TestX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void nessunTitolo_data();
    void nessunTitolo();

private:
    Sorvegliante sorvegliante;
};

void TestX11::initTestCase()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X server");
    Interfaccia::preparaStile();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestX11::nessunTitolo_data()
{
    QTest::addColumn<QStringList>("clic");   // buttons pressed from the title screen
    QTest::addColumn<QString>("nome");
    QTest::newRow("title screen") << QStringList{} << "FormAvvio";
    QTest::newRow("menu") << QStringList{"BottoneAvvio"} << "FormMenu";
    QTest::newRow("exercise") << QStringList{"BottoneAvvio", "Command2"} << "Form1";
}

void TestX11::nessunTitolo()
{
    QFETCH(QStringList, clic);
    QFETCH(QString, nome);
    ProgrammaDiProva programma;
    programma.applicazione.avvia();
    for (const QString& bottone : clic) {
        const QStringList aperte = finestreAperte();
        QCOMPARE(aperte.size(), 1);
        clicca(finestra(aperte.first()), bottone);
    }
    QWidget* w = finestra(nome);
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (const QString& proprieta_ : {QStringLiteral("WM_NAME"), QStringLiteral("_NET_WM_NAME")}) {
        const QString valore = proprieta(w, proprieta_);
        QVERIFY2(valore.trimmed().isEmpty(), qPrintable(proprieta_ + QStringLiteral(": ") + valore));
    }
}

QTEST_MAIN(TestX11)
#include "test_x11.moc"
