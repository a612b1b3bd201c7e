// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "common/prompter.h"
#include "rules/liverules.h"
#include "rules/rulerecord.h"

namespace kuji6 {

// The live rule record: the rule settings in force, from option.ini to the rule window's
// unconfirmed edits. It is absent until something asks for it; loading it starts from the
// rule window's initial values and reads option.ini over them. Edits count at once, confirmed
// or not. 設定 saves it to option.ini and unloads it; unloading discards it, and with it the
// window that shows it. The window is only a view of it: a run, the prediction files and the
// window all read this record.
class LiveRuleRecord final : public QObject, public LiveRules {
    Q_OBJECT
  public:
    // `ruleBuffer` receives option.ini's fields as they are read.
    LiveRuleRecord(Prompter& prompter, QString optionsPath, RuleRecord& ruleBuffer);

    bool isLoaded() const { return settings_.has_value(); }

    // Loads the record when it is absent. A missing option.ini leaves the initial values; an
    // unreadable one says so and leaves them too.
    void load();

    // The settings, loaded first when absent.
    const RuleSettings& settings();

    // Edits, as the rule window makes them. Switching any method while the draw-rate method
    // is on sets the direction back to 以上.
    void switchMethod(Method method, bool on);
    void setSevenGroupOption(SevenGroupOption option, bool ticked);
    void setExcludedGroup(int group, bool excluded);  // group 0..6 (A..G)
    void setDrawRatePercent(const QString& text);
    void setDrawRateDirection(const QString& text);

    // 設定: the options of a method switched off are cleared, a percentage above 100 is
    // warned about, and option.ini is replaced; then the record is unloaded. A percentage that
    // is not a number or a failed save is reported and the record stays. True when saved.
    bool confirm();

    // LiveRules
    RuleSettings current() override { return settings(); }
    void show() override;
    void unload() override;

  signals:
    void changed();        // loaded or edited: the values are new
    void showRequested();  // the rule window is wanted on the screen
    void unloaded();       // discarded: so is the window

  private:
    RuleSettings& loaded();
    void apply(const RuleRecord& record);
    void clearSwitchedOff();
    template <class T>
    void edit(T& value, const T& edited);

    Prompter& prompter_;
    QString optionsPath_;
    RuleRecord& ruleBuffer_;
    std::optional<RuleSettings> settings_;
};

}  // namespace kuji6
