// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace kuji6 {

// The digits-only key filter of the numeric input boxes: typed digits and Backspace pass,
// every other typed character is dropped. Keys that type nothing (arrows, Delete, Tab) and
// shortcuts such as copy and paste are not typing and pass; pasted text is not filtered.
class DigitsOnlyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Filters the keys typed into `box` (a text box or an editable combo box).
    static void install(QWidget* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// For a list box that may only be changed by picking from its open list: keys that would
// change the choice in place (arrows, typed letters) are dropped; opening the list
// (Space, F4, Alt+Down), moving the focus and the window's Enter and Escape still work.
class ListOnlyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    static void install(QWidget* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Whether the typed character `code` passes the digits-only filter.
bool passesDigitsOnly(char16_t code);

}  // namespace kuji6
