// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systemcolors.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
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

QColor readableTextOn(const QColor& background) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

}  // namespace kuji6
