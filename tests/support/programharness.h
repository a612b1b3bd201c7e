// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "engine/state.h"
#include "fakes.h"
#include "programfolderfixture.h"
#include "rules/rulerecord.h"
#include "ui/application.h"
#include "update/httpfetch.h"

namespace kuji6::test {

// Input as the window system delivers it: a click at a control's place in its window, and
// keys to the window, which hands them to its focus widget as a real keyboard's are.
void clickOn(QWidget* control);
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(QWidget* window, const QString& latin1Text);
// The names of the controls Tab visits from the focus widget of `window`, once round.
QStringList tabStops(QWidget* window);

// The whole program with fakes at its seams, over a program folder with the shipped data.
struct ProgramHarness {
    ProgramFolderFixture dir;
    PredictionState state;
    ScriptedRandom random;
    FixedClock clock;
    FakePrompter prompter;
    RuleRecord ruleBuffer;
    QUrl updateUrl = kuji6::updateUrl();  // as the program takes it at its start
    std::unique_ptr<Application> app;

    void start() { start(dir.folder()); }
    // The program over another program folder, which must outlive it.
    void start(const ProgramFolder& folder);
    MainWindow* main() const { return app->mainWindow(); }
    WindowRegistry& windows() const { return app->windows(); }

    // A control of the main window by its name; a missing one ends the test program.
    template <class T = QWidget>
    T* control(const QString& name) const {
        return find<T>(main(), name);
    }
    QAction* menuItem(const QString& name) const { return control<QAction>(name); }

    // Result line `index` as "1 5 7 12 30 43", or "" when it is empty.
    QString line(int index) const;
    void setText(const QString& comboName, const QString& text) const;
    // The list of a combo box of the main window.
    QStringList items(const QString& comboName) const;
    void pressGo() const;

    template <class T = QWidget>
    static T* find(const QObject* parent, const QString& name) {
        T* object = parent->findChild<T*>(name);
        if (!object) {
            qFatal("no control %s", qPrintable(name));
        }
        return object;
    }
};

}  // namespace kuji6::test
