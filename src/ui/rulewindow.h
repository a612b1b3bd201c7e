// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>

#include "common/prompter.h"
#include "rules/liverules.h"
#include "rules/rulerecord.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace kuji6 {

// fmOp, "法則設定": where the rule methods are switched on and set. Its controls are the
// live rule record: what they show, confirmed or not, is what a run uses.
class RuleWindow final : public QWidget {
    Q_OBJECT
  public:
    RuleWindow(Prompter& prompter, QString optionsPath, RuleRecord& ruleBuffer,
               QWidget* parent = nullptr);

    // Puts the stored settings into the controls. A missing option.ini leaves the initial
    // values; an unreadable one says so and leaves them too.
    void loadSettings();

    RuleSettings settings() const;

  signals:
    void groupListRequested();
    void unloadRequested();  // by 設定, キャンセル or the close box

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* buildSevenGroupPart();
    QWidget* buildExcludedGroups();
    QWidget* buildDrawRateLine();
    QWidget* buildButtons();

    void applyRecord(const RuleRecord& record);
    void applyMethodLook();
    void showSevenGroupLook(bool on);
    void showDrawRateLook(bool on);
    void confirm();

    Prompter& prompter_;
    QString optionsPath_;
    RuleRecord& ruleBuffer_;

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
