// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/applicazione.h"

#include "app/form_avvio.h"
#include "app/form_menu.h"
#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/suoni.h"
#include "drills/registro.h"
#include "frame/finestra_esercizio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>

Applicazione::Applicazione(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                           const QString& cartellaProgramma, const QString& cartellaInsegnante)
    : Applicazione(stato, casuale, suoni, voce,
                   QStringList{cartellaInsegnante, QDir(cartellaProgramma).filePath(QStringLiteral("testi"))})
{
}

Applicazione::Applicazione(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                           const QStringList& cartelleElenchi)
    : lettore(cartelleElenchi)
    , contesto_{stato, casuale, suoni, lettore, voce}
{
}

Applicazione::~Applicazione()
{
    delete corrente.data();
}

void Applicazione::sostituisci(QWidget* nuova, QWidget* precedente)
{
    nuova->setAttribute(Qt::WA_DeleteOnClose);
    Interfaccia::mostra(nuova);   // in the whole screen, while the run is there
    corrente = nuova;
    if (precedente && precedente != nuova)
        precedente->close();
}

void Applicazione::avvia()
{
    sostituisci(new FormAvvio(*this), nullptr);
}

void Applicazione::mostraMenu(QWidget* precedente)
{
    auto* menu = new FormMenu(*this);
    // Back from an exercise, the focus is on its button.
    if (const auto* esercizio = qobject_cast<FinestraEsercizio*>(precedente)) {
        const VoceEsercizio* voce = voceEsercizio(esercizio->objectName().mid(4).toInt());
        if (QWidget* bottone = voce ? menu->findChild<QWidget*>(QString::fromLatin1(voce->comando)) : nullptr)
            bottone->setFocus();
    }
    sostituisci(menu, precedente);
}

void Applicazione::apriEsercizio(int form, QWidget* menu)
{
    const VoceEsercizio* voce = voceEsercizio(form);
    if (!voce || !voce->crea)
        return;
    contesto_.suoni.prepara();
    FinestraEsercizio* finestra = voce->crea(contesto_, *this);
    // The title bar stays blank; a screen reader names the exercise.
    finestra->setAccessibleName(QString::fromUtf8(Dialoghi::Titolo) + QStringLiteral(" – ")
                                + QString::fromUtf8(voce->didascalia).simplified());
    if (auto errore = finestra->carica()) {
        delete finestra;
        erroreAllAvvio(menu, *errore);
        return;
    }
    sostituisci(finestra, menu);
}

void Applicazione::erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore)
{
    Dialoghi::avvisa(finestra, errore.messaggio());
    mostraMenu(finestra);
}

void Applicazione::esciProgramma(QWidget* menu)
{
    if (!Dialoghi::esciProgramma(menu))
        return;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool Applicazione::chiusaDallaCornice(QWidget* finestra, QCloseEvent* evento)
{
    if (!evento->spontaneous())
        return false;
    evento->ignore();
    if (domandaPer == finestra)
        return true;
    domandaPer = finestra;
    QMetaObject::invokeMethod(
        finestra,
        [this, finestra] {
            domandaPer = nullptr;
            esciProgramma(finestra);
        },
        Qt::QueuedConnection);
    return true;
}
