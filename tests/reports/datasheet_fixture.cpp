// SPDX-License-Identifier: MIT
#include "datasheet_fixture.h"

#include <stdexcept>

#include "selection/result_columns.h"

namespace keld::test {

const char* const kDatasheetTablesSql = R"SQL(
CREATE TABLE EXCEL_NEW (ModelName TEXT, Flow7 REAL, Std_capacity7 REAL, Std_Power7 REAL, WaterResistance TEXT,
  Size TEXT, FanNum INTEGER, Fan REAL, FanPower REAL, CompressorType TEXT, Num TEXT, Quality TEXT, OnQuality TEXT,
  LengthWideHigh TEXT, Noise TEXT, PowerSupply TEXT, RateCurrent TEXT, SafeCurrent TEXT);
INSERT INTO EXCEL_NEW VALUES
  ('QTK130GN5-LQE', 22.07, 459.2, 135.5, '61.8', '5', 10, 17.7, 18.5, 'KTC130', '1', '4570', '4780',
   '6350x2250x2480', '82', '380V/3Ph/50Hz', '266', '346'),
  ('QTK220GN5-LQE', 36.98, 769.3, 228.6, '45.3/61.8', '4/5', 16, 29.7, 29.6, 'KTC090+KTC130', '2', '7910', '8260',
   '10400x2250x2480', '84', '380V/3Ph/50Hz', '446', '580'),
  ('QHK150GP5-LQE', 24.51, 512.3, 160.1, '52.35', '5', 8, 20.44, 16, 'SSC150', '2', '5200', '5450',
   '6000x2250x2500', '83.46', '380V/3Ph/50Hz', '300', '390'),
  ('QHK245GP5-LQE', 40.2, 840.6, 262.7, '-/48.4', '4/5', 14, 33.6, 28, 'SSC120+SSC125', '4', '8800', '9230',
   '11200x2250x2500', '85', '380V/3Ph/50Hz', '488', '634'),
  ('QSK325GV5-LQE', 54.3, 1135, 349.15, '71.04', '6', 18, 41.2, 33.3, 'VSC325', '2', '9450', '9900',
   '12100x2250x2550', '86', '380V/3Ph/50Hz', '560', '728'),
  ('QSK200GV5-LQE', 33.4, 699.1, 212.4, '44.2', '5', 10, 25.8, 19.5, 'VSC200', '2', '6100', '6400',
   '7800x2250x2550', '84', '380V/3Ph/50Hz', '355', '462'),
  ('QTK9''9GN5-LQE', 15.55, 325.1, 97.7, '40.1', '4', 6, 12.1, 11.2, 'KTC099', '1', '3400', '3550',
   '4050x2250x2480', '80', '380V/3Ph/50Hz', '190', '247');

CREATE TABLE QSK_QHK_R134a_AHRI (ModelName TEXT, load REAL, capacity REAL, power REAL, COP REAL, OAT REAL,
  LWT REAL, flow REAL, IPLV REAL);
INSERT INTO QSK_QHK_R134a_AHRI VALUES
  ('QTK130GN5-LQE', 1, 459.2, 135.5, 3.389, 35, 6.7, 22.07, 5.11),
  ('QTK130GN5-LQE', 0.75, 344.4, 77.04, 4.47, 26.7, 6.7, 22.07, 5.11),
  ('QTK130GN5-LQE', 0.5, 229.6, 42.29, 5.43, 18.3, 6.7, 22.07, 5.11),
  ('QTK130GN5-LQE', 0.25, 114.8, 21.91, 5.24, 12.8, 6.7, 22.07, 4.98),
  ('QHK150GP5-LQE', 1, 480.5, 150.2, 3.199, 35, 6.7, 23.1, 4.4),
  ('QHK150GP5-LQE', 0.66, 317.1, 80.3, 3.949, 24, 6.7, 23.1, 4.4),
  ('QHK150GP5-LQE', 0.33, 158.6, 36.2, 4.381, 14, 6.7, 23.1, 4.62),
  ('QHK245GP5-LQE', 1, 840.6, 262.7, 3.2, 35, 6.7, 40.2, 4.7),
  ('QHK245GP5-LQE', 0.75, 630.5, 159.6, 3.95, 26.7, 6.7, 40.2, 4.7),
  ('QHK245GP5-LQE', 0.5, 420.3, 90.4, 4.65, 18.3, 6.7, 40.2, 4.7),
  ('QHK245GP5-LQE', 0.25, 210.2, 46.2, 4.55, 12.8, 6.7, 40.2, 4.7),
  ('QSK325GV5-LQE', 1, 1135, 349.2, 3.25, 35, 6.7, 54.3, 5.3),
  ('QSK325GV5-LQE', 0.8, 908, 240.2, 3.78, 29, 6.7, 54.3, 5.3),
  ('QSK325GV5-LQE', 0.6, 681, 150.3, 4.53, 23, 6.7, 54.3, 5.3),
  ('QSK325GV5-LQE', 0.4, 454, 85.7, 5.3, 17, 6.7, 54.3, 5.3),
  ('QSK325GV5-LQE', 0.2, 227, 44.5, 5.1, 12.8, 6.7, 54.3, 5.36);

CREATE TABLE QSK_QHK_R134a_GB (ModelName TEXT, load REAL, capacity REAL, power REAL, COP REAL, OAT REAL,
  LWT REAL, flow REAL, IPLV REAL);
INSERT INTO QSK_QHK_R134a_GB VALUES
  ('QTK130GN5-LQE', 1, 459.2, 135.5, 3.389, 35, 7, 22.07, 4.6),
  ('QTK130GN5-LQE', 0.75, 344.4, 80.1, 4.3, 31.5, 7, 22.07, 4.6),
  ('QTK130GN5-LQE', 0.5, 229.6, 45.2, 5.08, 28, 7, 22.07, 4.6),
  ('QTK130GN5-LQE', 0.25, 114.8, 23.4, 4.91, 24.5, 7, 22.07, 4.52);
)SQL";

#ifndef KELD_BUILD_DIR
#error "the tests need KELD_BUILD_DIR, the folder of the built JPEG files"
#endif

std::string BuildFolder() { return KELD_BUILD_DIR; }

namespace {

DatasheetInputs BaseInputs(const std::string& model) {
    DatasheetInputs inputs;
    inputs.brand = "Norvex";
    inputs.moduleDirectory = BuildFolder();
    inputs.buildDate = "2022/11/30";
    inputs.printDate = {2024, 3, 7};
    inputs.modelName = model;
    inputs.figures.coolingInletTemp = 12.0;
    return inputs;
}

}  // namespace

DatasheetInputs CentrifugalInputs(const std::string& model) {
    DatasheetInputs inputs = BaseInputs(model);
    inputs.figures.coolingCapacity = 459.2;
    inputs.figures.coolingPower = 135.5;
    inputs.figures.coolingFlow = 22.07;
    inputs.figures.ratedCapacity = 459.2;
    inputs.figures.ratedPower = 135.5;
    inputs.figures.pressureDrops = {61.8};
    return inputs;
}

DatasheetInputs ScrewChillerInputs(const std::string& model) {
    DatasheetInputs inputs = BaseInputs(model);
    inputs.conditions.compressorType = 1;
    inputs.conditions.unitType = 0;
    inputs.figures.coolingCapacity = 1135;
    inputs.figures.coolingPower = 349.2;
    inputs.figures.coolingFlow = 54.30;
    inputs.figures.pressureDrops = {71.04};
    return inputs;
}

DatasheetInputs HeatPumpInputs(const std::string& model) {
    DatasheetInputs inputs = BaseInputs(model);
    inputs.conditions.compressorType = 1;
    inputs.conditions.unitType = 1;
    inputs.figures.hasHeating = true;
    inputs.figures.coolingCapacity = 480.5;
    inputs.figures.coolingPower = 150.2;
    inputs.figures.coolingFlow = 23.10;
    inputs.figures.heatingCapacity = 530.8;
    inputs.figures.heatingPower = 171.3;
    inputs.figures.heatingFlow = 25.52;
    inputs.figures.heatingInletTemp = 40.0;
    inputs.figures.pressureDrops = {52.35};
    return inputs;
}

DatasheetInputs WithGlycol(DatasheetInputs inputs, int percent) {
    inputs.conditions.fluidIsGlycol = true;
    inputs.conditions.glycolPercent = percent;
    return inputs;
}

DatasheetRig::DatasheetRig(const std::string& sql) : fixture_(sql), database_(sink_) {
    if (!database_.OpenDatabase(fixture_.path()))
        throw std::runtime_error("the fixture database does not open");
}

ExportResult DatasheetRig::write(const DatasheetInputs& inputs, const std::string& name) {
    return WriteDatasheetFile(pdf_, database_, sink_, inputs, path(name));
}

}  // namespace keld::test
