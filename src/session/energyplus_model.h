// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/selection_json.h"

namespace keld {

// A building energy model (EnergyPlus) describes an air-cooled chiller by its
// capacity and COP at one rating point and three curves that scale them:
// capacity and EIR (power over capacity, 1/COP) against leaving chilled water
// and entering condenser air, and EIR against part-load ratio. The curves are
// fitted by least squares to the figures of the unit's own map.

// One full-load point of a unit's map: leaving chilled water and ambient air
// in °C, cooling capacity and power input in kW.
struct CurveSample {
    double leavingWater;
    double ambient;
    double capacity;
    double power;
};

// One point of a unit's part-load table: `load` as a fraction of full load
// (0.25 for the 25 % point), the capacity and power input there in kW, and
// the leaving water and ambient in °C at which the table rates it.
struct PartLoadSample {
    double load;
    double capacity;
    double power;
    double leavingWater;
    double ambient;
};

// A model that cannot be made from what it was given: too few points, points
// that do not determine a curve, or figures that are not finite or not above
// 0. The text names the curve or the chiller and says what is missing.
class EnergyModelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How closely a fitted curve reproduces the points it was fitted to, the
// curve evaluated as the simulation evaluates it (see Evaluate below).
struct FitQuality {
    int pointCount = 0;
    double rmsError = 0;  // root mean square of (curve − point), in the curve's output
    // The largest |curve − point| / |point|, a fraction (0.01 is 1 %); points
    // of value 0 are left out.
    double worstRelativeError = 0;
};

// z = c1 + c2·x + c3·x² + c4·y + c5·y² + c6·x·y over the ranges actually
// fitted. The output limits are the lowest and highest fitted point, so the
// simulation never takes the curve beyond what the unit was seen to do.
struct BiquadraticCurve {
    std::string name;
    std::array<double, 6> coefficients{};
    double minX = 0, maxX = 0;
    double minY = 0, maxY = 0;
    double minOutput = 0, maxOutput = 0;
    FitQuality quality;

    // As the simulation evaluates a curve: x and y held to their fitted
    // ranges, the result to the output limits.
    double evaluate(double x, double y) const;
};

// z = c1 + c2·x + c3·x², the same way.
struct QuadraticCurve {
    std::string name;
    std::array<double, 3> coefficients{};
    double minX = 0, maxX = 0;
    double minOutput = 0, maxOutput = 0;
    FitQuality quality;

    double evaluate(double x) const;
};

struct BiquadraticPoint {
    double x, y, z;
};
struct QuadraticPoint {
    double x, z;
};

// Least-squares fits. Raise EnergyModelError naming the curve for fewer
// points than coefficients, fewer than three distinct x (or y) values, points
// that leave the system singular, or a value that is not finite.
BiquadraticCurve FitBiquadratic(const std::string& name, const std::vector<BiquadraticPoint>& points);
QuadraticCurve FitQuadratic(const std::string& name, const std::vector<QuadraticPoint>& points);

// The rating point the reference capacity and COP belong to.
inline constexpr double kReferenceLeavingWater = 7.0;  // °C
inline constexpr double kReferenceAmbient = 35.0;      // °C

// An air-cooled unit as an EnergyPlus Chiller:Electric:EIR.
struct EirChillerModel {
    std::string name;
    double referenceCapacity = 0;  // kW at the rating point
    double referenceCop = 0;       // at the rating point, fans included
    // Capacity / reference capacity against leaving water (x) and ambient (y).
    BiquadraticCurve capacityFunctionOfTemperature;
    // (Power / capacity) · reference COP against leaving water and ambient.
    BiquadraticCurve eirFunctionOfTemperature;
    // Part-load EIR against part-load ratio, each part-load point normalised
    // by the two temperature curves at its own conditions.
    QuadraticCurve eirFunctionOfPartLoadRatio;
    // Below the lowest part-load ratio fitted the simulated chiller cycles.
    double minimumPartLoadRatio = 0;
    // Where the part-load curve gives the best COP (within the fitted range).
    double optimumPartLoadRatio = 1;
    // The lowest leaving water the unit was mapped at, °C.
    double leavingWaterLowerLimit = 0;
};

// Fits the three curves of `name` (the model as the program names it) to the
// map's ok points and the part-load table's points, with the reference
// capacity (kW) and COP at 7 °C leaving water and 35 °C ambient: the unit's
// own figures there, so that both temperature curves give about 1 at the
// rating point. Raises
// EnergyModelError for a name that cannot stand in an input file (empty,
// holding ',', ';', '!' or a control character, or too long for the node
// names made from it), a reference that is not finite and above 0, a point
// whose capacity or power is not above 0, a part-load point where the
// capacity curve gives nothing, or a curve that cannot be fitted.
EirChillerModel FitEirChiller(const std::string& name, double referenceCapacity, double referenceCop,
                              const std::vector<CurveSample>& samples,
                              const std::vector<PartLoadSample>& partLoad);

// The curves' names: "<name> CapFT", "<name> EIRFT", "<name> EIRFPLR".
std::string CapacityCurveName(const std::string& chiller);
std::string EirTemperatureCurveName(const std::string& chiller);
std::string EirPartLoadCurveName(const std::string& chiller);

// Writes the chiller and its three curves as EnergyPlus input objects (the
// field order and count of EnergyPlus 26.1), each field on its own line with
// its name in a comment, each curve's fit quality in comment lines above it.
// Numbers are written in their shortest exact form with a decimal point
// whatever locale the process has chosen.
void WriteIdf(std::ostream& out, const EirChillerModel& model);

// The same model as JSON: name, reference capacity and COP, the chiller's
// part-load and leaving-water limits, and each curve's coefficients, ranges
// and fit quality.
Json EirChillerJson(const EirChillerModel& model);

}  // namespace keld
