#include "ui/systemcolors.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace kuji6 {

namespace {

// Sets `role` for every colour group, so a disabled box shows the colour it was given.
void setRole(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        setRole(combo->lineEdit(), role, color);
    }
}

}  // namespace

QColor systemColor(SystemColor color) {
    const QPalette palette = QApplication::palette();
    switch (color) {
        case SystemColor::WindowBackground:
            return palette.color(QPalette::Base);
        case SystemColor::InactiveBorder:
            return palette.color(QPalette::Inactive, QPalette::Window);
        case SystemColor::ButtonFace:
            return palette.color(QPalette::Button);
        case SystemColor::GrayText:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case SystemColor::ButtonText:
            return palette.color(QPalette::ButtonText);
    }
    return {};
}

void setTextColor(QWidget* widget, SystemColor color) {
    const QColor value = systemColor(color);
    setRole(widget, QPalette::WindowText, value);
    setRole(widget, QPalette::Text, value);
    setRole(widget, QPalette::ButtonText, value);
}

void setBoxBackground(QWidget* widget, SystemColor color) {
    const QColor value = systemColor(color);
    setRole(widget, QPalette::Base, value);
    setRole(widget, QPalette::Button, value);
}

}  // namespace kuji6
