// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/arrangement/cataloga.h"

#include "comune/casuale.h"
#include "comune/contesto.h"
#include "comune/stato.h"
#include "drills/verifiche.h"

namespace {

constexpr int RigheTabella = 100;

// The different non-empty altered forms (fields 2 to 5) of some records.
int formeDiverse(std::initializer_list<const QStringList*> record)
{
    QStringList forme;
    for (const QStringList* r : record) {
        for (int campo = 2; campo <= 5; ++campo) {
            const QString& forma = r->at(campo - 1);
            if (!forma.isEmpty() && !forme.contains(forma))
                forme.append(forma);
        }
    }
    return int(forme.size());
}

} // namespace

LogicaCataloga::LogicaCataloga(Contesto& c)
    : Esercizio(c)
{
}

std::optional<ErroreElenco> LogicaCataloga::caricaElenchi()
{
    Tabella letta;
    Fonte fonte;
    if (auto errore = contesto.lettore.caricaRecord(Verifiche::FileAlterati, Verifiche::FormaAlterati, RigheTabella,
                                                    letta, nullptr, &fonte))
        return errore;
    if (letta.size() < Colonne)
        return fonte.errore(0, QStringLiteral("servono almeno tre nomi, ma il file ne ha %1.").arg(letta.size()));
    // A board draws three different records; it needs five different words
    // among their altered forms, or the draw of the words would never end.
    bool possibile = false;
    const qsizetype n = letta.size();
    for (qsizetype a = 0; a < n && !possibile; ++a) {
        for (qsizetype b = a + 1; b < n && !possibile; ++b) {
            for (qsizetype c = b + 1; c < n && !possibile; ++c)
                possibile = formeDiverse({&letta[a], &letta[b], &letta[c]}) >= Parole;
        }
    }
    if (!possibile) {
        return fonte.errore(0, QStringLiteral("nessun gruppo di tre nomi ha cinque forme alterate diverse "
                                              "da collocare."));
    }
    tabella = std::move(letta);
    contesto.stato.quanti[0] = static_cast<qint16>(tabella.size());
    return std::nullopt;
}

bool LogicaCataloga::bastano(int a, int b, int c) const
{
    return formeDiverse({&tabella[a - 1], &tabella[b - 1], &tabella[c - 1]}) >= Parole;
}

void LogicaCataloga::estraiPrimitive()
{
    SorgenteCasuale& casuale = contesto.casuale;
    const int quanti = contesto.stato.quanti[0];
    // Three different records; drawn again, all three, when they cannot give
    // a board. Some three can: the load made sure.
    do {
        primitive_[0] = casuale.estrai(quanti);
        do
            primitive_[1] = casuale.estrai(quanti);
        while (primitive_[1] == primitive_[0]);
        do
            primitive_[2] = casuale.estrai(quanti);
        while (primitive_[2] == primitive_[0] || primitive_[2] == primitive_[1]);
    } while (!bastano(primitive_[0], primitive_[1], primitive_[2]));
}

void LogicaCataloga::presentaElemento()
{
    for (auto& colonna : caselle)
        colonna.fill(QString());
    parole.fill(QString());
    numero = 0;

    estraiPrimitive();

    // Column first, then kind; an empty box or a word already taken is drawn
    // again, both anew. Texts are compared exactly.
    SorgenteCasuale& casuale = contesto.casuale;
    for (int n = 0; n < Parole; ++n) {
        QString candidata;
        do {
            const int colonna = casuale.estrai(Colonne);
            const int campo = casuale.estrai(Tipi) + 1;
            candidata = tabella[primitive_[std::size_t(colonna - 1)] - 1][campo - 1];
        } while (candidata.isEmpty() || std::find(parole.begin(), parole.begin() + n, candidata) != parole.begin() + n);
        parole[std::size_t(n)] = candidata;
    }

    colori();
    presentaParola();
}

void LogicaCataloga::presentaParola()
{
    if (numero == Parole) {
        annuncia(QStringLiteral("Tabellone completato."));
        prosegui();   // the board is over
        return;
    }
    if (cornice().sfondo() == Colori::Nero)
        colori();
    ++numero;
    parola_ = parole[std::size_t(numero - 1)];
}

void LogicaCataloga::colori()
{
    didascalieBianche_ = false;
    caricaColori();
}

void LogicaCataloga::lascia(int colonna, int tipo)
{
    if (!avviato() || !parolaAbilitata_ || colonna < 0 || colonna >= Colonne || tipo < 0 || tipo >= Tipi)
        return;
    const QString& attesa = tabella[primitive_[std::size_t(colonna)] - 1][tipo + 1];
    const QString& data = parole[std::size_t(numero - 1)];
    if (attesa == data) {
        caselle[std::size_t(colonna)][std::size_t(tipo)] = data;
        segnaEsatto();
        const bool ultima = numero == Parole;
        presentaParola();
        // The focus goes back to the word, which says the next one.
        if (!ultima)
            chiediFuoco(Fuoco::Risposta);
    } else {
        errato();
        didascalieBianche_ = true;
    }
    mostra();
}

void LogicaCataloga::blocca()
{
    parola_.clear();
    parolaAbilitata_ = false;
}

void LogicaCataloga::sblocca()
{
    parolaAbilitata_ = true;
}

QString LogicaCataloga::descrizione() const
{
    QStringList nomi;
    for (int c = 0; c < Colonne; ++c)
        nomi.append(primitiva(c));
    return QStringLiteral("Nomi: %1.").arg(nomi.join(QStringLiteral(", ")));
}

QString LogicaCataloga::primitiva(int colonna) const
{
    // Nothing before the first board.
    if (colonna < 0 || colonna >= Colonne || primitive_[std::size_t(colonna)] < 1)
        return {};
    return tabella[primitive_[std::size_t(colonna)] - 1].first();
}

QString LogicaCataloga::casella(int colonna, int tipo) const
{
    if (colonna < 0 || colonna >= Colonne || tipo < 0 || tipo >= Tipi)
        return {};
    return caselle[std::size_t(colonna)][std::size_t(tipo)];
}
