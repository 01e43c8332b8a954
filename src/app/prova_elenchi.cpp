// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/prova_elenchi.h"

#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/suoni.h"
#include "drills/registro.h"
#include "frame/finestra_esercizio.h"

ProvaElenchi::ProvaElenchi(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                           QStringList cartelle, QWidget* editor)
    : stato(stato)
    , casuale(casuale)
    , suoni(suoni)
    , voce(voce)
    , cartelle(std::move(cartelle))
    , editor(editor)
{
    // The editor lives in its own module: its signal is found by name.
    connect(editor, SIGNAL(prova(int)), this, SLOT(apri(int)));
}

ProvaElenchi::~ProvaElenchi()
{
    delete esercizio.data();
}

void ProvaElenchi::apri(int form)
{
    const VoceEsercizio* voceMenu = voceEsercizio(form);
    if (!voceMenu || !voceMenu->crea || esercizio)
        return;
    // The lists as saved, read afresh as the exercise opens.
    lettore = std::make_unique<LettoreElenchi>(cartelle);
    contesto = std::make_unique<Contesto>(Contesto{stato, casuale, suoni, *lettore, voce});
    suoni.prepara();
    FinestraEsercizio* finestra = voceMenu->crea(*contesto, *this);
    finestra->setAccessibleName(QString::fromUtf8(Dialoghi::Titolo) + QStringLiteral(" – ")
                                + QString::fromUtf8(voceMenu->didascalia).simplified());
    if (auto errore = finestra->carica()) {
        delete finestra;
        Dialoghi::avvisa(editor, errore->messaggio());
        return;
    }
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    esercizio = finestra;
    Interfaccia::mostra(finestra);
}

void ProvaElenchi::mostraMenu(QWidget* finestra)
{
    if (finestra)
        finestra->close();
    if (editor) {
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
}

void ProvaElenchi::erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore)
{
    Dialoghi::avvisa(finestra, errore.messaggio());
    mostraMenu(finestra);
}
