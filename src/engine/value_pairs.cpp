// SPDX-License-Identifier: MIT
#include "engine/value_pairs.h"

#include "base/number_text.h"

namespace keld {

FlowRange ParseFlowRange(std::string_view text) {
    std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return {0, LeadingNumber(text)};
    return {LeadingNumber(text.substr(0, dash)), LeadingNumber(text.substr(dash + 1))};
}

ValuePair ParseValuePair(std::string_view text) {
    std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return {LeadingNumber(text), 0, false};
    return {LeadingNumber(text.substr(0, slash)), LeadingNumber(text.substr(slash + 1)), true};
}

}  // namespace keld
