// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "common/programfolder.h"
#include "common/prompter.h"
#include "datafiles/numberstats.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace kuji6 {

// fmStats: the data the rules lean on, to look at. The draw rates of data/deme.ini
// (ChartRate), how often each number came in the last draws of the history (ChartCount,
// the stretch chosen in CmbStatsWindow), the table of both (TvStats) and the chain list for
// the next draw (LvChain). It reads the files when it opens and on 再読み込み, and writes
// nothing but the picture the user asks for.
class StatsWindow : public QWidget {
    Q_OBJECT
  public:
    StatsWindow(const ProgramFolder& folder, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the files afresh and shows what they hold.
    void reload();
    // Asks where to save the picture of both charts, and saves it.
    void saveCharts();

    // The window's size on a screen with `available` room: as large as it likes within
    // that room less frameAllowance() for the window's frame, never smaller than its parts
    // need.
    QSize sizeFor(const QSize& available) const;
    static QSize frameAllowance();

    // A saved picture's path: ".png" is added unless it ends so already.
    static QString withPngSuffix(const QString& path);
    // What hovering over the bar of number `n` tells: "12（グループE）: 出目率 15%".
    QString rateBarText(int n) const;
    // The picture of both charts, one above the other.
    QImage chartsImage() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    QWidget* buildCommandRow();
    QWidget* buildChainBox();
    void showStretch();
    void showRates();
    void showCounts();
    void showTable();
    void showChain();
    int groupOf(int n) const;
    std::optional<int> chosenDraws() const;

    const ProgramFolder& folder_;
    Prompter& prompter_;
    NumberStatistics stats_;
    std::vector<NumberRow> rows_;

    QComboBox* cmbWindow_ = nullptr;
    QPushButton* comReload_ = nullptr;
    QPushButton* comSave_ = nullptr;
    QLabel* problems_ = nullptr;
    QTabWidget* charts_ = nullptr;
    QChartView* chartRate_ = nullptr;
    QChartView* chartCount_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QLabel* latest_ = nullptr;
    QListWidget* chain_ = nullptr;
};

}  // namespace kuji6
