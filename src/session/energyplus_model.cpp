// SPDX-License-Identifier: MIT
#include "session/energyplus_model.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>
#include <utility>

#include "base/format_text.h"
#include "base/number_text.h"

namespace keld {

namespace {

// A pivot below this fraction of the largest marks the least-squares system
// as singular: the points leave a coefficient undetermined.
constexpr double kRankThreshold = 1e-10;

// The input file's alpha fields hold at most 100 characters; the longest name
// made from the chiller's is its chilled-water outlet node.
constexpr const char* kLongestNodeSuffix = " Chilled Water Outlet Node";
constexpr std::size_t kLongestAlphaField = 100;

double Bounded(double value, double low, double high) { return std::min(std::max(value, low), high); }

// The fit runs on x and y moved to [-1, 1]: temperatures of 5 to 50 °C and
// their squares would otherwise make the system needlessly ill-conditioned.
struct Axis {
    double centre;
    double halfSpan;
    double scaled(double value) const { return (value - centre) / halfSpan; }
};

Axis AxisOver(double low, double high) { return {(low + high) / 2, (high - low) / 2}; }

std::pair<double, double> RangeOf(const std::vector<double>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

int DistinctCount(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return static_cast<int>(std::unique(values.begin(), values.end()) - values.begin());
}

[[noreturn]] void FitFails(const std::string& curve, const std::string& why) {
    throw EnergyModelError(FormatText("Curve \"%s\" cannot be fitted: %s", curve.c_str(), why.c_str()));
}

void CheckCount(const std::string& curve, std::size_t points, std::size_t terms) {
    if (points < terms) FitFails(curve, FormatText("%zu points, at least %zu are needed", points, terms));
}

void CheckDistinct(const std::string& curve, const char* axis, const std::vector<double>& values) {
    const int distinct = DistinctCount(values);
    if (distinct < 3)
        FitFails(curve, FormatText("%d distinct values of %s, at least 3 are needed", distinct, axis));
}

Eigen::VectorXd SolveLeastSquares(const std::string& curve, const Eigen::MatrixXd& terms,
                                  const Eigen::VectorXd& values) {
    Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(terms);
    qr.setThreshold(kRankThreshold);
    if (qr.rank() < terms.cols()) FitFails(curve, "the points do not determine every coefficient");
    Eigen::VectorXd solution = qr.solve(values);
    if (!solution.allFinite()) FitFails(curve, "the solution is not finite");
    return solution;
}

template <typename Points, typename Evaluate>
FitQuality QualityOf(const Points& points, Evaluate evaluate) {
    FitQuality quality;
    quality.pointCount = static_cast<int>(points.size());
    double sumOfSquares = 0;
    for (const auto& point : points) {
        const double error = evaluate(point) - point.z;
        sumOfSquares += error * error;
        if (point.z != 0)
            quality.worstRelativeError = std::max(quality.worstRelativeError, std::fabs(error / point.z));
    }
    quality.rmsError = std::sqrt(sumOfSquares / static_cast<double>(points.size()));
    return quality;
}

}  // namespace

double BiquadraticCurve::evaluate(double x, double y) const {
    x = Bounded(x, minX, maxX);
    y = Bounded(y, minY, maxY);
    const auto& c = coefficients;
    const double z = c[0] + c[1] * x + c[2] * x * x + c[3] * y + c[4] * y * y + c[5] * x * y;
    return Bounded(z, minOutput, maxOutput);
}

double QuadraticCurve::evaluate(double x) const {
    x = Bounded(x, minX, maxX);
    const auto& c = coefficients;
    return Bounded(c[0] + c[1] * x + c[2] * x * x, minOutput, maxOutput);
}

BiquadraticCurve FitBiquadratic(const std::string& name, const std::vector<BiquadraticPoint>& points) {
    CheckCount(name, points.size(), 6);
    std::vector<double> xs, ys, zs;
    xs.reserve(points.size());
    ys.reserve(points.size());
    zs.reserve(points.size());
    for (const auto& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
            FitFails(name, "a point is not a finite number");
        xs.push_back(p.x);
        ys.push_back(p.y);
        zs.push_back(p.z);
    }
    CheckDistinct(name, "x", xs);
    CheckDistinct(name, "y", ys);

    BiquadraticCurve curve;
    curve.name = name;
    std::tie(curve.minX, curve.maxX) = RangeOf(xs);
    std::tie(curve.minY, curve.maxY) = RangeOf(ys);
    std::tie(curve.minOutput, curve.maxOutput) = RangeOf(zs);

    const Axis ax = AxisOver(curve.minX, curve.maxX);
    const Axis ay = AxisOver(curve.minY, curve.maxY);
    const auto rows = static_cast<Eigen::Index>(points.size());
    Eigen::MatrixXd terms(rows, 6);
    Eigen::VectorXd values(rows);
    for (Eigen::Index i = 0; i < rows; ++i) {
        const auto& p = points[static_cast<std::size_t>(i)];
        const double u = ax.scaled(p.x), v = ay.scaled(p.y);
        terms.row(i) << 1, u, u * u, v, v * v, u * v;
        values(i) = p.z;
    }
    const Eigen::VectorXd d = SolveLeastSquares(name, terms, values);

    // Back from u = (x − a)/p, v = (y − b)/q to the raw temperatures the
    // simulation feeds the curve.
    const double a = ax.centre, p = ax.halfSpan, b = ay.centre, q = ay.halfSpan;
    auto& c = curve.coefficients;
    c[0] = d(0) - d(1) * a / p + d(2) * a * a / (p * p) - d(3) * b / q + d(4) * b * b / (q * q) +
           d(5) * a * b / (p * q);
    c[1] = d(1) / p - 2 * d(2) * a / (p * p) - d(5) * b / (p * q);
    c[2] = d(2) / (p * p);
    c[3] = d(3) / q - 2 * d(4) * b / (q * q) - d(5) * a / (p * q);
    c[4] = d(4) / (q * q);
    c[5] = d(5) / (p * q);
    if (!std::all_of(c.begin(), c.end(), [](double k) { return std::isfinite(k); }))
        FitFails(name, "the solution is not finite");

    curve.quality =
        QualityOf(points, [&](const BiquadraticPoint& point) { return curve.evaluate(point.x, point.y); });
    return curve;
}

QuadraticCurve FitQuadratic(const std::string& name, const std::vector<QuadraticPoint>& points) {
    CheckCount(name, points.size(), 3);
    std::vector<double> xs, zs;
    xs.reserve(points.size());
    zs.reserve(points.size());
    for (const auto& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.z)) FitFails(name, "a point is not a finite number");
        xs.push_back(p.x);
        zs.push_back(p.z);
    }
    CheckDistinct(name, "x", xs);

    QuadraticCurve curve;
    curve.name = name;
    std::tie(curve.minX, curve.maxX) = RangeOf(xs);
    std::tie(curve.minOutput, curve.maxOutput) = RangeOf(zs);

    const Axis ax = AxisOver(curve.minX, curve.maxX);
    const auto rows = static_cast<Eigen::Index>(points.size());
    Eigen::MatrixXd terms(rows, 3);
    Eigen::VectorXd values(rows);
    for (Eigen::Index i = 0; i < rows; ++i) {
        const auto& p = points[static_cast<std::size_t>(i)];
        const double u = ax.scaled(p.x);
        terms.row(i) << 1, u, u * u;
        values(i) = p.z;
    }
    const Eigen::VectorXd d = SolveLeastSquares(name, terms, values);

    const double a = ax.centre, p = ax.halfSpan;
    auto& c = curve.coefficients;
    c[0] = d(0) - d(1) * a / p + d(2) * a * a / (p * p);
    c[1] = d(1) / p - 2 * d(2) * a / (p * p);
    c[2] = d(2) / (p * p);
    if (!std::all_of(c.begin(), c.end(), [](double k) { return std::isfinite(k); }))
        FitFails(name, "the solution is not finite");

    curve.quality = QualityOf(points, [&](const QuadraticPoint& point) { return curve.evaluate(point.x); });
    return curve;
}

std::string CapacityCurveName(const std::string& chiller) { return chiller + " CapFT"; }
std::string EirTemperatureCurveName(const std::string& chiller) { return chiller + " EIRFT"; }
std::string EirPartLoadCurveName(const std::string& chiller) { return chiller + " EIRFPLR"; }

namespace {

[[noreturn]] void ModelFails(const std::string& chiller, const std::string& why) {
    throw EnergyModelError(FormatText("Chiller \"%s\": %s", chiller.c_str(), why.c_str()));
}

// A name goes into the input file as it is, in the chiller, its curves and
// its nodes: a separator or comment mark in it would cut the objects apart.
void CheckName(const std::string& name) {
    if (name.empty()) throw EnergyModelError("The chiller has no name");
    for (const char ch : name)
        if (ch == ',' || ch == ';' || ch == '!' || static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f)
            ModelFails(name, "a name for an input file holds no ',', ';', '!' or control character");
    const std::size_t longest = kLongestAlphaField - std::char_traits<char>::length(kLongestNodeSuffix);
    if (name.size() > longest)
        ModelFails(name,
                   FormatText("the name is longer than the %zu characters an input file allows", longest));
}

bool Positive(double value) { return std::isfinite(value) && value > 0; }

// The part-load ratio where cooling per power, PLR / EIRFPLR(PLR), is
// highest within [low, high]: at an end or where its derivative vanishes,
// c1 = c3·PLR².
double OptimumPartLoadRatio(const QuadraticCurve& curve, double low, double high) {
    std::vector<double> candidates{low, high};
    const double c1 = curve.coefficients[0], c3 = curve.coefficients[2];
    if (c3 != 0 && c1 / c3 > 0) {
        const double stationary = std::sqrt(c1 / c3);
        if (stationary > low && stationary < high) candidates.push_back(stationary);
    }
    double best = high, bestEfficiency = 0;
    for (const double plr : candidates) {
        const double eir = curve.evaluate(plr);
        if (plr <= 0 || eir <= 0) continue;
        if (plr / eir > bestEfficiency) {
            bestEfficiency = plr / eir;
            best = plr;
        }
    }
    return best;
}

}  // namespace

EirChillerModel FitEirChiller(const std::string& name, double referenceCapacity, double referenceCop,
                              const std::vector<CurveSample>& samples,
                              const std::vector<PartLoadSample>& partLoad) {
    CheckName(name);
    if (!Positive(referenceCapacity)) ModelFails(name, "the reference capacity is not above 0");
    if (!Positive(referenceCop)) ModelFails(name, "the reference COP is not above 0");

    std::vector<BiquadraticPoint> capacityPoints, eirPoints;
    for (const auto& s : samples) {
        if (!std::isfinite(s.leavingWater) || !std::isfinite(s.ambient))
            ModelFails(name, "a map point's temperature is not a finite number");
        if (!Positive(s.capacity) || !Positive(s.power))
            ModelFails(name, FormatText("the map point at %g C leaving water and %g C ambient has no "
                                        "capacity or power above 0",
                                        s.leavingWater, s.ambient));
        capacityPoints.push_back({s.leavingWater, s.ambient, s.capacity / referenceCapacity});
        // EIR over the reference EIR (1 / COP).
        eirPoints.push_back({s.leavingWater, s.ambient, s.power / s.capacity * referenceCop});
    }

    EirChillerModel model;
    model.name = name;
    model.referenceCapacity = referenceCapacity;
    model.referenceCop = referenceCop;
    model.capacityFunctionOfTemperature = FitBiquadratic(CapacityCurveName(name), capacityPoints);
    model.eirFunctionOfTemperature = FitBiquadratic(EirTemperatureCurveName(name), eirPoints);

    // Each part-load point against what the temperature curves give at its
    // own conditions, as the simulation will evaluate them there: the full
    // capacity available and the full-load power it would draw.
    std::vector<QuadraticPoint> partLoadPoints;
    for (const auto& p : partLoad) {
        if (!std::isfinite(p.load) || !std::isfinite(p.leavingWater) || !std::isfinite(p.ambient))
            ModelFails(name, "a part-load point is not a finite number");
        if (!Positive(p.capacity) || !Positive(p.power))
            ModelFails(
                name, FormatText("the %g %% part-load point has no capacity or power above 0", p.load * 100));
        const double capacityRatio = model.capacityFunctionOfTemperature.evaluate(p.leavingWater, p.ambient);
        const double eirRatio = model.eirFunctionOfTemperature.evaluate(p.leavingWater, p.ambient);
        if (!Positive(capacityRatio) || !Positive(eirRatio))
            ModelFails(name, FormatText("the temperature curves give no capacity or power at the %g %% "
                                        "part-load point",
                                        p.load * 100));
        const double available = referenceCapacity * capacityRatio;
        const double fullLoadPower = available * eirRatio / referenceCop;
        partLoadPoints.push_back({p.capacity / available, p.power / fullLoadPower});
    }
    model.eirFunctionOfPartLoadRatio = FitQuadratic(EirPartLoadCurveName(name), partLoadPoints);

    const auto& plrCurve = model.eirFunctionOfPartLoadRatio;
    model.minimumPartLoadRatio = Bounded(plrCurve.minX, 0, 1);
    model.optimumPartLoadRatio =
        OptimumPartLoadRatio(plrCurve, model.minimumPartLoadRatio, Bounded(plrCurve.maxX, 0, 1));
    model.leavingWaterLowerLimit = model.capacityFunctionOfTemperature.minX;
    return model;
}

namespace {

struct IdfField {
    std::string value;
    const char* name;  // with its unit, as the input reference writes it
};

// One object in the layout of EnergyPlus's own examples: the type, then each
// field on a line with its name in a "!-" comment.
void WriteObject(std::ostream& out, const char* type, const std::vector<IdfField>& fields) {
    constexpr std::size_t kCommentColumn = 30;
    std::string text = type;
    text += ",\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string line = "    " + fields[i].value + (i + 1 == fields.size() ? ";" : ",");
        line.resize(std::max(kCommentColumn - 1, line.size()), ' ');
        text += line + " !- " + fields[i].name + "\n";
    }
    out << text;
}

std::string Number(double value) { return RealText(value); }

void WriteQuality(std::ostream& out, const FitQuality& quality, const char* what) {
    out << FormatText("! %s, fitted over %d points:\n", what, quality.pointCount)
        << FormatText("!   root-mean-square error %.4g, worst relative error %.4g %%\n", quality.rmsError,
                      quality.worstRelativeError * 100);
}

void WriteBiquadratic(std::ostream& out, const BiquadraticCurve& curve, const char* what) {
    WriteQuality(out, curve.quality, what);
    const auto& c = curve.coefficients;
    WriteObject(out, "Curve:Biquadratic",
                {{curve.name, "Name"},
                 {Number(c[0]), "Coefficient1 Constant"},
                 {Number(c[1]), "Coefficient2 x"},
                 {Number(c[2]), "Coefficient3 x**2"},
                 {Number(c[3]), "Coefficient4 y"},
                 {Number(c[4]), "Coefficient5 y**2"},
                 {Number(c[5]), "Coefficient6 x*y"},
                 {Number(curve.minX), "Minimum Value of x {C}"},
                 {Number(curve.maxX), "Maximum Value of x {C}"},
                 {Number(curve.minY), "Minimum Value of y {C}"},
                 {Number(curve.maxY), "Maximum Value of y {C}"},
                 {Number(curve.minOutput), "Minimum Curve Output"},
                 {Number(curve.maxOutput), "Maximum Curve Output"},
                 {"Temperature", "Input Unit Type for X"},
                 {"Temperature", "Input Unit Type for Y"},
                 {"Dimensionless", "Output Unit Type"}});
}

void WriteQuadratic(std::ostream& out, const QuadraticCurve& curve, const char* what) {
    WriteQuality(out, curve.quality, what);
    const auto& c = curve.coefficients;
    WriteObject(out, "Curve:Quadratic",
                {{curve.name, "Name"},
                 {Number(c[0]), "Coefficient1 Constant"},
                 {Number(c[1]), "Coefficient2 x"},
                 {Number(c[2]), "Coefficient3 x**2"},
                 {Number(curve.minX), "Minimum Value of x"},
                 {Number(curve.maxX), "Maximum Value of x"},
                 {Number(curve.minOutput), "Minimum Curve Output"},
                 {Number(curve.maxOutput), "Maximum Curve Output"},
                 {"Dimensionless", "Input Unit Type for X"},
                 {"Dimensionless", "Output Unit Type"}});
}

}  // namespace

void WriteIdf(std::ostream& out, const EirChillerModel& model) {
    const std::string& name = model.name;
    out << FormatText("! %s: air-cooled chiller for EnergyPlus 26.1, curves fitted to its performance map.\n",
                      name.c_str())
        << FormatText("! Reference: %s kW and COP %s (fans included) at %g C leaving water, %g C ambient.\n",
                      Number(model.referenceCapacity).c_str(), Number(model.referenceCop).c_str(),
                      kReferenceLeavingWater, kReferenceAmbient)
        << "! The condenser nodes are outdoor air nodes; the unit's power already holds its fans.\n\n";
    // Every field of the object, in order: the simulation reads them by
    // position, so one left out would shift all that follow.
    WriteObject(
        out, "Chiller:Electric:EIR",
        {{name, "Name"},
         {Number(model.referenceCapacity * 1000), "Reference Capacity {W}"},
         {Number(model.referenceCop), "Reference COP {W/W}"},
         {Number(kReferenceLeavingWater), "Reference Leaving Chilled Water Temperature {C}"},
         {Number(kReferenceAmbient), "Reference Entering Condenser Fluid Temperature {C}"},
         {"Autosize", "Reference Chilled Water Flow Rate {m3/s}"},
         {"Autosize", "Reference Condenser Fluid Flow Rate {m3/s}"},
         {model.capacityFunctionOfTemperature.name, "Cooling Capacity Function of Temperature Curve Name"},
         {model.eirFunctionOfTemperature.name,
          "Electric Input to Cooling Output Ratio Function of Temperature Curve Name"},
         {model.eirFunctionOfPartLoadRatio.name,
          "Electric Input to Cooling Output Ratio Function of Part Load Ratio Curve Name"},
         {Number(model.minimumPartLoadRatio), "Minimum Part Load Ratio"},
         {"1", "Maximum Part Load Ratio"},
         {Number(model.optimumPartLoadRatio), "Optimum Part Load Ratio"},
         {Number(model.minimumPartLoadRatio), "Minimum Unloading Ratio"},
         {name + " Chilled Water Inlet Node", "Chilled Water Inlet Node Name"},
         {name + kLongestNodeSuffix, "Chilled Water Outlet Node Name"},
         {name + " Condenser Inlet Node", "Condenser Inlet Node Name"},
         {name + " Condenser Outlet Node", "Condenser Outlet Node Name"},
         {"AirCooled", "Condenser Type"},
         // The fans are in the unit's power and so in the COP.
         {"0", "Condenser Fan Power Ratio {W/W}"},
         {"1", "Fraction of Compressor Electric Consumption Rejected by Condenser"},
         {Number(model.leavingWaterLowerLimit), "Leaving Chilled Water Lower Temperature Limit {C}"},
         {"NotModulated", "Chiller Flow Mode"},
         {"0", "Design Heat Recovery Water Flow Rate {m3/s}"},
         {"", "Heat Recovery Inlet Node Name"},
         {"", "Heat Recovery Outlet Node Name"},
         {"1", "Sizing Factor"},
         {"0", "Basin Heater Capacity {W/K}"},
         {"2", "Basin Heater Setpoint Temperature {C}"},
         {"", "Basin Heater Operating Schedule Name"},
         {"", "Condenser Heat Recovery Relative Capacity Fraction"},
         {"", "Heat Recovery Inlet High Temperature Limit Schedule Name"},
         {"", "Heat Recovery Leaving Temperature Setpoint Node Name"},
         {"General", "End-Use Subcategory"},
         {"ConstantFlow", "Condenser Flow Control"},
         {"", "Condenser Loop Flow Rate Fraction Function of Loop Part Load Ratio Curve Name"},
         {"", "Temperature Difference Across Condenser Schedule Name"},
         {"0.2", "Condenser Minimum Flow Fraction"},
         {"", "Thermosiphon Capacity Fraction Curve Name"},
         {"0", "Thermosiphon Minimum Temperature Difference"}});
    out << "\n";
    WriteBiquadratic(out, model.capacityFunctionOfTemperature,
                     "Capacity / reference capacity against leaving water (x) and ambient (y)");
    out << "\n";
    WriteBiquadratic(out, model.eirFunctionOfTemperature,
                     "EIR / reference EIR against leaving water (x) and ambient (y)");
    out << "\n";
    WriteQuadratic(out, model.eirFunctionOfPartLoadRatio,
                   "Part-load EIR / full-load EIR against part-load ratio (x)");
}

namespace {

Json QualityJson(const FitQuality& quality) {
    return Json{{"points", quality.pointCount},
                {"rmsError", JsonNumber(quality.rmsError)},
                {"worstRelativeError", JsonNumber(quality.worstRelativeError)}};
}

Json BiquadraticJson(const BiquadraticCurve& curve) {
    Json coefficients = Json::array();
    for (const double c : curve.coefficients) coefficients.push_back(JsonNumber(c));
    Json json{{"object", "Curve:Biquadratic"},
              {"name", curve.name},
              {"coefficients", coefficients},
              {"minX", JsonNumber(curve.minX)},
              {"maxX", JsonNumber(curve.maxX)},
              {"minY", JsonNumber(curve.minY)},
              {"maxY", JsonNumber(curve.maxY)},
              {"minOutput", JsonNumber(curve.minOutput)},
              {"maxOutput", JsonNumber(curve.maxOutput)}};
    json["fit"] = QualityJson(curve.quality);
    return json;
}

Json QuadraticJson(const QuadraticCurve& curve) {
    Json coefficients = Json::array();
    for (const double c : curve.coefficients) coefficients.push_back(JsonNumber(c));
    Json json{{"object", "Curve:Quadratic"},
              {"name", curve.name},
              {"coefficients", coefficients},
              {"minX", JsonNumber(curve.minX)},
              {"maxX", JsonNumber(curve.maxX)},
              {"minOutput", JsonNumber(curve.minOutput)},
              {"maxOutput", JsonNumber(curve.maxOutput)}};
    json["fit"] = QualityJson(curve.quality);
    return json;
}

}  // namespace

Json EirChillerJson(const EirChillerModel& model) {
    Json json{{"object", "Chiller:Electric:EIR"},
              {"name", model.name},
              {"referenceCapacity_kW", JsonNumber(model.referenceCapacity)},
              {"referenceCop", JsonNumber(model.referenceCop)},
              {"referenceLeavingWater_C", JsonNumber(kReferenceLeavingWater)},
              {"referenceAmbient_C", JsonNumber(kReferenceAmbient)},
              {"minimumPartLoadRatio", JsonNumber(model.minimumPartLoadRatio)},
              {"optimumPartLoadRatio", JsonNumber(model.optimumPartLoadRatio)},
              {"leavingWaterLowerLimit_C", JsonNumber(model.leavingWaterLowerLimit)}};
    json["capacityFunctionOfTemperature"] = BiquadraticJson(model.capacityFunctionOfTemperature);
    json["eirFunctionOfTemperature"] = BiquadraticJson(model.eirFunctionOfTemperature);
    json["eirFunctionOfPartLoadRatio"] = QuadraticJson(model.eirFunctionOfPartLoadRatio);
    return json;
}

}  // namespace keld
