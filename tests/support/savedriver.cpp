// SPDX-License-Identifier: GPL-3.0-or-later

// A process for the crash tests to kill while it saves, with the program's own routines:
//
//   kuji6-save-driver update FOLDER FILE...  reads each update file in turn into the tables
//                                            and rewrites FOLDER's data files from it, round
//                                            and round until it is killed (once with one file)
//   kuji6-save-driver options FOLDER         saves FOLDER's option.ini with every rule box on
//   kuji6-save-driver add-draw FOLDER        adds the draw after the last to FOLDER's history
//                                            and makes its data files anew
//
// It writes "saving" to its output before the first save.

#include <QCoreApplication>
#include <cstdio>

#include "common/programfolder.h"
#include "datafiles/drawdata.h"
#include "datafiles/historyedit.h"
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

int addDraw(const ProgramFolder& folder) {
    std::vector<Draw> history = readDrawHistory(folder.historyFile());
    const DrawEntry next{QString::number(history.back().number + 1),
                         history.back().date,
                         {QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("17"),
                          QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("43")},
                         QStringLiteral("5")};
    history.push_back(checkNewDraw(history, next));
    announce();
    replaceHistory(folder, history);
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
        if (arguments.size() == 2 && arguments[0] == QStringLiteral("add-draw")) {
            return addDraw(ProgramFolder(arguments[1]));
        }
    } catch (const std::runtime_error& fault) {
        std::fprintf(stderr, "kuji6-save-driver: %s\n", fault.what());
        return 1;
    }
    std::fputs(
        "usage: kuji6-save-driver update FOLDER FILE... | options FOLDER | add-draw FOLDER\n",
        stderr);
    return 2;
}
