// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/esercizio.h"

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "comune/informazioni.h"
#include "comune/stato.h"

Esercizio::Esercizio(Contesto& c)
    : contesto(c)
    , cornice_(c)
{
}

Esercizio::~Esercizio() = default;

void Esercizio::collega(Vista* vista)
{
    vista_ = vista ? vista : &nessunaVista;
}

std::optional<ErroreElenco> Esercizio::avvia()
{
    cornice_.avvia();
    if (auto errore = caricaElenchi()) {
        // A fault that a window's own checks found names the folder of its file too.
        if (errore->cartella.isEmpty())
            errore->cartella = contesto.lettore.cartellaDi(errore->file);
        return errore;
    }
    presenta();
    avviato_ = true;
    // The speech engine takes seconds to build: it is built now, in its own
    // thread, so that the first word the pupil asks for is heard at once.
    if (cornice_.suonoAttivo())
        contesto.voce.prepara();
    mostra();
    return std::nullopt;
}

void Esercizio::presenta()
{
    presentaElemento();
    annuncia(descrizione());
    chiediFuoco(Fuoco::Risposta);
}

void Esercizio::mostra()
{
    if (!parti.isEmpty()) {
        annuncio_ = parti.join(u' ');
        parti.clear();
        ++numeroAnnuncio_;
    }
    vista_->aggiorna();
}

void Esercizio::annuncia(const QString& parte)
{
    if (!parte.isEmpty())
        parti.append(parte);
}

void Esercizio::avanti()
{
    if (!cornice_.avantiAbilitato())
        return;
    cornice_.abilitaAvanti(false);
    sblocca();
    presenta();
    mostra();
}

void Esercizio::azzera()
{
    cornice_.azzera();
    annuncia(QStringLiteral("Conteggio azzerato. ") + cornice_.fraseConteggi());
    mostra();
}

void Esercizio::impostaSuono(bool attivo)
{
    cornice_.impostaSuono(attivo);
    mostra();
}

void Esercizio::informazioni()
{
    vista_->informa(Informazioni::testo());
}

void Esercizio::esci()
{
    if (!vista_->chiedi(QStringLiteral("Vuoi tornare al menù?")))
        return;
    contesto.stato.contaEsatti = 0;
    contesto.stato.contaErrati = 0;
    vista_->tornaAlMenu();
}

void Esercizio::leggiParola()
{
    leggi(parolaDaLeggere());
}

void Esercizio::leggi(const QString& testo)
{
    const QString parole = testo.simplified();
    if (avviato_ && cornice_.suonoAttivo() && !parole.isEmpty())
        contesto.voce.leggi(parole);
}

void Esercizio::segnaEsatto()
{
    cornice_.segnaEsatto();
    annuncia(cornice_.fraseEsito());
}

void Esercizio::esatto()
{
    segnaEsatto();
    prosegui();
}

void Esercizio::prosegui()
{
    if (cornice_.avantiVisibile()) {
        cornice_.abilitaAvanti(true);
        blocca();
        chiediFuoco(Fuoco::Avanti);
    } else {
        presenta();
    }
}

void Esercizio::errato()
{
    cornice_.segnaErrato();
    annuncia(cornice_.fraseEsito());
}

void Esercizio::aiuta(const QString& risposta)
{
    vista_->informa(risposta);
    cornice_.segnaAiuto();
    annuncia(cornice_.fraseConteggi());
}
