// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainmenu.h"

#include <QMainWindow>
#include <QMenuBar>

namespace kuji6 {

namespace {

QMenu* addMenu(QMainWindow* window, const char* name, const QString& caption) {
    QMenu* menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool enabled = true) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

MainMenu buildMainMenu(QMainWindow* window) {
    MainMenu items;
    QMenu* file = addMenu(window, "MnFile", QStringLiteral("ファイル(&F)"));
    items.save = addItem(file, "MnSave", QStringLiteral("保存(&S)"), false);
    items.open = addItem(file, "MnOpen", QStringLiteral("開く(&O)"));
    addSeparator(file, "Mnbar1");
    items.back = addItem(file, "MnBack", QStringLiteral("予想モードに戻る(&B)"));
    addSeparator(file, "Mnbar2");
    items.quit = addItem(file, "MnQuit", QStringLiteral("kuji6ぽむりんの終了(&Q)"));

    QMenu* data = addMenu(window, "MnDT", QStringLiteral("データ(&D)"));
    items.update = addItem(data, "Mndata", QStringLiteral("更新(&U)"));
    items.result = addItem(data, "MnResult", QStringLiteral("当選番号の入力(&R)"));
    items.import = addItem(data, "MnImport", QStringLiteral("履歴の取り込み(&I)"));

    QMenu* view = addMenu(window, "MnHJ", QStringLiteral("表示(&V)"));
    items.rules = addItem(view, "MnOp", QStringLiteral("法則設定(&O)"), false);
    items.groups = addItem(view, "MnColor", QStringLiteral("グループ一覧(&G)"));
    items.stats = addItem(view, "MnStats", QStringLiteral("出目統計(&T)"));
    items.check = addItem(view, "MnCheck", QStringLiteral("当選確認(&C)"));
    return items;
}

}  // namespace kuji6
