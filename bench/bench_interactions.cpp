// Worst timer events of the spring, electrostatic and circle modes.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_interactions
#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <memory>

#include "setup/controls.h"
#include "setup/puck_placer.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/platform.h"

namespace {

void worstEvent(benchmark::State& state, std::unique_ptr<TableWindow>& w, bool fill)
{
    sim::SimState& s = w->state();
    if (!w->controls().colltimer->isActive())
        w->controls().Startbt->click();
    if (fill)
        fillOnImage(s);
    for (auto _ : state) {
        s.tick = 9998;
        s.stepPhase = 0;
        w->runControl().timerEvent();
    }
}

std::unique_ptr<TableWindow> makeWindow(NoDialogs& platform)
{
    auto w = std::make_unique<TableWindow>(platform);
    w->controls().delaytimer1->stop();
    w->controls().cbfreq->setCurrentIndex(0);   // 20 Hz
    return w;
}

void BM_CircleWorstTimerEvent(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    w->controls().Circle1->trigger();
    w->controls().friction[1]->trigger();
    w->puckPlacer().launch(20);
    worstEvent(state, w, false);   // the whole circle up to tick 9998
}
BENCHMARK(BM_CircleWorstTimerEvent)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SpringWorstTimerEvent(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    w->controls().springElastic->trigger();
    w->controls().Centerofmass1->trigger();
    worstEvent(state, w, true);
}
BENCHMARK(BM_SpringWorstTimerEvent)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ElectrostaticWorstTimerEvent(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    w->controls().electroUnlimited->trigger();
    w->controls().c1sb->setValue(-100);
    w->controls().Centerofmass1->trigger();
    worstEvent(state, w, true);
}
BENCHMARK(BM_ElectrostaticWorstTimerEvent)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}   // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
