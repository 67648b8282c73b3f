// SPDX-License-Identifier: MIT
// The header's command buttons report each click to their window as message
// 0x8840, and only so.
#include <QList>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <functional>

#include "ui/controls/jazz_up_tell_tale_button.h"
#include "ui/controls/tell_tale_event.h"

using keld::ui::CJazzUpTellTaleButton;

namespace {

// A window that notes which button each 0x8840 it receives names, and counts
// the command it runs, as the main window does.
class CommandWindow : public QWidget {
public:
    QList<CJazzUpTellTaleButton*> messages;
    // What the button looked like while the command ran.
    QList<bool> downDuringCommand;

protected:
    bool event(QEvent* event) override {
        if (event->type() == keld::ui::kTellTaleMessage) {
            CJazzUpTellTaleButton* button = static_cast<keld::ui::TellTaleEvent*>(event)->button();
            messages.append(button);
            downDuringCommand.append(button->isDown());
            return true;
        }
        return QWidget::event(event);
    }
};

using Gesture = std::function<void(CJazzUpTellTaleButton&)>;

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class TellTaleButtonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void reportsEachClickAsMessage_data();
    void reportsEachClickAsMessage();
};

void TellTaleButtonTest::reportsEachClickAsMessage_data() {
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("messages");
    QTest::newRow("click") << Gesture([](CJazzUpTellTaleButton& b) { QTest::mouseClick(&b, Qt::LeftButton); })
                           << 1;
    // What a quick double click delivers: press, release, double click, release.
    QTest::newRow("double click") << Gesture([](CJazzUpTellTaleButton& b) {
        QTest::mouseClick(&b, Qt::LeftButton);
        QTest::mouseDClick(&b, Qt::LeftButton);
        QTest::mouseRelease(&b, Qt::LeftButton);
    }) << 2;
    QTest::newRow("released outside") << Gesture([](CJazzUpTellTaleButton& b) {
        QTest::mousePress(&b, Qt::LeftButton);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(b.width() + 5, b.height() + 5));
    }) << 0;
    QTest::newRow("right button") << Gesture([](CJazzUpTellTaleButton& b) {
        QTest::mouseClick(&b, Qt::RightButton);
    }) << 0;
    QTest::newRow("space bar") << Gesture([](CJazzUpTellTaleButton& b) {
        QTest::keyClick(&b, Qt::Key_Space);
    }) << 1;
    QTest::newRow("click() from code") << Gesture([](CJazzUpTellTaleButton& b) { b.click(); }) << 1;
    QTest::newRow("disabled") << Gesture([](CJazzUpTellTaleButton& b) {
        b.setEnabled(false);
        QTest::mouseClick(&b, Qt::LeftButton);
    }) << 0;
}

void TellTaleButtonTest::reportsEachClickAsMessage() {
    QFETCH(Gesture, gesture);
    QFETCH(int, messages);
    CommandWindow window;
    window.resize(200, 100);
    auto* calc = new CJazzUpTellTaleButton(QStringLiteral("CALC"), &window);
    auto* pdf = new CJazzUpTellTaleButton(QStringLiteral("PDF"), &window);
    calc->setGeometry(10, 10, 40, 46);
    pdf->setGeometry(60, 10, 40, 46);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Whatever a window connects to the button's own signals never fires.
    QSignalSpy clicked(calc, &QAbstractButton::clicked);
    QSignalSpy released(calc, &QAbstractButton::released);
    int ordinaryCommands = 0;
    connect(calc, &QAbstractButton::clicked, &window, [&ordinaryCommands] { ++ordinaryCommands; });

    gesture(*calc);

    QCOMPARE(window.messages.size(), messages);
    for (CJazzUpTellTaleButton* button : window.messages) QCOMPARE(button, calc);
    // The command runs with the button already released.
    for (bool down : window.downDuringCommand) QVERIFY(!down);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(released.count(), 0);
    QCOMPARE(ordinaryCommands, 0);
    QVERIFY(!calc->isDown());
}

QTEST_MAIN(TellTaleButtonTest)
#include "tell_tale_button_test.moc"
