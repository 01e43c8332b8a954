// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "supporto.h"

#include <QFile>

void CartellaProva::scrivi(const QString& nome, const QByteArray& contenuto) const
{
    QFile file(QDir(testi()).filePath(nome));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contenuto);
}

QString inLettere(int numero)
{
    static const char* const cifre[] = {"zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove"};
    QString parola;
    for (const QChar cifra : QString::number(numero))
        parola += QLatin1String(cifre[cifra.digitValue()]);
    return parola;
}

QString paroleNumerate(const QString& prefisso, int quante)
{
    QString testo;
    for (int i = 1; i <= quante; ++i)
        testo += prefisso + inLettere(i) + u'\n';
    return testo;
}

QString recordNumerati(int quanti, int campi)
{
    QString testo;
    for (int r = 1; r <= quanti; ++r) {
        QStringList campo;
        for (int c = 1; c <= campi; ++c)
            campo.append(QStringLiteral("w%1c%2").arg(inLettere(r), inLettere(c)));
        testo += campo.join(u',') + u'\n';
    }
    return testo;
}

void CartellaProva::scriviElenchiDueScelte() const
{
    scrivi(QStringLiteral("FemminileSingolare.txt"), QStringLiteral("casa\nmela\n"));
    scrivi(QStringLiteral("FemminilePlurale.txt"), QStringLiteral("case\n"));
    scrivi(QStringLiteral("MaschileSingolare.txt"), QStringLiteral("cane,libro\nmare\n"));
    scrivi(QStringLiteral("MaschilePlurale.txt"), QStringLiteral("cani\n"));
    scrivi(QStringLiteral("concreti.txt"), QStringLiteral("tavolo\nsedia\n"));
    scrivi(QStringLiteral("astratti.txt"), QStringLiteral("gioia\n"));
    scrivi(QStringLiteral("propri.txt"), QStringLiteral("Roma\nForlì\n"));
    scrivi(QStringLiteral("comuni.txt"), QStringLiteral("città\n"));
    scrivi(QStringLiteral("MaschileFemminile.txt"), QStringLiteral("re,regina\ngallo,gallina\n"));
    scrivi(QStringLiteral("falsi maschili.txt"), QStringLiteral("porto,porta\n"));
    scrivi(QStringLiteral("alterati.txt"), QStringLiteral("casa,casetta,,,casupola\nnaso,,nasone,,\n"));
    scrivi(QStringLiteral("falsialterati.txt"), QStringLiteral("mulo,mulino\n"));
}

void CartellaProva::scriviElenchiScritte() const
{
    scrivi(QStringLiteral("singolarePlurale.txt"),
           QStringLiteral("uomo,uomini\nCITTÀ,città\npesce d'aprile,pesci d'aprile\n"));
    scrivi(QStringLiteral("derivati.txt"), QStringLiteral("Giornale,Giornalaio\nfiore,fioraio\n"));
}
