// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "comune/dialoghi.h"

#include "comune/interfaccia.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace Dialoghi {

namespace {

int mostra(QWidget* genitore, QMessageBox::Icon simbolo, const QString& testo,
           QMessageBox::StandardButtons bottoni)
{
    QMessageBox scatola(simbolo, QString::fromUtf8(Titolo), testo, bottoni, genitore);
    scatola.setObjectName(QStringLiteral("Messaggio"));
    // Its text and buttons grow with the scale of its window, to be read
    // from the back of the classroom; the symbol keeps the style's size.
    scatola.setFont(Interfaccia::carattereInScala(scatola.font(), genitore));
    if (auto* si = scatola.button(QMessageBox::Yes))
        si->setText(QStringLiteral("Sì"));
    if (auto* no = scatola.button(QMessageBox::No))
        no->setText(QStringLiteral("No"));
    if (auto* ok = scatola.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("OK"));
    return scatola.exec();
}

} // namespace

bool chiedi(QWidget* genitore, const QString& domanda)
{
    return mostra(genitore, QMessageBox::Question, domanda, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void informa(QWidget* genitore, const QString& testo)
{
    mostra(genitore, QMessageBox::Information, testo, QMessageBox::Ok);
}

void avvisa(QWidget* genitore, const QString& testo)
{
    mostra(genitore, QMessageBox::Warning, testo, QMessageBox::Ok);
}

bool esciProgramma(QWidget* genitore)
{
    return chiedi(genitore, QStringLiteral("Vuoi uscire dal programma?"));
}

} // namespace Dialoghi
