// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>
#include <cmath>

#include "common/numbers.h"

using namespace kuji6;

class NumbersTest : public QObject {
    Q_OBJECT
  private slots:
    void numberFromText_data();
    void numberFromText();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void rangeChecks();
};

void NumbersTest::numberFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "12" << true << 12.0;
    QTest::newRow("blanks and sign") << " -3 " << true << -3.0;
    QTest::newRow("plus sign") << "+4" << true << 4.0;
    QTest::newRow("decimals") << "43.5" << true << 43.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "  " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("digits then letters") << "12a" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("thousands separator") << "1,000" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("full-width digits") << "１２" << false << 0.0;
}

void NumbersTest::numberFromText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    try {
        QCOMPARE(kuji6::numberFromText(text), value);
        QVERIFY(valid);
    } catch (const RuntimeFault& fault) {
        QVERIFY2(!valid, qPrintable(text));
        QCOMPARE(fault.kind(), FaultKind::TypeMismatch);
    }
}

void NumbersTest::roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("2.51") << 2.51 << 3.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("12.9") << 12.9 << 13.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("just below a half") << 0.49999999999999994 << 0.0;
    QTest::newRow("2^52 + 1") << 4503599627370497.0 << 4503599627370497.0;
    QTest::newRow("2^53 + 2") << 9007199254740994.0 << 9007199254740994.0;
    QTest::newRow("1e300") << 1e300 << 1e300;
}

void NumbersTest::roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void NumbersTest::rangeChecks() {
    QCOMPARE(roundedFromText<quint8>(QStringLiteral("254.5")), quint8{254});
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, roundedFromText<quint8>(QStringLiteral("255.5")));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, roundedFromText<quint8>(QStringLiteral("-0.6")));
    QCOMPARE(roundedFromText<qint32>(QStringLiteral("2147483647")), 2147483647);
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, roundedFromText<qint32>(QStringLiteral("2147483648")));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, fitted<qint16>(std::nan("")));
    QCOMPARE(fitted<qint16>(qint64{-32768}), qint16{-32768});
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, fitted<qint16>(qint64{32768}));
    QCOMPARE(floorFromText(QStringLiteral("43.9")), 43.0);
    QCOMPARE(floorFromText(QStringLiteral("-0.5")), -1.0);
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
