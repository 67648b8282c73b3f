// SPDX-License-Identifier: MIT
// The selection page driven as a user drives it: clicks, typing, leaving
// fields, the result list, Enter and Escape; and a picture of it after CALC.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <memory>
#include <optional>
#include <tuple>

#include "db/performance_database.h"
#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "selection/run_selection.h"
#include "support/recording_sink.h"
#include "ui/controls/pictures.h"
#include "ui/controls/static_color.h"
#include "ui/core_boundary.h"
#include "ui/dialog_units.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "ui/page/page_template.h"

using keld::ui::CKeldSelect;
using Message = keld::test::RecordingSink::Message;
namespace k = keld;

namespace {

// The window around the page: it keeps the keys the page leaves alone.
class Host : public QWidget {
public:
    std::vector<int> keysReceived;

protected:
    void keyPressEvent(QKeyEvent* event) override { keysReceived.push_back(event->key()); }
};

// A page over the sample database, shown in its host and active.
struct ShownPage {
    explicit ShownPage(const char* launchText)
        : db(sink),
          page(k::DecodeLaunchText(launchText), sink),
          widget(new CKeldSelect(page, boundary, &host)) {
        opened = db.OpenDatabase(KELD_SAMPLE_DATABASE);
        host.resize(widget->size());
        host.show();
        host.activateWindow();
    }
    ~ShownPage() { delete widget; }

    QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(widget->control(id)); }
    QRadioButton* radio(int id) const { return qobject_cast<QRadioButton*>(widget->control(id)); }
    QComboBox* fluidList() const { return qobject_cast<QComboBox*>(widget->control(k::kFluidList)); }

    // Clicks a radio on its button, where a radio takes a click.
    void click(int id) {
        QWidget* radio = widget->control(id);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    // Clicks into the edit, replaces its text by typing, and leaves with Tab.
    void type(int id, const QString& text, bool leave = true) {
        QLineEdit* field = edit(id);
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        if (leave) QTest::keyClick(field, Qt::Key_Tab);
    }
    // Tabs to the fluid list and picks the entry with the arrow keys.
    void chooseFluid(int index) {
        fluidList()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(fluidList(), index == 1 ? Qt::Key_Down : Qt::Key_Up);
    }
    void calc() {
        QVERIFY(opened);
        k::RunSelection(page, db);
        widget->refresh();
    }
    void clickRow(int row) {
        keld::ui::CMultiHeaderList* list = widget->resultList();
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    k::test::RecordingSink sink;
    k::PerformanceDatabase db;
    bool opened = false;
    k::SelectionPage page;
    keld::ui::CoreBoundary boundary{sink};
    Host host;
    CKeldSelect* widget;
};

QString Describe(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + text +
           QLatin1Char(' ') + QString::number(widget->y());
}

}  // namespace

class KeldSelectTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void templateControlsInPlace();
    void startStateAndColours();
    void groupCaptionsSitOnTheirFrameLine();
    void arrowKeysChooseWithinAGroup();
    void interlocksPerBrand_data();
    void interlocksPerBrand();
    void fluidChoiceAndBackToCentrifugal();
    void typedValuesNormalisedOnLeaving_data();
    void typedValuesNormalisedOnLeaving();
    void focusChoosesFlowOrInlet();
    void tabThroughFlowKeepsTheTemperatures_data();
    void tabThroughFlowKeepsTheTemperatures();
    void nonNumberPromptsAndTakesTheFocus();
    void rowClickRestoresCentrifugalRow();
    void rowClickRestoresGlycolScrewRow();
    void theMarkIsTheHighlightedRow();
    void enterAndEscapeDoNothingInThePage();
    void savesPictures();
};

// Every control at its template place, captions whole, no control on top
// of another, tab order as the template's.
void KeldSelectTest::templateControlsInPlace() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    const keld::ui::DialogUnits units;
    QCOMPARE(shown.widget->size(), units.size(528, 280));
    QStringList groupCaptions;
    for (auto* box : shown.widget->findChildren<QGroupBox*>()) groupCaptions << box->title();
    QCOMPARE(
        groupCaptions,
        (QStringList{QStringLiteral("Compressor type"), QStringLiteral("Type"), QStringLiteral("Version"),
                     QStringLiteral("Heat Recovery"), QStringLiteral("Capacity Requirement"),
                     QStringLiteral("Refrigerant"), QStringLiteral("Recovery Side"),
                     QStringLiteral("Conditions"), QStringLiteral("Gerneral Data"), QStringLiteral("IPLV")}));

    QList<QWidget*> placed;
    for (const keld::ui::TemplateControl& t : keld::ui::PageTemplate()) {
        if (t.id < 0) continue;
        QWidget* widget = shown.widget->control(t.id);
        QVERIFY2(widget != nullptr, qPrintable(QString::number(t.id)));
        QCOMPARE(widget->geometry(), units.rect(t.x, t.y, t.width, t.height));
        placed << widget;
    }
    QCOMPARE(qobject_cast<QLabel*>(shown.widget->control(1056))->text(), QStringLiteral("L/s"));
    QCOMPARE(qobject_cast<QLabel*>(shown.widget->control(1045))->text(), QStringLiteral("°C"));
    for (int picture : {1054, 1055}) {
        auto* unit = qobject_cast<keld::ui::CStaticColor*>(shown.widget->control(picture));
        QVERIFY(unit != nullptr);
        QCOMPARE(unit->drawMode(), keld::ui::CStaticColor::DrawMode::Bitmap);
        const QSize bitmap = keld::ui::BitmapResource(153).size();
        QVERIFY(bitmap.width() <= unit->width() && bitmap.height() <= unit->height());
    }

    const auto children = shown.widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : children) {
        if (qobject_cast<QGroupBox*>(a) != nullptr) continue;
        if (auto* label = qobject_cast<QLabel*>(a); label != nullptr && !label->text().isEmpty()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
        if (auto* radio = qobject_cast<QRadioButton*>(a)) {
            QVERIFY2(radio->sizeHint().width() <= radio->width(), qPrintable(radio->text()));
        }
        for (QWidget* b : children) {
            if (a < b && qobject_cast<QGroupBox*>(b) == nullptr) {
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(Describe(a) + QStringLiteral(" / ") + Describe(b)));
            }
        }
    }

    QList<int> tabOrder;
    QWidget* next = shown.widget->control(k::kCentrifugalRadio);
    for (int steps = 0; steps < 200 && tabOrder.size() < 34; ++steps, next = next->nextInFocusChain()) {
        for (int id : k::SelectionPage::ControlIds()) {
            if (shown.widget->control(id) == next) tabOrder << id;
        }
        if (next == shown.widget->resultList()) tabOrder << k::kResultList;
    }
    QList<int> templateOrder(k::SelectionPage::ControlIds().begin(), k::SelectionPage::ControlIds().end());
    templateOrder << k::kResultList;
    QCOMPARE(tabOrder, templateOrder);
}

void KeldSelectTest::startStateAndColours() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    const std::map<int, QString> texts = {{k::kCoolingCapacityEdit, QStringLiteral("500")},
                                          {k::kHeatingCapacityEdit, QStringLiteral("500")},
                                          {k::kToleranceEdit, QStringLiteral("15")},
                                          {k::kCoolingAmbientEdit, QStringLiteral("35")},
                                          {k::kCoolingInletEdit, QStringLiteral("12")},
                                          {k::kCoolingOutletEdit, QStringLiteral("7")},
                                          {k::kCoolingFlowEdit, QStringLiteral("22.07")},
                                          {k::kHeatingAmbientEdit, QStringLiteral("7")},
                                          {k::kHeatingInletEdit, QStringLiteral("40")},
                                          {k::kHeatingOutletEdit, QStringLiteral("45")},
                                          {k::kHeatingFlowEdit, QStringLiteral("22.07")},
                                          {k::kRecoveryInletEdit, QStringLiteral("50")},
                                          {k::kRecoveryOutletEdit, QStringLiteral("55")},
                                          {k::kRecoveryFoulingEdit, QStringLiteral("0.018")},
                                          {k::kGlycolEdit, QStringLiteral("0")},
                                          {k::kFoulingEdit, QStringLiteral("0.018")},
                                          {k::kAltitudeEdit, QStringLiteral("0")}};
    for (const auto& [id, text] : texts) {
        QCOMPARE(shown.edit(id)->text(), text);
        QCOMPARE(shown.edit(id)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
    for (int id : {k::kCentrifugalRadio, k::kChillersRadio, k::kStandardVersionRadio, k::kRecoveryNoneRadio,
                   k::kR134aRadio, k::kAhriRadio}) {
        QVERIFY(shown.radio(id)->isChecked());
    }
    for (int id :
         {k::kHeatPumpRadio, k::kR22Radio, k::kR407cRadio, k::kLowNoiseRadio, k::kLowAmbientRadio,
          k::kRecoveryPartialRadio, k::kRecoveryTotalRadio, k::kHeatingCapacityEdit, k::kHeatingAmbientEdit,
          k::kHeatingInletEdit, k::kHeatingOutletEdit, k::kHeatingFlowEdit, k::kRecoveryInletEdit,
          k::kRecoveryOutletEdit, k::kRecoveryFoulingEdit, k::kFluidList, k::kGlycolEdit}) {
        QVERIFY2(!shown.widget->control(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(shown.edit(k::kCoolingFlowEdit)->isReadOnly());
    QVERIFY(!shown.edit(k::kCoolingInletEdit)->isReadOnly());
    QCOMPARE(shown.fluidList()->currentText(), QStringLiteral("Water"));
    QCOMPARE(shown.fluidList()->count(), 2);

    const QImage picture = shown.widget->grab().toImage();
    QCOMPARE(QColor(picture.pixel(2, 2)), QColor(176, 226, 255));
    // A read-only edit shows it in its face colour, unlike an editable one.
    QVERIFY(shown.edit(k::kCoolingFlowEdit)->palette().color(QPalette::Base) !=
            shown.edit(k::kCoolingInletEdit)->palette().color(QPalette::Base));
}

void KeldSelectTest::interlocksPerBrand_data() {
    QTest::addColumn<QString>("launch");
    QTest::addColumn<bool>("heatPump");
    QTest::newRow("Norvex: screw heat pump") << QString() << true;
    QTest::newRow("BREXAL: screw chiller, AHRI only") << QStringLiteral("BREXAL") << false;
}

void KeldSelectTest::interlocksPerBrand() {
    QFETCH(QString, launch);
    QFETCH(bool, heatPump);
    ShownPage shown(launch.toUtf8().constData());
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.click(k::kScrewRadio);
    QVERIFY(shown.radio(k::kScrewRadio)->isChecked());
    QVERIFY(!shown.radio(k::kCentrifugalRadio)->isChecked());
    QCOMPARE(shown.radio(k::kHeatPumpRadio)->isChecked(), heatPump);
    QCOMPARE(shown.radio(k::kHeatPumpRadio)->isEnabled(), heatPump);
    QCOMPARE(shown.radio(k::kChillersRadio)->isChecked(), !heatPump);
    QCOMPARE(shown.radio(k::kChillersRadio)->isEnabled(), !heatPump);
    for (int id : {k::kHeatingCapacityEdit, k::kHeatingAmbientEdit, k::kHeatingInletEdit,
                   k::kHeatingOutletEdit, k::kHeatingFlowEdit}) {
        QCOMPARE(shown.widget->control(id)->isEnabled(), heatPump);
    }
    QVERIFY(shown.fluidList()->isEnabled());
    QCOMPARE(shown.radio(k::kGbRadio)->isEnabled(), heatPump);

    // A second click on the checked radio keeps it checked.
    shown.click(k::kScrewRadio);
    QVERIFY(shown.radio(k::kScrewRadio)->isChecked());
    shown.click(k::kGbRadio);
    QCOMPARE(shown.radio(k::kGbRadio)->isChecked(), heatPump);
    QCOMPARE(shown.radio(k::kAhriRadio)->isChecked(), !heatPump);
    QCOMPARE(shown.page.conditions().partLoadStandard, heatPump ? 1 : 0);
    QVERIFY(shown.sink.messages().empty());
}

void KeldSelectTest::fluidChoiceAndBackToCentrifugal() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.click(k::kScrewRadio);
    shown.chooseFluid(1);
    QCOMPARE(shown.fluidList()->currentText(), QStringLiteral("Glycol"));
    QVERIFY(shown.edit(k::kGlycolEdit)->isEnabled());
    shown.type(k::kGlycolEdit, QStringLiteral("30"));
    QCOMPARE(shown.page.editText(k::kGlycolEdit), std::string("30"));

    shown.click(k::kCentrifugalRadio);
    QCOMPARE(shown.fluidList()->currentText(), QStringLiteral("Water"));
    QVERIFY(!shown.fluidList()->isEnabled());
    QVERIFY(!shown.edit(k::kGlycolEdit)->isEnabled());
    QCOMPARE(shown.edit(k::kGlycolEdit)->text(), QStringLiteral("0"));
    QVERIFY(shown.radio(k::kChillersRadio)->isChecked());
    QVERIFY(!shown.edit(k::kHeatingAmbientEdit)->isEnabled());
}

void KeldSelectTest::typedValuesNormalisedOnLeaving_data() {
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fouling 0.01") << k::kFoulingEdit << QStringLiteral("0.01") << QStringLiteral("0.018");
    QTest::newRow("fouling 0") << k::kFoulingEdit << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("fouling -1") << k::kFoulingEdit << QStringLiteral("-1") << QStringLiteral("0");
    QTest::newRow("fouling 0.04567") << k::kFoulingEdit << QStringLiteral("0.04567")
                                     << QStringLiteral("0.0457");
    QTest::newRow("inlet 12.345") << k::kCoolingInletEdit << QStringLiteral("12.345")
                                  << QStringLiteral("12.35");
    QTest::newRow("inlet 12.3") << k::kCoolingInletEdit << QStringLiteral("12.3") << QStringLiteral("12.3");
    QTest::newRow("ambient 35.27") << k::kCoolingAmbientEdit << QStringLiteral("35.27")
                                   << QStringLiteral("35.3");
    QTest::newRow("altitude 123.6") << k::kAltitudeEdit << QStringLiteral("123.6") << QStringLiteral("124");
    QTest::newRow("flow 30.12345") << k::kCoolingFlowEdit << QStringLiteral("30.12345")
                                   << QStringLiteral("30.12");
    QTest::newRow("tolerance keeps 7.5")
        << k::kToleranceEdit << QStringLiteral("7.5") << QStringLiteral("7.5");
}

void KeldSelectTest::typedValuesNormalisedOnLeaving() {
    QFETCH(int, edit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownPage page("");
    QVERIFY(QTest::qWaitForWindowActive(&page.host));
    page.type(edit, typed);
    QCOMPARE(page.edit(edit)->text(), shown);
    QCOMPARE(QString::fromStdString(page.page.editText(edit)), shown);
    QVERIFY(page.edit(edit) != QApplication::focusWidget());
    QVERIFY(page.sink.messages().empty());
}

void KeldSelectTest::focusChoosesFlowOrInlet() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    QTest::mouseClick(shown.edit(k::kCoolingFlowEdit), Qt::LeftButton);
    QVERIFY(!shown.edit(k::kCoolingFlowEdit)->isReadOnly());
    QVERIFY(shown.edit(k::kCoolingInletEdit)->isReadOnly());
    QTest::mouseClick(shown.edit(k::kCoolingInletEdit), Qt::LeftButton);
    QVERIFY(shown.edit(k::kCoolingFlowEdit)->isReadOnly());
    QVERIFY(!shown.edit(k::kCoolingInletEdit)->isReadOnly());
    // A disabled edit takes no focus: the heating flow stays read-only.
    QTest::mouseClick(shown.edit(k::kHeatingFlowEdit), Qt::LeftButton);
    QVERIFY(shown.edit(k::kHeatingFlowEdit)->isReadOnly());
}

// Each group box's caption interrupts the frame's top line, which runs
// through the caption; the group's controls lie below the caption, clear of it.
void KeldSelectTest::groupCaptionsSitOnTheirFrameLine() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    const QList<QGroupBox*> boxes = shown.widget->findChildren<QGroupBox*>();
    QCOMPARE(boxes.size(), 10);
    for (QGroupBox* box : boxes) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const QRect frame =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
        QVERIFY2(label.top() < frame.top() && frame.top() < label.bottom(), qPrintable(box->title()));
        const QRect inPage = box->geometry();
        for (QWidget* control : shown.widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == box || !inPage.contains(control->geometry().center())) continue;
            QVERIFY2(control->geometry().top() > inPage.top() + label.bottom(),
                     qPrintable(box->title() + QStringLiteral(": ") + Describe(control)));
        }
    }
}

// The arrow keys move the focus through one group's radios and the choice
// follows it, with the page's interlocks, wrapping at the ends.
void KeldSelectTest::arrowKeysChooseWithinAGroup() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    QRadioButton* centrifugal = shown.radio(k::kCentrifugalRadio);
    QRadioButton* screw = shown.radio(k::kScrewRadio);
    centrifugal->setFocus(Qt::TabFocusReason);
    QTest::keyClick(centrifugal, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), screw);
    QVERIFY(screw->isChecked() && !centrifugal->isChecked());
    QVERIFY(shown.radio(k::kHeatPumpRadio)->isChecked());  // the first brand's screw interlock
    QTest::keyClick(screw, Qt::Key_Down);                  // past the end: back to the first
    QCOMPARE(QApplication::focusWidget(), centrifugal);
    QVERIFY(centrifugal->isChecked() && !screw->isChecked());
    QTest::keyClick(centrifugal, Qt::Key_Up);
    QVERIFY(screw->isChecked());
    // Another group is never reached, and its radios stay as they are.
    QRadioButton* ahri = shown.radio(k::kAhriRadio);
    ahri->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ahri, Qt::Key_Right);
    QVERIFY(shown.radio(k::kGbRadio)->isChecked());
    QCOMPARE(QApplication::focusWidget(), shown.radio(k::kGbRadio));
    QVERIFY(screw->isChecked());
}

void KeldSelectTest::tabThroughFlowKeepsTheTemperatures_data() {
    QTest::addColumn<int>("flowEdit");
    QTest::addColumn<int>("inletEdit");
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("flowEntered");
    for (const auto& [circuit, flow, inlet] :
         {std::tuple{"cooling", k::kCoolingFlowEdit, k::kCoolingInletEdit},
          std::tuple{"heating", k::kHeatingFlowEdit, k::kHeatingInletEdit}}) {
        QTest::addRow("%s, Tab on", circuit) << flow << inlet << QStringLiteral("tab") << false;
        QTest::addRow("%s, Shift+Tab back", circuit) << flow << inlet << QStringLiteral("backtab") << false;
        QTest::addRow("%s, typed into", circuit) << flow << inlet << QStringLiteral("type") << true;
        QTest::addRow("%s, clicked", circuit) << flow << inlet << QStringLiteral("click") << true;
    }
}

// Tab on its way through the read-only flow edit changes nothing; typing into
// it or clicking it makes the flow the entered value, and the next CALC uses it.
void KeldSelectTest::tabThroughFlowKeepsTheTemperatures() {
    QFETCH(int, flowEdit);
    QFETCH(int, inletEdit);
    QFETCH(QString, then);
    QFETCH(bool, flowEntered);
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.click(k::kScrewRadio);  // the heat pump: both circuits
    QLineEdit* flow = shown.edit(flowEdit);
    QWidget* before = flow->previousInFocusChain();
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), flow);
    if (then == QLatin1String("tab")) QTest::keyClick(flow, Qt::Key_Tab);
    if (then == QLatin1String("backtab")) QTest::keyClick(flow, Qt::Key_Backtab, Qt::ShiftModifier);
    if (then == QLatin1String("type")) QTest::keyClicks(flow, QStringLiteral("5"));
    if (then == QLatin1String("click")) QTest::mouseClick(flow, Qt::LeftButton);
    QCOMPARE(flow->isReadOnly(), !flowEntered);
    QCOMPARE(shown.edit(inletEdit)->isReadOnly(), flowEntered);
    shown.calc();
    const k::SelectionConditions& conditions = shown.page.conditions();
    QCOMPARE(flowEdit == k::kCoolingFlowEdit ? conditions.coolingFlowEntered : conditions.heatingFlowEntered,
             flowEntered);
}

// Leaving a field reads every edit; the first that holds no number of its
// kind gets the prompt and the focus, and reverts to its last value.
void KeldSelectTest::nonNumberPromptsAndTakesTheFocus() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.type(k::kCoolingAmbientEdit, QStringLiteral("warm"));
    QCOMPARE(shown.sink.messages(), (std::vector<Message>{{"JVT", "请输入一个数字。"}}));
    QCOMPARE(QApplication::focusWidget(), shown.edit(k::kCoolingAmbientEdit));
    QCOMPARE(shown.edit(k::kCoolingAmbientEdit)->text(), QStringLiteral("35"));

    shown.sink.clear();
    shown.type(k::kToleranceEdit, QStringLiteral("ten"));  // an integer edit has no leave rule
    QVERIFY(shown.sink.messages().empty());
    shown.type(k::kCoolingOutletEdit, QStringLiteral("6.5"));
    QCOMPARE(shown.sink.messages(), (std::vector<Message>{{"JVT", "请输入一个整数。"}}));
    QCOMPARE(QApplication::focusWidget(), shown.edit(k::kToleranceEdit));
    QCOMPARE(shown.edit(k::kToleranceEdit)->text(), QStringLiteral("15"));
    QCOMPARE(shown.edit(k::kCoolingOutletEdit)->text(), QStringLiteral("6.5"));

    // CALC with the text as it stands in the focused edit: the run stops at
    // it and the focus stays there.
    shown.sink.clear();
    shown.type(k::kCoolingCapacityEdit, QStringLiteral("5OO"), false);
    shown.widget->takeFocusedEditText();
    shown.calc();
    QCOMPARE(shown.sink.messages(), (std::vector<Message>{{"JVT", "请输入一个整数。"}}));
    QCOMPARE(QApplication::focusWidget(), shown.edit(k::kCoolingCapacityEdit));
    QCOMPARE(shown.widget->resultList()->model()->rowCount(), 0);
}

void KeldSelectTest::rowClickRestoresCentrifugalRow() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.calc();
    QCOMPARE(shown.widget->resultList()->model()->rowCount(), 1);
    QCOMPARE(shown.widget->resultList()->model()->index(0, 0).data().toString(),
             QStringLiteral("QTK130GN5-LQE"));
    shown.click(k::kScrewRadio);
    shown.type(k::kCoolingAmbientEdit, QStringLiteral("30"));
    shown.type(k::kHeatingAmbientEdit, QStringLiteral("5"));

    shown.clickRow(0);
    QVERIFY(shown.radio(k::kCentrifugalRadio)->isChecked());
    QVERIFY(shown.radio(k::kChillersRadio)->isChecked());
    QVERIFY(!shown.radio(k::kHeatPumpRadio)->isEnabled());
    QCOMPARE(shown.edit(k::kCoolingAmbientEdit)->text(), QStringLiteral("35"));
    QCOMPARE(shown.edit(k::kCoolingFlowEdit)->text(), QStringLiteral("22.07"));
    QVERIFY(shown.edit(k::kCoolingFlowEdit)->isReadOnly());
    QVERIFY(!shown.edit(k::kHeatingAmbientEdit)->isEnabled());
    QCOMPARE(shown.edit(k::kHeatingAmbientEdit)->text(), QStringLiteral("5"));  // heating inputs left alone
    QVERIFY(shown.radio(k::kRecoveryNoneRadio)->isChecked());
    for (int id : {k::kRecoveryInletEdit, k::kRecoveryOutletEdit, k::kRecoveryFoulingEdit}) {
        QVERIFY(!shown.edit(id)->isEnabled());
    }
    QCOMPARE(shown.edit(k::kRecoveryFoulingEdit)->text(), QStringLiteral("0.018"));
    QVERIFY(shown.sink.messages().empty());
}

// What PDF writes is the row the list shows highlighted, whatever the user
// clicked or pressed: a click beside the rows takes the mark away with the
// highlight, and the keys move both together.
void KeldSelectTest::theMarkIsTheHighlightedRow() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.type(k::kCoolingCapacityEdit, QStringLiteral("1000"));
    shown.calc();
    keld::ui::CMultiHeaderList* list = shown.widget->resultList();
    QVERIFY(list->model()->rowCount() >= 2);
    const auto highlighted = [list] {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.size() == 1 ? std::optional<int>(rows.front().row()) : std::nullopt;
    };
    shown.clickRow(1);
    QCOMPARE(shown.page.results().markedRow(), std::optional<int>(1));
    QCOMPARE(highlighted(), std::optional<int>(1));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(shown.page.results().markedRow(), std::optional<int>(0));
    QCOMPARE(highlighted(), std::optional<int>(0));
    // Blank space below the last row.
    const QRect last = list->visualRect(list->model()->index(list->model()->rowCount() - 1, 0));
    QVERIFY(last.bottom() + 10 < list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 10));
    QCOMPARE(highlighted(), std::nullopt);
    QCOMPARE(shown.page.results().markedRow(), std::nullopt);
}

void KeldSelectTest::rowClickRestoresGlycolScrewRow() {
    ShownPage shown("BREXAL");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.click(k::kScrewRadio);
    shown.chooseFluid(1);
    shown.type(k::kGlycolEdit, QStringLiteral("25"));
    shown.calc();
    QVERIFY(shown.widget->resultList()->model()->rowCount() >= 2);
    QCOMPARE(shown.widget->resultList()->model()->index(1, 0).data().toString(),
             QStringLiteral("WOQ215GV5-LQEE"));
    shown.click(k::kCentrifugalRadio);
    QVERIFY(!shown.edit(k::kGlycolEdit)->isEnabled());

    shown.clickRow(1);
    QVERIFY(shown.radio(k::kScrewRadio)->isChecked());
    QVERIFY(shown.radio(k::kChillersRadio)->isChecked());
    QCOMPARE(shown.fluidList()->currentText(), QStringLiteral("Glycol"));
    QVERIFY(shown.fluidList()->isEnabled());
    QVERIFY(shown.edit(k::kGlycolEdit)->isEnabled());
    QCOMPARE(shown.edit(k::kGlycolEdit)->text(), QStringLiteral("25"));
    QVERIFY(!shown.radio(k::kGbRadio)->isEnabled());
    QVERIFY(shown.sink.messages().empty());
}

// Enter and Escape are the main window's: the page leaves them to its
// parent and changes nothing, not even the typed text of the focused edit.
void KeldSelectTest::enterAndEscapeDoNothingInThePage() {
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.calc();
    shown.type(k::kCoolingAmbientEdit, QStringLiteral("36.26"), false);
    QWidget* focused = QApplication::focusWidget();
    const k::SelectionConditions before = shown.page.conditions();
    shown.host.keysReceived.clear();
    for (QWidget* target : {focused, shown.widget->control(k::kScrewRadio),
                            static_cast<QWidget*>(shown.widget->resultList())}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
    }
    QCOMPARE(shown.host.keysReceived.size(), std::size_t{9});
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(shown.edit(k::kCoolingAmbientEdit)->text(), QStringLiteral("36.26"));
    QCOMPARE(shown.page.editText(k::kCoolingAmbientEdit), std::string("36.26"));
    QCOMPARE(shown.page.conditions().coolingAmbientTemp, before.coolingAmbientTemp);
    QVERIFY(!shown.radio(k::kScrewRadio)->isChecked());
    QCOMPARE(shown.widget->resultList()->model()->rowCount(), 1);
    QVERIFY(shown.widget->isVisible());
    QVERIFY(shown.sink.messages().empty());
}

// build/keld-select-page*.png: the page after CALC with a row selected, for
// a centrifugal chiller and a first-brand screw heat pump.
void KeldSelectTest::savesPictures() {
    for (const auto& [launch, screw, file] :
         {std::tuple{"", false, "keld-select-page.png"},
          std::tuple{"", true, "keld-select-page-heat-pump.png"},
          std::tuple{"BREXAL", true, "keld-select-page-brexal-screw.png"}}) {
        ShownPage shown(launch);
        QVERIFY(QTest::qWaitForWindowActive(&shown.host));
        if (screw) shown.click(k::kScrewRadio);
        shown.calc();
        QVERIFY(shown.widget->resultList()->model()->rowCount() > 0);
        shown.clickRow(0);
        const QString path = QStringLiteral(KELD_BUILD_DIR "/") + QString::fromUtf8(file);
        QVERIFY(shown.widget->grab().save(path));
        QCOMPARE(QImage(path).size(), shown.widget->size());
    }
    // The list scrolled to its right end: the pressure drop under its caption.
    ShownPage shown("");
    QVERIFY(QTest::qWaitForWindowActive(&shown.host));
    shown.calc();
    keld::ui::CMultiHeaderList* list = shown.widget->resultList();
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    QVERIFY(list->grab().save(QStringLiteral(KELD_BUILD_DIR "/keld-result-list-right.png")));
}

QTEST_MAIN(KeldSelectTest)
#include "page_keld_select_test.moc"
