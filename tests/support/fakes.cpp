// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

namespace kuji6::test {

MessageAnswer FakePrompter::message(MessageIcon icon, const QString& title, const QString& text,
                                    MessageButtons buttons) {
    shown.append({icon, title, text, buttons});
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<QString> FakePrompter::saveFileName(const QString& proposedName,
                                                  const QString& filter) {
    proposedNames << proposedName;
    return nextFileAnswer(filter);
}

std::optional<QString> FakePrompter::openFileName(const QString& filter) {
    return nextFileAnswer(filter);
}

std::optional<QString> FakePrompter::nextFileAnswer(const QString& filter) {
    filters << filter;
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

QStringList FakePrompter::texts() const {
    QStringList result;
    for (const ShownMessage& message : shown) {
        result << message.text;
    }
    return result;
}

float ScriptedRandom::next() {
    if (values.empty()) {
        exhausted = true;
        return 0.0f;
    }
    const float value = values.front();
    values.pop_front();
    return value;
}

void ScriptedRandom::pushNumbers(const QList<int>& numbers) {
    for (int n : numbers) {
        values.push_back(valueForNumber(n));
    }
}

void ScriptedRandom::pushDice(std::initializer_list<int> dice) {
    for (int d : dice) {
        values.push_back(valueForDice(d));
    }
}

void ScriptedRandom::pushFiller(int count) {
    for (int i = 0; i < count; ++i) {
        values.push_back(0.0f);
    }
}

float valueForNumber(int n) {
    return (static_cast<float>(n) - 0.5f) / 43.0f;
}
float valueForDice(int d) {
    return (static_cast<float>(d) - 0.5f) / 100.0f;
}

void FakeDisplay::setProgressRange(int min, int max) {
    minimum = min;
    maximum = max;
}

void FakeDisplay::setProgressValue(int v) {
    value = v;
    values.append(v);
}

}  // namespace kuji6::test
