// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Applicazione;

// The title screen: "Catalogare i lumeri", "Esercitazioni ortografiche" and
// the button "Avvio" that opens the main menu.
class FormAvvio final : public QWidget {
    Q_OBJECT
public:
    explicit FormAvvio(Applicazione& applicazione);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    // Closed from its frame: "Vuoi uscire dal programma?".
    void closeEvent(QCloseEvent* evento) override;

private:
    Applicazione& applicazione;
};
