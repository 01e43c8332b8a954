// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/disposizione.h"
#include "frame/vista.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

class BottoneFigura;
class Esercizio;
class Navigazione;
class QAction;
class QLabel;
class QToolButton;
struct ErroreElenco;

// The window every exercise shares: client area, icon, menu bar, counters,
// faces and "avanti", laid out for one window, and the view of its logic. A
// drill's window adds its own controls on sfondo(), turns the pupil's actions
// into calls of its logic and shows the drill's state in aggiornaEsercizio().
class FinestraEsercizio : public QMainWindow, public Vista {
    Q_OBJECT
public:
    FinestraEsercizio(Navigazione& navigazione, int form, std::unique_ptr<Esercizio> logica);
    ~FinestraEsercizio() override;

    // The window's load. A window that starts up on load runs its start-up
    // here, before it is first shown; a word-list fault is returned, and the
    // window must then not be shown. A window that starts up when it first
    // becomes active does that by itself once shown.
    std::optional<ErroreElenco> carica();

    const Esercizio& esercizio() const { return *logica_; }

    // What the logic tells the window.
    void aggiorna() override;
    void informa(const QString& testo) override;
    bool chiedi(const QString& domanda) override;
    void tornaAlMenu() override;

protected:
    // The client area, below the menu bar: the drill's controls go here.
    QWidget* sfondo() const { return sfondo_; }

    // Shows the drill's state; the frame's is shown before it.
    virtual void aggiornaEsercizio() = 0;

    // The first control the pupil answers with, where a new item puts the
    // focus; none where no control of the drill can take it now.
    virtual QWidget* primaRisposta() const { return nullptr; }

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    // Closed from its frame (Alt+F4, the title bar): the question of "Esci".
    void closeEvent(QCloseEvent* evento) override;
    // F11 and Escape for the whole screen, when no control of the drill
    // took them; Escape otherwise asks as "Esci" does.
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void creaMenu();
    void creaControlli();
    void avviaAllAttivazione();
    void apriBarraDeiMenu();
    // The focus to `controllo`, with the new sentence for a screen reader, if any.
    void metti(QWidget* controllo, bool annuncio);
    // The logic's sentence at `controllo`, after `prima`.
    void annunciaQui(QWidget* controllo, const QString& prima = {});
    // The focus back where it was before a message box or a command of the
    // menu bar took it: on the last control of the window that had it, or,
    // where that can take it no more, where a new state would put it.
    void riprendiFuoco();

    Navigazione& navigazione;
    const DisposizioneCornice& disposizione_;
    std::unique_ptr<Esercizio> logica_;
    QWidget* sfondo_ = nullptr;
    BottoneFigura* avanti = nullptr;
    QToolButton* iconaSi = nullptr;
    QToolButton* iconaNo = nullptr;
    QLabel* etichettaEsatti = nullptr;
    QLabel* etichettaErrati = nullptr;
    QAction* suonoSi = nullptr;
    QAction* suonoNo = nullptr;
    bool avvioTentato = false;
    bool domandaInAttesa = false;   // a close from the frame waiting for its question
    QElapsedTimer verdetto;         // since "avanti" was last enabled
    QPointer<QWidget> ultimoFuoco;  // the control of the client area that last had the focus
    int annunciato = 0;   // the logic's sentences spoken so far
};

// The frame for a drill whose logic is of class L: logica() gives it with
// its own type.
template <class L>
class FinestraDi : public FinestraEsercizio {
protected:
    FinestraDi(Navigazione& navigazione, int form, std::unique_ptr<L> logica)
        : FinestraDi(navigazione, form, logica, *logica)
    {
    }

    L& logica() const { return logica_; }

private:
    FinestraDi(Navigazione& navigazione, int form, std::unique_ptr<L>& posseduta, L& logica)
        : FinestraEsercizio(navigazione, form, std::move(posseduta))
        , logica_(logica)
    {
    }

    L& logica_;
};
