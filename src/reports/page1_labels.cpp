// SPDX-License-Identifier: MIT
#include "reports/page1_labels.h"

#include <array>

#include "reports/datasheet_text.h"
#include "reports/mixed_text.h"
#include "reports/pdflib.h"
#include "reports/report_header.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

// One row of a three-column section; null where the column has no label.
struct ThreeColumnLabels {
    int row;
    const char* left;
    const char* middle;
    const char* right;
};

constexpr std::array<ThreeColumnLabels, 11> kThreeColumnLabels = {{
    {5, "Model ", "Refrigerant ", nullptr},
    {9, "Cooling Capacity", "Heating Capacity", "Cooling Capacity"},
    {10, "Power Input", "Power Input", "Power Input"},
    {11, "Cooling Efficiency EER", "Heating Efficiency COP", "Cooling Efficiency EER"},
    {12, "Water Flow", "Water Flow", "Water Flow"},
    {13, "Ambient Temperature", "Ambient Temperature", "Ambient Temperature"},
    {14, "EWT/LWT", "EWT/LWT", "EWT/LWT"},
    {18, "Inlet/Outlet Diameter   inch ", "Fan Motor No. ", "Inlet/Outlet Diameter       inch "},
    {19, "WPD", "Air Flow", "WPD"},
    {20, "Water Side Pressure", "Fan Power", "Water Side Pressure"},
    {21, "Fouling Factor", "Altitude", "Fouling Factor"},
}};

const char* const kFinnedCoil = "Type              Copper Tube Aluminum Fins";
const char* const kVariableFrequencyStarter =
    "Starter Type                                    Variable Frequency Starting";

struct UnitTexts {
    const char* evaporatorType;  // row 17, left
    const char* evaporatorName;  // row 17, water column, only with glycol
    const char* compressorType;  // row 25, left
    const char* starterType;     // row 31, right
};

UnitTexts TextsOf(UnitKind kind) {
    switch (kind) {
        case UnitKind::Centrifugal:
            return {"Type               High Efficiency Flooded", "High Efficiency Flooded",
                    "Compressor Type                          Magnetic Bearing Oil Free",
                    kVariableFrequencyStarter};
        case UnitKind::ScrewChiller:
            return {"Type         High Efficiency DX Shell and Tube", "High Efficiency DX Shell and Tube",
                    "Compressor Type                    Inverter Semi-hermetic Single-Screw",
                    kVariableFrequencyStarter};
        case UnitKind::ScrewHeatPump:
            break;
    }
    return {"Type               High Efficiency Falling Film", "High Efficiency Falling Film",
            "Compressor Type                          Semi-hermetic Single Screw",
            "Starter Type                                    Y-delta Starter"};
}

// Screw chillers of the 260, 325 and 380 sizes keep finned coils; the others
// have microchannel condensers.
const char* CondenserType(UnitKind kind, const std::string& modelName) {
    if (kind != UnitKind::ScrewChiller) return kFinnedCoil;
    for (const char* size : {"260", "325", "380"}) {
        if (Contains(modelName, size)) return kFinnedCoil;
    }
    return "Type                                     Microchannel";
}

}  // namespace

UnitKind UnitKindOf(const SelectionConditions& conditions) {
    if (conditions.compressorType == 0) return UnitKind::Centrifugal;
    return conditions.unitType == 1 ? UnitKind::ScrewHeatPump : UnitKind::ScrewChiller;
}

void DrawPage1Labels(ReportContext& report, const ReportFonts& fonts) {
    PDFlib& pdf = report.pdf;
    SetFillColour(pdf, kBlack);
    pdf.setfont(fonts.helvetica, 8);

    const float left = geometry::kTableLeft + geometry::kTextInset;
    const float middle = left + report.ColumnWidth;
    const float right = left + 2 * report.ColumnWidth;
    const float half = left + report.HalfWidth;
    DrawProjectBoxLabels(report);
    for (const ThreeColumnLabels& labels : kThreeColumnLabels) {
        const float y = report.RowBaseline(labels.row);
        pdf.show_xy(labels.left, left, y);
        pdf.show_xy(labels.middle, middle, y);
        if (labels.right != nullptr) pdf.show_xy(labels.right, right, y);
    }
    pdf.show_xy("Cooling", 112, report.RowBaseline(8));
    pdf.show_xy("Heating", 277, report.RowBaseline(8));
    pdf.show_xy("Cooling(Water)", 442, report.RowBaseline(8));
    pdf.show_xy("Glycol Concentration   %", left, report.RowBaseline(22));
    pdf.show_xy("Glycol Concentration   %", right, report.RowBaseline(22));

    const UnitKind kind = UnitKindOf(report.inputs.conditions);
    const UnitTexts texts = TextsOf(kind);
    pdf.show_xy(texts.evaporatorType, left, report.RowBaseline(17));
    pdf.show_xy(CondenserType(kind, report.inputs.modelName), middle, report.RowBaseline(17));
    pdf.show_xy("Type", right, report.RowBaseline(17));
    if (report.inputs.conditions.glycolPercent > 0.00001) {
        pdf.show_xy(texts.evaporatorName, 442, report.RowBaseline(17));
    }

    pdf.show_xy(texts.compressorType, left, report.RowBaseline(25));
    pdf.show_xy("Compressor Model", left, report.RowBaseline(26));
    pdf.show_xy("Compressor No.", left, report.RowBaseline(27));
    pdf.show_xy("Throttle Device", left, report.RowBaseline(28));
    pdf.show_xy("EXV", 172, report.RowBaseline(28));
    pdf.show_xy("Shipping Weight             kg", half, report.RowBaseline(25));
    pdf.show_xy("Running Weight              kg", half, report.RowBaseline(26));
    pdf.show_xy("L*W*H                             mm", half, report.RowBaseline(27));
    pdf.show_xy("Noise Level                     dB(A)", half, report.RowBaseline(28));

    DrawSoftwareVersion(report);
    SetFillColour(pdf, kBlack);
    pdf.setfont(fonts.helvetica, 8);
    pdf.show_xy("Power Supply", left, report.RowBaseline(31));
    pdf.show_xy("Rated Current", left, report.RowBaseline(32));
    pdf.show_xy(texts.starterType, half, report.RowBaseline(31));
    pdf.show_xy("Max Running Current", half, report.RowBaseline(32));
}

void DrawPage1Units(ReportContext& report, const ReportFonts& fonts) {
    PDFlib& pdf = report.pdf;
    pdf.setfont(fonts.helvetica, 8);
    pdf.show_xy("A", 132, report.RowBaseline(32));
    pdf.show_xy("A", 389.5f, report.RowBaseline(32));
    pdf.show_xy("R134a", 332, report.RowBaseline(5));

    constexpr std::array<float, 3> kUnitColumns = {136, 301, 471};
    for (float x : kUnitColumns) {
        pdf.show_xy("kW", x, report.RowBaseline(9));
        pdf.show_xy("kW", x, report.RowBaseline(10));
        pdf.show_xy("W/W", x, report.RowBaseline(11));
        pdf.show_xy("L/s", x, report.RowBaseline(12));
        ShowDegreeCelsius(pdf, x, report.RowBaseline(13));
        ShowDegreeCelsius(pdf, x, report.RowBaseline(14));
    }

    // The spaces inside "10 m /h" and "m   K/kW " leave room for the raised
    // digits and the middle dot drawn after them.
    const float row19 = report.RowBaseline(19);
    const float row20 = report.RowBaseline(20);
    const float row21 = report.RowBaseline(21);
    pdf.show_xy("kPa ", 132, row19);
    pdf.show_xy("10 m /h", 297, row19);
    pdf.show_xy("kPa ", 471, row19);
    pdf.show_xy("MPa ", 132, row20);
    pdf.show_xy("kW", 297, row20);
    pdf.show_xy("MPa ", 471, row20);
    pdf.show_xy("m   K/kW ", 132, row21);
    pdf.show_xy("m", 297, row21);
    pdf.show_xy("m   K/kW ", 453, row21);

    const std::string middleDot = "\xA1\xA4";  // "·" in GB 2312
    pdf.setfont(fonts.chinese, 8);
    pdf.show_xy(middleDot, 139, row21);
    pdf.show_xy(middleDot, 460, row21);

    pdf.setfont(fonts.helvetica, 5);
    pdf.show_xy("2", 138, row21 + 3);
    pdf.show_xy("2", 459, row21 + 3);
    pdf.show_xy("3", 314, row19 + 5);
    pdf.show_xy("4", 306, row19 + 5);
    pdf.setfont(fonts.helvetica, 8);
}

}  // namespace keld
