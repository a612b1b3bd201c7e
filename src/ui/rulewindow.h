// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "rules/liverulerecord.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kuji6 {

// fmOp, "法則設定": where the rule methods are switched on and set, a view of the live rule
// record, which must be loaded. Every edit changes the record at once; 設定 confirms it,
// キャンセル and the close box unload it, and the record's unload ends the window.
class RuleWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit RuleWindow(LiveRuleRecord& rules, QWidget* parent = nullptr);

  signals:
    void groupListRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* buildSevenGroupPart();
    QWidget* buildExcludedGroups();
    QWidget* buildDrawRateLine();
    QWidget* buildButtons();
    void connectEdits();

    void showRecord();
    void showLooks();
    void showSevenGroupLook(bool on);
    void showDrawRateLook(bool on);

    LiveRuleRecord& rules_;
    bool methodSwitched_ = false;  // since the record was loaded

    std::array<QCheckBox*, 3> chHo_{};
    std::array<QCheckBox*, 4> ch7_{};
    std::array<QLabel*, 4> lb7_{};
    std::array<QCheckBox*, 7> chout_{};
    QLabel* lab7_ = nullptr;
    QLabel* lbD1_ = nullptr;
    QLabel* lbD2_ = nullptr;
    QComboBox* cmbDeme_ = nullptr;
    QComboBox* cmbUorD_ = nullptr;
    QPushButton* comOk_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace kuji6
