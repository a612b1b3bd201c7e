// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "datafiles/drawhistory.h"
#include "datafiles/historyedit.h"
#include "ui/appservices.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kuji6 {

class MainWindow;

// fmCheck, "当選確認": the main window's sheet, both pages, against a draw of the history
// or one whose numbers the user types; the matched numbers are marked in the sheet.
class CheckWindow final : public QWidget {
    Q_OBJECT
  public:
    CheckWindow(AppServices& services, MainWindow& main, QWidget* parent = nullptr);

    // Reads the history again, after a draw was added or imported, keeping the chosen draw.
    void reloadHistory();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void readHistory();
    void fillDrawList();
    void buildControls();
    QWidget* buildDrawRow();
    QWidget* buildNumberRow();
    QWidget* buildHitLabels();
    void proposeDraw();
    void showDraw(const QString& number);
    std::optional<WinningNumbers> drawNumbers();
    void check();

    AppServices& services_;
    QPointer<MainWindow> main_;
    std::vector<Draw> history_;
    QComboBox* cmbKai_ = nullptr;
    std::array<QLineEdit*, 6> txWin_{};
    QLineEdit* txBonus_ = nullptr;
    std::array<QLabel*, 10> lbHit_{};
    QLabel* lbSum_ = nullptr;
    QPushButton* comCheck_ = nullptr;
    bool typedDraw_ = false;  // the numbers shown are the user's, not the history's
};

}  // namespace kuji6
