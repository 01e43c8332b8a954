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
};
