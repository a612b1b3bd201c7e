// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statswindow.h"

#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStackedBarSeries>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "common/safefile.h"
#include "ui/accessibility.h"
#include "ui/groupcolors.h"

namespace kuji6 {

namespace {

const QString kPngFilter = QStringLiteral("PNG 画像 (*.png)");
constexpr int kSortRole = Qt::UserRole;

enum Column { NumberColumn, GroupColumn, RateColumn, MainColumn, BonusColumn, SinceColumn };

// The size the window asks for where there is room; room for a title bar and a frame.
constexpr QSize kPreferredSize(1180, 660);
constexpr QSize kWindowFrame(16, 48);

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// One bar set per group, so that each number's bar has its group's colour; the sets are
// stacked and a number has a value in its own group's set only.
std::array<QBarSet*, 7> groupSets(QStackedBarSeries* series) {
    std::array<QBarSet*, 7> sets{};
    for (int group = 1; group <= 7; ++group) {
        auto* set = new QBarSet(QString(groupLetter(group)));
        set->setColor(groupColor(group));
        set->setBorderColor(groupColor(group).darker(150));
        series->append(set);
        sets[static_cast<std::size_t>(group - 1)] = set;
    }
    return sets;
}

// The numbers 1..43 under their bars: bar i stands at i - 1, and only 1 and every fifth
// number are named, so that the labels stay whole on a narrow chart.
QCategoryAxis* numberAxis(QChart* chart, QAbstractSeries* series) {
    auto* axis = new QCategoryAxis;
    axis->setRange(-0.5, 42.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->append(QStringLiteral("1"), 0);
    for (int n = 5; n <= 43; n += 5) {
        axis->append(QString::number(n), n - 1);
    }
    axis->setGridLineVisible(false);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);
    return axis;
}

QValueAxis* valueAxis(QChart* chart, QAbstractSeries* series, double top, const QString& format) {
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setLabelFormat(format);
    axis->applyNiceNumbers();
    chart->addAxis(axis, Qt::AlignLeft);
    series->attachAxis(axis);
    return axis;
}

void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

QStandardItem* cell(const QString& text, qint64 sortKey, const QString& spoken = {}) {
    auto* item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setEditable(false);
    item->setTextAlignment(Qt::AlignCenter);
    if (!spoken.isEmpty()) {
        item->setData(spoken, Qt::AccessibleTextRole);
    }
    return item;
}

QStandardItem* numberCell(int value) {
    return cell(QString::number(value), value);
}

// A value the data does not give: a dash, spoken as "なし", sorted after every number.
QStandardItem* optionalCell(const std::optional<int>& value) {
    if (value) {
        return numberCell(*value);
    }
    return cell(QStringLiteral("—"), std::numeric_limits<int>::max(), QStringLiteral("なし"));
}

QString numbersText(const LatestNumbers& numbers) {
    QStringList texts;
    for (int i = 0; i <= 5; ++i) {
        texts << QString::number(numbers[i]);
    }
    return texts.join(QStringLiteral(", "));
}

}  // namespace

StatsWindow::StatsWindow(const ProgramFolder& folder, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), prompter_(prompter) {
    setObjectName(QStringLiteral("fmStats"));
    setWindowTitle(QStringLiteral("出目統計"));
    announceWindow(this, QAccessible::Window);
    buildControls();
    reload();
    resize(sizeFor(screen()->availableGeometry().size()));
}

void StatsWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->addWidget(buildCommandRow());
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("LbStatsProblem"));
    problems_->setWordWrap(true);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problems_->setStyleSheet(QStringLiteral("color: #b00000;"));
    column->addWidget(problems_);

    charts_ = new QTabWidget(this);
    charts_->setObjectName(QStringLiteral("TabStatsCharts"));
    charts_->setAccessibleName(QStringLiteral("グラフ"));
    chartRate_ = new QChartView(charts_);
    chartRate_->setObjectName(QStringLiteral("ChartRate"));
    chartRate_->setAccessibleName(QStringLiteral("出目率のグラフ"));
    chartRate_->setRenderHint(QPainter::Antialiasing);
    chartRate_->setMouseTracking(true);
    chartCount_ = new QChartView(charts_);
    chartCount_->setObjectName(QStringLiteral("ChartCount"));
    chartCount_->setAccessibleName(QStringLiteral("出現回数のグラフ"));
    chartCount_->setRenderHint(QPainter::Antialiasing);
    // Below this the 43 bars and their numbers run together.
    charts_->setMinimumSize(400, 300);
    charts_->addTab(chartRate_, QStringLiteral("出目率"));
    charts_->addTab(chartCount_, QStringLiteral("出現回数"));
    // A picture has nothing to operate: Tab goes from the tabs that switch the charts to the
    // table, which holds the same numbers for the keyboard and a screen reader.
    for (QChartView* view : {chartRate_, chartCount_}) {
        view->setFocusPolicy(Qt::NoFocus);
        view->viewport()->setFocusPolicy(Qt::NoFocus);
    }

    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels({QStringLiteral("数字"), QStringLiteral("グループ"),
                                       QStringLiteral("出目率%"), QStringLiteral("本数字"),
                                       QStringLiteral("ボーナス"), QStringLiteral("空き回数")});
    model_->horizontalHeaderItem(SinceColumn)
        ->setToolTip(QStringLiteral("最後に本数字で出てから後の抽せん回数（前回出た数字は0）"));
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TvStats"));
    table_->setAccessibleName(QStringLiteral("数字ごとの統計"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(NumberColumn, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    // Its least width holds every column (see showTable).
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* side = new QWidget(this);
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    sideColumn->addWidget(table_, 1);
    sideColumn->addWidget(buildChainBox());

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setChildrenCollapsible(false);
    split->addWidget(charts_);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({3000, 2000});
    column->addWidget(split, 1);
    setTabOrder(cmbWindow_, comReload_);
    setTabOrder(comReload_, comSave_);
    setTabOrder(comSave_, charts_);
    setTabOrder(charts_, table_);
    setTabOrder(table_, chain_);
}

QWidget* StatsWindow::buildCommandRow() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("集計範囲(&R):"), bar);
    cmbWindow_ = new QComboBox(bar);
    cmbWindow_->setObjectName(QStringLiteral("CmbStatsWindow"));
    for (const HistoryWindow& window : historyWindows()) {
        cmbWindow_->addItem(window.caption);
    }
    cmbWindow_->setCurrentIndex(kDefaultHistoryWindow);
    nameComboBox(cmbWindow_, QStringLiteral("集計範囲"), {caption},
                 QStringLiteral("回数を数える直近の抽選回の数"));
    connect(cmbWindow_, &QComboBox::currentIndexChanged, this, &StatsWindow::showStretch);
    comReload_ = new QPushButton(QStringLiteral("再読み込み"), bar);
    comReload_->setObjectName(QStringLiteral("ComStatsReload"));
    connect(comReload_, &QPushButton::clicked, this, &StatsWindow::reload);
    comSave_ = new QPushButton(QStringLiteral("画像を保存"), bar);
    comSave_->setObjectName(QStringLiteral("ComStatsSave"));
    connect(comSave_, &QPushButton::clicked, this, &StatsWindow::saveCharts);
    row->addWidget(caption);
    row->addWidget(cmbWindow_);
    row->addStretch(1);
    row->addWidget(comReload_);
    row->addWidget(comSave_);
    return bar;
}

QWidget* StatsWindow::buildChainBox() {
    auto* box = new QGroupBox(QStringLiteral("次回の連鎖リスト"), this);
    box->setObjectName(QStringLiteral("FrameChain"));
    auto* inside = new QVBoxLayout(box);
    latest_ = new QLabel(box);
    latest_->setObjectName(QStringLiteral("LbStatsLatest"));
    latest_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chain_ = new QListWidget(box);
    chain_->setObjectName(QStringLiteral("LvChain"));
    chain_->setAccessibleName(QStringLiteral("次回の連鎖リスト（よい順）"));
    // Best first, read left to right and down: ten places in a few rows.
    chain_->setFlow(QListView::LeftToRight);
    chain_->setWrapping(true);
    chain_->setResizeMode(QListView::Adjust);
    chain_->setSpacing(2);
    chain_->setFixedHeight(chain_->fontMetrics().height() * 4 + 16);
    inside->addWidget(latest_);
    inside->addWidget(chain_);
    return box;
}

void StatsWindow::reload() {
    stats_ = readNumberStatistics(folder_);
    problems_->setText(stats_.problems.join(u'\n'));
    problems_->setVisible(!stats_.problems.isEmpty());
    showRates();
    showStretch();
    showChain();
}

std::optional<int> StatsWindow::chosenDraws() const {
    const int index = std::max(cmbWindow_->currentIndex(), 0);
    return historyWindows()[static_cast<std::size_t>(index)].draws;
}

int StatsWindow::groupOf(int n) const {
    return stats_.rates ? stats_.rates->numGroup[n] : (n - 1) % 7 + 1;
}

void StatsWindow::showStretch() {
    rows_ = stats_.rows(chosenDraws());
    showCounts();
    showTable();
}

QString StatsWindow::rateBarText(int n) const {
    const NumberRow& row = rows_[static_cast<std::size_t>(n - 1)];
    const QString rate =
        row.drawRate ? QStringLiteral("%1%").arg(*row.drawRate) : QStringLiteral("—");
    return QStringLiteral("%1（グループ%2）: 出目率 %3").arg(n).arg(row.groupLetter).arg(rate);
}

void StatsWindow::showRates() {
    QChart* chart = newChart(
        stats_.rates ? QStringLiteral("出目率（第%1回までのデータ）").arg(stats_.rates->kai)
                     : QStringLiteral("出目率（データを読み込めません）"));
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.8);
    const std::array<QBarSet*, 7> sets = groupSets(bars);
    int top = 10;
    for (int n = 1; n <= 43; ++n) {
        const int rate = stats_.rates ? stats_.rates->drawRate[n] : 0;
        top = std::max(top, rate);
        for (int group = 1; group <= 7; ++group) {
            sets[static_cast<std::size_t>(group - 1)]->append(groupOf(n) == group ? rate : 0);
        }
    }
    for (QBarSet* set : sets) {
        connect(set, &QBarSet::hovered, this, [this](bool inside, int index) {
            if (inside) {
                QToolTip::showText(QCursor::pos(), rateBarText(index + 1), chartRate_);
            } else {
                QToolTip::hideText();
            }
        });
    }
    chart->addSeries(bars);
    numberAxis(chart, bars);
    QValueAxis* rates = valueAxis(chart, bars, top + 2, QStringLiteral("%d%"));
    if (stats_.rates) {
        const double mean = meanDrawRate(*stats_.rates);
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("平均 %1%").arg(mean, 0, 'f', 1));
        line->append(-0.5, mean);
        line->append(42.5, mean);
        QPen pen(Qt::black, 2, Qt::DashLine);
        line->setPen(pen);
        chart->addSeries(line);
        line->attachAxis(chart->axes(Qt::Horizontal).front());
        line->attachAxis(rates);
    }
    replaceChart(chartRate_, chart);
}

void StatsWindow::showCounts() {
    const int index = std::max(cmbWindow_->currentIndex(), 0);
    const HistoryWindow& window = historyWindows()[static_cast<std::size_t>(index)];
    QString title = QStringLiteral("%1の出現回数").arg(window.caption);
    if (stats_.history) {
        const std::size_t taken =
            std::min(stats_.history->size(), static_cast<std::size_t>(window.draws.value_or(
                                                 static_cast<int>(stats_.history->size()))));
        const Draw& first = (*stats_.history)[stats_.history->size() - taken];
        title +=
            QStringLiteral("（第%1〜%2回）").arg(first.number).arg(stats_.history->back().number);
    } else {
        title += QStringLiteral("（履歴を読み込めません）");
    }
    QChart* chart = newChart(title);
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.8);
    const std::array<QBarSet*, 7> sets = groupSets(bars);
    // The bonus on top of the main numbers, grey and hatched.
    auto* bonus = new QBarSet(QStringLiteral("ボーナス"));
    bonus->setBrush(QBrush(QColor(90, 90, 90), Qt::Dense4Pattern));
    bonus->setBorderColor(QColor(60, 60, 60));
    bars->append(bonus);
    int top = 4;
    for (const NumberRow& row : rows_) {
        top = std::max(top, row.count.main + row.count.bonus);
        for (int group = 1; group <= 7; ++group) {
            sets[static_cast<std::size_t>(group - 1)]->append(
                groupOf(row.number) == group ? row.count.main : 0);
        }
        bonus->append(row.count.bonus);
    }
    chart->addSeries(bars);
    numberAxis(chart, bars);
    QValueAxis* counts = valueAxis(chart, bars, top + 1, QStringLiteral("%d"));
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(std::max(1, (top + 1) / 5));
    replaceChart(chartCount_, chart);
}

void StatsWindow::showTable() {
    model_->removeRows(0, model_->rowCount());
    for (const NumberRow& row : rows_) {
        model_->appendRow({numberCell(row.number),
                           cell(row.groupLetter, row.groupLetter.unicode(),
                                QStringLiteral("グループ%1").arg(row.groupLetter)),
                           optionalCell(row.drawRate), numberCell(row.count.main),
                           numberCell(row.count.bonus), optionalCell(row.drawsSince)});
    }
    // Every column in sight: the table gives up no column to a horizontal scroll.
    table_->resizeColumnsToContents();
    table_->setMinimumWidth(table_->horizontalHeader()->length() +
                            table_->verticalScrollBar()->sizeHint().width() +
                            2 * table_->frameWidth());
}

void StatsWindow::showChain() {
    chain_->clear();
    if (!stats_.chain) {
        latest_->setText(QStringLiteral("連鎖データがありません"));
        return;
    }
    const ChainOutlook& chain = *stats_.chain;
    latest_->setText(QStringLiteral("第%1回の本数字: %2 → 第%3回の連鎖リスト")
                         .arg(chain.lastKai)
                         .arg(numbersText(chain.lastNumbers))
                         .arg(int{chain.lastKai} + 1));
    for (std::size_t place = 0; place < chain.list.size(); ++place) {
        const ChainPlace& entry = chain.list[place];
        auto* item = new QListWidgetItem(
            QStringLiteral("%1位 %2（%3）").arg(place + 1).arg(entry.number).arg(entry.score));
        item->setData(
            Qt::AccessibleTextRole,
            QStringLiteral("%1位 %2、スコア %3").arg(place + 1).arg(entry.number).arg(entry.score));
        item->setData(Qt::UserRole, entry.number);
        item->setData(Qt::UserRole + 1, entry.score);
        chain_->addItem(item);
    }
}

QImage StatsWindow::chartsImage() const {
    const QSize size(1200, 420);
    QImage image(size.width(), size.height() * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    int top = 0;
    for (QChartView* view : {chartRate_, chartCount_}) {
        QChart* chart = view->chart();
        const QSizeF shown = chart->size();
        // Laid out at the picture's size for the picture, then back as the window shows it.
        chart->resize(size);
        view->scene()->render(&painter, QRectF(0, top, size.width(), size.height()),
                              QRectF(QPointF(0, 0), QSizeF(size)));
        chart->resize(shown);
        top += size.height();
    }
    return image;
}

QSize StatsWindow::sizeFor(const QSize& available) const {
    return kPreferredSize.boundedTo(available - kWindowFrame).expandedTo(minimumSizeHint());
}

QSize StatsWindow::frameAllowance() {
    return kWindowFrame;
}

QString StatsWindow::withPngSuffix(const QString& path) {
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".png");
}

void StatsWindow::saveCharts() {
    const QString proposed = stats_.rates
                                 ? QStringLiteral("出目統計%1回.png").arg(stats_.rates->kai)
                                 : QStringLiteral("出目統計.png");
    const std::optional<QString> chosen = prompter_.saveFileName(proposed, kPngFilter);
    if (!chosen) {
        return;
    }
    const QString path = withPngSuffix(*chosen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    chartsImage().save(&buffer, "PNG");
    try {
        saveBytes(bytes, path);
    } catch (const RuntimeFault& fault) {
        prompter_.warn(kProgramTitle,
                       fileFaultMessage(QStringLiteral("画像を保存できませんでした。"), fault));
    }
}

void StatsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
