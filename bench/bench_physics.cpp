// The board's physics at its worst moment: the picture's copy of a whole run
// seen from the centre of mass (done at every picture while the view is on),
// slow motion's look ahead at Start, and the energy of every sample.
#include <benchmark/benchmark.h>
#include <memory>

#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "engine/run_physics.h"
#include "engine/slow_motion.h"
#include "experiments/catalogue.h"
#include "experiments/record_setup.h"

namespace {

struct Entry {
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*s};
    explicit Entry(int entry)
    {
        const exper::ParameterParse p = exper::parseParameterText(exper::catalogueExperiment(entry)->parameterText());
        exper::applyRecord(setup.rules(), *s, setup, *p.record, exper::RecordSource::Catalogue);
    }
    void run()
    {
        sim::HeadlessRun r(*s);
        r.start();
        r.runThrough(sim::kMaxTick);
    }
};

void BM_CmFramePicture(benchmark::State& state)
{
    Entry e(9);
    e.run();
    auto copy = std::make_unique<sim::SimState>();
    for (auto _ : state) {
        *copy = *e.s;
        sim::seeFromCentreOfMass(*copy, e.s->timeLineEnd);
        benchmark::DoNotOptimize(copy->sampleLog.positions[100].redX);
    }
}
BENCHMARK(BM_CmFramePicture)->Unit(benchmark::kMillisecond);

void BM_ForeseeSlowSpan(benchmark::State& state)
{
    Entry e(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::foreseeSlowSpan(*e.s, e.setup.model()));
}
BENCHMARK(BM_ForeseeSlowSpan)->Arg(9)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_EnergyEverySample(benchmark::State& state)
{
    Entry e(8);
    e.run();
    const sim::RunPhysics p = sim::runPhysicsOf(*e.s, e.setup.model());
    for (auto _ : state) {
        double total = 0.0;
        for (int i = 1; i <= e.s->timeLineEnd; ++i)
            total += sim::energiesAt(p, e.s->sampleLog, i).total;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_EnergyEverySample)->Unit(benchmark::kMillisecond);

}   // namespace

BENCHMARK_MAIN();
