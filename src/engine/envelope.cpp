// SPDX-License-Identifier: MIT
#include "engine/envelope.h"

namespace keld {
namespace {

// The limits are compared with a little slack, so that a limit typed as it
// is shown counts as within.
constexpr double kEnvelopeTolerance = 0.00001;

void QtkCrossings(const SelectionConditions& conditions, const CorrectionResult& corrections,
                  std::vector<EnvelopeLimit>& crossed) {
    constexpr double kEnvelopeAmbient = 40.0;
    const double ambient = conditions.coolingAmbientTemp;
    const double limit = 1.5 * ambient - 56;
    if ((ambient - kEnvelopeAmbient > kEnvelopeTolerance && limit > conditions.coolingOutletTemp) ||
        corrections.capacityRatioEven == 0)
        crossed.push_back({false, ambient, limit});
}

// The heat pump's limits are worked out in single precision, as the
// temperatures are held.
void QhkCrossings(const SelectionConditions& conditions, std::vector<EnvelopeLimit>& crossed) {
    constexpr double kEnvelopeAmbient = -5.0;
    if (conditions.coolingAmbientTemp - kEnvelopeAmbient < 0) {
        const auto limit =
            static_cast<float>(conditions.coolingAmbientTemp * 6.666666666666667 + 68.33333333333333);
        if (conditions.coolingOutletTemp > limit)
            crossed.push_back({false, conditions.coolingAmbientTemp, limit});
    }
    if (conditions.heatingAmbientTemp - kEnvelopeAmbient < 0) {
        const auto limit = static_cast<float>(conditions.heatingAmbientTemp + 60.0);
        if (conditions.heatingOutletTemp > limit)
            crossed.push_back({true, conditions.heatingAmbientTemp, limit});
    }
}

void Gv5Crossings(const SelectionConditions& conditions, std::vector<EnvelopeLimit>& crossed) {
    constexpr double kEnvelopeAmbient = 45.0;
    if (!(conditions.coolingAmbientTemp > kEnvelopeAmbient)) return;
    const auto limit = static_cast<float>(125 - 2 * static_cast<double>(conditions.coolingAmbientTemp));
    if (conditions.coolingOutletTemp - static_cast<double>(limit) > kEnvelopeTolerance)
        crossed.push_back({false, conditions.coolingAmbientTemp, limit});
}

}  // namespace

std::vector<EnvelopeLimit> EnvelopeCrossings(Series series, const SelectionConditions& conditions,
                                             const CorrectionResult& corrections) {
    std::vector<EnvelopeLimit> crossed;
    switch (series) {
        case Series::Qtk:
            QtkCrossings(conditions, corrections, crossed);
            break;
        case Series::Qhk:
            QhkCrossings(conditions, crossed);
            break;
        case Series::Gv5:
            Gv5Crossings(conditions, crossed);
            break;
    }
    return crossed;
}

}  // namespace keld
