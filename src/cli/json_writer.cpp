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

// The length of the well-formed UTF-8 sequence that starts text[0]: 1 to 4,
// or 0 for a byte that starts none (a stray continuation byte, a sequence
// cut short, an overlong form, a surrogate, a code point beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    // The range the second byte must lie in keeps out the overlong forms,
    // the surrogates and what lies beyond U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

// One ASCII character as JSON string content.
void AppendAscii(std::string& json, char c) {
    switch (c) {
        case '"':
            json += "\\\"";
            return;
        case '\\':
            json += "\\\\";
            return;
        case '\n':
            json += "\\n";
            return;
        case '\r':
            json += "\\r";
            return;
        case '\t':
            json += "\\t";
            return;
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

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            json += "\\ufffd";
            ++i;
        } else if (length == 1) {
            AppendAscii(json, text[i]);
            ++i;
        } else {
            json.append(text.substr(i, length));
            i += length;
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

void WriteSelectionMembers(std::ostream& out, const SelectionConditions& conditions,
                           const std::vector<CollectingSink::Message>& messages, ListEffect effect,
                           const ResultTable& table) {
    out << "  \"conditions\": ";
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
    out << (table.rowCount() == 0 ? "]" : "\n  ]");
}

void WriteSelectionJson(std::ostream& out, const SelectionConditions& conditions,
                        const std::vector<CollectingSink::Message>& messages, ListEffect effect,
                        const ResultTable& table) {
    out << "{\n";
    WriteSelectionMembers(out, conditions, messages, effect, table);
    out << "\n}\n";
}

}  // namespace keld::cli
