// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include "ui/appservices.h"
#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

namespace kuji6 {

// The running program: its windows and the state that outlives them. The main window is
// recreated, not the state, when the user goes back to prediction mode.
class Application final : public QObject {
    Q_OBJECT
  public:
    explicit Application(AppServices services);
    ~Application() override;

    void start();
    MainWindow* mainWindow() const { return main_; }
    WindowRegistry& windows() { return windows_; }

  signals:
    void finished();

  private:
    void openMainWindow();
    void closeMainWindow();
    void backToPredictionMode();
    void quit();

    AppServices services_;
    WindowRegistry windows_;
    QPointer<MainWindow> main_;
};

}  // namespace kuji6
