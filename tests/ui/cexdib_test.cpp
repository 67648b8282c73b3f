// SPDX-License-Identifier: MIT
// The palette bitmap behind the shaded buttons: row layout, drawing and
// palette blending.
#include "ui/controls/cexdib.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <stdexcept>

using keld::ui::CCeXDib;
using keld::ui::PaletteColour;

class CeXDibTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsArePaddedToFourBytes_data();
    void rowsArePaddedToFourBytes();
    void drawsBottomRowAtTheBottom_data();
    void drawsBottomRowAtTheBottom();
    void blendsPaletteTowardsAColour();
    void refusesOddPixelDepths();
};

void CeXDibTest::rowsArePaddedToFourBytes_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<int>("stride");
    QTest::addColumn<int>("paletteEntries");
    QTest::newRow("1 bit, 32 pixels") << 32 << 1 << 4 << 2;
    QTest::newRow("1 bit, 33 pixels") << 33 << 1 << 8 << 2;
    QTest::newRow("4 bits, 8 pixels") << 8 << 4 << 4 << 16;
    QTest::newRow("4 bits, 9 pixels") << 9 << 4 << 8 << 16;
    QTest::newRow("8 bits, 4 pixels") << 4 << 8 << 4 << 256;
    QTest::newRow("8 bits, 5 pixels") << 5 << 8 << 8 << 256;
}

void CeXDibTest::rowsArePaddedToFourBytes() {
    QFETCH(int, width);
    QFETCH(int, bitsPerPixel);
    QFETCH(int, stride);
    QFETCH(int, paletteEntries);
    CCeXDib bitmap;
    bitmap.create(width, 3, bitsPerPixel);
    QCOMPARE(bitmap.rowStride(), stride);
    QCOMPARE(static_cast<int>(bitmap.palette().size()), paletteEntries);
    // Rows follow each other at the padded stride.
    QCOMPARE(bitmap.row(2) - bitmap.row(0), 2 * stride);
}

void CeXDibTest::drawsBottomRowAtTheBottom_data() {
    // A 2 × 2 bitmap; each case writes the index 1 into the right pixel of
    // stored row 0, which must appear at the bottom right on screen.
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<int>("byteOfRightPixel");
    QTest::newRow("1 bit: second pixel in bit 6") << 1 << 0x40;
    QTest::newRow("4 bits: second pixel in the low nibble") << 4 << 0x01;
    QTest::newRow("8 bits: second pixel in byte 1") << 8 << -1;
}

void CeXDibTest::drawsBottomRowAtTheBottom() {
    QFETCH(int, bitsPerPixel);
    QFETCH(int, byteOfRightPixel);
    CCeXDib bitmap;
    bitmap.create(2, 2, bitsPerPixel);
    bitmap.palette()[0] = PaletteColour{10, 20, 30};
    bitmap.palette()[1] = PaletteColour{200, 100, 50};
    if (byteOfRightPixel < 0) {
        bitmap.row(0)[1] = 1;
    } else {
        bitmap.row(0)[0] = static_cast<std::uint8_t>(byteOfRightPixel);
    }

    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        bitmap.draw(painter, 1, 1);
    }
    QCOMPARE(canvas.pixel(2, 2), qRgb(200, 100, 50));
    QCOMPARE(canvas.pixel(1, 2), qRgb(10, 20, 30));
    QCOMPARE(canvas.pixel(1, 1), qRgb(10, 20, 30));
    QCOMPARE(canvas.pixel(2, 1), qRgb(10, 20, 30));
    // Drawn one to one, nothing beyond its 2 × 2 pixels.
    QCOMPARE(canvas.pixel(3, 3), qRgb(255, 255, 255));
    QCOMPARE(canvas.pixel(0, 0), qRgb(255, 255, 255));
}

void CeXDibTest::blendsPaletteTowardsAColour() {
    CCeXDib bitmap;
    bitmap.create(1, 1, 1);
    bitmap.palette()[0] = PaletteColour{200, 100, 0};
    bitmap.palette()[1] = PaletteColour{255, 255, 145};
    bitmap.blendPalette(PaletteColour{255, 255, 145}, 10);
    // (200 × 90 + 255 × 10) / 100 = 205.5, and integer division drops the half.
    QVERIFY(bitmap.palette()[0] == (PaletteColour{205, 115, 14}));
    QVERIFY(bitmap.palette()[1] == (PaletteColour{255, 255, 145}));
}

void CeXDibTest::refusesOddPixelDepths() {
    CCeXDib bitmap;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bitmap.create(4, 4, 24));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bitmap.create(-1, 4, 8));
}

QTEST_APPLESS_MAIN(CeXDibTest)
#include "cexdib_test.moc"
