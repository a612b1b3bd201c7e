#include "programharness.h"

#include <QComboBox>

#include "ui/mainwindow.h"

namespace kuji6::test {

void ProgramHarness::start() {
    app = std::make_unique<Application>(
        AppServices{state, random, clock, prompter, dir.folder(), ruleBuffer});
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

void ProgramHarness::pressGo() const {
    QTest::mouseClick(control<QPushButton>(QStringLiteral("ComGO")), Qt::LeftButton);
}

}  // namespace kuji6::test
