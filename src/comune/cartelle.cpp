// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/cartelle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef LUMERI_DATI_INSTALLATI
#define LUMERI_DATI_INSTALLATI "../share/lumeri"
#endif
#ifndef LUMERI_MODULO_INSTALLATO
#define LUMERI_MODULO_INSTALLATO "../libexec/lumeri"
#endif

namespace {

const QString Testi = QStringLiteral("testi");

bool haTesti(const QString& cartella)
{
    return QFileInfo(QDir(cartella).filePath(Testi)).isDir();
}

} // namespace

QString CartelleProgramma::testi() const
{
    return QDir(dati).filePath(Testi);
}

QString CartelleProgramma::suoni() const
{
    return QDir(dati).filePath(QStringLiteral("suoni"));
}

QStringList CartelleProgramma::elenchi() const
{
    QStringList cartelle;
    if (!insegnante.isEmpty())
        cartelle.append(insegnante);
    cartelle.append(sistema);
    cartelle.append(testi());
    return cartelle;
}

CartelleProgramma CartelleProgramma::trova(const QString& cartellaProgramma, const QString& datiUtente,
                                           const QStringList& datiSistema)
{
    CartelleProgramma cartelle;
    const QDir programma(cartellaProgramma);
    const QString installati = QDir::cleanPath(programma.filePath(QStringLiteral(LUMERI_DATI_INSTALLATI)));
    if (!haTesti(cartellaProgramma) && haTesti(installati)) {
        cartelle.dati = installati;
        cartelle.modulo = QDir::cleanPath(programma.filePath(QStringLiteral(LUMERI_MODULO_INSTALLATO)));
    } else {
        // Beside the program; also when neither holds the lists, so that the
        // message about a missing list names the folder beside the program.
        cartelle.dati = QDir::cleanPath(cartellaProgramma);
        cartelle.modulo = cartelle.dati;
    }
    if (!datiUtente.isEmpty())
        cartelle.insegnante = QDir(datiUtente).filePath(Testi);
    for (const QString& dati : datiSistema)
        cartelle.sistema.append(QDir(dati).filePath(Testi));
    return cartelle;
}

CartelleProgramma CartelleProgramma::delProgramma()
{
    // The user's folder comes first among the standard ones; the system's follow it.
    const QString utente = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QStringList sistema = QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    sistema.removeAll(utente);
    return trova(QCoreApplication::applicationDirPath(), utente, sistema);
}
