// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace kuji6 {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    const char16_t* caption;
    MessageAnswer answer;
};

std::vector<ButtonChoice> choicesFor(MessageButtons buttons) {
    const ButtonChoice ok{QMessageBox::Ok, u"OK", MessageAnswer::Ok};
    switch (buttons) {
        case MessageButtons::Ok:
            return {ok};
        case MessageButtons::OkCancel:
            return {ok, {QMessageBox::Cancel, u"キャンセル", MessageAnswer::Cancel}};
        case MessageButtons::YesNo:
            return {{QMessageBox::Yes, u"はい(&Y)", MessageAnswer::Yes},
                    {QMessageBox::No, u"いいえ(&N)", MessageAnswer::No}};
    }
    return {ok};
}

// The answer when the box is closed without a button: the safe one.
MessageAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
    }
    return MessageAnswer::Ok;
}

// The shown text may break after a path separator and inside an overlong name, so that a
// long path wraps instead of running past the edge of the box. Only the picture changes.
QString wrappableText(const QString& text) {
    constexpr QChar kZeroWidthSpace = u'\u200b';
    constexpr int kLongestUnbroken = 24;
    QString shown;
    int unbroken = 0;
    for (const QChar c : text) {
        shown += c;
        unbroken = c.isSpace() ? 0 : unbroken + 1;
        if (c == u'/' || c == u'\\' || unbroken >= kLongestUnbroken) {
            shown += kZeroWidthSpace;
            unbroken = 0;
        }
    }
    return shown;
}

// "txt" of "テキストファイル(*.txt)": what a name typed without an extension gets.
QString suffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
    return pattern.match(filter).captured(1);
}

}  // namespace

MessageAnswer QtPrompter::message(MessageIcon icon, const QString& title, const QString& text,
                                  MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    title, wrappableText(text), QMessageBox::NoButton, dialogParent());
    const std::vector<ButtonChoice> choices = choicesFor(buttons);
    for (const ButtonChoice& choice : choices) {
        box.addButton(choice.button)->setText(QString::fromUtf16(choice.caption));
    }
    box.setDefaultButton(choices.front().button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonChoice& choice : choices) {
        if (choice.button == pressed) {
            return choice.answer;
        }
    }
    return escapeAnswer(buttons);
}

std::optional<QString> QtPrompter::saveFileName(const QString& proposedName,
                                                const QString& filter) {
    QFileDialog dialog(dialogParent(), {}, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Saved without it, the file would be hidden by the open dialog's filter.
    dialog.setDefaultSuffix(suffixOf(filter));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

std::optional<QString> QtPrompter::openFileName(const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(dialogParent(), {}, {}, filter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

}  // namespace kuji6
