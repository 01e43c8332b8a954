// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_avvio.h"

#include "app/applicazione.h"
#include "comune/casuale.h"
#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/stato.h"

#include <QLabel>

using namespace Interfaccia;

FormAvvio::FormAvvio(Applicazione& applicazione)
    : QWidget(nullptr)
    , applicazione(applicazione)
{
    preparaFinestra(this, QStringLiteral("FormAvvio"), 10530, 9075);
    setAccessibleName(QString::fromUtf8(Dialoghi::Titolo));   // the title bar stays blank
    const QIcon figura = icona(QStringLiteral("titolo"));
    setWindowIcon(figura);

    auto creaEtichetta = [this](int indice, const QString& testo, const QRect& posto, double punti,
                                Qt::Alignment allineamento) {
        auto* etichetta = new QLabel(testo, this);
        etichetta->setObjectName(QStringLiteral("Label2_%1").arg(indice));
        disponi(etichetta, posto);
        assegnaCarattere(etichetta, carattere(punti));
        etichetta->setWordWrap(true);
        etichetta->setAlignment(allineamento | Qt::AlignTop);
        return etichetta;
    };
    creaEtichetta(0, QStringLiteral("Catalogare i lumeri"), QRect(720, 1575, 8415, 2535), 48.75,
                  Qt::AlignHCenter);
    creaEtichetta(1, QStringLiteral("Esercitazioni ortografiche"), QRect(2280, 480, 4932, 852), 18,
                  Qt::AlignLeft);

    auto* avvio = new BottoneFigura(this, QStringLiteral("Avvio"), QStringLiteral("titolo"));
    avvio->setObjectName(QStringLiteral("BottoneAvvio"));
    assegnaCarattere(avvio, carattereSansSerif(18));
    disponi(avvio, QRect(2940, 4935, 4110, 1275));
    avvio->setFocus();
    connect(avvio, &QToolButton::clicked, this, [this, &applicazione] { applicazione.mostraMenu(this); });

    // Load: the option waits for "avanti" until the menu changes it; a palette colour.
    auto& contesto = applicazione.contesto();
    contesto.stato.attendiBottone = true;
    const ColoreVb sfondo = Colori::estrai(contesto.casuale);
    dipingiSfondo(this, sfondo);
    adattaTesti(this, sfondo);
}

void FormAvvio::keyPressEvent(QKeyEvent* evento)
{
    if (!tastoSchermo(this, evento))
        QWidget::keyPressEvent(evento);
}

void FormAvvio::closeEvent(QCloseEvent* evento)
{
    if (!applicazione.chiusaDallaCornice(this, evento))
        QWidget::closeEvent(evento);
}
