// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace kuji6 {

// A caption that acts on a click, like the option button it names.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kuji6
