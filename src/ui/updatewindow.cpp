// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/updatewindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/keyfilter.h"
#include "ui/progresswindow.h"
#include "ui/windowregistry.h"
#include "update/dataupdate.h"

namespace kuji6 {

namespace {

const QString kNetwork = QStringLiteral("ネットワーク");
const QString kFile = QStringLiteral("ファイル");

}  // namespace

UpdateWindow::UpdateWindow(AppServices& services, WindowRegistry& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), windows_(windows) {
    setObjectName(QStringLiteral("fmUpdate"));
    setWindowTitle(QStringLiteral("データの更新"));
    announceWindow(this, QAccessible::Dialog);
    buildControls();
}

void UpdateWindow::buildControls() {
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(buildSourceFrame());

    auto* current = new QHBoxLayout;
    auto* kai = new QLineEdit(QString::number(services_.state.lastKai), this);
    kai->setObjectName(QStringLiteral("Txkai"));
    kai->setReadOnly(true);
    kai->setAlignment(Qt::AlignCenter);
    kai->setFixedWidth(digitsWidth(kai, 6));
    QLabel* before = label("Label3", QStringLiteral("現在のデータは"), this);
    before->setBuddy(kai);
    kai->setAccessibleName(QStringLiteral("現在のデータの回"));
    current->addWidget(before);
    current->addWidget(kai);
    current->addWidget(label("Label4", QStringLiteral("回までのデータです"), this));
    current->addStretch();
    column->addLayout(current);
    column->addWidget(
        label("LbComent", QStringLiteral("よろしければ更新ボタンを押して下さい"), this));
    column->addWidget(buildButtons());
}

QWidget* UpdateWindow::buildSourceFrame() {
    QGroupBox* sourceFrame = frame("Frame2", QStringLiteral("更新方法"), this);
    auto* grid = new QGridLayout(sourceFrame);
    QLabel* place = label("Label1", QStringLiteral("更新ファイルの場所"), sourceFrame);
    QLabel* from = label("Label2", QStringLiteral("からアップデート"), sourceFrame);
    grid->addWidget(place, 0, 0, 1, 3);
    cmbSel_ = new QComboBox(sourceFrame);
    cmbSel_->setObjectName(QStringLiteral("CmbSel"));
    nameComboBox(cmbSel_, place->text(), {place, from},
                 QStringLiteral("更新ファイルをネットワークから取るか、ファイルから読むか"));
    cmbSel_->addItems({kNetwork, kFile});
    cmbSel_->setCurrentIndex(1);
    ListOnlyFilter::install(cmbSel_);
    connect(cmbSel_, &QComboBox::activated, this, &UpdateWindow::switchMode);
    auto* source = new QHBoxLayout;
    source->addWidget(cmbSel_);
    source->addWidget(from);
    source->addStretch();
    grid->addLayout(source, 1, 0, 1, 3);

    txFilename_ = new QLineEdit(sourceFrame);
    txFilename_->setObjectName(QStringLiteral("TxFilename"));
    txFilename_->setAccessibleName(QStringLiteral("更新ファイル"));
    txFilename_->setMinimumWidth(txFilename_->fontMetrics().averageCharWidth() * 50);
    connect(txFilename_, &QLineEdit::textChanged, this, [this] {
        if (!networkMode()) {
            enableGo();
        }
    });
    comSansyo_ = new QPushButton(QStringLiteral("参照"), sourceFrame);
    comSansyo_->setObjectName(QStringLiteral("ComSansyo"));
    connect(comSansyo_, &QPushButton::clicked, this, &UpdateWindow::pickFile);
    grid->addWidget(txFilename_, 2, 0, 1, 2);
    grid->addWidget(comSansyo_, 2, 2);
    return sourceFrame;
}

QWidget* UpdateWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    comGo_ = new QPushButton(QStringLiteral("更新"), buttons);
    comGo_->setObjectName(QStringLiteral("ComGo"));
    comGo_->setEnabled(false);
    comGo_->setDefault(true);
    comCancel_ = new QPushButton(QStringLiteral("キャンセル"), buttons);
    comCancel_->setObjectName(QStringLiteral("ComCancel"));
    connect(comGo_, &QPushButton::clicked, this, &UpdateWindow::runUpdate);
    connect(comCancel_, &QPushButton::clicked, this, &UpdateWindow::unloadRequested);
    row->addStretch();
    row->addWidget(comGo_);
    row->addWidget(comCancel_);
    return buttons;
}

bool UpdateWindow::networkMode() const {
    return cmbSel_->currentText() == kNetwork;
}

void UpdateWindow::switchMode() {
    if (!networkMode()) {
        comSansyo_->setEnabled(true);
        txFilename_->setReadOnly(false);
        clearFileName();
        return;
    }
    comSansyo_->setEnabled(false);
    // In network mode the box shows where the fetch goes; it cannot be typed over.
    txFilename_->setReadOnly(true);
    txFilename_->setText(services_.updateUrl.toString());
    enableGo();
}

void UpdateWindow::pickFile() {
    enableGo();
    if (networkMode()) {
        return;
    }
    const std::optional<QString> path =
        services_.prompter.openFileName(QStringLiteral("Text(*txt)"));
    if (path) {
        txFilename_->setText(QDir::toNativeSeparators(*path));
    } else {
        clearFileName();
    }
}

void UpdateWindow::enableGo() {
    comGo_->setEnabled(true);
}

void UpdateWindow::clearFileName() {
    comGo_->setEnabled(false);
    const QSignalBlocker quiet(txFilename_);
    txFilename_->clear();
}

// The progress window is there for the whole update, every message included.
void UpdateWindow::runUpdate() {
    DataUpdateContext update{services_.prompter, windows_.openProgressWindow(), services_.folder,
                             services_.state, services_.updateUrl};
    update.showDownloadedFile = [this](const QString& path) { txFilename_->setText(path); };
    const bool over = runDataUpdate(
        update, networkMode() ? UpdateSource::Network : UpdateSource::File, txFilename_->text());
    windows_.unloadProgressWindow();
    if (over) {
        emit unloadRequested();
    }
}

void UpdateWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit unloadRequested();
}

void UpdateWindow::keyPressEvent(QKeyEvent* event) {
    if (pressForWindowKey(event, this, comGo_, comCancel_)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
