// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/grouplistwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/accessibility.h"

namespace kuji6 {

GroupListWindow::GroupListWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("fmColor"));
    setWindowTitle(QStringLiteral("グループ一覧"));
    announceWindow(this, QAccessible::Window);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (int group = 1; group <= 7; ++group) {
        const QString letter(QChar(u'A' + group - 1));
        auto* frame = new QGroupBox(QStringLiteral("グループ") + letter, this);
        frame->setObjectName(QStringLiteral("Frame(%1)").arg(group - 1));
        auto* members = new QLabel(membersOf(group), frame);
        members->setObjectName(QStringLiteral("Label(%1)").arg(group - 1));
        members->setAccessibleName(frame->title() + u' ' + members->text());
        // Each list is a stop of Tab, to be read and copied from the keyboard too.
        members->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        members->setFocusPolicy(Qt::StrongFocus);
        if (group == 1) {
            members->setFocus(Qt::OtherFocusReason);  // where the focus is when it opens
        }
        (new QVBoxLayout(frame))->addWidget(members);
        // A on its own at the top, then the six-member groups two to a row.
        const int row = group == 1 ? 0 : (group) / 2;
        const int column = group == 1 ? 0 : group % 2;
        layout->addWidget(frame, row, column, 1, group == 1 ? 2 : 1);
    }
}

QString GroupListWindow::membersOf(int group) {
    QStringList numbers;
    for (int n = group; n <= 43; n += 7) {
        numbers << QString::number(n);
    }
    return numbers.join(QStringLiteral(", "));
}

void GroupListWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kuji6
