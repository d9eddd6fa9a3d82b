// Investigations: 100 points of 400-tick runs and of whole 9998-tick runs on
// every core, and the worst wait of a 10 ms window timer while one runs.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <thread>

#include "bench_support.h"
#include "datawin/investigation.h"
#include "engine/headless_setup.h"

namespace {
struct Base {
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*s};
    std::vector<double> masses;
    Base()
    {
        dw::SweepError e;
        masses = dw::sweepValues({dw::Vary::RedMass, 0.5, 10.4, 0.1}, {setup.model(), s.get()}, &e);
    }
};

int cores()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void investigateFor(benchmark::State& state, int ticks)
{
    Base base;
    const std::vector<dw::Measure> measures = {dw::Measure::RedSpeed, dw::Measure::BlackSpeed};
    for (auto _ : state)
        benchmark::DoNotOptimize(dw::investigate({base.setup.model(), base.s.get()}, dw::Vary::RedMass, base.masses,
                                                 measures, ticks, cores()));
    state.counters["points"] = static_cast<double>(base.masses.size());
    state.counters["threads"] = cores();
}
}   // namespace

static void BM_Investigate100Points400Ticks(benchmark::State& state)
{
    investigateFor(state, 400);
}
BENCHMARK(BM_Investigate100Points400Ticks)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_Investigate100WholeRuns(benchmark::State& state)
{
    investigateFor(state, 9998);
}
BENCHMARK(BM_Investigate100WholeRuns)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page's way: the points on a thread of their own, the window's loop
// polling; the worst gap between two events of a 10 ms timer meanwhile.
static void BM_WindowTimerDuringWholeRuns(benchmark::State& state)
{
    Base base;
    double worst = 0.0;
    for (auto _ : state) {
        std::atomic<bool> finished{false};
        std::thread worker([&] {
            dw::investigate({base.setup.model(), base.s.get()}, dw::Vary::RedMass, base.masses, {dw::Measure::RedSpeed},
                            9998, cores());
            finished = true;
        });
        QEventLoop loop;
        QTimer tick;
        tick.setInterval(10);
        QElapsedTimer since;
        since.start();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worst = std::max(worst, static_cast<double>(since.restart()));
            if (finished)
                loop.quit();
        });
        tick.start();
        loop.exec();
        worker.join();
    }
    state.counters["worst_gap_ms"] = worst;
}
BENCHMARK(BM_WindowTimerDuringWholeRuns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
