// The data window at its largest: N = 9999, every column, 20 Hz.
// Run by hand: build/bench/bench_data_window
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <memory>

#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "datawin/table_text.h"
#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/platform.h"
#include "ui/widgets.h"

namespace {

struct Setup {
    NoDialogs platform;
    std::unique_ptr<TableWindow> w;
    std::unique_ptr<DataWindow> d;
    Setup()
    {
        w = std::make_unique<TableWindow>(platform);
        w->controls().delaytimer1->stop();
        w->controls().springElastic->trigger();   // every column, the spring's too
        sim::SimState& s = w->state();
        for (int n = 1; n <= sim::kTickCeiling; ++n) {
            s.sampleLog.velocities[static_cast<size_t>(n)] = {5.0 + std::sin(n * 0.01), n * 0.001,
                                                              2.0 + std::cos(n * 0.02), -n * 0.002};
            s.sampleLog.compression[static_cast<size_t>(n)] = std::fabs(std::sin(n * 0.003));
        }
        s.tick = sim::kTickCeiling;
        w->controls().Timesb->setMaximum(sim::kTickCeiling);
        d = std::make_unique<DataWindow>(*w, platform);
        TablePage& t = d->tablePage();
        for (QCheckBox* b :
             {t.speed1cb, t.angle1cb, t.energy1cb, t.mom1cb, t.speed2cb, t.angle2cb, t.energy2cb, t.mom2cb, t.Sprcb})
            b->setChecked(true);
        d->graphPage().drawcb->setCurrentIndex(4);
        d->graphPage().plotEnergy->setChecked(true);
        d->graphPage().spcb->setChecked(true);
    }
};

void BM_BuildTableText(benchmark::State& state)
{
    Setup s;
    s.d->activate();
    dw::RunData run;
    run.log = &s.w->state().sampleLog;
    run.springShown = true;
    dw::TableChoice c;
    c.columns.fill(true);
    c.lastPosition = sim::kTickCeiling;
    for (auto _ : state)
        benchmark::DoNotOptimize(dw::buildTableText(run, c));
}
BENCHMARK(BM_BuildTableText)->Unit(benchmark::kMillisecond);

void BM_Activation(benchmark::State& state)
{
    Setup s;
    for (auto _ : state)
        s.d->activate();
}
BENCHMARK(BM_Activation)->Unit(benchmark::kMillisecond);

void BM_TimeBarMove(benchmark::State& state)
{
    Setup s;
    s.d->activate();
    QScrollBar* tdsb = s.d->tablePage().tdsb;
    int v = sim::kTickCeiling;
    for (auto _ : state) {
        v = v == sim::kTickCeiling ? sim::kTickCeiling - 1 : sim::kTickCeiling;
        tdsb->setValue(v);
    }
}
BENCHMARK(BM_TimeBarMove)->Unit(benchmark::kMillisecond);

void BM_ExtremesAndGraph(benchmark::State& state)
{
    Setup s;
    s.d->activate();
    s.d->tabs()->setCurrentIndex(1);
    GraphPage& g = s.d->graphPage();
    for (auto _ : state) {
        g.computeGraphExtremes();
        g.drawGraph();
    }
}
BENCHMARK(BM_ExtremesAndGraph)->Unit(benchmark::kMillisecond);

void BM_MomentumDragMove(benchmark::State& state)
{
    Setup s;
    s.d->activate();
    MomentumPage& m = s.d->momentumPage();
    MovableShape* ra = m.handle(2);
    m.shapeDown();
    int dx = 1;
    for (auto _ : state) {
        dx = -dx;
        m.shapeMove(ra, 3 + dx, 3);
    }
    m.shapeUp();
}
BENCHMARK(BM_MomentumDragMove)->Unit(benchmark::kMicrosecond);

}   // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
