// SPDX-License-Identifier: MIT
#include "selection/run_steps.h"

#include <cmath>
#include <cstdint>
#include <exception>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "base/significant.h"
#include "base/significant_rounding.h"
#include "db/database_error.h"
#include "db/performance_database.h"
#include "db/recordset.h"
#include "engine/module_table.h"

namespace keld {
namespace {

// A list without its trailing "," followed by the message's suffix.
void ShowNameList(MessageSink& messages, const std::string& list, const char* suffix) {
    if (list.empty()) return;
    messages.show(list.substr(0, list.size() - 1) + suffix, kApplicationTitle);
}

}  // namespace

void ClearResults(ResultTable& results) {
    results.FreeResultRecords();
    results.deleteAllRows();
}

bool CheckUsableRatios(MessageSink& messages, float ambient, float leavingWater,
                       std::initializer_list<double> ratios) {
    const double largestUnitRating = 2 * LargestModuleRating();
    for (double ratio : ratios) {
        if (std::isfinite(ratio * largestUnitRating)) continue;
        messages.show(FormatText("No valid performance data at ambient %.1f °C, leaving water %.2f °C",
                                 static_cast<double>(ambient), static_cast<double>(leavingWater)),
                      kApplicationTitle);
        return false;
    }
    return true;
}

bool CheckCapacityRatio(MessageSink& messages, const SelectionConditions& conditions, double capacityRatio) {
    if (capacityRatio != 0) return true;
    messages.show(FormatText("No performance data at ambient %.1f °C, leaving water %.2f °C",
                             static_cast<double>(conditions.coolingAmbientTemp),
                             static_cast<double>(conditions.coolingOutletTemp)),
                  kApplicationTitle);
    return false;
}

std::string EnvelopeMessage(Series series, const EnvelopeLimit& limit) {
    if (series == Series::Qtk) {
        return FormatText(
            "When the Ambient temperature is more than %.1f °C,the outlet temperature must be more than %.2f "
            "°C",
            limit.ambient, limit.leavingWater);
    }
    return FormatText(
        "%s:When the Ambient temperature is %.1f °C,the outlet temperature must be no more than %.2f °C.",
        limit.heating ? "Heating" : "Cooling", limit.ambient, limit.leavingWater);
}

bool FindCandidates(PerformanceDatabase& db, MessageSink& messages, const std::string& query) {
    db.OpenRecordset(db.CurrentRecordset(), query);
    if (db.CurrentRecordset().RecordCount() > 0) return true;
    messages.show("No suitable models!", kApplicationTitle);
    return false;
}

RunOutcome WalkCandidates(PerformanceDatabase& db, MessageSink& messages,
                          const std::function<void(const Recordset& unit)>& evaluate) {
    Recordset& units = db.CurrentRecordset();
    try {
        if (!units.IsBOF()) units.MoveFirst();
        while (!units.IsEOF()) {
            evaluate(units);
            units.MoveNext();
        }
        units.Close();
    } catch (const DatabaseError& error) {
        const std::string text = FormatText("Read data Error:%s", DatabaseErrorText(error).c_str());
        messages.show(text, kApplicationTitle);
        return RunEndedBy(ListEffect::Replaced, text);
    } catch (const std::exception& error) {
        messages.show(error.what(), kApplicationTitle);
        return RunEndedBy(ListEffect::Replaced, error.what());
    }
    return ListEffect::Replaced;
}

bool Accepted(const UnitPerformance& unit, const std::string& shownName, RejectedUnits& rejected) {
    switch (unit.rejection) {
        case Rejection::None:
            return true;
        case Rejection::Inconsistent:
            RejectedUnits::add(rejected.inconsistent, shownName);
            break;
        case Rejection::Envelope:
            RejectedUnits::add(rejected.envelope, unit.storedName);
            break;
        case Rejection::Flow:
            RejectedUnits::add(rejected.flow, shownName);
            break;
    }
    return false;
}

void ShowFlowRejections(MessageSink& messages, const RejectedUnits& rejected) {
    ShowNameList(messages, rejected.flow, ":Water flow is beyond range");
}

void ShowInconsistentUnits(MessageSink& messages, const RejectedUnits& rejected) {
    ShowNameList(messages, rejected.inconsistent, ":Model data is inconsistent");
}

ModelResult& AddResultRow(ResultTable& results, int row, const std::string& shownName,
                          const ResultCells& cells) {
    results.insertRow(row, shownName);
    for (const auto& [column, text] : cells) results.setCell(row, column, text);
    const unsigned id = results.createRecord();
    results.setCell(row, column::kRecordId, ResultTable::RecordIdText(id));
    ModelResult& record = *results.recordOfRow(row);
    record.modelName = results.cell(row, column::kModel);
    return record;
}

void FillCoolingRecord(ModelResult& record, const SelectionConditions& conditions,
                       const UnitPerformance& unit) {
    record.figures = unit;
    record.coolingAmbientTemp = conditions.coolingAmbientTemp;
    record.coolingOutletTemp = conditions.coolingOutletTemp;
    record.coolingInletTemp = static_cast<float>(unit.coolingInletTemp);
    record.coolingWaterFlow = static_cast<float>(RoundSignificant4(unit.coolingFlow));
    record.altitude = static_cast<std::int32_t>(conditions.altitude);
    record.foulingFactor = conditions.foulingFactor;
    record.coolingCapacityRequired = conditions.coolingCapacityRequired;
    record.tolerancePercent = conditions.tolerancePercent;
    record.coolingFlowEntered = conditions.coolingFlowEntered;
}

std::string AltitudeCell(const SelectionConditions& conditions) {
    return conditions.altitude > 0 ? FourDigitText(conditions.altitude) : "0";
}

std::string FourDigitText(double value) { return FormatSignificant(value, 4); }

}  // namespace keld
