// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/prompter.h"

namespace kuji6 {

// Message boxes and file dialogs on the screen, with Japanese button captions.
class QtPrompter final : public Prompter {
  public:
    MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                          MessageButtons buttons) override;
    std::optional<QString> saveFileName(const QString& proposedName,
                                        const QString& filter) override;
    std::optional<QString> openFileName(const QString& filter) override;
};

}  // namespace kuji6
