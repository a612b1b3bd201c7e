// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/progresswindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

#include "ui/accessibility.h"
#include "update/updatefile.h"

namespace kuji6 {

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("fmDialog"));
    setWindowTitle(QStringLiteral("kuji6ぽむりんUpdate"));
    announceWindow(this, QAccessible::Window);
    auto* grid = new QGridLayout(this);
    comment_ = new QLabel(QStringLiteral("準備中・・・"), this);
    comment_->setObjectName(QStringLiteral("LbComent"));
    grid->addWidget(comment_, 0, 0, 1, 2);
    read_ = addBar("BarRead", "ImRead", style()->standardIcon(QStyle::SP_DialogOpenButton),
                   QStringLiteral("読み込み"));
    write_ = addBar("BarWrite", "ImWrite", style()->standardIcon(QStyle::SP_DialogSaveButton),
                    QStringLiteral("書き込み"));
    setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("連鎖ファイルの書き込み中・・・・")) * 2);
}

QProgressBar* ProgressWindow::addBar(const char* name, const char* imageName, const QIcon& icon,
                                     const QString& accessibleName) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    auto* image = new QLabel(this);
    image->setObjectName(QLatin1String(imageName));
    image->setPixmap(icon.pixmap(32, 32));
    hideFromScreenReaders(image);  // the bar beside it has the name
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QLatin1String(name));
    bar->setAccessibleName(accessibleName);
    bar->setRange(0, kProgressMaximum);
    bar->setValue(0);
    grid->addWidget(image, row, 0);
    grid->addWidget(bar, row, 1);
    return bar;
}

void ProgressWindow::setCaption(const QString& caption, bool refresh) {
    comment_->setText(caption);
    if (refresh) {
        repaint();
    }
}

int ProgressWindow::readValue() const {
    return read_->value();
}
void ProgressWindow::setReadValue(int value) {
    read_->setValue(value);
}
int ProgressWindow::writeValue() const {
    return write_->value();
}
void ProgressWindow::setWriteValue(int value) {
    write_->setValue(value);
}

}  // namespace kuji6
