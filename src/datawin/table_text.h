#pragma once
#include <array>
#include <string>

#include "datawin/data_sheet.h"
#include "datawin/physics_columns.h"
#include "datawin/run_data.h"

namespace dw {

enum Column { RSpeed, RAngle, REnergy, RMom, BSpeed, BAngle, BEnergy, BMom, Compression, ColumnCount };

struct TableChoice {
    std::array<bool, ColumnCount> columns{true, false, false, false, true, false, false, false, false};
    std::array<bool, PhysicsColumnCount> physics{};   // none unless named
    bool radians = false;
    int divisor = 1;   // strobe divisor of the chosen frequency
    int lastPosition = 1;   // the "Time" bar: samples 1 .. position - 1 are listed
};

// The table's column names, as the page heads them ("R Speed") and as the
// command line takes them ("rspeed").
const char* columnHeader(Column c);
const char* columnName(Column c);

// The table's rows. `unit` is the table window's length unit ("cm" or "m");
// with it the header names each column with its unit ("red speed (cm/s)"),
// without it the header is the page's own ("R Speed").
Sheet tableSheet(const RunData& run, const TableChoice& choice, const char* unit = nullptr);

// The table as TAB-separated lines, header first, each line ending in '\n':
// the page's text, and what "Copy All Data" copies.
std::string buildTableText(const RunData& run, const TableChoice& choice);

}   // namespace dw
