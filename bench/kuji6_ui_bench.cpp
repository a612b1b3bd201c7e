// SPDX-License-Identifier: GPL-3.0-or-later

// kuji6-ui-bench: the program as a user meets it, without a screen.
//
//   kuji6-ui-bench startup   prints the wall-clock time (ns since the epoch) at which the
//                            main window is first shown, then ends
//   kuji6-ui-bench go N [luck]
//                            presses GO! N times for the steady course under strict rules
//                            (or the luck course, which uses no rules) at the default limit
//                            and prints each click's time in ms
//
// The program folder is a temporary copy of the shipped data; scripts/bench runs both modes.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

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

// Prints when the main window is first shown.
class ShownWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            std::printf("%lld\n", static_cast<long long>(wallClockNs()));
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

void pressGo(MainWindow* main, int clicks, bool luck) {
    main->selectCourse(luck ? Course::Luck : Course::Steady);
    main->findChild<QComboBox*>(QStringLiteral("Cmbno"))->setEditText(QStringLiteral("7"));
    auto* go = main->findChild<QPushButton*>(QStringLiteral("ComGO"));
    for (int i = 0; i < clicks; ++i) {
        QElapsedTimer timer;
        timer.start();
        go->click();
        std::printf("%.3f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    QTemporaryDir dir;
    prepareFolder(dir.path());
    Program running(ProgramFolder(dir.path()), updateUrl());
    Application& program = running.application();
    ShownWatcher watcher;
    const bool startup = args.value(1) == QStringLiteral("startup");
    program.start();
    if (startup) {
        program.mainWindow()->windowHandle()->installEventFilter(&watcher);
        return app.exec();
    }
    pressGo(program.mainWindow(), args.value(2, QStringLiteral("10")).toInt(),
            args.value(3) == QStringLiteral("luck"));
    return 0;
}
