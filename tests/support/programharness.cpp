#include "programharness.h"

#include <QComboBox>

#include "ui/mainwindow.h"

namespace kuji6::test {

void ProgramHarness::start(const ProgramFolder& folder) {
    app = std::make_unique<Application>(
        AppServices{state, random, clock, prompter, folder, ruleBuffer});
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
