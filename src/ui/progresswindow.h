// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "update/updateprogress.h"

class QLabel;
class QProgressBar;

namespace kuji6 {

// fmDialog: the progress of a data update, with the current step and one bar for reading
// and one for writing.
class ProgressWindow final : public QWidget, public UpdateProgress {
    Q_OBJECT
  public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void setCaption(const QString& caption, bool refresh) override;
    int readValue() const override;
    void setReadValue(int value) override;
    int writeValue() const override;
    void setWriteValue(int value) override;

  private:
    QProgressBar* addBar(const char* name, const char* imageName, const QIcon& icon,
                         const QString& accessibleName);

    QLabel* comment_ = nullptr;
    QProgressBar* read_ = nullptr;
    QProgressBar* write_ = nullptr;
};

}  // namespace kuji6
