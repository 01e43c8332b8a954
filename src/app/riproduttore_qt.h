#pragma once

#include "app/suoni.h"

#include <QString>
#include <array>
#include <memory>

class QSoundEffect;

// Plays the five wave files of the folder "suoni" through Qt Multimedia. The
// files are loaded once, on the first call of prepara() or riproduci(), so
// starting the program costs nothing.
class RiproduttoreQt final : public RiproduttoreSuoni {
public:
    explicit RiproduttoreQt(QString cartellaSuoni);
    ~RiproduttoreQt() override;

    void prepara() override;
    void riproduci(Suono suono) override;

private:
    QString cartella;
    bool pronto = false;
    std::array<std::unique_ptr<QSoundEffect>, 5> effetti;
};
