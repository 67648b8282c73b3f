// SPDX-License-Identifier: MIT
// The start-up of the program in the test's process: a second start while a
// first holds the lock, a database that does not open, and a launch that
// opens the window and ends when the user closes it.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/instance_lock.h"
#include "app/jvt_app.h"
#include "app/launch_block.h"
#include "child_process.h"
#include "runtime_directory.h"
#include "ui/main_window/jvt_dlg.h"
#include "ui/main_window/main_window_template.h"
#include "window_recording_dialogs.h"

using keld::test::RecordingDialogs;
using keld::test::RunningProgram;
using keld::test::RuntimeDirectory;

namespace {

bool LaunchBlockExists() {
    const int fd = ::shm_open(keld::LaunchBlockName().c_str(), O_RDONLY, 0);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

keld::ui::CJVTDlg* OpenMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<keld::ui::CJVTDlg*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aSecondStartEndsAndLeavesTheFirstRunning() {
        const RuntimeDirectory runtime;
        RunningProgram first(KELD_INSTANCE_LOCK_HOLDER);
        QCOMPARE(first.readLine(), std::string("held"));
        QCOMPARE(keld::WriteLaunchBlock(keld::LaunchBlockName(), "14BREXAL"), std::string());

        RecordingDialogs dialogs;
        keld::CJVTApp app(dialogs, KELD_BUILD_DIR);
        QCOMPARE(app.InitInstance(), 1);
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("[JVT] You've open the sofrware!")});
        QVERIFY(app.session() == nullptr);
        // This launch is over: its text does not wait for a later start.
        QVERIFY(!LaunchBlockExists());
        const keld::InstanceLock stillHeld(keld::InstanceLockPath());
        QCOMPARE(stillHeld.state(), keld::InstanceLock::State::HeldByAnother);
    }

    void aDatabaseThatDoesNotOpenEndsTheStart() {
        const RuntimeDirectory runtime;
        RecordingDialogs dialogs;
        // The runtime directory stands in for a program directory without
        // the database file.
        keld::CJVTApp app(dialogs, runtime.path().string());
        QCOMPARE(app.InitInstance(), 1);
        QCOMPARE(dialogs.shown.size(), 2);
        QVERIFY2(dialogs.shown[0].startsWith(QStringLiteral("[JVT] ")) && dialogs.shown[0].size() > 6,
                 qPrintable(dialogs.shown[0]));
        QCOMPARE(dialogs.shown[1], QStringLiteral("[JVT] Dadabase link error!"));
        QVERIFY(OpenMainWindow() == nullptr);
    }

    void aLaunchOpensTheWindowUntilTheUserClosesIt() {
        const RuntimeDirectory runtime;
        QCOMPARE(keld::WriteLaunchBlock(keld::LaunchBlockName(), "14BREXAL"), std::string());
        RecordingDialogs dialogs;
        keld::CJVTApp app(dialogs, KELD_BUILD_DIR);

        bool sawWindow = false;
        std::string secondStart;
        QTimer::singleShot(0, [&] {
            keld::ui::CJVTDlg* window = OpenMainWindow();
            if (window == nullptr) return;
            sawWindow = true;
            secondStart = RunningProgram(KELD_INSTANCE_LOCK_HOLDER).readLine();
            dialogs.expectedOwner = window;
            auto* close = window->findChild<QAbstractButton*>(QString::number(keld::ui::kCloseId));
            QTest::mouseClick(close, Qt::LeftButton);
        });
        QCOMPARE(app.InitInstance(), 0);

        QVERIFY(sawWindow);
        QCOMPARE(secondStart, std::string("held by another"));
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("[TIP] Are you sure to exit ?")});
        QVERIFY(dialogs.ownersRight);
        QCOMPARE(app.launchParameters().FirstDigit, 1);
        QCOMPARE(app.launchParameters().SecondDigit, 4);
        QCOMPARE(app.launchParameters().Brand, std::string("BREXAL"));
        QCOMPARE(app.session()->page().launch().Brand, std::string("BREXAL"));
        QVERIFY(!LaunchBlockExists());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
