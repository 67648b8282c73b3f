// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "session/map_of_duty.h"
#include "ui/dialogs/map_circuit.h"

class QPushButton;
class QTabWidget;
class QTableView;

namespace keld::ui {

class CoreBoundary;
class MapCharts;
class UserDialogs;

// How one unit performs around the duty it was listed for: the charts of
// capacity and EER against ambient, one line per leaving water, and the same
// points as a table; a heat pump has its heating charts and table too. The
// charts of the tab in front (or of its circuit, behind a table) are saved as
// a PNG picture or an SVG drawing, the whole map as the CSV text keld-cli map
// writes. Resizing the dialog grows the charts; Escape closes it. A tab's
// charts or table are made when it first comes to the front, so that the
// dialog shows its first charts without waiting for the rest.
class PerformanceMapDialog : public QDialog {
    Q_OBJECT
public:
    // The dialogs and the boundary outlive the dialog; the file-save dialogs
    // and any failure to write a file are shown through them.
    PerformanceMapDialog(MapOfDuty content, UserDialogs& dialogs, CoreBoundary& boundary,
                         QWidget* parent = nullptr);
    ~PerformanceMapDialog() override;

    const PerformanceMap& map() const { return content_.map; }
    // The charts and the table of a circuit, made now if not yet; null for
    // the heating of a chiller.
    MapCharts* charts(MapCircuit circuit);
    QTableView* table(MapCircuit circuit);
    QTabWidget* tabs() const { return tabs_; }

    // Asks for a file and writes the charts of the current circuit as a PNG
    // picture or an SVG drawing, or the whole map as CSV. True when a file was
    // written; a failure has been shown in a message box.
    bool savePicture();
    bool saveDrawing();
    bool saveCsv();

private:
    // The two tabs of a circuit, filled when first needed.
    struct CircuitTabs {
        MapCircuit circuit;
        QWidget* chartsTab;
        QWidget* tableTab;
        MapCharts* charts = nullptr;
        QTableView* table = nullptr;
    };

    void addCircuit(MapCircuit circuit);
    CircuitTabs* tabsOf(MapCircuit circuit);
    // Makes the contents of the tab `index` when it first comes to the front.
    void fillTab(int index);
    MapCircuit currentCircuit() const;
    QString suggestedName(const QString& what, const QString& suffix) const;
    bool save(const QString& nameFilter, const QString& suggested,
              const std::function<QByteArray()>& contents);

    MapOfDuty content_;
    UserDialogs& dialogs_;
    CoreBoundary& boundary_;
    QTabWidget* tabs_;
    std::vector<CircuitTabs> circuits_;
};

}  // namespace keld::ui
