// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the prediction shown in the main window, and opening a saved one for viewing.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/mainwindow.h"
#include "ui/windowregistry.h"

namespace kuji6 {

void MainWindow::savePrediction() {
    windows_.rules().load();
    const std::optional<QString> path =
        services_.prompter.saveFileName(proposedFileName(txkai_->text()), kPredictionFileFilter);
    if (!path) {
        return;
    }
    try {
        savePredictionFile(*path, windows_.rules().current(), fileContents());
    } catch (const RuntimeFault& fault) {
        services_.prompter.warn(
            kProgramTitle,
            fileFaultMessage(QStringLiteral("予想ファイルを保存できませんでした。"), fault));
        return;
    }
    showRuleWindowFor(selectedCourse());
}

void MainWindow::openPrediction() {
    menu_.save->setEnabled(false);
    windows_.rules().load();
    const std::optional<QString> path = services_.prompter.openFileName(kPredictionFileFilter);
    if (!path) {
        return;
    }
    comGO_->setEnabled(false);
    try {
        showFileContents(loadPredictionFile(*path, services_.ruleBuffer));
    } catch (const RuntimeFault&) {
        // The whole file is checked before anything is shown: the window is as it was.
        windows_.unloadRuleWindow();
        services_.prompter.inform(kProgramTitle, kNotAPredictionFile);
        comGO_->setEnabled(true);
    }
}

PredictionFileContents MainWindow::fileContents() const {
    PredictionFileContents contents;
    for (int line = 0; line < Sheet::kLines; ++line) {
        contents.lines[static_cast<std::size_t>(line)] = sheet_.line(line);
    }
    contents.drawNumber = txkai_->text();
    contents.date = txday_->text();
    contents.courseIndex = static_cast<qint16>(courseIndex(selectedCourse()));
    contents.favourite = cmbno_->currentText();
    contents.combinations = cmbABC_->currentText();
    contents.units = cmbkutisuu_->currentText();
    contents.consecutiveDraws = cmbkeizoku_->currentText();
    contents.randomLimit = cmbRimit_->currentText();
    return contents;
}

void MainWindow::showFileContents(const PredictionFileContents& contents) {
    for (int line = 0; line < Sheet::kLines; ++line) {
        sheet_.setLine(line, contents.lines[static_cast<std::size_t>(line)]);
    }
    txkai_->setText(contents.drawNumber);
    txday_->setText(contents.date);
    const Course course = courseAt(contents.courseIndex);
    selectCourse(course);
    cmbno_->setEditText(contents.favourite);
    cmbABC_->setEditText(contents.combinations);
    cmbkutisuu_->setEditText(contents.units);
    cmbkeizoku_->setEditText(contents.consecutiveDraws);
    cmbRimit_->setEditText(contents.randomLimit);
    // Only the steady course has a second page.
    const bool steady = course == Course::Steady;
    showPage(sheet_, 1);
    sheet_.setPageText(steady ? QStringLiteral("1/2page") : QStringLiteral("1/1page"));
    if (!steady) {
        sheet_.setNextEnabled(false);
        sheet_.setPreviousEnabled(false);
    }
    showRuleWindowFor(course);
}

void MainWindow::showRuleWindowFor(Course course) {
    if (course == Course::Luck) {
        windows_.unloadRuleWindow();
    } else {
        windows_.showRuleWindow();
    }
}

}  // namespace kuji6
