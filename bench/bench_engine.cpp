// The physics alone, no window: a whole catalogue run to the tick limit
// through the headless runner, from the headless set-up of the entry; and
// the export of a whole run, the CSV written, as the command line does it.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "datawin/data_export.h"
#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "experiments/catalogue.h"
#include "experiments/record_setup.h"

namespace {
// The state right after a catalogue entry's Ok, before Start.
std::unique_ptr<sim::SimState> setUpOf(int entry, bool* arrows)
{
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    const exper::ParameterParse p = exper::parseParameterText(exper::catalogueExperiment(entry)->parameterText());
    exper::applyRecord(setup.rules(), *s, setup, *p.record, exper::RecordSource::Catalogue);
    *arrows = setup.model().mark(sim::ArrowsMark);
    return s;
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

// The whole table of a run to the tick limit, every column and every
// sample, written as CSV (or TSV) text.
void BM_DataTableWholeRun(benchmark::State& state)
{
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    const exper::ParameterParse p = exper::parseParameterText(exper::catalogueExperiment(9)->parameterText());
    exper::applyRecord(setup.rules(), *s, setup, *p.record, exper::RecordSource::Catalogue);
    sim::HeadlessRun run(*s, setup.model().mark(sim::ArrowsMark));
    run.start();
    run.runThrough(sim::kMaxTick);
    dw::RunData data = dw::runDataOf(*s, setup.model());
    data.springShown = true;
    dw::TableChoice all;
    all.columns.fill(true);
    all.lastPosition = run.lastShown();
    dw::DataExport e;
    e.content = dw::ExportContent::EverySample;
    e.format = static_cast<dw::SheetFormat>(state.range(0));
    for (auto _ : state) {
        const std::string text = dw::exportText(data, all, e, "cm");
        benchmark::DoNotOptimize(text.data());
        state.counters["bytes"] = static_cast<double>(text.size());
    }
}
BENCHMARK(BM_DataTableWholeRun)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

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
    QCoreApplication app(argc, argv);   // for QProcess only
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
