// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-ui-bench: the program as a user meets it, without a screen, beside the least a Qt
// program does the same way, so that each figure has a baseline from the same run.
//
//   kuji6-ui-bench prepare DIR
//                            makes DIR a program folder: the shipped data and strict rules
//   kuji6-ui-bench startup DIR
//                            starts the program on the folder DIR and prints the wall-clock
//                            time (ns since the epoch) at which the main window is first
//                            shown, then ends: a user's folder is there before the program
//                            starts, so making it counts in no start-up
//   kuji6-ui-bench hello     the same for a hello-world QWidget program
//   kuji6-ui-bench go N COURSE
//                            presses GO! N times for COURSE (luck, steady or wide) under
//                            strict rules, favourite 7, 5 combinations, at the default limit,
//                            and prints each click's time in ms
//   kuji6-ui-bench button N  the same for a QPushButton that does nothing
//
// Each clicking mode clicks once more before it measures, so that windows built on first use
// count in none of the figures. Under callgrind, --toggle-collect='*measuredClick*' counts the
// measured clicks alone, and --dump-before='*reportShown*' the start-up. The clicking modes work on
// a temporary program folder; scripts/bench runs all modes.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <optional>
#include <utility>

#include "benchdata.h"
#include "rules/rulerecord.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "update/httpfetch.h"

namespace {

using namespace kuji6;

qint64 wallClockNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The shipped data, and option.ini with 7色法 and all four options, the chain method and
// the draw rate 以上 20.
void prepareFolder(const QString& path) {
    benchdata::copyShippedData(path);
    saveOptionsFile(QDir(path).filePath(QStringLiteral("option.ini")), benchdata::strictRules());
}

// Out of line and named, for callgrind's --dump-before: what came before is the start-up.
[[gnu::noinline]] void reportShown() {
    std::printf("%lld\n", static_cast<long long>(wallClockNs()));
    std::fflush(stdout);
    QTimer::singleShot(0, [] { QApplication::exit(0); });
}

// Prints when `window` is first shown, and ends the program.
class ShownWatcher : public QObject {
  public:
    explicit ShownWatcher(QWidget* window) { window->windowHandle()->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!shown_ && event->type() == QEvent::Expose &&
            static_cast<QWindow*>(watched)->isExposed()) {
            shown_ = true;
            reportShown();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool shown_ = false;
};

// A left click at the middle of `button`, delivered to its window as the window system
// delivers one: the button is drawn pressed and released on the way, as for a user's click.
void click(QAbstractButton* button) {
    QWidget* window = button->window();
    const QPointF place = button->mapTo(window, QPointF(button->rect().center()));
    const QPointF global = window->mapToGlobal(place);
    for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, place, place, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(window->windowHandle(), &event);
    }
}

// Out of line and named, for callgrind's --toggle-collect.
[[gnu::noinline]] void measuredClick(QAbstractButton* button) {
    click(button);
}

// One click to warm up, then `clicks` clicks, each followed by a turn of the event loop that
// paints what it changed.
void clickTimes(QAbstractButton* button, int clicks) {
    click(button);
    QApplication::processEvents();
    for (int i = 0; i < clicks; ++i) {
        QElapsedTimer timer;
        timer.start();
        measuredClick(button);
        std::printf("%.4f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
}

std::optional<Course> courseNamed(const QString& name) {
    if (name == QStringLiteral("luck")) {
        return Course::Luck;
    }
    if (name == QStringLiteral("steady")) {
        return Course::Steady;
    }
    if (name == QStringLiteral("wide")) {
        return Course::Wide;
    }
    return std::nullopt;
}

int pressGo(MainWindow* main, int clicks, const QString& courseName) {
    const std::optional<Course> course = courseNamed(courseName);
    if (!course) {
        std::fprintf(stderr, "kuji6-ui-bench: no course %s\n", qPrintable(courseName));
        return 2;
    }
    main->selectCourse(*course);
    main->findChild<QComboBox*>(QStringLiteral("Cmbno"))->setEditText(QStringLiteral("7"));
    main->findChild<QComboBox*>(QStringLiteral("CmbABC"))->setEditText(QStringLiteral("5"));
    QApplication::processEvents();
    clickTimes(main->findChild<QPushButton*>(QStringLiteral("ComGO")), clicks);
    return 0;
}

// The whole of a hello-world program: one button, which does nothing when clicked.
int helloWorld(const QString& mode, int clicks) {
    QPushButton button(QStringLiteral("Hello, world!"));
    button.show();
    if (mode == QStringLiteral("hello")) {
        ShownWatcher watcher(&button);
        return QApplication::exec();
    }
    QApplication::processEvents();
    clickTimes(&button, clicks);
    return 0;
}

int startUp(const QString& folder) {
    Program running(ProgramFolder(folder), updateUrl());
    Application& program = running.application();
    program.start();
    ShownWatcher watcher(program.mainWindow());
    return QApplication::exec();
}

int clickGo(int clicks, const QString& course) {
    QTemporaryDir dir;
    prepareFolder(dir.path());
    Program running(ProgramFolder(dir.path()), updateUrl());
    Application& program = running.application();
    program.start();
    return pressGo(program.mainWindow(), clicks, course);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    const int clicks = args.value(2, QStringLiteral("10")).toInt();
    if (mode == QStringLiteral("hello") || mode == QStringLiteral("button")) {
        return helloWorld(mode, clicks);
    }
    if (mode == QStringLiteral("prepare") && args.size() == 3) {
        prepareFolder(args[2]);
        return 0;
    }
    if (mode == QStringLiteral("startup") && args.size() == 3) {
        return startUp(args[2]);
    }
    if (mode == QStringLiteral("go")) {
        return clickGo(clicks, args.value(3, QStringLiteral("steady")));
    }
    std::fprintf(stderr,
                 "usage: kuji6-ui-bench prepare DIR|startup DIR|hello|go N COURSE|button N\n");
    return 2;
}
