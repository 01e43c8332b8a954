// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/typed/scritte.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

#include <array>

namespace {

constexpr int Pari = StatoComune::MassimoVoci;
constexpr int Alterati = 200;   // Form12's own list, Elenco5, holds 200 entries

// clang-format off
constexpr int A = 210;     // Label3: top, height; width in the transformation windows and in the others
constexpr int H = 540;
constexpr int Corta = 2955;
constexpr int Lunga = 4530;
const std::array<ConfigScritta, 6> configurazioni = {{
    {  2, "MaschileFemminile.txt",  2, Pari,     1, 2,     true,
       {"Label3", "Volgi al femminile", {630, A, Corta, H}}, 600, {2040, 4080} },
    {  3, "MaschileFemminile.txt",  2, Pari,     2, 1,     true,
       {"Label3", "Volgi al maschile", {630, A, Corta, H}}, 630, {2760, 4080} },
    {  6, "singolarePlurale.txt",   2, Pari,     1, 2,     true,
       {"Label3", "Volgi al plurale", {630, A, Corta, H}}, 630, {1920, 4200} },
    {  7, "singolareplurale.txt",   2, Pari,     2, 1,     true,
       {"Label3", "Volgi al singolare", {630, A, Corta, H}}, 630, {2280, 4200} },
    { 11, "derivati.txt",           2, Pari,     2, 1,     true,
       {"Label3", "Questa parola deriva da", {630, A, Lunga, H}}, 630, {3360, 3840} },
    { 12, "alterati.txt",           5, Alterati, 0, 1,     false,
       {"Label3", "Questa parola è alterata di......", {630, A, Lunga, H}}, 630, {2160, 4305} },
}};
// clang-format on

} // namespace

const ConfigScritta* configScritta(int form)
{
    for (const auto& config : configurazioni) {
        if (config.form == form)
            return &config;
    }
    return nullptr;
}

LogicaScritta::LogicaScritta(Contesto& c, const ConfigScritta& config)
    : Esercizio(c)
    , config_(config)
{
}

QString LogicaScritta::normalizza(const QString& testo)
{
    // As every word of a list is read: no invisible character, plain blanks
    // trimmed, accents composed as a keyboard types them.
    QString uguale = pulisciParola(testo).toLower();
    // A word processor writes the apostrophe curly, a keyboard straight: one letter.
    uguale.replace(u'\u2019', u'\'');
    uguale.replace(u'\u2018', u'\'');
    return uguale;
}

std::optional<ErroreElenco> LogicaScritta::caricaElenchi()
{
    const QString file = QString::fromUtf8(config_.file);
    Tabella tabella;
    auto errore = config_.campi == 5
                      ? Verifiche::caricaAlterati(contesto.lettore, config_.limite, tabella)
                      : Verifiche::caricaTabella(contesto.lettore, file, 2, config_.limite, tabella);
    if (errore)
        return errore;

    auto& stato = contesto.stato;
    if (config_.campi == 2) {
        stato.riempi(1, colonna(tabella, 1));
        stato.riempi(2, colonna(tabella, 2));
    } else {
        // Fields 1 to 4 in Elenco1 to Elenco4, counted in Quanti1 alone; the
        // fifth in the window's own list.
        for (int c = 1; c <= 4; ++c)
            stato.elenco[static_cast<std::size_t>(c - 1)] = colonna(tabella, c);
        stato.quanti[0] = static_cast<qint16>(tabella.size());
        elenco5 = colonna(tabella, 5);
    }
    return std::nullopt;
}

QString LogicaScritta::campo(int c) const
{
    const int indice = contesto.stato.elencoScelto;
    return c == 5 ? elenco5.value(indice - 1) : contesto.stato.voce(c, indice);
}

void LogicaScritta::presentaElemento()
{
    auto& casuale = contesto.casuale;
    contesto.stato.elencoScelto = static_cast<qint16>(casuale.estrai(contesto.stato.quanti[0]));
    caricaColori();
    vista().svuotaRisposta();
    if (config_.mostrato > 0) {
        testo_ = campo(config_.mostrato);
    } else {
        // One of the four altered forms, drawn again while it is empty; every
        // record has one, so the draw ends.
        do {
            testo_ = campo(casuale.estrai(4) + 1);
        } while (testo_.isEmpty());
    }
    if (config_.minuscole)
        testo_ = testo_.toLower();
}

void LogicaScritta::invia(const QString& digitato)
{
    if (!avviato() || !abilitata)
        return;
    if (normalizza(digitato) == normalizza(campo(config_.atteso))) {
        esatto();
    } else {
        errato();
        chiediFuoco(Fuoco::Risposta);
    }
    mostra();
}

void LogicaScritta::aiutami()
{
    if (!avviato())
        return;
    aiuta(campo(config_.atteso));
    mostra();
}
