// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/cornice.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "comune/suoni.h"

Cornice::Cornice(Contesto& c)
    : contesto(c)
{
}

void Cornice::avvia()
{
    avantiVisibile_ = contesto.stato.attendiBottone;
    avantiAbilitato_ = false;
    testoEsatti_ = QStringLiteral("0");
    testoErrati_ = QStringLiteral("0");
}

QString Cornice::formaNumero(int numero)
{
    return numero < 0 ? QString::number(numero) : u' ' + QString::number(numero);
}

QString Cornice::fraseConteggi() const
{
    return QStringLiteral("Esatti %1, errati %2.").arg(contesto.stato.contaEsatti).arg(contesto.stato.contaErrati);
}

QString Cornice::fraseEsito() const
{
    if (esito_ == Esito::Nessuno)
        return {};
    return (esito_ == Esito::Esatto ? QStringLiteral("Esatto. ") : QStringLiteral("Sbagliato. ")) + fraseConteggi();
}

void Cornice::segnaEsatto()
{
    faccia_ = Faccia::Ride;
    esito_ = Esito::Esatto;
    auto& stato = contesto.stato;
    stato.contaEsatti = StatoComune::somma(stato.contaEsatti, 1);
    testoEsatti_ = formaNumero(stato.contaEsatti);
    if (suono_)
        Suoni::si(contesto.casuale, contesto.suoni);
}

void Cornice::segnaErrato()
{
    faccia_ = Faccia::Triste;
    esito_ = Esito::Errato;
    auto& stato = contesto.stato;
    stato.contaErrati = StatoComune::somma(stato.contaErrati, 1);
    testoErrati_ = formaNumero(stato.contaErrati);
    annerisci();
    if (suono_)
        Suoni::no(contesto.suoni);
}

void Cornice::segnaAiuto()
{
    auto& stato = contesto.stato;
    stato.contaEsatti = StatoComune::somma(stato.contaEsatti, -1);
    testoEsatti_ = formaNumero(stato.contaEsatti);
}

void Cornice::azzera()
{
    testoEsatti_ = QStringLiteral("0");
    testoErrati_ = QStringLiteral("0");
    contesto.stato.contaEsatti = 0;
    contesto.stato.contaErrati = 0;
}

void Cornice::caricaColori()
{
    sfondo_ = Colori::estrai(contesto.casuale);
}

void Cornice::annerisci()
{
    sfondo_ = Colori::Nero;
}

void Cornice::impostaSuono(bool attivo)
{
    suono_ = attivo;
}

void Cornice::abilitaAvanti(bool abilitato)
{
    avantiAbilitato_ = abilitato && avantiVisibile_;
}
