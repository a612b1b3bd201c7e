// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-data: builds the data files of Kuji6ぽむりん from a draw history.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "commands.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const kuji6::tools::CommandResult result = kuji6::tools::runCommand(arguments);
    std::fputs(result.output.toLocal8Bit().constData(), result.exitCode == 0 ? stdout : stderr);
    return result.exitCode;
}
