#include "ui/keyfilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace kuji6 {

namespace {

constexpr char16_t kBackspace = 8;

bool typesText(const QKeyEvent* key) {
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key->text().isEmpty() && !(key->modifiers() & shortcut) && key->key() != Qt::Key_Tab &&
           key->key() != Qt::Key_Backtab;
}

}  // namespace

bool passesDigitsOnly(char16_t code) {
    return (code >= u'0' && code <= u'9') || code == kBackspace;
}

void DigitsOnlyFilter::install(QWidget* box) {
    QWidget* target = box;
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit()) {
        target = combo->lineEdit();
    }
    // Text composed by an input method never arrives as key presses.
    target->setAttribute(Qt::WA_InputMethodEnabled, false);
    target->installEventFilter(new DigitsOnlyFilter(target));
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
        const bool movesFocus = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!opensList && !movesFocus) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kuji6
