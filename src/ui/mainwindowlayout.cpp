// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window and where they sit.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/version.h"
#include "engine/pageturns.h"
#include "ui/accessibility.h"
#include "ui/clickablelabel.h"
#include "ui/controls.h"
#include "ui/gaplabel.h"
#include "ui/keyfilter.h"
#include "ui/mainwindow.h"
#include "ui/systemfonts.h"
#include "ui/windowregistry.h"

namespace kuji6 {

namespace {

QLineEdit* textBox(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit* readOnlyBox(const char* name, QWidget* parent) {
    QLineEdit* box = textBox(name, {}, parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

// An editable combo box for whole numbers of up to `digits` digits: digits only, no
// completion, nothing typed is added to the list.
QComboBox* numberBox(const char* name, int digits, const QStringList& items, const QString& text,
                     QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumContentsLength(digits);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setEditText(text);
    DigitsOnlyFilter::install(box);
    return box;
}

// "組合せ A 2ページ目 3番目": the frame's caption alone is the same on both pages.
QString resultBoxName(const QString& frameCaption, int line, int position) {
    return QStringLiteral("%1 %2ページ目 %3番目")
        .arg(frameCaption)
        .arg(line / Sheet::kLinesPerPage + 1)
        .arg(position + 1);
}

QStringList numbersFrom(int first, int last, int step = 1) {
    QStringList items;
    for (int n = first; n <= last; n += step) {
        items << QString::number(n);
    }
    return items;
}

}  // namespace

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDrawHeader());
    left->addWidget(buildCourseFrame());
    left->addWidget(buildFavouriteFrame());
    left->addWidget(buildPurchaseFrame());
    left->addWidget(buildSettingsFrame());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(buildResultFrames());
    right->addWidget(buildPageControls());
    right->addWidget(buildCommentArea());
    right->addStretch();
    right->addWidget(buildAboutLine());

    columns->addLayout(left);
    columns->addSpacing(fontMetrics().height() / 2);
    columns->addLayout(right);
    setCentralWidget(central);
    // Tab goes on from the page buttons to the lines of the page they show; only filled
    // boxes take it (lineChanged).
    QWidget* previous = comNext_;
    for (const auto& line : tx_) {
        for (QLineEdit* box : line) {
            setTabOrder(previous, box);
            previous = box;
        }
    }
    // Every control has the size its contents need: the window keeps its natural size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* MainWindow::buildDrawHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    txkai_ = textBox("Txkai", {}, header);
    txkai_->setAlignment(Qt::AlignCenter);
    auto* label1 = new GapLabel(QStringLiteral("第　　　　回分予想"), txkai_, header);
    label1->label()->setObjectName(QStringLiteral("Label1"));
    txday_ = textBox("Txday", QStringLiteral("日付"), header);
    txday_->setAccessibleName(QStringLiteral("日付"));
    txday_->setAlignment(Qt::AlignCenter);
    row->addWidget(label1);
    row->addStretch();
    row->addWidget(txday_);
    return header;
}

QWidget* MainWindow::buildCourseFrame() {
    QGroupBox* box = frame("Frame2", QStringLiteral("どのコースになさいます？"), this);
    auto* grid = new QGridLayout(box);
    const std::array<QString, 3> captions{QStringLiteral("運だけコース　＝　組み合わせ別乱数抽出"),
                                          QStringLiteral("堅実コース　＝　7 to 6乱数抽出"),
                                          QStringLiteral("広範囲コース　＝　カード別データ抽出")};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(box);
        option->setObjectName(indexedName("OpCose", k));
        option->setAccessibleName(captions[static_cast<std::size_t>(k)]);
        auto* caption = new ClickableLabel(captions[static_cast<std::size_t>(k)], box);
        caption->setObjectName(QStringLiteral("Lb%1").arg(k + 1));
        caption->setBuddy(option);
        hideFromScreenReaders(caption);  // the option button has its text
        grid->addWidget(option, k, 0);
        grid->addWidget(caption, k, 1);
        opCose_[static_cast<std::size_t>(k)] = option;
        connect(option, &QRadioButton::clicked, this, [this, k] { selectCourse(courseAt(k)); });
        connect(caption, &ClickableLabel::clicked, this, [this, k] { selectCourse(courseAt(k)); });
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* MainWindow::buildFavouriteFrame() {
    QGroupBox* box = frame("Frame3", QStringLiteral("任意選択"), this);
    auto* row = new QHBoxLayout(box);
    cmbno_ = numberBox("Cmbno", 3, {}, {}, box);
    QLabel* hint = label("Lbcmb1", QStringLiteral("コレは！という数字を一つ選んでください"), box);
    nameComboBox(cmbno_, QStringLiteral("コレは！という数字"), {hint},
                 QStringLiteral("どの組合せにも入れる数字、1から43まで"));
    row->addWidget(cmbno_);
    row->addWidget(hint, 1);
    return box;
}

QWidget* MainWindow::buildPurchaseFrame() {
    QGroupBox* box = frame("Frame5", QStringLiteral("購入情報"), this);
    auto* grid = new QGridLayout(box);
    cmbkutisuu_ = numberBox("Cmbkutisuu", 3, numbersFrom(1, 10), QStringLiteral("1"), box);
    cmbkeizoku_ = numberBox("Cmbkeizoku", 3, numbersFrom(1, 5), QStringLiteral("1"), box);
    QLabel* units = label("Label7", QStringLiteral("各口数"), box);
    QLabel* draws = label("Label8", QStringLiteral("継続回数"), box);
    nameComboBox(cmbkutisuu_, units->text(), {units}, QStringLiteral("組合せひとつを何口買うか"));
    nameComboBox(cmbkeizoku_, draws->text(), {draws},
                 QStringLiteral("同じ組合せを続けて買う回の数"));
    grid->addWidget(units, 0, 0);
    grid->addWidget(cmbkutisuu_, 0, 1);
    grid->addWidget(draws, 0, 2);
    grid->addWidget(cmbkeizoku_, 0, 3);
    grid->setColumnStretch(4, 1);

    cmbABC_ = numberBox("CmbABC", 3, numbersFrom(1, 5), QStringLiteral("1"), box);
    lbcmb2_ = new GapLabel(QStringLiteral("5通りまで買えます　　　　　　通り"), cmbABC_, box);
    lbcmb2_->label()->setObjectName(QStringLiteral("Lbcmb2"));
    nameComboBox(cmbABC_, QStringLiteral("組合せの数"), {lbcmb2_->label()},
                 QStringLiteral("予想する組合せの数、5通りまで"));
    grid->addWidget(lbcmb2_, 1, 0, 1, 5);

    txyosan_ = readOnlyBox("Txyosan", box);
    txyosan_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* total = new GapLabel(QStringLiteral("総額は　　　　　　　　円です"), txyosan_, box);
    total->label()->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(total, 2, 0, 1, 5);
    return box;
}

QWidget* MainWindow::buildSettingsFrame() {
    QGroupBox* box = frame("Frame1", QStringLiteral("設定してください"), this);
    auto* row = new QHBoxLayout(box);
    QGroupBox* limitFrame = frame("Frame4", QStringLiteral("乱数リミット"), box);
    // Unnamed, a frame is named after the frame around it.
    limitFrame->setAccessibleName(limitFrame->title());
    auto* limitRow = new QHBoxLayout(limitFrame);
    cmbRimit_ = numberBox("CmbRimit", 6,
                          {QStringLiteral("5000"), QStringLiteral("10000"), QStringLiteral("15000"),
                           QStringLiteral("20000"), QStringLiteral("30000"),
                           QStringLiteral("40000"), QStringLiteral("50000")},
                          QStringLiteral("20000"), limitFrame);
    QLabel* times = label("Label10", QStringLiteral("回"), limitFrame);
    nameComboBox(cmbRimit_, limitFrame->title(), {times},
                 QStringLiteral("乱数を引く回数の上限、超えると予想を打ち切ります"));
    limitRow->addWidget(cmbRimit_);
    limitRow->addWidget(times);

    comGO_ = new QPushButton(QStringLiteral("GO!"), box);
    comGO_->setObjectName(QStringLiteral("ComGO"));
    comGO_->setDefault(true);
    comGO_->setFont(larger(comGO_->font()));
    comGO_->setMinimumHeight(comGO_->sizeHint().height() * 3 / 2);
    connect(comGO_, &QPushButton::clicked, this, &MainWindow::startPrediction);

    command2_ = new QPushButton(QStringLiteral("法則設定"), box);
    command2_->setObjectName(QStringLiteral("Command2"));
    connect(command2_, &QPushButton::clicked, this, [this] { windows_.showRuleWindow(); });

    row->addWidget(limitFrame);
    row->addWidget(comGO_, 1);
    row->addWidget(command2_);
    return box;
}

QWidget* MainWindow::buildResultFrames() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    const QFont numberFont = larger(font());
    int numberWidth = 0;  // the same for all sixty boxes, measured on the first
    for (int k = 0; k < Sheet::kLinesPerPage; ++k) {
        QGroupBox* box = frame("", QStringLiteral("組合せ ") + QChar(u'A' + k), area);
        box->setObjectName(indexedName("FrameK", k));
        auto* row = new QHBoxLayout(box);
        // Half the usual space above and below the boxes: five frames in a column make the
        // window's height, which has to fit a small screen.
        const QMargins margins = row->contentsMargins();
        row->setContentsMargins(margins.left(), margins.top() / 2, margins.right(),
                                margins.bottom() / 2);
        // Line k of page 1 and line k + 5 of page 2 share the frame; one of them is shown.
        for (int line : {k, k + Sheet::kLinesPerPage}) {
            for (int n = 0; n < 6; ++n) {
                QLineEdit* number = readOnlyBox("", box);
                number->setObjectName(QStringLiteral("Tx%1(%2)").arg(n + 1).arg(line));
                number->setAccessibleName(resultBoxName(box->title(), line, n));
                number->setAlignment(Qt::AlignCenter);
                number->setFont(numberFont);
                if (numberWidth == 0) {
                    numberWidth = digitsWidth(number, 3);
                }
                number->setFixedWidth(numberWidth);
                row->addWidget(number);
                tx_[static_cast<std::size_t>(line)][static_cast<std::size_t>(n)] = number;
            }
        }
        row->addStretch();
        column->addWidget(box);
    }
    return area;
}

QWidget* MainWindow::buildPageControls() {
    auto* controls = new QWidget(this);
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    comPrv_ = new QPushButton(QStringLiteral("<"), controls);
    comPrv_->setObjectName(QStringLiteral("ComPrv"));
    comPrv_->setAccessibleName(QStringLiteral("前のページ"));
    comNext_ = new QPushButton(QStringLiteral(">"), controls);
    comNext_->setObjectName(QStringLiteral("ComNext"));
    comNext_->setAccessibleName(QStringLiteral("次のページ"));
    txPage_ = readOnlyBox("TxPage", controls);
    txPage_->setAccessibleName(QStringLiteral("ページ"));
    txPage_->setAlignment(Qt::AlignCenter);
    txPage_->setFixedWidth(textWidth(txPage_, QStringLiteral("00/0page")));
    for (QPushButton* button : {comPrv_, comNext_}) {
        button->setFixedWidth(button->sizeHint().height() * 2);
    }
    // A turn switches the buttons one at a time, for a moment both off; they are shown once
    // it is over, so that the focus stays on them.
    const auto turning = [this](QPushButton* button, auto turn) {
        connect(button, &QPushButton::clicked, this, [this, turn] {
            turningPage_ = true;
            turn(sheet_, services_.state);
            turningPage_ = false;
            showPageButtons();
        });
    };
    turning(comPrv_, turnToPreviousPage);
    turning(comNext_, turnToNextPage);
    row->addStretch();
    row->addWidget(comPrv_);
    row->addWidget(txPage_);
    row->addWidget(comNext_);
    row->addStretch();
    return controls;
}

QWidget* MainWindow::buildCommentArea() {
    // The comment and the run's progress bar take turns in the same place.
    auto* area = new QWidget(this);
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    text1_ = new QPlainTextEdit(QStringLiteral("買い目の最終判断はご自分で・・・"), area);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("コメント"));
    text1_->setReadOnly(true);
    // Read-only: no Tab stop, but a click still selects text to copy.
    text1_->setFocusPolicy(Qt::ClickFocus);
    text1_->setFixedHeight(text1_->fontMetrics().lineSpacing() * 3 + text1_->frameWidth() * 2 + 8);
    bar_ = new QProgressBar(area);
    bar_->setObjectName(QStringLiteral("Bar"));
    bar_->setAccessibleName(QStringLiteral("進行状況"));
    bar_->setVisible(false);
    // As often as a screen shows a new picture.
    constexpr int kFrameMs = 16;
    barFrame_.setSingleShot(true);
    barFrame_.setInterval(kFrameMs);
    connect(&barFrame_, &QTimer::timeout, this, &MainWindow::showProgressValue);
    stack->addWidget(text1_, 0, 0);
    stack->addWidget(bar_, 0, 0, Qt::AlignVCenter);
    area->setMinimumHeight(text1_->height());
    return area;
}

QWidget* MainWindow::buildAboutLine() {
    auto* about = new QWidget(this);
    auto* grid = new QGridLayout(about);
    grid->setContentsMargins(0, 0, 0, 0);
    QLabel* logo = label("Image1", {}, about);
    const int logoSize = logo->fontMetrics().height() * 3;
    hideFromScreenReaders(logo);
    logo->setPixmap(QIcon(QStringLiteral(":/org.example.kuji6.svg")).pixmap(logoSize, logoSize));
    grid->addWidget(logo, 0, 0, 2, 1);
    QLabel* name = label("Label3", QStringLiteral("Kuji6ぽむりん"), about);
    name->setFont(larger(name->font()));
    grid->addWidget(name, 0, 1);
    grid->addWidget(label("Label5", QStringLiteral("ver") + QStringLiteral(KUJI6_VERSION), about),
                    0, 2);
    grid->addWidget(label("Label6", QStringLiteral("Kuji6ぽむりん開発チーム"), about), 1, 1);
    QLabel* site = label("Label4", QStringLiteral("https://kuji6.example.org/"), about);
    site->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(site, 1, 2);
    grid->setColumnStretch(3, 1);
    return about;
}

}  // namespace kuji6
