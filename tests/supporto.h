// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles and helpers shared by the tests.

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "comune/suoni.h"
#include "frame/vista.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>

// A random sequence that gives the scripted values in order, then `riserva`.
// It counts the draws, so a test can check how many values a step used.
class CasualeCopione final : public SorgenteCasuale {
public:
    explicit CasualeCopione(QList<float> valori = {}, float riserva = 0.0f)
        : valori(std::move(valori)), riserva(riserva)
    {
    }

    void aggiungi(std::initializer_list<float> altri) { valori.append(QList<float>(altri)); }
    int usati() const { return estratti; }
    int rimasti() const { return int(valori.size()) - posizione; }

    float rnd() override
    {
        ++estratti;
        return posizione < valori.size() ? valori[posizione++] : riserva;
    }

private:
    QList<float> valori;
    float riserva;
    int posizione = 0;
    int estratti = 0;
};

// The value that makes Int(Rnd × n) + 1 give k.
inline float per(int k, int n)
{
    return (float(k) - 0.5f) / float(n);
}

// Records which sounds were asked for.
class RegistratoreSuoni final : public RiproduttoreSuoni {
public:
    QList<Suono> suonati;
    void riproduci(Suono suono) override { suonati.append(suono); }
};

// Records what was read aloud.
class RegistratoreVoce final : public Voce {
public:
    QStringList letti;
    int preparata = 0;   // times the engine was asked to get ready
    void leggi(const QString& testo) override { letti.append(testo); }
    void prepara() override { ++preparata; }
};

// A view that writes down, in order, every step the logic tells it:
// "aggiorna", "informa:<text>", "chiedi:<question>", "menu", "svuota".
// Questions get the answers of `risposte` in turn, then "No".
class VistaRegistrata final : public Vista {
public:
    QStringList passi;
    QList<bool> risposte;

    // The steps since the last call, and a fresh start.
    QStringList prendi() { return std::exchange(passi, {}); }

    void aggiorna() override { passi.append(QStringLiteral("aggiorna")); }
    void informa(const QString& testo) override { passi.append(QStringLiteral("informa:") + testo); }
    bool chiedi(const QString& domanda) override
    {
        passi.append(QStringLiteral("chiedi:") + domanda);
        return !risposte.isEmpty() && risposte.takeFirst();
    }
    void tornaAlMenu() override { passi.append(QStringLiteral("menu")); }
    void svuotaRisposta() override { passi.append(QStringLiteral("svuota")); }
};

// A program folder of its own with a "testi" folder for word lists.
class CartellaProva {
public:
    CartellaProva() { QDir(cartella.path()).mkdir(QStringLiteral("testi")); }

    QString percorso() const { return cartella.path(); }
    QString testi() const { return QDir(cartella.path()).filePath(QStringLiteral("testi")); }

    void scrivi(const QString& nome, const QByteArray& contenuto) const;
    void scrivi(const QString& nome, const QString& contenuto) const { scrivi(nome, contenuto.toUtf8()); }
    void togli(const QString& nome) const { QFile::remove(QDir(testi()).filePath(nome)); }

    // Small lists for the six two-choice windows, each word in one list only:
    // feminine casa mela / case, masculine cane libro mare / cani, concrete
    // tavolo sedia, abstract gioia, proper Roma Forlì, common città, pairs
    // re/regina gallo/gallina against porto/porta, altered casa and naso
    // against mulo/mulino.
    void scriviElenchiDueScelte() const;
    // And for the typed-answer and three-choice windows: singular and plural
    // uomo/uomini CITTÀ/città "pesce d'aprile"/"pesci d'aprile", derived
    // Giornale/Giornalaio fiore/fioraio.
    void scriviElenchiScritte() const;

private:
    QTemporaryDir cartella;
};

// A number as a word of letters, its digits spelled: 12 is "unodue". The
// words of a list hold no digit.
QString inLettere(int numero);
// `quante` words "<prefisso>uno" ... one per line.
QString paroleNumerate(const QString& prefisso, int quante);
// `quanti` records of `campi` fields "w<record>c<field>" in letters, one per line.
QString recordNumerati(int quanti, int campi);

// What one exercise's logic works with, on a folder of lists of its own: a
// scripted random sequence, recorded sounds and a recorded voice.
struct ContestoDiProva {
    CartellaProva cartella;
    StatoComune stato;
    CasualeCopione casuale;
    RegistratoreSuoni suoni;
    RegistratoreVoce voce;
    LettoreElenchi lettore{cartella.testi()};
    Contesto contesto{stato, casuale, suoni, lettore, voce};
};
