// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

namespace kuji6 {

// The rule settings as the rule settings window shows them at this moment: confirmed or
// not, these are the rules in force.
struct RuleSettings {
    std::array<bool, 3> method{};  // seven-group, chain, draw-rate method switched on
    QString drawRatePercent;
    QString drawRateDirection;
    std::array<bool, 4> sevenGroupOption{};
    std::array<bool, 7> excludedGroup{};  // groups A..G left out

    int excludedGroupCount() const;
};

// The rule settings window as a run sees it. Asking for the settings creates the window,
// hidden, when it does not exist.
class LiveRules {
  public:
    virtual ~LiveRules() = default;
    virtual RuleSettings current() = 0;
    virtual void show() = 0;    // shown, not modal; created first when needed
    virtual void unload() = 0;  // destroyed; unconfirmed edits are gone
};

}  // namespace kuji6
