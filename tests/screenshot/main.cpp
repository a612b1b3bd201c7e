// Starts the program on the shipped data, fills in a prediction, presses GO! and saves a
// picture of the main window: kuji6-screenshot OUT.png [COURSE] [FAVOURITE] [COMBINATIONS].
// With "update" for COURSE it pictures the data update window and a progress window.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/program.h"
#include "ui/windowregistry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: kuji6-screenshot OUT.png [COURSE] [FAVOURITE] [COMBINATIONS]");
        return 2;
    }
    kuji6::Program running(
        kuji6::ProgramFolder(QApplication::applicationDirPath() + QStringLiteral("/..")));
    kuji6::Application& program = running.application();
    program.start();
    kuji6::MainWindow* main = program.mainWindow();
    if (args.value(2) == QStringLiteral("update")) {
        // The data update window and a progress window, instead of a prediction.
        main->findChild<QAction*>(QStringLiteral("Mndata"))->trigger();
        kuji6::ProgressWindow& progress = program.windows().openProgressWindow();
        progress.setCaption(QStringLiteral("連鎖データの読み込み中・・・・"), true);
        progress.setReadValue(900);
        QTimer::singleShot(500, main, [&] {
            program.windows().existingUpdateWindow()->grab().save(args[1]);
            progress.grab().save(
                QString(args[1]).replace(QStringLiteral(".png"), QStringLiteral("-progress.png")));
            QApplication::exit(0);
        });
        return app.exec();
    }
    main->selectCourse(args.value(2, QStringLiteral("0")).toInt());
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
                rules->grab().save(
                    QString(args[1]).replace(QStringLiteral(".png"), QStringLiteral("-rules.png")));
            }
            QApplication::exit(0);
        });
    });
    return app.exec();
}
