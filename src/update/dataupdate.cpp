// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/dataupdate.h"

#include <QDir>

#include "common/safefile.h"
#include "update/updatefile.h"

namespace kuji6 {

namespace {

const QString kTitle = QStringLiteral("kuji6ぽむりんUpdate");
const QString kNotAnUpdateFile = QStringLiteral(
    "このファイルはkuji6ぽむりんUpdateファイルではないか、又はデータが壊れています。");

// Fetches the update file and keeps it as data/update.txt; false when the user is not
// connected or the fetch or the save fails.
bool download(DataUpdateContext& update) {
    const MessageAnswer connected = update.prompter.message(
        MessageIcon::Information, QStringLiteral("AutoUpDate"),
        QStringLiteral("インターネットに接続していますか？"), MessageButtons::YesNo);
    if (connected != MessageAnswer::Yes) {
        return false;
    }
    update.progress.setCaption(QStringLiteral("通信中・・・・・"), false);
    QByteArray body;
    try {
        body = update.fetch(update.updateUrl);
    } catch (const RuntimeFault&) {
        update.prompter.warn(kTitle,
                             QStringLiteral("ネットワークエラーです。接続の確認をしてください。"));
        return false;
    }
    try {
        // Replaced whole, so that no tail of an older, longer download can survive.
        saveBytes(body, update.folder.updateFile());
    } catch (const RuntimeFault& fault) {
        update.prompter.warn(
            kTitle,
            fileFaultMessage(QStringLiteral("更新ファイルを保存できませんでした。"), fault));
        return false;
    }
    return true;
}

bool confirmed(DataUpdateContext& update, const UpdateHeader& header) {
    return update.prompter.message(
               MessageIcon::Warning, kTitle,
               QString::number(header.kai) +
                   QStringLiteral("回までのデータを更新します。以前のデータは上書きされますが、よ"
                                  "ろしいですか？"),
               MessageButtons::OkCancel) == MessageAnswer::Ok;
}

bool readWhole(DataUpdateContext& update, const QString& path) {
    try {
        readUpdateFile(update.data, path, update.progress);
    } catch (const RuntimeFault&) {
        update.prompter.warn(kTitle, kNotAnUpdateFile);
    }
    return update.data.readCount >= kCompleteRead;
}

bool rewriteDataFiles(DataUpdateContext& update) {
    try {
        writeDataFiles(update.data, update.folder, update.progress);
    } catch (const RuntimeFault& fault) {
        // Not the update file's fault: the user is told which data file could not be written,
        // and why.
        update.prompter.warn(
            kTitle,
            fileFaultMessage(QStringLiteral("データファイルを書き込めませんでした。"), fault));
        return false;
    }
    return true;
}

void reportUnreadable(Prompter& prompter, const RuntimeFault* fault) {
    if (fault && fault->kind() == FaultKind::FileNotFound) {
        prompter.inform(kTitle, QStringLiteral("ファイルが見つかりません。"));
    } else {
        prompter.warn(kTitle, kNotAnUpdateFile);
    }
}

// The update from the update file at `path`, once it is there.
bool updateFrom(DataUpdateContext& update, const QString& path) {
    update.progress.setCaption(QStringLiteral("データ取得中"), true);
    try {
        const UpdateHeader header = readUpdateHeader(path);
        if (header.magicWord != kUpdateMagicWord) {
            reportUnreadable(update.prompter, nullptr);
            return false;
        }
        if (!confirmed(update, header)) {
            return true;
        }
        if (!readWhole(update, path) || !rewriteDataFiles(update)) {
            return false;
        }
    } catch (const RuntimeFault& fault) {
        reportUnreadable(update.prompter, &fault);
        return false;
    }
    update.progress.setCaption(QStringLiteral("終了しました"), false);
    update.prompter.inform(kTitle, QStringLiteral("データが更新されました"));
    return true;
}

}  // namespace

bool runDataUpdate(DataUpdateContext& context, UpdateSource source, const QString& path) {
    if (source == UpdateSource::File) {
        return updateFrom(context, path);
    }
    if (!download(context)) {
        return false;
    }
    const QString downloaded = QDir::toNativeSeparators(context.folder.updateFile());
    context.showDownloadedFile(downloaded);
    return updateFrom(context, downloaded);
}

}  // namespace kuji6
