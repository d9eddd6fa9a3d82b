#pragma once
// The data table's columns for the board's physics: the spring's and the
// field's energy, the total, and the force on each puck. Chosen by name;
// none of them is in the table unless asked for.

#include <array>
#include <string>

#include "datawin/data_sheet.h"
#include "datawin/run_data.h"

namespace dw {

enum PhysicsColumn {
    SpringEnergy,
    FieldEnergy,
    TotalEnergy,
    RForce,
    BForce,
    RForceX,
    RForceY,
    BForceX,
    BForceY,
    PhysicsColumnCount
};

// "springenergy", ... as the command line takes them; "Spring Energy", ... as a page heads them.
const char* physicsColumnName(PhysicsColumn c);
const char* physicsColumnHeader(PhysicsColumn c);
// With its unit: "spring energy (kg cm^2/s^2)", "red force (N)".
std::string physicsHeaderWithUnit(PhysicsColumn c, const char* unit);

// Sample i's value, or the hidden mark where the class may not see it.
Cell physicsCell(const RunData& run, int i, PhysicsColumn c);

}   // namespace dw
