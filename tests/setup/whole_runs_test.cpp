// Whole runs through the window, drawing included. Slow, so not part of
// ctest: run by hand, best in the sanitizer build:
//   QT_QPA_PLATFORM=offscreen build-asan/tests/gui_soak_tests
#include "table_fixture.h"

class WholeRunTest : public TableTest {};

TEST_F(WholeRunTest, WholeRunOfEveryNewMode)
{
    c().speedSlow->trigger();   // one event per tick
    c().cbfreq->setCurrentIndex(0);
    auto runToLimit = [this](const char* mode) {
        if (!c().colltimer->isActive())
            c().Startbt->click();
        while (c().colltimer->isActive())
            window->runControl().timerEvent();
        EXPECT_GE(s().tick, 9998) << mode;   // 9999 at Slow, where the last step ends a tick
        c().Timesb->setValue(5000);
        c().Resetbt->click();
    };
    eachNewMode(runToLimit);
}
