// SPDX-License-Identifier: MIT
#include "db/format_text.h"

#include <cstdarg>
#include <cstdio>
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

}  // namespace

locale_t CLocale() {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale;
}

std::string FormatText(const char* format, ...) {
    CLocaleScope cLocale;
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list retry;
    va_copy(retry, args);
    int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
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

}  // namespace keld
