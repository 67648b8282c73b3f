// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "engine/correction_result.h"
#include "engine/envelope.h"
#include "engine/module_table.h"
#include "engine/selection_conditions.h"
#include "engine/value_pairs.h"

namespace keld {

class PerformanceDatabase;
class Recordset;

// One candidate's row of the unit table, read field by field as the
// evaluation comes to each figure: a unit left out early never has its later
// fields read, so a damaged field only matters to a unit that gets that far.
// The recordset must stay on the row while the record is used.
class UnitRecord {
public:
    explicit UnitRecord(const Recordset& row) : row_(row) {}

    std::string modelName() const;      // as stored ("QTK090GN5-LQE")
    std::string connect() const;        // the module indexes, "0" or "1+1"
    std::string pressureDrops() const;  // kPa at the nominal flow, "61.8" or "30.2/30.2"
    std::string nominalFlows() const;   // L/s per module for the drops, "22.07" or "11/11"
    std::string permittedFlow() const;  // L/s, "min~max"
    double ratedFlow() const;           // L/s at 35 °C, 12 → 7 °C; raises DatabaseError unless a number
    double ratedHeatingFlow() const;    // L/s at 7 °C, 40 → 45 °C; the number the text begins with
    // A rated figure ("capacity", "Power", "capacity7", "Power7"): the number
    // its text begins with. One beyond the range of a real raises
    // DatabaseError like any unreadable field.
    double ratedFigure(const std::string& column) const;

private:
    const Recordset& row_;
};

// Why a candidate is not a selection.
enum class Rejection {
    None,
    Inconsistent,  // the row's modules or drops contradict the module table
    Envelope,      // the duty lies outside the unit's operating envelope
    Flow,          // a water flow lies outside the unit's permitted range
};

// A unit at the duty's conditions, as numbers in SI units: kW, L/s, °C, kPa.
// Capacities and powers are rounded module by module as the list shows them
// (CombineModules); flows and inlet temperatures are not rounded. Figures
// after the point of a rejection are left at 0.
struct UnitPerformance {
    std::string storedName;
    Rejection rejection = Rejection::None;
    EnvelopeLimit envelope;   // Envelope: the limit crossed
    FlowRange permittedFlow;  // Flow: the range the flow left (also set when accepted)

    double coolingCapacity = 0;
    double coolingPower = 0;
    double coolingFlow = 0;
    double coolingInletTemp = 0;

    bool hasHeating = false;  // a heat pump's hot-water circuit
    double heatingCapacity = 0;
    double heatingPower = 0;
    double heatingFlow = 0;
    double heatingInletTemp = 0;

    double ratedCapacity = 0;
    double ratedPower = 0;

    // The water pressure drop of each module (one or two), at its flow. Not
    // finite when the flow or a nominal figure leaves none.
    std::vector<double> pressureDrops;
};

// Capacity over power input (EER, COP), W/W; 0 without power.
inline double EfficiencyRatio(double capacity, double power) { return power == 0 ? 0 : capacity / power; }

// Evaluates one candidate of `series` at the duty: its modules' duties with
// the run's corrections, the envelope, the water of each circuit and whether
// the unit permits it, the pressure drops and the rated figures. Reads the
// correction tables it needs (LookupByKey, its own recordsets), so it may run
// while a candidate walk holds the database's CurrentRecordset. Database
// failures raise as the lookups and field reads raise them; nothing is shown.
UnitPerformance EvaluateUnit(Series series, const UnitRecord& unit, const SelectionConditions& conditions,
                             const CorrectionResult& corrections, PerformanceDatabase& db);

}  // namespace keld
