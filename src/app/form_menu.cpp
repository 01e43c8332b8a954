// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_menu.h"

#include "app/applicazione.h"
#include "comune/casuale.h"
#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "drills/registro.h"

#include <QButtonGroup>

using namespace Interfaccia;

FormMenu::FormMenu(Applicazione& applicazione)
    : QWidget(nullptr)
    , applicazione(applicazione)
{
    preparaFinestra(this, QStringLiteral("FormMenu"), 9975, 7680);
    setAccessibleName(QString::fromUtf8(Dialoghi::Titolo) + QStringLiteral(" – menù degli esercizi"));

    auto creaBottone = [this](const char* nome, const QString& didascalia, int sinistra, int alto,
                              double punti) {
        auto* bottone = new BottoneACapo(didascalia, this);
        bottone->setObjectName(QString::fromLatin1(nome));
        disponi(bottone, QRect(sinistra, alto, 2300, 732));
        assegnaCarattere(bottone, carattere(punti));
        return bottone;
    };

    QWidget* precedente = creaBottone("Command1", QStringLiteral("Esci"), 6360, 5640, 18);
    connect(static_cast<BottoneACapo*>(precedente), &QPushButton::clicked, this,
            [this, &applicazione] { applicazione.esciProgramma(this); });
    for (const VoceEsercizio& voce : registroEsercizi()) {
        auto* bottone = creaBottone(voce.comando, QString::fromUtf8(voce.didascalia), voce.sinistra,
                                    voce.alto, voce.punti);
        bottone->setEnabled(voce.crea != nullptr);
        const int form = voce.form;
        connect(bottone, &QPushButton::clicked, this,
                [this, &applicazione, form] { applicazione.apriEsercizio(form, this); });
        setTabOrder(precedente, bottone);
        precedente = bottone;
    }

    auto& contesto = applicazione.contesto();
    const ColoreVb sfondo = Colori::estrai(contesto.casuale);
    dipingiSfondo(this, sfondo);

    auto* gruppo = new QButtonGroup(this);
    auto creaOpzione = [&](int indice, const QString& didascalia, const QRect& posto) {
        auto* opzione = new OpzioneACapo(didascalia, this);
        opzione->setObjectName(QStringLiteral("Option1_%1").arg(indice));
        disponi(opzione, posto);
        assegnaCarattere(opzione, carattere(12));
        dipingiSfondo(opzione, sfondo);
        gruppo->addButton(opzione, indice);
        return opzione;
    };
    auto* automatica = creaOpzione(0, QStringLiteral("prosegue automaticamente  negli esercizi"),
                                   QRect(6360, 4560, 2895, 855));
    auto* attende = creaOpzione(1, QStringLiteral("attende la pressione del bottone per proseguire"),
                                QRect(6360, 3240, 2655, 1215));
    setTabOrder(precedente, attende);
    setTabOrder(attende, automatica);

    adattaTesti(this, sfondo);
    // The menu opens on its first exercise, not on "Esci".
    if (QWidget* primo = findChild<QWidget*>(QString::fromLatin1(registroEsercizi().front().comando)))
        primo->setFocus();
    (contesto.stato.attendiBottone ? attende : automatica)->setChecked(true);
    connect(gruppo, &QButtonGroup::idClicked, this,
            [&contesto](int indice) { contesto.stato.attendiBottone = indice != 0; });
}

void FormMenu::keyPressEvent(QKeyEvent* evento)
{
    if (!tastoSchermo(this, evento))
        QWidget::keyPressEvent(evento);
}

void FormMenu::closeEvent(QCloseEvent* evento)
{
    if (!applicazione.chiusaDallaCornice(this, evento))
        QWidget::closeEvent(evento);
}
