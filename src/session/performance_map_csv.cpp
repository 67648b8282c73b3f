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
    const UnitPerformance& f = point.figures;
    // Capacity and power exist from the envelope check on, flow and inlet
    // from the flow check on, the drops only for a unit that runs.
    const bool dutyKnown = point.status == MapStatus::Ok || point.status == MapStatus::Envelope ||
                           point.status == MapStatus::Flow;
    const bool waterKnown = point.status == MapStatus::Ok || point.status == MapStatus::Flow;
    const double capacity = heating ? f.heatingCapacity : f.coolingCapacity;
    const double power = heating ? f.heatingPower : f.coolingPower;
    const double flow = heating ? f.heatingFlow : f.coolingFlow;
    const double inlet = heating ? f.heatingInletTemp : f.coolingInletTemp;
    out << circuit << ',' << FormatText("%.6g", static_cast<double>(point.ambient)) << ','
        << FormatText("%.6g", static_cast<double>(point.leavingWater)) << ',';
    if (dutyKnown) {
        out << FourDigitText(capacity) << ',' << FourDigitText(power) << ','
            << FourDigitText(EfficiencyRatio(capacity, power)) << ',';
    } else {
        out << ",,,";
    }
    if (waterKnown) {
        out << FourDigitText(flow) << ',' << FormatText("%.2f", inlet) << ',';
    } else {
        out << ",,";
    }
    if (point.status == MapStatus::Ok && !heating) out << CsvField(PressureDropCell(series, f.pressureDrops));
    out << ',' << MapStatusName(point.status) << ',' << CsvField(point.reason) << '\n';
}

}  // namespace

void WriteMapCsv(std::ostream& out, const PerformanceMap& map) {
    out << "circuit,ambient_C,leavingWater_C,capacity_kW,power_kW,efficiency,waterFlow_Ls,inletTemp_C,"
           "pressureDrop_kPa,status,reason\n";
    for (const MapPoint& point : map.cooling) WritePoint(out, "cooling", map.series, point, false);
    for (const MapPoint& point : map.heating) WritePoint(out, "heating", map.series, point, true);
}

}  // namespace keld
