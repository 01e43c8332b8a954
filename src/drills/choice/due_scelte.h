// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/choice/scelta.h"
#include "frame/disposizione.h"

#include <array>

// How a two-choice window fills its two lists and shows an item.
enum class ModoDueScelte {
    Parole,       // one noun per field, shown as stored
    Maiuscole,    // one noun per field, shown in capitals
    Coppie,       // pairs of fields, shown "first / second"
    Alterati,     // a noun and one of its altered forms, or a false pair
};

// One of the six two-choice windows.
struct ConfigDueScelte {
    int form;
    ModoDueScelte modo;
    std::array<const char*, 2> file1;   // files of list 1 in loading order (second may be null)
    std::array<const char*, 2> file2;
    // Bottone1 (right for list 1) and Bottone2 (right for list 2), and the
    // size of their captions in points.
    std::array<ControlloDisposto, 2> bottoni;
    double puntiRisposta;
    // The question a screen reader asks with the item: "maschile o femminile?".
    const char* domanda;
};

// The configuration of one of the six windows (Form1, Form4, Form5, Form9,
// Form10, Form15); null for any other.
const ConfigDueScelte* configDueScelte(int form);

// A noun (or a pair) is shown; the pupil says which of two classes it belongs
// to. The answer is judged by the number of the list the item was drawn from.
class LogicaDueScelte final : public EsercizioAScelta {
public:
    LogicaDueScelte(Contesto& contesto, const ConfigDueScelte& config);

    // The item with the window's question: "orsi: maschile o femminile?".
    QString descrizione() const override;

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;

private:
    // The words of the item as the lists hold them: a noun, or a pair.
    QStringList paroleElemento(int lista, int indice);

    const ConfigDueScelte& config_;
    // The window's own tables of records (the altered-noun window only).
    Tabella tabellaAlterati;
    Tabella tabellaFalsiAlterati;
};
