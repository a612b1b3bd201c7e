// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "ui/appservices.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kuji6 {

// fmResult, "当選番号の入力": the results of the latest draw, added to the history by 登録,
// which then makes the data files anew from the whole history.
class ResultWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit ResultWindow(AppServices& services, QWidget* parent = nullptr);

  signals:
    void unloadRequested();  // by キャンセル, the close box or a draw added
    void drawAdded(int number);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* buildDrawRow();
    QWidget* buildNumberRow();
    QWidget* buildButtons();
    void proposeDraw();
    void addDraw();

    AppServices& services_;
    QLineEdit* txKai_ = nullptr;
    QLineEdit* txDay_ = nullptr;
    std::array<QLineEdit*, 6> txNum_{};
    QLineEdit* txBonus_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* comOk_ = nullptr;
    QPushButton* comCancel_ = nullptr;
};

}  // namespace kuji6
