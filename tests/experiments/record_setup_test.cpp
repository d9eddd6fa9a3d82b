// The table window and the headless set-up apply records alike: the same
// record after the same records before leaves the same settings and state.
#include "experiments/experiment_fixture.h"

#include <random>

#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "experiments/record_setup.h"
#include "same_state.h"

namespace {

ExperimentRecord randomRecord(std::mt19937& rng)
{
    auto pick = [&](std::initializer_list<int> values) {
        std::uniform_int_distribution<size_t> d(0, values.size() - 1);
        return *(values.begin() + static_cast<std::ptrdiff_t>(d(rng)));
    };
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ExperimentRecord r;
    for (F f : {F::RedPuckLeft, F::BlackPuckLeft, F::RedHandleLeft, F::BlackHandleLeft})
        r[f] = between(-40, 800);
    for (F f : {F::RedPuckTop, F::BlackPuckTop, F::RedHandleTop, F::BlackHandleTop})
        r[f] = between(-40, 400);
    r[F::TableAngle] = between(-50, 1100);
    r[F::SpringK] = between(-5, 210);
    r[F::SpringLength] = between(0, 210);
    r[F::ElasticPercent] = between(-10, 210);
    r[F::RedCharge] = between(-110, 110);
    r[F::BlackCharge] = between(-10, 110);
    r[F::RedMass] = between(-5, 210);
    r[F::BlackMass] = between(-5, 210);
    r[F::RedSpeed] = between(-10, 510);
    r[F::BlackSpeed] = between(-10, 510);
    r[F::Dimension] = pick({1, 2, 1, 2, 0, 3});
    r[F::SpringKind] = pick({3, 4, 3, 4, 0});
    r[F::ElectroRange] = pick({1000, 100, 50, 20, 0, 7});
    r[F::MassCount] = pick({1, 2, 1, 2, 0});
    r[F::Interaction] = between(0, 7);
    r[F::CircleSize] = pick({0, 1, 2, -2, 5});
    r[F::Scale] = pick({50, 20, 5, 3});
    r[F::ViewFlags] = between(0, 4095);
    r[F::FrequencyIndex] = between(-2, 8);
    return r;
}

}   // namespace

TEST_F(ExperimentTest, WindowAndHeadlessSetUpApplyRecordsAlike)
{
    auto headlessState = std::make_unique<sim::SimState>();
    sim::HeadlessSetup headless(*headlessState);
    expectSameState(s(), *headlessState, 0);
    EXPECT_EQ(now(), exper::recordOf(headless.model(), *headlessState));

    std::mt19937 rng(20261208);
    for (int round = 1; round <= 400 && !HasFailure(); ++round) {
        const ExperimentRecord r = randomRecord(rng);
        const bool catalogue = round % 3 == 0;
        box->applier().apply(r, catalogue ? RecordApplier::Source::Catalogue : RecordApplier::Source::File);
        exper::applyRecord(headless.rules(), *headlessState, headless, r,
                           catalogue ? exper::RecordSource::Catalogue : exper::RecordSource::File);
        EXPECT_EQ(exper::parameterText(now()), exper::parameterText(exper::recordOf(headless.model(), *headlessState)))
            << "round " << round << ": " << exper::parameterText(r);
        expectSameState(s(), *headlessState, round);
        if (round % 4 == 0) {
            // a stretch of a run, leaving the next record a table mid-run
            runTicks(25);
            sim::HeadlessRun run(*headlessState, headless.model().mark(sim::ArrowsMark));
            run.start();
            run.runThrough(25);
            expectSameState(s(), *headlessState, round);
            for (int t = 1; t <= 25; ++t) {
                const sim::PositionSample &p = s().sampleLog.positions[t], &q = headlessState->sampleLog.positions[t];
                EXPECT_TRUE(p.redX == q.redX && p.redY == q.redY && p.blackX == q.blackX && p.blackY == q.blackY)
                    << "round " << round << " tick " << t;
            }
        }
    }
}
