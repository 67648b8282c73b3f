// SPDX-License-Identifier: MIT
#include "reports/certification_notes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reports/datasheet_text.h"
#include "reports/pdflib.h"
#include "reports/report_header.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

constexpr std::array<std::string_view, 10> kCombinedUnitModels = {
    "QTK220GN5-LQE", "QTK310GN5-LQE", "QTK350GN5-LQE", "QTK390GN5-LQE", "QTK440GN5-LQE",
    "QHK245GP5-LQE", "QHK266GP5-LQE", "QHK291GP5-LQE", "QHK300GP5-LQE", "QHK355GP5-LQE"};

// Where certified units are listed; ends the certified-unit statements.
constexpr const char* kAhriDirectory = "www.ahridirectory.org.";

// The certified-unit statement.
constexpr const char* kCertifiedStart =
    "   1.Certified in accordance with the AHRI Air-Cooled Water-Chilling Packages Certification Program, "
    "which is based on AHRI Standard ";
constexpr const char* kCertifiedEnd =
    "550/590 (I-P) and AHRI Standard 551/591 (SI). Certified units may be found in the AHRI Directory at ";
// Heat pumps are certified in cooling only; the statement takes a third line.
constexpr const char* kHeatPumpCertifiedMiddle =
    "550/590 (I-P) and AHRI Standard 551/591 (SI). Heat Pump Water-Heating unit is certified when operating "
    "in cooling. Certified units may be ";
constexpr const char* kHeatPumpCertifiedEnd = "found in the AHRI Directory at ";

// Combined units, as the first note or (after an out-of-scope note) the second.
constexpr const char* kCombinedFirst =
    "   1.Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification ";
constexpr const char* kCombinedFirstWithGlycol =
    "   1. Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification  ";
constexpr const char* kCombinedSecondCentrifugal =
    "   2.Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification ";
constexpr const char* kCombinedSecondScrew =
    "   2.Combined units or modular chiller array rating is outside of the scope of the AHRI Air-Cooled "
    "Water-Chilling Packages Certification  ";
constexpr const char* kCombinedEnd =
    "Program. Individual unit ratings are subject to the governing documents of the AHRI Certification "
    "Program.";

// Outside the programme's conditions, but rated by its standards.
constexpr const char* kCentrifugalOutOfScopeStart =
    "   1.Outside the scope of AHRI Air-Cooled Water-Chilling Packages Certification Program, but is rated "
    "in accordance with AHRI Standard ";
constexpr const char* kCentrifugalOutOfScopeEnd = " 550/590 (I-P) and AHRI Standard 551/591 (SI).";
constexpr const char* kScrewOutOfScopeStart =
    "   1.Outside the scope of AHRI Air-Cooled Water-Chilling Packages Certification Programor or not "
    "optionally certified, but is rated in ";
constexpr const char* kScrewOutOfScopeEnd =
    " accordance with AHRI Standard 550/590 (I-P) and AHRI Standard 551/591 (SI).";

constexpr const char* kGlycolNote =
    "   2.Unit contains freeze protection liquids in the evaporator and is certified when rated per the "
    "Standard with water. ";

// The five baselines of the note section, a … e.
enum class NoteLine { A, B, C, D, E };

class CertificationNotes {
public:
    explicit CertificationNotes(ReportContext& report) : report_(report) {}

    void draw();

private:
    void drawCentrifugal(bool combined);
    void drawScrew(bool combined, bool gv5);
    void certify(bool certified) { report_.AhriCertifiedFlag = certified; }
    void note(NoteLine line, const std::string& text);

    ReportContext& report_;
};

void CertificationNotes::note(NoteLine line, const std::string& text) {
    const auto pitch = static_cast<float>(report_.RowPitch);
    float y = 0;
    switch (line) {
        case NoteLine::A:
            y = 774 - 35.5f * pitch;
            break;
        case NoteLine::B:
            y = 770 - 36.0f * pitch;
            break;
        case NoteLine::C:
            y = 768 - 36.5f * pitch;
            break;
        case NoteLine::D:
            y = 774 - 37.0f * pitch;
            break;
        case NoteLine::E:
            y = 770 - 37.5f * pitch;
            break;
    }
    report_.pdf.show_xy(text, 52, y);
}

void CertificationNotes::draw() {
    std::string name = report_.inputs.modelName;
    const bool secondBrand = report_.secondBrand();
    if (Contains(name, "QTK") || Contains(name, "WOTA")) {
        if (secondBrand) ReplaceAll(name, "WOTA", "QTK");
        drawCentrifugal(IsCombinedUnit(name));
    }
    if (Contains(name, "QHK") || Contains(name, "WOH") || Contains(name, "GV5")) {
        if (secondBrand) {
            ReplaceAll(name, "WOH", "QHK");
            ReplaceAll(name, "LQEE", "LQE");
            ReplaceAll(name, "WOQ", "QSK");
        }
        drawScrew(IsCombinedUnit(name), Contains(name, "GV5"));
    }
}

void CertificationNotes::drawCentrifugal(bool combined) {
    const double ambient = report_.inputs.conditions.coolingAmbientTemp;
    if (ambient - 12.8 <= -0.00001) {
        certify(false);
        note(NoteLine::A, kCentrifugalOutOfScopeStart);
        note(NoteLine::B, kCentrifugalOutOfScopeEnd);
        if (combined) {
            note(NoteLine::D, kCombinedSecondCentrifugal);
            note(NoteLine::E, kCombinedEnd);
        }
    } else if (combined) {
        certify(false);
        note(NoteLine::A, kCombinedFirst);
        note(NoteLine::B, kCombinedEnd);
    } else {
        certify(true);
        note(NoteLine::A, kCertifiedStart);
        note(NoteLine::B, std::string(kCertifiedEnd) + kAhriDirectory);
        PlaceAhriLogo(report_);
    }
}

void CertificationNotes::drawScrew(bool combined, bool gv5) {
    const SelectionConditions& conditions = report_.inputs.conditions;
    const double ambient = conditions.coolingAmbientTemp;
    const double leaving = conditions.coolingOutletTemp;
    // The programme rates air-cooled units from 12.8 to 52 °C ambient and
    // 2.22 to 21.11 °C leaving water.
    const bool outOfScope = ambient - 12.8 <= -0.00001 || ambient - 52 >= 0.00001 ||
                            leaving - 2.22 <= -0.00001 || leaving - 21.11 >= 0.00001;
    if (outOfScope) {
        note(NoteLine::A, kScrewOutOfScopeStart);
        note(NoteLine::B, kScrewOutOfScopeEnd);
        if (combined) {
            note(NoteLine::D, kCombinedSecondScrew);
            note(NoteLine::E, kCombinedEnd);
        }
        return;
    }

    const bool glycol = conditions.fluidIsGlycol && conditions.glycolPercent > 0.00001;
    if (combined) {
        certify(false);
        note(NoteLine::A, glycol ? kCombinedFirstWithGlycol : kCombinedFirst);
        note(NoteLine::B, kCombinedEnd);
        return;
    }
    certify(true);
    note(NoteLine::A, kCertifiedStart);
    if (gv5) {
        note(NoteLine::B, std::string(kCertifiedEnd) + kAhriDirectory);
    } else {
        note(NoteLine::B, kHeatPumpCertifiedMiddle);
        note(NoteLine::C, std::string(kHeatPumpCertifiedEnd) + kAhriDirectory);
    }
    if (glycol) note(NoteLine::E, kGlycolNote);
    PlaceAhriLogo(report_);
}

}  // namespace

bool IsCombinedUnit(const std::string& storedName) {
    return std::find(kCombinedUnitModels.begin(), kCombinedUnitModels.end(), storedName) !=
           kCombinedUnitModels.end();
}

void DrawCertificationNotes(ReportContext& report) { CertificationNotes(report).draw(); }

}  // namespace keld
