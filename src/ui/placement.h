// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace kuji6 {

// Where the secondary windows open: wholly on the screen, and beside the main window rather
// than over its results when the screen has room. Rectangles are window frames.

// A frame of `size` beside `anchor`: to its right, or else to its left, when that fits on
// `screen`; otherwise at the screen's left edge, over the anchor's left side, where the main
// window has its inputs and not its results. Its top is level with the anchor's.
QRect besideFrame(QSize size, const QRect& anchor, const QRect& screen);

// A frame of `size` centred over `anchor`.
QRect overFrame(QSize size, const QRect& anchor, const QRect& screen);

// The same frame moved, not resized, to lie on `screen` as far as it can.
QRect onScreen(QRect frame, const QRect& screen);

// Moves `window`, about to be shown, beside or over `anchor`, a window on the screen.
void placeBeside(QWidget* window, const QWidget* anchor);
void placeOver(QWidget* window, const QWidget* anchor);

}  // namespace kuji6
