// SPDX-License-Identifier: MIT
// What the header buttons show under the mouse, pressed and at rest, seen in
// the window's pixels.
#include "ui/controls/button_st.h"

#include <QApplication>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>

#include "backdrop.h"
#include "ui/controls/jazz_up_tell_tale_button.h"

using keld::ui::CButtonST;
using keld::ui::test::Backdrop;

namespace {

const QColor kBanner(176, 226, 255);

// A bitmap of one colour with a black (transparent) top-left pixel.
QPixmap Bitmap(const QColor& colour) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

QRgb PixelOf(QWidget& window, QPoint at) { return window.grab().toImage().pixel(at); }

// Brings the mouse onto `button` from a free corner of its window: the
// offscreen cursor only reports moves to a new place, and an earlier case
// may have left it just there.
void MoveMouseOnto(CButtonST* button, QPoint at) {
    QTest::mouseMove(button->window(), QPoint(1, 1));
    QTest::mouseMove(button, at);
}

}  // namespace

class ButtonStTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void bitmapPairFollowsMouse_data();
    void bitmapPairFollowsMouse();
    void hoverReliefShiftsOnePixel();
    void keyboardFocusIsMarked();
};

void ButtonStTest::bitmapPairFollowsMouse_data() {
    // A 40 × 30 minimise-style button (flat, no border, transparent, no
    // caption) at (20, 20) in the window: its 10 × 10 image is centred at
    // (35, 30). In-image green, out-image blue.
    QTest::addColumn<bool>("still");
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("press");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const QColor in(0, 160, 0);
    const QColor out(0, 0, 200);
    QTest::newRow("away: out-image") << true << false << false << QPoint(40, 35) << out;
    QTest::newRow("over: in-image") << true << true << false << QPoint(40, 35) << in;
    QTest::newRow("over: black is the window") << true << true << false << QPoint(35, 30) << kBanner;
    QTest::newRow("away: black is the window") << true << false << false << QPoint(35, 30) << kBanner;
    QTest::newRow("pressed: in-image") << true << false << true << QPoint(40, 35) << in;
    QTest::newRow("pressed and still: last column in place") << true << true << true << QPoint(44, 39) << in;
    QTest::newRow("pressed and still: nothing beyond it")
        << true << true << true << QPoint(45, 40) << kBanner;
    QTest::newRow("pressed, not still: moved one pixel") << false << true << true << QPoint(45, 40) << in;
}

void ButtonStTest::bitmapPairFollowsMouse() {
    QFETCH(bool, still);
    QFETCH(bool, hover);
    QFETCH(bool, press);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    Backdrop window(kBanner);
    auto* minimise = new CButtonST(&window);
    minimise->setGeometry(20, 20, 40, 30);
    minimise->setBitmaps(Bitmap(QColor(0, 160, 0)), Bitmap(QColor(0, 0, 200)));
    minimise->setDrawBorder(false);
    minimise->setStill(still);
    minimise->setTransparent(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    if (hover) MoveMouseOnto(minimise, QPoint(5, 5));
    QCOMPARE(minimise->isMouseOver(), hover);
    if (press) QTest::mousePress(minimise, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(QColor(PixelOf(window, at)), expected);
    // QTest remembers a held button for every later mouse event.
    if (press) QTest::mouseRelease(minimise, Qt::LeftButton, {}, QPoint(5, 5));

    // Moving off the button brings the out-image back.
    if (hover && !press) {
        QTest::mouseMove(&window, QPoint(100, 90));
        QCOMPARE(QColor(PixelOf(window, QPoint(40, 35))), QColor(0, 0, 200));
    }
}

void ButtonStTest::hoverReliefShiftsOnePixel() {
    // A header command button without caption or icon, so that only its
    // background and border show: at rest the banner, under the mouse the
    // yellow-orange relief one pixel right and down inside a raised border.
    constexpr QPoint kAt(30, 20);
    constexpr QSize kSize(24, 20);
    Backdrop window(kBanner);
    auto* calc = new keld::ui::CJazzUpTellTaleButton(&window);
    calc->setNoiseSource(keld::ui::test::NoNoise);
    calc->setShadeWhenIdle(false);
    calc->setGeometry(QRect(kAt, kSize));
    calc->setFocusPolicy(Qt::NoFocus);  // its focus mark is a case of its own
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QImage rest = window.grab().toImage();
    for (int y = 0; y < kSize.height(); ++y) {
        for (int x = 0; x < kSize.width(); ++x) QCOMPARE(QColor(rest.pixel(kAt + QPoint(x, y))), kBanner);
    }

    MoveMouseOnto(calc, QPoint(10, 10));
    QVERIFY(calc->isMouseOver());
    const QImage hover = window.grab().toImage();
    const keld::ui::CCeXDib relief =
        keld::ui::BuildButtonShades(kSize.width(), kSize.height(), keld::ui::test::NoNoise).hover;
    const auto reliefColour = [&relief](int x, int y) {
        const keld::ui::PaletteColour c = relief.palette().at(relief.pixelIndex(x, relief.height() - 1 - y));
        return QColor(c.red, c.green, c.blue);
    };
    for (int y = 1; y < kSize.height() - 1; ++y) {
        for (int x = 1; x < kSize.width() - 1; ++x) {
            QCOMPARE(QColor(hover.pixel(kAt + QPoint(x, y))), reliefColour(x - 1, y - 1));
        }
    }
    const QColor light(calc->palette().color(QPalette::Light).rgb());
    const QColor shadow(calc->palette().color(QPalette::Dark).rgb());
    QCOMPARE(QColor(hover.pixel(kAt + QPoint(0, 10))), light);
    QCOMPARE(QColor(hover.pixel(kAt + QPoint(12, 0))), light);
    QCOMPARE(QColor(hover.pixel(kAt + QPoint(kSize.width() - 1, 10))), shadow);
    QCOMPARE(QColor(hover.pixel(kAt + QPoint(12, kSize.height() - 1))), shadow);
}

// Tab onto a header command button shows a dotted rectangle three pixels
// inside its edge; the button the focus left shows none.
void ButtonStTest::keyboardFocusIsMarked() {
    static constexpr QSize kSize(40, 40);
    Backdrop window(kBanner);
    auto* calc = new keld::ui::CJazzUpTellTaleButton(&window);
    auto* pdf = new keld::ui::CJazzUpTellTaleButton(&window);
    for (auto* button : {calc, pdf}) {
        button->setNoiseSource(keld::ui::test::NoNoise);
        button->setShadeWhenIdle(false);
    }
    calc->setGeometry(QRect(QPoint(10, 10), kSize));
    pdf->setGeometry(QRect(QPoint(60, 10), kSize));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    calc->setFocus(Qt::TabFocusReason);
    QTest::keyClick(calc, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), pdf);
    const QImage shown = window.grab().toImage();
    const auto marked = [&shown](const QPoint& topLeft) {
        int dark = 0;
        for (int x = 3; x < kSize.width() - 3; ++x)
            dark += QColor(shown.pixel(topLeft + QPoint(x, 3))).lightness() < 80;
        return dark;
    };
    QVERIFY(marked(QPoint(60, 10)) > kSize.width() / 4);  // a dotted line: every other pixel
    QCOMPARE(marked(QPoint(10, 10)), 0);
}

QTEST_MAIN(ButtonStTest)
#include "button_st_test.moc"
