#pragma once
#include <array>
#include <string>

#include "datawin/run_data.h"

namespace dw {

enum Column { RSpeed, RAngle, REnergy, RMom, BSpeed, BAngle, BEnergy, BMom, Compression, ColumnCount };

struct TableChoice {
    std::array<bool, ColumnCount> columns{true, false, false, false, true, false, false, false, false};
    bool radians = false;
    int divisor = 1;   // strobe divisor of the chosen frequency
    int lastPosition = 1;   // the "Time" bar: samples 1 .. position - 1 are listed
};

// The table as TAB-separated lines, header first, each line ending in '\n'.
std::string buildTableText(const RunData& run, const TableChoice& choice);

}   // namespace dw
