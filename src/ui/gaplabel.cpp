// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gaplabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace kuji6 {

namespace {

constexpr QChar kIdeographicSpace = u'\u3000';

qsizetype gapIndex(const QString& text) {
    return text.indexOf(kIdeographicSpace);
}

qsizetype gapLength(const QString& text) {
    qsizetype end = gapIndex(text);
    while (end >= 0 && end < text.size() && text[end] == kIdeographicSpace) {
        ++end;
    }
    return end - gapIndex(text);
}

}  // namespace

GapLabel::GapLabel(const QString& caption, QWidget* field, QWidget* parent)
    : QWidget(parent), label_(new QLabel(caption, this)), field_(field) {
    field_->setParent(this);
    label_->setBuddy(field_);
    field_->setAccessibleName(caption.simplified().remove(kIdeographicSpace));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    placeField();
}

int GapLabel::gapStart() const {
    const QString text = label_->text();
    return label_->fontMetrics().horizontalAdvance(text.left(gapIndex(text)));
}

int GapLabel::gapWidth() const {
    const QString text = label_->text();
    return label_->fontMetrics().horizontalAdvance(text.mid(gapIndex(text), gapLength(text)));
}

QSize GapLabel::sizeHint() const {
    const QSize text = label_->sizeHint();
    const int height = std::max(text.height(), field_->sizeHint().height());
    return {text.width(), height};
}

void GapLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeField();
}

void GapLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        label_->setFont(font());
        updateGeometry();
        placeField();
    }
}

void GapLabel::placeField() {
    const QSize size = sizeHint();
    label_->setGeometry(0, 0, size.width(), size.height());
    const int fieldHeight = field_->sizeHint().height();
    field_->setGeometry(gapStart(), (size.height() - fieldHeight) / 2, gapWidth(), fieldHeight);
}

}  // namespace kuji6
