#include "ui/windowregistry.h"

#include <QCoreApplication>

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
    bringToFront(&ruleWindow());
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
    bringToFront(updateWindow_);
}

void WindowRegistry::unloadUpdateWindow() {
    unloadWindow(updateWindow_);
}

ProgressWindow& WindowRegistry::openProgressWindow() {
    unloadProgressWindow();
    progressWindow_ = new ProgressWindow;
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
