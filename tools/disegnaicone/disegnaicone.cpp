// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's icon at the usual sizes of an icon theme:
//   disegnaicone <picture.svg> <folder> <size>...
// writes <folder>/<size>.png for each size. Run by hand when the picture changes.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication programma(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() < 4) {
        std::fputs("uso: disegnaicone <disegno.svg> <cartella> <misura>...\n", stderr);
        return 1;
    }
    QSvgRenderer disegno(argomenti[1]);
    if (!disegno.isValid()) {
        std::fprintf(stderr, "disegnaicone: %s non è un disegno SVG\n", qPrintable(argomenti[1]));
        return 1;
    }
    for (const QString& testo : argomenti.mid(3)) {
        bool numero = false;
        const int misura = testo.toInt(&numero);
        if (!numero || misura <= 0 || misura > 1024) {
            std::fprintf(stderr, "disegnaicone: misura sbagliata %s\n", qPrintable(testo));
            return 1;
        }
        QImage immagine(misura, misura, QImage::Format_ARGB32);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        disegno.render(&pittore);
        pittore.end();
        const QString file = QDir(argomenti[2]).filePath(QStringLiteral("%1.png").arg(misura));
        if (!immagine.save(file)) {
            std::fprintf(stderr, "disegnaicone: non si può scrivere %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
