// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elenchi/archivio_elenchi.h"
#include "elenchi/modello_elenco.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableView;
class QTreeWidget;
class QWidget;

// The teacher's editor of the sixteen word lists: the lists with where each
// comes from and its first fault, and one list as a table checked at every
// change, saved into her folder whole or not at all.
class FinestraElenchi final : public QMainWindow {
    Q_OBJECT
public:
    // `esercizi`: the exercises of the menu, in its order; `file`: the list
    // to open first (any letter case), none for the first one.
    FinestraElenchi(ArchivioElenchi archivio, QList<EsercizioDaVerificare> esercizi, const QString& file = {},
                    QWidget* genitore = nullptr);
    ~FinestraElenchi() override;

    ModelloElenco* modello() const { return modello_.get(); }

    // Opens the list of that file; false when her changes to the open one
    // are kept by her answer, or no list has that name.
    bool apri(const QString& file);
    // Saves the open list into her folder (or the room's); true when saved.
    bool salva(bool perAula = false);

signals:
    // "Prova": the exercise "Form<form>" over the lists as saved.
    void prova(int form);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    class TraduzioniQt;

    void creaMenu();
    void aggiornaSchede();
    void mostraEsito();
    void aggiornaComandi();
    // She is asked whether to save the open list's changes: false when she keeps them and stays.
    bool lasciaElenco();
    QRect areaScelta() const;
    void copia();
    void taglia();
    void incolla();
    void svuota();
    void nuovoRecord();
    void togliRecord();
    void trova();
    void importa();
    void provaElenco();
    void tornaAlFornito();
    void riprendiCopia();
    void vaiA(int riga, int colonna);
    void dici(const QString& testo);

    std::unique_ptr<TraduzioniQt> traduzioni;
    ArchivioElenchi archivio;
    QList<EsercizioDaVerificare> esercizi;
    std::unique_ptr<ModelloElenco> modello_;
    std::optional<QByteArray> letto;   // what her file held when opened or last saved; none: no file
    QString percorsoLetto;             // that file
    bool lettoIntero = true;           // the program reads the list as it was opened

    QTreeWidget* schede = nullptr;
    QLabel* titolo = nullptr;
    QLabel* notizie = nullptr;
    QTableView* tabella = nullptr;
    QLabel* conteggio = nullptr;
    QListWidget* guasti = nullptr;
    QListWidget* avvisi = nullptr;
    QLineEdit* cerca = nullptr;
    QWidget* barraCerca = nullptr;
    QLabel* stato = nullptr;
    QAction* azioneAula = nullptr;
    QAction* azioneAnnulla = nullptr;
    QAction* azioneRipeti = nullptr;
    QAction* azioneFornito = nullptr;
    QAction* azioneRiprendi = nullptr;
    QAction* azioneProva = nullptr;
    int guastiDetti = -1;
};
