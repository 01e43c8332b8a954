#include "drills/choice/finestra_due_scelte.h"

#include "app/applicazione.h"
#include "app/interfaccia.h"
#include "drills/choice/due_scelte.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Interfaccia;

FinestraDueScelte::FinestraDueScelte(Applicazione& applicazione, const ConfigDueScelte& config)
    : FinestraEsercizio(applicazione, config.form,
                        std::make_unique<LogicaDueScelte>(applicazione.contesto(), config))
    , logica(static_cast<LogicaDueScelte&>(esercizio()))
{
    testo = new QLineEdit(sfondo());
    testo->setObjectName(QStringLiteral("Text1"));
    testo->setGeometry(rettangolo(120, 240, 6855, 1455));
    testo->setFont(carattere(27.75));
    testo->setReadOnly(true);
    testo->setFocusPolicy(Qt::NoFocus);
    testo->setContextMenuPolicy(Qt::NoContextMenu);
    testo->setAccessibleName(QStringLiteral("Parola"));

    auto creaBottone = [&](const char* nome, const char* didascalia, int sinistra, int numero) {
        auto* bottone = new BottoneACapo(QString::fromUtf8(didascalia), sfondo());
        bottone->setObjectName(QString::fromLatin1(nome));
        bottone->setGeometry(rettangolo(sinistra, 2520, config.larghezza, 855));
        bottone->setFont(carattere(config.puntiRisposta));
        connect(bottone, &QPushButton::clicked, this, [this, numero] {
            logica.premi(numero);
            aggiorna();
        });
        return bottone;
    };
    bottone1 = creaBottone("Bottone1", config.bottone1, config.sinistra1, 1);
    bottone2 = creaBottone("Bottone2", config.bottone2, config.sinistra2, 2);
    setTabOrder(bottone1, bottone2);
    aggiorna();
}

void FinestraDueScelte::aggiornaEsercizio()
{
    testo->setText(logica.testo());
    testo->setCursorPosition(0);
    const bool abilitati = logica.bottoniAbilitati();
    int numero = 1;
    for (QPushButton* bottone : {bottone1, bottone2}) {
        bottone->setEnabled(abilitati);
        if (const auto colore = logica.coloreBottone(numero++))
            coloraBottone(bottone, Interfaccia::colore(*colore));
        else
            bottone->setPalette(QPalette());   // the system's button colour
    }
}
