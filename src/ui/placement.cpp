// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/placement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kuji6 {

namespace {

// The frame `window` will have. Before its first showing the window system has not told its
// frame yet; the anchor's decorations are the best guess, as both are top-level windows.
QSize frameSize(QWidget* window, const QWidget* anchor) {
    if (QLayout* layout = window->layout()) {
        layout->activate();
    }
    if (window->testAttribute(Qt::WA_WState_Created) &&
        window->frameGeometry().size() != window->size()) {
        return window->frameGeometry().size();
    }
    return window->size() + (anchor->frameGeometry().size() - anchor->size());
}

template <class Rule>
void place(QWidget* window, const QWidget* anchor, Rule rule) {
    if (!anchor || !anchor->isVisible()) {
        return;
    }
    const QRect screen = anchor->screen()->availableGeometry();
    window->move(rule(frameSize(window, anchor), anchor->frameGeometry(), screen).topLeft());
}

}  // namespace

QRect besideFrame(QSize size, const QRect& anchor, const QRect& screen) {
    const int roomRight = screen.right() - anchor.right();
    const int roomLeft = anchor.left() - screen.left();
    QRect frame({0, anchor.top()}, size);
    if (roomRight >= size.width()) {
        frame.moveLeft(anchor.right() + 1);
    } else if (roomLeft >= size.width()) {
        frame.moveRight(anchor.left() - 1);
    } else {
        frame.moveLeft(screen.left());
    }
    return onScreen(frame, screen);
}

QRect overFrame(QSize size, const QRect& anchor, const QRect& screen) {
    QRect frame({0, 0}, size);
    frame.moveCenter(anchor.center());
    return onScreen(frame, screen);
}

QRect onScreen(QRect frame, const QRect& screen) {
    // Past the right or bottom edge first, so that a frame larger than the screen keeps its
    // top edge, the title bar, on it.
    frame.moveRight(std::min(frame.right(), screen.right()));
    frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
    frame.moveLeft(std::max(frame.left(), screen.left()));
    frame.moveTop(std::max(frame.top(), screen.top()));
    return frame;
}

void placeBeside(QWidget* window, const QWidget* anchor) {
    place(window, anchor, besideFrame);
}

void placeOver(QWidget* window, const QWidget* anchor) {
    place(window, anchor, overFrame);
}

}  // namespace kuji6
