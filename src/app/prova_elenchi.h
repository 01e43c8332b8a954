// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/contesto.h"
#include "comune/elenchi.h"
#include "frame/navigazione.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// "Prova" of the teachers' editor: an exercise opened over the lists as
// saved, as the pupil sees it; leaving it (its "Esci", or closing it) comes
// back to the editor, never to the menu, and never ends the program.
class ProvaElenchi final : public QObject, public Navigazione {
    Q_OBJECT
public:
    // `editor` is the editor's window; its signal prova(int) opens an exercise.
    ProvaElenchi(StatoComune& stato, SorgenteCasuale& casuale, RiproduttoreSuoni& suoni, Voce& voce,
                 QStringList cartelle, QWidget* editor);
    ~ProvaElenchi() override;

    void mostraMenu(QWidget* finestra) override;
    void erroreAllAvvio(QWidget* finestra, const ErroreElenco& errore) override;

public slots:
    // The exercise "Form<form>", the lists read afresh.
    void apri(int form);

private:
    StatoComune& stato;
    SorgenteCasuale& casuale;
    RiproduttoreSuoni& suoni;
    Voce& voce;
    QStringList cartelle;
    QPointer<QWidget> editor;
    QPointer<QWidget> esercizio;
    std::unique_ptr<LettoreElenchi> lettore;
    std::unique_ptr<Contesto> contesto;
};
