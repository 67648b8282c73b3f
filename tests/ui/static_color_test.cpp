// SPDX-License-Identifier: MIT
// The header banner's gradient and the page's unit pictures.
#include "ui/controls/static_color.h"

#include <QStandardPaths>
#include <QTest>

#include "backdrop.h"
#include "ui/controls/pictures.h"

using keld::ui::CStaticColor;

class StaticColorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void gradientBands_data();
    void gradientBands();
    void bitmapShowsWindowThroughPureRed_data();
    void bitmapShowsWindowThroughPureRed();
};

void StaticColorTest::gradientBands_data() {
    // Band i covers rows H − (i + 1)·H/64 … H − i·H/64 (exclusive), integer
    // division, band 0 at the bottom; its colour is
    // (S·(64 − i) + 255·i) / 64 with S = RGB 135/206/255.
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("128 high, row 0: band 63") << 128 << 0 << QColor(253, 254, 255);
    QTest::newRow("128 high, row 1: band 63") << 128 << 1 << QColor(253, 254, 255);
    QTest::newRow("128 high, row 2: band 62") << 128 << 2 << QColor(251, 253, 255);
    QTest::newRow("128 high, row 97: band 15") << 128 << 97 << QColor(163, 217, 255);
    QTest::newRow("128 high, row 98: band 14") << 128 << 98 << QColor(161, 216, 255);
    QTest::newRow("128 high, row 125: band 1") << 128 << 125 << QColor(136, 206, 255);
    QTest::newRow("128 high, row 126: band 0") << 128 << 126 << QColor(135, 206, 255);
    // 100 rows: bands of one or two rows.
    QTest::newRow("100 high, row 1: band 63") << 100 << 1 << QColor(253, 254, 255);
    QTest::newRow("100 high, row 3: band 62") << 100 << 3 << QColor(251, 253, 255);
    QTest::newRow("100 high, row 4: band 61") << 100 << 4 << QColor(249, 252, 255);
    QTest::newRow("100 high, row 96: band 2") << 100 << 96 << QColor(138, 207, 255);
    QTest::newRow("100 high, row 97: band 1") << 100 << 97 << QColor(136, 206, 255);
    QTest::newRow("100 high, row 98: band 1") << 100 << 98 << QColor(136, 206, 255);
}

void StaticColorTest::gradientBands() {
    QFETCH(int, height);
    QFETCH(int, row);
    QFETCH(QColor, colour);
    CStaticColor banner;
    banner.resize(300, height);
    const QImage picture = banner.grab().toImage();
    QCOMPARE(QColor(picture.pixel(0, row)), colour);
    QCOMPARE(QColor(picture.pixel(299, row)), colour);
    // The raised edge along the bottom: its shadow line.
    QCOMPARE(QColor(picture.pixel(150, height - 1)), QColor(banner.palette().color(QPalette::Dark).rgb()));
}

void StaticColorTest::bitmapShowsWindowThroughPureRed_data() {
    QTest::addColumn<QPixmap>("bitmap");
    // The fouling factor's unit picture as the selection page shows it.
    QTest::newRow("m²·K/kW picture") << keld::ui::BitmapResource(153);
    // Red that is not pure stays, however close.
    QImage nearlyRed(6, 4, QImage::Format_RGB32);
    nearlyRed.fill(qRgb(255, 0, 0));
    nearlyRed.setPixel(2, 1, qRgb(254, 0, 0));
    nearlyRed.setPixel(3, 2, qRgb(255, 1, 0));
    QTest::newRow("nearly red") << QPixmap::fromImage(nearlyRed);
}

void StaticColorTest::bitmapShowsWindowThroughPureRed() {
    QFETCH(QPixmap, bitmap);
    QVERIFY(!bitmap.isNull());
    const QColor page(176, 226, 255);
    keld::ui::test::Backdrop window(page);
    auto* unit = new CStaticColor(&window);
    unit->setGeometry(10, 20, 80, 30);
    unit->setDrawMode(CStaticColor::DrawMode::Bitmap);
    unit->setBitmap(bitmap);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shown = window.grab().toImage();
    const QImage source = bitmap.toImage();
    const QPoint origin = QPoint(10, 20) + QPoint((80 - source.width()) / 2, (30 - source.height()) / 2);
    int keyed = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb drawn = source.pixel(x, y);
            const bool pureRed = qRed(drawn) == 255 && qGreen(drawn) == 0 && qBlue(drawn) == 0;
            keyed += pureRed ? 1 : 0;
            QCOMPARE(QColor(shown.pixel(origin + QPoint(x, y))), pureRed ? page : QColor(drawn));
        }
    }
    QVERIFY(keyed > 0);
    // Around the centred picture the window shows as well.
    QCOMPARE(QColor(shown.pixel(origin - QPoint(1, 1))), page);
}

QTEST_MAIN(StaticColorTest)
#include "static_color_test.moc"
