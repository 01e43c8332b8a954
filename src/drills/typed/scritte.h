// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/disposizione.h"
#include "frame/esercizio.h"

// One of the six windows where the pupil types the answer: a noun is shown in
// Text1, the pupil types in Text2 the noun it turns into (Form2, Form3, Form6,
// Form7) or the noun it comes from (Form11, Form12) and presses Enter.
struct ConfigScritta {
    int form;
    const char* file;
    int campi;              // fields per record: 2 for a pair, 5 for "alterati.txt"
    int limite;             // records the window's lists hold
    int mostrato;           // the field shown in Text1; 0: one of the altered forms (2 to 5)
    int atteso;             // the field the pupil types, also shown by "Aiutami"
    bool minuscole;         // Text1 in small letters; otherwise as the file has it
    ControlloDisposto istruzione;   // Label3
    int sinistraRisposta;   // the left edge of Text2
    Posizione aiuto;        // SSCommand1
};

// The configuration of Form2, Form3, Form6, Form7, Form11 or Form12; null for
// any other.
const ConfigScritta* configScritta(int form);

class LogicaScritta final : public Esercizio {
public:
    LogicaScritta(Contesto& contesto, const ConfigScritta& config);

    // Enter in Text2, whatever the modifiers, with what the pupil typed.
    void invia(const QString& digitato);
    // "Aiutami": the expected word as the file has it, and one point off.
    void aiutami();

    // What Text1 shows.
    const QString& testo() const { return testo_; }
    // Text2 takes input; not while waiting for "avanti".
    bool rispostaAbilitata() const { return abilitata; }

    QString descrizione() const override { return testo_; }

    // How both sides are compared: as a list's word is cleaned (invisible
    // characters dropped, blanks trimmed, accents composed), in small
    // letters, the curly apostrophes ’ and ‘ as the straight one.
    static QString normalizza(const QString& testo);

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override { abilitata = false; }
    void sblocca() override { abilitata = true; }
    // The word shown, never the answer.
    QString parolaDaLeggere() const override { return testo_; }

private:
    // Field `campo` (1 to 5) of the current record, as read.
    QString campo(int campo) const;

    const ConfigScritta& config_;
    QStringList elenco5;   // the pejoratives: Form12's own list
    QString testo_;   // empty until the first word: nothing shows behind a message at opening
    bool abilitata = true;
};
