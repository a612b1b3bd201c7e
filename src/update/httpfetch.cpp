// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/httpfetch.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

#include "common/fault.h"

#ifndef KUJI6_DEFAULT_UPDATE_URL
#error "KUJI6_DEFAULT_UPDATE_URL must be defined by the build"
#endif

namespace kuji6 {

namespace {

// More redirects than any mirror needs end the fetch: a loop never ends otherwise.
constexpr int kMaxRedirects = 10;
// What the network may read ahead of the fetch.
constexpr qint64 kReadAhead = 64 * 1024;

[[noreturn]] void networkFailure(const QString& why) {
    throw RuntimeFault(FaultKind::NetworkFailure, why);
}

// Only to the web, and never from a secure address to an insecure one.
bool allowedRedirect(const QUrl& from, const QUrl& to) {
    const QString scheme = to.scheme().toLower();
    if (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) {
        return false;
    }
    return !(from.scheme().toLower() == QStringLiteral("https") &&
             scheme == QStringLiteral("http"));
}

// Whether the reply is a whole answer of the server: none of the network's errors, only those
// that merely name the status of an error page, which is data like any other.
bool isWholeAnswer(const QNetworkReply& reply) {
    switch (reply.error()) {
        case QNetworkReply::NoError:
        case QNetworkReply::ContentAccessDenied:
        case QNetworkReply::ContentOperationNotPermittedError:
        case QNetworkReply::ContentNotFoundError:
        case QNetworkReply::AuthenticationRequiredError:
        case QNetworkReply::ContentConflictError:
        case QNetworkReply::ContentGoneError:
        case QNetworkReply::UnknownContentError:
        case QNetworkReply::ProtocolInvalidOperationError:
        case QNetworkReply::InternalServerError:
        case QNetworkReply::OperationNotImplementedError:
        case QNetworkReply::ServiceUnavailableError:
        case QNetworkReply::UnknownServerError:
            // A final status; a reply that ends without one is no answer.
            return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 200;
        default:
            return false;
    }
}

// What one request of a fetch brought.
struct Answer {
    std::unique_ptr<QNetworkReply> reply;
    QByteArray body;
    QString failure;  // why the request was given up, if it was
};

// One request of a fetch, waited for until `deadline`.
Answer request(QNetworkAccessManager& network, const QUrl& url, const FetchLimits& limits,
               const QDeadlineTimer& deadline) {
    QNetworkRequest request(url);
    // Redirects are followed by the fetch itself, each one looked at first.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    // The body as it is sent, so that its length can be checked against the announced one.
    request.setRawHeader("Accept-Encoding", "identity");
    Answer answer{std::unique_ptr<QNetworkReply>(network.get(request)), {}, {}};
    QNetworkReply& reply = *answer.reply;
    // The body is taken as it comes, and little more is read off the network meanwhile: a
    // server that sends without end must not keep the network busy after the fetch gave up.
    reply.setReadBufferSize(kReadAhead);
    const auto fail = [&](const QString& why) {
        if (answer.failure.isEmpty()) {
            answer.failure = why;
        }
        reply.abort();
    };
    const auto take = [&] {
        answer.body += reply.readAll();
        if (answer.body.size() > limits.maxBytes) {
            fail(QStringLiteral("more than %1 bytes").arg(limits.maxBytes));
        }
    };
    QEventLoop loop;
    QObject::connect(&reply, &QNetworkReply::readyRead, &loop, take);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        fail(QStringLiteral("no whole answer within %1 ms").arg(limits.timeout.count()));
    });
    QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply.isFinished()) {
        timer.start(static_cast<int>(deadline.remainingTime()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (answer.failure.isEmpty()) {
        take();
    }
    return answer;
}

// The body of an answer that is the server's last.
QByteArray wholeBody(const Answer& answer) {
    if (!isWholeAnswer(*answer.reply)) {
        networkFailure(answer.reply->errorString());
    }
    const QVariant announced = answer.reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != answer.body.size()) {
        networkFailure(
            QStringLiteral("%1 of %2 bytes").arg(answer.body.size()).arg(announced.toLongLong()));
    }
    return answer.body;
}

}  // namespace

QByteArray fetchUrl(const QUrl& url, const FetchLimits& limits) {
    QNetworkAccessManager network;
    // One limit for the whole fetch, redirects included, however slowly the data comes.
    const QDeadlineTimer deadline(limits.timeout);
    QUrl current = url;
    for (int redirects = 0;; ++redirects) {
        const Answer answer = request(network, current, limits, deadline);
        if (!answer.failure.isEmpty()) {
            networkFailure(answer.failure);
        }
        const QUrl target =
            answer.reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (target.isEmpty()) {
            return wholeBody(answer);
        }
        const QUrl next = current.resolved(target);
        if (redirects == kMaxRedirects) {
            networkFailure(QStringLiteral("more than %1 redirects").arg(kMaxRedirects));
        }
        if (!allowedRedirect(current, next)) {
            networkFailure(QStringLiteral("redirect to %1 refused").arg(next.toString()));
        }
        current = next;
    }
}

QUrl updateUrl() {
    const QByteArray mirror = qgetenv("KUJI6_UPDATE_URL");
    return QUrl(mirror.isEmpty() ? QStringLiteral(KUJI6_DEFAULT_UPDATE_URL)
                                 : QString::fromUtf8(mirror));
}

}  // namespace kuji6
