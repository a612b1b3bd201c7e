// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program on the shipped data, fills in a prediction, presses GO! and saves a
// picture of the main window: kuji6-screenshot OUT.png [COURSE] [FAVOURITE] [COMBINATIONS].
// With "update" for COURSE it pictures the data update window and a progress window, with
// "others" the group list and a message box, with "stats" the statistics window.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/program.h"
#include "ui/windowregistry.h"
#include "update/httpfetch.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: kuji6-screenshot OUT.png [COURSE] [FAVOURITE] [COMBINATIONS]");
        return 2;
    }
    kuji6::Program running(
        kuji6::ProgramFolder(QApplication::applicationDirPath() + QStringLiteral("/..")),
        kuji6::updateUrl());
    kuji6::Application& program = running.application();
    program.start();
    kuji6::MainWindow* main = program.mainWindow();
    const auto besideOut = [&args](const char* suffix) {
        return QString(args[1]).replace(QStringLiteral(".png"), QLatin1String(suffix));
    };
    if (args.value(2) == QStringLiteral("others")) {
        // The group list, and a message box with a long path in it.
        main->findChild<QAction*>(QStringLiteral("MnColor"))->trigger();
        QTimer::singleShot(500, main, [&] {
            program.windows().groupList()->grab().save(args[1]);
            QTimer::singleShot(300, main, [&] {
                QApplication::activeModalWidget()->grab().save(besideOut("-message.png"));
                QApplication::exit(0);
            });
            kuji6::QtPrompter().warn(
                kuji6::kProgramTitle,
                QStringLiteral("予想ファイルを保存できませんでした。\n\nファイル: ") +
                    QDir::homePath() + QStringLiteral("/Documents/kuji6/predictions/") +
                    QStringLiteral("2038回予想-with-a-rather-long-name-for-a-file.txt") +
                    QStringLiteral("\n理由: No space left on device"));
        });
        return app.exec();
    }
    if (args.value(2) == QStringLiteral("stats")) {
        // The statistics window over the shipped data and history.
        main->findChild<QAction*>(QStringLiteral("MnStats"))->trigger();
        QTimer::singleShot(800, main, [&] {
            program.windows().stats()->grab().save(args[1]);
            program.windows().stats()->chartsImage().save(besideOut("-charts.png"));
            QApplication::exit(0);
        });
        return app.exec();
    }
    if (args.value(2) == QStringLiteral("update")) {
        // The data update window and a progress window, instead of a prediction.
        main->findChild<QAction*>(QStringLiteral("Mndata"))->trigger();
        kuji6::ProgressWindow& progress = program.windows().openProgressWindow();
        progress.setCaption(QStringLiteral("連鎖データの読み込み中・・・・"), true);
        progress.setReadValue(900);
        QTimer::singleShot(500, main, [&] {
            program.windows().existingUpdateWindow()->grab().save(args[1]);
            progress.grab().save(besideOut("-progress.png"));
            QApplication::exit(0);
        });
        return app.exec();
    }
    main->selectCourse(kuji6::courseAt(args.value(2, QStringLiteral("0")).toInt()));
    main->findChild<QComboBox*>(QStringLiteral("Cmbno"))
        ->setEditText(args.value(3, QStringLiteral("7")));
    main->findChild<QComboBox*>(QStringLiteral("CmbABC"))
        ->setEditText(args.value(4, QStringLiteral("5")));
    QTimer::singleShot(300, main, [&] {
        main->findChild<QPushButton*>(QStringLiteral("ComGO"))->click();
        QTimer::singleShot(300, main, [&] {
            main->grab().save(args[1]);
            // After a steady or wide-range run the rule settings are shown too.
            if (QWidget* rules = program.windows().existingRuleWindow()) {
                rules->grab().save(besideOut("-rules.png"));
            }
            QApplication::exit(0);
        });
    });
    return app.exec();
}
