// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-bench: the cost of the engine, the file readers and writers, in one run.
//
// Every course reports `draws` (the numbers a run counts in randomCount), `random` (every
// value taken from the random source, draw-rate dice included) and the time per each. Course runs
// include what every run pays once whatever it draws: the data files they reload and the progress
// sweep at the end; `setup/*` measures those alone, so that scripts/bench can also give the cost
// of the draw loop.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "benchdata.h"

#include "common/clock.h"
#include "datafiles/chainfiles.h"
#include "datafiles/demefile.h"
#include "engine/limiter.h"
#include "engine/luckcourse.h"
#include "engine/runcontext.h"
#include "engine/steadycourse.h"
#include "engine/widecourse.h"
#include "rules/rulerecord.h"
#include "sheets/predictionfile.h"
#include "update/updatefile.h"

namespace {

using namespace kuji6;
using benchdata::rulesOff;
using benchdata::strictRules;

// The program's source, counting every value it hands out: the courses draw dice for the
// draw-rate rule besides the numbers they count.
class CountingSource final : public RandomSource {
  public:
    float next() override {
        ++drawn;
        return source_.next();
    }
    qint64 drawn = 0;

  private:
    MersenneSource source_;
};

class NullDisplay final : public RunDisplay {
  public:
    void setProgressRange(int, int) override {}
    void setProgressValue(int value) override { benchmark::DoNotOptimize(value); }
    void setProgressVisible(bool) override {}
    void setBusy(bool) override {}
    void setComment(const QString&) override {}
    void setCommentVisible(bool) override {}
    void setTotalPrice(const QString&) override {}
    void setSaveEnabled(bool) override {}
    void setNextDraw(const QString&) override {}
};

class NullPrompter final : public Prompter {
  public:
    MessageAnswer message(MessageIcon, const QString&, const QString&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::optional<QString> saveFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&) override { return {}; }
};

class FixedRules final : public LiveRules {
  public:
    explicit FixedRules(RuleSettings settings) : settings_(std::move(settings)) {}
    RuleSettings current() override { return settings_; }
    void show() override {}
    void unload() override {}

  private:
    RuleSettings settings_;
};

class NullProgress final : public UpdateProgress {
  public:
    void setCaption(const QString&, bool) override {}
    int readValue() const override { return 0; }
    void setReadValue(int value) override { benchmark::DoNotOptimize(value); }
    int writeValue() const override { return 0; }
    void setWriteValue(int value) override { benchmark::DoNotOptimize(value); }
};

// A program folder with a copy of the shipped data.
class BenchFolder {
  public:
    BenchFolder() : folder_(dir_.path()) { benchdata::copyShippedData(dir_.path()); }
    const ProgramFolder& folder() const { return folder_; }
    QString path(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
    ProgramFolder folder_;
};

// Groups A and B left out and at most one number of group C, with the favourite in C: the
// wide-range course cannot find 25 numbers, and no rule contradicts another.
RuleSettings unsatisfiableRules() {
    RuleSettings rules = rulesOff();
    rules.method[0] = true;
    rules.sevenGroupOption[0] = true;
    rules.excludedGroup[0] = true;
    rules.excludedGroup[1] = true;
    return rules;
}

enum class Course { Luck, Steady, Wide };

struct CourseBench {
    BenchFolder dir;
    PredictionState state;
    CountingSource random;
    Sheet sheet;
    NullDisplay display;
    NullPrompter prompter;
    FixedRules rules;

    explicit CourseBench(RuleSettings settings) : rules(std::move(settings)) {}

    RunContext context() { return {state, random, sheet, display, prompter, rules, dir.folder()}; }
};

void runCourse(benchmark::State& bench, Course course, RuleSettings settings, Byte favourite) {
    CourseBench fixture(std::move(settings));
    RunContext run = fixture.context();
    qint64 draws = 0;
    for (auto _ : bench) {
        fixture.state.randomCount = 0;
        fixture.state.limiterTripped = 0;
        fixture.state.randomLimit = 50000;
        switch (course) {
            case Course::Luck:
                runLuckCourse(run, favourite, QStringLiteral("5"));
                break;
            case Course::Steady:
                runSteadyCourse(run, favourite);
                break;
            case Course::Wide:
                runWideCourse(run, favourite, QStringLiteral("5"));
                break;
        }
        draws += fixture.state.randomCount;
    }
    const auto random = static_cast<double>(fixture.random.drawn);
    bench.counters["draws"] =
        benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
    bench.counters["random"] = benchmark::Counter(random, benchmark::Counter::kAvgIterations);
    bench.counters["per_draw"] = benchmark::Counter(
        static_cast<double>(draws), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    bench.counters["per_random"] =
        benchmark::Counter(random, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One lottery number from the program's source, called as the engine calls it: through
// the source's interface.
void BM_RandomSource(benchmark::State& bench) {
    MersenneSource source;
    RandomSource* random = &source;
    benchmark::DoNotOptimize(random);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(lotteryNumber(random->next()));
    }
    bench.counters["per_draw"] =
        benchmark::Counter(static_cast<double>(bench.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RandomSource)->Name("random_source");

BENCHMARK_CAPTURE(runCourse, luck_5, Course::Luck, rulesOff(), Byte{7})->Name("course/luck_5");
BENCHMARK_CAPTURE(runCourse, steady_off, Course::Steady, rulesOff(), Byte{7})
    ->Name("course/steady_rules_off");
BENCHMARK_CAPTURE(runCourse, steady_strict, Course::Steady, strictRules(), Byte{7})
    ->Name("course/steady_strict");
BENCHMARK_CAPTURE(runCourse, wide_off, Course::Wide, rulesOff(), Byte{7})
    ->Name("course/wide_5_rules_off");
BENCHMARK_CAPTURE(runCourse, wide_strict, Course::Wide, strictRules(), Byte{7})
    ->Name("course/wide_5_strict");
BENCHMARK_CAPTURE(runCourse, unsatisfiable, Course::Wide, unsatisfiableRules(), Byte{3})
    ->Name("course/wide_5_unsatisfiable_limit_50000");

// What a steady run with the chain method, or any wide-range run, reloads before drawing.
void BM_CourseSetup(benchmark::State& bench) {
    BenchFolder dir;
    PredictionState state;
    for (auto _ : bench) {
        readDemeFile(state, dir.folder().demeFile());
        loadChainList(state, dir.folder(), [](const QString&) {});
    }
}
BENCHMARK(BM_CourseSetup)->Name("setup/data_files");

// What a steady run without the chain method reloads.
void BM_DrawHistorySetup(benchmark::State& bench) {
    BenchFolder dir;
    PredictionState state;
    for (auto _ : bench) {
        readDemeFile(state, dir.folder().demeFile());
    }
}
BENCHMARK(BM_DrawHistorySetup)->Name("setup/draw_history");

// The bar's sweep to the limit that ends every successful run, from where a short run leaves it.
void BM_ProgressSweep(benchmark::State& bench) {
    NullDisplay display;
    for (auto _ : bench) {
        sweepProgress(display, 50000, 0);
    }
}
BENCHMARK(BM_ProgressSweep)->Name("setup/progress_sweep");

void BM_StartupLoading(benchmark::State& bench) {
    BenchFolder dir;
    PredictionState state;
    for (auto _ : bench) {
        loadChainList(state, dir.folder(), [](const QString&) {});
        probeDemeFile(dir.folder().demeFile());
    }
}
BENCHMARK(BM_StartupLoading)->Name("files/startup_chain_ranking");

void BM_UpdateReadRewrite(benchmark::State& bench) {
    BenchFolder dir;
    PredictionState state;
    NullProgress progress;
    const QString update = QStringLiteral(KUJI6_SOURCE_DIR "/data/history/update.txt");
    for (auto _ : bench) {
        readUpdateFile(state, update, progress);
        writeDataFiles(state, dir.folder(), progress);
    }
}
BENCHMARK(BM_UpdateReadRewrite)->Name("files/update_read_and_rewrite");

void BM_PredictionSaveOpen(benchmark::State& bench) {
    BenchFolder dir;
    PredictionFileContents contents;
    for (std::size_t line = 0; line < 7; ++line) {
        contents.lines[line] = {QStringLiteral("3"),  QStringLiteral("7"),  QStringLiteral("12"),
                                QStringLiteral("19"), QStringLiteral("25"), QStringLiteral("33")};
    }
    contents.courseIndex = 1;
    const QString path = dir.path(QStringLiteral("2038回予想.txt"));
    const RuleSettings rules = strictRules();
    RuleRecord ruleBuffer;
    for (auto _ : bench) {
        savePredictionFile(path, rules, contents);
        benchmark::DoNotOptimize(loadPredictionFile(path, ruleBuffer));
    }
}
BENCHMARK(BM_PredictionSaveOpen)->Name("files/prediction_save_and_open");

}  // namespace

BENCHMARK_MAIN();
