// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>

#include "common/course.h"
#include "engine/rundisplay.h"
#include "sheets/predictionfile.h"
#include "sheets/sheet.h"
#include "ui/appservices.h"
#include "ui/mainmenu.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kuji6 {

class GapLabel;
class WindowRegistry;

// Which numbers of each result line a check found in the draw.
using HitMarks = std::array<std::array<bool, 6>, Sheet::kLines>;

// The main window: the inputs of a prediction, GO, the result sheet five lines to a page,
// and the menus. It reads its controls, hands them to the engine and shows what comes back.
class MainWindow final : public QMainWindow, public RunDisplay, public SheetObserver {
    Q_OBJECT
  public:
    MainWindow(AppServices& services, WindowRegistry& windows, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Selects `course` and switches the controls that depend on it.
    void selectCourse(Course course);
    Course selectedCourse() const;

    const Sheet& sheet() const { return sheet_; }
    QString drawNumberText() const;  // Txkai
    // Marks the matched numbers in the result boxes until the sheet changes.
    void markHits(const HitMarks& marks);
    // The next draw and the chain list afresh from the data files, after they were made anew;
    // the sheet and the purchase inputs stay as they are.
    void reloadChainList();

  signals:
    void backToPredictionMode();
    void quitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // RunDisplay
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void setProgressVisible(bool visible) override;
    void showProgressValue();
    void setBusy(bool busy) override;
    void setComment(const QString& text) override;
    void setCommentVisible(bool visible) override;
    void setTotalPrice(const QString& text) override;
    void setSaveEnabled(bool enabled) override;
    void setNextDraw(const QString& text) override;

    // SheetObserver
    void lineChanged(int line) override;
    void pagesChanged() override;
    void showPageButtons();

    void buildControls();
    QWidget* buildDrawHeader();
    QWidget* buildCourseFrame();
    QWidget* buildFavouriteFrame();
    QWidget* buildPurchaseFrame();
    QWidget* buildSettingsFrame();
    QWidget* buildResultFrames();
    QWidget* buildPageControls();
    QWidget* buildCommentArea();
    QWidget* buildAboutLine();
    void connectMenu();
    void comeBack();  // after the data update
    void drawAdded(int number);
    void importDraws();
    void clearHitMarks();

    void loadChainData();  // the next draw and the favourite list, warning when unreadable
    void fillFavouriteList();
    void startPrediction();

    // Prediction files (mainwindowfiles.cpp).
    void savePrediction();
    void openPrediction();
    PredictionFileContents fileContents() const;
    void showFileContents(const PredictionFileContents& contents);
    // The luck course uses no rules: its prediction is shown without the rule window.
    void showRuleWindowFor(Course course);

    AppServices& services_;
    WindowRegistry& windows_;
    Sheet sheet_;
    MainMenu menu_;

    QLineEdit* txkai_ = nullptr;
    QLineEdit* txday_ = nullptr;
    std::array<QRadioButton*, 3> opCose_{};
    QComboBox* cmbno_ = nullptr;
    QLineEdit* txyosan_ = nullptr;
    QComboBox* cmbkutisuu_ = nullptr;
    QComboBox* cmbkeizoku_ = nullptr;
    QComboBox* cmbABC_ = nullptr;
    GapLabel* lbcmb2_ = nullptr;
    QComboBox* cmbRimit_ = nullptr;
    QPushButton* comGO_ = nullptr;
    QPushButton* command2_ = nullptr;
    std::array<std::array<QLineEdit*, 6>, Sheet::kLines> tx_{};
    QLineEdit* txPage_ = nullptr;
    QPushButton* comPrv_ = nullptr;
    QPushButton* comNext_ = nullptr;
    bool turningPage_ = false;  // while a page button turns the page
    QPlainTextEdit* text1_ = nullptr;
    QProgressBar* bar_ = nullptr;
    int barValue_ = 0;          // the newest value, which the bar shows from the next frame on
    QTimer barFrame_;           // until that frame
    QPoint placeBeforeUpdate_;  // of its contents, while the update window is open
};

}  // namespace kuji6
