// SPDX-License-Identifier: MIT
#include "db/format_text.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "db/c_locale.h"

namespace keld {
namespace {

// Switches the calling thread to the "C" locale for its lifetime; the rest
// of the process keeps whatever locale it runs under.
class CLocaleScope {
public:
    CLocaleScope() : previous_(CLocale() != locale_t{} ? uselocale(CLocale()) : locale_t{}) {}
    ~CLocaleScope() {
        if (previous_ != locale_t{}) uselocale(previous_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

std::string PrintfText(const char* format, va_list args) {
    CLocaleScope cLocale;
    char buffer[256];
    va_list retry;
    va_copy(retry, args);
    int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    std::string text;  // stays empty for an encoding error
    if (length >= 0 && static_cast<size_t>(length) < sizeof buffer) {
        text.assign(buffer, static_cast<size_t>(length));
    } else if (length >= 0) {
        std::vector<char> large(static_cast<size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, retry);
        text.assign(large.data(), static_cast<size_t>(length));
    }
    va_end(retry);
    return text;
}

template <typename Number, typename... Format>
bool AppendNumber(std::string& text, Number value, Format... format) {
    char digits[128];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, format...);
    if (error != std::errc{}) return false;
    text.append(digits, end);
    return true;
}

// The conversions the program's statements and figures use, written with
// std::to_chars, which gives exactly the text printf gives in the "C"
// locale: "%s", "%d", "%lld", "%f" and "%.Nf" (N one digit), "%%". False,
// with `text` unfinished, at anything else (flags, widths, other
// conversions, a value that is not finite, a null text), which printf then
// writes instead. Statements are built a dozen times a run; printf's
// arbitrary-precision conversion of every "%f" was a good part of a run.
bool WriteCommonConversions(std::string& text, const char* format, va_list args) {
    for (const char* c = format; *c != '\0'; ++c) {
        const char* percent = std::strchr(c, '%');
        if (percent == nullptr) {
            text += c;
            break;
        }
        text.append(c, percent);
        c = percent + 1;
        int precision = 6;
        if (c[0] == '.' && c[1] >= '0' && c[1] <= '9' && c[2] == 'f') {
            precision = c[1] - '0';
            c += 2;
        }
        switch (*c) {
            case '%':
                text += '%';
                break;
            case 's': {
                const char* argument = va_arg(args, const char*);
                if (argument == nullptr) return false;
                text += argument;
                break;
            }
            case 'd':
                if (!AppendNumber(text, va_arg(args, int))) return false;
                break;
            case 'l':
                if (c[1] != 'l' || c[2] != 'd') return false;
                if (!AppendNumber(text, va_arg(args, long long))) return false;
                c += 2;
                break;
            case 'f': {
                double value = va_arg(args, double);
                if (!std::isfinite(value)) return false;
                if (!AppendNumber(text, value, std::chars_format::fixed, precision)) return false;
                break;
            }
            default:
                return false;
        }
    }
    return true;
}

}  // namespace

locale_t CLocale() {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale;
}

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list fallback;
    va_copy(fallback, args);
    std::string text;
    if (!WriteCommonConversions(text, format, args)) text = PrintfText(format, fallback);
    va_end(fallback);
    va_end(args);
    return text;
}

}  // namespace keld
