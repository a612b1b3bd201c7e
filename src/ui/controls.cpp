#include "ui/controls.h"

#include <QGroupBox>
#include <QLabel>

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

}  // namespace kuji6
