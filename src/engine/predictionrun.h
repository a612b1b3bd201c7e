// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "common/clock.h"
#include "common/course.h"
#include "engine/runcontext.h"

namespace kuji6 {

// The texts of the main window's inputs that a run reads, and the chosen course.
struct RunInputs {
    QString randomLimit;       // CmbRimit
    QString favourite;         // Cmbno
    QString combinations;      // CmbABC
    QString units;             // Cmbkutisuu: units per combination
    QString consecutiveDraws;  // Cmbkeizoku
    Course course = Course::Luck;
};

// What GO does: checks the inputs, prepares the pages and the busy display, runs the chosen
// course and reports the draws used and the price. Any runtime fault anywhere in the run
// (RuntimeFault) ends it with one message and empty result lines.
void startRun(RunContext& run, Clock& clock, const RunInputs& inputs);

// The price in yen of what the inputs buy: 200 yen a line, and for the steady course 1400
// yen a unit (its seven lines).
double purchasePrice(const RunInputs& inputs);

// The price as the run shows it: plain decimal digits.
QString formatPrice(double yen);

}  // namespace kuji6
