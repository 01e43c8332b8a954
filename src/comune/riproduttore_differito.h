// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/suoni.h"

#include <QString>
#include <memory>

// The program's sound player. The real player lives in the module
// "lumeri_suoni" beside the program and is loaded, with the five sounds, the
// first time it is needed. Without the module, or without a sound file, the
// program is silent and works as always.
class RiproduttoreDifferito final : public RiproduttoreSuoni {
public:
    RiproduttoreDifferito(QString cartellaSuoni, QString cartellaModulo);
    ~RiproduttoreDifferito() override;

    void prepara() override;
    void riproduci(Suono suono) override;

private:
    QString cartellaSuoni;
    QString cartellaModulo;
    bool tentato = false;
    std::unique_ptr<RiproduttoreSuoni> reale;
};
