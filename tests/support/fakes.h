// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stand-ins for the program's seams: a prompter that answers from a queue and records what
// it was asked, a scripted random source, a fixed clock, a recording run display and rule
// window.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

#include "common/clock.h"
#include "common/prompter.h"
#include "engine/random.h"
#include "engine/rundisplay.h"
#include "rules/liverules.h"
#include "update/updateprogress.h"

namespace kuji6::test {

struct ShownMessage {
    MessageIcon icon;
    QString title;
    QString text;
    MessageButtons buttons;
};

class FakePrompter final : public Prompter {
  public:
    // Answers in order; once they run out every message is answered with its first button
    // and every file dialog is cancelled.
    std::deque<MessageAnswer> answers;
    std::deque<QString> fileAnswers;  // a null text cancels the dialog
    QList<ShownMessage> shown;
    QStringList proposedNames;
    QStringList filters;

    MessageAnswer message(MessageIcon icon, const QString& title, const QString& text,
                          MessageButtons buttons) override;
    std::optional<QString> saveFileName(const QString& proposedName,
                                        const QString& filter) override;
    std::optional<QString> openFileName(const QString& filter) override;

    QStringList texts() const;

  private:
    std::optional<QString> nextFileAnswer(const QString& filter);
};

// Values in the order a test needs them. Running out is a test fault, recorded rather than
// thrown so that it cannot pass for an error of the program.
class ScriptedRandom final : public RandomSource {
  public:
    std::deque<float> values;
    bool exhausted = false;

    float next() override;

    void pushNumbers(const QList<int>& numbers);     // lottery numbers 1..43
    void pushDice(std::initializer_list<int> dice);  // dice values 1..100
    void pushFiller(int count);                      // draws whose value does not matter
};

// A value r in [0, 1) that the program turns into lottery number n, or into dice d.
float valueForNumber(int n);
float valueForDice(int d);

class FixedClock final : public Clock {
  public:
    int secondsValue = 0;
    QDate date{2001, 6, 10};
    int seconds() override { return secondsValue; }
    QDate today() override { return date; }
};

class FakeDisplay final : public RunDisplay {
  public:
    int minimum = 0;
    int maximum = 100;
    int value = 0;
    QList<int> values;  // every value the progress bar was given, in order
    bool progressVisible = false;
    bool busy = false;
    QString comment = QStringLiteral("買い目の最終判断はご自分で・・・");
    bool commentVisible = true;
    QString price;
    bool saveEnabled = false;
    QString nextDraw;

    void setProgressRange(int min, int max) override;
    void setProgressValue(int v) override;
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setBusy(bool b) override { busy = b; }
    void setComment(const QString& text) override { comment = text; }
    void setCommentVisible(bool visible) override { commentVisible = visible; }
    void setTotalPrice(const QString& text) override { price = text; }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void setNextDraw(const QString& text) override { nextDraw = text; }
};

class FakeRules final : public LiveRules {
  public:
    RuleSettings settings;
    int reads = 0;
    int shows = 0;
    int unloads = 0;

    RuleSettings current() override {
        ++reads;
        return settings;
    }
    void show() override { ++shows; }
    void unload() override { ++unloads; }
};

class FakeProgress final : public UpdateProgress {
  public:
    QStringList captions;  // each caption shown, with " (refreshed)" when redrawn at once
    int read = 0;
    int write = 0;

    void setCaption(const QString& caption, bool refresh) override {
        captions << caption + (refresh ? QStringLiteral(" (refreshed)") : QString());
    }
    int readValue() const override { return read; }
    void setReadValue(int value) override { read = value; }
    int writeValue() const override { return write; }
    void setWriteValue(int value) override { write = value; }
};

}  // namespace kuji6::test
