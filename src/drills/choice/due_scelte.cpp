// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/choice/due_scelte.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

namespace {

// clang-format off
constexpr int A = 2520;   // top and height of the two answer buttons
constexpr int H = 855;
const std::array<ConfigDueScelte, 6> configurazioni = {{
    { 1, ModoDueScelte::Parole,
      {"FemminileSingolare.txt", "FemminilePlurale.txt"}, {"MaschileSingolare.txt", "MaschilePlurale.txt"},
      {{{"Bottone1", "femminile", {360, A, 2535, H}}, {"Bottone2", "maschile", {3960, A, 2535, H}}}}, 24,
      "maschile o femminile?" },
    { 4, ModoDueScelte::Coppie,
      {"MaschileFemminile.txt", nullptr}, {"falsi maschili.txt", nullptr},
      {{{"Bottone1", "maschile/femminile veri", {210, A, 3165, H}},
        {"Bottone2", "maschile/femminile falsi", {3570, A, 3165, H}}}}, 15.75,
      "maschile e femminile veri o falsi?" },
    { 5, ModoDueScelte::Parole,
      {"FemminileSingolare.txt", "MaschileSingolare.txt"}, {"FemminilePlurale.txt", "MaschilePlurale.txt"},
      {{{"Bottone1", "singolare", {360, A, 2535, H}}, {"Bottone2", "plurale", {3960, A, 2535, H}}}}, 24,
      "singolare o plurale?" },
    { 9, ModoDueScelte::Parole,
      {"concreti.txt", nullptr}, {"astratti.txt", nullptr},
      {{{"Bottone1", "concreto", {360, A, 2535, H}}, {"Bottone2", "astratto", {3960, A, 2535, H}}}}, 24,
      "concreto o astratto?" },
    { 10, ModoDueScelte::Maiuscole,
      {"propri.txt", nullptr}, {"comuni.txt", nullptr},
      {{{"Bottone1", "proprio", {360, A, 2535, H}}, {"Bottone2", "comune", {3960, A, 2535, H}}}}, 24,
      "proprio o comune?" },
    { 15, ModoDueScelte::Alterati,
      {"alterati.txt", nullptr}, {"falsialterati.txt", nullptr},
      {{{"Bottone1", "alterato vero", {525, A, 2535, H}}, {"Bottone2", "alterato falso", {3780, A, 2535, H}}}},
      15.75, "alterato vero o falso?" },
}};
// clang-format on

constexpr int RigheTabella = 100;

QStringList nomi(const std::array<const char*, 2>& file)
{
    QStringList risultato;
    for (const char* nome : file) {
        if (nome)
            risultato.append(QString::fromUtf8(nome));
    }
    return risultato;
}

} // namespace

const ConfigDueScelte* configDueScelte(int form)
{
    for (const auto& config : configurazioni) {
        if (config.form == form)
            return &config;
    }
    return nullptr;
}

LogicaDueScelte::LogicaDueScelte(Contesto& c, const ConfigDueScelte& config)
    : EsercizioAScelta(c, 2)
    , config_(config)
{
}

std::optional<ErroreElenco> LogicaDueScelte::caricaElenchi()
{
    const QStringList file1 = nomi(config_.file1);
    const QStringList file2 = nomi(config_.file2);
    const auto& lettore = contesto.lettore;
    auto& stato = contesto.stato;

    if (config_.modo == ModoDueScelte::Parole || config_.modo == ModoDueScelte::Maiuscole) {
        QStringList elenco1, elenco2;
        QList<Fonte> fonti1, fonti2;
        if (auto errore = lettore.caricaElenco(file1, elenco1, StatoComune::MassimoVoci, &fonti1))
            return errore;
        if (auto errore = lettore.caricaElenco(file2, elenco2, StatoComune::MassimoVoci, &fonti2))
            return errore;
        if (auto errore = Verifiche::vuoto(fonti1, elenco1.size()))
            return errore;
        if (auto errore = Verifiche::vuoto(fonti2, elenco2.size()))
            return errore;
        stato.riempi(1, elenco1);
        stato.riempi(2, elenco2);
        return std::nullopt;
    }

    if (config_.modo == ModoDueScelte::Coppie) {
        // Record i of the first file goes to Elenco1 and Elenco3, of the second
        // to Elenco2 and Elenco4; the counts are Quanti1 and Quanti2.
        Tabella veri, falsi;
        if (auto errore = Verifiche::caricaTabella(lettore, file1.first(), 2, StatoComune::MassimoVoci, veri))
            return errore;
        if (auto errore = Verifiche::caricaTabella(lettore, file2.first(), 2, StatoComune::MassimoVoci, falsi))
            return errore;
        stato.riempi(1, colonna(veri, 1));
        stato.riempi(2, colonna(falsi, 1));
        stato.elenco[2] = colonna(veri, 2);   // Quanti3 and Quanti4 are left as they are
        stato.elenco[3] = colonna(falsi, 2);
        return std::nullopt;
    }

    Tabella alterati, falsi;
    if (auto errore = Verifiche::caricaAlterati(lettore, RigheTabella, alterati))
        return errore;
    if (auto errore = Verifiche::caricaTabella(lettore, file2.first(), 2, RigheTabella, falsi))
        return errore;
    tabellaAlterati = std::move(alterati);
    tabellaFalsiAlterati = std::move(falsi);
    stato.quanti[0] = static_cast<qint16>(tabellaAlterati.size());
    stato.quanti[1] = static_cast<qint16>(tabellaFalsiAlterati.size());
    return std::nullopt;
}

void LogicaDueScelte::presentaElemento()
{
    caricaColori();
    auto& stato = contesto.stato;
    stato.elencoScelto = static_cast<qint16>(contesto.casuale.estrai(2));
    const int lista = stato.elencoScelto;
    const int indice = contesto.casuale.estrai(stato.quanti[static_cast<std::size_t>(lista - 1)]);
    // A pair is shown "first / second" and read as two words; capitals are
    // only shown.
    const QStringList parole = paroleElemento(lista, indice);
    const QString testo = parole.join(QStringLiteral(" / "));
    mostraTesto(config_.modo == ModoDueScelte::Maiuscole ? testo.toUpper() : testo, parole.join(QStringLiteral(", ")));
}

QStringList LogicaDueScelte::paroleElemento(int lista, int indice)
{
    const auto& stato = contesto.stato;
    switch (config_.modo) {
    case ModoDueScelte::Parole:
    case ModoDueScelte::Maiuscole:
        return {stato.voce(lista, indice)};
    case ModoDueScelte::Coppie:
        return {stato.voce(lista, indice), stato.voce(lista + 2, indice)};
    case ModoDueScelte::Alterati:
        break;
    }
    if (lista == 2) {
        const QStringList record = tabellaFalsiAlterati.value(indice - 1);
        return {record.value(0), record.value(1)};
    }
    // A column from 2 to 5, drawn again while it is empty: every record has
    // an altered form, so the draw ends.
    const QStringList record = tabellaAlterati.value(indice - 1);
    QString alterato;
    while (alterato.isEmpty()) {
        const int campo = contesto.casuale.estrai(4) + 1;
        alterato = record.value(campo - 1);
    }
    return {record.value(0), alterato};
}

QString LogicaDueScelte::descrizione() const
{
    const QString item = EsercizioAScelta::descrizione();
    return item.isEmpty() ? item : item + QStringLiteral(": ") + QString::fromUtf8(config_.domanda);
}
