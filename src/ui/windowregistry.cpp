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

WindowRegistry::WindowRegistry(AppServices& services) : services_(services) {}

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

RuleWindow& WindowRegistry::ruleWindow() {
    if (!ruleWindow_) {
        ruleWindow_ = new RuleWindow(services_.prompter, services_.folder.optionsFile(),
                                     services_.ruleBuffer);
        QObject::connect(ruleWindow_, &RuleWindow::groupListRequested, ruleWindow_,
                         [this] { showGroupList(); });
        QObject::connect(ruleWindow_, &RuleWindow::unloadRequested, ruleWindow_,
                         [this] { unloadRuleWindow(); });
        ruleWindow_->loadSettings();
    }
    return *ruleWindow_;
}

void WindowRegistry::showRuleWindow() {
    RuleWindow& window = ruleWindow();
    if (!window.isVisible()) {
        // Beside the main window, so that the results and the comment stay in sight.
        placeBeside(&window, main_);
    }
    bringToFront(&window);
}

void WindowRegistry::unloadRuleWindow() {
    unloadWindow(ruleWindow_);
}

void WindowRegistry::showUpdateWindow() {
    if (!updateWindow_) {
        updateWindow_ = new UpdateWindow(services_, *this);
        QObject::connect(updateWindow_, &UpdateWindow::unloadRequested, updateWindow_,
                         [this] { unloadUpdateWindow(); });
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

void WindowRegistry::unloadAll() {
    unloadWindow(groupList_);
    unloadProgressWindow();
    unloadRuleWindow();
    unloadUpdateWindow();
}

}  // namespace kuji6
