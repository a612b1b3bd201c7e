// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "datafiles/hitcheck.h"

using namespace kuji6;

namespace {

// Draw: 3 8 15 22 29 41, bonus 10.
const std::array<Byte, 6> kMain{3, 8, 15, 22, 29, 41};
constexpr Byte kBonus = 10;

}  // namespace

class HitCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void tiers_data();
    void tiers();
};

void HitCheckTest::tiers_data() {
    QTest::addColumn<QList<int>>("line");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("marked");  // x where the place matched
    QTest::newRow("six") << QList<int>{3, 8, 15, 22, 29, 41} << "6個一致 1等"
                         << "xxxxxx";
    QTest::newRow("five and the bonus") << QList<int>{3, 8, 10, 15, 22, 29} << "5個一致 2等"
                                        << "xx.xxx";
    QTest::newRow("five") << QList<int>{3, 8, 15, 22, 29, 43} << "5個一致 3等"
                          << "xxxxx.";
    QTest::newRow("four and the bonus") << QList<int>{3, 8, 10, 15, 22, 43} << "4個一致 4等"
                                        << "xx.xx.";
    QTest::newRow("three") << QList<int>{1, 3, 8, 15, 42, 43} << "3個一致 5等"
                           << ".xxx..";
    QTest::newRow("two") << QList<int>{1, 2, 3, 8, 42, 43} << "2個一致 はずれ"
                         << "..xx..";
    QTest::newRow("bonus only") << QList<int>{1, 2, 10, 11, 12, 13} << "0個一致 はずれ"
                                << "......";
    QTest::newRow("no numbers") << QList<int>{0, 0, 0, 0, 0, 0} << "0個一致 はずれ"
                                << "......";
}

void HitCheckTest::tiers() {
    QFETCH(QList<int>, line);
    QFETCH(QString, shown);
    QFETCH(QString, marked);
    std::array<int, 6> values{};
    std::copy(line.begin(), line.end(), values.begin());
    const LineHit hit = checkLine(values, kMain, kBonus);
    QCOMPARE(hitText(hit), shown);
    QString places;
    for (bool m : hit.marked) {
        places += m ? u'x' : u'.';
    }
    QCOMPARE(places, marked);
}

QTEST_MAIN(HitCheckTest)
#include "tst_hitcheck.moc"
