// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comune/voce.h"

#include <QString>
#include <QStringList>
#include <memory>

// The program's voice. The real one lives in the module "lumeri_voce" beside
// the program and is loaded the first time it is needed: when an exercise
// opens with the sound on, or a word is read aloud. Without the module, or
// without an Italian voice, nothing is heard and the program works as always.
class VoceDifferita final : public Voce {
public:
    // `motori`: the speech engines to try, in order; none: Speech Dispatcher
    // first, then any other.
    explicit VoceDifferita(QString cartellaModulo, QStringList motori = {});
    ~VoceDifferita() override;

    void leggi(const QString& testo) override;
    void prepara() override;

private:
    QString cartellaModulo;
    QStringList motori;
    bool tentato = false;
    std::unique_ptr<Voce> reale;
};
