// SPDX-License-Identifier: GPL-3.0-or-later

// A process for the crash tests to kill while it saves, with the program's own routines:
//
//   kuji6-save-driver update FOLDER FILE...  reads each update file in turn into the tables
//                                            and rewrites FOLDER's data files from it, round
//                                            and round until it is killed (once with one file)
//   kuji6-save-driver options FOLDER         saves FOLDER's option.ini with every rule box on
//
// It writes "saving" to its output before the first save.

#include <QCoreApplication>
#include <cstdio>

#include "common/programfolder.h"
#include "datafiles/drawdata.h"
#include "fakes.h"
#include "rules/rulerecord.h"
#include "update/updatefile.h"

using namespace kuji6;

namespace {

void announce() {
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
}

int update(const ProgramFolder& folder, const QStringList& files) {
    DrawData state;
    test::FakeProgress progress;
    announce();
    do {
        for (const QString& file : files) {
            progress.read = progress.write = 0;
            readUpdateFile(state, file, progress);
            writeDataFiles(state, folder, progress);
        }
    } while (files.size() > 1);
    return 0;
}

int options(const ProgramFolder& folder) {
    RuleSettings everything;
    everything.method = {true, true, true};
    everything.drawRatePercent = QStringLiteral("10");
    everything.drawRateDirection = QStringLiteral("以上");
    announce();
    saveOptionsFile(folder.optionsFile(), everything);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    try {
        if (arguments.size() >= 3 && arguments[0] == QStringLiteral("update")) {
            return update(ProgramFolder(arguments[1]), arguments.mid(2));
        }
        if (arguments.size() == 2 && arguments[0] == QStringLiteral("options")) {
            return options(ProgramFolder(arguments[1]));
        }
    } catch (const RuntimeFault& fault) {
        std::fprintf(stderr, "kuji6-save-driver: %s\n", fault.what());
        return 1;
    }
    std::fputs("usage: kuji6-save-driver update FOLDER FILE... | options FOLDER\n", stderr);
    return 2;
}
