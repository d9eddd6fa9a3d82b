// Timer-event cost of a run, redraws included, driven headless.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_timer_event
#include <QApplication>
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <memory>

#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "view/time_line.h"

#include "ui/platform.h"
#include <QSignalBlocker>

namespace {

std::unique_ptr<TableWindow> makeWindow(NoDialogs& platform)
{
    auto w = std::make_unique<TableWindow>(platform);
    Controls& c = w->controls();
    c.delaytimer1->stop();
    c.cbfreq->setCurrentIndex(0);   // 20 Hz: a dot for every sample
    c.Centerofmass1->trigger();   // and a mark for every sample
    return w;
}

void BM_WorstTimerEvent(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    sim::SimState& s = w->state();
    w->controls().Startbt->click();
    fillOnImage(s);
    for (auto _ : state) {
        s.tick = 9998;
        s.stepPhase = 0;
        w->runControl().timerEvent();   // draws samples 1..9998
    }
}
BENCHMARK(BM_WorstTimerEvent)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TimerEventBetweenTicks(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    sim::SimState& s = w->state();
    w->controls().Startbt->click();
    for (auto _ : state) {
        s.stepPhase = 1;   // a sub-step: motion only, no redraw
        w->runControl().timerEvent();
    }
}
BENCHMARK(BM_TimerEventBetweenTicks)->Unit(benchmark::kMicrosecond);

void BM_ReplayStep(benchmark::State& state)
{
    NoDialogs platform;
    auto w = makeWindow(platform);
    sim::SimState& s = w->state();
    Controls& c = w->controls();
    c.Startbt->click();
    fillOnImage(s);
    s.tick = 9999;
    s.timeLineEnd = 9999;   // the run's clock, which the time line shows
    c.Timesb->setMaximum(9999);
    c.Startbt->click();   // paused at the end of a full run
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(c.Timesb);
            c.Timesb->setValue(9997);
        }
        w->timeLine().replayTimerEvent();   // shows tick 9998 of 9999
    }
}
BENCHMARK(BM_ReplayStep)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_WholeRun(benchmark::State& state)
{
    for (auto _ : state) {
        NoDialogs platform;
        auto w = makeWindow(platform);
        sim::SimState& s = w->state();
        // pucks at rest: both stay on the table, every dot is drawn
        w->controls().v1sb->setValue(0);
        w->controls().Startbt->click();
        int events = 0;
        while (w->controls().colltimer->isActive()) {
            w->runControl().timerEvent();
            ++events;
        }
        state.counters["events"] = events;
        state.counters["lastTick"] = s.tick;
    }
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kSecond)->Iterations(1);

}   // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
