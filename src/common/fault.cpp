#include "common/fault.h"

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

}  // namespace

RuntimeFault::RuntimeFault(FaultKind kind, const QString& detail, const QString& file)
    : std::runtime_error(std::string(englishName(kind)) + (detail.isEmpty() ? "" : ": ") +
                         detail.toStdString()),
      kind_(kind),
      detail_(detail),
      file_(file) {}

QString RuntimeFault::reason() const {
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

}  // namespace kuji6
