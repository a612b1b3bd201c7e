// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace kuji6::tools {

struct CommandResult {
    int exitCode = 0;
    QString output;  // for stdout on success, stderr on failure
};

// Runs one kuji6-data command line (without the program name).
CommandResult runCommand(const QStringList& arguments);

}  // namespace kuji6::tools
