// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/predictionrun.h"

#include <QLocale>

#include "common/numbers.h"
#include "datafiles/demefile.h"
#include "engine/luckcourse.h"
#include "engine/steadycourse.h"
#include "engine/widecourse.h"

namespace kuji6 {

namespace {

constexpr qint32 kLimitAskedAbove = 100000;
constexpr double kPricePerLine = 200;
constexpr double kPricePerSteadyUnit = 1400;  // seven lines of 200 yen

// Asks before a limit that may keep the program busy for long; false when the user backs out.
bool confirmLimit(RunContext& run) {
    const MessageAnswer answer = run.prompter.message(
        MessageIcon::Warning,
        QStringLiteral("乱数リミット") + QString::number(run.state.randomLimit),
        QStringLiteral("フリーズする可能性があります。よろしいですか？"), MessageButtons::OkCancel);
    if (answer == MessageAnswer::Ok) {
        return true;
    }
    run.display.setComment(QStringLiteral("20000回がデフォルトです"));
    return false;
}

bool favouriteInRange(RunContext& run, double favourite) {
    if (favourite >= 1 && favourite <= 43) {
        return true;
    }
    run.prompter.warn(QStringLiteral("任意の数字"),
                      QStringLiteral("クジ６って１～４３までなんだよねぇ"));
    run.display.setComment(QStringLiteral("次はちゃんと選んでね"));
    return false;
}

bool excludedGroupsAllowed(RunContext& run) {
    if (run.rules.current().excludedGroupCount() <= 2) {
        return true;
    }
    run.prompter.warn(kAttentionTitle, QStringLiteral("除外する色は２個までです"));
    run.display.setComment(QStringLiteral("そんなに外したら選べないよ"));
    run.rules.show();
    return false;
}

void resetPages(Sheet& sheet) {
    showPage(sheet, 1);
    sheet.setNextEnabled(false);
    sheet.setPreviousEnabled(false);
    sheet.setPageText(QStringLiteral("1/1page"));
    clearResultLines(sheet);
}

// Moves the random sequence on by the clock, so that runs started one after the other do
// not begin at the same place.
void warmUp(RandomSource& random, int seconds) {
    for (int i = 0; i <= seconds; ++i) {
        random.next();
    }
}

void showBusy(RunDisplay& display, qint32 limit) {
    display.setBusy(true);
    display.setProgressRange(0, limit);
    display.setProgressVisible(true);
    display.setProgressValue(0);
    display.setCommentVisible(false);
}

void runCourse(RunContext& run, Course course, Byte favourite, const RunInputs& inputs) {
    switch (course) {
        case Course::Luck:
            runLuckCourse(run, favourite, inputs.combinations);
            return;
        case Course::Steady:
            runSteadyCourse(run, favourite);
            return;
        case Course::Wide:
            runWideCourse(run, favourite, inputs.combinations);
            return;
    }
}

void complete(RunContext& run, const RunInputs& inputs) {
    run.display.setComment(QString::number(run.state.randomCount) +
                           QStringLiteral("回乱数処理しました"));
    endBusyDisplay(run.display);
    run.display.setTotalPrice(formatPrice(purchasePrice(inputs)));
    run.display.setSaveEnabled(true);
}

void runSteps(RunContext& run, Clock& clock, const RunInputs& inputs) {
    PredictionState& state = run.state;
    state.randomCount = 0;
    state.limiterTripped = 0;
    state.runStatus = RunStatus::CarryOn;
    state.randomLimit = roundedFromText<qint32>(inputs.randomLimit);
    if (state.randomLimit > kLimitAskedAbove && !confirmLimit(run)) {
        return;
    }
    probeDemeFile(run.folder.demeFile());
    // The courses use this very number, so whatever was typed, a line never holds 44.
    const double favourite = floorFromText(inputs.favourite);
    if (!favouriteInRange(run, favourite) || !excludedGroupsAllowed(run)) {
        return;
    }
    resetPages(run.sheet);
    warmUp(run.random, clock.seconds());
    showBusy(run.display, state.randomLimit);
    runCourse(run, inputs.course, static_cast<Byte>(favourite), inputs);
    if (state.runStatus == RunStatus::Stop) {
        return;
    }
    complete(run, inputs);
}

void showRunError(RunContext& run) {
    run.prompter.warn(kAttentionTitle, QStringLiteral("入力条件にエラーがあります。"));
    endBusyDisplay(run.display);
    run.display.setComment(QStringLiteral("エラーが発生しました"));
    clearResultLines(run.sheet);
}

}  // namespace

void startRun(RunContext& run, Clock& clock, const RunInputs& inputs) {
    try {
        runSteps(run, clock, inputs);
    } catch (const RuntimeFault&) {
        // Only the run's own faults: a programming error must not pass for a wrong input.
        showRunError(run);
    }
}

double purchasePrice(const RunInputs& inputs) {
    const double units = numberFromText(inputs.units);
    if (inputs.course == Course::Steady) {
        return units * kPricePerSteadyUnit * numberFromText(inputs.consecutiveDraws);
    }
    return units * numberFromText(inputs.combinations) * numberFromText(inputs.consecutiveDraws) *
           kPricePerLine;
}

QString formatPrice(double yen) {
    return QString::number(yen, 'f', QLocale::FloatingPointShortest);
}

}  // namespace kuji6
