// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>

#include "rules/liverules.h"
#include "ui/appservices.h"
#include "ui/grouplistwindow.h"
#include "ui/progresswindow.h"
#include "ui/rulewindow.h"
#include "ui/updatewindow.h"

namespace kuji6 {

// Owns the secondary windows. Each is one instance, created on first use, shown or left
// hidden, and destroyed by unload; the next use creates it afresh from its initial state.
// As the run's view of the rule settings window it is also the live rule record.
class WindowRegistry final : public LiveRules {
  public:
    explicit WindowRegistry(AppServices& services);
    ~WindowRegistry() override;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The window the others open beside or over.
    void setMainWindow(QWidget* main) { main_ = main; }

    void showGroupList();
    GroupListWindow* groupList() const { return groupList_; }

    // The rule settings window, created hidden (which reads option.ini) when absent.
    RuleWindow& ruleWindow();
    RuleWindow* existingRuleWindow() const { return ruleWindow_; }
    void showRuleWindow();
    void unloadRuleWindow();

    // The data update: its window, and the progress window that lives for one update.
    void showUpdateWindow();
    UpdateWindow* existingUpdateWindow() const { return updateWindow_; }
    void unloadUpdateWindow();
    ProgressWindow& openProgressWindow();  // always afresh
    ProgressWindow* existingProgressWindow() const { return progressWindow_; }
    void unloadProgressWindow();

    RuleSettings current() override { return ruleWindow().settings(); }
    void show() override { showRuleWindow(); }
    void unload() override { unloadRuleWindow(); }

    // What closing the main window does: no secondary window survives it.
    void unloadAll();

  private:
    AppServices& services_;
    QPointer<QWidget> main_;
    QPointer<GroupListWindow> groupList_;
    QPointer<RuleWindow> ruleWindow_;
    QPointer<UpdateWindow> updateWindow_;
    QPointer<ProgressWindow> progressWindow_;
};

}  // namespace kuji6
