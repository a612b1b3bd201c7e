// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/clickablelabel.h"

#include <QMouseEvent>

namespace kuji6 {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace kuji6
