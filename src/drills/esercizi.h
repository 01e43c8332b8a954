// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class Esercizio;
struct Contesto;

// The logic of exercise "Form<form>" alone, without its window: for reading
// the lists exactly as the window reads them, or measuring it. Null for a
// form that has no exercise.
std::unique_ptr<Esercizio> creaEsercizio(int form, Contesto& contesto);
