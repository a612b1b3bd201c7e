// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/numbers.h"

namespace kuji6 {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Checks the shape [sign] digits [. digits] with at least one digit.
bool isPlainNumber(QStringView s) {
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        ++i;
    }
    int digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    return digits > 0 && i == s.size();
}

}  // namespace

double numberFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!isPlainNumber(trimmed)) {
        throw RuntimeFault(FaultKind::TypeMismatch, text);
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok) {
        throw RuntimeFault(FaultKind::Overflow, text);
    }
    return value;
}

double roundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which the program never changes from
    // the default round-to-nearest-even.
    return std::nearbyint(value);
}

}  // namespace kuji6
