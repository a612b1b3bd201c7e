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

  private:
    // The dialogs start where the user last picked a file, at first in the documents folder.
    QString startFolder() const;
    std::optional<QString> remember(const QString& path);

    QString lastFolder_;
};

}  // namespace kuji6
