// SPDX-License-Identifier: MIT
// A core that fails under the window: whatever it raises in a click, a key,
// a field left or a header command becomes one message box, the page's
// controls and list stay as they were, and the window goes on: the same act
// then does what it does in a window that never failed.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "db/database_error.h"
#include "reports/pdflib.h"
#include "selection/page/page_controls.h"
#include "ui/desktop_dialogs.h"
#include "ui/dialog_message_sink.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "window_fixture.h"

using keld::test::OpenWindow;

namespace {

// Replaces what `edit` holds with `text` as a user types it, leaving the
// focus in the edit.
void Type(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ClickRadio(QAbstractButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

keld::ui::CMultiHeaderList* List(OpenWindow& open) { return open.window.selectionPage()->resultList(); }

void ClickRow(OpenWindow& open, int row) {
    keld::ui::CMultiHeaderList* list = List(open);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

void Calc(OpenWindow& open) { QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton); }

// Two units for 1000 kW at 35 °C; the second row clicked, then the ambient
// changed, so that restoring the row would change the page.
void RowClickedThenAmbientChanged(OpenWindow& open) {
    Type(open.edit(keld::kCoolingCapacityEdit), QStringLiteral("1000"));
    Type(open.edit(keld::kCoolingAmbientEdit), QStringLiteral("35"));
    Calc(open);
    ClickRow(open, 1);
    Type(open.edit(keld::kCoolingAmbientEdit), QStringLiteral("30"));
    QTest::keyClick(open.edit(keld::kCoolingAmbientEdit), Qt::Key_Tab);
    List(open)->setFocus(Qt::OtherFocusReason);
}

struct FailureCase {
    const char* name;
    // Brings the window to where the act starts; the core does not fail here.
    std::function<void(OpenWindow&)> arrange;
    // What the user does; its first call into the core fails.
    std::function<void(OpenWindow&)> act;
    std::function<void()> raise;
    QString box;
};

const std::vector<FailureCase>& Cases() {
    static const std::vector<FailureCase> cases = {
        {"a row clicked", RowClickedThenAmbientChanged, [](OpenWindow& open) { ClickRow(open, 1); },
         [] { throw std::out_of_range("result row 3 of 2"); }, QStringLiteral("[JVT] result row 3 of 2")},
        {"a field left",
         [](OpenWindow& open) { Type(open.edit(keld::kCoolingAmbientEdit), QStringLiteral("35.04")); },
         [](OpenWindow& open) { QTest::mouseClick(open.edit(keld::kCoolingOutletEdit), Qt::LeftButton); },
         [] {
             throw keld::DatabaseError(keld::database_error_code::kItemNotFound, "no such column: Flow_7");
         },
         QStringLiteral("[JVT] no such column: Flow_7")},
        {"the fluid chosen",
         [](OpenWindow& open) {
             ClickRadio(open.pageButton(keld::kScrewRadio));
             open.window.selectionPage()->control(keld::kFluidList)->setFocus(Qt::OtherFocusReason);
         },
         [](OpenWindow& open) {
             QTest::keyClick(open.window.selectionPage()->control(keld::kFluidList), Qt::Key_Down);
         },
         [] { throw std::bad_alloc(); }, QStringLiteral("[JVT] std::bad_alloc")},
        // The toolkit has checked the radio before the page hears of the click.
        {"a radio clicked",
         [](OpenWindow& open) { open.pageButton(keld::kCentrifugalRadio)->setFocus(Qt::OtherFocusReason); },
         [](OpenWindow& open) { ClickRadio(open.pageButton(keld::kScrewRadio)); }, [] { throw 42; },
         QStringLiteral("[JVT] The command could not be completed.")},
        {"CALC",
         [](OpenWindow& open) {
             Calc(open);
             Type(open.edit(keld::kCoolingCapacityEdit), QStringLiteral("1000"));
             List(open)->setFocus(Qt::OtherFocusReason);
         },
         Calc, [] { throw std::runtime_error(""); },
         QStringLiteral("[JVT] The command could not be completed.")},
        {"Enter in a field",
         [](OpenWindow& open) { Type(open.edit(keld::kCoolingCapacityEdit), QStringLiteral("1000")); },
         [](OpenWindow& open) { QTest::keyClick(open.edit(keld::kCoolingCapacityEdit), Qt::Key_Return); },
         [] { throw std::out_of_range("no edit 1099 on the selection page"); },
         QStringLiteral("[JVT] no edit 1099 on the selection page")},
        {"PDF", RowClickedThenAmbientChanged,
         [](OpenWindow& open) { QTest::mouseClick(open.headerButton(keld::ui::kPdfId), Qt::LeftButton); },
         [] { throw keld::PDFlib::IOException("Couldn't open PDF file 'sheet.pdf' for writing", nullptr); },
         QStringLiteral("[JVT] Couldn't open PDF file 'sheet.pdf' for writing")},
    };
    return cases;
}

// What an act leaves the window showing, and the dialogs it opened.
struct Seen {
    QStringList controls;
    QStringList rows;
    QStringList dialogs;
    bool operator==(const Seen&) const = default;
};

Seen ActIn(OpenWindow& open, const FailureCase& c) {
    const qsizetype before = open.dialogs.shown.size();
    c.act(open);
    return {keld::test::ShownControls(*open.window.selectionPage()), open.listRows(),
            open.dialogs.shown.mid(before)};
}

}  // namespace

class WindowCoreFailureTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aFailingCallIsABoxAndTheWindowGoesOn_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(Cases().size()); ++i) QTest::newRow(Cases()[i].name) << i;
    }

    void aFailingCallIsABoxAndTheWindowGoesOn() {
        QFETCH(int, index);
        const FailureCase& c = Cases()[static_cast<std::size_t>(index)];

        Seen expected;
        {
            OpenWindow untroubled;
            c.arrange(untroubled);
            expected = ActIn(untroubled, c);
        }

        OpenWindow open;
        c.arrange(open);
        const QStringList controls = keld::test::ShownControls(*open.window.selectionPage());
        const QStringList rows = open.listRows();
        open.core.failNextCall(c.raise);
        const Seen failed = ActIn(open, c);
        QVERIFY(!open.core.failurePending());
        QCOMPARE(failed.dialogs, QStringList{c.box});
        QVERIFY(open.dialogs.ownersRight);
        QCOMPARE(failed.controls, controls);
        QCOMPARE(keld::test::HeldControls(open.session.page()), controls);
        QCOMPARE(failed.rows, rows);
        QVERIFY(open.window.isVisible());

        c.arrange(open);
        const Seen again = ActIn(open, c);
        QCOMPARE(again.dialogs, expected.dialogs);
        QCOMPARE(again.controls, expected.controls);
        QCOMPARE(again.rows, expected.rows);
    }

    // Not even a box that cannot be shown ends the program.
    void aBoxThatFailsEndsNothing() {
        class BrokenSink : public keld::MessageSink {
        public:
            void show(const std::string&, const std::string&) override { throw std::bad_alloc(); }
        } sink;
        keld::ui::CoreBoundary boundary(sink);
        bool ran = false;
        QVERIFY(boundary.run([&ran] { ran = true; }));
        QVERIFY(ran);
        QVERIFY(!boundary.run([] { throw std::runtime_error("no such table: High"); }));
    }

    // The box as the desktop shows it, saved as build/core-failure-box.png:
    // the whole text, nothing clipped.
    void theBoxShowsTheWholeText() {
        keld::ui::DesktopDialogs desktop;
        keld::ui::DialogMessageSink sink(desktop);
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        sink.setOwner(&owner);
        keld::ui::CoreBoundary boundary(sink);
        const QString text = QStringLiteral(
            "no such column: Flow_7 in the table of QSK185GV5-LQE while reading its water flow range");
        QString shownText;
        bool saved = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shownText = box->text().remove(QChar(0x2060)).remove(QChar(0x200B));
            saved = box->grab().save(keld::test::BuildFolderFile(QStringLiteral("core-failure-box.png")));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!boundary.run([&text] { throw std::runtime_error(text.toStdString()); }));
        QCOMPARE(shownText, text);
        QVERIFY(saved);
    }
};

QTEST_MAIN(WindowCoreFailureTest)
#include "window_core_failure_test.moc"
