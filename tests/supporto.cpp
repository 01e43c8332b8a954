#include "supporto.h"

#include <QFile>

void CartellaProva::scrivi(const QString& nome, const QByteArray& contenuto) const
{
    QFile file(QDir(testi()).filePath(nome));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contenuto);
}

QString paroleNumerate(const QString& prefisso, int quante)
{
    QString testo;
    for (int i = 1; i <= quante; ++i)
        testo += prefisso + QString::number(i) + u'\n';
    return testo;
}
