// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// lumeri-verifica: checks a folder of word lists before a lesson, exactly as
// the exercise windows read them, and says which exercises could not open;
// or puts copies of the shipped lists in the teacher's folder, to be edited.

#include "comune/cartelle.h"
#include "comune/elenchi.h"
#include "comune/stato.h"
#include "drills/registro.h"
#include "drills/verifiche.h"
#include "drills/verifica_elenchi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char* const Aiuto =
    "Uso: lumeri-verifica [--solo] [CARTELLA]\n"
    "     lumeri-verifica --mostra FILE\n"
    "     lumeri-verifica --prepara [FILE...]\n"
    "\n"
    "Controlla gli elenchi di parole di Catalogare i lumeri prima di una lezione.\n"
    "Ogni esercizio legge i suoi elenchi come quando si apre la sua finestra:\n"
    "gli stessi file, con la stessa forma dei record, gli stessi limiti e gli\n"
    "stessi controlli delle parole che mancano.\n"
    "\n"
    "Senza CARTELLA controlla gli elenchi che il programma leggerebbe: prima\n"
    "quelli dell'insegnante, nella cartella testi dei dati dell'utente (su\n"
    "Debian ~/.local/share/lumeri/testi), poi quelli dell'aula, nella cartella\n"
    "lumeri/testi delle cartelle dati del sistema (XDG_DATA_DIRS, per esempio\n"
    "/usr/local/share/lumeri/testi), poi quelli forniti col programma, file per\n"
    "file.\n"
    "\n"
    "Con CARTELLA controlla gli elenchi di quella cartella al posto di quelli\n"
    "dell'insegnante: ogni file che vi manca si prende dalle altre cartelle,\n"
    "come farebbe il programma.\n"
    "\n"
    "Opzioni:\n"
    "  --solo      controlla soltanto gli elenchi di CARTELLA, senza quelli\n"
    "              forniti col programma: ogni file deve essere lì\n"
    "  --mostra    scrive l'elenco FILE come lo legge il programma, dalla\n"
    "              cartella da cui lo prende (o da quella di FILE, se è un\n"
    "              percorso): un record per riga, con il numero della riga del\n"
    "              file dove comincia e le sue parole separate da \" | \", per\n"
    "              esempio \"3: gallo | gallina\"; oppure il problema che il\n"
    "              programma vi trova, ed esce con 1\n"
    "  --prepara   crea la cartella dell'insegnante, se manca, e vi copia gli\n"
    "              elenchi forniti col programma che si nominano (tutti, se non\n"
    "              se ne nomina nessuno), da modificare; un file che c'è già non\n"
    "              si tocca. Scrive il percorso completo della cartella.\n"
    "  -h, --help  mostra questo aiuto\n"
    "\n"
    "Scrive una riga per ogni problema (il file, la cartella, la riga, che cosa\n"
    "non va e quali esercizi non possono cominciare), anche per ogni file delle\n"
    "cartelle dell'insegnante e dell'aula che nessun esercizio legge, e una riga\n"
    "finale con il conto. Esce con 0 se non c'è nessun problema, con 1 altrimenti.\n"
    "\n"
    "I nomi dei file, la forma delle righe, i separatori e i limiti sono nella\n"
    "guida per gli insegnanti: /usr/share/doc/lumeri/guida-insegnanti.md\n";

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

// Copies the shipped lists `richiesti` (all when none) into the teacher's
// folder, never over a file of hers.
int prepara(const CartelleProgramma& cartelle, const QStringList& richiesti, QTextStream& uscita,
            QTextStream& errori)
{
    QStringList nomi;
    for (const QString& richiesto : richiesti) {
        QString trovato;
        for (const QString& elenco : nomiElenchi()) {
            if (richiesto.compare(elenco, Qt::CaseInsensitive) == 0
                || (richiesto + QStringLiteral(".txt")).compare(elenco, Qt::CaseInsensitive) == 0)
                trovato = elenco;
        }
        if (trovato.isEmpty()) {
            const QString voluto = nomeVoluto(richiesto);
            errori << "lumeri-verifica: " << virgolettato(richiesto) << " non è il nome di un elenco di parole"
                   << (voluto.isEmpty() ? QString() : QStringLiteral(" (forse %1?)").arg(virgolettato(voluto)))
                   << ". Gli elenchi sono: " << nomiElenchi().join(QStringLiteral(", "))
                   << ". Non è stato copiato niente.\n";
            return 1;
        }
        if (!nomi.contains(trovato))
            nomi.append(trovato);
    }
    if (richiesti.isEmpty())
        nomi = nomiElenchi();

    const QString cartella = cartelle.insegnante;
    if (cartella.isEmpty() || !QDir().mkpath(cartella)) {
        errori << "lumeri-verifica: la cartella " << QDir::toNativeSeparators(cartella)
               << " non si può creare.\n";
        return 1;
    }
    uscita << "La cartella dei tuoi elenchi è " << QDir::toNativeSeparators(QDir(cartella).absolutePath()) << "\n";
    int esito = 0;
    for (const QString& nome : nomi) {
        const QString suo = LettoreElenchi::percorsoIn(cartella, nome);
        if (!suo.isEmpty()) {
            uscita << virgolettato(QFileInfo(suo).fileName()) << " c'è già: lasciato com'era.\n";
            continue;
        }
        const QString fornito = LettoreElenchi::percorsoIn(cartelle.testi(), nome);
        const QString copia = QDir(cartella).filePath(nome);
        if (fornito.isEmpty() || !QFile::copy(fornito, copia)) {
            errori << "lumeri-verifica: " << virgolettato(nome) << " non si può copiare dalla cartella "
                   << QDir::toNativeSeparators(cartelle.testi()) << ".\n";
            esito = 1;
            continue;
        }
        // Hers to edit, whatever the rights of the shipped file.
        QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                         | QFileDevice::ReadOther);
        uscita << "Copiato " << virgolettato(nome) << ".\n";
    }
    uscita << "Modifica questi elenchi, poi controllali con: lumeri-verifica\n";
    return esito;
}

// The list `file` (a name, or a path to a file) as the program reads it, a
// record a line; or its fault, with exit 1.
int mostra(const CartelleProgramma& cartelle, const QString& file, QTextStream& uscita)
{
    QStringList lette = cartelle.elenchi();
    QString nome = file;
    const QFileInfo percorso(file);
    if (file.contains(u'/') || file.contains(QDir::separator())) {
        if (!percorso.isFile()) {
            uscita << "lumeri-verifica: il file " << QDir::toNativeSeparators(file) << " non esiste.\n";
            return 1;
        }
        nome = percorso.fileName();
        lette.prepend(percorso.absolutePath());
    }
    const DescrizioneElenco* elenco = descrizioneElenco(nome);
    if (!elenco)
        elenco = descrizioneElenco(nome + QStringLiteral(".txt"));
    if (!elenco) {
        const QString voluto = nomeVoluto(nome);
        uscita << "lumeri-verifica: " << virgolettato(nome) << " non è il nome di un elenco di parole"
               << (voluto.isEmpty() ? QString() : QStringLiteral(" (forse %1?)").arg(virgolettato(voluto)))
               << ". Gli elenchi sono: " << nomiElenchi().join(QStringLiteral(", ")) << ".\n";
        return 1;
    }
    const LettoreElenchi lettore(lette);
    Tabella tabella;
    QList<int> righe;
    Fonte fonte;
    auto errore = lettore.caricaRecord(elenco->file, elenco->forma(), StatoComune::MassimoVoci, tabella, &righe, &fonte);
    if (!errore && elenco->file == Verifiche::FileAlterati) {
        Tabella alterati;   // and every noun with an altered form, as each window that reads it asks
        errore = Verifiche::caricaAlterati(lettore, StatoComune::MassimoVoci, alterati);
    }
    if (errore) {
        uscita << Problema{*errore, {}}.riga() << '\n';
        return 1;
    }
    uscita << QStringLiteral("%1, dal file %2 della cartella %3:\n")
                  .arg(elenco->nome, virgolettato(fonte.file), QDir::toNativeSeparators(fonte.cartella));
    for (qsizetype r = 0; r < tabella.size(); ++r) {
        if (elenco->colonne.size() == 1 && tabella[r].value(0).isEmpty())
            continue;   // an empty field of a list of nouns is passed over
        uscita << righe[r] << ": " << tabella[r].join(QStringLiteral(" | ")) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication programma(argc, argv);
    // The program's name, so that the user's data folder is the program's own.
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));
    QTextStream uscita(stdout);
    QTextStream errori(stderr);

    bool solo = false, preparare = false, mostrare = false;
    QStringList cartelle;
    const QStringList argomenti = QCoreApplication::arguments().mid(1);
    for (const QString& argomento : argomenti) {
        if (argomento == QLatin1String("-h") || argomento == QLatin1String("--help")) {
            uscita << Aiuto;
            return 0;
        }
        if (argomento == QLatin1String("--solo")) {
            solo = true;
        } else if (argomento == QLatin1String("--prepara")) {
            preparare = true;
        } else if (argomento == QLatin1String("--mostra")) {
            mostrare = true;
        } else if (argomento.startsWith(u'-')) {
            errori << "lumeri-verifica: opzione sconosciuta " << argomento
                   << ". Per l'aiuto: lumeri-verifica --help\n";
            return 1;
        } else {
            cartelle.append(argomento);
        }
    }
    CartelleProgramma programmaCartelle = CartelleProgramma::delProgramma();
    if (preparare) {
        if (solo) {
            errori << "lumeri-verifica: --prepara non va con --solo. Per l'aiuto: lumeri-verifica --help\n";
            return 1;
        }
        return prepara(programmaCartelle, cartelle, uscita, errori);
    }
    if (mostrare) {
        if (solo || cartelle.size() != 1) {
            errori << "lumeri-verifica: --mostra vuole un FILE, e nient'altro. Per l'aiuto: lumeri-verifica --help\n";
            return 1;
        }
        return mostra(programmaCartelle, cartelle.first(), uscita);
    }
    if (cartelle.size() > 1 || (solo && cartelle.isEmpty())) {
        errori << "lumeri-verifica: "
               << (cartelle.size() > 1 ? "si controlla una cartella alla volta." : "--solo vuole una CARTELLA.")
               << " Per l'aiuto: lumeri-verifica --help\n";
        return 1;
    }
    if (!cartelle.isEmpty() && QFileInfo(cartelle.first()).isFile()) {
        errori << "lumeri-verifica: " << QDir::toNativeSeparators(cartelle.first())
               << " è un file, non una cartella: si controlla una cartella intera. Per vedere come il programma "
                  "legge questo file: lumeri-verifica --mostra "
               << QDir::toNativeSeparators(cartelle.first()) << "\n";
        return 1;
    }
    if (!cartelle.isEmpty() && !QFileInfo(cartelle.first()).isDir()) {
        errori << "lumeri-verifica: la cartella " << QDir::toNativeSeparators(cartelle.first())
               << " non esiste.\n";
        return 1;
    }

    if (!cartelle.isEmpty())
        programmaCartelle.insegnante = QDir(cartelle.first()).absolutePath();   // in place of the teacher's
    const LettoreElenchi lettore(solo ? QStringList{programmaCartelle.insegnante} : programmaCartelle.elenchi());
    QStringList lette;
    for (const QString& cartella : lettore.cartelle())
        lette.append(QDir::toNativeSeparators(cartella));
    uscita << "Elenchi letti dalla cartella " << lette.join(QStringLiteral(", poi dalla cartella ")) << ".\n";

    // What the teacher's folders hold must all be read; the shipped one is the program's.
    QStringList proprie = lettore.cartelle();
    if (!solo)
        proprie.removeLast();
    EsitoVerifica esito = verificaElenchi(lettore, eserciziDelMenu(), proprie);
    if (cartelle.isEmpty()) {
        // Where her lists most often land by mistake, beside her folder and the room's.
        QStringList attese{programmaCartelle.insegnante};
        attese.append(programmaCartelle.sistema);
        esito.problemi.append(fuoriPosto(attese));
    }
    for (const Problema& problema : esito.problemi)
        uscita << problema.riga() << '\n';
    uscita << esito.conclusione() << '\n';
    return esito.buono() ? 0 : 1;
}
