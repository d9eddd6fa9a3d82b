#pragma once
// The whole simulation state: two pucks and their start, the run's
// counters, the parameters the physics reads, and the per-tick log. Fixed
// arrays only: nothing is allocated while a run goes on. The set-up's
// settings live in SetupModel; its rules write the parameters here.

#include <array>
#include <cstdint>
#include <random>

#include "engine/numbers.h"

namespace sim {

// The table image's place inside the table panel, where pucks are placed.
constexpr int kImageLeft = 7;
constexpr int kImageTop = 7;
constexpr int kMaxTick = 9998;   // last tick that starts normally
constexpr int kTickCeiling = 9999;   // tick never goes above this
constexpr int kNoCollisionTick = 1000;
constexpr double kPi = num::kPi;

// A sample's time: sample 1 is the start, a tick is 0.05 s. The one
// conversion for every caption, table, graph and fit; one division of a
// whole number, so the nearest double to the time (0.35, not 0.35000000000000003).
inline double secondsAt(int sample)
{
    return (sample - 1) / 20.0;
}

struct PuckState {
    double x = 0.0;   // left edge, panel px (centre of mass after a stick)
    double y = 0.0;   // top edge, panel px
    double speed = 0.0;   // units/s
    double direction = 0.0;   // radians, anticlockwise from +x, y up
    double mass = 2.0;   // kg
    int32_t startLeft = 0;
    int32_t startTop = 0;
    int32_t radius = 12;
};

struct PositionSample {
    double redX = 0.0, redY = 0.0, blackX = 0.0, blackY = 0.0;
};

struct VelocitySample {
    double redSpeed = 0.0, redDirection = 0.0, blackSpeed = 0.0, blackDirection = 0.0;
};

struct SampleLog {
    // positions 1..9999, velocities 0..10000, compression 1..10000
    std::array<PositionSample, 10001> positions{};
    std::array<VelocitySample, 10001> velocities{};
    std::array<double, 10001> compression{};
};

enum class Interaction {
    None,
    Elastic,
    Inelastic,
    SemiElastic,
    Electrostatic,
    Circle,
    Spring1D,
};

struct SimState {
    PuckState red;
    PuckState black;

    int32_t tick = 1;
    int32_t viewTick = 1;
    // The run's clock as the time line shows it: its position, and its end
    // (the last tick shown by the run). A run's tick advances only while the
    // position stands below noCollisionTick - 1; the window shows both.
    int32_t timeLine = 1;
    int32_t timeLineEnd = 1;
    int32_t eventsPerTick = 5;
    int32_t stepPhase = 0;
    int32_t collisionTick = kNoCollisionTick;
    int32_t noCollisionTick = kNoCollisionTick;
    bool collided = false;
    // The line of centres (radians, y up) the first answered contact was
    // resolved along, for the coefficient of restitution.
    bool contactResolved = false;
    double contactLine = 0.0;
    double scale = 20.0;
    double tiltAccel = 0.0;
    double pushAccel = 0.0;
    // where the handles are remembered: the pucks are aimed at them at Reset
    int32_t redHandleLeft = 0, redHandleTop = 0, blackHandleLeft = 0, blackHandleTop = 0;
    double redStartDirection = 0.0, blackStartDirection = 0.0;
    double minSpringGap = 1000.0;
    std::array<int32_t, 6> frequencyDivisors{1, 2, 4, 5, 10, 20};

    // The physics' parameters, written by the set-up rules. They may differ
    // from the model's settings where the controls always have: a file's
    // raw spring kind and range, or the spring still running in 2-D.
    int redCharge = 100;   // tenths of a charge unit, -100..100
    int blackCharge = 100;   // 0..100
    int springK = 10;   // N/m
    int springLength = 50;   // px, shown at 20 px per cm
    int springKind = 3;   // 3 elastic, 4 inelastic
    int electroRange = 0;   // 0 until a range entry is chosen
    int circleFriction = 0;   // 0..4
    Interaction interactionMode = Interaction::Elastic;
    int elasticPercent = 50;
    int intervalMs = 10;
    int dimension = 2;   // 2 = 2-D, 1 = 1-D
    int massCount = 2;   // 2 or 1
    bool plottingError = false;

    // The spring step's reading for its label: "Spring Compressed: x cm" in reach, and
    // "Spring Compressed 0.00 cm" (no colon) out of it.
    struct SpringReading {
        bool colon = false;
        double cm = 0.0;
    } springReading;

    SampleLog sampleLog;
    // The velocities at the start, as Reset wrote them into entry 1.
    VelocitySample startVelocities;

    // Plotting error draws; seeded once, no allocation per draw.
    std::minstd_rand rng{12345u};
};

// Whether a run has started since the last Reset: the one test of it.
inline bool runStarted(const SimState& s)
{
    return s.tick > 1;
}

// Samples between two strobe marks at a frequency list index (20 Hz .. 1 Hz);
// an index out of the list counts as 20 Hz.
inline int strobeDivisor(const SimState& s, int index)
{
    return s.frequencyDivisors[static_cast<size_t>(index >= 0 && index < 6 ? index : 0)];
}

}   // namespace sim
