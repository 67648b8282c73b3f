// SPDX-License-Identifier: MIT
// The performance map of a listed unit: opened from the result list's
// context menu, Ctrl+M and a double click, for the duty the list was made
// for; its charts keep turned-down points apart from the lines; it closes
// with Escape, grows with its window and saves what it shows.
#include <QApplication>
#include <QChart>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "db/database_error.h"
#include "selection/page/page_controls.h"
#include "ui/dialogs/map_charts.h"
#include "ui/dialogs/performance_map_dialog.h"
#include "ui/main_window/main_window_template.h"
#include "ui/page/keld_select.h"
#include "ui/page/multi_header_list.h"
#include "window_fixture.h"

using keld::test::OpenWindow;
using keld::ui::MapCircuit;
using keld::ui::PerformanceMapDialog;

namespace {

keld::ui::CMultiHeaderList* List(OpenWindow& open) { return open.window.selectionPage()->resultList(); }

QPoint RowCentre(OpenWindow& open, int row) {
    return List(open)->visualRect(List(open)->model()->index(row, 0)).center();
}

void Type(QLineEdit* edit, const QString& text) {
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

// CALC for `capacity` kW, after the screw radio for a screw selection.
void Calc(OpenWindow& open, const QString& capacity, bool screw = false) {
    if (screw) {
        QAbstractButton* radio = open.pageButton(keld::kScrewRadio);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    Type(open.edit(keld::kCoolingCapacityEdit), capacity);
    QTest::mouseClick(open.headerButton(keld::ui::kCalcId), Qt::LeftButton);
}

QString ModelOfRow(OpenWindow& open, int row) { return List(open)->model()->index(row, 0).data().toString(); }

PerformanceMapDialog* MapDialog(OpenWindow& open) { return open.window.findChild<PerformanceMapDialog*>(); }

void PressCtrlM(OpenWindow& open) {
    QTest::keyClick(open.edit(keld::kCoolingOutletEdit), Qt::Key_M, Qt::ControlModifier);
}

// The map of row `row` by Ctrl+M, after a click has marked the row.
PerformanceMapDialog* MapOfRow(OpenWindow& open, int row) {
    QTest::mouseClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, row));
    PressCtrlM(open);
    return MapDialog(open);
}

struct EntryPoint {
    const char* name;
    std::function<void(OpenWindow&, int row)> open;
};

const std::vector<EntryPoint>& EntryPoints() {
    static const std::vector<EntryPoint> entries = {
        {"context menu",
         [](OpenWindow& open, int row) {
             QWidget* rows = List(open)->viewport();
             const QPoint at = RowCentre(open, row);
             QTimer::singleShot(0, [] {
                 auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                 if (menu == nullptr) return;
                 QTest::keyClick(menu, Qt::Key_Down);
                 QTest::keyClick(menu, Qt::Key_Return);
             });
             QContextMenuEvent event(QContextMenuEvent::Mouse, at, rows->mapToGlobal(at));
             QApplication::sendEvent(rows, &event);
         }},
        {"Ctrl+M on the marked row",
         [](OpenWindow& open, int row) {
             QTest::mouseClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, row));
             PressCtrlM(open);
         }},
        {"double click",
         [](OpenWindow& open, int row) {
             QTest::mouseClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, row));
             QTest::mouseDClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, row));
         }},
    };
    return entries;
}

// Where a chart draws each point of a circuit's map: by leaving water, the
// ambients of the points that run and of those turned down for each status.
struct Drawn {
    std::map<float, std::set<double>> lines;
    std::map<QString, std::set<std::pair<float, double>>> apart;
};

keld::MapPoint Point(float ambient, float water, keld::MapStatus status, double capacity) {
    keld::MapPoint point;
    point.ambient = ambient;
    point.leavingWater = water;
    point.status = status;
    point.figures.coolingCapacity = capacity;
    point.figures.coolingPower = capacity / 4;
    return point;
}

// The pixels of `picture` that are neither white nor the grid's light grey.
int ColouredPixels(const QImage& picture) {
    int coloured = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (QColor(picture.pixel(x, y)).lightness() < 200) ++coloured;
        }
    }
    return coloured;
}

// The ambients of each series of `chart` by name, pieces of a line apart.
QStringList SeriesOf(QChart* chart) {
    QStringList shown;
    for (QAbstractSeries* series : chart->series()) {
        QStringList ambients;
        for (const QPointF& at : static_cast<QXYSeries*>(series)->points())
            ambients << QString::number(at.x());
        shown << series->name() + QStringLiteral(": ") + ambients.join(QLatin1Char(' '));
    }
    return shown;
}

}  // namespace

class WindowMapTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void eachEntryOpensTheMapOfTheRowsUnit_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(EntryPoints().size()); ++i) {
            QTest::newRow(EntryPoints()[i].name) << i;
        }
    }

    void eachEntryOpensTheMapOfTheRowsUnit() {
        QFETCH(int, index);
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        QVERIFY(List(open)->model()->rowCount() >= 2);
        EntryPoints()[static_cast<std::size_t>(index)].open(open, 1);
        PerformanceMapDialog* dialog = MapDialog(open);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(QString::fromStdString(dialog->map().model), ModelOfRow(open, 1));
        QVERIFY(!dialog->map().cooling.empty());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Performance map - ") + ModelOfRow(open, 1));
        QCOMPARE(open.dialogs.shown, QStringList());
    }

    // The map is of the duty the rows were listed for, not of what the
    // fields hold since.
    void theMapKeepsTheListedDuty() {
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        QTest::mouseClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, 0));
        Type(open.edit(keld::kCoolingAmbientEdit), QStringLiteral("30"));
        Type(open.edit(keld::kCoolingOutletEdit), QStringLiteral("9"));
        PressCtrlM(open);
        PerformanceMapDialog* dialog = MapDialog(open);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->map().duty.coolingAmbientTemp, 35.0f);
        QCOMPARE(dialog->map().duty.coolingOutletTemp, 7.0f);
        QCOMPARE(open.edit(keld::kCoolingAmbientEdit)->text(), QStringLiteral("30"));
    }

    // Before any listing, and with no row marked, there is nothing to map.
    void noRowNoMap() {
        OpenWindow open;
        PressCtrlM(open);
        QVERIFY(MapDialog(open) == nullptr);
        Calc(open, QStringLiteral("1200"));
        PressCtrlM(open);
        QVERIFY(MapDialog(open) == nullptr);
        QCOMPARE(open.dialogs.shown, QStringList());
    }

    void aCoreFailureIsAMessageBox() {
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        QTest::mouseClick(List(open)->viewport(), Qt::LeftButton, {}, RowCentre(open, 0));
        open.core.failNextCall([] {
            throw keld::DatabaseError(keld::database_error_code::kItemNotFound,
                                      "no such table: QTK_Envelope");
        });
        PressCtrlM(open);
        QVERIFY(!open.core.failurePending());
        QCOMPARE(open.dialogs.shown, QStringList{QStringLiteral("[JVT] no such table: QTK_Envelope")});
        QVERIFY(open.dialogs.ownersRight);
        QVERIFY(MapDialog(open) == nullptr);
        QVERIFY(open.window.isVisible());
        // The window goes on: the same key then opens the map.
        PressCtrlM(open);
        QVERIFY(MapDialog(open) != nullptr);
    }

    // Every point of a charted leaving water is drawn once: on its line when
    // the unit runs there, else in the series of its status; a line never
    // runs across a turned-down point.
    void turnedDownPointsAreDrawnApart_data() {
        QTest::addColumn<QString>("launch");
        QTest::addColumn<bool>("screw");
        QTest::addColumn<QString>("capacity");
        QTest::newRow("QTK") << QString() << false << QStringLiteral("1200");
        QTest::newRow("QHK") << QString() << true << QStringLiteral("800");
        QTest::newRow("GV5") << QStringLiteral("14BREXAL") << true << QStringLiteral("800");
    }

    void turnedDownPointsAreDrawnApart() {
        QFETCH(QString, launch);
        QFETCH(bool, screw);
        QFETCH(QString, capacity);
        const QByteArray launchText = launch.toUtf8();
        OpenWindow open(launchText.constData());
        Calc(open, capacity, screw);
        PerformanceMapDialog* dialog = MapOfRow(open, 0);
        QVERIFY(dialog != nullptr);
        const bool heatPump = !dialog->map().heating.empty();
        QCOMPARE(dialog->tabs()->count(), heatPump ? 4 : 2);
        QCOMPARE(heatPump, screw && launch.isEmpty());
        int turnedDown = 0;
        for (MapCircuit circuit : {MapCircuit::Cooling, MapCircuit::Heating}) {
            if (circuit == MapCircuit::Heating && !heatPump) {
                QVERIFY(dialog->charts(circuit) == nullptr);
                continue;
            }
            const std::vector<keld::MapPoint>& points = keld::ui::PointsOf(dialog->map(), circuit);
            keld::ui::MapCharts* charts = dialog->charts(circuit);
            const std::vector<float>& waters = charts->chartedLeavingWaters();
            for (QChart* chart : {charts->capacityChart(), charts->efficiencyChart()}) {
                Drawn expected;
                for (const keld::MapPoint& point : points) {
                    if (std::find(waters.begin(), waters.end(), point.leavingWater) == waters.end()) continue;
                    if (point.status == keld::MapStatus::Ok) {
                        expected.lines[point.leavingWater].insert(point.ambient);
                    } else {
                        expected.apart[keld::ui::StatusCaption(point.status)].insert(
                            {point.leavingWater, point.ambient});
                        ++turnedDown;
                    }
                }
                Drawn drawn;
                for (QAbstractSeries* series : chart->series()) {
                    if (auto* line = qobject_cast<QLineSeries*>(series)) {
                        const float water = line->name().section(QLatin1Char(' '), 1, 1).toFloat();
                        std::optional<double> previous;
                        for (const QPointF& at : line->points()) {
                            QVERIFY2(drawn.lines[water].insert(at.x()).second, "a point drawn twice");
                            // Nothing the unit is turned down at lies between
                            // two joined points.
                            for (const keld::MapPoint& point : points) {
                                const bool between =
                                    previous && point.ambient > *previous && point.ambient < at.x();
                                QVERIFY(!(between && point.leavingWater == water &&
                                          point.status != keld::MapStatus::Ok));
                            }
                            previous = at.x();
                        }
                    } else if (auto* scatter = qobject_cast<QScatterSeries*>(series);
                               scatter != nullptr && scatter->name() != QStringLiteral("Duty point")) {
                        for (const QPointF& at : scatter->points()) {
                            // Which leaving water: the one whose point of that
                            // status at that ambient is not drawn yet.
                            auto& seen = drawn.apart[scatter->name()];
                            bool placed = false;
                            for (float water : waters) {
                                if (expected.apart[scatter->name()].count({water, at.x()}) != 0 &&
                                    seen.insert({water, at.x()}).second) {
                                    placed = true;
                                    break;
                                }
                            }
                            QVERIFY2(placed, qPrintable(scatter->name()));
                        }
                    }
                }
                QCOMPARE(drawn.lines, expected.lines);
                QCOMPARE(drawn.apart, expected.apart);
            }
        }
        QVERIFY2(turnedDown > 0, "the case shows no turned-down point");
    }

    // A line of one leaving water with holes: each turned-down point ends a
    // piece of the line, and a point of its own kind of figure (none for a
    // grid gap) goes into the series of its status.
    void aLineBreaksAtEachTurnedDownPoint() {
        using keld::MapStatus;
        const std::vector<keld::MapPoint> points = {
            Point(20, 7, MapStatus::Ok, 500),       Point(25, 7, MapStatus::Ok, 490),
            Point(30, 7, MapStatus::Flow, 480),     Point(35, 7, MapStatus::Ok, 470),
            Point(40, 7, MapStatus::Envelope, 460), Point(45, 7, MapStatus::OutsideGrid, 0),
            Point(50, 7, MapStatus::Ok, 440),       Point(55, 7, MapStatus::NotAvailable, 0),
        };
        const keld::ui::MapCharts charts(points, points[0], MapCircuit::Cooling);
        const QStringList expected = {
            QStringLiteral("LWT 7 °C: 20 25"),       QStringLiteral("LWT 7 °C: 35"),
            QStringLiteral("LWT 7 °C: 50"),          QStringLiteral("Outside envelope: 40"),
            QStringLiteral("Flow out of range: 30"), QStringLiteral("Not available: 55"),
            QStringLiteral("Outside grid: 45"),      QStringLiteral("Duty point: 20"),
        };
        QCOMPARE(SeriesOf(charts.capacityChart()), expected);
        QCOMPARE(SeriesOf(charts.efficiencyChart()), expected);
        // A grid gap has no figure: it lies below every figure there is.
        for (QAbstractSeries* series : charts.capacityChart()->series()) {
            const QList<QPointF> at = static_cast<QXYSeries*>(series)->points();
            if (series->name() == QStringLiteral("Outside grid")) QVERIFY(at.front().y() < 440);
            if (series->name() == QStringLiteral("Flow out of range")) QCOMPARE(at.front().y(), 480.0);
        }
    }

    // More than seven leaving waters: the lines of a round step, and the
    // duty's own.
    void theChartedLeavingWaters_data() {
        QTest::addColumn<QList<float>>("waters");
        QTest::addColumn<float>("duty");
        QTest::addColumn<QList<float>>("charted");
        const auto range = [](float from, float to, float step) {
            QList<float> waters;
            for (float water = from; water <= to; water += step) waters << water;
            return waters;
        };
        QTest::newRow("seven: all") << range(4, 10, 1) << 7.0f << range(4, 10, 1);
        QTest::newRow("eight: every 2 K and the duty")
            << range(4, 11, 1) << 7.0f << QList<float>{4, 6, 7, 8, 10};
        QTest::newRow("seven on 2 K") << range(4, 16, 1) << 7.0f << QList<float>{4, 6, 7, 8, 10, 12, 14, 16};
        QTest::newRow("eight on 2 K: every 5 K") << range(4, 18, 1) << 7.0f << QList<float>{5, 7, 10, 15};
        QTest::newRow("duty on the step") << range(25, 55, 1) << 45.0f << range(25, 55, 5);
        QTest::newRow("no round step: every second")
            << QList<float>{0.3f, 1.3f, 2.3f, 3.3f, 4.3f, 5.3f, 6.3f, 7.3f} << 5.3f
            << QList<float>{0.3f, 2.3f, 4.3f, 5.3f, 6.3f};
    }

    void theChartedLeavingWaters() {
        QFETCH(QList<float>, waters);
        QFETCH(float, duty);
        QFETCH(QList<float>, charted);
        std::vector<keld::MapPoint> points;
        for (float water : waters) points.push_back(Point(35, water, keld::MapStatus::Ok, 500));
        const std::vector<float> shown = keld::ui::ChartedLeavingWaters(points, duty);
        QCOMPARE(QList<float>(shown.begin(), shown.end()), charted);
    }

    // The duty's own point is marked where the listed row has it, on a
    // point of the grid or between its points.
    void theDutyPointIsMarked_data() {
        QTest::addColumn<bool>("screw");
        QTest::addColumn<QString>("ambient");
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("heatingAmbient");
        QTest::newRow("QTK on the grid") << false << QStringLiteral("35") << QStringLiteral("7") << QString();
        QTest::newRow("QTK between ambients")
            << false << QStringLiteral("35.5") << QStringLiteral("7") << QString();
        QTest::newRow("QTK between leaving waters")
            << false << QStringLiteral("35") << QStringLiteral("7.5") << QString();
        QTest::newRow("QHK on the grid")
            << true << QStringLiteral("35") << QStringLiteral("7") << QStringLiteral("7");
        QTest::newRow("QHK between heating ambients")
            << true << QStringLiteral("35") << QStringLiteral("7") << QStringLiteral("6.5");
    }

    void theDutyPointIsMarked() {
        QFETCH(bool, screw);
        QFETCH(QString, ambient);
        QFETCH(QString, outlet);
        QFETCH(QString, heatingAmbient);
        OpenWindow open;
        if (screw) {
            QAbstractButton* radio = open.pageButton(keld::kScrewRadio);
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
            Type(open.edit(keld::kHeatingAmbientEdit), heatingAmbient);
        }
        Type(open.edit(keld::kCoolingAmbientEdit), ambient);
        Type(open.edit(keld::kCoolingOutletEdit), outlet);
        Calc(open, screw ? QStringLiteral("800") : QStringLiteral("1200"));
        PerformanceMapDialog* dialog = MapOfRow(open, 0);
        QVERIFY(dialog != nullptr);
        const auto dutyOf = [](QChart* chart) {
            for (QAbstractSeries* series : chart->series()) {
                if (series->name() == QStringLiteral("Duty point"))
                    return static_cast<QXYSeries*>(series)->points();
            }
            return QList<QPointF>();
        };
        const auto listed = [&open](int column) {
            return List(open)->model()->index(0, column).data().toDouble();
        };
        const QList<QPointF> cooling = dutyOf(dialog->charts(MapCircuit::Cooling)->capacityChart());
        QCOMPARE(cooling.size(), 1);
        QCOMPARE(cooling.front().x(), ambient.toDouble());
        QCOMPARE(cooling.front().y(), listed(1));
        if (!screw) return;
        const QList<QPointF> heating = dutyOf(dialog->charts(MapCircuit::Heating)->capacityChart());
        QCOMPARE(heating.size(), 1);
        QCOMPARE(heating.front().x(), heatingAmbient.toDouble());
        QCOMPARE(heating.front().y(), listed(4));
    }

    void escapeClosesAndTheChartsGrow() {
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        PerformanceMapDialog* dialog = MapOfRow(open, 0);
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QWidget* charts = dialog->charts(MapCircuit::Cooling);
        const QSize before = charts->size();
        dialog->resize(dialog->size() + QSize(200, 150));
        QTRY_VERIFY(charts->width() >= before.width() + 200 && charts->height() >= before.height() + 150);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(MapDialog(open) == nullptr);
        QVERIFY(open.window.isVisible());
    }

    // The CSV is the text keld-cli map writes for the same unit and duty; the
    // picture is the charts as shown; the drawing an SVG of them.
    void savingWritesTheFiles() {
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        PerformanceMapDialog* dialog = MapOfRow(open, 2);
        QVERIFY(dialog != nullptr);
        const QString model = ModelOfRow(open, 2);
        QTemporaryDir folder;
        open.dialogs.expectedOwner = dialog;

        open.dialogs.savePathAnswer = folder.filePath(QStringLiteral("map.csv"));
        QVERIFY(dialog->saveCsv());
        QFile csv(open.dialogs.savePathAnswer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(),
                 keld::test::RunCli(QStringLiteral("map"),
                                    {QStringLiteral("--cooling-capacity"), QStringLiteral("1200"),
                                     QStringLiteral("--model"), model}));

        open.dialogs.savePathAnswer = folder.filePath(QStringLiteral("map.png"));
        QVERIFY(dialog->savePicture());
        const QImage picture(open.dialogs.savePathAnswer);
        QCOMPARE(picture.size(), dialog->charts(MapCircuit::Cooling)->size());

        open.dialogs.savePathAnswer = folder.filePath(QStringLiteral("map.svg"));
        QVERIFY(dialog->saveDrawing());
        QFile svg(open.dialogs.savePathAnswer);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        QVERIFY(drawing.contains("<svg"));
        QVERIFY(drawing.contains("Capacity kW"));
        QVERIFY(drawing.contains("</svg>"));
        // For people to look at: build/performance-map.svg.
        QFile::remove(keld::test::BuildFolderFile(QStringLiteral("performance-map.svg")));
        QVERIFY(QFile::copy(open.dialogs.savePathAnswer,
                            keld::test::BuildFolderFile(QStringLiteral("performance-map.svg"))));

        QCOMPARE(open.dialogs.shown,
                 (QStringList{QStringLiteral("save ") + model + QStringLiteral("-map.csv"),
                              QStringLiteral("save ") + model + QStringLiteral("-cooling.png"),
                              QStringLiteral("save ") + model + QStringLiteral("-cooling.svg")}));
        QCOMPARE(open.dialogs.lastNameFilter, QStringLiteral("SVG drawing (*.svg)"));
        QVERIFY(open.dialogs.ownersRight);
    }

    // A heat pump's heating charts, saved from behind the heating table
    // before they were ever shown, are drawn whole.
    void heatingChartsSavedFromBehindTheirTable() {
        OpenWindow open;
        Calc(open, QStringLiteral("800"), true);
        PerformanceMapDialog* dialog = MapOfRow(open, 0);
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        open.dialogs.expectedOwner = dialog;
        dialog->tabs()->setCurrentIndex(3);
        QCOMPARE(dialog->tabs()->tabText(3), QStringLiteral("Heating table"));
        QTemporaryDir folder;
        open.dialogs.savePathAnswer = folder.filePath(QStringLiteral("heating.png"));
        QVERIFY(dialog->savePicture());
        QCOMPARE(open.dialogs.shown.last(),
                 QStringLiteral("save ") + ModelOfRow(open, 0) + QStringLiteral("-heating.png"));
        const QImage picture(open.dialogs.savePathAnswer);
        QCOMPARE(picture.size(), dialog->tabs()->currentWidget()->size());
        // Both charts are in it, each with its lines and labels.
        const int half = picture.height() / 2;
        QVERIFY(ColouredPixels(picture.copy(0, 0, picture.width(), half)) > 1000);
        QVERIFY(ColouredPixels(picture.copy(0, half, picture.width(), half)) > 1000);
    }

    // Cancelled, nothing is written; a file that cannot be written is a
    // message and leaves an earlier file of that name as it was.
    void aSaveCancelledOrRefused() {
        OpenWindow open;
        Calc(open, QStringLiteral("1200"));
        PerformanceMapDialog* dialog = MapOfRow(open, 0);
        QVERIFY(dialog != nullptr);
        open.dialogs.expectedOwner = dialog;
        QTemporaryDir folder;

        open.dialogs.savePathAnswer.clear();
        QVERIFY(!dialog->saveCsv());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());

        open.dialogs.savePathAnswer = folder.filePath(QStringLiteral("no such folder/map.csv"));
        QVERIFY(!dialog->saveCsv());
        QCOMPARE(open.dialogs.shown.size(), 3);
        QVERIFY2(open.dialogs.shown.last().startsWith(QStringLiteral("[JVT] The file ") +
                                                      open.dialogs.savePathAnswer +
                                                      QStringLiteral(" could not be written: ")),
                 qPrintable(open.dialogs.shown.last()));
    }
};

QTEST_MAIN(WindowMapTest)
#include "window_map_test.moc"
