// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

namespace kuji6 {

// The time of day as the program uses it: the seconds of the current minute and today's
// date.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual int seconds() = 0;
    virtual QDate today() = 0;
};

class SystemClock final : public Clock {
  public:
    int seconds() override;
    QDate today() override;
};

}  // namespace kuji6
