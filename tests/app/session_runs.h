#pragma once
// Runs in a session's table window, driven by calling its timer event
// instead of waiting on the clock.
#include <QPushButton>
#include <QTimer>

#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"

inline void runTicks(TableWindow& w, int n)
{
    w.controls().Startbt->click();
    for (int i = 0; i < n * w.state().eventsPerTick; ++i)
        w.runControl().timerEvent();
}

// A fresh table's run, n ticks in, paused.
inline void pauseAfter(TableWindow& w, int n)
{
    w.controls().delaytimer1->stop();
    runTicks(w, n);
    w.controls().Startbt->click();
}
