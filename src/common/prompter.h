// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace kuji6 {

enum class MessageIcon { Information, Warning };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The titles of the program's message boxes.
inline const QString kProgramTitle = QStringLiteral("kuji6ぽむりん");
inline const QString kAttentionTitle = QStringLiteral("注意!");

// Every message box and file dialog of the program goes through here, so that what the
// user is asked and told can be checked without a screen.
class Prompter {
  public:
    virtual ~Prompter() = default;

    virtual MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                                  MessageButtons buttons) = 0;

    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> saveFileName(const QString& proposedName,
                                                const QString& filter) = 0;
    virtual std::optional<QString> openFileName(const QString& filter) = 0;

    void warn(const QString& title, const QString& text) {
        message(MessageIcon::Warning, title, text, MessageButtons::Ok);
    }
    void inform(const QString& title, const QString& text) {
        message(MessageIcon::Information, title, text, MessageButtons::Ok);
    }
};

}  // namespace kuji6
