#pragma once

#include "app/colori.h"
#include "frame/esercizio.h"

#include <QList>
#include <QString>
#include <optional>

// A window where the pupil answers by pressing one of a row of buttons. The
// item shown in Text1 belongs to one class, ElencoScelto; button k is right
// exactly when k is that class. After a right answer in waiting mode the
// pressed button turns red and all of them are disabled; "avanti" turns them
// all light grey and enables them again.
class EsercizioAScelta : public Esercizio {
public:
    EsercizioAScelta(Contesto& contesto, int bottoni);

    // Button `bottone` (1 to the number of buttons) pressed.
    void premi(int bottone);

    // What Text1 shows.
    const QString& testo() const { return testo_; }
    bool bottoniAbilitati() const { return abilitati; }
    // The face colour of a button; none while it keeps the system colour.
    std::optional<ColoreVb> coloreBottone(int bottone) const;

    QString descrizione() const override { return testo_; }

protected:
    void blocca() override;
    void sblocca() override;

    // The item of the class drawn, shown in Text1.
    void mostraTesto(const QString& testo) { testo_ = testo; }

private:
    QString testo_ = QStringLiteral("Text1");
    bool abilitati = true;
    int premuto = 0;
    QList<std::optional<ColoreVb>> colori;
};
