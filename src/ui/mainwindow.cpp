// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include "datafiles/chainfiles.h"
#include "engine/predictionrun.h"
#include "ui/controls.h"
#include "ui/drawimport.h"
#include "ui/gaplabel.h"
#include "ui/systemcolors.h"
#include "ui/windowregistry.h"

namespace kuji6 {

namespace {

QString startupFailureText(const RuntimeFault& fault) {
    // Start-up reads the chain data and writes the chain list.
    const QString headline = fault.kind() == FaultKind::FileUnwritable
                                 ? QStringLiteral("データファイルを書き込めませんでした。")
                                 : QStringLiteral("データファイルを読み込めませんでした。");
    return fileFaultMessage(headline, fault) +
           QStringLiteral("\n\n「コレは！という数字」の候補なしで続けます。");
}

}  // namespace

MainWindow::MainWindow(AppServices& services, WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), services_(services), windows_(windows) {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Kuji6ぽむりん"));
    buildControls();
    menu_ = buildMainMenu(this);
    connectMenu();
    sheet_.setObserver(this);
    pagesChanged();
    selectCourse(Course::Luck);
    loadChainData();
}

MainWindow::~MainWindow() {
    sheet_.setObserver(nullptr);
}

void MainWindow::loadChainData() {
    try {
        loadChainList(services_.state, services_.folder,
                      [this](const QString& next) { txkai_->setText(next); });
        fillFavouriteList();
    } catch (const RuntimeFault& fault) {
        services_.prompter.warn(kProgramTitle, startupFailureText(fault));
    }
    txday_->setText(QLocale::system().toString(services_.clock.today(), QLocale::ShortFormat));
}

void MainWindow::fillFavouriteList() {
    for (int i = 1; i <= 10; ++i) {
        cmbno_->addItem(QString::number(services_.state.rensaTable[i]));
    }
    // The list offers the chain list; the box itself stays empty until the user picks.
    cmbno_->setCurrentIndex(-1);
}

void MainWindow::selectCourse(Course course) {
    opCose_[static_cast<std::size_t>(courseIndex(course))]->setChecked(true);
    const bool steady = course == Course::Steady;
    cmbABC_->setEnabled(!steady);
    setBoxBackground(cmbABC_, steady ? SystemColor::ButtonFace : SystemColor::WindowBackground);
    setTextColor(lbcmb2_->label(), steady ? SystemColor::GrayText : SystemColor::ButtonText);
    // The luck course uses no rules.
    command2_->setEnabled(course != Course::Luck);
    menu_.rules->setEnabled(course != Course::Luck);
}

Course MainWindow::selectedCourse() const {
    for (std::size_t k = 0; k < opCose_.size(); ++k) {
        if (opCose_[k]->isChecked()) {
            return courseAt(static_cast<int>(k));
        }
    }
    return Course::Wide;
}

void MainWindow::startPrediction() {
    const RunInputs inputs{cmbRimit_->currentText(),   cmbno_->currentText(),
                           cmbABC_->currentText(),     cmbkutisuu_->currentText(),
                           cmbkeizoku_->currentText(), selectedCourse()};
    RunContext run{services_.state,    services_.random, sheet_,          *this,
                   services_.prompter, windows_.rules(), services_.folder};
    startRun(run, services_.clock, inputs);
}

void MainWindow::connectMenu() {
    connect(menu_.back, &QAction::triggered, this, &MainWindow::backToPredictionMode);
    connect(menu_.quit, &QAction::triggered, this, &MainWindow::quitRequested);
    connect(menu_.save, &QAction::triggered, this, &MainWindow::savePrediction);
    connect(menu_.open, &QAction::triggered, this, &MainWindow::openPrediction);
    connect(menu_.groups, &QAction::triggered, this, [this] { windows_.showGroupList(); });
    connect(menu_.stats, &QAction::triggered, this, [this] { windows_.showStats(); });
    connect(menu_.rules, &QAction::triggered, this, [this] { windows_.showRuleWindow(); });
    connect(menu_.update, &QAction::triggered, this, [this] {
        windows_.showUpdateWindow();
        placeBeforeUpdate_ = geometry().topLeft();
        hide();
    });
    connect(menu_.result, &QAction::triggered, this, [this] { windows_.showResultWindow(); });
    connect(menu_.import, &QAction::triggered, this, &MainWindow::importDraws);
    connect(menu_.check, &QAction::triggered, this, [this] { windows_.showCheckWindow(*this); });
    connect(&windows_, &WindowRegistry::drawAdded, this, &MainWindow::drawAdded);
    // Whichever way the update window goes, this window comes back where it was.
    connect(&windows_, &WindowRegistry::updateWindowEnded, this, &MainWindow::comeBack);
}

void MainWindow::comeBack() {
    // Shown again without a place of its own, the window manager would choose a new one;
    // moving the widget to where Qt already has it would not give it one.
    if (QWindow* handle = windowHandle()) {
        handle->setPosition(placeBeforeUpdate_);
    }
    show();
}

void MainWindow::drawAdded(int number) {
    reloadChainList();
    windows_.dataChanged();
    services_.prompter.inform(
        kProgramTitle, QStringLiteral("第%1回の当選番号を登録しました。次は第%2回の予想です。")
                           .arg(number)
                           .arg(txkai_->text()));
}

void MainWindow::importDraws() {
    if (importDrawFile(services_)) {
        reloadChainList();
        windows_.dataChanged();
    }
}

void MainWindow::reloadChainList() {
    const QString favourite = cmbno_->currentText();
    cmbno_->clear();
    loadChainData();
    cmbno_->setEditText(favourite);
}

QString MainWindow::drawNumberText() const {
    return txkai_->text();
}

void MainWindow::markHits(const HitMarks& marks) {
    // Amber, which dark text reads well on (far above a contrast of 4.5:1).
    const QColor hit(0xFF, 0xD5, 0x4F);
    for (std::size_t line = 0; line < marks.size(); ++line) {
        for (std::size_t k = 0; k < 6; ++k) {
            QLineEdit* box = tx_[line][k];
            if (!marks[line][k]) {
                continue;
            }
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, hit);
            palette.setColor(QPalette::Text, readableTextOn(hit));
            box->setPalette(palette);
            box->setAccessibleDescription(QStringLiteral("当選番号と一致"));
        }
    }
}

void MainWindow::clearHitMarks() {
    for (auto& line : tx_) {
        for (QLineEdit* box : line) {
            if (!box->accessibleDescription().isEmpty()) {
                box->setPalette(QPalette());
                box->setAccessibleDescription({});
            }
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit quitRequested();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter in an input box presses GO!, as the default button of a dialog.
    if (pressForWindowKey(event, this, comGO_, nullptr)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::setProgressRange(int minimum, int maximum) {
    bar_->setRange(minimum, maximum);
    // A new range starts from its minimum: no frame shows where the last one ended.
    setProgressValue(minimum);
}

void MainWindow::setProgressValue(int value) {
    // A run gives the event loop no turn until it ends, and a sweep sets thousands of values
    // within one click. A shown bar is drawn at once by QProgressBar::setValue, so its value
    // waits for the next frame; a hidden one is not drawn and takes it at once.
    barValue_ = value;
    if (bar_->isHidden()) {
        showProgressValue();
    } else if (!barFrame_.isActive()) {
        barFrame_.start();
    }
}

void MainWindow::showProgressValue() {
    barFrame_.stop();
    bar_->setValue(barValue_);
}

void MainWindow::setProgressVisible(bool visible) {
    bar_->setVisible(visible);
    if (!visible) {
        showProgressValue();
    }
}

void MainWindow::setBusy(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void MainWindow::setComment(const QString& text) {
    text1_->setPlainText(text);
}
void MainWindow::setCommentVisible(bool visible) {
    text1_->setVisible(visible);
}
void MainWindow::setTotalPrice(const QString& text) {
    txyosan_->setText(text);
}
void MainWindow::setSaveEnabled(bool enabled) {
    menu_.save->setEnabled(enabled);
}
void MainWindow::setNextDraw(const QString& text) {
    txkai_->setText(text);
}

void MainWindow::lineChanged(int line) {
    // Marks belong to the sheet they were checked on.
    clearHitMarks();
    const Sheet::Line& numbers = sheet_.line(line);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        QLineEdit* box = tx_[static_cast<std::size_t>(line)][k];
        // Every run empties all ten lines first; most are empty already, and setText lays
        // the text out anew even when it stays the same.
        if (!numbers[k].isEmpty() || !box->text().isEmpty()) {
            box->setText(numbers[k]);
        }
        // A filled result box is a stop of Tab, to be read; it stays read-only.
        box->setFocusPolicy(numbers[k].isEmpty() ? Qt::ClickFocus : Qt::StrongFocus);
    }
}

void MainWindow::pagesChanged() {
    // The other page's lines are hidden before this page's are shown: for a moment each
    // frame would otherwise hold twelve boxes, and the window would grow to make room.
    const int firstShown = (sheet_.shownPage() - 1) * Sheet::kLinesPerPage;
    const auto shown = [firstShown](int line) {
        return line >= firstShown && line < firstShown + Sheet::kLinesPerPage;
    };
    for (bool visible : {false, true}) {
        for (int line = 0; line < Sheet::kLines; ++line) {
            if (shown(line) == visible) {
                for (QLineEdit* box : tx_[static_cast<std::size_t>(line)]) {
                    box->setVisible(visible);
                }
            }
        }
    }
    txPage_->setText(sheet_.pageText());
    if (!turningPage_) {
        showPageButtons();
    }
}

void MainWindow::showPageButtons() {
    const bool previous = sheet_.previousEnabled();
    const bool next = sheet_.nextEnabled();
    // A page button that disables itself hands the focus to the other one first: so that
    // Space turns the pages back and forth, and the focus neither falls to another control
    // nor is announced there on its way.
    comPrv_->setEnabled(comPrv_->isEnabled() || previous);
    comNext_->setEnabled(comNext_->isEnabled() || next);
    if (focusWidget() == comPrv_ && !previous && next) {
        comNext_->setFocus(Qt::TabFocusReason);
    } else if (focusWidget() == comNext_ && !next && previous) {
        comPrv_->setFocus(Qt::TabFocusReason);
    }
    comPrv_->setEnabled(previous);
    comNext_->setEnabled(next);
    // What the focus lands on says which page is shown.
    const QString shown = QStringLiteral("%1を表示中").arg(sheet_.pageText());
    for (QPushButton* button : {comPrv_, comNext_}) {
        button->setAccessibleDescription(shown);
    }
}

}  // namespace kuji6
