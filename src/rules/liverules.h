// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstddef>

namespace kuji6 {

// The rule methods, in the order of their switches in the rule window and in the files.
enum class Method { SevenGroup, Chain, DrawRate };

// The options of the seven-group method, in the same order.
enum class SevenGroupOption { OnlyOneC, AtMostThree, TwoToFive, UnseenPairs };

// Which draw rates the draw-rate method prefers: its two directions as the rule window offers
// them and the files store them, and whatever else a file may hold.
enum class Direction { AtOrAbove, AtOrBelow, Unknown };
inline const QString kAtOrAbove = QStringLiteral("以上");
inline const QString kAtOrBelow = QStringLiteral("以下");
Direction directionOf(const QString& text);

// The rule settings as the rule window shows them at this moment: confirmed or not, these
// are the rules in force.
struct RuleSettings {
    std::array<bool, 3> method{};  // by Method: switched on
    QString drawRatePercent;
    QString drawRateDirection;
    std::array<bool, 4> sevenGroupOption{};  // by SevenGroupOption: ticked
    std::array<bool, 7> excludedGroup{};     // groups A..G left out

    bool uses(Method which) const { return method[static_cast<std::size_t>(which)]; }
    bool has(SevenGroupOption which) const {
        return sevenGroupOption[static_cast<std::size_t>(which)];
    }
    int excludedGroupCount() const;
};

// The live rule record as a run sees it. Asking for the settings loads them when they are
// absent.
class LiveRules {
  public:
    virtual ~LiveRules() = default;
    virtual RuleSettings current() = 0;
    virtual void show() = 0;    // the rule window shown, not modal; loaded first when needed
    virtual void unload() = 0;  // discarded with the window: unconfirmed edits are gone
};

}  // namespace kuji6
