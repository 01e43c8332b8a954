#include "app/riproduttore_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

RiproduttoreQt::RiproduttoreQt(QString cartellaSuoni)
    : cartella(std::move(cartellaSuoni))
{
}

RiproduttoreQt::~RiproduttoreQt() = default;

void RiproduttoreQt::prepara()
{
    if (pronto)
        return;
    pronto = true;
    for (int i = 0; i < 5; ++i) {
        const QFileInfo file(QDir(cartella).filePath(Suoni::nomeFile(static_cast<Suono>(i))));
        if (!file.isFile() || !file.isReadable())
            continue;   // a missing sound is simply not heard
        auto effetto = std::make_unique<QSoundEffect>();
        effetto->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        effetti[static_cast<std::size_t>(i)] = std::move(effetto);
    }
}

void RiproduttoreQt::riproduci(Suono suono)
{
    prepara();
    for (auto& effetto : effetti) {
        if (effetto && effetto->isPlaying())
            effetto->stop();
    }
    if (auto& effetto = effetti[static_cast<std::size_t>(suono)])
        effetto->play();
}
