#pragma once
// An investigation: one setting swept across a range, every point run
// without a window exactly as the same set-up would run in it, and what
// the Before-and-After page calls "after" measured at each.

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datawin/data_sheet.h"
#include "engine/exact_setup.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"

namespace dw {

enum class Vary {
    RedMass,
    BlackMass,
    RedSpeed,
    BlackSpeed,
    RedDirection,
    BlackDirection,
    Offset,   // the black puck's place across the red puck's path, in cm
    Percent,
    TableAngle,   // the tilt, or the push on the 1-D block
    SpringK,
    SpringLength,
    RedCharge,
    BlackCharge,
    Range,   // the electrostatic range entry
};
inline constexpr int kVaryCount = 14;

enum class Measure {
    RedSpeed,
    BlackSpeed,
    RedDirection,
    BlackDirection,
    RedPx,
    RedPy,
    BlackPx,
    BlackPy,
    TotalMomentum,
    EnergyKept,
    Restitution,
    AngleBetween,
    ContactTime,
    MostCompression,
    ClosestApproach,
    RedVx,   // the velocity's components after, signed as the momentum's are
    RedVy,
    BlackVx,
    BlackVy,
};
inline constexpr int kMeasureCount = 19;

// The command line's names ("mass1", "energy-kept") and the sheet's headers with units.
const char* varyName(Vary v);
const char* measureName(Measure m);
bool varyNamed(std::string_view name, Vary* v);
bool measureNamed(std::string_view name, Measure* m);
std::string varyHeader(Vary v, const sim::SetupModel& m);
std::string measureHeader(Measure m, const char* unit);

inline constexpr int kMostPoints = 200;

struct Sweep {
    Vary vary = Vary::RedMass;
    double from = 0.0, to = 0.0, step = 0.0;
};

// The set-up every point starts from: its settings and its state (a run in
// it is reset first).
struct BaseSetUp {
    sim::SetupModel model;
    const sim::SimState* state = nullptr;
};

enum class SweepError {
    None,
    NotUsed,   // the setting is not used in this set-up
    BadRange,   // not FROM <= TO with a STEP above 0
    TooMany,   // more than kMostPoints
    OutOfRange,   // a value its control cannot take here
};

// The sweep's values, each as its control takes it (the nearest step, the
// nearest aim a handle gives), repeats dropped. Empty, with `error` (and the
// value refused), when it cannot be swept.
std::vector<double> sweepValues(const Sweep& sw, const BaseSetUp& base, SweepError* error, double* refused = nullptr);
// The range a setting's control takes in this set-up, when it is one
// range of steps (not the offset, the range's list or a direction).
std::optional<sim::ExactSpec> varyRange(Vary v, const sim::SetupModel& m);
// The error in a line of English, for the command line.
std::string sweepErrorText(SweepError e, Vary v, double refused, const sim::SetupModel& m);

// One point: the value applied as Set Up Exactly applies it, `ticks` ticks
// run, the measures read at the end (NaN where there is none).
std::vector<double> runPoint(const BaseSetUp& base, Vary v, double value, const std::vector<Measure>& measures,
                             int ticks);

struct Investigation {
    std::vector<double> x;   // the values swept
    std::vector<std::vector<double>> values;   // per point, per measure
    bool cancelled = false;
};

// Every value on `threads` threads; `done` counts the points finished and
// `cancel` stops them between points.
Investigation investigate(const BaseSetUp& base, Vary v, const std::vector<double>& values,
                          const std::vector<Measure>& measures, int ticks, int threads,
                          std::atomic<int>* done = nullptr, const std::atomic<bool>* cancel = nullptr);

// The varied setting first, then one column per measure; "-" where there is none.
Sheet investigationSheet(const Investigation& inv, Vary v, const std::vector<Measure>& measures,
                         const sim::SetupModel& m);

}   // namespace dw
