// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "supporto_finestre.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

QStringList detti;
bool nomi = false;   // name changes recorded too

void registra(QAccessibleEvent* evento)
{
    QAccessibleInterface* a = evento->accessibleInterface();
    if (!a)
        return;
    if (evento->type() == QAccessible::Focus)
        detti.append(QStringLiteral("focus: ") + a->text(QAccessible::Name));
    else if (evento->type() == QAccessible::DescriptionChanged && !a->text(QAccessible::Description).isEmpty())
        detti.append(QStringLiteral("description: ") + a->text(QAccessible::Description));
    else if (evento->type() == QAccessible::NameChanged && nomi)
        detti.append(QStringLiteral("name: ") + a->text(QAccessible::Name));
    else if (evento->type() == QAccessible::ObjectShow && a->role() == QAccessible::Notification)
        detti.append(QStringLiteral("notification: ") + a->text(QAccessible::Name));
}

QPlatformAccessibility* accessibilita()
{
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
}

} // namespace

Ascolto::Ascolto(bool conNomi)
{
    detti.clear();
    nomi = conNomi;
    QAccessible::installUpdateHandler(registra);
    accessibilita()->setActive(true);
}

Ascolto::~Ascolto()
{
    accessibilita()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
}

QStringList Ascolto::prendi()
{
    return std::exchange(detti, {});
}

ProgrammaDiProva::ProgrammaDiProva(QList<float> estrazioni)
    : ProgrammaDiProva(std::move(estrazioni), nullptr)
{
}

ProgrammaDiProva::ProgrammaDiProva(SorgenteCasuale& sorgente)
    : ProgrammaDiProva({}, &sorgente)
{
}

ProgrammaDiProva::ProgrammaDiProva(QList<float> estrazioni, SorgenteCasuale* sorgente)
    : casuale(std::move(estrazioni))
    , applicazione(stato, sorgente ? *sorgente : casuale, suoni, voce, cartella.percorso())
{
    cartella.scriviElenchiDueScelte();
    cartella.scriviElenchiScritte();
}

ProgrammaDiProva::~ProgrammaDiProva()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Risponditore::rispondi(const QString& bottone)
{
    atteso = bottone;
    tentativi = 0;
    risposto = false;
    QTimer::singleShot(0, this, &Risponditore::prova);
}

void Risponditore::prova()
{
    auto* scatola = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!scatola) {
        if (++tentativi < 200)
            QTimer::singleShot(10, this, &Risponditore::prova);
        return;
    }
    titolo = scatola->windowTitle();
    testo = scatola->text();
    simbolo = scatola->icon();
    punti = scatola->font().pointSizeF();
    bottoni.clear();
    for (QAbstractButton* b : scatola->buttons())
        bottoni.append(b->text());
    for (QAbstractButton* b : scatola->buttons()) {
        if (b->text() == atteso) {
            risposto = true;
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    }
}

Sorvegliante::Sorvegliante(int secondi)
    : limite(secondi * 10)
{
    orologio.setInterval(100);
    connect(&orologio, &QTimer::timeout, this, &Sorvegliante::guarda);
    orologio.start();
}

void Sorvegliante::guarda()
{
    QWidget* modale = QApplication::activeModalWidget();
    if (modale != vista) {
        vista = modale;
        aperta = 0;
        return;
    }
    if (!modale || ++aperta < limite)
        return;
    const auto* scatola = qobject_cast<QMessageBox*>(modale);
    const QString detto = scatola ? scatola->text() : modale->objectName();
    QTest::qFail(qPrintable(QStringLiteral("a message box no test answered: \"%1\"").arg(detto)), __FILE__,
                 __LINE__);
    vista = nullptr;
    aperta = 0;
    modale->close();
}

QWidget* finestra(const QString& nome)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == nome)
            return w;
    }
    return nullptr;
}

QStringList finestreAperte()
{
    QStringList nomi;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            nomi.append(w->objectName());
    }
    return nomi;
}

void clicca(QWidget* w, const QString& nome)
{
    QWidget* c = controllo(w, nome);
    QVERIFY2(c, qPrintable(nome));
    QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
}

void cliccaMenu(QWidget* w, const char* nome)
{
    auto* principale = qobject_cast<QMainWindow*>(w);
    QVERIFY(principale);
    auto* azione = principale->findChild<QAction*>(QString::fromLatin1(nome));
    QVERIFY2(azione, nome);
    QMenuBar* barra = principale->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(azione).center());
}

void scegliMenu(QWidget* w, const char* nome)
{
    auto* principale = qobject_cast<QMainWindow*>(w);
    QVERIFY(principale);
    QMenuBar* barra = principale->menuBar();
    w->activateWindow();   // the shortcut works in the active window
    QVERIFY(QTest::qWaitForWindowActive(w));
    premi(w, Qt::Key_F10);
    for (int volte = 0; volte < 8 && barra->activeAction()
                        && barra->activeAction()->objectName() != QLatin1String(nome);
         ++volte)
        QTest::keyClick(barra, Qt::Key_Right);
    QVERIFY2(barra->activeAction() && barra->activeAction()->objectName() == QLatin1String(nome), nome);
    QTest::keyClick(barra, Qt::Key_Return);
}

bool chiudiDallaCornice(QWidget* w)
{
    return QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(w->windowHandle());
}

QString fuocoDi(QWidget* w)
{
    QWidget* fuoco = w ? w->focusWidget() : nullptr;
    return fuoco ? fuoco->objectName() : QString();
}

void pausaDelVerdetto()
{
    QTest::qWait(400);
}

void premi(QWidget* w, Qt::Key tasto)
{
    QWidget* fuoco = w->focusWidget();
    QVERIFY2(fuoco, qPrintable(w->objectName() + QStringLiteral(": no control has the focus")));
    QTest::keyClick(fuoco, tasto);
}

void tieniPremuto(QWidget* w, Qt::Key tasto, int ripetute, Qt::KeyboardModifiers modificatori)
{
    const QString testo = tasto == Qt::Key_Space ? QStringLiteral(" ") : QString();
    auto manda = [&](QEvent::Type tipo, bool ripetuto) {
        if (QWidget* fuoco = w->focusWidget()) {
            QKeyEvent evento(tipo, tasto, modificatori, testo, ripetuto);
            QApplication::sendEvent(fuoco, &evento);
        }
    };
    manda(QEvent::KeyPress, false);
    for (int volta = 0; volta < ripetute; ++volta) {
        manda(QEvent::KeyRelease, true);
        manda(QEvent::KeyPress, true);
    }
    manda(QEvent::KeyRelease, false);
}

bool portaFuoco(QWidget* w, const QString& nome, Qt::Key tasto)
{
    for (int volte = 0; volte < 40 && w->focusWidget(); ++volte) {
        if (fuocoDi(w) == nome)
            return true;
        QTest::keyClick(w->focusWidget(), tasto);
    }
    return fuocoDi(w) == nome;
}

QString nomeDi(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

QColor sfondoDi(QWidget* w)
{
    QWidget* sfondo = controllo(w, QStringLiteral("sfondo"));
    return sfondo ? sfondo->palette().color(QPalette::Window) : QColor();
}

QString testoDi(QWidget* w, const QString& nome)
{
    if (auto* etichetta = controllo<QLabel>(w, nome))
        return etichetta->text();
    if (auto* riga = controllo<QLineEdit>(w, nome))
        return riga->text();
    if (auto* bottone = controllo<QAbstractButton>(w, nome))
        return bottone->text();
    return QStringLiteral("<none>");
}

QRect perScala(const QRect& twip, double scala)
{
    return QRect(qRound(twip.x() * scala), qRound(twip.y() * scala), qRound(twip.width() * scala),
                 qRound(twip.height() * scala));
}

QRect inTwip(const QRect& pixel)
{
    return QRect(pixel.x() * 15, pixel.y() * 15, pixel.width() * 15, pixel.height() * 15);
}

bool aPosto(const QWidget* w, const QRect& twip)
{
    if (!w)
        return false;
    const QRect g = inTwip(w->geometry());
    auto vicino = [](int a, int b) { return qAbs(a - b) <= 8; };
    return vicino(g.x(), twip.x()) && vicino(g.y(), twip.y()) && vicino(g.right() + 1, twip.x() + twip.width())
           && vicino(g.bottom() + 1, twip.y() + twip.height());
}
