// libFuzzer target: any 27 integers applied to the table window (offscreen),
// which draws the set-up, then a few ticks run with the picture drawn. The
// input's bytes are the record's fields, four bytes each, little-endian, so
// the fuzzer reaches the ends of the 32-bit range directly.
#include <QApplication>
#include <QTimer>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "experiments/experiment_record.h"
#include "experiments/record_applier.h"
#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/silent_platform.h"

namespace {
struct World {
    World()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 1;
        static char name[] = "record_apply_fuzz";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        window = std::make_unique<TableWindow>(platform);
        window->controls().delaytimer1->stop();
        applier = std::make_unique<RecordApplier>(*window);
    }
    std::unique_ptr<QApplication> app;
    SilentPlatform platform;
    std::unique_ptr<TableWindow> window;
    std::unique_ptr<RecordApplier> applier;
};
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World w;
    exper::ExperimentRecord r;
    for (size_t i = 0; i < r.f.size(); ++i) {
        int32_t v = 0;
        if (4 * i + 4 <= size)
            std::memcpy(&v, data + 4 * i, 4);
        r.f[i] = v;
    }
    Controls& c = w.window->controls();
    c.Resetbt->click();
    w.applier->apply(r, size % 2 ? RecordApplier::Source::File : RecordApplier::Source::Catalogue);
    c.Startbt->click();
    for (int i = 0; i < 15 && c.colltimer->isActive(); ++i)
        w.window->runControl().timerEvent();
    c.Startbt->click();
    const sim::SimState& s = w.window->state();
    if (s.tick < 1 || s.tick > 9999 || s.viewTick < 1 || s.viewTick > s.tick)
        std::abort();
    for (int t = 1; t < s.tick; ++t) {
        const sim::PositionSample& p = s.sampleLog.positions[static_cast<size_t>(t)];
        if (!std::isfinite(p.redX) || !std::isfinite(p.redY) || !std::isfinite(p.blackX) || !std::isfinite(p.blackY))
            std::abort();
    }
    // a record made now applies again without trouble
    w.applier->apply(w.applier->makeRecord(), RecordApplier::Source::File);
    return 0;
}
