#include "update/httpfetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "common/fault.h"

#ifndef KUJI6_DEFAULT_UPDATE_URL
#error "KUJI6_DEFAULT_UPDATE_URL must be defined by the build"
#endif

namespace kuji6 {

namespace {

[[noreturn]] void networkFailure(const QString& why) {
    throw RuntimeFault(FaultKind::NetworkFailure, why);
}

}  // namespace

QByteArray fetchUrl(const QUrl& url, const FetchLimits& limits) {
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(limits.timeout.count()));
    std::unique_ptr<QNetworkReply> reply(network.get(request));
    bool tooLarge = false;
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > limits.maxBytes || total > limits.maxBytes) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (tooLarge) {
        networkFailure(QStringLiteral("more than %1 bytes").arg(limits.maxBytes));
    }
    // An answer from the server, error pages included, has a status; anything else is a
    // failure to get one.
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        networkFailure(reply->errorString());
    }
    const QByteArray body = reply->readAll();
    if (body.size() > limits.maxBytes) {
        networkFailure(QStringLiteral("more than %1 bytes").arg(limits.maxBytes));
    }
    return body;
}

QUrl updateUrl() {
    const QByteArray mirror = qgetenv("KUJI6_UPDATE_URL");
    return QUrl(mirror.isEmpty() ? QStringLiteral(KUJI6_DEFAULT_UPDATE_URL)
                                 : QString::fromUtf8(mirror));
}

}  // namespace kuji6
