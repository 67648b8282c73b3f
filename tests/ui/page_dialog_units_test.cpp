// SPDX-License-Identifier: MIT
// Template units to pixels, as the original platform maps a dialog template.
#include <QFontInfo>
#include <QStandardPaths>
#include <QTest>

#include "ui/dialog_units.h"

using keld::ui::DialogUnits;

class DialogUnitsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void mulDivRoundsHalvesAwayFromZero_data();
    void mulDivRoundsHalvesAwayFromZero();
    void rectangleConvertsEachNumberOnItsOwn();
    void dialogFontIsLiberationSansAtTwelvePixels();
};

void DialogUnitsTest::mulDivRoundsHalvesAwayFromZero_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 8 << 7 << 4 << 14;
    QTest::newRow("below a half") << 13 << 7 << 4 << 23;  // 22.75
    QTest::newRow("a half") << 1 << 6 << 4 << 2;          // 1.5
    QTest::newRow("minus a half") << -1 << 6 << 4 << -2;
    QTest::newRow("negative divisor") << 3 << 2 << -4 << -2;  // −1.5
    QTest::newRow("below a half, y") << 7 << 14 << 8 << 12;   // 12.25
    QTest::newRow("beyond 32 bits in between") << 2000000000 << 3 << 4 << 1500000000;
    QTest::newRow("no divisor") << 5 << 5 << 0 << -1;
}

void DialogUnitsTest::mulDivRoundsHalvesAwayFromZero() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, result);
    QCOMPARE(keld::ui::mulDiv(a, b, c), result);
}

// The "Compressor type" group box (13, 7, 112, 35) with base units 7 × 14:
// 22.75, 12.25, 196 and 61.25 pixels. Converting the right edge instead of
// the width would give 219 − 23 = 196 here but differ elsewhere, e.g. for
// (1, 0, 1, 0): 2 − 2 = 0 against a width of 2.
void DialogUnitsTest::rectangleConvertsEachNumberOnItsOwn() {
    const DialogUnits units(7, 14);
    QCOMPARE(units.rect(13, 7, 112, 35), QRect(23, 12, 196, 61));
    QCOMPARE(units.rect(1, 0, 1, 8), QRect(2, 0, 2, 14));
    QCOMPARE(units.size(528, 280), QSize(924, 490));
}

// "Arial" 9 of the templates is Liberation Sans at 12 pixels; its base units
// are the line height and the rounded mean width of the 52 letters.
void DialogUnitsTest::dialogFontIsLiberationSansAtTwelvePixels() {
    const QFont font = keld::ui::dialogFont();
    const QFontInfo shown(font);
    QCOMPARE(shown.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(shown.pixelSize(), 12);
    const DialogUnits units(font);
    const int letters = QFontMetrics(font).horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    QVERIFY(qAbs(units.baseX() * 52 - letters) <= 26);
    QCOMPARE(units.baseY(), QFontMetrics(font).height());
}

QTEST_MAIN(DialogUnitsTest)
#include "page_dialog_units_test.moc"
