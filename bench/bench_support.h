#pragma once
// What the benchmarks share: a platform without dialogs, the worst log,
// and a main that runs offscreen unless told otherwise.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/sim_state.h"
#include "ui/platform.h"

struct NoDialogs : QtPlatformServices {
    int execModal(QDialog&) override { return 0; }
    void showAbout(QWidget*) override {}
};

// A full log whose every dot and mark lands on the image: the worst picture.
inline void fillOnImage(sim::SimState& s)
{
    for (int n = 1; n <= sim::kTickCeiling; ++n) {
        const double t = n * 0.01;
        auto& e = s.sampleLog.positions[static_cast<size_t>(n)];
        e.redX = 380 + 350 * std::sin(t * 1.3);
        e.redY = 183 + 170 * std::sin(t * 2.1);
        e.blackX = 380 + 350 * std::cos(t * 0.7);
        e.blackY = 183 + 170 * std::cos(t * 1.9);
    }
}

inline int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
