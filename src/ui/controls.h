// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace kuji6 {

// Controls are found by their object names (tests, accessibility tools), so every window
// builds its named controls through these.

// The name of control `index` of an indexed set, e.g. "OpCose(1)".
QString indexedName(const char* name, int index);

QLabel* label(const char* name, const QString& text, QWidget* parent);
QGroupBox* frame(const char* name, const QString& caption, QWidget* parent);

// The width a box needs for `sample` in `widget`'s font, with room for the box's frame.
int textWidth(const QWidget* widget, const QString& sample);

// The width a box needs for `characters` digits of the widest digit.
int digitsWidth(const QWidget* widget, int characters);

// Enter and Escape as a dialog has them, for a key that reached `window` because its
// focused control did not use it: Enter presses the focused button, or else `enter`;
// Escape presses `escape` (either may be null). True when the key pressed a button.
bool pressForWindowKey(const QKeyEvent* key, const QWidget* window, QPushButton* enter,
                       QPushButton* escape);

}  // namespace kuji6
