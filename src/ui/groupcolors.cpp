// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/groupcolors.h"

#include <array>

namespace kuji6 {

QColor groupColor(int group) {
    static const std::array<QColor, 7> colors{
        QColor(255, 224, 192), QColor(255, 128, 0), QColor(255, 0, 0),   QColor(192, 0, 192),
        QColor(0, 0, 255),     QColor(0, 192, 0),   QColor(0, 255, 255),
    };
    if (group < 1 || group > 7) {
        return QColor(160, 160, 160);
    }
    return colors[static_cast<std::size_t>(group - 1)];
}

}  // namespace kuji6
