// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/fault.h"

#include <QDir>
#include <cerrno>
#include <cstring>

namespace kuji6 {

namespace {

const char* englishName(FaultKind kind) {
    switch (kind) {
        case FaultKind::Overflow:
            return "overflow";
        case FaultKind::IndexOutOfRange:
            return "index out of range";
        case FaultKind::TypeMismatch:
            return "type mismatch";
        case FaultKind::FileNotFound:
            return "file not found";
        case FaultKind::FileUnreadable:
            return "file unreadable";
        case FaultKind::PastEndOfFile:
            return "input past end of file";
        case FaultKind::FileUnwritable:
            return "file unwritable";
        case FaultKind::WrongHeader:
            return "wrong header word";
        case FaultKind::NetworkFailure:
            return "network failure";
    }
    return "runtime fault";
}

// What the user is told for the system's errors that a save or a read meets in practice;
// empty for the others, which keep their kind's text.
QString systemReason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("ディスクの空き容量が足りません");
        case EACCES:
        case EPERM:
            return QStringLiteral("アクセスする権限がありません");
        case EROFS:
            return QStringLiteral("読み取り専用のディスクです");
        case EIO:
            return QStringLiteral("ディスクの読み書きでエラーが起きました");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("フォルダーが見つかりません");
        case ELOOP:
            return QStringLiteral("シンボリックリンクが循環しています");
        case ENAMETOOLONG:
            return QStringLiteral("ファイル名が長すぎます");
        case EISDIR:
            return QStringLiteral("同じ名前のフォルダーがあります");
        default:
            return {};
    }
}

}  // namespace

RuntimeFault::RuntimeFault(FaultKind kind, const QString& detail, const QString& file,
                           const QString& reason)
    : std::runtime_error(std::string(englishName(kind)) + (detail.isEmpty() ? "" : ": ") +
                         detail.toStdString()),
      kind_(kind),
      detail_(detail),
      file_(file),
      reason_(reason) {}

RuntimeFault RuntimeFault::fromSystemError(FaultKind kind, int error, const QString& file) {
    const QString detail = QString::fromLocal8Bit(std::strerror(error));
    QString reason = systemReason(error);
    if (reason.isEmpty()) {
        reason = RuntimeFault(kind).reason() + QStringLiteral("（%1）").arg(detail);
    }
    return RuntimeFault(kind, detail, file, reason);
}

QString RuntimeFault::reason() const {
    if (!reason_.isEmpty()) {
        return reason_;
    }
    switch (kind_) {
        case FaultKind::Overflow:
            return QStringLiteral("値が範囲を超えています");
        case FaultKind::IndexOutOfRange:
            return QStringLiteral("データの位置が範囲外です");
        case FaultKind::TypeMismatch:
            return QStringLiteral("数値ではない値があります");
        case FaultKind::FileNotFound:
            return QStringLiteral("ファイルが見つかりません");
        case FaultKind::FileUnreadable:
            return QStringLiteral("ファイルを読み込めません");
        case FaultKind::PastEndOfFile:
            return QStringLiteral("データが途中で終わっています");
        case FaultKind::FileUnwritable:
            return QStringLiteral("ファイルに書き込めません");
        case FaultKind::WrongHeader:
            return QStringLiteral("このプログラムのファイルではありません");
        case FaultKind::NetworkFailure:
            return QStringLiteral("通信できませんでした");
    }
    return {};
}

QString fileFaultMessage(const QString& headline, const RuntimeFault& fault) {
    return QStringLiteral("%1\n\nファイル: %2\n理由: %3")
        .arg(headline, QDir::toNativeSeparators(fault.file()), fault.reason());
}

}  // namespace kuji6
