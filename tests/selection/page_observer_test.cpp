// SPDX-License-Identifier: MIT
// A window learns every change of the page's controls from its observer: a
// mirror kept only from the notifications always equals the page.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "selection/page/page_controls.h"
#include "support/selection_fixture.h"

namespace keld {

// Lets a failed comparison show what a control showed.
void PrintTo(const ControlState& s, std::ostream* out) {
    *out << '"' << s.text << '"' << (s.enabled ? "" : " disabled") << (s.readOnly ? " read-only" : "")
         << (s.checked ? " checked" : "");
}

namespace test {
namespace {

constexpr const char* kScrewUnits = R"sql(
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK185GV5-LQE', '1', 467.0, 467.0, 155.9, 22.0, '11.00-33.00', '50.0', '22.0');
INSERT INTO ALL_Model_qhk VALUES (0, 2, 0, 0, 'QHK150GP5-LQE', '1', 507.0, 507.0, 136.7, 24.17, 23.89, '12.09-36.26', '55.6', '24.17');
)sql";

// What a window would show if it redrew a control only when told.
class MirroringObserver : public PageObserver {
public:
    explicit MirroringObserver(const SelectionPage& page) : page_(page) {
        for (int id : SelectionPage::ControlIds()) shown_[id] = page.controlState(id);
    }
    void controlChanged(int controlId) override { shown_.at(controlId) = page_.controlState(controlId); }
    void focusRequested(int editId) override { focusRequests.push_back(editId); }

    std::map<int, ControlState> shown() const { return shown_; }
    std::vector<int> focusRequests;

private:
    const SelectionPage& page_;
    std::map<int, ControlState> shown_;
};

std::map<int, ControlState> StateOf(const SelectionPage& page) {
    std::map<int, ControlState> states;
    for (int id : SelectionPage::ControlIds()) states[id] = page.controlState(id);
    return states;
}

struct PageActs {
    std::string name;
    std::string launch;
    std::function<void(RunFixture&)> acts;
};

void PrintTo(const PageActs& c, std::ostream* out) { *out << c.name; }

class PageObserverTest : public testing::TestWithParam<PageActs> {};

TEST_P(PageObserverTest, TheMirrorNeverLagsBehind) {
    RunFixture fixture(kScrewUnits, GetParam().launch);
    MirroringObserver mirror(fixture.page());
    const Subscription subscription = fixture.page().subscribe(mirror);
    GetParam().acts(fixture);
    EXPECT_EQ(mirror.shown(), StateOf(fixture.page()));
    // The boxes these acts raise are compared by the tests of the checks and
    // runs; here only what the window would draw counts.
    fixture.sink().take();
}

void Leave(RunFixture& f, int id, const std::string& text) {
    f.page().focusField(id);
    f.set(id, text);
    f.page().leaveField(id);
}

INSTANTIATE_TEST_SUITE_P(
    Acts, PageObserverTest,
    testing::Values(PageActs{"ScrewHeatPump", "", [](RunFixture& f) { f.page().clickScrew(); }},
                    PageActs{"ScrewChiller", "BREXAL", [](RunFixture& f) { f.page().clickScrew(); }},
                    PageActs{"GlycolThenWaterThenCentrifugal", "",
                             [](RunFixture& f) {
                                 f.page().clickScrew();
                                 f.page().selectFluid(true);
                                 f.set(kGlycolEdit, "25");
                                 f.page().selectFluid(false);
                                 f.page().clickCentrifugal();
                             }},
                    PageActs{"FlowsEnteredAndLeft", "",
                             [](RunFixture& f) {
                                 f.page().clickScrew();
                                 Leave(f, kCoolingFlowEdit, "30.12345");
                                 Leave(f, kHeatingFlowEdit, "18");
                                 Leave(f, kHeatingInletEdit, "39.999");
                             }},
                    PageActs{"NormalisedAndRevertedTexts", "",
                             [](RunFixture& f) {
                                 Leave(f, kFoulingEdit, "0.01");
                                 Leave(f, kAltitudeEdit, "123.6");
                                 Leave(f, kCoolingAmbientEdit, "warm");
                             }},
                    PageActs{"StandardChosen", "", [](RunFixture& f) { f.page().clickStandard(1); }},
                    PageActs{"RunSwitchesToGlycol", "1BREXAL",
                             [](RunFixture& f) {
                                 f.page().clickScrew();
                                 f.set(kCoolingOutletEdit, "2");
                                 f.set(kCoolingInletEdit, "7");
                                 f.run();
                             }},
                    PageActs{"RunRaisesTheGlycol", "",
                             [](RunFixture& f) {
                                 f.page().clickScrew();
                                 f.page().selectFluid(true);
                                 f.set(kCoolingOutletEdit, "-5");
                                 f.set(kCoolingInletEdit, "0");
                                 f.run();
                             }},
                    PageActs{"ScrewRowRestoredOnACentrifugalPage", "BREXAL",
                             [](RunFixture& f) {
                                 f.page().clickScrew();
                                 f.page().selectFluid(true);
                                 f.set(kGlycolEdit, "20");
                                 f.enterCoolingFlow("21");
                                 f.run();
                                 ASSERT_GE(f.page().results().rowCount(), 1);
                                 f.page().results().markRow(0);
                                 f.page().clickCentrifugal();
                                 f.page().RestoreInputsFromRow();
                             }}),
    [](const testing::TestParamInfo<PageActs>& info) { return info.param.name; });

// The edit whose text stopped a read is the one the user is sent back to,
// whether leaving another field or starting a run found it.
TEST(PageObserverFocus, ANonNumberAsksForTheFocusOfItsEdit) {
    RunFixture fixture(kScrewUnits);
    MirroringObserver mirror(fixture.page());
    const Subscription subscription = fixture.page().subscribe(mirror);
    fixture.set(kToleranceEdit, "ten");
    Leave(fixture, kCoolingAmbientEdit, "36");
    EXPECT_EQ(mirror.focusRequests, std::vector<int>{kToleranceEdit});
    EXPECT_EQ(fixture.page().editText(kToleranceEdit), "15");  // the unread entry reverted
    EXPECT_EQ(fixture.sink().take(), (std::vector<RecordingSink::Message>{{"JVT", "请输入一个整数。"}}));

    fixture.set(kCoolingCapacityEdit, "5OO");
    EXPECT_EQ(fixture.run(), ListEffect::Kept);
    EXPECT_EQ(mirror.focusRequests, (std::vector<int>{kToleranceEdit, kCoolingCapacityEdit}));
    EXPECT_EQ(fixture.sink().take(), (std::vector<RecordingSink::Message>{{"JVT", "请输入一个整数。"}}));
}

// Hears one change and then closes, as a window closed by what it was told.
class ClosingObserver : public PageObserver {
public:
    void controlChanged(int controlId) override {
        heard.push_back(controlId);
        subscription.reset();
    }
    void focusRequested(int) override {}

    Subscription subscription;
    std::vector<int> heard;
};

// The page widget, the list and a plot may all follow the page: each sees
// every change in the order it came, one that closes halfway through a
// change hears nothing more, and the others still never lag behind.
TEST(PageObservers, SeveralFollowThePageAndOneMayLeaveHalfwayThroughAChange) {
    RunFixture fixture(kScrewUnits);
    MirroringObserver first(fixture.page());
    ClosingObserver closing;
    MirroringObserver last(fixture.page());
    const Subscription firstSubscription = fixture.page().subscribe(first);
    closing.subscription = fixture.page().subscribe(closing);
    Subscription lastSubscription = fixture.page().subscribe(last);

    fixture.page().clickScrew();
    EXPECT_EQ(first.shown(), StateOf(fixture.page()));
    EXPECT_EQ(last.shown(), StateOf(fixture.page()));
    EXPECT_EQ(closing.heard, std::vector<int>{kCentrifugalRadio});  // unchecked first

    lastSubscription.reset();
    fixture.page().clickCentrifugal();
    EXPECT_EQ(first.shown(), StateOf(fixture.page()));
    EXPECT_NE(last.shown(), StateOf(fixture.page()));
    EXPECT_EQ(closing.heard.size(), 1u);
}

// Hears which controls changed.
class ListeningObserver : public PageObserver {
public:
    void controlChanged(int controlId) override { heard.push_back(controlId); }
    void focusRequested(int) override {}
    std::vector<int> heard;
};

// A click that leaves every control as it was tells no observer of a change,
// so that a window redraws nothing.
TEST(PageObservers, AClickThatChangesNothingIsNotHeard) {
    RunFixture fixture(kScrewUnits);
    ListeningObserver listener;
    const Subscription subscription = fixture.page().subscribe(listener);
    fixture.page().clickCentrifugal();
    EXPECT_EQ(listener.heard, std::vector<int>{});
    fixture.page().clickScrew();
    EXPECT_NE(listener.heard, std::vector<int>{});
    listener.heard.clear();
    fixture.page().clickScrew();
    EXPECT_EQ(listener.heard, std::vector<int>{});
}

}  // namespace
}  // namespace test
}  // namespace keld
