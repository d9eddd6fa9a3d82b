#pragma once
// The set-up typed as numbers: each puck's mass, speed, direction and
// place, and the settings of the mode. Every number becomes what the bars
// and the drags can give (the nearest step of a bar, a handle on a pixel),
// so that applying it leaves the state that a user's hands would.

#include <array>
#include <string_view>

#include "engine/setup_model.h"
#include "engine/setup_rules.h"
#include "engine/sim_state.h"

namespace sim {

enum class ExactField {
    RedMass,
    RedSpeed,
    RedDirection,
    RedX,
    RedY,
    BlackMass,
    BlackSpeed,
    BlackDirection,
    BlackX,
    BlackY,
    Percent,
    TableAngle,
    SpringK,
    SpringLength,
    RedCharge,
    BlackCharge,
};
inline constexpr int kExactFieldCount = 16;
using ExactNumbers = std::array<double, kExactFieldCount>;

// What a field takes in the current mode, in the user's units.
struct ExactSpec {
    double min = 0.0, max = 0.0;
    double step = 0.0;   // 0 for a direction: a handle's pixel decides
    int decimals = 1;
    const char* unit = "";   // "kg", "cm/s", "deg", "cm", "%", "N", "N/m", "" (ASCII)
    bool shown = false;   // its bar or shape is on the screen
    bool fixed = false;   // shown, but no drag can change it (a place across the 1-D track)
};
ExactSpec exactSpec(ExactField f, const SetupModel& m);

// The set-up as it stands, in the fields' units.
ExactNumbers exactNumbers(const SetupModel& m, const SimState& s);

// A typed number: an optional sign, digits and one decimal sign; a comma
// is the decimal sign where `comma` says so (the language writes one).
// Blanks around it are allowed; exponents, "nan" and "inf" are not.
bool parseTyped(std::string_view text, bool comma, double* value);

struct PuckTarget {
    int left = 0, top = 0;   // the puck's top-left in the panel
    int handleLeft = 0, handleTop = 0;
};

// What typed numbers become. Fields that are not shown (or fixed) keep
// what the set-up has.
struct ExactPlan {
    SetupModel bars;   // the bars' positions and the electrostatic range
    PuckTarget red, black;
    ExactNumbers used{};   // each field as it will be, in its unit
    std::array<bool, kExactFieldCount> refused{};   // out of its range
    bool overlap = false;   // the two places overlap
    bool ok() const;
};
ExactPlan planExact(const ExactNumbers& typed, int electroEntry, const SetupModel& m, const SimState& s);

// The plan's bars through the rules, then its places and aims as the drags
// leave them. Only in the set-up state.
void applyExact(const ExactPlan& p, SetupRules& rules, SimState& s);

}   // namespace sim
