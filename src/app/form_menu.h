// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Applicazione;

// The main menu: seventeen exercise buttons, "Esci" and the option pair that
// says whether a right answer waits for "avanti".
class FormMenu final : public QWidget {
    Q_OBJECT
public:
    explicit FormMenu(Applicazione& applicazione);

protected:
    // The arrows on the buttons: to the nearest button or option that way.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    // Closed from its frame: "Vuoi uscire dal programma?".
    void closeEvent(QCloseEvent* evento) override;

private:
    Applicazione& applicazione;
    QList<QWidget*> bottoni;   // "Esci" and the exercises
};
