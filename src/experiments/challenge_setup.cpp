#include "experiments/challenge_setup.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "engine/sim_state.h"
#include "engine/table_start.h"
#include "experiments/record_setup.h"

namespace exper {

using sim::ChallengeKind;
using F = ExperimentRecord::Field;

namespace {
constexpr int kTrackTop = 183;   // the 1-D track's row, as the catalogue's 1-D entries have it
constexpr int kScale = 20;   // pixels per cm: the medium scale
constexpr int kFirstContact = 6, kLastContact = 200, kSamplesAfter = 10;
constexpr int kMaxDraws = 64;

int side(const sim::ChallengeSet& c)
{
    return c.dimension == 1 ? 48 : (c.circleSize * 14 + 48) / 2;
}

// A mass for the black puck from half to twice the red one's (2.5 times
// when it is what is sought head-on): further apart, the difference of two
// measured speeds that gives it grows too small to read.
int blackMassFor(ChallengeDraw& d, int red, int most)
{
    return d.between(std::max(1, (red + 1) / 2), std::min(sim::kMassRange.max, red * most / 10));
}

sim::ChallengeSet draw(ChallengeKind kind, int seed, ChallengeDraw& d)
{
    sim::ChallengeSet c;
    c.kind = kind;
    c.seed = seed;
    c.redMass = d.between(10, 30);
    if (kind == ChallengeKind::Glancing) {
        c.dimension = 2;
        c.circleSize = 2;
        c.blackMass = blackMassFor(d, c.redMass, 20);
        c.redSpeed = d.between(50, 100);
        const int r = side(c) / 2, offset = d.between(10, 26) * (d.between(0, 1) ? 1 : -1);
        c.redLeft = sim::kImageLeft + d.between(60, 120) - r;
        c.redTop = sim::kImageTop + 183 - r;
        c.blackLeft = sim::kImageLeft + d.between(260, 360) - r;
        c.blackTop = c.redTop + offset;
        return c;
    }
    c.blackMass = blackMassFor(d, c.redMass, kind == ChallengeKind::Mass ? 25 : 20);
    c.redSpeed = kind == ChallengeKind::Speed ? d.between(30, 120) : d.between(40, 100);
    if (kind == ChallengeKind::Restitution)
        c.percent = d.between(30, 95);
    c.redLeft = sim::kImageLeft + d.between(80, 160) - 24;
    c.blackLeft = sim::kImageLeft + d.between(320, 440) - 24;
    c.redTop = c.blackTop = kTrackTop;
    return c;
}

bool onTable(double x, double y)
{
    return x >= 0 && x < sim::kTableWidth && y >= 0 && y < sim::kTableHeight;
}
}   // namespace

ChallengeDraw::ChallengeDraw(ChallengeKind kind, int seed)
    : state_(static_cast<uint32_t>(seed) * 8u + static_cast<uint32_t>(kind))
{}

int ChallengeDraw::between(int lo, int hi)
{
    state_ = state_ * 1664525u + 1013904223u;
    uint32_t h = state_;
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return lo + static_cast<int>(h % static_cast<uint32_t>(hi - lo + 1));
}

sim::ChallengeSet challengeSet(ChallengeKind kind, int seed)
{
    seed = std::clamp(seed, sim::kFirstSeed, sim::kLastSeed);
    ChallengeDraw d(kind, seed);
    sim::ChallengeSet c = draw(kind, seed, d);
    for (int i = 1; i < kMaxDraws && !meetsCleanly(c); ++i)
        c = draw(kind, seed, d);
    return c;
}

ExperimentRecord challengeRecord(const sim::ChallengeSet& c)
{
    ExperimentRecord r;
    const int s = side(c), r0 = s / 2;
    const int handleGap = s + 20, handleDrop = r0 - 3;   // a handle due east: the aim is 0°
    r[F::RedPuckLeft] = c.redLeft;
    r[F::RedPuckTop] = c.redTop;
    r[F::RedHandleLeft] = c.redLeft + handleGap;
    r[F::RedHandleTop] = c.redTop + handleDrop;
    r[F::BlackPuckLeft] = c.blackLeft;
    r[F::BlackPuckTop] = c.blackTop;
    r[F::BlackHandleLeft] = c.blackLeft + handleGap;
    r[F::BlackHandleTop] = c.blackTop + handleDrop;
    r[F::SpringK] = 10;
    r[F::SpringLength] = 50;
    r[F::ElasticPercent] = c.percent;
    r[F::RedCharge] = 100;
    r[F::RedMass] = c.redMass;
    r[F::RedSpeed] = c.redSpeed;
    r[F::BlackCharge] = 100;
    r[F::BlackMass] = c.blackMass;
    r[F::Dimension] = c.dimension;
    r[F::SpringKind] = 3;
    r[F::ElectroRange] = 1000;
    r[F::MassCount] = 2;
    r[F::Interaction] = c.kind == ChallengeKind::Restitution ? 4 : 2;
    r[F::CircleSize] = c.circleSize;
    r[F::Scale] = kScale;
    r[F::ViewFlags] =
        sim::TraceCentresMark | sim::RedBeforeMark | sim::BlackBeforeMark | sim::RedAfterMark | sim::BlackAfterMark;
    return r;
}

bool meetsCleanly(const sim::ChallengeSet& c)
{
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    applyRecord(setup.rules(), *s, setup, challengeRecord(c), RecordSource::Catalogue);
    sim::HeadlessRun run(*s);
    run.start();
    run.runThrough(kLastContact + kSamplesAfter + 1);
    const int contact = s->collisionTick;
    if (!s->collided || contact < kFirstContact || contact > kLastContact)
        return false;
    for (int i = contact + 1; i <= contact + kSamplesAfter + 1; ++i) {
        const sim::PositionSample& p = s->sampleLog.positions[static_cast<size_t>(i)];
        if (!onTable(p.redX, p.redY) || !onTable(p.blackX, p.blackY))
            return false;
    }
    return true;
}

std::string challengeKey(ChallengeKind kind, int from, int to)
{
    // places are the pucks' centres, y from the top as Set Up Exactly has it;
    // the radius tells the glancing kind's large pucks from the small
    std::string out = "seed,red mass (kg),red speed (cm/s),red direction (deg),red x (cm),red y (cm),red radius (cm),"
                      "black mass (kg),black speed (cm/s),black direction (deg),black x (cm),black y (cm),"
                      "black radius (cm),percent,answer (";
    out += sim::challengeUnit(kind);
    out += ")\n";
    for (int seed = std::max(from, sim::kFirstSeed); seed <= std::min(to, sim::kLastSeed); ++seed) {
        const sim::ChallengeSet c = challengeSet(kind, seed);
        const double r = side(c) / 2.0;
        auto cm = [](double px) { return px / kScale; };
        char line[256];
        std::snprintf(line, sizeof line, "%d,%.1f,%.1f,0,%.2f,%.2f,%.2f,%.1f,0.0,0,%.2f,%.2f,%.2f,%d,%.*f\n", seed,
                      c.redMass / 10.0, c.redSpeed / 10.0, cm(c.redLeft + r - sim::kImageLeft),
                      cm(c.redTop + r - sim::kImageTop), cm(r), c.blackMass / 10.0,
                      cm(c.blackLeft + r - sim::kImageLeft), cm(c.blackTop + r - sim::kImageTop), cm(r), c.percent,
                      kind == ChallengeKind::Restitution ? 0 : 1, sim::challengeAnswer(c));
        out += line;
    }
    return out;
}

}   // namespace exper
