// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/verifica_elenchi.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "comune/suoni.h"
#include "drills/esercizi.h"
#include "frame/esercizio.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

class SenzaSuoni final : public RiproduttoreSuoni {
public:
    void riproduci(Suono) override {}
};

bool stessoGuasto(const ErroreElenco& a, const ErroreElenco& b)
{
    return a.file.compare(b.file, Qt::CaseInsensitive) == 0 && a.riga == b.riga && a.guasto == b.guasto && a.cartella == b.cartella;
}

// A name up to its first dot, without blanks around it, in small letters:
// "FemminileSingolare.txt.txt" and "femminilesingolare.csv" give one.
QString radice(const QString& nome)
{
    return nome.section(u'.', 0, 0).trimmed().toLower();
}

// The fewest letters to change, add or take away to turn `a` into `b`.
qsizetype distanza(const QString& a, const QString& b)
{
    std::vector<qsizetype> prima(std::size_t(b.size() + 1)), ora(prima.size());
    std::iota(prima.begin(), prima.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        ora[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto u = std::size_t(j);
            ora[u] = std::min({prima[u] + 1, ora[u - 1] + 1, prima[u - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        }
        std::swap(prima, ora);
    }
    return prima.back();
}

// What a spreadsheet or a word processor saves in its own format: renamed, it
// would still not be text.
bool nonDiTesto(const QString& nome)
{
    static const QStringList formati{"ods", "odt", "xls", "xlsx", "doc", "docx", "rtf", "pdf", "numbers", "pages"};
    return formati.contains(QFileInfo(nome).suffix(), Qt::CaseInsensitive);
}

// What a spreadsheet or a word processor keeps beside a file it has open
// (".~lock.alterati.txt#", "~$alterati.docx"): gone once it is closed.
bool fileDiBlocco(const QString& nome)
{
    return (nome.startsWith(QLatin1String(".~lock.")) && nome.endsWith(u'#')) || nome.startsWith(QLatin1String("~$"));
}

// What `cartella` holds that no exercise reads: every file and folder but
// the lists found there and what the file manager hides.
QList<Problema> nonLetti(const QString& cartella)
{
    QStringList letti;
    for (const QString& elenco : nomiElenchi()) {
        const QString percorso = LettoreElenchi::percorsoIn(cartella, elenco);
        if (!percorso.isEmpty())
            letti.append(QFileInfo(percorso).fileName());
    }
    QList<Problema> problemi;
    const QFileInfoList voci = QDir(cartella).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                                            QDir::Name);
    for (const QFileInfo& voce : voci) {
        const QString nome = voce.fileName();
        if (letti.contains(nome) || fileDiBlocco(nome))
            continue;
        QString guasto;
        const QString voluto = voce.isDir() ? QString() : nomeVoluto(nome);
        const auto gia = std::find_if(letti.cbegin(), letti.cend(), [&](const QString& letto) {
            return letto.compare(voluto, Qt::CaseInsensitive) == 0;
        });
        if (voce.isDir())
            guasto = QStringLiteral("è una cartella: nessun esercizio legge quello che contiene.");
        else if (voluto.isEmpty())
            guasto = QStringLiteral("nessun esercizio legge questo file.");
        else if (gia != letti.cend())
            guasto = QStringLiteral("nessun esercizio legge questo file; si legge invece %1.").arg(virgolettato(*gia));
        else if (nonDiTesto(nome))
            guasto = QStringLiteral("nessun esercizio legge questo file, e il programma legge soltanto testo: "
                                    "salvalo come testo (CSV) con il nome %1.")
                         .arg(virgolettato(voluto));
        else
            guasto = QStringLiteral("nessun esercizio legge questo file; forse volevi chiamarlo %1?").arg(virgolettato(voluto));
        problemi.append(Problema{ErroreElenco{nome, 0, guasto, cartella}, {}});
    }
    return problemi;
}

} // namespace

QList<Problema> fuoriPosto(const QStringList& testi)
{
    QList<Problema> problemi;
    QStringList viste;
    const auto guarda = [&](const QString& cartella, const QString& giusta) {
        const QString canonica = QFileInfo(cartella).canonicalFilePath();
        if (canonica.isEmpty() || viste.contains(canonica))
            return;
        viste.append(canonica);
        for (const QString& nome : QDir(cartella).entryList(QDir::Files, QDir::Name)) {
            if (!descrizioneElenco(nome))
                continue;
            problemi.append(Problema{
                ErroreElenco{nome, 0,
                             QStringLiteral("il programma non legge questa cartella: sposta il file nella cartella %1.")
                                 .arg(QDir::toNativeSeparators(giusta)),
                             cartella},
                {}});
        }
    };
    for (const QString& cartella : testi) {
        const QDir lumeri = QFileInfo(cartella).dir();   // ".../lumeri"
        const QDir dati = QFileInfo(lumeri.path()).dir();
        if (QFileInfo(lumeri.path()).isDir())
            guarda(lumeri.path(), cartella);
        const auto simili = [](const QDir& dove, const QString& nome) {
            QStringList trovati;
            for (const QString& voce : dove.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (voce.compare(nome, Qt::CaseInsensitive) == 0)
                    trovati.append(dove.filePath(voce));
            }
            return trovati;
        };
        for (const QString& quasi : simili(dati, lumeri.dirName())) {
            for (const QString& quasiTesti : simili(QDir(quasi), QFileInfo(cartella).fileName())) {
                if (QFileInfo(quasiTesti).canonicalFilePath() != QFileInfo(cartella).canonicalFilePath()
                    && QDir::cleanPath(quasiTesti) != QDir::cleanPath(cartella))
                    guarda(quasiTesti, cartella);
            }
        }
    }
    return problemi;
}

const QStringList& nomiElenchi()
{
    static const QStringList nomi = [] {
        QStringList file;
        for (const DescrizioneElenco& elenco : descrizioniElenchi())
            file.append(elenco.file);
        return file;
    }();
    return nomi;
}

QString nomeVoluto(const QString& nome)
{
    const QString cercata = radice(nome);
    QString migliore;
    qsizetype minima = cercata.size() + 1;
    for (const QString& elenco : nomiElenchi()) {
        const qsizetype d = distanza(cercata, radice(elenco));
        if (d < minima) {
            minima = d;
            migliore = elenco;
        }
    }
    // A letter wrong in four, at least one: "concreto" is "concreti", "comuni" is not "propri".
    return !migliore.isEmpty() && minima <= std::max<qsizetype>(1, radice(migliore).size() / 4) ? migliore
                                                                                                 : QString();
}

QString Problema::riga() const
{
    if (errore.file.isEmpty())
        return QStringLiteral("L'esercizio %1 non si può controllare: %2").arg(virgolettato(esercizi.join(u',')), errore.guasto);
    QString testo = virgolettato(errore.file);
    if (!errore.cartella.isEmpty())
        testo += QStringLiteral(" della cartella %1").arg(QDir::toNativeSeparators(errore.cartella));
    if (errore.riga > 0)
        testo += QStringLiteral(", riga %1").arg(errore.riga);
    QStringList nomi;
    for (const QString& nome : esercizi)
        nomi.append(virgolettato(nome));
    testo += QStringLiteral(": %1").arg(errore.guasto);
    if (esercizi.isEmpty())
        return testo;
    testo += u' ';
    testo += nomi.size() == 1 ? QStringLiteral("Non può cominciare l'esercizio %1.")
                              : QStringLiteral("Non possono cominciare gli esercizi %1.");
    return testo.arg(nomi.join(QStringLiteral(", ")));
}

QString EsitoVerifica::conclusione() const
{
    if (problemi.isEmpty()) {
        return controllati == 1 ? QStringLiteral("Nessun problema: l'esercizio può cominciare.")
                                : QStringLiteral("Nessun problema: tutti i %1 esercizi possono cominciare.")
                                      .arg(controllati);
    }
    const QString quanti = problemi.size() == 1 ? QStringLiteral("1 problema")
                                                : QStringLiteral("%1 problemi").arg(problemi.size());
    if (bloccati == 0) {
        // Only files that no exercise reads.
        return QStringLiteral("%1: gli esercizi possono cominciare, ma %2.")
            .arg(quanti, problemi.size() == 1 ? QStringLiteral("un file non lo legge nessuno")
                                              : QStringLiteral("%1 file non li legge nessuno").arg(problemi.size()));
    }
    const QString esercizi = bloccati == 1 ? QStringLiteral("1 esercizio su %1 non può cominciare.").arg(controllati)
                                           : QStringLiteral("%1 esercizi su %2 non possono cominciare.")
                                                 .arg(bloccati)
                                                 .arg(controllati);
    return QStringLiteral("%1: %2 Ogni esercizio si ferma al primo problema che trova: "
                          "corretti questi, controlla di nuovo.")
        .arg(quanti, esercizi);
}

EsitoVerifica verificaElenchi(const LettoreElenchi& lettore, const QList<EsercizioDaVerificare>& esercizi,
                              const QStringList& proprie)
{
    EsitoVerifica esito;
    auto segna = [&](const ErroreElenco& errore, const QString& nome) {
        ++esito.bloccati;
        for (Problema& problema : esito.problemi) {
            if (stessoGuasto(problema.errore, errore)) {
                problema.esercizi.append(nome);
                return;
            }
        }
        esito.problemi.append(Problema{errore, {nome}});
    };

    for (const EsercizioDaVerificare& voce : esercizi) {
        ++esito.controllati;
        // Each exercise as its window opens it: fresh lists, a fixed draw, no sound.
        StatoComune stato;
        CasualeOrologio casuale(1);
        SenzaSuoni suoni;
        Contesto contesto{stato, casuale, suoni, lettore};
        const auto esercizio = creaEsercizio(voce.form, contesto);
        if (!esercizio) {
            segna(ErroreElenco{{}, 0, QStringLiteral("il programma non sa aprirlo senza la sua finestra.")},
                  voce.nome);
            continue;
        }
        if (auto errore = esercizio->avvia())
            segna(*errore, voce.nome);
    }
    for (const QString& cartella : proprie)
        esito.problemi.append(nonLetti(cartella));

    std::stable_sort(esito.problemi.begin(), esito.problemi.end(), [](const Problema& a, const Problema& b) {
        const int file = a.errore.file.compare(b.errore.file, Qt::CaseInsensitive);
        return file != 0 ? file < 0 : a.errore.riga < b.errore.riga;
    });
    return esito;
}

QString virgolettato(const QString& nome)
{
    return QStringLiteral("\"%1\"").arg(nome);
}
