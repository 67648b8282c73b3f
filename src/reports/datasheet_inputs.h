// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "engine/selection_conditions.h"
#include "engine/unit_performance.h"

namespace keld {

// The four texts that head every datasheet, as the user typed them (UTF-8).
struct ProjectTexts {
    std::string project;
    std::string distributor;
    std::string customer;
    std::string tagNo;
};

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1 … 12
    int day = 0;    // 1 … 31
};

// Where the print date comes from; the program reads the local calendar,
// tests set a fixed day.
using DateProvider = std::function<CalendarDate()>;

// Today's date in the local time zone.
CalendarDate LocalDate();

// Everything the two pages print about the marked unit, copied out of the
// page and the application so the drawing owns what it reads.
struct DatasheetInputs {
    std::string modelName;           // the marked row's model, as the list shows it
    UnitPerformance figures;         // the marked row's figures
    SelectionConditions conditions;  // the page's inputs, restored from that row
    std::string brand;               // "BREXAL" or "Norvex"
    std::string moduleDirectory;     // the program's directory, where the JPEG files lie
    std::string buildDate;           // "2022/11/30"
    ProjectTexts texts;
    CalendarDate printDate;
};

}  // namespace keld
