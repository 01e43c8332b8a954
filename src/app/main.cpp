// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/applicazione.h"
#include "comune/cartelle.h"
#include "comune/casuale.h"
#include "comune/interfaccia.h"
#include "comune/riproduttore_differito.h"
#include "comune/stato.h"
#include "comune/voce_differita.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication programma(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));
    Interfaccia::preparaStile();

    const CartelleProgramma cartelle = CartelleProgramma::delProgramma();
    CasualeOrologio casuale;   // the only seeding of the run
    StatoComune stato;
    RiproduttoreDifferito suoni(cartelle.suoni(), cartelle.modulo);
    VoceDifferita voce(cartelle.modulo);
    Applicazione applicazione(stato, casuale, suoni, voce, cartelle.elenchi());
    applicazione.avvia();
    return QApplication::exec();
}
