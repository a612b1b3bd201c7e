// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace kuji6 {

// fmColor: which numbers make up each of the seven groups A..G.
class GroupListWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GroupListWindow(QWidget* parent = nullptr);

    // "1, 8, 15, 22, 29, 36, 43" for group 1 (A).
    static QString membersOf(int group);

  protected:
    // Escape closes the window, as its close box does.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kuji6
