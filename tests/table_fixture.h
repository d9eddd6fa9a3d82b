#pragma once
#include <gtest/gtest.h>

#include "colour.h"

#include <functional>
#include <memory>

#include "engine/sim_state.h"
#include "setup/controls.h"
#include "setup/puck_placer.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/canvas.h"
#include "ui/fake_platform.h"
#include "ui/widgets.h"
#include "view/name_dialog.h"

// A freshly started table window, driven by calling its timer event
// directly instead of waiting on the clock.
class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TableWindow>(platform);
        window->controls().delaytimer1->stop();
        nameDialog = std::make_unique<NameDialog>(window.get());
        window->setNameDialog(nameDialog.get());
    }

    sim::SimState& s() { return window->state(); }
    Controls& c() { return window->controls(); }
    Canvas& image() { return window->tableCanvas(); }

    // Start, then n timer events without the clock.
    void runEvents(int n)
    {
        if (!c().colltimer->isActive())
            c().Startbt->click();
        for (int i = 0; i < n; ++i)
            window->runControl().timerEvent();
    }
    void runTicks(int n) { runEvents(n * s().eventsPerTick); }
    // Finish a run of n ticks and pause it.
    void runAndPause(int n)
    {
        runTicks(n);
        c().Startbt->click();
    }

    // Sets up the spring (both kinds), electrostatic, 1-D push and circle
    // modes in turn, calling `run` with each mode's name.
    void eachNewMode(const std::function<void(const char*)>& run)
    {
        c().springElastic->trigger();
        run("elastic spring");
        c().springInelastic->trigger();
        run("inelastic spring");
        c().type2D->trigger();
        c().electro50->trigger();
        c().c1sb->setValue(-60);
        run("electrostatic");
        c().type1D->trigger();
        c().masses1->trigger();
        c().TraceBlock1->trigger();
        c().tableangsb->setValue(30);
        run("1-D push with the force and blocks");
        c().masses2->trigger();
        c().type2D->trigger();
        c().Circle1->trigger();
        c().friction[1]->trigger();
        window->puckPlacer().launch(20);
        run("circle");
    }

    Colour px(int x, int y) const { return window->tableCanvas().pixel(x, y); }
    static Colour red() { return qRgb(255, 0, 0); }
    static Colour black() { return qRgb(0, 0, 0); }
    static Colour white() { return qRgb(255, 255, 255); }

    FakePlatform platform;
    std::unique_ptr<TableWindow> window;
    std::unique_ptr<NameDialog> nameDialog;
};
