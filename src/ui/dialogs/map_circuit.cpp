// SPDX-License-Identifier: MIT
#include "ui/dialogs/map_circuit.h"

#include "base/format_text.h"

namespace keld::ui {

CircuitFigures FiguresOf(const MapPoint& point, MapCircuit circuit) {
    const UnitPerformance& f = point.figures;
    const bool heating = circuit == MapCircuit::Heating;
    CircuitFigures figures;
    figures.dutyKnown = point.status == MapStatus::Ok || point.status == MapStatus::Envelope ||
                        point.status == MapStatus::Flow;
    figures.waterKnown = point.status == MapStatus::Ok || point.status == MapStatus::Flow;
    figures.capacity = heating ? f.heatingCapacity : f.coolingCapacity;
    figures.power = heating ? f.heatingPower : f.coolingPower;
    figures.efficiency = EfficiencyRatio(figures.capacity, figures.power);
    figures.flow = heating ? f.heatingFlow : f.coolingFlow;
    figures.inletTemp = heating ? f.heatingInletTemp : f.coolingInletTemp;
    return figures;
}

const std::vector<MapPoint>& PointsOf(const PerformanceMap& map, MapCircuit circuit) {
    return circuit == MapCircuit::Heating ? map.heating : map.cooling;
}

QString StatusCaption(MapStatus status) {
    switch (status) {
        case MapStatus::Ok:
            return QStringLiteral("OK");
        case MapStatus::Envelope:
            return QStringLiteral("Outside envelope");
        case MapStatus::Flow:
            return QStringLiteral("Flow out of range");
        case MapStatus::NotAvailable:
            return QStringLiteral("Not available");
        case MapStatus::OutsideGrid:
            return QStringLiteral("Outside grid");
    }
    return {};
}

QString EfficiencyName(MapCircuit circuit) {
    return circuit == MapCircuit::Heating ? QStringLiteral("COP") : QStringLiteral("EER");
}

QString AmbientCaption(MapCircuit circuit) {
    return circuit == MapCircuit::Heating ? QStringLiteral("Heating ambient °C")
                                          : QStringLiteral("Ambient °C");
}

QString LeavingWaterCaption(MapCircuit circuit) {
    return circuit == MapCircuit::Heating ? QStringLiteral("Hot water outlet °C")
                                          : QStringLiteral("Leaving water °C");
}

QString TemperatureText(double value) { return QString::fromStdString(FormatText("%.6g", value)); }

}  // namespace keld::ui
