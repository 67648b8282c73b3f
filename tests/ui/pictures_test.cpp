// SPDX-License-Identifier: MIT
// Every picture the windows cite by number is in the program.
#include "ui/controls/pictures.h"

#include <QStandardPaths>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void icons_data();
    void icons();
    void bitmaps_data();
    void bitmaps();
    void unknownNumbersGiveNothing();
};

void PicturesTest::icons_data() {
    QTest::addColumn<int>("number");
    for (int number : {128, 130, 131, 145, 147, 148}) QTest::addRow("icon %d", number) << number;
}

void PicturesTest::icons() {
    QFETCH(int, number);
    const QIcon icon = keld::ui::IconResource(number);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
}

void PicturesTest::bitmaps_data() {
    // Bitmaps are opaque: the transparent colour of each fills its corner,
    // except where the picture is a plate of its own (the lit minimise and
    // close buttons).
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("corner");
    const QColor black(0, 0, 0);
    const QColor red(255, 0, 0);
    QTest::newRow("134 Norvex logo") << 134 << black;
    QTest::newRow("136 BREXAL logo") << 136 << black;
    QTest::newRow("140 minimise, away") << 140 << black;
    QTest::newRow("141 minimise, under the mouse") << 141 << QColor(255, 244, 200);
    QTest::newRow("142 close, under the mouse") << 142 << QColor(240, 138, 128);
    QTest::newRow("143 close, away") << 143 << black;
    QTest::newRow("150 m³/h") << 150 << red;
    QTest::newRow("153 m²·K/kW") << 153 << red;
}

void PicturesTest::bitmaps() {
    QFETCH(int, number);
    QFETCH(QColor, corner);
    const QImage bitmap = keld::ui::BitmapResource(number).toImage();
    QVERIFY(!bitmap.isNull());
    QCOMPARE(bitmap.pixelColor(0, 0), corner);
}

void PicturesTest::unknownNumbersGiveNothing() {
    QVERIFY(keld::ui::IconResource(134).isNull());
    QVERIFY(keld::ui::BitmapResource(131).isNull());
    QVERIFY(keld::ui::BitmapResource(0).isNull());
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
