// SPDX-License-Identifier: MIT
// The PDF command of the main window: the marked row's datasheet written
// through the project information and file dialogs and shown in the viewer,
// and every way the command ends early without writing anything.
#include <QAbstractButton>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/pdf_tools.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "window_fixture.h"

using keld::test::OpenWindow;
using keld::test::ScratchFolder;

namespace {

constexpr int kCoolingAmbientEdit = 1016;
constexpr int kCoolingOutletEdit = 1026;

constexpr int kCoolingCapacityEdit = 1015;

// Replaces what `edit` holds with `text` as a user types it.
void Type(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The list after CALC for 1000 kW, two units long, with the given row clicked.
void CalcAndClickRow(OpenWindow& open, int row) {
    Type(open.edit(kCoolingCapacityEdit), QStringLiteral("1000"));
    QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
    keld::ui::CMultiHeaderList* list = open.window.selectionPage()->resultList();
    QVERIFY(list->model()->rowCount() > row);
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    open.dialogs.shown.clear();
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int FilesIn(const std::filesystem::path& folder) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

class WindowPdfTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void writesTheMarkedRowsDatasheetAndShowsIt() {
        OpenWindow open;
        CalcAndClickRow(open, 1);
        const QString model = open.listRows().at(1).section(QLatin1Char('|'), 0, 0);
        // Inputs changed after the run: the command restores the row's own.
        QLineEdit* ambient = open.edit(kCoolingAmbientEdit);
        Type(ambient, QStringLiteral("30"));
        QTest::mouseClick(open.edit(kCoolingOutletEdit), Qt::LeftButton);
        QCOMPARE(ambient->text(), QStringLiteral("30"));

        const ScratchFolder folder;
        const QString path = QString::fromStdString(folder.file("北京 sheet.pdf"));
        open.dialogs.projectAnswer = keld::ProjectTexts{"北京 Plant", "Cool Trade", "ACME", "T-7"};
        open.dialogs.pathAnswer = path;
        QTest::mouseClick(open.headerButton(keld::ui::kPdfId), Qt::LeftButton);

        QCOMPARE(open.dialogs.shown, (QStringList{QStringLiteral("project information"),
                                                  QStringLiteral("file"), QStringLiteral("viewer ") + path}));
        QVERIFY(open.dialogs.ownersRight);
        QCOMPARE(ambient->text(), QStringLiteral("35"));
        const keld::test::CommandResult text =
            keld::test::Run("pdftotext -enc UTF-8 " + keld::test::ShellQuoted(path.toStdString()) + " -");
        QCOMPARE(text.exitCode, 0);
        const QString sheet = QString::fromStdString(text.output);
        for (const QString& expected : {model, QStringLiteral("北京 Plant"), QStringLiteral("ACME"),
                                        QStringLiteral("Cool Trade"), QStringLiteral("T-7")}) {
            QVERIFY2(sheet.contains(expected), qPrintable(expected));
        }
    }

    void endsEarlyWithoutWriting_data() {
        QTest::addColumn<bool>("rowClicked");
        QTest::addColumn<bool>("projectOk");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("shown");
        const QString project = QStringLiteral("project information");
        const QString file = QStringLiteral("file");
        QTest::newRow("no row marked")
            << false << true << QStringLiteral("a.pdf")
            << QStringList{QStringLiteral("[JVT] Please select the model on the list")};
        QTest::newRow("project information cancelled")
            << true << false << QStringLiteral("a.pdf") << QStringList{project};
        QTest::newRow("file dialog cancelled") << true << true << QString() << QStringList{project, file};
        QTest::newRow("file that cannot be made")
            << true << true << QStringLiteral("no such folder/a.pdf")
            << QStringList{project, file, QStringLiteral("[JVT] Open PDF file error")};
    }

    void endsEarlyWithoutWriting() {
        QFETCH(bool, rowClicked);
        QFETCH(bool, projectOk);
        QFETCH(QString, fileName);
        QFETCH(QStringList, shown);

        OpenWindow open;
        if (rowClicked) {
            CalcAndClickRow(open, 0);
        } else {
            QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
            open.dialogs.shown.clear();
        }
        const ScratchFolder folder;
        if (!projectOk) open.dialogs.projectAnswer.reset();
        if (!fileName.isEmpty()) {
            open.dialogs.pathAnswer =
                QString::fromStdString((folder.path() / fileName.toStdString()).string());
        }
        QTest::mouseClick(open.headerButton(keld::ui::kPdfId), Qt::LeftButton);

        QCOMPARE(open.dialogs.shown, shown);
        QVERIFY(open.dialogs.ownersRight);
        QCOMPARE(FilesIn(folder.path()), 0);
    }

    // The file dialog lets the user confirm replacing any file. The program's
    // own files are refused however the path spells them, and stay as they
    // were; a copy of the database is only a file like any other.
    void theProgramsOwnFilesAreNoDatasheetTargets() {
        const ScratchFolder folder;
        const std::string database = folder.file("KELD_Vortan.tbs");
        std::filesystem::copy_file(KELD_SAMPLE_DATABASE, database);
        for (const char* picture : {"AHRI.jpg", "BREXAL.jpg", "norvex_Min.jpg"}) {
            std::filesystem::copy_file(std::filesystem::path(KELD_BUILD_DIR) / picture, folder.file(picture));
        }
        std::filesystem::create_symlink(database, folder.file("sheet.pdf"));
        std::filesystem::copy_file(database, folder.file("copy.pdf"));
        const std::string databaseBytes = FileBytes(database);
        const std::string pictureBytes = FileBytes(folder.file("AHRI.jpg"));

        OpenWindow open(database, folder.path().string());
        CalcAndClickRow(open, 0);
        const QString project = QStringLiteral("project information");
        const QString file = QStringLiteral("file");
        const QString refused =
            QStringLiteral("[JVT] The datasheet cannot be saved as %1: it is %2. Choose another file.");
        const QString theDatabase = QStringLiteral("the performance database the selection reads");
        const QString aPicture = QStringLiteral("a picture the datasheet prints");
        const struct {
            std::string target;
            QStringList shown;
        } cases[] = {
            {database, {project, file, refused.arg(QString::fromStdString(database), theDatabase)}},
            {folder.file("sheet.pdf"),
             {project, file, refused.arg(QString::fromStdString(folder.file("sheet.pdf")), theDatabase)}},
            {folder.file("./AHRI.jpg"),
             {project, file, refused.arg(QString::fromStdString(folder.file("./AHRI.jpg")), aPicture)}},
            {folder.file("copy.pdf"),
             {project, file, QStringLiteral("viewer ") + QString::fromStdString(folder.file("copy.pdf"))}},
        };
        for (const auto& c : cases) {
            open.dialogs.shown.clear();
            open.dialogs.pathAnswer = QString::fromStdString(c.target);
            QTest::mouseClick(open.headerButton(keld::ui::kPdfId), Qt::LeftButton);
            QCOMPARE(open.dialogs.shown, c.shown);
        }
        QCOMPARE(FileBytes(database), databaseBytes);
        QCOMPARE(FileBytes(folder.file("AHRI.jpg")), pictureBytes);
        QVERIFY(std::filesystem::is_symlink(folder.file("sheet.pdf")));
        QVERIFY(FileBytes(folder.file("copy.pdf")).starts_with("%PDF-"));
    }
};

QTEST_MAIN(WindowPdfTest)
#include "window_pdf_test.moc"
