// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QString>
#include <initializer_list>

class QComboBox;
class QLabel;
class QWidget;

namespace kuji6 {

// What a screen reader hears of a window, beyond the names set with setAccessibleName.
// Each window calls these as it builds its controls, before it is shown.

// Gives `window` a role of its own, QAccessible::Dialog or QAccessible::Window, with its title
// as its name: a plain widget made a window is otherwise announced as an anonymous filler.
void announceWindow(QWidget* window, QAccessible::Role role);

// Names a combo box. Qt on Linux reports a combo box's value as its name, so what names it
// reaches a screen reader by the label relation and the description: each of `labels`
// becomes a label of the box (they must have the box's parent, where Qt looks for them),
// and `description` says what the box is for. `name` stays the name on other systems.
void nameComboBox(QComboBox* box, const QString& name, std::initializer_list<QLabel*> labels,
                  const QString& description);

// Leaves `decoration` out of the accessibility tree: a separator line, a picture, or a
// caption that repeats the name of the control beside it (give that control the name, and
// make the caption its buddy if it is a label). Its parent no longer lists it.
void hideFromScreenReaders(QWidget* decoration);

}  // namespace kuji6
