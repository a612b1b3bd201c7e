// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace kuji6::test {

// Runs `program` to its end (five minutes at most) and returns what it printed on both
// channels; `exitCode`, when given, receives its exit code.
QString runProcess(const QString& program, const QStringList& arguments, int* exitCode = nullptr);

// Starts kuji6 without a screen, as a user whose home is `home`, and waits until its start-up
// has written the chain list into the user's data folder.
bool startsAndSeeds(const QString& kuji6, const QString& home);

// Whether `name` is a program on the PATH.
bool isInstalled(const QString& name);

}  // namespace kuji6::test
