// SPDX-License-Identifier: MIT
#include "session/selection_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/quoted_text.h"
#include "selection/page/selection_page.h"
#include "session/usage_error.h"

namespace keld {
namespace {

// nlohmann writes a run of well-formed UTF-8; three escapes are written as
// the program has always written them: backspace and form feed as "\u0008"
// and "\u000c" rather than "\b" and "\f", and DEL escaped as well, so that no
// raw control character reaches a terminal showing the JSON.
void AppendWellFormed(std::string& json, std::string_view run) {
    const std::string dumped = Json(std::string(run)).dump();
    const std::string_view content = std::string_view(dumped).substr(1, dumped.size() - 2);
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\\') {
            const char escaped = content[++i];
            json += escaped == 'b' ? "\\u0008" : escaped == 'f' ? "\\u000c" : std::string{'\\', escaped};
        } else if (content[i] == '\x7f') {
            json += "\\u007f";
        } else {
            json += content[i];
        }
    }
}

// The document is laid out in a string and written in one piece: a map's
// JSON is some ten thousand small pieces, each a call into the stream.
void AppendInline(std::string& out, const Json& value) {
    if (value.is_string()) {
        out += JsonString(value.get_ref<const std::string&>());
    } else if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            out += first ? "" : ", ";
            out += JsonString(key);
            out += ": ";
            AppendInline(out, member);
            first = false;
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i > 0) out += ", ";
            AppendInline(out, value[i]);
        }
        out += ']';
    } else {
        out += value.dump();
    }
}

bool HoldsStructures(const Json& array) {
    return !array.empty() &&
           std::all_of(array.begin(), array.end(), [](const Json& e) { return e.is_structured(); });
}

void AppendObject(std::string& out, const Json& object) {
    out += "{\n";
    bool first = true;
    for (const auto& [key, member] : object.items()) {
        out += first ? "  " : ",\n  ";
        out += JsonString(key);
        out += ": ";
        first = false;
        if (member.is_array() && HoldsStructures(member)) {
            for (std::size_t i = 0; i < member.size(); ++i) {
                out += i == 0 ? "[\n    " : ",\n    ";
                AppendInline(out, member[i]);
            }
            out += "\n  ]";
        } else {
            AppendInline(out, member);
        }
    }
    out += "\n}";
}

}  // namespace

void WriteJsonObject(std::ostream& out, const Json& object) {
    std::string text;
    AppendObject(text, object);
    out << text;
}

Json ConditionsJson(const SelectionConditions& c) {
    return Json{
        {"compressorType", c.compressorType},
        {"unitType", c.unitType},
        {"refrigerant", c.refrigerant},
        {"version", c.version},
        {"recoveryMode", c.recoveryMode},
        {"partLoadStandard", c.partLoadStandard},
        {"fluidIsGlycol", c.fluidIsGlycol},
        {"glycolPercent", c.glycolPercent},
        {"foulingFactor", JsonNumber(c.foulingFactor)},
        {"altitude", JsonNumber(c.altitude)},
        {"coolingCapacityRequired", c.coolingCapacityRequired},
        {"heatingCapacityRequired", c.heatingCapacityRequired},
        {"tolerancePercent", c.tolerancePercent},
        {"coolingAmbientTemp", JsonNumber(c.coolingAmbientTemp)},
        {"coolingInletTemp", JsonNumber(c.coolingInletTemp)},
        {"coolingOutletTemp", JsonNumber(c.coolingOutletTemp)},
        {"coolingWaterFlow", JsonNumber(c.coolingWaterFlow)},
        {"heatingAmbientTemp", JsonNumber(c.heatingAmbientTemp)},
        {"heatingInletTemp", JsonNumber(c.heatingInletTemp)},
        {"heatingOutletTemp", JsonNumber(c.heatingOutletTemp)},
        {"heatingWaterFlow", JsonNumber(c.heatingWaterFlow)},
        {"recoveryInletTemp", JsonNumber(c.recoveryInletTemp)},
        {"recoveryOutletTemp", JsonNumber(c.recoveryOutletTemp)},
        {"recoveryFoulingFactor", JsonNumber(c.recoveryFoulingFactor)},
        {"coolingFlowEntered", c.coolingFlowEntered},
        {"heatingFlowEntered", c.heatingFlowEntered},
    };
}

Json FiguresJson(const std::string& shownName, const UnitPerformance& unit) {
    Json figures{
        {"model", shownName},
        {"coolingCapacity_kW", JsonNumber(unit.coolingCapacity)},
        {"coolingPower_kW", JsonNumber(unit.coolingPower)},
        {"waterFlow_Ls", JsonNumber(unit.coolingFlow)},
        {"inletTemp_C", JsonNumber(unit.coolingInletTemp)},
    };
    if (unit.hasHeating) {
        figures["heatingCapacity_kW"] = JsonNumber(unit.heatingCapacity);
        figures["heatingPower_kW"] = JsonNumber(unit.heatingPower);
        figures["heatingWaterFlow_Ls"] = JsonNumber(unit.heatingFlow);
        figures["heatingInletTemp_C"] = JsonNumber(unit.heatingInletTemp);
    }
    figures["ratedCapacity_kW"] = JsonNumber(unit.ratedCapacity);
    figures["ratedPower_kW"] = JsonNumber(unit.ratedPower);
    figures["permittedFlowMin_Ls"] = JsonNumber(unit.permittedFlow.minimum);
    figures["permittedFlowMax_Ls"] = JsonNumber(unit.permittedFlow.maximum);
    Json drops = Json::array();
    for (double drop : unit.pressureDrops) drops.push_back(JsonNumber(drop));
    figures["pressureDrop_kPa"] = drops;
    return figures;
}

namespace {

Json CorrectionsJson(const CorrectionResult& c) {
    return Json{
        {"capacityRatio", JsonNumber(c.capacityRatio)},
        {"powerRatio", JsonNumber(c.powerRatio)},
        {"capacityRatioEven", JsonNumber(c.capacityRatioEven)},
        {"powerRatioEven", JsonNumber(c.powerRatioEven)},
        {"capacityFactor", JsonNumber(c.capacityFactor)},
        {"powerFactor", JsonNumber(c.powerFactor)},
        {"altitudeCapacity", JsonNumber(c.cooling.altitudeCapacity)},
        {"altitudePower", JsonNumber(c.cooling.altitudePower)},
        {"foulingCapacity", JsonNumber(c.cooling.foulingCapacity)},
        {"foulingPower", JsonNumber(c.cooling.foulingPower)},
        {"glycolCapacity", JsonNumber(c.cooling.glycolCapacity)},
        {"glycolPower", JsonNumber(c.cooling.glycolPower)},
        {"lowTemperatureCapacity", JsonNumber(c.cooling.lowTemperatureCapacity)},
        {"lowTemperaturePower", JsonNumber(c.cooling.lowTemperaturePower)},
        {"heatCapacityRatio", JsonNumber(c.heatCapacityRatio)},
        {"heatPowerRatio", JsonNumber(c.heatPowerRatio)},
        {"heatCapacityFactor", JsonNumber(c.heatCapacityFactor)},
        {"heatPowerFactor", JsonNumber(c.heatPowerFactor)},
    };
}

}  // namespace

std::string JsonString(std::string_view text) {
    // Model names, captions and most messages are printable ASCII with
    // nothing to escape: they are written as they are.
    const bool plain = std::all_of(text.begin(), text.end(),
                                   [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; });
    if (plain) {
        std::string json;
        json.reserve(text.size() + 2);
        json += '"';
        json += text;
        json += '"';
        return json;
    }
    std::string json = "\"";
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text.substr(i));
        if (length > 0) {
            i += length;
            continue;
        }
        AppendWellFormed(json, text.substr(runStart, i - runStart));
        json += "\\ufffd";
        runStart = ++i;
    }
    AppendWellFormed(json, text.substr(runStart));
    return json + "\"";
}

Json JsonNumber(double value) {
    if (!std::isfinite(value)) return nullptr;
    // Whole numbers as integers, so that 8 is written "8" and not "8.0".
    constexpr double kLargestWhole = 9007199254740992.0;  // 2^53: every whole double below is exact
    if (value == std::trunc(value) && std::fabs(value) < kLargestWhole)
        return static_cast<std::int64_t>(value);
    return value;
}

Json JsonNumber(float value) {
    if (!std::isfinite(value)) return nullptr;
    // The float's shortest text read as a double, so that 22.07f is written
    // "22.07" and not as the double it widens to.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double shortest = 0;
    std::from_chars(buffer, written.ptr, shortest);
    return JsonNumber(shortest);
}

const char* ListEffectName(ListEffect effect) {
    switch (effect) {
        case ListEffect::Replaced:
            return "replaced";
        case ListEffect::Kept:
            return "kept";
        case ListEffect::Cleared:
            return "cleared";
    }
    return "kept";
}

Json MessagesJson(const std::vector<CollectingSink::Message>& messages) {
    Json list = Json::array();
    for (const CollectingSink::Message& message : messages)
        list.push_back(Json{{"caption", message.caption}, {"text", message.text}});
    return list;
}

Json DataStampJson(const DataStamp& data) { return Json{{"version", data.version}, {"date", data.date}}; }

Json SelectionMembers(SelectionPage& page, const std::vector<CollectingSink::Message>& messages,
                      ListEffect effect, const DataStamp& data) {
    const ResultTable& table = page.results();
    Json rows = Json::array();
    Json figures = Json::array();
    for (int r = 0; r < table.rowCount(); ++r) {
        const ResultTable::Row& row = table.row(r);
        rows.push_back(Json(row));
        const ModelResult* record = table.recordOfRow(r);
        figures.push_back(record != nullptr ? FiguresJson(row[column::kModel], record->figures)
                                            : Json(nullptr));
    }
    return Json{
        {"conditions", ConditionsJson(page.conditions())},
        {"messages", MessagesJson(messages)},
        {"list", ListEffectName(effect)},
        {"rows", rows},
        {"figures", figures},
        {"corrections", CorrectionsJson(page.corrections())},
        {"data", DataStampJson(data)},
    };
}

void WriteJson(std::ostream& out, const Json& document) { out << JsonText(document); }

std::string JsonText(const Json& document) {
    std::string text;
    if (document.is_array() && HoldsStructures(document)) {
        text += '[';
        for (std::size_t i = 0; i < document.size(); ++i) {
            text += i == 0 ? "\n" : ",\n";
            AppendObject(text, document[i]);
        }
        text += "\n]\n";
    } else if (document.is_object() && !document.empty()) {
        AppendObject(text, document);
        text += '\n';
    } else {
        AppendInline(text, document);
        text += '\n';
    }
    return text;
}

PageOptions RequestFromJson(const Json& request) {
    if (!request.is_object()) throw UsageError("a request is a JSON object of page options");
    std::vector<std::string> args;
    for (const auto& [name, value] : request.items()) {
        args.push_back("--" + name);
        if (value.is_string()) {
            args.push_back(value.get<std::string>());
        } else if (value.is_number()) {
            args.push_back(value.dump());
        } else {
            throw UsageError(Quoted(name) + " takes a string or a number");
        }
    }
    PageOptions options;
    for (std::size_t i = 0; i < args.size();) {
        if (!TakePageOption(args, i, options))
            throw UsageError("no page option is named " + Quoted(args[i].substr(2)));
    }
    return options;
}

Json RequestJson(const PageOptions& request) {
    Json json = Json::object();
    auto put = [&json](const char* name, const std::optional<std::string>& value) {
        if (value) json[name] = *value;
    };
    put("database", request.database);
    put("launch", request.launch);
    put("compressor", request.compressor);
    put("fluid", request.fluid);
    put("glycol", request.glycol);
    put("standard", request.standard);
    for (const ValueOption& option : ValueOptions()) {
        if (const auto value = request.values.find(option.controlId); value != request.values.end())
            json[std::string(option.name).substr(2)] = value->second;
    }
    return json;
}

}  // namespace keld
