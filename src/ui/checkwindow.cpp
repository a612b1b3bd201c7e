// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/checkwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "datafiles/hitcheck.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/keyfilter.h"
#include "ui/mainwindow.h"

namespace kuji6 {

namespace {

QLineEdit* numberBox(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(2);
    box->setFixedWidth(digitsWidth(box, 3));
    DigitsOnlyFilter::install(box);
    return box;
}

// A result box's text as a number; 0 (no number) for anything else.
int sheetNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 0;
}

bool isFilled(const Sheet::Line& line) {
    return std::any_of(line.begin(), line.end(),
                       [](const QString& t) { return !t.trimmed().isEmpty(); });
}

QString sumText(const std::array<int, kTiers>& lines) {
    QStringList parts;
    for (int t = 0; t < kTiers; ++t) {
        parts << QStringLiteral("%1 %2口")
                     .arg(tierText(static_cast<Tier>(t)))
                     .arg(lines[static_cast<std::size_t>(t)]);
    }
    return parts.join(QStringLiteral("　"));
}

}  // namespace

CheckWindow::CheckWindow(AppServices& services, MainWindow& main, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), main_(&main) {
    setObjectName(QStringLiteral("fmCheck"));
    setWindowTitle(QStringLiteral("当選確認"));
    announceWindow(this, QAccessible::Dialog);
    readHistory();
    buildControls();
    proposeDraw();
}

void CheckWindow::readHistory() {
    try {
        history_ = readDrawHistory(services_.folder.historyFile());
    } catch (const HistoryError&) {
        // Without a history the user types the draw's numbers.
        history_.clear();
    }
}

void CheckWindow::fillDrawList() {
    for (auto draw = history_.rbegin(); draw != history_.rend(); ++draw) {
        cmbKai_->addItem(QString::number(draw->number));
    }
}

void CheckWindow::reloadHistory() {
    const QString chosen = cmbKai_->currentText();
    readHistory();
    {
        const QSignalBlocker quiet(cmbKai_);
        cmbKai_->clear();
        fillDrawList();
        cmbKai_->setEditText(chosen);
    }
    typedDraw_ = false;
    showDraw(chosen);
}

void CheckWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(buildDrawRow());
    column->addWidget(buildNumberRow());
    column->addWidget(buildHitLabels());
}

QWidget* CheckWindow::buildDrawRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmbKai_ = new QComboBox(row);
    cmbKai_->setObjectName(QStringLiteral("CmbCheckKai"));
    cmbKai_->setEditable(true);
    cmbKai_->setInsertPolicy(QComboBox::NoInsert);
    cmbKai_->setCompleter(nullptr);
    cmbKai_->setMinimumContentsLength(6);
    cmbKai_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fillDrawList();
    DigitsOnlyFilter::install(cmbKai_);
    connect(cmbKai_, &QComboBox::editTextChanged, this, &CheckWindow::showDraw);
    comCheck_ = new QPushButton(QStringLiteral("確認"), row);
    comCheck_->setObjectName(QStringLiteral("ComCheck"));
    comCheck_->setDefault(true);
    connect(comCheck_, &QPushButton::clicked, this, &CheckWindow::check);
    QLabel* before = label("LbCheckKai1", QStringLiteral("第"), row);
    QLabel* after = label("LbCheckKai2", QStringLiteral("回の当選番号と照らし合わせます"), row);
    nameComboBox(cmbKai_, QStringLiteral("確認する回"), {before, after},
                 QStringLiteral("照らし合わせる抽選回、履歴にない回は当選番号を入力します"));
    layout->addWidget(before);
    layout->addWidget(cmbKai_);
    layout->addWidget(after);
    layout->addStretch();
    layout->addWidget(comCheck_);
    return row;
}

QWidget* CheckWindow::buildNumberRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label("LbWinNum", QStringLiteral("本数字"), row));
    for (int k = 0; k < 6; ++k) {
        txWin_[static_cast<std::size_t>(k)] =
            numberBox(indexedName("TxWin", k), QStringLiteral("本数字%1").arg(k + 1), row);
        layout->addWidget(txWin_[static_cast<std::size_t>(k)]);
    }
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(label("LbWinBonus", QStringLiteral("ボーナス数字"), row));
    txBonus_ = numberBox(QStringLiteral("TxWinBonus"), QStringLiteral("ボーナス数字"), row);
    layout->addWidget(txBonus_);
    layout->addStretch();
    return row;
}

QWidget* CheckWindow::buildHitLabels() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int line = 0; line < Sheet::kLines; ++line) {
        const int page = line / Sheet::kLinesPerPage;
        const int row = line % Sheet::kLinesPerPage;
        const QString name =
            QStringLiteral("%1ページ 組合せ %2").arg(page + 1).arg(QChar(u'A' + row));
        QLabel* caption = label("", name, area);
        QLabel* hit = label("", {}, area);
        hit->setObjectName(indexedName("LbHit", line));
        hit->setAccessibleName(name);
        hit->setMinimumWidth(textWidth(hit, QStringLiteral("6個一致 はずれ")));
        grid->addWidget(caption, row, page * 2);
        grid->addWidget(hit, row, page * 2 + 1);
        lbHit_[static_cast<std::size_t>(line)] = hit;
    }
    lbSum_ = label("LbHitSum", {}, area);
    lbSum_->setAccessibleName(QStringLiteral("等級ごとの口数"));
    grid->addWidget(lbSum_, Sheet::kLinesPerPage, 0, 1, 4);
    return area;
}

// The draw the main window predicts for when the history holds it (an opened prediction's
// draw, typically), else the newest.
void CheckWindow::proposeDraw() {
    const int index = main_ ? cmbKai_->findText(main_->drawNumberText().trimmed()) : -1;
    cmbKai_->setCurrentIndex(index >= 0 ? index : 0);
    showDraw(cmbKai_->currentText());
}

void CheckWindow::showDraw(const QString& number) {
    const auto draw = std::find_if(history_.begin(), history_.end(), [&number](const Draw& d) {
        return QString::number(d.number) == number.trimmed();
    });
    const bool known = draw != history_.end();
    for (std::size_t k = 0; k < txWin_.size(); ++k) {
        txWin_[k]->setReadOnly(known);
        if (known) {
            txWin_[k]->setText(QString::number(draw->main[k]));
        } else if (!typedDraw_) {
            txWin_[k]->clear();
        }
    }
    txBonus_->setReadOnly(known);
    if (known) {
        txBonus_->setText(QString::number(draw->bonus));
    } else if (!typedDraw_) {
        txBonus_->clear();
    }
    typedDraw_ = !known;
}

std::optional<WinningNumbers> CheckWindow::drawNumbers() {
    std::array<QString, 6> main;
    for (std::size_t k = 0; k < txWin_.size(); ++k) {
        main[k] = txWin_[k]->text();
    }
    try {
        return checkWinningNumbers(main, txBonus_->text());
    } catch (const DrawRefusal& refusal) {
        services_.prompter.warn(kAttentionTitle, refusal.text());
        return std::nullopt;
    }
}

void CheckWindow::check() {
    if (!main_) {
        return;
    }
    const Sheet& sheet = main_->sheet();
    bool anyFilled = false;
    for (int line = 0; line < Sheet::kLines; ++line) {
        anyFilled = anyFilled || isFilled(sheet.line(line));
    }
    if (!anyFilled) {
        services_.prompter.inform(
            kProgramTitle,
            QStringLiteral(
                "確認する予想がありません。GO!で予想するか、予想ファイルを開いてください。"));
        return;
    }
    const std::optional<WinningNumbers> numbers = drawNumbers();
    if (!numbers) {
        return;
    }
    HitMarks marks{};
    std::array<int, kTiers> perTier{};
    for (int line = 0; line < Sheet::kLines; ++line) {
        const Sheet::Line& texts = sheet.line(line);
        QLabel* shown = lbHit_[static_cast<std::size_t>(line)];
        if (!isFilled(texts)) {
            shown->clear();
            continue;
        }
        std::array<int, 6> values{};
        std::transform(texts.begin(), texts.end(), values.begin(), sheetNumber);
        const LineHit hit = checkLine(values, numbers->main, numbers->bonus);
        shown->setText(hitText(hit));
        ++perTier[static_cast<std::size_t>(hit.tier)];
        marks[static_cast<std::size_t>(line)] = hit.marked;
    }
    lbSum_->setText(sumText(perTier));
    main_->markHits(marks);
}

void CheckWindow::keyPressEvent(QKeyEvent* event) {
    // Enter checks; Escape closes the window, as its close box does.
    if (pressForWindowKey(event, this, comCheck_, nullptr)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
