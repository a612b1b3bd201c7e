// SPDX-License-Identifier: GPL-3.0-or-later

#include "programharness.h"

#include <QComboBox>

#include "ui/mainwindow.h"

namespace kuji6::test {

namespace {

QWindow* windowOf(QWidget* widget) {
    QWindow* handle = widget->window()->windowHandle();
    if (!handle) {
        qFatal("%s is not on the screen", qPrintable(widget->window()->objectName()));
    }
    return handle;
}

}  // namespace

void clickOn(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(windowOf(window), Qt::LeftButton, Qt::NoModifier,
                      control->mapTo(window, control->rect().center()));
}

void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(windowOf(window), key, modifiers);
}

void type(QWidget* window, const QString& latin1Text) {
    for (const QChar c : latin1Text) {
        QTest::keyClick(windowOf(window), c.toLatin1());
    }
}

QStringList tabStops(QWidget* window) {
    QStringList names;
    const QWidget* first = window->window()->focusWidget();
    do {
        press(window, Qt::Key_Tab);
        names << window->window()->focusWidget()->objectName();
    } while (window->window()->focusWidget() != first && names.size() < 50);
    return names;
}

void ProgramHarness::start(const ProgramFolder& folder) {
    app = std::make_unique<Application>(
        AppServices{state, random, clock, prompter, folder, ruleBuffer, updateUrl});
    app->start();
}

QString ProgramHarness::line(int index) const {
    QStringList numbers;
    for (int n = 1; n <= 6; ++n) {
        numbers << control<QLineEdit>(QStringLiteral("Tx%1(%2)").arg(n).arg(index))->text();
    }
    return numbers.join(u' ').trimmed();
}

void ProgramHarness::setText(const QString& comboName, const QString& text) const {
    control<QComboBox>(comboName)->setEditText(text);
}

QStringList ProgramHarness::items(const QString& comboName) const {
    const auto* box = control<QComboBox>(comboName);
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

void ProgramHarness::pressGo() const {
    QTest::mouseClick(control<QPushButton>(QStringLiteral("ComGO")), Qt::LeftButton);
}

}  // namespace kuji6::test
