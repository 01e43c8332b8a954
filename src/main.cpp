#include "app/applicazione.h"
#include "app/casuale.h"
#include "app/interfaccia.h"
#include "app/riproduttore_differito.h"
#include "app/stato.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication programma(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumeri"));
    Interfaccia::preparaStile();

    const QString cartella = QCoreApplication::applicationDirPath();
    CasualeOrologio casuale;   // the only seeding of the run
    StatoComune stato;
    RiproduttoreDifferito suoni(QDir(cartella).filePath(QStringLiteral("suoni")), cartella);
    Applicazione applicazione(stato, casuale, suoni, cartella);
    applicazione.avvia();
    return QApplication::exec();
}
