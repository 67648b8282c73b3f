// SPDX-License-Identifier: MIT
#include "engine/module_table.h"

#include <algorithm>
#include <array>

namespace keld {
namespace {

// Rated capacity, power and chilled-water flow at 35 °C ambient, 12 → 7 °C.
constexpr std::array<ModuleRating, 4> kQtkModules{{
    {"QTK090GN5", 310.1, 93.1, 0, 0, 14.91},
    {"QTK130GN5", 459.2, 135.5, 0, 0, 22.07},
    {"QTK180GN5", 625.2, 182.7, 0, 0, 30.05},
    {"QTK260GN5", 914.5, 268.4, 0, 0, 43.96},
}};

// Heat pumps rate both duties: cooling capacity and power, heating capacity
// and power, then the chilled-water flow.
constexpr std::array<ModuleRating, 3> kQhkModules{{
    {"QHK125GP5", 419.0, 113.6, 418.0, 119.8, 20.0},
    {"QHK150GP5", 507.0, 136.7, 500.0, 140.8, 24.17},
    {"QHK175GP5", 608.0, 161.7, 593.0, 166.1, 29.17},
}};

constexpr std::array<ModuleRating, 12> kGv5Modules{{
    {"QSK145GV5", 360.0, 119.4, 0, 0, 17.0},
    {"QSK185GV5", 467.0, 155.9, 0, 0, 22.0},
    {"QSK215GV5", 538.0, 186.1, 0, 0, 26.0},
    {"QSK240GV5", 599.0, 208.1, 0, 0, 29.0},
    {"QSK260GV5", 649.0, 208.0, 0, 0, 31.0},
    {"QSK275GV5", 684.0, 235.1, 0, 0, 33.0},
    {"QSK315GV5", 790.0, 256.1, 0, 0, 38.0},
    {"QSK325GV5", 800.0, 256.3, 0, 0, 38.0},
    {"QSK335GV5", 834.0, 280.8, 0, 0, 40.0},
    {"QSK365GV5", 908.0, 312.8, 0, 0, 43.0},
    {"QSK380GV5", 947.6, 302.5, 0, 0, 45.0},
    {"QSK395GV5", 984.0, 332.7, 0, 0, 47.0},
}};

}  // namespace

std::span<const ModuleRating> ModuleTable(Series series) {
    switch (series) {
        case Series::Qtk:
            return kQtkModules;
        case Series::Qhk:
            return kQhkModules;
        case Series::Gv5:
            return kGv5Modules;
    }
    return {};
}

double LargestModuleRating() {
    double largest = 0;
    for (Series series : {Series::Qtk, Series::Qhk, Series::Gv5}) {
        for (const ModuleRating& module : ModuleTable(series)) {
            largest = std::max({largest, module.coolingCapacity, module.coolingPower, module.heatingCapacity,
                                module.heatingPower});
        }
    }
    return largest;
}

const ModuleRating* FindModule(Series series, int index) {
    std::span<const ModuleRating> table = ModuleTable(series);
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

}  // namespace keld
