// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound back end, built as a module of its own and loaded the first time
// an exercise opens: Qt Multimedia and the audio libraries behind it are not
// loaded while the title screen starts.

#include "comune/suoni.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <array>
#include <memory>

namespace {

// Plays the five wave files through QSoundEffect. The files are loaded once,
// when the player is made; a new sound stops the one still playing.
class RiproduttoreQt final : public RiproduttoreSuoni {
public:
    explicit RiproduttoreQt(const QStringList& percorsi)
    {
        for (qsizetype i = 0; i < percorsi.size() && i < qsizetype(effetti.size()); ++i) {
            const QFileInfo file(percorsi[i]);
            if (!file.isFile() || !file.isReadable())
                continue;   // a missing sound is simply not heard
            auto effetto = std::make_unique<QSoundEffect>();
            effetto->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
            effetti[static_cast<std::size_t>(i)] = std::move(effetto);
        }
    }

    // QSoundEffect loads its file in a thread of Qt's own; a load still under
    // way when the program ends would outlive the application object. So the
    // player waits, a little at most, for the loads to finish.
    ~RiproduttoreQt() override
    {
        const QDeadlineTimer limite(2000);
        while (inCaricamento() && !limite.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }

    void riproduci(Suono suono) override
    {
        for (auto& effetto : effetti) {
            if (effetto && effetto->isPlaying())
                effetto->stop();
        }
        if (auto& effetto = effetti[static_cast<std::size_t>(suono)])
            effetto->play();
    }

private:
    bool inCaricamento() const
    {
        for (const auto& effetto : effetti) {
            if (effetto && effetto->status() == QSoundEffect::Loading)
                return true;
        }
        return false;
    }

    std::array<std::unique_ptr<QSoundEffect>, 5> effetti;
};

} // namespace

// The paths of si1.wav .. si4.wav and no.wav, in this order.
extern "C" Q_DECL_EXPORT RiproduttoreSuoni* lumeriCreaRiproduttore(const QStringList* percorsi)
{
    return new RiproduttoreQt(*percorsi);
}
