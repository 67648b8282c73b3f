// SPDX-License-Identifier: MIT
#include "selection/model_names.h"

#include <string_view>

#include "selection/launch_parameters.h"

namespace keld {
namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

std::string ShownModelName(const std::string& storedName, Series series, const std::string& brand) {
    if (brand != kSecondBrand) return storedName;
    switch (series) {
        case Series::Qtk:
            return ReplaceAll(storedName, "QTK", "WOTA");
        case Series::Qhk:
            return ReplaceAll(storedName, "QHK", "WOH") + "E";
        case Series::Gv5:
            return ReplaceAll(storedName, "QSK", "WOQ") + "E";
    }
    return storedName;
}

bool HiddenByLaunch(int secondDigit, int firstModule) {
    return secondDigit == 4 && (firstModule == 4 || firstModule == 7 || firstModule == 10);
}

}  // namespace keld
