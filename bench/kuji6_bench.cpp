// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-bench: the cost of the engine, the file readers and writers, in one run.
//
// Every course reports `draws` (the numbers a run counts in randomCount), `random` (every
// value taken from the random source, draw-rate dice included) and the time per each. Course runs
// include what every run pays once whatever it draws: the data files they reload and the progress
// sweep at the end; `setup/*` measures those alone, so that scripts/bench can also give the cost
// of the draw loop.
//
// `kuji6-bench --instructions CASE`, run under callgrind, counts the instructions of the same
// cases instead of timing them: scripts/bench --instructions.

#include <benchmark/benchmark.h>

#include <valgrind/callgrind.h>

#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
    void fill(std::span<float> values) override {
        drawn += static_cast<qint64>(values.size());
        source_.fill(values);
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

// One piece of work measured again and again, by time or by instructions.
class Measured {
  public:
    virtual ~Measured() = default;
    virtual void once() = 0;
    // Values taken from a random source so far, and the draws the runs counted.
    virtual qint64 randomValues() const { return 0; }
    virtual qint64 draws() const { return 0; }
};

class CourseRun final : public Measured {
  public:
    CourseRun(Course course, RuleSettings settings, Byte favourite)
        : course_(course), favourite_(favourite), rules_(std::move(settings)) {}

    void once() override {
        state_.randomCount = 0;
        state_.limiterTripped = 0;
        state_.randomLimit = 50000;
        RunContext run{state_, random_, sheet_, display_, prompter_, rules_, dir_.folder()};
        switch (course_) {
            case Course::Luck:
                runLuckCourse(run, favourite_, QStringLiteral("5"));
                break;
            case Course::Steady:
                runSteadyCourse(run, favourite_);
                break;
            case Course::Wide:
                runWideCourse(run, favourite_, QStringLiteral("5"));
                break;
        }
        draws_ += state_.randomCount;
    }
    qint64 randomValues() const override { return random_.drawn; }
    qint64 draws() const override { return draws_; }

  private:
    Course course_;
    Byte favourite_;
    BenchFolder dir_;
    PredictionState state_;
    CountingSource random_;
    Sheet sheet_;
    NullDisplay display_;
    NullPrompter prompter_;
    FixedRules rules_;
    qint64 draws_ = 0;
};

// One lottery number from the program's source, called as the engine calls it: through
// the source's interface.
class BareSource final : public Measured {
  public:
    BareSource() { benchmark::DoNotOptimize(random_); }
    void once() override {
        benchmark::DoNotOptimize(lotteryNumber(random_->next()));
        ++taken_;
    }
    qint64 randomValues() const override { return taken_; }

  private:
    MersenneSource source_;
    RandomSource* random_ = &source_;
    qint64 taken_ = 0;
};

// What a steady run with the chain method, or any wide-range run, reloads before drawing;
// without `chainList`, what a steady run without the chain method reloads.
class CourseSetup final : public Measured {
  public:
    explicit CourseSetup(bool chainList) : chainList_(chainList) {}
    void once() override {
        readDemeFile(state_, dir_.folder().demeFile());
        if (chainList_) {
            loadChainList(state_, dir_.folder(), [](const QString&) {});
        }
    }

  private:
    bool chainList_;
    BenchFolder dir_;
    PredictionState state_;
};

// The bar's sweep to the limit that ends every successful run, from where a short run leaves it.
class ProgressSweep final : public Measured {
  public:
    void once() override { sweepProgress(display_, 50000, 0); }

  private:
    NullDisplay display_;
};

struct MeasuredCase {
    const char* name;
    std::function<std::unique_ptr<Measured>()> make;
    int instructionRuns;  // enough for a steady figure under callgrind, few enough to be quick
};

template <class T, class... Args>
std::function<std::unique_ptr<Measured>()> maker(Args... args) {
    return [=] { return std::make_unique<T>(args...); };
}

const std::vector<MeasuredCase>& measuredCases() {
    static const std::vector<MeasuredCase> cases = {
        {"random_source", maker<BareSource>(), 1000000},
        {"course/luck_5", maker<CourseRun>(Course::Luck, rulesOff(), Byte{7}), 2000},
        {"course/steady_rules_off", maker<CourseRun>(Course::Steady, rulesOff(), Byte{7}), 200},
        {"course/steady_strict", maker<CourseRun>(Course::Steady, strictRules(), Byte{7}), 100},
        {"course/wide_5_rules_off", maker<CourseRun>(Course::Wide, rulesOff(), Byte{7}), 100},
        {"course/wide_5_strict", maker<CourseRun>(Course::Wide, strictRules(), Byte{7}), 50},
        {"course/wide_5_unsatisfiable_limit_50000",
         maker<CourseRun>(Course::Wide, unsatisfiableRules(), Byte{3}), 5},
        {"setup/data_files", maker<CourseSetup>(true), 50},
        {"setup/draw_history", maker<CourseSetup>(false), 50},
        {"setup/progress_sweep", maker<ProgressSweep>(), 50},
    };
    return cases;
}

// `name` as an average per run, and the time per each as per_`name`.
void countPerRun(benchmark::State& bench, const std::string& name, qint64 count) {
    if (count == 0) {
        return;
    }
    const auto total = static_cast<double>(count);
    bench.counters[name] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
    bench.counters["per_" + name] =
        benchmark::Counter(total, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void timeCase(benchmark::State& bench, const MeasuredCase& measured) {
    const std::unique_ptr<Measured> work = measured.make();
    for (auto _ : bench) {
        work->once();
    }
    countPerRun(bench, "random", work->randomValues());
    countPerRun(bench, "draws", work->draws());
}

// Runs the case its set number of times with callgrind collecting only those runs (the
// program runs under --instr-atstart=no); prints the runs, the random values and the draws
// they took. One run first, outside the count, so that lazy set-up is not measured.
int countInstructions(const QString& name) {
    for (const MeasuredCase& measured : measuredCases()) {
        if (name != QLatin1String(measured.name)) {
            continue;
        }
        const std::unique_ptr<Measured> work = measured.make();
        work->once();
        const qint64 randomBefore = work->randomValues();
        const qint64 drawsBefore = work->draws();
        CALLGRIND_START_INSTRUMENTATION;
        for (int run = 0; run < measured.instructionRuns; ++run) {
            work->once();
        }
        CALLGRIND_STOP_INSTRUMENTATION;
        std::printf("%d %lld %lld\n", measured.instructionRuns,
                    static_cast<long long>(work->randomValues() - randomBefore),
                    static_cast<long long>(work->draws() - drawsBefore));
        return 0;
    }
    std::fprintf(stderr, "kuji6-bench: no case %s\n", qPrintable(name));
    return 2;
}

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

// kuji6-bench [Google Benchmark options], or kuji6-bench --instructions CASE under callgrind.
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--instructions") == 0) {
        return countInstructions(QString::fromUtf8(argv[2]));
    }
    for (const MeasuredCase& measured : measuredCases()) {
        benchmark::RegisterBenchmark(measured.name, timeCase, measured);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
