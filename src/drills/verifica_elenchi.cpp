#include "drills/verifica_elenchi.h"

#include "app/casuale.h"
#include "app/contesto.h"
#include "app/stato.h"
#include "app/suoni.h"
#include "drills/esercizi.h"
#include "frame/esercizio.h"

#include <QDir>
#include <algorithm>

namespace {

class SenzaSuoni final : public RiproduttoreSuoni {
public:
    void riproduci(Suono) override {}
};

bool stessoGuasto(const ErroreElenco& a, const ErroreElenco& b)
{
    return a.file.compare(b.file, Qt::CaseInsensitive) == 0 && a.riga == b.riga && a.guasto == b.guasto && a.cartella == b.cartella;
}

QString tra(const QString& testo)
{
    return QStringLiteral("\"%1\"").arg(testo);
}

} // namespace

QString Problema::riga() const
{
    if (errore.file.isEmpty())
        return QStringLiteral("L'esercizio %1 non si può controllare: %2").arg(tra(esercizi.join(u',')), errore.guasto);
    QString testo = tra(errore.file);
    if (!errore.cartella.isEmpty())
        testo += QStringLiteral(" della cartella %1").arg(QDir::toNativeSeparators(errore.cartella));
    if (errore.riga > 0)
        testo += QStringLiteral(", riga %1").arg(errore.riga);
    QStringList nomi;
    for (const QString& nome : esercizi)
        nomi.append(tra(nome));
    testo += QStringLiteral(": %1 ").arg(errore.guasto);
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
    const QString esercizi = bloccati == 1 ? QStringLiteral("1 esercizio su %1 non può cominciare.").arg(controllati)
                                           : QStringLiteral("%1 esercizi su %2 non possono cominciare.")
                                                 .arg(bloccati)
                                                 .arg(controllati);
    return QStringLiteral("%1: %2 Ogni esercizio si ferma al primo problema che trova: "
                          "corretti questi, controlla di nuovo.")
        .arg(quanti, esercizi);
}

EsitoVerifica verificaElenchi(const LettoreElenchi& lettore, const QList<EsercizioDaVerificare>& esercizi)
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

    std::stable_sort(esito.problemi.begin(), esito.problemi.end(), [](const Problema& a, const Problema& b) {
        const int file = a.errore.file.compare(b.errore.file, Qt::CaseInsensitive);
        return file != 0 ? file < 0 : a.errore.riga < b.errore.riga;
    });
    return esito;
}
