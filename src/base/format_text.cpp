// SPDX-License-Identifier: MIT
#include "base/format_text.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/c_locale.h"

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

// The text being written, on the stack: statements and figures are short,
// and one copy into the string at the end costs less than growing the string
// piece by piece. A text that does not fit is left to printf.
class TextBuffer {
public:
    std::string_view view() const { return {data_, size_}; }

    bool append(std::string_view piece) {
        if (piece.size() > sizeof data_ - size_) return false;
        std::memcpy(data_ + size_, piece.data(), piece.size());
        size_ += piece.size();
        return true;
    }
    bool append(size_t count, char c) {
        if (count > sizeof data_ - size_) return false;
        std::memset(data_ + size_, c, count);
        size_ += count;
        return true;
    }
    // Writes a number in place: to_chars into [end(), limit()), then commit.
    char* end() { return data_ + size_; }
    char* limit() { return data_ + sizeof data_; }
    void commit(char* newEnd) { size_ = static_cast<size_t>(newEnd - data_); }

private:
    char data_[1024];
    size_t size_ = 0;
};

template <typename Number, typename... Format>
bool AppendNumber(TextBuffer& text, Number value, Format... format) {
    auto [end, error] = std::to_chars(text.end(), text.limit(), value, format...);
    if (error != std::errc{}) return false;
    text.commit(end);
    return true;
}

// "%.Nf" of a value whose scaled form value * 10^N lies well inside the
// integers a double holds: the product is then within half a unit in its
// last place of the exact one, so away from the halfway point between two
// whole numbers its nearest whole number is the exact one's. False for the
// rare values near that point (and the large ones), which the exact
// conversion then writes.
bool AppendFixedQuickly(TextBuffer& text, double value, int precision) {
    static constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (precision < 0 || precision > 9) return false;
    const double scaled = std::fabs(value) * kPowersOfTen[precision];
    if (!(scaled < 0x1p40)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    // Below 2^40 a unit in the last place is at most 2^-13, so a fraction
    // this far from 1/2 decides the rounding.
    if (std::fabs(fraction - 0.5) < 0x1p-10) return false;
    const auto rounded = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);

    char digits[32];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, rounded);
    if (error != std::errc{}) return false;
    std::string_view number(digits, static_cast<size_t>(end - digits));
    const size_t decimals = static_cast<size_t>(precision);
    const size_t wholeDigits = number.size() > decimals ? number.size() - decimals : 0;
    bool written = !std::signbit(value) || text.append("-");
    written = written && (wholeDigits == 0 ? text.append("0") : text.append(number.substr(0, wholeDigits)));
    if (precision == 0) return written;
    return written && text.append(".") && text.append(decimals - (number.size() - wholeDigits), '0') &&
           text.append(number.substr(wholeDigits));
}

bool AppendFixed(TextBuffer& text, double value, int decimals) {
    return AppendFixedQuickly(text, value, decimals) ||
           (std::isfinite(value) && AppendNumber(text, value, std::chars_format::fixed, decimals));
}

// "%.Pg": an edit's number, written for every field whenever the page is
// shown again, a hundred times a duty. A whole number with at most P digits
// is written as its digits, as "%g" writes it; "-0" and the rest go to the
// general conversion.
bool AppendGeneral(TextBuffer& text, double value, int precision) {
    static constexpr double kPowersOfTen[] = {1e1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const bool wholeWithFewDigits = precision < 10 && value == std::trunc(value) &&
                                    std::fabs(value) < kPowersOfTen[precision] &&
                                    !(value == 0 && std::signbit(value));
    if (wholeWithFewDigits) return AppendNumber(text, static_cast<long long>(value));
    return AppendNumber(text, value, std::chars_format::general, precision);
}

// The conversions the program's statements and figures use, written with
// std::to_chars, which gives exactly the text printf gives in the "C"
// locale: "%s", "%d", "%lld", "%f" and "%.Nf" (N one digit), "%g", "%.Ng"
// (N one digit) and "%.*g" (precision 0 to 17), "%%". False,
// with `text` unfinished, at anything else (flags, widths, other
// conversions, a value that is not finite, a null text) and for a text too
// long for the buffer, which printf then writes instead. Statements are built
// a dozen times a run; printf's arbitrary-precision conversion of every "%f"
// was a good part of a run.
bool WriteCommonConversions(TextBuffer& text, const char* format, va_list args) {
    for (const char* c = format; *c != '\0'; ++c) {
        const char* percent = std::strchr(c, '%');
        if (percent == nullptr) return text.append(c);
        if (!text.append(std::string_view(c, static_cast<size_t>(percent - c)))) return false;
        c = percent + 1;
        int precision = 6;
        if (c[0] == '.' && c[1] >= '0' && c[1] <= '9' && (c[2] == 'f' || c[2] == 'g')) {
            precision = c[1] - '0';
            c += 2;
        } else if (c[0] == '.' && c[1] == '*' && c[2] == 'g') {
            precision = va_arg(args, int);
            if (precision < 0 || precision > 17) return false;
            c += 2;
        }
        bool written = false;
        switch (*c) {
            case '%':
                written = text.append("%");
                break;
            case 's': {
                const char* argument = va_arg(args, const char*);
                written = argument != nullptr && text.append(argument);
                break;
            }
            case 'd':
                written = AppendNumber(text, va_arg(args, int));
                break;
            case 'l':
                if (c[1] != 'l' || c[2] != 'd') return false;
                written = AppendNumber(text, va_arg(args, long long));
                c += 2;
                break;
            case 'f': {
                double value = va_arg(args, double);
                written = std::isfinite(value) && AppendFixed(text, value, precision);
                break;
            }
            case 'g': {
                double value = va_arg(args, double);
                written = std::isfinite(value) && AppendGeneral(text, value, precision);
                break;
            }
            default:
                return false;
        }
        if (!written) return false;
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
    TextBuffer text;
    std::string written =
        WriteCommonConversions(text, format, args) ? std::string(text.view()) : PrintfText(format, fallback);
    va_end(fallback);
    va_end(args);
    return written;
}

void AppendFixed(std::string& text, double value, int decimals) {
    TextBuffer fixed;
    if (AppendFixed(fixed, value, decimals)) {
        text += fixed.view();
    } else {
        text += FormatText("%.*f", decimals, value);
    }
}

}  // namespace keld
