// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

class FinestraEsercizio;
class Navigazione;
struct Contesto;

// One button of the main menu and the exercise it opens.
struct VoceEsercizio {
    const char* comando;        // objectName of the menu button
    const char* didascalia;     // caption, blanks included
    int sinistra;               // twips
    int alto;
    double punti;               // Arial bold
    int form;                   // the window it opens, "Form<form>"
    // Builds the window; null while the exercise is not there yet.
    FinestraEsercizio* (*crea)(Contesto&, Navigazione&);
};

// The seventeen exercises, in the order of the menu's buttons Command2 to Command18.
const std::array<VoceEsercizio, 17>& registroEsercizi();
const VoceEsercizio* voceEsercizio(int form);
