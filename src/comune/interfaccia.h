// SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by every window: measures in twips and the scale, fonts,
// colours and pictures, the keyboard's marks, what a screen reader is told,
// the program's buttons.
#include "comune/annunci.h"
#include "comune/aspetto.h"
#include "comune/bottoni.h"
#include "comune/scala.h"
#include "comune/segni.h"
