// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "datafiles/drawhistory.h"
#include "ui/appservices.h"

namespace kuji6 {

// 履歴の取り込み: merges a CSV file of draws that the user picks into the history and makes the
// data files anew from it. True when the history and the data files changed.
bool importDrawFile(AppServices& services);

// The message when the program's own history cannot be read.
QString historyFailureText(const ProgramFolder& folder, const HistoryError& error);

}  // namespace kuji6
