// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers of the window tests: finding windows and controls by objectName,
// clicking them as the pupil does, answering message boxes.

#include "app/applicazione.h"
#include "comune/stato.h"
#include "supporto.h"

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// The whole program on a folder of small word lists (CartellaProva's), with
// a scripted random sequence and recorded sounds; draws not scripted give 1.
// Or with a random sequence of the test's own, such as a seeded
// CasualeOrologio; `casuale` is then not used. It ends by closing every window.
class ProgrammaDiProva {
public:
    explicit ProgrammaDiProva(QList<float> estrazioni = {});
    explicit ProgrammaDiProva(SorgenteCasuale& sorgente);
    ~ProgrammaDiProva();

    CartellaProva cartella;
    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    RegistratoreVoce voce;
    Applicazione applicazione;

private:
    ProgrammaDiProva(QList<float> estrazioni, SorgenteCasuale* sorgente);
};

// Answers the next message box by clicking the button with the given text,
// and keeps what the box said.
class Risponditore : public QObject {
public:
    void rispondi(const QString& bottone);

    QString titolo;
    QString testo;
    QStringList bottoni;
    int simbolo = 0;   // QMessageBox::Icon
    double punti = 0;  // the size of its text
    bool risposto = false;

private:
    void prova();

    QString atteso;
    int tentativi = 0;
};

// Watches for a modal window that no test answers. After `secondi` it makes
// the running test fail, saying what the box said, and closes the box, so
// that the test goes on and ends instead of waiting for ever.
class Sorvegliante : public QObject {
public:
    explicit Sorvegliante(int secondi = 3);

private:
    void guarda();

    QTimer orologio;
    int limite;
    int aperta = 0;   // ticks the same modal window has been open
    QWidget* vista = nullptr;
};

// What a screen reader is told while it lives: Qt's accessibility switched on
// as a screen reader switches it on, and its events recorded, as Qt's own
// accessibility tests record them: in order, each control given the focus
// ("focus: <name>"), each description that changed ("description: <text>")
// and each notification shown ("notification: <name>"); with `conNomi`, each
// name that changed too ("name: <name>"), which a screen reader keeps until
// it is told of a change, though most come with the controls' making.
class Ascolto {
public:
    explicit Ascolto(bool conNomi = false);
    ~Ascolto();
    QStringList prendi();   // what was said since the last call
};

// The visible top-level window with this objectName.
QWidget* finestra(const QString& nome);
QStringList finestreAperte();

template <typename T = QWidget>
T* controllo(QWidget* w, const QString& nome)
{
    return w ? w->findChild<T*>(nome) : nullptr;
}

// A left click in the middle of the control, as the pupil makes it.
void clicca(QWidget* w, const QString& nome);
// A click on a command of the window's menu bar.
void cliccaMenu(QWidget* w, const char* nome);
// The same command chosen by keys: F10, the arrow to it, Enter.
void scegliMenu(QWidget* w, const char* nome);

// The window closed from its frame, as Alt+F4 or the title bar's button asks
// the window manager; true if the window was then closed.
bool chiudiDallaCornice(QWidget* w);

// The keyboard, as the pupil uses it: the objectName of the control of the
// window that has the focus ("" for none); a key pressed there; `tasto`
// pressed until the control `nome` has the focus (false if it never comes).
QString fuocoDi(QWidget* w);
void premi(QWidget* w, Qt::Key tasto);
// A key held down where the focus is, as the keyboard sends it: one press,
// then `ripetute` presses and releases marked as auto-repeated, then the release.
void tieniPremuto(QWidget* w, Qt::Key tasto, int ripetute = 5, Qt::KeyboardModifiers modificatori = {});
// The time after a verdict in which "avanti" takes no key, gone by.
void pausaDelVerdetto();
bool portaFuoco(QWidget* w, const QString& nome, Qt::Key tasto = Qt::Key_Tab);

// What a screen reader calls a window or a control.
QString nomeDi(QWidget* w);

// The window's background: the colour of its client area.
QColor sfondoDi(QWidget* w);
// The text of a label, text box or button; "<none>" when there is no such control.
QString testoDi(QWidget* w, const QString& nome);

// A place in twips at a scale.
QRect perScala(const QRect& twip, double scala);

// A control's place in its parent, in twips (15 to a pixel), and whether it
// lies within half a pixel of the place given.
QRect inTwip(const QRect& pixel);
bool aPosto(const QWidget* w, const QRect& twip);
