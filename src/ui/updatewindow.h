// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "ui/appservices.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kuji6 {

class WindowRegistry;

// fmUpdate, "データの更新": where the data update (runDataUpdate) is started, from an update
// file that is downloaded or picked from disk.
class UpdateWindow final : public QWidget {
    Q_OBJECT
  public:
    UpdateWindow(AppServices& services, WindowRegistry& windows, QWidget* parent = nullptr);

  signals:
    void unloadRequested();  // by キャンセル, the close box or the end of an update

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* buildSourceFrame();
    QWidget* buildButtons();

    bool networkMode() const;
    void switchMode();
    void pickFile();
    void enableGo();
    void clearFileName();

    void runUpdate();

    AppServices& services_;
    WindowRegistry& windows_;
    QComboBox* cmbSel_ = nullptr;
    QLineEdit* txFilename_ = nullptr;
    QPushButton* comSansyo_ = nullptr;
    QPushButton* comGo_ = nullptr;
    QPushButton* comCancel_ = nullptr;
};

}  // namespace kuji6
