// SPDX-License-Identifier: MIT
// The energy-model curves of a unit: least-squares fits that reproduce an
// exact curve, refuse points that cannot determine one, and an input file
// whose objects carry every field in the simulation's order.
#include "session/energyplus_model.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"

namespace keld {
namespace {

using Biquadratic = std::array<double, 6>;
using Quadratic = std::array<double, 3>;

double Evaluate(const Biquadratic& c, double x, double y) {
    return c[0] + c[1] * x + c[2] * x * x + c[3] * y + c[4] * y * y + c[5] * x * y;
}
double Evaluate(const Quadratic& c, double x) { return c[0] + c[1] * x + c[2] * x * x; }

std::vector<BiquadraticPoint> Grid(const Biquadratic& c, const std::vector<double>& xs,
                                   const std::vector<double>& ys) {
    std::vector<BiquadraticPoint> points;
    for (double x : xs)
        for (double y : ys) points.push_back({x, y, Evaluate(c, x, y)});
    return points;
}

const std::vector<double> kLeavingWater{5, 7, 9, 11, 13, 15};
const std::vector<double> kAmbient{20, 25, 30, 35, 40, 46};

// Coefficients of the size a unit's capacity and EIR curves have, both 1 at
// 7 °C leaving water and 35 °C ambient.
Biquadratic CapacityShape() {
    Biquadratic c{0, 0.032, -0.00041, -0.0068, -0.000094, 0.00023};
    c[0] = 1 - (Evaluate(c, 7, 35) - c[0]);
    return c;
}
Biquadratic EirShape() {
    Biquadratic c{0, -0.018, 0.00052, 0.0093, 0.00031, -0.00044};
    c[0] = 1 - (Evaluate(c, 7, 35) - c[0]);
    return c;
}

void ExpectCoefficients(const double* fitted, const double* exact, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_NEAR(fitted[i], exact[i], 1e-9 * (1 + std::fabs(exact[i]))) << "coefficient " << i + 1;
}

TEST(CurveFitTest, AnExactBiquadraticGridIsReproducedToRounding) {
    struct Case {
        const char* what;
        Biquadratic coefficients;
        std::vector<double> xs, ys;
    };
    const Case cases[] = {
        {"capacity", CapacityShape(), kLeavingWater, kAmbient},
        {"EIR", EirShape(), kLeavingWater, kAmbient},
        {"glycol, leaving water below 0",
         {0.9, 0.02, 0.001, -0.005, -0.0001, 0.0003},
         {-10, -6, -2, 0, 4},
         kAmbient},
        {"three rows by three columns", CapacityShape(), {5, 10, 15}, {25, 35, 45}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto curve = FitBiquadratic("T", Grid(c.coefficients, c.xs, c.ys));
        ExpectCoefficients(curve.coefficients.data(), c.coefficients.data(), 6);
        EXPECT_LT(curve.quality.rmsError, 1e-12);
        EXPECT_LT(curve.quality.worstRelativeError, 1e-12);
        EXPECT_EQ(curve.quality.pointCount, static_cast<int>(c.xs.size() * c.ys.size()));
        EXPECT_EQ(curve.minX, c.xs.front());
        EXPECT_EQ(curve.maxX, c.xs.back());
        EXPECT_EQ(curve.minY, c.ys.front());
        EXPECT_EQ(curve.maxY, c.ys.back());
    }
}

TEST(CurveFitTest, AnExactQuadraticIsReproducedToRounding) {
    const Quadratic exact{0.18, 0.27, 0.55};
    std::vector<QuadraticPoint> points;
    for (double x : {0.25, 0.5, 0.75, 1.0}) points.push_back({x, Evaluate(exact, x)});
    const auto curve = FitQuadratic("T", points);
    ExpectCoefficients(curve.coefficients.data(), exact.data(), 3);
    EXPECT_LT(curve.quality.rmsError, 1e-12);
    EXPECT_LT(curve.quality.worstRelativeError, 1e-12);
    EXPECT_EQ(curve.minX, 0.25);
    EXPECT_EQ(curve.maxX, 1.0);
    EXPECT_EQ(curve.minOutput, Evaluate(exact, 0.25));
    EXPECT_EQ(curve.maxOutput, Evaluate(exact, 1.0));
}

// z = x³ at x = −3, −1, 1, 3: by symmetry the best quadratic is 8.2·x
// (Σx⁴ / Σx² = 164 / 20), leaving residuals ±2.4 at ±3 and ∓7.2 at ±1.
TEST(CurveFitTest, ANoisyFitIsTheLeastSquaresOneWithItsErrors) {
    std::vector<QuadraticPoint> points;
    for (double x : {-3.0, -1.0, 1.0, 3.0}) points.push_back({x, x * x * x});
    const auto curve = FitQuadratic("T", points);
    EXPECT_NEAR(curve.coefficients[0], 0, 1e-12);
    EXPECT_NEAR(curve.coefficients[1], 8.2, 1e-12);
    EXPECT_NEAR(curve.coefficients[2], 0, 1e-12);
    EXPECT_NEAR(curve.quality.rmsError, std::sqrt(28.8), 1e-12);
    EXPECT_NEAR(curve.quality.worstRelativeError, 7.2, 1e-12);
}

// The residuals of a least-squares fit are orthogonal to every term.
TEST(CurveFitTest, BiquadraticResidualsAreOrthogonalToEveryTerm) {
    auto points = Grid(CapacityShape(), kLeavingWater, kAmbient);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].z += 0.01 * std::sin(3.0 * static_cast<double>(i));
    const auto curve = FitBiquadratic("T", points);
    std::array<double, 6> products{};
    for (const auto& p : points) {
        const double residual = Evaluate(curve.coefficients, p.x, p.y) - p.z;
        const std::array<double, 6> terms{1, p.x, p.x * p.x, p.y, p.y * p.y, p.x * p.y};
        for (std::size_t j = 0; j < 6; ++j) products[j] += residual * terms[j];
    }
    for (std::size_t j = 0; j < 6; ++j) EXPECT_NEAR(products[j], 0, 1e-9) << "term " << j + 1;
    EXPECT_GT(curve.quality.rmsError, 0.001);
}

// Six points where no quadratic in x and y vanishes on all of them: the
// least a biquadratic can be fitted to.
std::vector<BiquadraticPoint> SixPoints() {
    const Biquadratic c = CapacityShape();
    std::vector<BiquadraticPoint> points;
    for (auto [x, y] :
         {std::pair{5.0, 25.0}, {10.0, 25.0}, {15.0, 25.0}, {5.0, 35.0}, {5.0, 45.0}, {10.0, 35.0}})
        points.push_back({x, y, Evaluate(c, x, y)});
    return points;
}

TEST(CurveFitTest, TooFewOrDegeneratePointsAreRefusedNamingTheCurve) {
    const Biquadratic shape = CapacityShape();
    auto seven = SixPoints();
    seven.push_back({15, 45, Evaluate(shape, 15, 45)});
    auto five = SixPoints();
    five.pop_back();
    auto nonFinite = SixPoints();
    nonFinite[2].z = std::nan("");
    // Six or more points on one line x = y − 20: enough of them and enough
    // distinct values, but x² , x·y and y² cannot be told apart.
    std::vector<BiquadraticPoint> onALine;
    for (double x : {5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0}) onALine.push_back({x, x + 20, x});

    struct Case {
        const char* what;
        std::vector<BiquadraticPoint> points;
        const char* error;  // nullptr: the fit succeeds
    };
    const Case cases[] = {
        {"five points", five, "Curve \"Q CapFT\" cannot be fitted: 5 points, at least 6 are needed"},
        {"six points", SixPoints(), nullptr},
        {"seven points", seven, nullptr},
        {"two leaving waters", Grid(shape, {5, 10}, kAmbient),
         "Curve \"Q CapFT\" cannot be fitted: 2 distinct values of x, at least 3 are needed"},
        {"three leaving waters", Grid(shape, {5, 10, 15}, kAmbient), nullptr},
        {"two ambients", Grid(shape, kLeavingWater, {25, 35}),
         "Curve \"Q CapFT\" cannot be fitted: 2 distinct values of y, at least 3 are needed"},
        {"points on a line", onALine,
         "Curve \"Q CapFT\" cannot be fitted: the points do not determine every coefficient"},
        {"a point that is not a number", nonFinite,
         "Curve \"Q CapFT\" cannot be fitted: a point is not a finite number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.error == nullptr) {
            const auto curve = FitBiquadratic("Q CapFT", c.points);
            ExpectCoefficients(curve.coefficients.data(), shape.data(), 6);
            continue;
        }
        try {
            FitBiquadratic("Q CapFT", c.points);
            ADD_FAILURE() << "no error";
        } catch (const EnergyModelError& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
}

TEST(CurveFitTest, AQuadraticNeedsThreeDistinctPartLoadRatios) {
    const Quadratic exact{0.18, 0.27, 0.55};
    auto at = [&](std::vector<double> xs) {
        std::vector<QuadraticPoint> points;
        for (double x : xs) points.push_back({x, Evaluate(exact, x)});
        return points;
    };
    struct Case {
        std::vector<QuadraticPoint> points;
        const char* error;
    };
    const Case cases[] = {
        {at({0.5, 1.0}), "Curve \"P\" cannot be fitted: 2 points, at least 3 are needed"},
        {at({0.5, 0.75, 1.0}), nullptr},
        {at({0.5, 0.5, 1.0, 1.0}),
         "Curve \"P\" cannot be fitted: 2 distinct values of x, at least 3 are needed"},
        {at({0.5, 0.5, 0.75, 1.0}), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.points.size()));
        if (c.error == nullptr) {
            ExpectCoefficients(FitQuadratic("P", c.points).coefficients.data(), exact.data(), 3);
            continue;
        }
        try {
            FitQuadratic("P", c.points);
            ADD_FAILURE() << "no error";
        } catch (const EnergyModelError& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
}

// z = (x − 2)² fitted at x = 0, 1, 3: the polynomial dips to 0 at x = 2,
// below the lowest point fitted (1), and x is held to [0, 3].
TEST(CurveFitTest, TheCurveIsHeldToItsRangesAsTheSimulationHoldsIt) {
    const auto curve = FitQuadratic("T", {{0, 4}, {1, 1}, {3, 1}});
    ASSERT_EQ(curve.minOutput, 1);
    ASSERT_EQ(curve.maxOutput, 4);
    const std::pair<double, double> cases[] = {
        {-0.1, 4}, {0, 4}, {0.1, 3.61},  // about the lowest x
        {2.9, 1},  {3, 1}, {3.1, 1},     // about the highest x
        {1.9, 1},  {2, 1}, {0.5, 2.25},  // the dip below the lowest point, and above it
    };
    for (auto [x, z] : cases) EXPECT_NEAR(curve.evaluate(x), z, 1e-12) << "x = " << x;

    const Biquadratic c = CapacityShape();
    const auto grid = FitBiquadratic("T", Grid(c, kLeavingWater, kAmbient));
    EXPECT_NEAR(grid.evaluate(4.9, 46.1), Evaluate(c, 5, 46), 1e-12);
    EXPECT_NEAR(grid.evaluate(5, 46), Evaluate(c, 5, 46), 1e-12);
    EXPECT_NEAR(grid.evaluate(5.1, 45.9), Evaluate(c, 5.1, 45.9), 1e-12);
}

// A unit built from known curves: full-load points over the map's grid and a
// part-load table at the ambients a rating standard uses, one of them below
// the map's lowest ambient.
struct SyntheticUnit {
    static constexpr double kCapacity = 350;  // kW at 7 °C / 35 °C
    static constexpr double kCop = 2.9;
    Biquadratic capacity = CapacityShape();
    Biquadratic eir = EirShape();
    Quadratic partLoad{0.2, 0.3, 0.5};  // 1 at full load

    std::vector<CurveSample> map() const {
        std::vector<CurveSample> samples;
        for (double lwt : kLeavingWater)
            for (double amb : kAmbient) {
                const double q = kCapacity * Evaluate(capacity, lwt, amb);
                samples.push_back({lwt, amb, q, q * Evaluate(eir, lwt, amb) / kCop});
            }
        return samples;
    }
    std::vector<PartLoadSample> table() const {
        std::vector<PartLoadSample> samples;
        for (auto [load, amb] : {std::pair{1.0, 35.0}, {0.75, 30.0}, {0.5, 25.0}, {0.25, 12.8}}) {
            // The simulation holds the ambient to the curve's range.
            const double held = std::max(amb, kAmbient.front());
            const double full = kCapacity * Evaluate(capacity, 7, held);
            samples.push_back(
                {load, load * full, full * Evaluate(eir, 7, held) / kCop * Evaluate(partLoad, load), 7, amb});
        }
        return samples;
    }
};

TEST(EirChillerTest, AUnitWithExactCurvesGivesThemBack) {
    const SyntheticUnit unit;
    const auto model =
        FitEirChiller("QTK100", SyntheticUnit::kCapacity, SyntheticUnit::kCop, unit.map(), unit.table());
    ExpectCoefficients(model.capacityFunctionOfTemperature.coefficients.data(), unit.capacity.data(), 6);
    ExpectCoefficients(model.eirFunctionOfTemperature.coefficients.data(), unit.eir.data(), 6);
    ExpectCoefficients(model.eirFunctionOfPartLoadRatio.coefficients.data(), unit.partLoad.data(), 3);
    EXPECT_LT(model.eirFunctionOfPartLoadRatio.quality.worstRelativeError, 1e-12);
    EXPECT_EQ(model.capacityFunctionOfTemperature.name, "QTK100 CapFT");
    EXPECT_EQ(model.eirFunctionOfTemperature.name, "QTK100 EIRFT");
    EXPECT_EQ(model.eirFunctionOfPartLoadRatio.name, "QTK100 EIRFPLR");
    EXPECT_NEAR(model.capacityFunctionOfTemperature.evaluate(7, 35), 1, 1e-12);
    EXPECT_NEAR(model.minimumPartLoadRatio, 0.25, 1e-12);
    // PLR / (0.2 + 0.3·PLR + 0.5·PLR²) is highest at PLR = √(0.2 / 0.5).
    EXPECT_NEAR(model.optimumPartLoadRatio, std::sqrt(0.4), 1e-9);
    EXPECT_EQ(model.leavingWaterLowerLimit, 5);
}

TEST(EirChillerTest, WhatCannotMakeAModelIsRefusedNamingTheChiller) {
    const SyntheticUnit unit;
    auto fit = [&](const std::string& name, double capacity, double cop, std::vector<CurveSample> map,
                   std::vector<PartLoadSample> table) { FitEirChiller(name, capacity, cop, map, table); };
    auto mapWith = [&](auto change) {
        auto map = unit.map();
        change(map[3]);
        return map;
    };
    auto tableWith = [&](auto change) {
        auto table = unit.table();
        change(table[1]);
        return table;
    };
    const std::string longest(100 - std::string(" Chilled Water Outlet Node").size(), 'Q');
    struct Case {
        const char* what;
        std::string name;
        double capacity, cop;
        std::vector<CurveSample> map;
        std::vector<PartLoadSample> table;
        std::string error;  // empty: the model is made
    };
    const double k = SyntheticUnit::kCapacity, cop = SyntheticUnit::kCop;
    const auto map = unit.map();
    const auto table = unit.table();
    const Case cases[] = {
        {"no name", "", k, cop, map, table, "The chiller has no name"},
        {"a comma", "QTK,100", k, cop, map, table,
         "Chiller \"QTK,100\": a name for an input file holds no ',', ';', '!' or control character"},
        {"a semicolon", "QTK;100", k, cop, map, table,
         "Chiller \"QTK;100\": a name for an input file holds no ',', ';', '!' or control character"},
        {"a comment mark", "QTK!100", k, cop, map, table,
         "Chiller \"QTK!100\": a name for an input file holds no ',', ';', '!' or control character"},
        {"a line end", "QTK\n100", k, cop, map, table,
         "Chiller \"QTK\n100\": a name for an input file holds no ',', ';', '!' or control character"},
        {"the longest name", longest, k, cop, map, table, ""},
        {"one character more", longest + "Q", k, cop, map, table,
         "Chiller \"" + longest + "Q\": the name is longer than the 74 characters an input file allows"},
        {"a name beyond ASCII", "2\xc3\x97QTK100", k, cop, map, table, ""},
        {"no reference capacity", "Q", 0, cop, map, table,
         "Chiller \"Q\": the reference capacity is not above 0"},
        {"a small reference capacity", "Q", 1e-3, cop, map, table, ""},
        {"a negative reference capacity", "Q", -k, cop, map, table,
         "Chiller \"Q\": the reference capacity is not above 0"},
        {"a reference capacity that is not a number", "Q", std::nan(""), cop, map, table,
         "Chiller \"Q\": the reference capacity is not above 0"},
        {"no reference COP", "Q", k, 0, map, table, "Chiller \"Q\": the reference COP is not above 0"},
        {"an endless reference COP", "Q", k, INFINITY, map, table,
         "Chiller \"Q\": the reference COP is not above 0"},
        {"a map point without capacity", "Q", k, cop, mapWith([](CurveSample& s) { s.capacity = 0; }), table,
         "Chiller \"Q\": the map point at 5 C leaving water and 35 C ambient has no capacity or power above "
         "0"},
        {"a map point without power", "Q", k, cop, mapWith([](CurveSample& s) { s.power = -1; }), table,
         "Chiller \"Q\": the map point at 5 C leaving water and 35 C ambient has no capacity or power above "
         "0"},
        {"a map point at no temperature", "Q", k, cop, mapWith([](CurveSample& s) { s.ambient = NAN; }),
         table, "Chiller \"Q\": a map point's temperature is not a finite number"},
        {"a part-load point without power", "Q", k, cop, map,
         tableWith([](PartLoadSample& s) { s.power = 0; }),
         "Chiller \"Q\": the 75 % part-load point has no capacity or power above 0"},
        {"a part-load point at no temperature", "Q", k, cop, map,
         tableWith([](PartLoadSample& s) { s.leavingWater = NAN; }),
         "Chiller \"Q\": a part-load point is not a finite number"},
        {"two part-load points",
         "Q",
         k,
         cop,
         map,
         {table[0], table[1]},
         "Curve \"Q EIRFPLR\" cannot be fitted: 2 points, at least 3 are needed"},
        {"an empty map",
         "Q",
         k,
         cop,
         {},
         table,
         "Curve \"Q CapFT\" cannot be fitted: 0 points, at least 6 are needed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.error.empty()) {
            EXPECT_NO_THROW(fit(c.name, c.capacity, c.cop, c.map, c.table));
            continue;
        }
        try {
            fit(c.name, c.capacity, c.cop, c.map, c.table);
            ADD_FAILURE() << "no error";
        } catch (const EnergyModelError& error) {
            EXPECT_EQ(error.what(), c.error);
        }
    }
}

// The input file read back the way the simulation reads it: comments
// dropped, objects ended by ';', fields separated by ','.
struct IdfObject {
    std::string type;
    std::vector<std::string> fields;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::vector<IdfObject> ReadIdf(const std::string& text) {
    std::string content;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) content += line.substr(0, line.find('!')) + "\n";
    std::vector<IdfObject> objects;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find(';', start)) != std::string::npos; start = end + 1) {
        IdfObject object;
        std::istringstream fields(content.substr(start, end - start));
        std::string field;
        std::getline(fields, field, ',');
        object.type = Trimmed(field);
        while (std::getline(fields, field, ',')) object.fields.push_back(Trimmed(field));
        objects.push_back(object);
    }
    EXPECT_EQ(Trimmed(content.substr(start)), "") << "text after the last object";
    return objects;
}

double Read(const std::string& field) {
    double value = NAN;
    EXPECT_TRUE(ParseWholeNumber(field, value)) << field;
    return value;
}

std::string IdfText(const EirChillerModel& model) {
    std::ostringstream out;
    WriteIdf(out, model);
    return out.str();
}

EirChillerModel FittedUnit() {
    const SyntheticUnit unit;
    auto map = unit.map();
    // Off the exact curves, so that the coefficients have all their digits.
    for (std::size_t i = 0; i < map.size(); ++i) map[i].power *= 1 + 0.003 * std::sin(static_cast<double>(i));
    return FitEirChiller("QTK100", SyntheticUnit::kCapacity, SyntheticUnit::kCop, map, unit.table());
}

// Field counts of EnergyPlus 26.1: Chiller:Electric:EIR 40, Curve:Biquadratic
// 16, Curve:Quadratic 10.
TEST(EirChillerIdfTest, EveryObjectHasTheFieldsOfTheInputReferenceInOrder) {
    const auto model = FittedUnit();
    const auto objects = ReadIdf(IdfText(model));
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0].type, "Chiller:Electric:EIR");
    EXPECT_EQ(objects[1].type, "Curve:Biquadratic");
    EXPECT_EQ(objects[2].type, "Curve:Biquadratic");
    EXPECT_EQ(objects[3].type, "Curve:Quadratic");
    ASSERT_EQ(objects[0].fields.size(), 40u);
    ASSERT_EQ(objects[1].fields.size(), 16u);
    ASSERT_EQ(objects[2].fields.size(), 16u);
    ASSERT_EQ(objects[3].fields.size(), 10u);

    const auto& chiller = objects[0].fields;
    EXPECT_EQ(chiller[0], "QTK100");
    EXPECT_EQ(Read(chiller[1]), 350000);  // W
    EXPECT_EQ(Read(chiller[2]), 2.9);
    EXPECT_EQ(Read(chiller[3]), 7);
    EXPECT_EQ(Read(chiller[4]), 35);
    EXPECT_EQ(chiller[7], objects[1].fields[0]);
    EXPECT_EQ(chiller[8], objects[2].fields[0]);
    EXPECT_EQ(chiller[9], objects[3].fields[0]);
    EXPECT_EQ(Read(chiller[10]), model.minimumPartLoadRatio);
    EXPECT_EQ(Read(chiller[11]), 1);
    EXPECT_EQ(Read(chiller[12]), model.optimumPartLoadRatio);
    EXPECT_EQ(Read(chiller[13]), model.minimumPartLoadRatio);
    EXPECT_EQ(chiller[14], "QTK100 Chilled Water Inlet Node");
    EXPECT_EQ(chiller[15], "QTK100 Chilled Water Outlet Node");
    EXPECT_EQ(chiller[16], "QTK100 Condenser Inlet Node");
    EXPECT_EQ(chiller[17], "QTK100 Condenser Outlet Node");
    EXPECT_EQ(chiller[18], "AirCooled");
    EXPECT_EQ(Read(chiller[19]), 0);  // the fans are in the COP
    EXPECT_EQ(Read(chiller[21]), model.leavingWaterLowerLimit);
    EXPECT_EQ(chiller[22], "NotModulated");
    EXPECT_EQ(chiller[33], "General");
    EXPECT_EQ(chiller[34], "ConstantFlow");

    const BiquadraticCurve* biquadratics[] = {&model.capacityFunctionOfTemperature,
                                              &model.eirFunctionOfTemperature};
    for (int i = 0; i < 2; ++i) {
        const auto& fields = objects[static_cast<std::size_t>(1 + i)].fields;
        const auto& curve = *biquadratics[i];
        EXPECT_EQ(fields[0], curve.name);
        for (std::size_t j = 0; j < 6; ++j) EXPECT_EQ(Read(fields[1 + j]), curve.coefficients[j]);
        EXPECT_EQ(Read(fields[7]), curve.minX);
        EXPECT_EQ(Read(fields[8]), curve.maxX);
        EXPECT_EQ(Read(fields[9]), curve.minY);
        EXPECT_EQ(Read(fields[10]), curve.maxY);
        EXPECT_EQ(Read(fields[11]), curve.minOutput);
        EXPECT_EQ(Read(fields[12]), curve.maxOutput);
        EXPECT_EQ(fields[13], "Temperature");
        EXPECT_EQ(fields[14], "Temperature");
        EXPECT_EQ(fields[15], "Dimensionless");
    }
    const auto& quadratic = objects[3].fields;
    const auto& plr = model.eirFunctionOfPartLoadRatio;
    for (std::size_t j = 0; j < 3; ++j) EXPECT_EQ(Read(quadratic[1 + j]), plr.coefficients[j]);
    EXPECT_EQ(Read(quadratic[4]), plr.minX);
    EXPECT_EQ(Read(quadratic[5]), plr.maxX);
    EXPECT_EQ(Read(quadratic[6]), plr.minOutput);
    EXPECT_EQ(Read(quadratic[7]), plr.maxOutput);
    EXPECT_EQ(quadratic[8], "Dimensionless");
    EXPECT_EQ(quadratic[9], "Dimensionless");
}

TEST(EirChillerIdfTest, EachCurveCarriesItsFitErrorsInComments) {
    const auto model = FittedUnit();
    const std::string text = IdfText(model);
    const auto& eir = model.eirFunctionOfTemperature.quality;
    ASSERT_GT(eir.rmsError, 0);
    char expected[160];
    std::snprintf(expected, sizeof expected,
                  "!   root-mean-square error %.4g, worst relative error %.4g %%\n", eir.rmsError,
                  eir.worstRelativeError * 100);
    const auto comment = text.find(expected);
    ASSERT_NE(comment, std::string::npos) << text;
    // Between the capacity curve and the EIR curve it describes.
    EXPECT_GT(comment, text.find("Curve:Biquadratic,\n    QTK100 CapFT,"));
    EXPECT_LT(comment, text.find("Curve:Biquadratic,\n    QTK100 EIRFT,"));
}

// Puts the calling thread and new streams into a locale with a decimal comma
// while it lives, as the window toolkit does for a German user.
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
            locale_ = newlocale(LC_ALL_MASK, name, locale_t{});
            if (locale_ != locale_t{}) {
                previous_ = uselocale(locale_);
                previousGlobal_ = std::locale::global(std::locale(name));
                break;
            }
        }
    }
    ~CommaLocale() {
        if (locale_ == locale_t{}) return;
        std::locale::global(previousGlobal_);
        uselocale(previous_);
        freelocale(locale_);
    }
    bool active() const { return locale_ != locale_t{}; }

private:
    locale_t locale_{};
    locale_t previous_{};
    std::locale previousGlobal_;
};

TEST(EirChillerIdfTest, ADecimalCommaLocaleChangesNothing) {
    const auto model = FittedUnit();
    const std::string plain = IdfText(model);
    const std::string plainJson = EirChillerJson(model).dump();
    CommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 0.5);
    ASSERT_STREQ(probe, "0,5");  // the locale really is in force
    std::ostringstream stream;
    stream << 0.5;
    ASSERT_EQ(stream.str(), "0,5");
    EXPECT_EQ(IdfText(model), plain);
    EXPECT_EQ(EirChillerJson(model).dump(), plainJson);
}

TEST(EirChillerJsonTest, TheJsonHoldsTheSameCurves) {
    const auto model = FittedUnit();
    const Json json = EirChillerJson(model);
    EXPECT_EQ(json["name"], "QTK100");
    EXPECT_EQ(json["referenceCapacity_kW"], 350);
    EXPECT_EQ(json["referenceCop"], 2.9);
    const auto& eir = json["eirFunctionOfTemperature"];
    EXPECT_EQ(eir["object"], "Curve:Biquadratic");
    EXPECT_EQ(eir["name"], "QTK100 EIRFT");
    ASSERT_EQ(eir["coefficients"].size(), 6u);
    for (std::size_t j = 0; j < 6; ++j)
        EXPECT_EQ(eir["coefficients"][j].get<double>(), model.eirFunctionOfTemperature.coefficients[j]);
    EXPECT_EQ(eir["minY"], 20);
    EXPECT_EQ(eir["maxY"], 46);
    EXPECT_EQ(eir["fit"]["points"], 36);
    EXPECT_EQ(eir["fit"]["rmsError"].get<double>(), model.eirFunctionOfTemperature.quality.rmsError);
    const auto& plr = json["eirFunctionOfPartLoadRatio"];
    EXPECT_EQ(plr["object"], "Curve:Quadratic");
    EXPECT_EQ(plr["coefficients"].size(), 3u);
    EXPECT_EQ(plr["fit"]["worstRelativeError"].get<double>(),
              model.eirFunctionOfPartLoadRatio.quality.worstRelativeError);
}

}  // namespace
}  // namespace keld
