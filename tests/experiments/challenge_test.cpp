#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "engine/table_start.h"
#include "experiments/challenge_setup.h"
#include "experiments/record_setup.h"

namespace {

using sim::ChallengeKind;

struct Velocity {
    double x = 0, y = 0;
    double length() const { return std::hypot(x, y); }
};

// A student with the ruler and the time line: dots read at whole pixels,
// times from the tick, speeds in cm/s between the first and the last dot of
// each stretch (before the contact, and on the table after it).
class Student {
public:
    explicit Student(const sim::ChallengeSet& c) : c_(c)
    {
        sim::HeadlessSetup setup(*s_);
        exper::applyRecord(setup.rules(), *s_, setup, exper::challengeRecord(c), exper::RecordSource::Catalogue);
        sim::HeadlessRun run(*s_);
        run.start();
        run.runThrough(400);
        contact_ = s_->collisionTick;
    }
    double answer() const
    {
        const double m1 = c_.redMass / 10.0;
        const Velocity r1 = after(true), r2 = after(false);
        switch (c_.kind) {
        case ChallengeKind::Speed: return (m1 * r1.x + c_.blackMass / 10.0 * r2.x) / m1;
        case ChallengeKind::Restitution: return 100.0 * (r2.x - r1.x) / before().x;
        case ChallengeKind::Mass: return m1 * (before().x - r1.x) / r2.x;
        default: return m1 * Velocity{before().x - r1.x, before().y - r1.y}.length() / r2.length();
        }
    }

private:
    // the dot of puck `red` at sample i, at the pixel the ruler snaps to
    std::pair<int, int> dot(bool red, int i) const
    {
        const sim::PositionSample& p = s_->sampleLog.positions[static_cast<size_t>(i)];
        return red ? std::pair{static_cast<int>(p.redX), static_cast<int>(p.redY)}
                   : std::pair{static_cast<int>(p.blackX), static_cast<int>(p.blackY)};
    }
    Velocity between(bool red, int from, int to) const
    {
        const auto [x0, y0] = dot(red, from);
        const auto [x1, y1] = dot(red, to);
        const double t = (to - from) * 0.05, k = 20.0;
        return {(x1 - x0) / k / t, -(y1 - y0) / k / t};
    }
    Velocity before() const { return between(true, 1, contact_); }
    Velocity after(bool red) const
    {
        int last = contact_ + 1;
        while (last < 400 && onTable(red, last + 1))
            ++last;
        return between(red, contact_ + 1, last);
    }
    bool onTable(bool red, int i) const
    {
        const auto [x, y] = dot(red, i);
        return x >= 0 && x < sim::kTableWidth && y >= 0 && y < sim::kTableHeight;
    }
    sim::ChallengeSet c_;
    std::unique_ptr<sim::SimState> s_ = std::make_unique<sim::SimState>();
    int contact_ = 0;
};

constexpr ChallengeKind kKinds[] = {ChallengeKind::Mass, ChallengeKind::Restitution, ChallengeKind::Speed,
                                    ChallengeKind::Glancing};

TEST(ChallengeTest, EverySeedCanBeSolvedFromTheTraceWithinTheTolerance)
{
    for (const ChallengeKind kind : kKinds) {
        double worst = 0;
        for (int seed = 1; seed <= 200; ++seed) {
            const sim::ChallengeSet c = exper::challengeSet(kind, seed);
            ASSERT_TRUE(exper::meetsCleanly(c)) << sim::challengeKindName(kind) << " " << seed;
            const double want = sim::challengeAnswer(c);
            const double error = std::fabs(Student(c).answer() - want) / want;
            worst = std::max(worst, error);
            EXPECT_LE(error, sim::challengeTolerance(kind)) << sim::challengeKindName(kind) << " seed " << seed;
        }
        std::cout << sim::challengeKindName(kind) << ": worst " << worst * 100 << " %\n";
    }
}

}   // namespace
