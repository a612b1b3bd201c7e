// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "ui/placement.h"

using namespace kuji6;

class PlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void beside_data();
    void beside();
    void over_data();
    void over();
};

namespace {

const QRect kScreen(0, 0, 1366, 768);

}  // namespace

void PlacementTest::beside_data() {
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("room to the right")
        << QRect(10, 20, 700, 600) << QSize(450, 500) << QPoint(710, 20);
    QTest::newRow("room only to the left")
        << QRect(600, 20, 700, 600) << QSize(450, 500) << QPoint(150, 20);
    QTest::newRow("no room: over its left side")
        << QRect(300, 20, 1000, 600) << QSize(450, 500) << QPoint(0, 20);
    QTest::newRow("kept above the bottom edge")
        << QRect(10, 400, 700, 300) << QSize(450, 500) << QPoint(710, 268);
    QTest::newRow("larger than the screen: its top stays on it")
        << QRect(10, 20, 700, 600) << QSize(450, 900) << QPoint(710, 0);
}

void PlacementTest::beside() {
    QFETCH(QRect, anchor);
    QFETCH(QSize, size);
    QFETCH(QPoint, placed);
    QCOMPARE(besideFrame(size, anchor, kScreen), QRect(placed, size));
}

void PlacementTest::over_data() {
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("centred over it") << QRect(100, 100, 700, 600) << QPoint(200, 250);
    QTest::newRow("pushed back onto the screen") << QRect(-300, 500, 700, 600) << QPoint(0, 468);
}

void PlacementTest::over() {
    QFETCH(QRect, anchor);
    QFETCH(QPoint, placed);
    const QSize size(500, 300);
    QCOMPARE(overFrame(size, anchor, kScreen), QRect(placed, size));
}

QTEST_APPLESS_MAIN(PlacementTest)
#include "tst_placement.moc"
