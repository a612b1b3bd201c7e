// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/drawimport.h"

#include <QDir>
#include <QFileInfo>

#include "common/systemfile.h"
#include "datafiles/historyedit.h"

namespace kuji6 {

namespace {

// A downloaded history of every draw so far is a few hundred kilobytes.
constexpr qint64 kLargestImport = 16 * 1024 * 1024;

const QString kImportFilter = QStringLiteral("当選番号の履歴(*.csv *.txt);;すべてのファイル(*)");

QString refusalText(const QString& path, const QString& reason) {
    return QStringLiteral("%1 は取り込めません。履歴とデータファイルは元のままです。\n\n%2")
        .arg(QFileInfo(path).fileName(), reason);
}

QString addedText(const MergedHistory& merged) {
    if (merged.firstAdded == merged.lastAdded) {
        return QStringLiteral("第%1回の当選番号を取り込みました（1回分）。").arg(merged.firstAdded);
    }
    return QStringLiteral("第%1回から第%2回までの当選番号を取り込みました（%3回分）。")
        .arg(merged.firstAdded)
        .arg(merged.lastAdded)
        .arg(merged.added);
}

}  // namespace

QString historyFailureText(const ProgramFolder& folder, const HistoryError& error) {
    return QStringLiteral("当選番号の履歴を読み込めませんでした。\n\nファイル: %1\n理由: %2")
        .arg(QDir::toNativeSeparators(folder.historyFile()), QString::fromStdString(error.what()));
}

bool importDrawFile(AppServices& services) {
    Prompter& prompter = services.prompter;
    const std::optional<QString> path = prompter.openFileName(kImportFilter);
    if (!path) {
        return false;
    }
    std::vector<Draw> history;
    try {
        history = readDrawHistory(services.folder.historyFile());
    } catch (const HistoryError& error) {
        prompter.warn(kAttentionTitle, historyFailureText(services.folder, error));
        return false;
    }
    try {
        const MergedHistory merged = mergeDrawFile(history, readRegularFile(*path, kLargestImport));
        if (merged.added == 0) {
            prompter.inform(
                kProgramTitle,
                QStringLiteral("%1 の回はすべて履歴にあります。取り込む回はありませんでした。")
                    .arg(QFileInfo(*path).fileName()));
            return false;
        }
        replaceHistory(services.folder, merged.draws);
        prompter.inform(kProgramTitle, addedText(merged));
        return true;
    } catch (const DrawRefusal& refusal) {
        prompter.warn(kAttentionTitle, refusalText(*path, refusal.text()));
    } catch (const HistoryError& error) {
        prompter.warn(kAttentionTitle, refusalText(*path, QString::fromStdString(error.what())));
    } catch (const RuntimeFault& fault) {
        const QString headline =
            fault.kind() == FaultKind::FileUnwritable
                ? QStringLiteral("履歴とデータファイルを書き換えられませんでした。元のままです。")
                : QStringLiteral("取り込むファイルを読み込めませんでした。");
        prompter.warn(kAttentionTitle, fileFaultMessage(headline, fault));
    }
    return false;
}

}  // namespace kuji6
