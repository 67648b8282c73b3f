// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld {

struct ReportContext;

// One part-load point of a unit as the part-load table stores it.
struct PartLoadPoint {
    double load = 0;      // fraction of full load
    double capacity = 0;  // kW
    double power = 0;     // kW
    double cop = 0;       // W/W
    double oat = 0;       // °C
    double lwt = 0;       // °C
    double flow = 0;      // L/s
    double iplv = 0;      // the unit's integrated part-load value, W/W
};

// What page 2 prints: the points in the database's order, the IPLV of the
// last point and, for AHRI, the NPLV taken from the first point (0 when the
// model has no points).
struct PartLoadData {
    std::vector<PartLoadPoint> points;
    double iplv = 0;
    double nplv = 0;
};

// Reads the part-load points of a stored model name for the standard
// (0 AHRI, 1 GB) on the database's shared result set. A database error shows
// its text through the report's message sink, notes it in
// report.databaseFailed and keeps the points read before it; nothing is
// thrown. The AHRI result set is closed afterwards.
PartLoadData ReadPartLoadData(ReportContext& report, const std::string& storedName, int partLoadStandard);

}  // namespace keld
