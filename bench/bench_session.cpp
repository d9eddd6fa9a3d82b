// A zoom and a language change, from the choice to the windows made again
// and drawn, and the time from nothing to a shown table window.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_session
#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include "app/session.h"
#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/language.h"

namespace {

// A run of 200 ticks, paused: what a class zooms in on.
void runFor(TableWindow& w, int ticks)
{
    w.controls().Startbt->click();
    for (int i = 0; i < ticks * w.state().eventsPerTick; ++i)
        w.runControl().timerEvent();
    w.controls().Startbt->click();
}

void BM_Zoom(benchmark::State& state)
{
    NoDialogs platform;
    Session session(platform, 100);
    session.table().show();
    runFor(session.table(), 200);
    int percent = 100;
    for (auto _ : state) {
        percent = percent == 100 ? 200 : 100;
        session.setZoom(percent);
        if (!QTest::qWaitForWindowExposed(&session.table()))
            state.SkipWithError("the window did not show");
        session.table().repaint();
    }
    session.setZoom(100);
}
BENCHMARK(BM_Zoom)->Unit(benchmark::kMillisecond);

void BM_LanguageChange(benchmark::State& state)
{
    NoDialogs platform;
    Session session(platform, 100);
    session.table().show();
    runFor(session.table(), 200);
    QString code = QStringLiteral("en");
    for (auto _ : state) {
        code = code == QLatin1String("en") ? QStringLiteral("de") : QStringLiteral("en");
        session.setLanguage(code);
        if (!QTest::qWaitForWindowExposed(&session.table()))
            state.SkipWithError("the window did not show");
        session.table().repaint();
    }
    session.setLanguage(QStringLiteral("en"));
}
BENCHMARK(BM_LanguageChange)->Unit(benchmark::kMillisecond);

void BM_StartToShownWindow(benchmark::State& state)
{
    NoDialogs platform;
    for (auto _ : state) {
        Session session(platform, 100);
        session.table().show();
        if (!QTest::qWaitForWindowExposed(&session.table()))
            state.SkipWithError("the window did not show");
        session.table().repaint();
    }
}
BENCHMARK(BM_StartToShownWindow)->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
