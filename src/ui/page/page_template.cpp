// SPDX-License-Identifier: MIT
#include "ui/page/page_template.h"

#include <array>

#include "selection/page/page_controls.h"

namespace keld::ui {
namespace {

using K = TemplateControl::Kind;

constexpr std::array kPage = {
    TemplateControl{K::GroupBox, -1, "Compressor type", 13, 7, 112, 35},
    TemplateControl{K::Radio, kCentrifugalRadio, "Centrifugal", 22, 17, 95, 10},
    TemplateControl{K::Radio, kScrewRadio, "Screw", 22, 28, 95, 10},

    TemplateControl{K::GroupBox, -1, "Type", 13, 46, 112, 36},
    TemplateControl{K::Radio, kChillersRadio, "Chillers", 22, 56, 95, 10},
    TemplateControl{K::Radio, kHeatPumpRadio, "Heat Pump", 22, 68, 95, 10},

    TemplateControl{K::GroupBox, -1, "Version", 13, 85, 112, 41},
    TemplateControl{K::Radio, kStandardVersionRadio, "Standard", 22, 94, 95, 9},
    TemplateControl{K::Radio, kLowNoiseRadio, "Low Noise", 22, 104, 95, 9},
    TemplateControl{K::Radio, kLowAmbientRadio, "Low Ambient Cooling", 22, 114, 100, 9},

    TemplateControl{K::GroupBox, -1, "Heat Recovery", 13, 129, 112, 46},
    TemplateControl{K::Radio, kRecoveryNoneRadio, "None", 22, 139, 95, 10},
    TemplateControl{K::Radio, kRecoveryPartialRadio, "Partial", 22, 150, 95, 10},
    TemplateControl{K::Radio, kRecoveryTotalRadio, "Total", 22, 161, 95, 10},

    TemplateControl{K::GroupBox, -1, "Capacity Requirement", 132, 7, 137, 58},
    TemplateControl{K::Label, -1, "Cooling Capacity", 138, 19, 60, 8},
    TemplateControl{K::Edit, kCoolingCapacityEdit, "", 200, 17, 42, 12},
    TemplateControl{K::Label, 1050, "kW", 245, 19, 18, 8},
    TemplateControl{K::Label, -1, "Heating Capacity", 138, 34, 60, 8},
    TemplateControl{K::Edit, kHeatingCapacityEdit, "", 200, 32, 42, 12},
    TemplateControl{K::Label, 1049, "kW", 245, 34, 18, 8},
    TemplateControl{K::Label, -1, "Tolerance", 138, 49, 60, 8},
    TemplateControl{K::Edit, kToleranceEdit, "", 200, 47, 42, 12},
    TemplateControl{K::Label, 1047, "%", 245, 49, 18, 8},

    TemplateControl{K::GroupBox, -1, "Refrigerant", 132, 67, 137, 46},
    TemplateControl{K::Radio, kR22Radio, "R22", 141, 78, 60, 10},
    TemplateControl{K::Radio, kR407cRadio, "R407c", 141, 89, 60, 10},
    TemplateControl{K::Radio, kR134aRadio, "R134a", 141, 100, 60, 10},

    TemplateControl{K::GroupBox, -1, "Recovery Side", 132, 113, 137, 61},
    TemplateControl{K::Label, -1, "Temperature Inlet", 138, 125, 61, 8},
    TemplateControl{K::Edit, kRecoveryInletEdit, "", 200, 123, 28, 12},
    TemplateControl{K::Label, 1043, "°C", 231, 125, 14, 8},
    TemplateControl{K::Label, -1, "Temperature Outlet", 138, 140, 61, 8},
    TemplateControl{K::Edit, kRecoveryOutletEdit, "", 200, 138, 28, 12},
    TemplateControl{K::Label, 1044, "°C", 231, 140, 14, 8},
    TemplateControl{K::Label, -1, "Fouling Factor", 138, 155, 61, 8},
    TemplateControl{K::Edit, kRecoveryFoulingEdit, "", 200, 153, 28, 12},
    TemplateControl{K::UnitPicture, 1054, "", 230, 153, 37, 12},

    TemplateControl{K::GroupBox, -1, "Conditions", 276, 7, 195, 58},
    TemplateControl{K::ColumnLabel, -1, "Cooling", 357, 15, 46, 8},
    TemplateControl{K::ColumnLabel, -1, "Heating", 409, 15, 46, 8},
    TemplateControl{K::EtchedLine, -1, "", 406, 15, 1, 47},
    TemplateControl{K::Label, -1, "Ambient Temperature", 281, 26, 74, 8},
    TemplateControl{K::Edit, kCoolingAmbientEdit, "", 357, 24, 46, 12},
    TemplateControl{K::Edit, kHeatingAmbientEdit, "", 409, 24, 46, 12},
    TemplateControl{K::Label, 1045, "°C", 458, 26, 12, 8},
    TemplateControl{K::Label, -1, "Temperature inlet/outlet", 281, 39, 74, 8},
    TemplateControl{K::Edit, kCoolingInletEdit, "", 357, 37, 22, 12},
    TemplateControl{K::Edit, kCoolingOutletEdit, "", 381, 37, 22, 12},
    TemplateControl{K::Edit, kHeatingInletEdit, "", 409, 37, 22, 12},
    TemplateControl{K::Edit, kHeatingOutletEdit, "", 433, 37, 22, 12},
    TemplateControl{K::Label, 1046, "°C", 458, 39, 12, 8},
    TemplateControl{K::Label, -1, "Flow Rate", 281, 52, 74, 8},
    TemplateControl{K::Edit, kCoolingFlowEdit, "", 357, 50, 46, 12},
    TemplateControl{K::Edit, kHeatingFlowEdit, "", 409, 50, 46, 12},
    TemplateControl{K::Label, 1056, "L/s", 458, 52, 12, 8},

    TemplateControl{K::GroupBox, -1, "Gerneral Data", 276, 67, 195, 46},
    TemplateControl{K::Label, -1, "Fluid", 281, 79, 45, 8},
    TemplateControl{K::FluidList, kFluidList, "", 328, 77, 48, 12},
    TemplateControl{K::Edit, kGlycolEdit, "", 379, 77, 24, 12},
    TemplateControl{K::Label, -1, "%", 406, 79, 8, 8},
    TemplateControl{K::Label, -1, "Fouling Factor", 281, 96, 45, 8},
    TemplateControl{K::UnitPicture, 1055, "", 364, 94, 37, 12},
    TemplateControl{K::Edit, kFoulingEdit, "", 328, 94, 34, 12},
    TemplateControl{K::Label, -1, "Altitude", 404, 96, 26, 8},
    TemplateControl{K::Label, -1, "m", 460, 96, 8, 8},
    TemplateControl{K::Edit, kAltitudeEdit, "", 431, 94, 26, 12},

    TemplateControl{K::GroupBox, -1, "IPLV", 276, 113, 195, 61},
    TemplateControl{K::Radio, kAhriRadio, "AHRI", 290, 126, 60, 10},
    TemplateControl{K::Radio, kGbRadio, "GB", 290, 140, 60, 10},

    TemplateControl{K::ResultList, kResultList, "", 0, 178, 482, 91},
};

}  // namespace

std::span<const TemplateControl> PageTemplate() { return kPage; }

}  // namespace keld::ui
