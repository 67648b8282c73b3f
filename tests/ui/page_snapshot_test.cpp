// SPDX-License-Identifier: MIT
// The page's inputs taken as request options: put on a fresh page they give
// the duty the user entered, for the three series, water and glycol, the
// inlet or the flow entered, and both brands.
#include "session/page_snapshot.h"

#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "selection/launch_parameters.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "session/apply_page_options.h"
#include "support/recording_sink.h"

namespace k = keld;

namespace {

// What a user does to type a value: into the field, the text, out again.
void Type(k::SelectionPage& page, int editId, const std::string& text) {
    page.focusField(editId);
    page.setEditText(editId, text);
    page.leaveField(editId);
}

// What the page shows as the duty: every control's state, and the texts of
// the edits that are inputs (enabled, and not the value the page computes
// from the other of its circuit). Which value of a disabled circuit would be
// entered is no part of a duty that does not use the circuit.
QStringList Duty(const k::SelectionPage& page) {
    QStringList shown;
    for (int id : k::SelectionPage::ControlIds()) {
        const k::ControlState state = page.controlState(id);
        const bool input = state.enabled && !state.readOnly;
        shown << QStringLiteral("%1 %2%3%4%5")
                     .arg(id)
                     .arg(input ? QString::fromStdString(state.text) : QString())
                     .arg(state.enabled ? QString() : QStringLiteral(", disabled"))
                     .arg(state.enabled && state.readOnly ? QStringLiteral(", read-only") : QString())
                     .arg(state.checked ? QStringLiteral(", checked") : QString());
    }
    return shown;
}

struct SnapshotCase {
    const char* name;
    const char* launch;
    std::function<void(k::SelectionPage&)> enter;
};

const std::vector<SnapshotCase>& Cases() {
    static const std::vector<SnapshotCase> cases = {
        {"QTK defaults", "", [](k::SelectionPage&) {}},
        {"QTK, every value typed, GB", "37",
         [](k::SelectionPage& page) {
             page.clickStandard(1);
             Type(page, k::kCoolingCapacityEdit, "800");
             Type(page, k::kToleranceEdit, "10");
             Type(page, k::kCoolingAmbientEdit, "38.5");
             Type(page, k::kCoolingInletEdit, "13.5");
             Type(page, k::kCoolingOutletEdit, "8.25");
             Type(page, k::kFoulingEdit, "0.044");
             Type(page, k::kAltitudeEdit, "1200");
         }},
        {"QTK, flow entered after an inlet was typed", "",
         [](k::SelectionPage& page) {
             Type(page, k::kCoolingInletEdit, "10");
             Type(page, k::kCoolingFlowEdit, "31.5");
         }},
        // Heating values typed on a heat pump, then the compressor changed:
        // the disabled heating edits keep texts a fresh page does not have.
        {"QTK after a heat pump's heating values", "",
         [](k::SelectionPage& page) {
             page.clickScrew();
             Type(page, k::kHeatingAmbientEdit, "2");
             Type(page, k::kHeatingFlowEdit, "18");
             page.clickCentrifugal();
         }},
        {"QHK on water, heating flow entered", "00",
         [](k::SelectionPage& page) {
             page.clickScrew();
             Type(page, k::kCoolingCapacityEdit, "300");
             Type(page, k::kHeatingCapacityEdit, "320");
             Type(page, k::kHeatingAmbientEdit, "-5");
             Type(page, k::kHeatingOutletEdit, "50");
             Type(page, k::kHeatingFlowEdit, "15.75");
         }},
        {"QHK on glycol, GB", "9",
         [](k::SelectionPage& page) {
             page.clickScrew();
             page.selectFluid(true);
             Type(page, k::kGlycolEdit, "25");
             page.clickStandard(1);
             Type(page, k::kCoolingOutletEdit, "-2");
             Type(page, k::kCoolingInletEdit, "3");
         }},
        {"GV5 on glycol, cooling flow entered", "14BREXAL",
         [](k::SelectionPage& page) {
             page.clickScrew();
             page.selectFluid(true);
             Type(page, k::kGlycolEdit, "30");
             Type(page, k::kCoolingAmbientEdit, "44");
             Type(page, k::kCoolingFlowEdit, "40");
         }},
        {"GV5 on water", "BREXAL",
         [](k::SelectionPage& page) {
             page.clickScrew();
             Type(page, k::kCoolingCapacityEdit, "1500");
             Type(page, k::kCoolingOutletEdit, "10");
             Type(page, k::kCoolingInletEdit, "16");
         }},
    };
    return cases;
}

}  // namespace

class PageSnapshotTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFreshPageTakesTheSameDuty_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(Cases().size()); ++i) QTest::newRow(Cases()[i].name) << i;
    }

    void aFreshPageTakesTheSameDuty() {
        QFETCH(int, index);
        const SnapshotCase& c = Cases()[static_cast<std::size_t>(index)];
        k::test::RecordingSink sink;
        k::SelectionPage page(k::DecodeLaunchText(c.launch), sink);
        c.enter(page);
        QVERIFY(page.readControls());

        const k::PageOptions options = k::OptionsOfPage(page);
        QVERIFY(!options.database);
        const k::LaunchParameters launch = k::DecodeLaunchText(options.launch.value_or(""));
        QCOMPARE(launch.FirstDigit, page.launch().FirstDigit);
        QCOMPARE(launch.SecondDigit, page.launch().SecondDigit);
        QCOMPARE(launch.Brand, page.launch().Brand);

        k::SelectionPage fresh(launch, sink);
        QVERIFY_THROWS_NO_EXCEPTION(k::ApplyPageOptions(fresh, options));
        QCOMPARE(Duty(fresh), Duty(page));
        QVERIFY(fresh.readControls());
        const k::SelectionConditions& want = page.conditions();
        const k::SelectionConditions& got = fresh.conditions();
        QCOMPARE(got.compressorType, want.compressorType);
        QCOMPARE(got.unitType, want.unitType);
        QCOMPARE(got.partLoadStandard, want.partLoadStandard);
        QCOMPARE(got.fluidIsGlycol, want.fluidIsGlycol);
        QCOMPARE(got.glycolPercent, want.glycolPercent);
        QCOMPARE(got.coolingFlowEntered, want.coolingFlowEntered);
        QCOMPARE(got.heatingFlowEntered && got.unitType == 1, want.heatingFlowEntered && want.unitType == 1);
        QVERIFY(sink.messages().empty());
    }

    // Of each circuit only what the user entered is an option: the flow
    // where the flow is entered, else the inlet.
    void onlyTheEnteredValueOfACircuitIsTaken() {
        k::test::RecordingSink sink;
        k::SelectionPage page(k::LaunchParameters{}, sink);
        page.clickScrew();
        QCOMPARE(k::OptionsOfPage(page).values.count(k::kCoolingInletEdit), 1u);
        QCOMPARE(k::OptionsOfPage(page).values.count(k::kCoolingFlowEdit), 0u);
        Type(page, k::kHeatingFlowEdit, "20");
        const k::PageOptions options = k::OptionsOfPage(page);
        QCOMPARE(options.values.at(k::kHeatingFlowEdit), std::string("20"));
        QCOMPARE(options.values.count(k::kHeatingInletEdit), 0u);
        QCOMPARE(options.values.count(k::kCoolingFlowEdit), 0u);
        QVERIFY(!options.glycol);
    }

    // The launch text carries the two switch digits and the brand; a digit
    // no launch text can give reads back as the 0 of a missing digit.
    void theLaunchTextKeepsDigitsAndBrand_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("brand");
        QTest::addColumn<QString>("text");
        QTest::newRow("zeros") << 0 << 0 << QStringLiteral("Norvex") << QStringLiteral("00");
        QTest::newRow("nines, second brand")
            << 9 << 9 << QStringLiteral("BREXAL") << QStringLiteral("99BREXAL");
        QTest::newRow("one, four") << 1 << 4 << QStringLiteral("BREXAL") << QStringLiteral("14BREXAL");
        QTest::newRow("below 0") << -1 << 3 << QStringLiteral("Norvex") << QStringLiteral("03");
        QTest::newRow("above 9") << 10 << 8 << QStringLiteral("Norvex") << QStringLiteral("08");
    }

    void theLaunchTextKeepsDigitsAndBrand() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, brand);
        QFETCH(QString, text);
        k::test::RecordingSink sink;
        const k::SelectionPage page(k::LaunchParameters{first, second, brand.toStdString()}, sink);
        QCOMPARE(QString::fromStdString(k::OptionsOfPage(page).launch.value_or("")), text);
    }
};

QTEST_MAIN(PageSnapshotTest)
#include "page_snapshot_test.moc"
