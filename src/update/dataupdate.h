// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

#include "common/programfolder.h"
#include "common/prompter.h"
#include "datafiles/drawdata.h"
#include "update/httpfetch.h"
#include "update/updateprogress.h"

namespace kuji6 {

// What a data update works with.
struct DataUpdateContext {
    Prompter& prompter;
    UpdateProgress& progress;  // shown for the whole update
    const ProgramFolder& folder;
    DrawData& data;
    QUrl updateUrl;  // where an update from the network is fetched
    // Told the file a download was kept in, which is read from then on.
    std::function<void(const QString& path)> showDownloadedFile = [](const QString&) {};
    // Fetches a URL whole; a NetworkFailure when it cannot.
    std::function<QByteArray(const QUrl& url)> fetch = [](const QUrl& url) {
        return fetchUrl(url);
    };
};

enum class UpdateSource { Network, File };

// 更新 of the update window: from the network the update file is fetched and kept as
// data/update.txt, from a file `path` is read. The user is asked before anything is
// replaced; then the update file is read whole into the draw data and the data files are
// rewritten from it. Every failure is told to the user, the data files then stay as they
// were. True when the update is over: done, or declined at the question; false when the
// user may try again.
bool runDataUpdate(DataUpdateContext& context, UpdateSource source, const QString& path);

}  // namespace kuji6
