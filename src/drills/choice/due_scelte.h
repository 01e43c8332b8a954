#pragma once

#include "app/colori.h"
#include "frame/esercizio.h"

#include <array>
#include <optional>

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
    const char* bottone1;            // right for list 1
    const char* bottone2;            // right for list 2
    ModoDueScelte modo;
    std::array<const char*, 2> file1;   // files of list 1 in loading order (second may be null)
    std::array<const char*, 2> file2;
    // Layout in twips: Bottone1 left, Bottone2 left, both widths; answer font.
    int sinistra1;
    int sinistra2;
    int larghezza;
    double puntiRisposta;
};

// The configuration of one of the six windows (Form1, Form4, Form5, Form9,
// Form10, Form15); null for any other.
const ConfigDueScelte* configDueScelte(int form);

// A noun (or a pair) is shown; the pupil says which of two classes it belongs
// to. The answer is judged by the number of the list the item was drawn from.
class LogicaDueScelte final : public Esercizio {
public:
    LogicaDueScelte(Contesto& contesto, const ConfigDueScelte& config);

    // Bottone1 (1) or Bottone2 (2) pressed.
    void premi(int bottone);

    const ConfigDueScelte& config() const { return config_; }
    const QString& testo() const { return testo_; }
    bool bottoniAbilitati() const { return abilitati; }
    // The face colour of a button; none while it keeps the system colour.
    std::optional<ColoreVb> coloreBottone(int bottone) const;

protected:
    std::optional<ErroreElenco> caricaElenchi() override;
    void presentaElemento() override;
    void blocca() override;
    void sblocca() override;

private:
    QString testoElemento(int lista, int indice);

    const ConfigDueScelte& config_;
    QString testo_ = QStringLiteral("Text1");
    bool abilitati = true;
    int premuto = 0;
    std::array<std::optional<ColoreVb>, 2> colori;
    // The window's own tables of records (the altered-noun window only).
    Tabella tabellaAlterati;
    Tabella tabellaFalsiAlterati;
};
