// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/applicazione.h"
#include "app/prova_elenchi.h"
#include "comune/cartelle.h"
#include "comune/casuale.h"
#include "comune/dialoghi.h"
#include "comune/interfaccia.h"
#include "comune/modulo.h"
#include "comune/riproduttore_differito.h"
#include "comune/stato.h"
#include "comune/voce_differita.h"
#include "drills/registro.h"

#include <QApplication>
#include <QTextStream>
#include <cstring>
#include <memory>

namespace {

const char* const Aiuto =
    "Uso: lumeri\n"
    "     lumeri --elenchi [FILE]\n"
    "\n"
    "Catalogare i lumeri: esercizi di grammatica italiana sui nomi per la scuola\n"
    "primaria.\n"
    "\n"
    "Opzioni:\n"
    "  --elenchi [FILE]  apre gli elenchi di parole per l'insegnante: li mostra\n"
    "                    come tabelle, li controlla mentre si scrive e li salva\n"
    "                    nella sua cartella. Con FILE (per esempio alterati.txt)\n"
    "                    apre quell'elenco.\n"
    "  -h, --help        mostra questo aiuto\n"
    "\n"
    "La guida per gli insegnanti: /usr/share/doc/lumeri/guida-insegnanti.md\n";

// The exercises of the menu as the editor's module takes them: "<form>\t<caption>".
QStringList eserciziDelMenu()
{
    QStringList esercizi;
    for (const VoceEsercizio& voce : registroEsercizi()) {
        if (voce.crea)
            esercizi.append(QStringLiteral("%1\t%2").arg(voce.form).arg(QString::fromUtf8(voce.didascalia).simplified()));
    }
    return esercizi;
}

} // namespace

int main(int argc, char* argv[])
{
    // The help needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            QTextStream(stdout) << Aiuto;
            return 0;
        }
    }
    QApplication programma(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));

    // Qt's own options (-platform, -style...) are taken by QApplication; what is left is ours.
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    bool elenchi = false;
    QString file;
    for (const QString& argomento : argomenti) {
        if (argomento == QLatin1String("--elenchi") && !elenchi) {
            elenchi = true;
        } else if (elenchi && file.isEmpty() && !argomento.startsWith(u'-')) {
            file = argomento;
        } else {
            QTextStream(stderr) << "lumeri: argomento sconosciuto " << argomento << ". Per l'aiuto: lumeri --help\n";
            return 1;
        }
    }

    Interfaccia::preparaStile();
    const CartelleProgramma cartelle = CartelleProgramma::delProgramma();
    CasualeOrologio casuale;   // the only seeding of the run
    StatoComune stato;
    RiproduttoreDifferito suoni(cartelle.suoni(), cartelle.modulo);
    VoceDifferita voce(cartelle.modulo);
    if (elenchi) {
        // The teachers' editor lives in a module of its own: the pupils' program never loads it.
        const std::unique_ptr<QWidget> editor(creaDalModulo<QWidget>(
            cartelle.modulo, "lumeri_elenchi", "lumeriCreaElenchi", QStringList{file} + eserciziDelMenu()));
        if (!editor) {
            Dialoghi::avvisa(nullptr, QStringLiteral("Gli elenchi non si possono aprire: manca una parte del "
                                                     "programma (lumeri_elenchi). Installa di nuovo il programma."));
            return 1;
        }
        ProvaElenchi prova(stato, casuale, suoni, voce, cartelle.elenchi(), editor.get());
        editor->show();
        return QApplication::exec();
    }
    Applicazione applicazione(stato, casuale, suoni, voce, cartelle.elenchi());
    applicazione.avvia();
    return QApplication::exec();
}
