// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the frame's controls stand in each of the seventeen exercise windows
// (twips), and how each window differs in its frame.
struct Posizione {
    int sinistra;
    int alto;
};

// A control's place and size, in twips.
struct Rettangolo {
    int sinistra;
    int alto;
    int larghezza;
    int altezza;
};

// A captioned control of a drill's table: its objectName, its caption
// (blanks included) and its place.
struct ControlloDisposto {
    const char* nome;
    const char* didascalia;
    Rettangolo posto;
};

struct DisposizioneCornice {
    int form;                   // 1 to 17: the window is "Form<form>"
    Posizione avanti;
    int larghezzaAvanti;
    int altezzaAvanti;
    Posizione icone;            // ComandoIconaSi and ComandoIconaNo, one place
    Posizione esatti;           // the static "Esatti" label
    Posizione etichettaEsatti;
    Posizione errati;           // the static "Errati" label
    Posizione etichettaErrati;
    int spaziInformazioni;      // blanks after "Informazioni" in the menu bar
    const char* nomeErrati;     // objectName of the static "Errati" label
    bool avvioAdAttivazione;    // start-up when first active, not when loaded
};

// The row of window "Form<form>", form 1 to 17.
const DisposizioneCornice& disposizioneCornice(int form);
