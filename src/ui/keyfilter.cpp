// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyfilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace kuji6 {

namespace {

constexpr char16_t kBackspace = 8;

// A key that would put a character into the box. Enter, Escape, Tab and the like carry
// control characters; they are the window's keys and pass.
bool typesText(const QKeyEvent* key) {
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key->text().isEmpty() && key->text().front().isPrint() &&
           !(key->modifiers() & shortcut);
}

// A key that steps to another item of a closed list.
bool movesInList(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool passesDigitsOnly(char16_t code) {
    return (code >= u'0' && code <= u'9') || code == kBackspace;
}

void DigitsOnlyFilter::install(QWidget* box) {
    // The keyboard's keys arrive at the box itself: an editable combo box is the focus
    // widget and hands them to its line edit directly, past any filter of that edit.
    // Text composed by an input method never arrives as key presses.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new DigitsOnlyFilter(box));
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (typesText(key) && !passesDigitsOnly(key->text().front().unicode())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ListOnlyFilter::install(QWidget* box) {
    box->installEventFilter(new ListOnlyFilter(box));
}

bool ListOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool opensList = key->key() == Qt::Key_Space || key->key() == Qt::Key_F4 ||
                               (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier));
        if (!opensList && (movesInList(key) || typesText(key))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kuji6
