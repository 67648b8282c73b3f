// SPDX-License-Identifier: MIT
#include "session/performance_map_csv.h"

#include <string>

#include "base/format_text.h"
#include "selection/pressure_drop_text.h"
#include "selection/run_steps.h"

namespace keld {
namespace {

// A field quoted when it holds a separator, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void WritePoint(std::ostream& out, const char* circuit, Series series, const MapPoint& point, bool heating) {
    const MapPointCells cells = CellsOfPoint(series, point, heating);
    out << circuit << ',' << FormatText("%.6g", static_cast<double>(point.ambient)) << ','
        << FormatText("%.6g", static_cast<double>(point.leavingWater)) << ',' << cells.capacity << ','
        << cells.power << ',' << cells.efficiency << ',' << cells.flow << ',' << cells.inlet << ','
        << CsvField(cells.pressureDrop) << ',' << MapStatusName(point.status) << ',' << CsvField(point.reason)
        << '\n';
}

}  // namespace

MapPointCells CellsOfPoint(Series series, const MapPoint& point, bool heating) {
    const UnitPerformance& f = point.figures;
    const bool dutyKnown = point.status == MapStatus::Ok || point.status == MapStatus::Envelope ||
                           point.status == MapStatus::Flow;
    const bool waterKnown = point.status == MapStatus::Ok || point.status == MapStatus::Flow;
    MapPointCells cells;
    if (dutyKnown) {
        const double capacity = heating ? f.heatingCapacity : f.coolingCapacity;
        const double power = heating ? f.heatingPower : f.coolingPower;
        cells.capacity = FourDigitText(capacity);
        cells.power = FourDigitText(power);
        cells.efficiency = FourDigitText(EfficiencyRatio(capacity, power));
    }
    if (waterKnown) {
        cells.flow = FourDigitText(heating ? f.heatingFlow : f.coolingFlow);
        cells.inlet = FormatText("%.2f", heating ? f.heatingInletTemp : f.coolingInletTemp);
    }
    if (point.status == MapStatus::Ok && !heating)
        cells.pressureDrop = PressureDropCell(series, f.pressureDrops);
    return cells;
}

void WriteMapCsv(std::ostream& out, const PerformanceMap& map) {
    out << "circuit,ambient_C,leavingWater_C,capacity_kW,power_kW,efficiency,waterFlow_Ls,inletTemp_C,"
           "pressureDrop_kPa,status,reason\n";
    for (const MapPoint& point : map.cooling) WritePoint(out, "cooling", map.series, point, false);
    for (const MapPoint& point : map.heating) WritePoint(out, "heating", map.series, point, true);
}

}  // namespace keld
