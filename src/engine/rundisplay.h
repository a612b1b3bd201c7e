// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kuji6 {

// A progress bar: range, value and whether it is shown.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressVisible(bool visible) = 0;
};

// What a prediction run shows in the main window besides the result sheet.
class RunDisplay : public ProgressSink {
  public:
    virtual void setBusy(bool busy) = 0;  // the busy mouse pointer
    virtual void setComment(const QString& text) = 0;
    virtual void setCommentVisible(bool visible) = 0;
    virtual void setTotalPrice(const QString& text) = 0;
    virtual void setSaveEnabled(bool enabled) = 0;
    virtual void setNextDraw(const QString& text) = 0;
};

// Back from the busy display: progress bar hidden, default pointer, comment shown.
void endBusyDisplay(RunDisplay& display);

}  // namespace kuji6
