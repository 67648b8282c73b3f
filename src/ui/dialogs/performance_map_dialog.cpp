// SPDX-License-Identifier: MIT
#include "ui/dialogs/performance_map_dialog.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <sstream>
#include <utility>

#include "base/program_identity.h"
#include "selection/run_steps.h"
#include "session/performance_map_csv.h"
#include "ui/core_boundary.h"
#include "ui/dialog_units.h"
#include "ui/dialogs/map_charts.h"
#include "ui/dialogs/map_table_model.h"
#include "ui/main_window/main_window_template.h"
#include "ui/user_dialogs.h"

namespace keld::ui {
namespace {

// What the dialog says about the duty of a circuit: "Cooling duty: 35 °C
// ambient, 7 °C leaving water: 1084 kW, EER 3.407".
QString DutyText(const SelectionConditions& duty, const std::optional<MapPoint>& point, MapCircuit circuit) {
    const bool heating = circuit == MapCircuit::Heating;
    QString text = QStringLiteral("%1 duty: %2 °C ambient, %3 °C %4")
                       .arg(heating ? QStringLiteral("Heating") : QStringLiteral("Cooling"),
                            TemperatureText(heating ? duty.heatingAmbientTemp : duty.coolingAmbientTemp),
                            TemperatureText(heating ? duty.heatingOutletTemp : duty.coolingOutletTemp),
                            heating ? QStringLiteral("hot water") : QStringLiteral("leaving water"));
    if (!point) return text;
    const CircuitFigures figures = FiguresOf(*point, circuit);
    if (figures.dutyKnown) {
        text += QStringLiteral(": %1 kW, %2 %3")
                    .arg(QString::fromStdString(FourDigitText(figures.capacity)), EfficiencyName(circuit),
                         QString::fromStdString(FourDigitText(figures.efficiency)));
    }
    if (point->status != MapStatus::Ok)
        text += QStringLiteral(" (") + StatusCaption(point->status) + QLatin1Char(')');
    return text;
}

QTableView* TableOf(const PerformanceMap& map, MapCircuit circuit, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(new MapTableModel(map, circuit, table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

PerformanceMapDialog::PerformanceMapDialog(MapOfDuty content, UserDialogs& dialogs, CoreBoundary& boundary,
                                           QWidget* parent)
    : QDialog(parent),
      content_(std::move(content)),
      dialogs_(dialogs),
      boundary_(boundary),
      tabs_(new QTabWidget(this)) {
    const QString model = QString::fromStdString(content_.map.model);
    setWindowTitle(QStringLiteral("Performance map - ") + model);
    setFont(dialogFont());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackgroundColour);
    setPalette(background);
    setSizeGripEnabled(true);

    auto* title = new QLabel(model, this);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(16);
    title->setFont(bold);
    QString duties = DutyText(content_.map.duty, content_.coolingDuty, MapCircuit::Cooling);
    if (!content_.map.heating.empty()) {
        duties += QLatin1Char('\n') + DutyText(content_.map.duty, content_.heatingDuty, MapCircuit::Heating);
    }
    auto* duty = new QLabel(duties, this);

    addCircuit(MapCircuit::Cooling);
    if (!content_.map.heating.empty()) addCircuit(MapCircuit::Heating);
    fillTab(0);
    connect(tabs_, &QTabWidget::currentChanged, this, &PerformanceMapDialog::fillTab);

    auto* png = new QPushButton(QStringLiteral("Save as PNG…"), this);
    auto* svg = new QPushButton(QStringLiteral("Save as SVG…"), this);
    auto* csv = new QPushButton(QStringLiteral("Save as CSV…"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(png, &QPushButton::clicked, this, &PerformanceMapDialog::savePicture);
    connect(svg, &QPushButton::clicked, this, &PerformanceMapDialog::saveDrawing);
    connect(csv, &QPushButton::clicked, this, &PerformanceMapDialog::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {png, svg, csv, close}) button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(png);
    buttons->addWidget(svg);
    buttons->addWidget(csv);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(duty);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    resize(900, 680);
}

PerformanceMapDialog::~PerformanceMapDialog() = default;

void PerformanceMapDialog::addCircuit(MapCircuit circuit) {
    const bool heating = circuit == MapCircuit::Heating;
    CircuitTabs tabs{circuit, new QWidget(tabs_), new QWidget(tabs_)};
    for (QWidget* tab : {tabs.chartsTab, tabs.tableTab}) {
        auto* layout = new QVBoxLayout(tab);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    tabs_->addTab(tabs.chartsTab, heating ? QStringLiteral("Heating") : QStringLiteral("Cooling"));
    tabs_->addTab(tabs.tableTab, heating ? QStringLiteral("Heating table") : QStringLiteral("Cooling table"));
    circuits_.push_back(tabs);
}

PerformanceMapDialog::CircuitTabs* PerformanceMapDialog::tabsOf(MapCircuit circuit) {
    for (CircuitTabs& tabs : circuits_) {
        if (tabs.circuit == circuit) return &tabs;
    }
    return nullptr;
}

void PerformanceMapDialog::fillTab(int index) {
    const QWidget* tab = tabs_->widget(index);
    for (const CircuitTabs& tabs : circuits_) {
        if (tab == tabs.chartsTab) charts(tabs.circuit);
        if (tab == tabs.tableTab) table(tabs.circuit);
    }
}

MapCharts* PerformanceMapDialog::charts(MapCircuit circuit) {
    CircuitTabs* tabs = tabsOf(circuit);
    if (tabs == nullptr) return nullptr;
    if (tabs->charts == nullptr) {
        const std::optional<MapPoint>& duty =
            circuit == MapCircuit::Heating ? content_.heatingDuty : content_.coolingDuty;
        tabs->charts = new MapCharts(PointsOf(content_.map, circuit), duty, circuit, tabs->chartsTab);
        tabs->chartsTab->layout()->addWidget(tabs->charts);
        // Sized at once as the tab in front: the charts of a tab behind
        // another may be saved before they were ever shown.
        if (QWidget* front = tabs_->currentWidget(); front != nullptr && front != tabs->chartsTab) {
            tabs->chartsTab->setGeometry(front->geometry());
        }
        tabs->charts->setGeometry(tabs->chartsTab->rect());
    }
    return tabs->charts;
}

QTableView* PerformanceMapDialog::table(MapCircuit circuit) {
    CircuitTabs* tabs = tabsOf(circuit);
    if (tabs == nullptr) return nullptr;
    if (tabs->table == nullptr) {
        tabs->table = TableOf(content_.map, circuit, tabs->tableTab);
        tabs->tableTab->layout()->addWidget(tabs->table);
    }
    return tabs->table;
}

MapCircuit PerformanceMapDialog::currentCircuit() const {
    const QWidget* current = tabs_->currentWidget();
    for (const CircuitTabs& tabs : circuits_) {
        if (current == tabs.chartsTab || current == tabs.tableTab) return tabs.circuit;
    }
    return MapCircuit::Cooling;
}

QString PerformanceMapDialog::suggestedName(const QString& what, const QString& suffix) const {
    return QString::fromStdString(content_.map.model) + QLatin1Char('-') + what + QLatin1Char('.') + suffix;
}

bool PerformanceMapDialog::savePicture() {
    const MapCircuit circuit = currentCircuit();
    MapCharts* shown = charts(circuit);
    return save(
        QStringLiteral("PNG image (*.png)"),
        suggestedName(circuit == MapCircuit::Heating ? QStringLiteral("heating") : QStringLiteral("cooling"),
                      QStringLiteral("png")),
        [shown] {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            shown->grab().save(&buffer, "PNG");
            return bytes;
        });
}

bool PerformanceMapDialog::saveDrawing() {
    const MapCircuit circuit = currentCircuit();
    MapCharts* shown = charts(circuit);
    const QString title = windowTitle();
    return save(
        QStringLiteral("SVG drawing (*.svg)"),
        suggestedName(circuit == MapCircuit::Heating ? QStringLiteral("heating") : QStringLiteral("cooling"),
                      QStringLiteral("svg")),
        [shown, title] {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            QSvgGenerator drawing;
            drawing.setOutputDevice(&buffer);
            drawing.setSize(shown->size());
            drawing.setViewBox(QRect(QPoint(0, 0), shown->size()));
            drawing.setTitle(title);
            QPainter painter(&drawing);
            shown->render(painter);
            painter.end();
            return bytes;
        });
}

bool PerformanceMapDialog::saveCsv() {
    return save(QStringLiteral("CSV table (*.csv)"),
                suggestedName(QStringLiteral("map"), QStringLiteral("csv")), [this] {
                    std::ostringstream text;
                    WriteMapCsv(text, content_.map);
                    return QByteArray::fromStdString(text.str());
                });
}

// The file is written beside its target and takes its place only when every
// byte reached it: a failed save leaves an earlier file as it was.
bool PerformanceMapDialog::save(const QString& nameFilter, const QString& suggested,
                                const std::function<QByteArray()>& contents) {
    const QString path = dialogs_.askSavePath(this, nameFilter, suggested);
    if (path.isEmpty()) return false;
    QString failure;
    const bool ran = boundary_.run([&] {
        const QByteArray bytes = contents();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            failure = file.errorString();
        }
    });
    if (!ran) return false;
    if (!failure.isEmpty()) {
        dialogs_.inform(this, QStringLiteral("The file %1 could not be written: %2").arg(path, failure),
                        QString::fromLatin1(kApplicationTitle));
        return false;
    }
    return true;
}

}  // namespace keld::ui
