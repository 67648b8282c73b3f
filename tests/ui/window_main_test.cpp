// SPDX-License-Identifier: MIT
// The main window driven as a user drives it: CALC by its button and by
// Enter, the exit question on every way of closing, Escape in the page,
// "Back", "Next" and "-", the banner as the window's caption and the About
// box from the header and from the system menu.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <clocale>

#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "window_fixture.h"

using keld::test::OpenWindow;
using keld::test::RunCliSelect;

namespace {

constexpr int kScrewRadio = 1011;
constexpr int kCoolingCapacityEdit = 1015;
constexpr int kCoolingAmbientEdit = 1016;
constexpr int kCoolingOutletEdit = 1026;

const QString kExitQuestion = QStringLiteral("[TIP] Are you sure to exit ?");

// Replaces what `edit` holds with `text` as a user types it, leaving the
// focus in the edit.
void Type(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Clicks a radio button on its round indicator.
void ClickRadio(QAbstractButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

// Chooses the first entry of the system menu by its mnemonic as soon as the
// menu is open.
void ChooseAboutInTheComingMenu() {
    QTimer::singleShot(0, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, Qt::Key_A);
    });
}

}  // namespace

class WindowMainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void calcGivesTheRowsOfKeldCli_data() {
        QTest::addColumn<QString>("launch");
        QTest::addColumn<bool>("screw");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QStringList>("cliArgs");
        QTest::newRow("centrifugal, CALC button")
            << QString() << false << QString() << false << QStringList();
        QTest::newRow("defaults, Enter as the window opens")
            << QString() << false << QString() << true << QStringList();
        QTest::newRow("centrifugal, 600 kW typed, Enter")
            << QString() << false << QStringLiteral("600") << true
            << QStringList{QStringLiteral("--cooling-capacity"), QStringLiteral("600")};
        // The click on CALC takes the focus: the edit being left hands its text over first.
        QTest::newRow("screw heat pump, 400 kW typed, CALC button")
            << QString() << true << QStringLiteral("400") << false
            << QStringList{QStringLiteral("--compressor"), QStringLiteral("screw"),
                           QStringLiteral("--cooling-capacity"), QStringLiteral("400")};
        QTest::newRow("BREXAL screw chiller, 800 kW typed, Enter")
            << QStringLiteral("14BREXAL") << true << QStringLiteral("800") << true
            << QStringList{QStringLiteral("--launch"),           QStringLiteral("14BREXAL"),
                           QStringLiteral("--compressor"),       QStringLiteral("screw"),
                           QStringLiteral("--cooling-capacity"), QStringLiteral("800")};
        // No unit fits: the message box, and the list left as it was.
        QTest::newRow("BREXAL screw chiller, 300 kW typed, Enter")
            << QStringLiteral("14BREXAL") << true << QStringLiteral("300") << true
            << QStringList{QStringLiteral("--launch"),           QStringLiteral("14BREXAL"),
                           QStringLiteral("--compressor"),       QStringLiteral("screw"),
                           QStringLiteral("--cooling-capacity"), QStringLiteral("300")};
    }

    void calcGivesTheRowsOfKeldCli() {
        QFETCH(QString, launch);
        QFETCH(bool, screw);
        QFETCH(QString, capacity);
        QFETCH(bool, byEnter);
        QFETCH(QStringList, cliArgs);

        OpenWindow open(launch.toUtf8().constData());
        if (screw) ClickRadio(open.pageButton(kScrewRadio));
        QLineEdit* capacityEdit = open.edit(kCoolingCapacityEdit);
        if (!capacity.isEmpty()) Type(capacityEdit, capacity);
        if (byEnter) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr && open.window.selectionPage()->isAncestorOf(focus));
            QTest::keyClick(focus, Qt::Key_Return);
        } else {
            QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
        }

        const keld::test::CliSelection cli = RunCliSelect(cliArgs);
        QVERIFY(!cli.rows.isEmpty() || !cli.messages.isEmpty());
        QCOMPARE(open.listRows(), cli.rows);
        QCOMPARE(open.dialogs.shown, cli.messages);
        QVERIFY(open.dialogs.ownersRight);
        QVERIFY(open.window.isVisible());
    }

    // A German desktop writes "30,5": the figures in the list and the
    // statements to the database must not follow it.
    void decimalCommaLocaleGivesTheSameRows() {
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

        QStringList rows;
        {
            OpenWindow open;
            Type(open.edit(kCoolingAmbientEdit), QStringLiteral("30.5"));
            Type(open.edit(kCoolingOutletEdit), QStringLiteral("6.5"));
            QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
            QCOMPARE(open.edit(kCoolingAmbientEdit)->text(), QStringLiteral("30.5"));
            rows = open.listRows();
        }
        std::setlocale(LC_ALL, previous.c_str());
        QLocale::setDefault(QLocale::c());

        const keld::test::CliSelection cli =
            RunCliSelect({QStringLiteral("--ambient"), QStringLiteral("30.5"), QStringLiteral("--outlet"),
                          QStringLiteral("6.5")});
        QVERIFY(!cli.rows.isEmpty());
        QCOMPARE(rows, cli.rows);
    }

    void everyWayOfClosingAsksFirst() {
        OpenWindow open;
        QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
        open.dialogs.shown.clear();
        const QStringList rows = open.listRows();
        const QStringList edits = open.editTexts();
        QVERIFY(!rows.isEmpty());

        open.dialogs.confirmAnswer = false;
        QTest::mouseClick(open.headerButton(keld::ui::kCloseId), Qt::LeftButton);
        open.window.close();  // the window manager's close, Alt+F4
        QAbstractButton* calc = open.headerButton(keld::ui::kCalcId);
        calc->setFocus();
        QTest::keyClick(calc, Qt::Key_Escape);

        QCOMPARE(open.dialogs.shown, QStringList(3, kExitQuestion));
        QVERIFY(open.dialogs.ownersRight);
        QVERIFY(open.window.isVisible());
        QCOMPARE(open.listRows(), rows);
        QCOMPARE(open.editTexts(), edits);

        open.dialogs.confirmAnswer = true;
        QTest::mouseClick(open.headerButton(keld::ui::kCloseId), Qt::LeftButton);
        QVERIFY(!open.window.isVisible());
        QCOMPARE(open.window.result(), int(QDialog::Rejected));
    }

    void escapeInThePageDoesNothing() {
        OpenWindow open;
        QLineEdit* ambient = open.edit(kCoolingAmbientEdit);
        Type(ambient, QStringLiteral("36.04"));
        QTest::keyClick(ambient, Qt::Key_Escape);
        QCOMPARE(ambient->text(), QStringLiteral("36.04"));
        QAbstractButton* screw = open.pageButton(kScrewRadio);
        screw->setFocus();
        QTest::keyClick(screw, Qt::Key_Escape);

        QVERIFY(open.dialogs.shown.isEmpty());
        QVERIFY(open.window.isVisible());
        QVERIFY(open.window.selectionPage()->isVisible());
        QVERIFY(open.listRows().isEmpty());
    }

    void backNextAndMinimise() {
        OpenWindow open;
        QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
        open.dialogs.shown.clear();
        const QImage before = open.window.grab().toImage();
        const QStringList rows = open.listRows();

        open.headerButton(keld::ui::kBackId)->click();
        open.headerButton(keld::ui::kNextId)->click();
        QCOMPARE(open.window.grab().toImage(), before);
        QCOMPARE(open.listRows(), rows);
        QVERIFY(open.dialogs.shown.isEmpty());

        QTest::mouseClick(open.headerButton(keld::ui::kMinimiseId), Qt::LeftButton);
        QVERIFY(open.window.isMinimized());
        QVERIFY(open.dialogs.shown.isEmpty());
    }

    void theBannerDragsTheWindow() {
        OpenWindow open;
        const QPoint start = open.window.pos();
        const auto drag = [&](QPoint from) {
            QTest::mousePress(&open.window, Qt::LeftButton, {}, from);
            QTest::mouseMove(&open.window, from + QPoint(40, 25));
            QTest::mouseRelease(&open.window, Qt::LeftButton, {}, from + QPoint(40, 25));
        };
        // Below the page frame's top, outside the banner: the window stays.
        drag(open.window.selectionPage()->mapTo(&open.window, QPoint(2, 2)));
        QCOMPARE(open.window.pos(), start);
        // The banner between the title and the buttons.
        drag(QPoint(open.window.width() / 2, 4));
        QCOMPARE(open.window.pos(), start + QPoint(40, 25));
    }

    // The banner's menu offers what a window's own menu does: Move (by the
    // arrow keys where no window manager moves it), Minimise, and Close,
    // which asks as every close does.
    void theBannersMenuMovesMinimisesAndCloses() {
        OpenWindow open;
        QStringList entries;
        const auto chooseInTheComingMenu = [&entries](Qt::Key key) {
            QTimer::singleShot(0, [&entries, key] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu == nullptr) return;
                entries.clear();
                for (QAction* action : menu->actions()) entries << action->text();
                QTest::keyClick(menu, key);
            });
        };
        open.dialogs.confirmAnswer = false;
        chooseInTheComingMenu(Qt::Key_C);
        QTest::keyClick(&open.window, Qt::Key_Space, Qt::AltModifier);
        QCOMPARE(entries,
                 (QStringList{QStringLiteral("&Move"), QStringLiteral("Mi&nimise"), QStringLiteral("&Close"),
                              QString(), QStringLiteral("关于 JVT(&A)...")}));
        QCOMPARE(open.dialogs.shown, QStringList{QStringLiteral("[TIP] Are you sure to exit ?")});
        QVERIFY(open.window.isVisible());

        // The keys come back to the window when its menu closes.
        QVERIFY(QTest::qWaitForWindowActive(&open.window));
        const QPoint start = open.window.pos();
        chooseInTheComingMenu(Qt::Key_M);
        QTest::keyClick(&open.window, Qt::Key_Space, Qt::AltModifier);
        QTest::keyClick(&open.window, Qt::Key_Right);
        QTest::keyClick(&open.window, Qt::Key_Down);
        QTest::keyClick(&open.window, Qt::Key_Return);
        QTest::keyClick(&open.window, Qt::Key_Right);
        QCOMPARE(open.window.pos(), start + QPoint(10, 10));
        QVERIFY(open.listRows().isEmpty());  // Return ended the move, it ran no CALC

        QVERIFY(QTest::qWaitForWindowActive(&open.window));
        chooseInTheComingMenu(Qt::Key_N);
        QTest::keyClick(&open.window, Qt::Key_Space, Qt::AltModifier);
        QVERIFY(open.window.isMinimized());
    }

    void aboutFromTheHeaderAndTheSystemMenu() {
        OpenWindow open;
        QTest::mouseClick(open.headerButton(keld::ui::kAboutId), Qt::LeftButton);

        ChooseAboutInTheComingMenu();
        QTest::keyClick(&open.window, Qt::Key_Space, Qt::AltModifier);

        ChooseAboutInTheComingMenu();
        const QPoint onBanner(open.window.width() / 2, 4);
        QContextMenuEvent bannerMenu(QContextMenuEvent::Mouse, onBanner, open.window.mapToGlobal(onBanner));
        QApplication::sendEvent(&open.window, &bannerMenu);

        // Enter on a focused header button is that button's click, not CALC.
        QAbstractButton* about = open.headerButton(keld::ui::kAboutId);
        about->setFocus();
        QTest::keyClick(about, Qt::Key_Return);

        // The About box names the data of the database the window opened.
        const QString aboutShown =
            QStringLiteral("about ") + QString::fromStdString(open.session.dataStamp().text());
        QVERIFY(!aboutShown.endsWith(QStringLiteral("unknown")));
        QCOMPARE(open.dialogs.shown, QStringList(4, aboutShown));
        QVERIFY(open.dialogs.ownersRight);
        QVERIFY(open.listRows().isEmpty());
    }

    // A command's message box runs an event loop: what reaches the window
    // meanwhile starts nothing over the page the command is changing.
    void noCommandStartsWhileOneRuns() {
        OpenWindow open("14BREXAL");
        ClickRadio(open.pageButton(kScrewRadio));
        Type(open.edit(kCoolingCapacityEdit), QStringLiteral("300"));
        open.dialogs.whileInformed = [&open] {
            open.dialogs.whileInformed = nullptr;
            for (int id : {keld::ui::kCalcId, keld::ui::kPdfId, keld::ui::kAboutId, keld::ui::kCloseId}) {
                open.headerButton(id)->click();
            }
            QTest::keyClick(open.edit(kCoolingCapacityEdit), Qt::Key_Return);
            open.window.close();
        };
        QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);

        QCOMPARE(open.dialogs.shown, QStringList{QStringLiteral("[JVT] No suitable models!")});
        QVERIFY(open.window.isVisible());
    }

    // Pressing CALC leaves an edit that holds no number: the prompt comes up
    // before the press reaches the button, and the user lets the mouse go
    // over the box. CALC is not left drawn pressed, and the next click runs it.
    void calcIsNotLeftPressedByItsOwnPrompt() {
        OpenWindow open;
        QLineEdit* ambient = open.edit(kCoolingAmbientEdit);
        QTest::mouseClick(ambient, Qt::LeftButton);
        QTest::keyClick(ambient, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ambient, QStringLiteral("lots"));
        QAbstractButton* calc = open.headerButton(keld::ui::kCalcId);
        open.dialogs.whileInformed = [&open] {
            open.dialogs.whileInformed = nullptr;
            QTest::mouseRelease(&open.window, Qt::LeftButton, {}, QPoint(5, open.window.height() - 5));
        };
        QTest::mousePress(calc, Qt::LeftButton);
        QCOMPARE(open.dialogs.shown, QStringList{QStringLiteral("[JVT] 请输入一个数字。")});
        QVERIFY(!calc->isDown());
        QVERIFY(open.listRows().isEmpty());

        QTest::mouseClick(calc, Qt::LeftButton);
        QVERIFY(!calc->isDown());
        QCOMPARE(open.listRows().size(), 1);
    }
};

QTEST_MAIN(WindowMainTest)
#include "window_main_test.moc"
