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
};

}  // namespace kuji6
