// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_menu.h"

#include "app/applicazione.h"
#include "comune/casuale.h"
#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"
#include "drills/registro.h"
#include "frame/controlli.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

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

    auto* esci = creaBottone("Command1", QStringLiteral("Esci"), 6360, 5640, 18);
    connect(esci, &QPushButton::clicked, this, [this, &applicazione] { applicazione.esciProgramma(this); });
    bottoni.append(esci);
    for (const VoceEsercizio& voce : registroEsercizi()) {
        auto* bottone = creaBottone(voce.comando, QString::fromUtf8(voce.didascalia), voce.sinistra,
                                    voce.alto, voce.punti);
        bottone->setEnabled(voce.crea != nullptr);
        const int form = voce.form;
        connect(bottone, &QPushButton::clicked, this,
                [this, &applicazione, form] { applicazione.apriEsercizio(form, this); });
        bottoni.append(bottone);
    }
    // The arrows go from button to button as they are drawn.
    for (QWidget* bottone : std::as_const(bottoni))
        bottone->installEventFilter(this);

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
    // Tab goes down each column, from the left.
    Controlli::ordinaTab(Controlli::perColonne(bottoni + QList<QWidget*>{attende, automatica}));

    adattaTesti(this, sfondo);
    // The menu opens on its first exercise, not on "Esci".
    if (QWidget* primo = findChild<QWidget*>(QString::fromLatin1(registroEsercizi().front().comando)))
        primo->setFocus();
    (contesto.stato.attendiBottone ? attende : automatica)->setChecked(true);
    connect(gruppo, &QButtonGroup::idClicked, this,
            [&contesto](int indice) { contesto.stato.attendiBottone = indice != 0; });
}

bool FormMenu::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const int k = tasto->key();
    if ((k != Qt::Key_Left && k != Qt::Key_Right && k != Qt::Key_Up && k != Qt::Key_Down)
        || (tasto->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QWidget::eventFilter(oggetto, evento);
    // The nearest button or option that way, not one of another row or
    // column; at an edge the focus stays.
    QList<QWidget*> altri;
    for (QAbstractButton* b : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (b->isEnabled() && b->isVisible() && (b->focusPolicy() & Qt::TabFocus))
            altri.append(b);
    }
    if (QWidget* vicino = Controlli::versoFreccia(static_cast<QWidget*>(oggetto), altri, k, true))
        vicino->setFocus(Qt::TabFocusReason);
    return true;
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
