#pragma once
// A head-on run for Predict First's tests, run as the window runs it.
#include <gtest/gtest.h>

#include <memory>

#include "engine/exact_setup.h"
#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "engine/prediction.h"

// Red 2 kg at 5 cm/s from (10, 10) cm head-on into black 2 kg at rest at (20, 10) cm.
struct HeadOn {
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*s};
    sim::Prediction p;
    explicit HeadOn(sim::Interaction mode, double blackMass = 2.0)
    {
        setup.rules().chooseInteraction(mode);
        sim::ExactNumbers n = sim::exactNumbers(setup.model(), *s);
        const std::pair<sim::ExactField, double> typed[] = {
            {sim::ExactField::RedMass, 2.0},      {sim::ExactField::RedSpeed, 5.0},
            {sim::ExactField::RedDirection, 0.0}, {sim::ExactField::RedX, 10.0},
            {sim::ExactField::RedY, 10.0},        {sim::ExactField::BlackMass, blackMass},
            {sim::ExactField::BlackSpeed, 0},     {sim::ExactField::BlackDirection, 0.0},
            {sim::ExactField::BlackX, 20.0},      {sim::ExactField::BlackY, 10.0}};
        for (const auto& [f, v] : typed)
            n[static_cast<size_t>(f)] = v;
        const sim::ExactPlan plan = sim::planExact(n, setup.model().electroEntry, setup.model(), *s);
        EXPECT_TRUE(plan.ok());
        sim::applyExact(plan, setup.rules(), *s);
        p.on = true;
    }
    // Runs as the window does, watching after every event; true when the run was held.
    bool runToTheOutcome(int lastTick = 600)
    {
        sim::HeadlessRun run(*s);
        run.start();
        while (s->tick <= lastTick)
            if (sim::runEvent(*s, run), sim::watchOutcome(p, *s, setup.model()))
                return true;
        return false;
    }
};
