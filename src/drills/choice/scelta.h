// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"
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
    QString parolaDaLeggere() const override { return lettura; }

    // The item of the class drawn, shown in Text1, and as it is read aloud
    // where that differs (a noun shown in capitals, a pair).
    void mostraTesto(const QString& testo, const QString& letto = {})
    {
        testo_ = testo;
        lettura = letto.isEmpty() ? testo : letto;
    }

private:
    QString testo_ = QStringLiteral("Text1");
    QString lettura;
    bool abilitati = true;
    int premuto = 0;
    QList<std::optional<ColoreVb>> colori;
};
