// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/clock.h"

#include <QDateTime>
#include <QTime>

namespace kuji6 {

int SystemClock::seconds() {
    return QTime::currentTime().second();
}
QDate SystemClock::today() {
    return QDate::currentDate();
}

}  // namespace kuji6
