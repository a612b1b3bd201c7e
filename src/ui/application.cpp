// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "ui/systemfonts.h"

namespace kuji6 {

Application::Application(AppServices services) : services_(services), windows_(services_) {}

Application::~Application() {
    closeMainWindow();
}

void Application::start() {
    recoverInterruptedSaves(services_.folder);
    useFontWithJapanese();
    openMainWindow();
}

void Application::openMainWindow() {
    main_ = new MainWindow(services_, windows_);
    windows_.setMainWindow(main_);
    connect(main_, &MainWindow::backToPredictionMode, this, &Application::backToPredictionMode,
            Qt::QueuedConnection);
    connect(main_, &MainWindow::quitRequested, this, &Application::quit, Qt::QueuedConnection);
    main_->show();
}

void Application::closeMainWindow() {
    windows_.unloadAll();
    delete main_;
}

void Application::backToPredictionMode() {
    closeMainWindow();
    openMainWindow();
}

void Application::quit() {
    closeMainWindow();
    emit finished();
}

}  // namespace kuji6
