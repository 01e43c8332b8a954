// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/typed/finestra_scritta.h"

#include "comune/interfaccia.h"
#include "frame/controlli.h"

#include <QKeyEvent>
#include <QLabel>

using namespace Interfaccia;

CasellaRisposta::CasellaRisposta(QWidget* genitore, std::function<void(const QString&)> invio)
    : CasellaTesto(genitore)
    , invio(std::move(invio))
{
}

void CasellaRisposta::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->accept();
        if (!evento->isAutoRepeat())   // Enter held down answers once
            invio(text());
        return;
    }
    CasellaTesto::keyPressEvent(evento);
}


FinestraScritta::FinestraScritta(Contesto& contesto, Navigazione& navigazione, const ConfigScritta& config)
    : FinestraDi(navigazione, config.form, std::make_unique<LogicaScritta>(contesto, config))
{
    const Rettangolo& i = config.istruzione.posto;
    istruzione = new QLabel(QString::fromUtf8(config.istruzione.didascalia), sfondo());
    istruzione->setObjectName(QString::fromLatin1(config.istruzione.nome));
    Controlli::disponi(istruzione, i);
    assegnaCarattere(istruzione, carattere(14.25));
    istruzione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    coloraTesto(istruzione, Colori::Celeste);

    testo = Controlli::casellaElemento(sfondo(), {630, 1155, 4965, 1035}, 24);
    connect(testo, &CasellaElemento::cliccata, this, [this] { logica().leggiParola(); });

    risposta = new CasellaRisposta(sfondo(), [this](const QString& digitato) { logica().invia(digitato); });
    risposta->setObjectName(QStringLiteral("Text2"));
    disponi(risposta, QRect(config.sinistraRisposta, 2310, 4965, 1035));
    assegnaCarattere(risposta, carattere(24));
    istruzione->setBuddy(risposta);   // the box is named by the instruction

    aiuto = new BottoneFigura(sfondo(), QStringLiteral("Aiutami"), QStringLiteral("aiuto"));
    aiuto->setObjectName(QStringLiteral("SSCommand1"));
    assegnaCarattere(aiuto, carattere(27.75, false));
    disponi(aiuto, QRect(config.aiuto.sinistra, config.aiuto.alto, 2160, 1185));
    // A click leaves the focus on the button, as on every command button.
    aiuto->setFocusPolicy(Qt::StrongFocus);
    connect(aiuto, &QToolButton::clicked, this, [this] { logica().aiutami(); });

    // The answer first, then the word, "Aiutami" and, after it, "avanti".
    Controlli::ordinaTab({risposta, testo, aiuto});
    aggiorna();
}

void FinestraScritta::aggiornaEsercizio()
{
    testo->setText(logica().testo());
    testo->setCursorPosition(0);
    risposta->setEnabled(logica().rispostaAbilitata());
}

void FinestraScritta::svuotaRisposta()
{
    risposta->clear();
}

QWidget* FinestraScritta::primaRisposta() const
{
    return risposta;
}
