#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "common/clock.h"
#include "common/programfolder.h"
#include "engine/random.h"
#include "engine/state.h"
#include "ui/application.h"
#include "ui/qtprompter.h"

namespace {

// The whole interface is Japanese, the standard dialogs included.
void loadJapaneseDialogs(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kuji6"));
    app.setApplicationDisplayName(QStringLiteral("Kuji6ぽむりん"));
    // Going back to prediction mode replaces the main window; only quitting ends the program.
    app.setQuitOnLastWindowClosed(false);
    QTranslator translator;
    loadJapaneseDialogs(app, translator);

    const kuji6::ProgramFolder folder(QApplication::applicationDirPath());
    kuji6::PredictionState state;
    kuji6::MersenneSource random;
    kuji6::SystemClock clock;
    kuji6::QtPrompter prompter;
    kuji6::RuleRecord ruleBuffer;
    kuji6::Application program({state, random, clock, prompter, folder, ruleBuffer});
    // exit(), not quit(): quit() first asks the windows to close, and the main window answers
    // such a request by quitting the program itself.
    QObject::connect(&program, &kuji6::Application::finished, &app, [] { QApplication::exit(0); });
    program.start();
    return app.exec();
}
