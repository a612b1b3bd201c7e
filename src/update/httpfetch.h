// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QUrl>
#include <chrono>

namespace kuji6 {

struct FetchLimits {
    std::chrono::milliseconds timeout{30000};  // for the whole fetch
    qint64 maxBytes = 1024 * 1024;
};

// Fetches `url` over HTTP and returns the whole response body, whatever the status: an
// error page is data like any other. Anything short of the server's whole answer is a
// NetworkFailure: no connection, a name that does not resolve, a body cut short or reset, a
// length other than the one announced, too many redirects or a redirect other than to http
// or https (never from https to http), a fetch not done within the time limit (redirects
// included) or a body above the size cap. The caller's thread waits, and no user input
// reaches any window meanwhile.
QByteArray fetchUrl(const QUrl& url, const FetchLimits& limits = {});

// Where update files are fetched from: the build's default, or KUJI6_UPDATE_URL when set
// (for mirrors and tests). The program asks once, at its start.
QUrl updateUrl();

}  // namespace kuji6
