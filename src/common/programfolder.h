// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kuji6 {

// The folder that holds the program's data folder and its options file, and the paths of
// every file the program keeps there.
class ProgramFolder {
  public:
    explicit ProgramFolder(QString path);

    const QString& path() const { return path_; }
    QString dataFolder() const;
    QString demeFile() const;     // per-number draw rates and groups
    QString rensaFile() const;    // the latest draw and the chain table
    QString rensFile() const;     // the ten numbers of the chain list
    QString updateFile() const;   // where a downloaded update file is kept
    QString historyFile() const;  // the past draws the two data files are computed from
    QString optionsFile() const;  // the stored rule settings

  private:
    QString path_;
};

// Finds the program folder. A program run from a folder of its own that holds `data` and
// can be written to (a build tree, a portable copy) uses that folder. Otherwise it uses
// `userFolder`, where any file missing from its data folder is copied from the executable's
// own `data` when there is one (a read-only portable copy), else from `defaultData`, the
// data installed with the program; files already there are never replaced.
ProgramFolder locateProgramFolder(const QString& executableFolder, const QString& defaultData,
                                  const QString& userFolder);

// What the program does first at every start: the saves a crash interrupted in the program
// folder and its data folder are finished or undone (see recoverFolder).
void recoverInterruptedSaves(const ProgramFolder& folder);

}  // namespace kuji6
