// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/composti.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

namespace {

const QString FileDerivati = QStringLiteral("derivati.txt");
const QString FileComposti = QStringLiteral("composti.txt");
constexpr int RigheTabella = 100;

} // namespace

LogicaComposti::LogicaComposti(Contesto& c)
    : Esercizio(c)
{
}

std::optional<ErroreElenco> LogicaComposti::caricaElenchi()
{
    const LettoreElenchi& lettore = contesto.lettore;
    Tabella tabellaAlterati, tabellaDerivati;
    QStringList composti;
    Fonte fonteAlterati, fonteDerivati;
    QList<Fonte> fontiComposti;
    // The field of a record of "alterati.txt" is drawn until it is not
    // empty; the noun of every record is there, so the draw ends.
    if (auto errore = lettore.caricaRecord(Verifiche::FileAlterati, Verifiche::FormaAlterati, RigheTabella,
                                           tabellaAlterati, nullptr, &fonteAlterati))
        return errore;
    if (auto errore = lettore.caricaRecord(FileDerivati, 2, RigheTabella, tabellaDerivati, nullptr, &fonteDerivati))
        return errore;
    if (auto errore = lettore.caricaElenco({FileComposti}, composti, StatoComune::MassimoVoci, &fontiComposti))
        return errore;
    if (auto errore = Verifiche::vuoto({fonteAlterati}, tabellaAlterati.size()))
        return errore;
    if (auto errore = Verifiche::vuoto({fonteDerivati}, tabellaDerivati.size()))
        return errore;
    if (auto errore = Verifiche::vuoto(fontiComposti, composti.size()))
        return errore;

    alterati = std::move(tabellaAlterati);
    derivati = std::move(tabellaDerivati);
    // The compounds go into Elenco1 but are counted in Quanti3.
    StatoComune& stato = contesto.stato;
    stato.elenco[0] = composti;
    stato.quanti[2] = static_cast<qint16>(composti.size());
    stato.quanti[0] = static_cast<qint16>(alterati.size());
    stato.quanti[1] = static_cast<qint16>(derivati.size());
    return std::nullopt;
}

void LogicaComposti::presentaElemento()
{
    caricaColori();
    istruzioneBianca_ = false;

    SorgenteCasuale& casuale = contesto.casuale;
    StatoComune& stato = contesto.stato;
    auto scegli = [&](int quanti) {
        stato.elencoScelto = static_cast<qint16>(casuale.estrai(quanti));
        return stato.elencoScelto;
    };

    parole_[0] = stato.voce(1, scegli(stato.quanti[2]));
    for (int i = 1; i <= 5; ++i) {
        // The primitive noun or one of its forms; only the field is drawn again.
        const QStringList& record = alterati[scegli(stato.quanti[0]) - 1];
        do
            parole_[std::size_t(i)] = record[casuale.estrai(5) - 1];
        while (parole_[std::size_t(i)].isEmpty());
    }
    for (int i = 6; i <= 8; ++i) {
        const QStringList& record = derivati[scegli(stato.quanti[1]) - 1];
        parole_[std::size_t(i)] = record[casuale.estrai(2) - 1];
    }

    posti_ = Posti::scombicchera(casuale);
}

void LogicaComposti::clicca(int indice)
{
    if (!avviato() || !abilitate_ || indice < 0 || indice >= Caselle)
        return;
    leggi(parole_[std::size_t(indice)]);
    if (indice == 0) {
        segnaEsatto();
        prosegui();
    } else {
        errato();
        istruzioneBianca_ = true;
    }
    mostra();
}

QString LogicaComposti::parolaDaLeggere() const
{
    return Posti::paroleDallAlto(parole_, posti_);
}

QString LogicaComposti::descrizione() const
{
    return QStringLiteral("Clicca sul nome composto: %1.").arg(Posti::paroleDallAlto(parole_, posti_));
}

void LogicaComposti::blocca()
{
    rosso = true;
    abilitate_ = false;
}

void LogicaComposti::sblocca()
{
    rosso = false;
    abilitate_ = true;
}
