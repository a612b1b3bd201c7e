// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <optional>

#include "common/programfolder.h"
#include "common/version.h"
#include "ui/program.h"
#include "update/httpfetch.h"

namespace {

const char* const kHelp =
    "使い方: kuji6 [--help] [--version]\n"
    "Kuji6ぽむりん: 6/43 ロトの買い目を提案するプログラムです。\n"
    "Kuji6ぽむりん proposes ticket numbers for a 6-of-43 lottery.\n"
    "\n"
    "  --help     この説明を表示して終了します (show this help and exit)\n"
    "  --version  バージョンを表示して終了します (show the version and exit)\n";

// The program's only options print and end before any window is made, so they work
// without a display.
std::optional<int> answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kuji6 %s\n", KUJI6_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

// The whole interface is Japanese, the standard dialogs included.
void loadJapaneseDialogs(QApplication& app, QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

kuji6::ProgramFolder programFolder() {
    const QString executableFolder = QApplication::applicationDirPath();
    return kuji6::locateProgramFolder(
        executableFolder, executableFolder + QStringLiteral("/" KUJI6_DATA_FROM_BIN),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title, and each title is the
    // window's own caption.
    app.setApplicationName(QStringLiteral("kuji6"));
    app.setApplicationVersion(QStringLiteral(KUJI6_VERSION));
    app.setDesktopFileName(QStringLiteral("org.example.kuji6"));
    app.setWindowIcon(QIcon(QStringLiteral(":/org.example.kuji6.svg")));
    // Going back to prediction mode replaces the main window; only quitting ends the program.
    app.setQuitOnLastWindowClosed(false);
    QTranslator translator;
    loadJapaneseDialogs(app, translator);

    kuji6::Program program(programFolder(), kuji6::updateUrl());
    // exit(), not quit(): quit() first asks the windows to close, and the main window answers
    // such a request by quitting the program itself.
    QObject::connect(&program.application(), &kuji6::Application::finished, &app,
                     [] { QApplication::exit(0); });
    program.application().start();
    return app.exec();
}
