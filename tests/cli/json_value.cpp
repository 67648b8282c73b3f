// SPDX-License-Identifier: MIT
#include "json_value.h"

#include <cstdlib>
#include <stdexcept>

namespace keld::test {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue();
        skipBlanks();
        if (pos_ != text_.size()) fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
    }

    void skipBlanks() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\n' || text_[pos_] == '\t' || text_[pos_] == '\r')) {
            ++pos_;
        }
    }

    bool take(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    void expect(char c) {
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != c) fail(std::string("expected '") + c + "'");
        ++pos_;
    }

    JsonValue parseValue() {
        skipBlanks();
        if (pos_ >= text_.size()) fail("unexpected end");
        JsonValue value;
        const char c = text_[pos_];
        if (c == '{') {
            value.type = JsonValue::Type::Object;
            parseMembers(value);
        } else if (c == '[') {
            value.type = JsonValue::Type::Array;
            parseElements(value);
        } else if (c == '"') {
            value.type = JsonValue::Type::String;
            value.string = parseString();
        } else if (take("true")) {
            value.type = JsonValue::Type::Boolean;
            value.boolean = true;
        } else if (take("false")) {
            value.type = JsonValue::Type::Boolean;
        } else if (take("null")) {
            value.type = JsonValue::Type::Null;
        } else {
            value.type = JsonValue::Type::Number;
            value.number = parseNumber();
        }
        return value;
    }

    void parseMembers(JsonValue& value) {
        expect('{');
        skipBlanks();
        if (take("}")) return;
        do {
            skipBlanks();
            std::string name = parseString();
            expect(':');
            value.object.emplace_back(std::move(name), parseValue());
            skipBlanks();
        } while (take(","));
        expect('}');
    }

    void parseElements(JsonValue& value) {
        expect('[');
        skipBlanks();
        if (take("]")) return;
        do {
            value.array.push_back(parseValue());
            skipBlanks();
        } while (take(","));
        expect(']');
    }

    std::string parseString() {
        if (!take("\"")) fail("expected a string");
        std::string result;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (static_cast<unsigned char>(c) < 0x20) fail("raw control character in a string");
            if (c != '\\') {
                result += c;
                continue;
            }
            if (pos_ >= text_.size()) fail("unfinished escape");
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                    result += '"';
                    break;
                case '\\':
                    result += '\\';
                    break;
                case '/':
                    result += '/';
                    break;
                case 'b':
                    result += '\b';
                    break;
                case 'f':
                    result += '\f';
                    break;
                case 'n':
                    result += '\n';
                    break;
                case 'r':
                    result += '\r';
                    break;
                case 't':
                    result += '\t';
                    break;
                case 'u':
                    appendUtf8(result, parseHex4());
                    break;
                default:
                    fail("unknown escape");
            }
        }
        if (!take("\"")) fail("unfinished string");
        return result;
    }

    unsigned parseHex4() {
        if (pos_ + 4 > text_.size()) fail("short \\u escape");
        const std::string hex(text_.substr(pos_, 4));
        char* end = nullptr;
        const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 4) fail("bad \\u escape");
        pos_ += 4;
        return static_cast<unsigned>(code);
    }

    // Code points of the Basic Multilingual Plane, which is all keld-cli escapes.
    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    double parseNumber() {
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() &&
               std::string_view("0123456789.eE+-").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        const std::string number(text_.substr(start, pos_ - start));
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (number.empty() || end != number.c_str() + number.size()) fail("bad number");
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& name) const {
    for (const auto& [memberName, member] : object) {
        if (memberName == name) return member;
    }
    throw std::out_of_range("no JSON member " + name);
}

JsonValue ParseJson(std::string_view text) { return Parser(text).document(); }

}  // namespace keld::test
