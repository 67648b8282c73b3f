// SPDX-License-Identifier: MIT
#include "reports/page1_values.h"

#include <string>

#include "base/format_text.h"
#include "base/significant.h"
#include "base/significant_rounding.h"
#include "db/database_error.h"
#include "db/performance_database.h"
#include "db/schema.h"
#include "reports/datasheet_text.h"
#include "reports/pdflib.h"
#include "reports/report_database.h"
#include "reports/report_drawing.h"
#include "selection/pressure_drop_text.h"

namespace keld {
namespace {

// Values stand 120 points right of their column's label.
constexpr float kValueColumn1 = 172;
constexpr float kValueColumn2 = 337;
constexpr float kValueColumn3 = 502;
constexpr float kValueRightHalf = 442;

// The unit's rating with water at 35 °C ambient and 12 → 7 °C, which the
// water column shows beside a glycol selection. The ratings are kept in
// single precision, and their four-digit rounding shows it (a stored
// 349.15 kW prints 349.1).
struct WaterRating {
    float flow = 0;
    float capacity = 0;
    float power = 0;
    std::string pressureDrop;  // already in its printed form
};

std::string S4(double value) { return FormatSignificant(value, 4); }
std::string S3(double value) { return FormatSignificant(value, 3); }

bool WithGlycol(const SelectionConditions& conditions) { return conditions.glycolPercent > 0.00001; }

class Page1Values {
public:
    explicit Page1Values(ReportContext& report) : report_(report), pdf_(report.pdf) {}

    void draw();

private:
    // Runs the unit's "EXCEL_NEW" statement on the shared result set.
    // Missing (after "Data error!") when the model has no row there.
    enum class UnitRow { Found, Missing, StatementFailed };
    UnitRow queryUnitRow();
    WaterRating readWaterRating();
    void drawSelectionParameters(const WaterRating& rating);
    void drawUnitData(const WaterRating& rating);
    void drawEvaporatorWaterColumn(const WaterRating& rating, const std::string& size);
    void drawCondenser();
    void drawPhysicalAndElectrical();

    void show(const std::string& text, float x, int row) {
        ShowText(pdf_, text, x, report_.RowBaseline(row));
    }
    const UnitPerformance& figures() const { return report_.inputs.figures; }
    Recordset& unitRow() { return report_.database.CurrentRecordset(); }

    ReportContext& report_;
    PDFlib& pdf_;
    std::string statement_;
};

void Page1Values::draw() {
    const ReportFonts fonts = LookUpReportFonts(pdf_, kChineseMapPage);
    pdf_.setfont(fonts.helvetica, 8);
    const std::string& shownName = report_.inputs.modelName;
    show(shownName, 132, 5);

    const std::string storedName = CanonicalModelName(shownName, report_.secondBrand());
    statement_ = FormatText(schema::kExcelNewByModel, EscapeSqlQuotes(storedName).c_str());
    // A database error ends the values; the rest of the sheet is drawn.
    try {
        WaterRating rating;
        const UnitRow ratingRow = queryUnitRow();
        if (ratingRow == UnitRow::StatementFailed) return;
        if (ratingRow == UnitRow::Found) rating = readWaterRating();
        drawSelectionParameters(rating);
        if (queryUnitRow() == UnitRow::Found) drawUnitData(rating);
    } catch (const DatabaseError& error) {
        ShowDatabaseFailure(report_, DatabaseErrorText(error));
    }
}

Page1Values::UnitRow Page1Values::queryUnitRow() {
    if (!RunReportStatement(report_, unitRow(), statement_)) return UnitRow::StatementFailed;
    if (unitRow().RecordCount() > 0) return UnitRow::Found;
    ShowDatabaseFailure(report_, "Data error!");
    return UnitRow::Missing;
}

WaterRating Page1Values::readWaterRating() {
    WaterRating rating;
    Recordset& row = unitRow();
    rating.flow = static_cast<float>(row.ReadFieldDouble(schema::kExcelFlow7));
    rating.capacity = static_cast<float>(row.ReadFieldDouble(schema::kExcelStdCapacity7));
    rating.power = static_cast<float>(row.ReadFieldDouble(schema::kExcelStdPower7));
    rating.pressureDrop = PressureDropText(row.ReadFieldText(schema::kExcelWaterResistance));
    return rating;
}

void Page1Values::drawSelectionParameters(const WaterRating& rating) {
    const SelectionConditions& conditions = report_.inputs.conditions;
    // The figures as the list shows them, to 4 significant digits.
    const double capacity = RoundSignificant4(figures().coolingCapacity);
    const double power = RoundSignificant4(figures().coolingPower);
    show(S4(capacity), kValueColumn1, 9);
    show(S4(power), kValueColumn1, 10);
    show(S4(EfficiencyRatio(capacity, power)), kValueColumn1, 11);
    show(FormatText("%.1f", conditions.coolingAmbientTemp), kValueColumn1, 13);
    show(FormatText("%.2f/%.2f", figures().coolingInletTemp, conditions.coolingOutletTemp), kValueColumn1,
         14);

    if (conditions.unitType == 1) {
        const double heating = RoundSignificant4(figures().heatingCapacity);
        const double heatingPower = RoundSignificant4(figures().heatingPower);
        show(S4(heating), kValueColumn2, 9);
        show(S4(heatingPower), kValueColumn2, 10);
        show(S4(EfficiencyRatio(heating, heatingPower)), kValueColumn2, 11);
        show(S4(RoundSignificant4(figures().heatingFlow)), kValueColumn2, 12);
        show(FormatText("%.1f", conditions.heatingAmbientTemp), kValueColumn2, 13);
        show(FormatText("%.2f/%.2f", figures().heatingInletTemp, conditions.heatingOutletTemp), kValueColumn2,
             14);
    } else {
        for (int row = 9; row <= 14; ++row) show("-", kValueColumn2, row);
    }

    if (WithGlycol(conditions)) {
        show(S4(rating.capacity), kValueColumn3, 9);
        show(S4(rating.power), kValueColumn3, 10);
        // The quotient of two single-precision figures is single precision too.
        show(S4(static_cast<float>(EfficiencyRatio(rating.capacity, rating.power))), kValueColumn3, 11);
        show(S4(rating.flow), kValueColumn3, 12);
        show(FormatText("%.1f", 35.0), kValueColumn3, 13);
        show(FormatText("%.2f/%.2f", 12.0, 7.0), kValueColumn3, 14);
    } else {
        for (int row = 9; row <= 14; ++row) show("-", kValueColumn3, row);
    }
}

void Page1Values::drawUnitData(const WaterRating& rating) {
    const SelectionConditions& conditions = report_.inputs.conditions;
    const std::string size = unitRow().ReadFieldText(schema::kExcelSize);
    show(size, kValueColumn1, 18);
    show("1.0", kValueColumn1, 20);
    show(conditions.foulingFactor < 0.00000001 ? std::string("0.000") : S3(conditions.foulingFactor),
         kValueColumn1, 21);
    show(FormatText("%d", conditions.glycolPercent), kValueColumn1, 22);

    drawEvaporatorWaterColumn(rating, size);
    drawCondenser();
    drawPhysicalAndElectrical();

    show(S4(RoundSignificant4(figures().coolingFlow)), kValueColumn1, 12);
    show(PressureDropText(PressureDropCell(SeriesOf(conditions), figures().pressureDrops)), kValueColumn1,
         19);
}

void Page1Values::drawEvaporatorWaterColumn(const WaterRating& rating, const std::string& size) {
    if (!WithGlycol(report_.inputs.conditions)) {
        for (int row = 17; row <= 22; ++row) show("-", kValueColumn3, row);
        return;
    }
    // The standard rating is with water, clean tubes and no glycol.
    show(size, kValueColumn3, 18);
    show(rating.pressureDrop, kValueColumn3, 19);
    show("1.0", kValueColumn3, 20);
    show("0.0180", kValueColumn3, 21);
    show("0", kValueColumn3, 22);
}

void Page1Values::drawCondenser() {
    Recordset& row = unitRow();
    show(FormatText("%.0f", row.ReadFieldDouble(schema::kExcelFanNum)), kValueColumn2, 18);
    show(FormatText("%.1f", row.ReadFieldDouble(schema::kExcelFan)), kValueColumn2, 19);  // 10⁴ m³/h
    show(S4(row.ReadFieldDouble(schema::kExcelFanPower)), kValueColumn2, 20);

    // The site's altitude in whole metres, as the run used it.
    const double metres = report_.inputs.conditions.altitude;
    show(metres < 0.00001 ? std::string("0.0000") : S4(metres), kValueColumn2, 21);
}

void Page1Values::drawPhysicalAndElectrical() {
    Recordset& row = unitRow();
    show(row.ReadFieldText(schema::kExcelCompressorType), kValueColumn1, 26);
    show(row.ReadFieldText(schema::kExcelNum), kValueColumn1, 27);
    show(row.ReadFieldText(schema::kExcelQuality), kValueRightHalf, 25);
    show(row.ReadFieldText(schema::kExcelOnQuality), kValueRightHalf, 26);
    show(row.ReadFieldText(schema::kExcelLengthWideHigh), kValueRightHalf, 27);
    show(S3(row.ReadFieldNumber(schema::kExcelNoise)), kValueRightHalf, 28);
    show(row.ReadFieldText(schema::kExcelPowerSupply), kValueColumn1, 31);
    show(row.ReadFieldText(schema::kExcelRateCurrent), kValueColumn1, 32);
    show(row.ReadFieldText(schema::kExcelSafeCurrent), kValueRightHalf, 32);
}

}  // namespace

void DrawPage1Values(ReportContext& report) { Page1Values(report).draw(); }

}  // namespace keld
