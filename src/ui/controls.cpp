// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kuji6 {

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* widget = new QLabel(text, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

int textWidth(const QWidget* widget, const QString& sample) {
    return widget->fontMetrics().horizontalAdvance(sample) + widget->fontMetrics().height();
}

int digitsWidth(const QWidget* widget, int characters) {
    return textWidth(widget, QString(characters, u'0'));
}

bool pressForWindowKey(const QKeyEvent* key, const QWidget* window, QPushButton* enter,
                       QPushButton* escape) {
    if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) {
        return false;
    }
    QPushButton* button = nullptr;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
        button = focused ? focused : enter;
    } else if (key->key() == Qt::Key_Escape) {
        button = escape;
    }
    if (!button || !button->isEnabled() || !button->isVisible()) {
        return false;
    }
    button->click();
    return true;
}

}  // namespace kuji6
