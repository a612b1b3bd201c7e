// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"

#include <QDir>
#include <QHash>
#include <optional>
#include <stdexcept>

#include "common/programfolder.h"
#include "common/safefile.h"
#include "common/systemfile.h"
#include "common/version.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "datafiles/historyedit.h"
#include "datafiles/statistics.h"
#include "datafiles/updatefileformat.h"

namespace kuji6::tools {

namespace {

// A command line or an output that the command cannot take, reported as it stands.
class ToolError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

const QString kUsage = QStringLiteral(
    "usage: kuji6-data make-data --history FILE --out DIR [--window N]\n"
    "       kuji6-data make-update --history FILE --out FILE [--window N] [--note TEXT]\n"
    "       kuji6-data add-draw --folder DIR --date YYYY-MM-DD --numbers N,N,N,N,N,N\n"
    "                           --bonus N [--draw N]\n"
    "       kuji6-data import --folder DIR --file FILE\n"
    "       kuji6-data --help | --version\n"
    "\n"
    "make-data    compute data/deme.ini and data/rensa.ini from a draw history\n"
    "             (CSV: draw,date,n1,n2,n3,n4,n5,n6,bonus) and write them into DIR.\n"
    "make-update  write an update file with the same statistics, for the program's\n"
    "             data update; the note defaults to the date of the last draw.\n"
    "add-draw     add the next draw to the history of the program folder DIR\n"
    "             (DIR/data/history/draws-6of43.csv) and make DIR/data/deme.ini and\n"
    "             DIR/data/rensa.ini anew from the whole history; --draw defaults to\n"
    "             the one after the history's last.\n"
    "import       merge the draws of a CSV file (same columns; a header, blank lines,\n"
    "             tabs and YYYY/MM/DD dates allowed) into that history, the same way.\n"
    "\n"
    "--window N   take only the last N draws.\n"
    "--note TEXT  the note in the header of an update file.\n"
    "--help       show this usage and exit.\n"
    "--version    show the version and exit.\n");

// Options of the form --name value.
QHash<QString, QString> parseOptions(const QStringList& arguments) {
    QHash<QString, QString> options;
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        if (!name.startsWith(QStringLiteral("--")) || i + 1 >= arguments.size()) {
            throw ToolError(QStringLiteral("unexpected argument '%1'").arg(name).toStdString());
        }
        options.insert(name.mid(2), arguments[i + 1]);
    }
    return options;
}

QString required(const QHash<QString, QString>& options, const QString& name) {
    if (!options.contains(name)) {
        throw ToolError(QStringLiteral("--%1 is required").arg(name).toStdString());
    }
    return options.value(name);
}

std::optional<int> windowOption(const QHash<QString, QString>& options) {
    if (!options.contains(QStringLiteral("window"))) {
        return std::nullopt;
    }
    bool ok = false;
    const int window = options.value(QStringLiteral("window")).toInt(&ok);
    if (!ok) {
        throw ToolError("--window needs a whole number");
    }
    return window;
}

// Writes DIR/deme.ini and DIR/rensa.ini, as a pair.
void writeDataFolder(const DataTables& tables, const QString& folder) {
    if (!QDir().mkpath(folder)) {
        throw ToolError(QStringLiteral("cannot create folder %1").arg(folder).toStdString());
    }
    const QDir dir(folder);
    const QByteArray deme = demeFileBytes(tables.kai, tables.drawRate, tables.numGroup);
    const QByteArray rensa = rensaFileBytes(tables.lastKai, tables.lastNumbers, tables.chain);
    try {
        saveFilesTogether({{dir.filePath(QStringLiteral("deme.ini")), deme},
                           {dir.filePath(QStringLiteral("rensa.ini")), rensa}});
    } catch (const RuntimeFault& fault) {
        throw ToolError(
            QStringLiteral("cannot write %1: %2").arg(fault.file(), fault.detail()).toStdString());
    }
}

CommandResult makeData(const QHash<QString, QString>& options) {
    const auto history = readDrawHistory(required(options, QStringLiteral("history")));
    const QString out = required(options, QStringLiteral("out"));
    const DataTables tables = computeStatistics(history, windowOption(options));
    writeDataFolder(tables, out);
    return {0, QStringLiteral("wrote deme.ini and rensa.ini for draw %1 to %2\n")
                   .arg(tables.kai)
                   .arg(out)};
}

CommandResult makeUpdate(const QHash<QString, QString>& options) {
    const auto history = readDrawHistory(required(options, QStringLiteral("history")));
    const QString out = required(options, QStringLiteral("out"));
    const DataTables tables = computeStatistics(history, windowOption(options));
    const QString note = options.value(QStringLiteral("note"), tables.lastDate);
    try {
        saveBytes(updateFileBytes(tables, note), out);
    } catch (const RuntimeFault& fault) {
        throw ToolError(
            QStringLiteral("cannot write %1: %2").arg(out, fault.detail()).toStdString());
    }
    return {0, QStringLiteral("wrote an update file for draw %1 to %2\n").arg(tables.kai).arg(out)};
}

// The history of a program folder, made into `draws` together with the data files.
void replaceFolderHistory(const ProgramFolder& folder, const std::vector<Draw>& draws) {
    try {
        replaceHistory(folder, draws);
    } catch (const RuntimeFault& fault) {
        throw ToolError(
            QStringLiteral("cannot write %1: %2").arg(fault.file(), fault.detail()).toStdString());
    }
}

CommandResult addDraw(const QHash<QString, QString>& options) {
    const ProgramFolder folder(required(options, QStringLiteral("folder")));
    std::vector<Draw> history = readDrawHistory(folder.historyFile());
    const QStringList numbers = required(options, QStringLiteral("numbers")).split(u',');
    if (numbers.size() != 6) {
        throw ToolError("--numbers needs six numbers separated by commas");
    }
    DrawEntry entry{
        options.value(QStringLiteral("draw"), QString::number(history.back().number + 1)),
        required(options, QStringLiteral("date")),
        {},
        required(options, QStringLiteral("bonus"))};
    std::copy(numbers.begin(), numbers.end(), entry.main.begin());
    history.push_back(checkNewDraw(history, entry));
    replaceFolderHistory(folder, history);
    return {0, QStringLiteral("added draw %1 and wrote deme.ini and rensa.ini for it to %2\n")
                   .arg(history.back().number)
                   .arg(folder.dataFolder())};
}

CommandResult importDraws(const QHash<QString, QString>& options) {
    const ProgramFolder folder(required(options, QStringLiteral("folder")));
    const std::vector<Draw> history = readDrawHistory(folder.historyFile());
    const QString file = required(options, QStringLiteral("file"));
    QByteArray csv;
    try {
        csv = readRegularFile(file, 16 * 1024 * 1024);
    } catch (const RuntimeFault& fault) {
        throw ToolError(
            QStringLiteral("cannot read %1: %2").arg(file, fault.detail()).toStdString());
    }
    MergedHistory merged;
    try {
        merged = mergeDrawFile(history, csv);
    } catch (const DrawRefusal& refusal) {
        throw ToolError(QStringLiteral("%1: %2")
                            .arg(file, QString::fromStdString(refusal.what()))
                            .toStdString());
    }
    if (merged.added == 0) {
        return {0, QStringLiteral("every draw of %1 is in the history already\n").arg(file)};
    }
    replaceFolderHistory(folder, merged.draws);
    return {0, QStringLiteral("added %1 draws (%2 to %3) and wrote deme.ini and rensa.ini to %4\n")
                   .arg(merged.added)
                   .arg(merged.firstAdded)
                   .arg(merged.lastAdded)
                   .arg(folder.dataFolder())};
}

CommandResult failure(const std::exception& error) {
    return {1, QStringLiteral("kuji6-data: %1\n").arg(QString::fromStdString(error.what()))};
}

}  // namespace

CommandResult runCommand(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help")) {
        return {arguments.isEmpty() ? 2 : 0, kUsage};
    }
    if (arguments[0] == QStringLiteral("--version")) {
        return {0, QStringLiteral("kuji6-data " KUJI6_VERSION "\n")};
    }
    try {
        const QHash<QString, QString> options = parseOptions(arguments);
        if (arguments[0] == QStringLiteral("make-data")) {
            return makeData(options);
        }
        if (arguments[0] == QStringLiteral("make-update")) {
            return makeUpdate(options);
        }
        if (arguments[0] == QStringLiteral("add-draw")) {
            return addDraw(options);
        }
        if (arguments[0] == QStringLiteral("import")) {
            return importDraws(options);
        }
        throw ToolError(QStringLiteral("unknown command '%1'").arg(arguments[0]).toStdString());
    } catch (const ToolError& error) {
        return failure(error);
    } catch (const HistoryError& error) {
        return failure(error);
    }
}

}  // namespace kuji6::tools
