// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/resultwindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "datafiles/demefile.h"
#include "datafiles/historyedit.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/drawimport.h"
#include "ui/keyfilter.h"

namespace kuji6 {

namespace {

QLineEdit* digitBox(const QString& name, const QString& accessibleName, int digits,
                    QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(digits);
    box->setFixedWidth(digitsWidth(box, digits + 1));
    DigitsOnlyFilter::install(box);
    return box;
}

// The draw data/deme.ini reaches, or 0 when it cannot be read.
int dataFilesDraw(const ProgramFolder& folder) {
    DrawData data;
    try {
        readDemeFile(data, folder.demeFile());
    } catch (const RuntimeFault&) {
        return 0;
    }
    return data.demeKai;
}

}  // namespace

ResultWindow::ResultWindow(AppServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("fmResult"));
    setWindowTitle(QStringLiteral("当選番号の入力"));
    announceWindow(this, QAccessible::Dialog);
    buildControls();
    proposeDraw();
    // The draw and the date are proposed: the numbers are what is typed first.
    txNum_[0]->setFocus();
}

void ResultWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(buildDrawRow());
    column->addWidget(buildNumberRow());
    note_ = label("LbResultNote", {}, this);
    note_->setWordWrap(true);
    note_->setVisible(false);
    column->addWidget(note_);
    column->addWidget(buildButtons());
}

QWidget* ResultWindow::buildDrawRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    txKai_ = digitBox(QStringLiteral("TxResultKai"), QStringLiteral("回"), 5, row);
    txDay_ = new QLineEdit(row);
    txDay_->setObjectName(QStringLiteral("TxResultDay"));
    txDay_->setAccessibleName(QStringLiteral("抽選日"));
    txDay_->setAlignment(Qt::AlignCenter);
    txDay_->setFixedWidth(textWidth(txDay_, QStringLiteral("0000/00/00")));
    QLabel* day = label("LbResultDay", QStringLiteral("抽選日"), row);
    day->setBuddy(txDay_);
    layout->addWidget(label("LbResultKai1", QStringLiteral("第"), row));
    layout->addWidget(txKai_);
    layout->addWidget(label("LbResultKai2", QStringLiteral("回"), row));
    layout->addStretch();
    layout->addWidget(day);
    layout->addWidget(txDay_);
    return row;
}

QWidget* ResultWindow::buildNumberRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label("LbResultNum", QStringLiteral("本数字"), row));
    for (int k = 0; k < 6; ++k) {
        txNum_[static_cast<std::size_t>(k)] =
            digitBox(indexedName("TxNum", k), QStringLiteral("本数字%1").arg(k + 1), 2, row);
        layout->addWidget(txNum_[static_cast<std::size_t>(k)]);
    }
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(label("LbResultBonus", QStringLiteral("ボーナス数字"), row));
    txBonus_ = digitBox(QStringLiteral("TxBonus"), QStringLiteral("ボーナス数字"), 2, row);
    layout->addWidget(txBonus_);
    return row;
}

QWidget* ResultWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    comOk_ = new QPushButton(QStringLiteral("登録"), buttons);
    comOk_->setObjectName(QStringLiteral("ComResultOk"));
    comOk_->setDefault(true);
    comCancel_ = new QPushButton(QStringLiteral("キャンセル"), buttons);
    comCancel_->setObjectName(QStringLiteral("ComResultCancel"));
    connect(comOk_, &QPushButton::clicked, this, &ResultWindow::addDraw);
    connect(comCancel_, &QPushButton::clicked, this, &ResultWindow::unloadRequested);
    row->addStretch();
    row->addWidget(comOk_);
    row->addWidget(comCancel_);
    return buttons;
}

// The draw after the history's last, today; and a word when the data files came from
// elsewhere (a data update reaching another draw), since 登録 replaces them.
void ResultWindow::proposeDraw() {
    txDay_->setText(services_.clock.today().toString(QStringLiteral("yyyy/MM/dd")));
    std::vector<Draw> history;
    try {
        history = readDrawHistory(services_.folder.historyFile());
    } catch (const HistoryError&) {
        return;
    }
    const int last = history.back().number;
    txKai_->setText(QString::number(last + 1));
    const int data = dataFilesDraw(services_.folder);
    if (data != last) {
        note_->setText(
            QStringLiteral("今のデータファイルは第%1回まで、当選番号の履歴は第%2回までです。"
                           "登録すると、データファイルは履歴から計算し直したものに置き換わります。")
                .arg(data)
                .arg(last));
        note_->setVisible(true);
    }
}

void ResultWindow::addDraw() {
    std::vector<Draw> history;
    try {
        history = readDrawHistory(services_.folder.historyFile());
    } catch (const HistoryError& error) {
        services_.prompter.warn(kAttentionTitle, historyFailureText(services_.folder, error));
        return;
    }
    DrawEntry entry{txKai_->text(), txDay_->text(), {}, txBonus_->text()};
    for (std::size_t k = 0; k < txNum_.size(); ++k) {
        entry.main[k] = txNum_[k]->text();
    }
    try {
        history.push_back(checkNewDraw(history, entry));
        replaceHistory(services_.folder, history);
    } catch (const DrawRefusal& refusal) {
        services_.prompter.warn(kAttentionTitle, refusal.text());
        return;
    } catch (const HistoryError& error) {
        services_.prompter.warn(kAttentionTitle, QString::fromStdString(error.what()));
        return;
    } catch (const RuntimeFault& fault) {
        services_.prompter.warn(
            kAttentionTitle,
            fileFaultMessage(
                QStringLiteral(
                    "当選番号を登録できませんでした。履歴とデータファイルは元のままです。"),
                fault));
        return;
    }
    emit unloadRequested();
    emit drawAdded(history.back().number);
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit unloadRequested();
}

void ResultWindow::keyPressEvent(QKeyEvent* event) {
    if (pressForWindowKey(event, this, comOk_, comCancel_)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
