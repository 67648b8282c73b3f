// SPDX-License-Identifier: MIT
// The shaded backgrounds of the header buttons, pixel by pixel.
#include "ui/controls/shaded_relief.h"

#include <QTest>

#include "backdrop.h"

using keld::ui::PaletteColour;

Q_DECLARE_METATYPE(PaletteColour)

namespace {

QByteArray StoredRow(const keld::ui::CCeXDib& bitmap, int row) {
    return QByteArray(reinterpret_cast<const char*>(bitmap.row(row)), bitmap.width());
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v));
    return bytes;
}

}  // namespace

namespace QTest {
template <>
char* toString(const PaletteColour& c) {
    return qstrdup(QByteArray("RGB ") + QByteArray::number(c.red) + '/' + QByteArray::number(c.green) + '/' +
                   QByteArray::number(c.blue));
}
}  // namespace QTest

class ShadedReliefTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void palettes_data();
    void palettes();
    void smallButtonRows_data();
    void smallButtonRows();
    void noiseIsDrawnTwicePerPixel();
    void tinyButtonsAreSafe();
};

void ShadedReliefTest::palettes_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<PaletteColour>("normal");
    QTest::addColumn<PaletteColour>("hover");
    // Hover: the yellow-orange ramp, then 10 % of the way towards RGB 255/255/145.
    QTest::newRow("0 is the dark colour") << 0 << PaletteColour{30, 144, 255} << PaletteColour{255, 194, 101};
    QTest::newRow("127 ends the dark ramp")
        << 127 << PaletteColour{134, 205, 255} << PaletteColour{255, 213, 121};
    QTest::newRow("128 starts the light ramp")
        << 128 << PaletteColour{135, 206, 255} << PaletteColour{255, 214, 122};
    QTest::newRow("129") << 129 << PaletteColour{135, 206, 255} << PaletteColour{255, 214, 122};
    QTest::newRow("255 is the light colour")
        << 255 << PaletteColour{191, 239, 255} << PaletteColour{255, 255, 145};
}

void ShadedReliefTest::palettes() {
    QFETCH(int, entry);
    QFETCH(PaletteColour, normal);
    QFETCH(PaletteColour, hover);
    const keld::ui::ButtonShades shades = keld::ui::BuildButtonShades(12, 8, keld::ui::test::NoNoise);
    QCOMPARE(shades.normal.palette().at(entry), normal);
    QCOMPARE(shades.pressed.palette().at(entry), normal);
    QCOMPARE(shades.hover.palette().at(entry), hover);
}

void ShadedReliefTest::smallButtonRows_data() {
    // A 12 × 8 button: bevels d = 2 pixels wide, the curve's a = 16. Rows
    // count from the bottom; the profile truncates towards zero, so the
    // bottom half is not the mirror of the top half.
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("pixels");
    QTest::newRow("0, bottom: curve too wide to bevel")
        << 0 << Bytes({19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19});
    QTest::newRow("1: left corner only") << 1 << Bytes({247, 81, 81, 81, 81, 81, 81, 81, 81, 81, 81, 81});
    QTest::newRow("2") << 2 << Bytes({247, 183, 114, 114, 114, 114, 114, 114, 114, 114, 114, 72});
    QTest::newRow("3") << 3 << Bytes({247, 183, 127, 127, 127, 127, 127, 127, 127, 127, 127, 72});
    QTest::newRow("4, mid height") << 4 << Bytes({247, 183, 128, 128, 128, 128, 128, 128, 128, 128, 128, 72});
    QTest::newRow("5") << 5 << Bytes({247, 183, 129, 129, 129, 129, 129, 129, 129, 129, 129, 72});
    QTest::newRow("6") << 6 << Bytes({247, 183, 142, 142, 142, 142, 142, 142, 142, 142, 142, 72});
    QTest::newRow("7, top") << 7 << Bytes({247, 175, 175, 175, 175, 175, 175, 175, 175, 175, 175, 175});
}

void ShadedReliefTest::smallButtonRows() {
    QFETCH(int, row);
    QFETCH(QByteArray, pixels);
    const keld::ui::CCeXDib relief =
        keld::ui::ShadedRelief(12, 8, keld::ui::kNormalRelief, keld::ui::test::NoNoise);
    QCOMPARE(relief.bitsPerPixel(), 8);
    QCOMPARE(StoredRow(relief, row), pixels);
}

void ShadedReliefTest::noiseIsDrawnTwicePerPixel() {
    // Draw 32767 is noise +8, draw 0 is −8: a bevel pixel takes it once (its
    // profile value is replaced), every other pixel twice.
    const keld::ui::CCeXDib brightest =
        keld::ui::ShadedRelief(12, 8, keld::ui::kNormalRelief, [] { return 32767; });
    QCOMPARE(StoredRow(brightest, 4), Bytes({255, 191, 144, 144, 144, 144, 144, 144, 144, 144, 144, 80}));
    int draws = 0;
    const keld::ui::CCeXDib darkest = keld::ui::ShadedRelief(12, 8, keld::ui::kNormalRelief, [&draws] {
        ++draws;
        return 0;
    });
    QCOMPARE(StoredRow(darkest, 4), Bytes({239, 175, 112, 112, 112, 112, 112, 112, 112, 112, 112, 64}));
    QCOMPARE(draws, 2 * 12 * 8);
}

void ShadedReliefTest::tinyButtonsAreSafe() {
    // Narrower than 6 pixels there is no bevel width (d = 0), one row high
    // no curve (a = 0): neither may divide by zero.
    const keld::ui::CCeXDib narrow =
        keld::ui::ShadedRelief(5, 4, keld::ui::kNormalRelief, keld::ui::test::NoNoise);
    QCOMPARE(StoredRow(narrow, 0), Bytes({19, 19, 19, 19, 19}));
    const keld::ui::CCeXDib flat =
        keld::ui::ShadedRelief(12, 1, keld::ui::kNormalRelief, keld::ui::test::NoNoise);
    QCOMPARE(StoredRow(flat, 0), Bytes({247, 183, 19, 19, 19, 19, 19, 19, 19, 19, 19, 72}));
    const keld::ui::CCeXDib empty =
        keld::ui::ShadedRelief(0, 0, keld::ui::kNormalRelief, keld::ui::test::NoNoise);
    QCOMPARE(empty.width(), 0);
}

QTEST_APPLESS_MAIN(ShadedReliefTest)
#include "shaded_relief_test.moc"
