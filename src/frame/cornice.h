// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/colori.h"

#include <QString>

struct Contesto;

// Which feedback face shows in the icon place.
enum class Faccia { Triste, Ride };

// The judgement of the last answer; none before the first.
enum class Esito { Nessuno, Esatto, Errato };

// What every exercise window shares: the counters and how they are written,
// the face, the background, the sound switch and the "avanti" button.
class Cornice {
public:
    explicit Cornice(Contesto& contesto);

    // Start-up: "avanti" shown when the menu's option asks to wait, disabled;
    // both counter labels "0".
    void avvia();

    // SegnaEsatto and SegnaErrato.
    void segnaEsatto();
    void segnaErrato();

    // The cost of "Aiutami": one right answer less, shown as " 0", "-1"...
    void segnaAiuto();

    // "Azzera conteggio": counters and labels back to 0; nothing else changes.
    void azzera();

    // CaricaColori: a new palette colour for the window.
    void caricaColori();

    void impostaSuono(bool attivo);
    void abilitaAvanti(bool abilitato);

    // A count as the labels show it after an answer: " 3", "-1".
    static QString formaNumero(int numero);

    // What a screen reader says of the counts, "Esatti 3, errati 1.", and of
    // the last judgement with them, "Esatto. Esatti 3, errati 1."
    QString fraseConteggi() const;
    QString fraseEsito() const;

    bool avantiVisibile() const { return avantiVisibile_; }
    bool avantiAbilitato() const { return avantiAbilitato_; }
    Faccia faccia() const { return faccia_; }
    Esito esito() const { return esito_; }
    const QString& testoEsatti() const { return testoEsatti_; }
    const QString& testoErrati() const { return testoErrati_; }
    ColoreVb sfondo() const { return sfondo_; }
    bool suonoAttivo() const { return suono_; }

private:
    void annerisci();

    Contesto& contesto;
    bool avantiVisibile_ = false;
    bool avantiAbilitato_ = false;
    Faccia faccia_ = Faccia::Triste;
    Esito esito_ = Esito::Nessuno;
    QString testoEsatti_ = QStringLiteral("0");
    QString testoErrati_ = QStringLiteral("0");
    ColoreVb sfondo_ = 0x000080FF;
    bool suono_ = true;
};
