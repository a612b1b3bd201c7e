#pragma once

#include <QByteArray>
#include <QUrl>
#include <chrono>

namespace kuji6 {

struct FetchLimits {
    std::chrono::milliseconds timeout{30000};
    qint64 maxBytes = 1024 * 1024;
};

// Fetches `url` over HTTP and returns the response body as it came, whatever the status:
// an error page is data like any other. No connection, a name that does not resolve, a
// transfer that takes longer than the time-out or a body above the size cap is a
// NetworkFailure. The caller's thread waits, and no user input reaches any window meanwhile.
QByteArray fetchUrl(const QUrl& url, const FetchLimits& limits = {});

// Where update files are fetched from: the build's default, or KUJI6_UPDATE_URL when set
// (for mirrors and tests).
QUrl updateUrl();

}  // namespace kuji6
