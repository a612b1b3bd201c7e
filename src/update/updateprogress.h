// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kuji6 {

// The progress window of a data update: a caption naming the step, and one bar for the
// records read and one for the records written.
class UpdateProgress {
  public:
    virtual ~UpdateProgress() = default;
    // Shows `caption`; with `refresh` the window is redrawn at once, before the next long step.
    virtual void setCaption(const QString& caption, bool refresh) = 0;
    virtual int readValue() const = 0;
    virtual void setReadValue(int value) = 0;
    virtual int writeValue() const = 0;
    virtual void setWriteValue(int value) = 0;
};

}  // namespace kuji6
