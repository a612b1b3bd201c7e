// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include "rules/liverulerecord.h"
#include "ui/appservices.h"
#include "ui/checkwindow.h"
#include "ui/grouplistwindow.h"
#include "ui/progresswindow.h"
#include "ui/resultwindow.h"
#include "ui/rulewindow.h"
#include "ui/statswindow.h"
#include "ui/updatewindow.h"

namespace kuji6 {

// Owns the secondary windows and the live rule record they show. Each window is one instance,
// created on first use, and destroyed by unload; the next use creates it afresh from its
// initial state. The rule window exists only while it is wanted on the screen and the record
// is loaded; the record's unload ends it.
class WindowRegistry final : public QObject {
    Q_OBJECT
  public:
    explicit WindowRegistry(AppServices& services);
    ~WindowRegistry() override;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The window the others open beside or over.
    void setMainWindow(QWidget* main) { main_ = main; }

    // The draw history and the data files changed: the open windows that show them read
    // them again.
    void dataChanged();

    void showGroupList();
    GroupListWindow* groupList() const { return groupList_; }

    void showStats();
    StatsWindow* stats() const { return stats_; }

    // The live rule record, which a run reads, and its window.
    LiveRuleRecord& rules() { return rules_; }
    RuleWindow* existingRuleWindow() const { return ruleWindow_; }
    void showRuleWindow();    // the record loaded first when absent
    void unloadRuleWindow();  // the record discarded, and its window with it

    // The data update: its window, and the progress window that lives for one update.
    void showUpdateWindow();
    UpdateWindow* existingUpdateWindow() const { return updateWindow_; }
    void unloadUpdateWindow();
    ProgressWindow& openProgressWindow();  // always afresh
    ProgressWindow* existingProgressWindow() const { return progressWindow_; }
    void unloadProgressWindow();

    // Entering the latest results, and checking the sheet of `main` against a draw.
    void showResultWindow();
    ResultWindow* existingResultWindow() const { return resultWindow_; }
    void showCheckWindow(MainWindow& main);
    CheckWindow* existingCheckWindow() const { return checkWindow_; }

    // What closing the main window does: no secondary window survives it.
    void unloadAll();

  signals:
    // The update window went by its own キャンセル, its close box or the end of an update.
    void updateWindowEnded();
    // 登録 added draw `number` to the history and made the data files anew.
    void drawAdded(int number);

  private:
    void showRuleView();

    AppServices& services_;
    LiveRuleRecord rules_;
    QPointer<QWidget> main_;
    QPointer<GroupListWindow> groupList_;
    QPointer<StatsWindow> stats_;
    QPointer<RuleWindow> ruleWindow_;
    QPointer<UpdateWindow> updateWindow_;
    QPointer<ProgressWindow> progressWindow_;
    QPointer<ResultWindow> resultWindow_;
    QPointer<CheckWindow> checkWindow_;
};

}  // namespace kuji6
