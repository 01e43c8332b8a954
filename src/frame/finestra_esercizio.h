#pragma once

#include "frame/disposizione.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class Applicazione;
class Esercizio;
class QAction;
class QLabel;
class QToolButton;
struct ErroreElenco;

// The window every exercise shares: client area, icon, menu bar, counters,
// faces and "avanti", laid out for one window. A drill's window adds its own
// controls on sfondo(), turns the pupil's actions into calls of its logic and
// shows the logic's state in aggiornaEsercizio().
class FinestraEsercizio : public QMainWindow {
    Q_OBJECT
public:
    FinestraEsercizio(Applicazione& applicazione, int form, std::unique_ptr<Esercizio> logica);
    ~FinestraEsercizio() override;

    // Runs the window's start-up now. A word-list fault is returned and
    // nothing is shown.
    std::optional<ErroreElenco> avvia();

    Esercizio& esercizio() { return *logica; }

protected:
    // The client area, below the menu bar: the drill's controls go here.
    QWidget* sfondo() const { return sfondo_; }

    // Shows the frame's state, then the drill's.
    void aggiorna();
    virtual void aggiornaEsercizio() = 0;

    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void creaMenu();
    void creaControlli();
    void avviaAllAttivazione();

    Applicazione& applicazione;
    const DisposizioneCornice& disposizione_;
    std::unique_ptr<Esercizio> logica;
    QWidget* sfondo_ = nullptr;
    QToolButton* avanti = nullptr;
    QToolButton* iconaSi = nullptr;
    QToolButton* iconaNo = nullptr;
    QLabel* etichettaEsatti = nullptr;
    QLabel* etichettaErrati = nullptr;
    QAction* suonoSi = nullptr;
    QAction* suonoNo = nullptr;
    bool avvioTentato = false;
};
