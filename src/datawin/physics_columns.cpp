#include "datawin/physics_columns.h"

#include <cmath>

#include "engine/disclosure.h"
#include "engine/run_physics.h"
#include "engine/translatable.h"

namespace dw {

namespace {

constexpr const char* kNames[PhysicsColumnCount] = {"springenergy", "fieldenergy", "totalenergy", "rforce", "bforce",
                                                    "rforcex",      "rforcey",     "bforcex",     "bforcey"};
// the windows show them translated (context "DataTable")
constexpr const char* kHeaders[PhysicsColumnCount] = {
    TRANSLATABLE("DataTable", "Spring Energy"), TRANSLATABLE("DataTable", "Field Energy"),
    TRANSLATABLE("DataTable", "Total Energy"),  TRANSLATABLE("DataTable", "R Force"),
    TRANSLATABLE("DataTable", "B Force"),       TRANSLATABLE("DataTable", "R Force x"),
    TRANSLATABLE("DataTable", "R Force y"),     TRANSLATABLE("DataTable", "B Force x"),
    TRANSLATABLE("DataTable", "B Force y")};

// Whether the column needs the black puck's mass.
bool needsBlackMass(PhysicsColumn c)
{
    return c == TotalEnergy || c == BForce || c == BForceX || c == BForceY;
}

double length(sim::Vec2 v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}

}   // namespace

const char* physicsColumnName(PhysicsColumn c)
{
    return kNames[c];
}

const char* physicsColumnHeader(PhysicsColumn c)
{
    return kHeaders[c];
}

std::string physicsHeaderWithUnit(PhysicsColumn c, const char* unit)
{
    const std::string energy = std::string(" energy (kg ") + unit + "^2/s^2)";
    switch (c) {
    case SpringEnergy: return "spring" + energy;
    case FieldEnergy: return "field" + energy;
    case TotalEnergy: return "total" + energy;
    case RForce: return "red force (N)";
    case BForce: return "black force (N)";
    case RForceX: return "red force x (N)";
    case RForceY: return "red force y (N)";
    case BForceX: return "black force x (N)";
    default: return "black force y (N)";
    }
}

Cell physicsCell(const RunData& run, int i, PhysicsColumn c)
{
    if (hiddenSample(run, i) || (run.blackMassHidden && needsBlackMass(c)))
        return Cell::word(sim::kHiddenNumber);
    if (c <= TotalEnergy) {
        const sim::Energies e = sim::energiesAt(run.physics, *run.log, i);
        return Cell::of(c == SpringEnergy ? e.spring : c == FieldEnergy ? e.field : e.total);
    }
    const sim::Forces f = sim::forcesAt(run.physics, *run.log, i);
    switch (c) {
    case RForce: return Cell::of(length(f.red), 4, 4);
    case BForce: return Cell::of(length(f.black), 4, 4);
    case RForceX: return Cell::of(f.red.x, 4, 4);
    case RForceY: return Cell::of(f.red.y, 4, 4);
    case BForceX: return Cell::of(f.black.x, 4, 4);
    default: return Cell::of(f.black.y, 4, 4);
    }
}

}   // namespace dw
