// SPDX-License-Identifier: MIT
#include "selection/page/page_edits.h"

#include <algorithm>
#include <array>

#include "selection/page/edit_numbers.h"
#include "selection/page/page_controls.h"

namespace keld {
namespace {

constexpr std::array kIntegerEdits = {kCoolingCapacityEdit, kToleranceEdit, kHeatingCapacityEdit,
                                      kGlycolEdit};
constexpr std::array kUnitTypeRadios = {kChillersRadio, kHeatPumpRadio};
constexpr std::array kRefrigerantRadios = {kR22Radio, kR407cRadio, kR134aRadio};
constexpr std::array kVersionRadios = {kStandardVersionRadio, kLowNoiseRadio, kLowAmbientRadio};
constexpr std::array kRecoveryRadios = {kRecoveryNoneRadio, kRecoveryPartialRadio, kRecoveryTotalRadio};
constexpr std::array kCompressorRadios = {kCentrifugalRadio, kScrewRadio};
constexpr std::array kStandardRadios = {kAhriRadio, kGbRadio};

template <std::size_t N>
bool Contains(const std::array<int, N>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

bool IsIntegerEdit(int controlId) { return Contains(kIntegerEdits, controlId); }

std::string NotANumberPrompt(int controlId) {
    return IsIntegerEdit(controlId) ? kIntegerPrompt : kRealPrompt;
}

bool IsNumberFor(int controlId, const std::string& text) {
    return IsIntegerEdit(controlId) ? ParseIntegerText(text).has_value() : ParseRealText(text).has_value();
}

std::span<const int> RadioGroupOf(int radioId) {
    for (std::span<const int> group :
         {std::span<const int>(kUnitTypeRadios), std::span<const int>(kRefrigerantRadios),
          std::span<const int>(kVersionRadios), std::span<const int>(kRecoveryRadios),
          std::span<const int>(kCompressorRadios), std::span<const int>(kStandardRadios)}) {
        if (std::find(group.begin(), group.end(), radioId) != group.end()) return group;
    }
    return {};
}

}  // namespace keld
