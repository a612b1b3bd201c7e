// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QWidget>

namespace kuji6 {

// A caption with a run of ideographic spaces and an input box laid over that gap, read as
// one sentence: "第　　　　回分予想" with the draw number in the gap. The caption stays one
// label with its whole text; the box is kept over the gap whatever the font size.
class GapLabel : public QWidget {
    Q_OBJECT
  public:
    GapLabel(const QString& caption, QWidget* field, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QWidget* field() const { return field_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Where the gap starts and how wide it is, in the label's font.
    int gapStart() const;
    int gapWidth() const;
    void placeField();

    QLabel* label_;
    QWidget* field_;
};

}  // namespace kuji6
