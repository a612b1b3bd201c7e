// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowregistry.h"

#include <QCoreApplication>

#include "ui/placement.h"

namespace kuji6 {

namespace {

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// Forgets the window at once and destroys it once control is back in the event loop, so
// that a window may ask for its own unload from one of its handlers.
template <class Window>
void unloadWindow(QPointer<Window>& window) {
    if (Window* dying = window) {
        window = nullptr;
        dying->hide();
        dying->deleteLater();
    }
}

}  // namespace

WindowRegistry::WindowRegistry(AppServices& services)
    : services_(services),
      rules_(services.prompter, services.folder.optionsFile(), services.ruleBuffer) {
    connect(&rules_, &LiveRuleRecord::showRequested, this, &WindowRegistry::showRuleView);
    connect(&rules_, &LiveRuleRecord::unloaded, this, [this] { unloadWindow(ruleWindow_); });
}

WindowRegistry::~WindowRegistry() {
    unloadAll();
    // Windows unloaded without a later turn of the event loop are destroyed here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowRegistry::showGroupList() {
    if (!groupList_) {
        groupList_ = new GroupListWindow;
        groupList_->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringToFront(groupList_);
}

void WindowRegistry::showStats() {
    if (!stats_) {
        stats_ = new StatsWindow(services_.folder, services_.prompter);
        stats_->setAttribute(Qt::WA_DeleteOnClose);
        placeOver(stats_, main_);
    }
    bringToFront(stats_);
}

void WindowRegistry::showRuleWindow() {
    rules_.show();
}

void WindowRegistry::showRuleView() {
    if (!ruleWindow_) {
        ruleWindow_ = new RuleWindow(rules_);
        connect(ruleWindow_, &RuleWindow::groupListRequested, this, &WindowRegistry::showGroupList);
    }
    if (!ruleWindow_->isVisible()) {
        // Beside the main window, so that the results and the comment stay in sight.
        placeBeside(ruleWindow_, main_);
    }
    bringToFront(ruleWindow_);
}

void WindowRegistry::unloadRuleWindow() {
    rules_.unload();
}

void WindowRegistry::showUpdateWindow() {
    if (!updateWindow_) {
        updateWindow_ = new UpdateWindow(services_, *this);
        connect(updateWindow_, &UpdateWindow::unloadRequested, this, [this] {
            unloadUpdateWindow();
            emit updateWindowEnded();
        });
    }
    if (!updateWindow_->isVisible()) {
        // It takes the place of the main window, which hides while it is open.
        placeOver(updateWindow_, main_);
    }
    bringToFront(updateWindow_);
}

void WindowRegistry::unloadUpdateWindow() {
    unloadWindow(updateWindow_);
}

ProgressWindow& WindowRegistry::openProgressWindow() {
    unloadProgressWindow();
    progressWindow_ = new ProgressWindow;
    placeOver(progressWindow_, updateWindow_ ? static_cast<QWidget*>(updateWindow_) : main_.data());
    bringToFront(progressWindow_);
    return *progressWindow_;
}

void WindowRegistry::unloadProgressWindow() {
    unloadWindow(progressWindow_);
}

void WindowRegistry::showResultWindow() {
    if (!resultWindow_) {
        resultWindow_ = new ResultWindow(services_);
        connect(resultWindow_, &ResultWindow::unloadRequested, this,
                [this] { unloadWindow(resultWindow_); });
        connect(resultWindow_, &ResultWindow::drawAdded, this, &WindowRegistry::drawAdded);
        placeBeside(resultWindow_, main_);
    }
    bringToFront(resultWindow_);
}

void WindowRegistry::showCheckWindow(MainWindow& main) {
    if (!checkWindow_) {
        checkWindow_ = new CheckWindow(services_, main);
        checkWindow_->setAttribute(Qt::WA_DeleteOnClose);
        placeBeside(checkWindow_, main_);
    }
    bringToFront(checkWindow_);
}

void WindowRegistry::dataChanged() {
    if (checkWindow_) {
        checkWindow_->reloadHistory();
    }
    if (stats_) {
        stats_->reload();
    }
}

void WindowRegistry::unloadAll() {
    unloadWindow(groupList_);
    unloadWindow(resultWindow_);
    unloadWindow(checkWindow_);
    unloadWindow(stats_);
    unloadProgressWindow();
    unloadRuleWindow();
    unloadUpdateWindow();
}

}  // namespace kuji6
