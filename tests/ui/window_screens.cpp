// SPDX-License-Identifier: MIT
// keld-window-screens FOLDER: on a real X server, opens the main window for
// each brand and saves pictures of the whole screen into FOLDER: at start,
// after CALC, with the mouse over a header button, with a row selected, and
// after CALC for the screw compressor, and the performance map of a listed
// unit of each series (its charts and table, and a heat pump's heating
// charts); then the About, project information, exit question and message
// boxes. scripts/window-screens.sh runs it on a fresh Xvfb.
#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ui/desktop_dialogs.h"
#include "ui/dialogs/performance_map_dialog.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "window_fixture.h"

namespace {

constexpr int kCoolingCapacityEdit = 1015;
constexpr int kScrewRadio = 1011;

// Lets the X server draw what the window painted, then saves the screen.
void Shoot(const QDir& folder, const QString& name) {
    QTest::qWait(150);
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

void Calc(keld::test::OpenWindow& open, const QString& capacity) {
    QLineEdit* edit = open.edit(kCoolingCapacityEdit);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, capacity);
    QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
}

// Double-clicks the first row, shoots each tab of the map dialog that opens
// and closes it with Escape.
void ShootMap(const QDir& folder, keld::test::OpenWindow& open, const QString& name) {
    keld::ui::CMultiHeaderList* list = open.window.selectionPage()->resultList();
    const QPoint row = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    auto* dialog = open.window.findChild<keld::ui::PerformanceMapDialog*>();
    if (dialog == nullptr) {
        std::fprintf(stderr, "no performance map for %s\n", qPrintable(name));
        return;
    }
    QCursor::setPos(0, 0);
    for (int tab = 0; tab < dialog->tabs()->count(); ++tab) {
        dialog->tabs()->setCurrentIndex(tab);
        Shoot(folder, name + QLatin1Char('-') +
                          dialog->tabs()->tabText(tab).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    }
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::qWait(50);
}

void ShootBrand(const QDir& folder, const char* launch, const QString& brand) {
    {
        keld::test::OpenWindow open(launch);
        QCursor::setPos(0, 0);
        Shoot(folder, brand + QStringLiteral("-1-start"));

        Calc(open, QStringLiteral("1200"));
        QCursor::setPos(0, 0);
        Shoot(folder, brand + QStringLiteral("-2-calc"));

        QAbstractButton* pdf = open.headerButton(keld::ui::kPdfId);
        QCursor::setPos(pdf->mapToGlobal(pdf->rect().center()));
        Shoot(folder, brand + QStringLiteral("-3-hover"));

        QCursor::setPos(0, 0);
        keld::ui::CMultiHeaderList* list = open.window.selectionPage()->resultList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        Shoot(folder, brand + QStringLiteral("-4-row"));
        ShootMap(folder, open, brand + QStringLiteral("-6-map-centrifugal"));
        for (const QString& shown : open.dialogs.shown) std::printf("  %s\n", qPrintable(shown));
    }
    keld::test::OpenWindow open(launch);
    QCursor::setPos(0, 0);
    auto* screw = open.window.selectionPage()->control(kScrewRadio);
    QTest::mouseClick(screw, Qt::LeftButton, {}, QPoint(6, screw->height() / 2));
    Calc(open, QStringLiteral("800"));
    Shoot(folder, brand + QStringLiteral("-5-screw"));
    ShootMap(folder, open, brand + QStringLiteral("-7-map-screw"));
    for (const QString& shown : open.dialogs.shown) std::printf("  %s\n", qPrintable(shown));
}

// The dialogs the window opens, each shot while it waits for the user and
// then cancelled.
void ShootDialogs(const QDir& folder) {
    keld::test::OpenWindow open;
    keld::ui::DesktopDialogs desktop;
    const auto shootAndCancel = [&folder](const QString& name) {
        QTimer::singleShot(0, [&folder, name] {
            Shoot(folder, name);
            if (QWidget* dialog = QApplication::activeModalWidget()) QTest::keyClick(dialog, Qt::Key_Escape);
        });
    };
    shootAndCancel(QStringLiteral("dialog-about"));
    desktop.showAbout(&open.window, QStringLiteral("2026.12.1 (2026-12-11)"));
    shootAndCancel(QStringLiteral("dialog-project"));
    desktop.askProjectTexts(&open.window);
    shootAndCancel(QStringLiteral("dialog-exit"));
    desktop.confirm(&open.window, QStringLiteral("Are you sure to exit ?"), QStringLiteral("TIP"));
    shootAndCancel(QStringLiteral("dialog-message"));
    desktop.inform(&open.window, QStringLiteral("请输入一个数字。"), QStringLiteral("JVT"));
    // The longest message the PDF command shows: a sheet refused over the database.
    shootAndCancel(QStringLiteral("dialog-message-long"));
    desktop.inform(&open.window,
                   QStringLiteral("The datasheet cannot be saved as /usr/lib/keld/KELD_Vortan.tbs: it is the "
                                  "performance database the selection reads. Choose another file."),
                   QStringLiteral("JVT"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2) {
        std::fprintf(stderr, "usage: keld-window-screens FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    ShootBrand(folder, "", QStringLiteral("norvex"));
    ShootBrand(folder, "14BREXAL", QStringLiteral("brexal"));
    ShootDialogs(folder);
    return 0;
}
