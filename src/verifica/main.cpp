// lumeri-verifica: checks a folder of word lists before a lesson, exactly as
// the exercise windows read them, and says which exercises could not open.

#include "app/cartelle.h"
#include "app/elenchi.h"
#include "drills/registro.h"
#include "drills/verifica_elenchi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char* const Aiuto =
    "Uso: lumeri-verifica [--solo] [CARTELLA]\n"
    "\n"
    "Controlla gli elenchi di parole di Catalogare i lumeri prima di una lezione.\n"
    "Ogni esercizio legge i suoi elenchi come quando si apre la sua finestra:\n"
    "gli stessi file, con la stessa forma dei record, gli stessi limiti e gli\n"
    "stessi controlli delle parole che mancano.\n"
    "\n"
    "Senza CARTELLA controlla gli elenchi che il programma leggerebbe: prima\n"
    "quelli dell'insegnante, nella cartella testi dei dati dell'utente (su\n"
    "Debian ~/.local/share/lumeri/testi), poi quelli forniti col programma per\n"
    "ogni file che l'insegnante non ha messo.\n"
    "\n"
    "Con CARTELLA controlla gli elenchi di quella cartella al posto di quelli\n"
    "dell'insegnante: ogni file che vi manca si prende da quelli forniti col\n"
    "programma, come farebbe il programma.\n"
    "\n"
    "Opzioni:\n"
    "  --solo      controlla soltanto gli elenchi di CARTELLA, senza quelli\n"
    "              forniti col programma: ogni file deve essere lì\n"
    "  -h, --help  mostra questo aiuto\n"
    "\n"
    "Scrive una riga per ogni problema (il file, la cartella, la riga, che cosa\n"
    "non va e quali esercizi non possono cominciare) e una riga finale con il\n"
    "conto. Esce con 0 se tutti gli esercizi possono cominciare, con 1 altrimenti.\n";

// Every exercise of the menu that has a window.
QList<EsercizioDaVerificare> eserciziDelMenu()
{
    QList<EsercizioDaVerificare> esercizi;
    for (const VoceEsercizio& voce : registroEsercizi()) {
        if (voce.crea)
            esercizi.append({voce.form, QString::fromUtf8(voce.didascalia).simplified()});
    }
    return esercizi;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication programma(argc, argv);
    // The program's name, so that the user's data folder is the program's own.
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));
    QTextStream uscita(stdout);
    QTextStream errori(stderr);

    bool solo = false;
    QStringList cartelle;
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    for (const QString& argomento : argomenti) {
        if (argomento == QLatin1String("-h") || argomento == QLatin1String("--help")) {
            uscita << Aiuto;
            return 0;
        }
        if (argomento == QLatin1String("--solo")) {
            solo = true;
        } else if (argomento.startsWith(u'-')) {
            errori << "lumeri-verifica: opzione sconosciuta " << argomento
                   << ". Per l'aiuto: lumeri-verifica --help\n";
            return 1;
        } else {
            cartelle.append(argomento);
        }
    }
    if (cartelle.size() > 1 || (solo && cartelle.isEmpty())) {
        errori << "lumeri-verifica: "
               << (cartelle.size() > 1 ? "si controlla una cartella alla volta." : "--solo vuole una CARTELLA.")
               << " Per l'aiuto: lumeri-verifica --help\n";
        return 1;
    }
    if (!cartelle.isEmpty() && !QFileInfo(cartelle.first()).isDir()) {
        errori << "lumeri-verifica: la cartella " << QDir::toNativeSeparators(cartelle.first())
               << " non esiste.\n";
        return 1;
    }

    CartelleProgramma programmaCartelle = CartelleProgramma::delProgramma();
    const QString scelta = cartelle.isEmpty() ? QString() : QDir(cartelle.first()).absolutePath();
    const LettoreElenchi lettore = solo ? LettoreElenchi(scelta)
                                        : LettoreElenchi(programmaCartelle.testi(),
                                                         scelta.isEmpty() ? programmaCartelle.insegnante : scelta);
    QStringList lette;
    for (const QString& cartella : lettore.cartelle())
        lette.append(QDir::toNativeSeparators(cartella));
    uscita << "Elenchi letti dalla cartella " << lette.join(QStringLiteral(", poi dalla cartella ")) << ".\n";

    const EsitoVerifica esito = verificaElenchi(lettore, eserciziDelMenu());
    for (const Problema& problema : esito.problemi)
        uscita << problema.riga() << '\n';
    uscita << esito.conclusione() << '\n';
    return esito.buono() ? 0 : 1;
}
