// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice that reads words aloud, built as a module of its own and loaded
// when an exercise first needs it: Qt TextToSpeech and the speech engine
// behind it are not loaded while the program starts.
//
// QT_LOGGING_RULES="lumeri.voce.debug=true" writes down, with the time, when
// the engine is ready, when a word is asked for and when it begins to be
// heard.

#include "comune/voce.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLocale>
#include <QLoggingCategory>
#include <QObject>
#include <QStringList>
#include <QTextToSpeech>
#include <QThread>
#include <memory>

namespace {

Q_LOGGING_CATEGORY(registro, "lumeri.voce", QtWarningMsg)

// Lives in the voice's own thread: finding the engine and its Italian voice
// may take a while (Speech Dispatcher may have to be started), and the
// windows never wait for it.
class Lettrice final : public QObject {
public:
    explicit Lettrice(QStringList motori)
        : motori(std::move(motori))
    {
    }

    void prepara()
    {
        if (provata)
            return;
        provata = true;
        QElapsedTimer orologio;
        orologio.start();
        motore = italiano();
        qCDebug(registro) << "engine ready:" << (motore ? motore->engine() : QStringLiteral("none")) << "in"
                          << orologio.elapsed() << "ms";
        if (motore && registro().isDebugEnabled()) {
            QObject::connect(motore.get(), &QTextToSpeech::stateChanged, this, [](QTextToSpeech::State stato) {
                if (stato == QTextToSpeech::Speaking)
                    qCDebug(registro) << "word heard";
            });
        }
    }

    void leggi(const QString& testo)
    {
        prepara();
        if (motore)
            motore->say(testo);   // stops the text still being read
    }

private:
    // The first engine with an Italian voice, set to it; none where no
    // engine has one. The system's language is never relied on.
    std::unique_ptr<QTextToSpeech> italiano() const
    {
        const QStringList presenti = QTextToSpeech::availableEngines();
        QStringList scelti = motori;
        if (scelti.isEmpty()) {
            scelti = presenti;
            if (scelti.removeAll(QStringLiteral("speechd")) > 0)
                scelti.prepend(QStringLiteral("speechd"));
        }
        for (const QString& nome : std::as_const(scelti)) {
            if (!presenti.contains(nome))
                continue;
            auto motore = std::make_unique<QTextToSpeech>(nome);
            if (motore->state() == QTextToSpeech::Error)
                continue;
            // A language the engine cannot speak after all is passed over for the next one.
            QList<QLocale> lingue = motore->availableLocales();
            for (qsizetype i; (i = Voce::linguaItaliana(lingue)) >= 0; lingue.removeAt(i)) {
                motore->setLocale(lingue.at(i));
                if (motore->locale().language() == QLocale::Italian && !motore->availableVoices().isEmpty())
                    return motore;
            }
        }
        return nullptr;
    }

    const QStringList motori;
    bool provata = false;
    std::unique_ptr<QTextToSpeech> motore;
};

class VoceQt final : public Voce {
public:
    explicit VoceQt(const QStringList& motori)
        : filo(new QThread)
        , lettrice(new Lettrice(motori))
    {
        lettrice->moveToThread(filo);
        QObject::connect(filo, &QThread::finished, lettrice, &QObject::deleteLater);
        filo->start();
    }

    // The engine is let go in its own thread. One that does not answer in a
    // while (a speech server that hangs) is left behind as the program ends,
    // rather than holding it up.
    ~VoceQt() override
    {
        filo->quit();
        if (filo->wait(QDeadlineTimer(2000)))
            delete filo;
    }

    // Both return at once; the engine is built, and the words read, in order in the voice's thread.
    void prepara() override
    {
        QMetaObject::invokeMethod(lettrice, [l = lettrice] { l->prepara(); }, Qt::QueuedConnection);
    }

    void leggi(const QString& testo) override
    {
        qCDebug(registro) << "word asked for:" << testo;
        QMetaObject::invokeMethod(lettrice, [l = lettrice, testo] { l->leggi(testo); }, Qt::QueuedConnection);
    }

private:
    QThread* filo;
    Lettrice* lettrice;
};

} // namespace

// The engines to try, in order; empty: Speech Dispatcher first, then any other.
extern "C" Q_DECL_EXPORT Voce* lumeriCreaVoce(const QStringList* motori)
{
    return new VoceQt(*motori);
}
