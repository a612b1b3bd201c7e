#pragma once

#include <QPointer>

#include "rules/liverules.h"
#include "ui/grouplistwindow.h"

namespace kuji6 {

// Owns the secondary windows. Each is one instance, created on first use, shown or left
// hidden, and destroyed by unload; the next use creates it afresh from its initial state.
// As the run's view of the rule settings window it is also the live rule record.
class WindowRegistry final : public LiveRules {
public:
    WindowRegistry() = default;
    ~WindowRegistry() override;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void showGroupList();
    GroupListWindow* groupList() const { return groupList_; }

    // The rule settings window is not built yet: no rule is switched on and no group is
    // excluded, and there is no window to show or unload.
    RuleSettings current() override { return {}; }
    void show() override {}
    void unload() override {}

    // What closing the main window does: no secondary window survives it.
    void unloadAll();

private:
    QPointer<GroupListWindow> groupList_;
};

}  // namespace kuji6
