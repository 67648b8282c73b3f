// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace keld::cli {
namespace {

// Writes `"name": value` pairs of one object, with the commas between them.
class ObjectWriter {
public:
    explicit ObjectWriter(std::ostream& out) : out_(out) { out_ << '{'; }
    ~ObjectWriter() { out_ << '}'; }
    ObjectWriter(const ObjectWriter&) = delete;
    ObjectWriter& operator=(const ObjectWriter&) = delete;

    void field(const char* name, const std::string& jsonValue) {
        out_ << (first_ ? "" : ", ") << JsonString(name) << ": " << jsonValue;
        first_ = false;
    }
    void field(const char* name, float value) { field(name, JsonNumber(value)); }
    void field(const char* name, int value) { field(name, std::to_string(value)); }
    void field(const char* name, bool value) { field(name, std::string(value ? "true" : "false")); }

private:
    std::ostream& out_;
    bool first_ = true;
};

void WriteConditions(std::ostream& out, const SelectionConditions& c) {
    ObjectWriter object(out);
    object.field("compressorType", c.compressorType);
    object.field("unitType", c.unitType);
    object.field("refrigerant", c.refrigerant);
    object.field("version", c.version);
    object.field("recoveryMode", c.recoveryMode);
    object.field("partLoadStandard", c.partLoadStandard);
    object.field("fluidIsGlycol", c.fluidIsGlycol);
    object.field("glycolPercent", c.glycolPercent);
    object.field("foulingFactor", c.foulingFactor);
    object.field("altitude", c.altitude);
    object.field("coolingCapacityRequired", c.coolingCapacityRequired);
    object.field("heatingCapacityRequired", c.heatingCapacityRequired);
    object.field("tolerancePercent", c.tolerancePercent);
    object.field("coolingAmbientTemp", c.coolingAmbientTemp);
    object.field("coolingInletTemp", c.coolingInletTemp);
    object.field("coolingOutletTemp", c.coolingOutletTemp);
    object.field("coolingWaterFlow", c.coolingWaterFlow);
    object.field("heatingAmbientTemp", c.heatingAmbientTemp);
    object.field("heatingInletTemp", c.heatingInletTemp);
    object.field("heatingOutletTemp", c.heatingOutletTemp);
    object.field("heatingWaterFlow", c.heatingWaterFlow);
    object.field("recoveryInletTemp", c.recoveryInletTemp);
    object.field("recoveryOutletTemp", c.recoveryOutletTemp);
    object.field("recoveryFoulingFactor", c.recoveryFoulingFactor);
    object.field("coolingFlowEntered", c.coolingFlowEntered);
    object.field("heatingFlowEntered", c.heatingFlowEntered);
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}

std::string JsonNumber(float value) {
    if (!std::isfinite(value)) return "null";
    if (value == 0) return "0";  // also for a negative zero
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
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

void WriteSelectionJson(std::ostream& out, const SelectionConditions& conditions,
                        const std::vector<CollectingSink::Message>& messages, ListEffect effect,
                        const ResultTable& table) {
    out << "{\n  \"conditions\": ";
    WriteConditions(out, conditions);
    out << ",\n  \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        out << (i == 0 ? "\n    " : ",\n    ");
        ObjectWriter message(out);
        message.field("caption", JsonString(messages[i].caption));
        message.field("text", JsonString(messages[i].text));
    }
    out << (messages.empty() ? "]" : "\n  ]");
    out << ",\n  \"list\": " << JsonString(ListEffectName(effect));
    out << ",\n  \"rows\": [";
    for (int r = 0; r < table.rowCount(); ++r) {
        out << (r == 0 ? "\n    [" : ",\n    [");
        const ResultTable::Row& row = table.row(r);
        for (std::size_t c = 0; c < row.size(); ++c) out << (c == 0 ? "" : ", ") << JsonString(row[c]);
        out << ']';
    }
    out << (table.rowCount() == 0 ? "]" : "\n  ]") << "\n}\n";
}

}  // namespace keld::cli
