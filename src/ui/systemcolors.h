// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QWidget;

namespace kuji6 {

// The desktop colours the windows switch between, taken from the application palette.
enum class SystemColor {
    WindowBackground,  // the background of input boxes
    InactiveBorder,
    ButtonFace,
    GrayText,
    ButtonText,
};

QColor systemColor(SystemColor color);

// The text colour of a label or input box.
void setTextColor(QWidget* widget, SystemColor color);
// The background of an input box (for a combo box, of its edit field too).
void setBoxBackground(QWidget* widget, SystemColor color);

// Black or white, whichever contrasts more with `background` by relative luminance (the
// measure of the web's accessibility guidelines).
QColor readableTextOn(const QColor& background);

}  // namespace kuji6
