// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/rulewindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/accessibility.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"
#include "ui/gaplabel.h"
#include "ui/groupcolors.h"
#include "ui/keyfilter.h"
#include "ui/systemcolors.h"
#include "ui/systemfonts.h"

namespace kuji6 {

namespace {

constexpr std::size_t kSevenGroup = static_cast<std::size_t>(Method::SevenGroup);
constexpr std::size_t kChain = static_cast<std::size_t>(Method::Chain);
constexpr std::size_t kDrawRate = static_cast<std::size_t>(Method::DrawRate);

const QString kPercentDescription = QStringLiteral("過去の出目率が何％の数字を優先するか");
const QString kDirectionDescription =
    QStringLiteral("その出目率以上と以下のどちらの数字を優先するか");
// The boxes of the draw-rate method stay usable while it is off; only their grey says so.
const QString kDrawRateOff = QStringLiteral("（出目確率法はオフです）");

// Shows `text` in an editable box; a box that shows it already is left alone, so that the
// cursor stays where the user types.
void showText(QComboBox* box, const QString& text) {
    if (box->currentText() != text) {
        box->setEditText(text);
    }
}

void showTicked(QCheckBox* box, bool ticked) {
    if (box->isChecked() != ticked) {
        box->setChecked(ticked);
    }
}

// A check box without a caption of its own and the label that names it; a click on the
// label works the box.
QCheckBox* captionedBox(const QString& name, QLabel* caption, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(caption->text());
    // The caption is the box's label; heard as a text of its own it would repeat the box.
    caption->setBuddy(box);
    hideFromScreenReaders(caption);
    if (auto* clickable = qobject_cast<ClickableLabel*>(caption)) {
        QObject::connect(clickable, &ClickableLabel::clicked, box, [box] {
            if (box->isEnabled()) {
                box->click();
            }
        });
    }
    return box;
}

ClickableLabel* caption(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFrame* separator(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    hideFromScreenReaders(line);
    return line;
}

// The group letters with their own colours: bold, larger, readable on their background.
const std::array<const char*, 7> kGroupLetterNames{"Label4",  "Label3",  "Label2", "Label9",
                                                   "Label10", "Label11", "Label12"};

QLabel* groupLetter(int index, QWidget* parent) {
    const QColor background = groupColor(index + 1);
    QLabel* label = caption(QLatin1String(kGroupLetterNames[static_cast<std::size_t>(index)]),
                            QString(QChar(u'A' + index)), parent);
    QFont font = larger(label->font());
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().height() * 3 / 2);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, readableTextOn(background));
    label->setPalette(palette);
    return label;
}

}  // namespace

RuleWindow::RuleWindow(LiveRuleRecord& rules, QWidget* parent)
    : QWidget(parent, Qt::Window), rules_(rules) {
    setObjectName(QStringLiteral("fmOp"));
    setWindowTitle(QStringLiteral("法則設定"));
    announceWindow(this, QAccessible::Dialog);
    buildControls();
    // The record was loaded before its window: a method it switches on has set the looks.
    const RuleSettings& settings = rules_.settings();
    methodSwitched_ =
        std::find(settings.method.begin(), settings.method.end(), true) != settings.method.end();
    showRecord();
    connect(&rules_, &LiveRuleRecord::changed, this, &RuleWindow::showRecord);
    connectEdits();
}

void RuleWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    QGroupBox* methods = frame("Frame1", QStringLiteral("採用法則"), this);
    auto* inside = new QVBoxLayout(methods);
    inside->addWidget(buildSevenGroupPart());
    inside->addWidget(separator("Line1", methods));
    inside->addWidget(buildExcludedGroups());
    inside->addWidget(separator("Line2", methods));
    for (std::size_t i : {kChain, kDrawRate}) {
        auto* row = new QHBoxLayout;
        QLabel* label = caption(
            i == kChain ? QStringLiteral("Label5") : QStringLiteral("Label6"),
            i == kChain ? QStringLiteral("連鎖抽出法") : QStringLiteral("出目確率法"), methods);
        chHo_[i] = captionedBox(indexedName("ChHo", static_cast<int>(i)), label, methods);
        row->addWidget(chHo_[i]);
        row->addWidget(label, 1);
        inside->addLayout(row);
    }
    inside->addWidget(buildDrawRateLine());
    column->addWidget(methods);
    column->addWidget(buildButtons());
}

// Every edit goes to the record at once; what the record changes comes back by showRecord.
void RuleWindow::connectEdits() {
    for (std::size_t i = 0; i < chHo_.size(); ++i) {
        connect(chHo_[i], &QCheckBox::clicked, this, [this, i](bool on) {
            methodSwitched_ = true;
            rules_.switchMethod(static_cast<Method>(i), on);
        });
    }
    for (std::size_t i = 0; i < ch7_.size(); ++i) {
        connect(ch7_[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
            rules_.setSevenGroupOption(static_cast<SevenGroupOption>(i), ticked);
        });
    }
    for (std::size_t i = 0; i < chout_.size(); ++i) {
        connect(chout_[i], &QCheckBox::toggled, this, [this, i](bool excluded) {
            rules_.setExcludedGroup(static_cast<int>(i), excluded);
        });
    }
    connect(cmbDeme_, &QComboBox::editTextChanged, &rules_, &LiveRuleRecord::setDrawRatePercent);
    connect(cmbUorD_, &QComboBox::editTextChanged, &rules_, &LiveRuleRecord::setDrawRateDirection);
    connect(comOk_, &QPushButton::clicked, &rules_, &LiveRuleRecord::confirm);
    connect(command2_, &QPushButton::clicked, &rules_, &LiveRuleRecord::unload);
}

QWidget* RuleWindow::buildSevenGroupPart() {
    auto* part = new QWidget(this);
    auto* grid = new QGridLayout(part);
    grid->setContentsMargins(0, 0, 0, 0);
    QLabel* label = caption(QStringLiteral("Label1"), QStringLiteral("7色法"), part);
    chHo_[kSevenGroup] =
        captionedBox(indexedName("ChHo", static_cast<int>(kSevenGroup)), label, part);
    auto* groupTable = new QPushButton(QStringLiteral("グループ表"), part);
    groupTable->setObjectName(QStringLiteral("Command1"));
    connect(groupTable, &QPushButton::clicked, this, &RuleWindow::groupListRequested);
    grid->addWidget(chHo_[kSevenGroup], 0, 0);
    grid->addWidget(label, 0, 1, 1, 2);
    grid->addWidget(groupTable, 0, 3);
    const std::array<QString, 4> options{
        QStringLiteral("グループCはシングル以下"), QStringLiteral("１グループ３個以下"),
        QStringLiteral("１ライン２～５色"), QStringLiteral("未出連帯率反映")};
    for (int i = 0; i < 4; ++i) {
        QLabel* optionLabel =
            caption(indexedName("Lb7", i), options[static_cast<std::size_t>(i)], part);
        ch7_[static_cast<std::size_t>(i)] = captionedBox(indexedName("Ch7", i), optionLabel, part);
        lb7_[static_cast<std::size_t>(i)] = optionLabel;
        grid->addWidget(ch7_[static_cast<std::size_t>(i)], i + 1, 1);
        grid->addWidget(optionLabel, i + 1, 2, 1, 2);
    }
    grid->setColumnMinimumWidth(0, chHo_[kSevenGroup]->sizeHint().width());
    grid->setColumnStretch(2, 1);
    return part;
}

QWidget* RuleWindow::buildExcludedGroups() {
    auto* part = new QWidget(this);
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);
    lab7_ = caption(QStringLiteral("Lab7"),
                    QStringLiteral("外したいグループがある場合はチェックしてください（２つまで）"),
                    part);
    column->addWidget(lab7_);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        QLabel* letter = groupLetter(i, part);
        chout_[static_cast<std::size_t>(i)] = captionedBox(indexedName("Chout", i), letter, part);
        chout_[static_cast<std::size_t>(i)]->setAccessibleName(QStringLiteral("グループ") +
                                                               letter->text());
        // A to D in the first row, E to G in the second.
        const int row = i / 4;
        const int column = (i % 4) * 2;
        grid->addWidget(chout_[static_cast<std::size_t>(i)], row, column, Qt::AlignRight);
        grid->addWidget(letter, row, column + 1);
    }
    grid->setColumnStretch(8, 1);
    column->addLayout(grid);
    return part;
}

QWidget* RuleWindow::buildDrawRateLine() {
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(line->fontMetrics().height() * 2, 0, 0, 0);
    cmbDeme_ = new QComboBox(line);
    cmbDeme_->setObjectName(QStringLiteral("CmbDeme"));
    cmbDeme_->setEditable(true);
    cmbDeme_->setInsertPolicy(QComboBox::NoInsert);
    cmbDeme_->setCompleter(nullptr);
    cmbDeme_->addItems(
        {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20")});
    cmbDeme_->setEditText(QStringLiteral("15"));
    DigitsOnlyFilter::install(cmbDeme_);
    auto* percentLine = new GapLabel(QStringLiteral("過去の出目率　　　　　％"), cmbDeme_, line);
    lbD1_ = percentLine->label();
    lbD1_->setObjectName(QStringLiteral("LbD1"));
    nameComboBox(cmbDeme_, QStringLiteral("過去の出目率"), {lbD1_}, kPercentDescription);

    cmbUorD_ = new QComboBox(line);
    cmbUorD_->setObjectName(QStringLiteral("CmbUorD"));
    cmbUorD_->setEditable(true);
    cmbUorD_->setInsertPolicy(QComboBox::NoInsert);
    cmbUorD_->setCompleter(nullptr);
    cmbUorD_->addItems({kAtOrAbove, kAtOrBelow});
    // The direction is only ever picked from the list.
    cmbUorD_->lineEdit()->setReadOnly(true);
    ListOnlyFilter::install(cmbUorD_);

    lbD2_ = label("LbD2", QStringLiteral("を優先"), line);
    nameComboBox(cmbUorD_, QStringLiteral("優先する向き"), {lbD2_}, kDirectionDescription);
    row->addWidget(percentLine);
    row->addWidget(cmbUorD_);
    row->addWidget(lbD2_);
    row->addStretch();
    return line;
}

QWidget* RuleWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    comOk_ = new QPushButton(QStringLiteral("設定"), buttons);
    comOk_->setObjectName(QStringLiteral("ComOk"));
    comOk_->setDefault(true);
    command2_ = new QPushButton(QStringLiteral("キャンセル"), buttons);
    command2_->setObjectName(QStringLiteral("Command2"));
    row->addStretch();
    row->addWidget(comOk_);
    row->addWidget(command2_);
    return buttons;
}

void RuleWindow::showRecord() {
    if (!rules_.isLoaded()) {
        return;  // unloaded: the window goes too
    }
    const RuleSettings& settings = rules_.settings();
    for (std::size_t i = 0; i < chHo_.size(); ++i) {
        showTicked(chHo_[i], settings.method[i]);
    }
    for (std::size_t i = 0; i < ch7_.size(); ++i) {
        showTicked(ch7_[i], settings.sevenGroupOption[i]);
    }
    for (std::size_t i = 0; i < chout_.size(); ++i) {
        showTicked(chout_[i], settings.excludedGroup[i]);
    }
    showText(cmbDeme_, settings.drawRatePercent);
    showText(cmbUorD_, settings.drawRateDirection);
    showLooks();
}

// The looks follow the method switches; until a method is switched the percentage box has a
// background of its own.
void RuleWindow::showLooks() {
    showSevenGroupLook(chHo_[kSevenGroup]->isChecked());
    showDrawRateLook(chHo_[kDrawRate]->isChecked());
    if (!methodSwitched_) {
        setBoxBackground(cmbDeme_, SystemColor::ButtonFace);
    }
}

void RuleWindow::showSevenGroupLook(bool on) {
    const SystemColor text = on ? SystemColor::ButtonText : SystemColor::GrayText;
    setTextColor(lab7_, text);
    for (std::size_t i = 0; i < ch7_.size(); ++i) {
        setTextColor(lb7_[i], text);
        ch7_[i]->setEnabled(on);
    }
    for (QCheckBox* box : chout_) {
        box->setEnabled(on);
    }
}

void RuleWindow::showDrawRateLook(bool on) {
    const SystemColor text = on ? SystemColor::ButtonText : SystemColor::GrayText;
    for (QWidget* widget : std::initializer_list<QWidget*>{lbD1_, lbD2_, cmbDeme_, cmbUorD_}) {
        setTextColor(widget, text);
    }
    for (QComboBox* box : {cmbDeme_, cmbUorD_}) {
        setBoxBackground(box, on ? SystemColor::WindowBackground : SystemColor::InactiveBorder);
    }
    const QString off = on ? QString() : kDrawRateOff;
    cmbDeme_->setAccessibleDescription(kPercentDescription + off);
    cmbUorD_->setAccessibleDescription(kDirectionDescription + off);
}

void RuleWindow::closeEvent(QCloseEvent* event) {
    // The close box discards the edits like キャンセル: the record goes, and the window with it.
    event->ignore();
    rules_.unload();
}

void RuleWindow::keyPressEvent(QKeyEvent* event) {
    if (pressForWindowKey(event, this, comOk_, command2_)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
