// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QMainWindow;

namespace kuji6 {

// The main window's menu commands.
struct MainMenu {
    QAction* save = nullptr;    // MnSave
    QAction* open = nullptr;    // MnOpen
    QAction* back = nullptr;    // MnBack
    QAction* quit = nullptr;    // MnQuit
    QAction* update = nullptr;  // Mndata
    QAction* result = nullptr;  // MnResult
    QAction* import = nullptr;  // MnImport
    QAction* rules = nullptr;   // MnOp
    QAction* groups = nullptr;  // MnColor
    QAction* check = nullptr;   // MnCheck
    QAction* stats = nullptr;   // MnStats
};

// Builds the menu bar of `window` with every item in its initial state.
MainMenu buildMainMenu(QMainWindow* window);

}  // namespace kuji6
