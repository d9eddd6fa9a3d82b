// The physics alone: a whole catalogue run to the tick limit through the
// headless runner, from a set-up the window made once; and the export of a
// whole run, the CSV written, as the command line does it.
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "bench_support.h"
#include "engine/headless_run.h"
#include "experiments/catalogue.h"
#include "experiments/experiment_box.h"
#include "setup/controls.h"
#include "setup/table_window.h"

namespace {
// The state right after a catalogue entry's Ok, before Start.
std::unique_ptr<sim::SimState> setUpOf(int entry, bool* arrows)
{
    NoDialogs platform;
    TableWindow window(platform);
    window.controls().delaytimer1->stop();
    ExperimentBox box(window, platform);
    box.showEntry(*exper::catalogueExperiment(entry));
    box.cancelOrOk();
    window.controls().speedFast->trigger();
    *arrows = window.controls().Arrows1->isChecked();
    return std::make_unique<sim::SimState>(window.state());
}

void BM_EngineWholeRun(benchmark::State& state)
{
    bool arrows = false;
    const std::unique_ptr<sim::SimState> setUp = setUpOf(static_cast<int>(state.range(0)), &arrows);
    auto s = std::make_unique<sim::SimState>();
    for (auto _ : state) {
        state.PauseTiming();
        *s = *setUp;
        state.ResumeTiming();
        sim::HeadlessRun run(*s, arrows);
        run.start();
        run.runThrough(sim::kMaxTick);
        benchmark::DoNotOptimize(s->sampleLog.positions[sim::kMaxTick].redX);
    }
}
BENCHMARK(BM_EngineWholeRun)->Arg(3)->Arg(9)->Arg(13)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_ExportWholeRun(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("run.csv"));
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(SLIDORA_BINARY),
                {QStringLiteral("--export-trace"), QStringLiteral("--catalogue"), QString::number(state.range(0)),
                 QStringLiteral("--output"), out});
        p.waitForFinished(60000);
        if (p.exitCode() != 0)
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_ExportWholeRun)->Arg(9)->Unit(benchmark::kMillisecond)->UseRealTime();
}   // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
