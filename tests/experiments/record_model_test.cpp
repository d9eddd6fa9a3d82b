// Records to the set-up and back, without a window.
#include <gtest/gtest.h>

#include <memory>

#include "engine/headless_setup.h"
#include "experiments/catalogue.h"
#include "experiments/record_setup.h"

using exper::ExperimentRecord;
using F = ExperimentRecord::Field;

namespace {
struct Table {
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*s};
    ExperimentRecord apply(const ExperimentRecord& r, exper::RecordSource from = exper::RecordSource::File)
    {
        exper::applyRecord(setup.rules(), *s, setup, r, from);
        return exper::recordOf(setup.model(), *s);
    }
};
}   // namespace

TEST(RecordModelTest, EveryCatalogueEntryComesBackAsItWent)
{
    Table t;
    for (int n = 1; n <= 17; ++n) {
        const ExperimentRecord r = *exper::parseParameterText(exper::catalogueExperiment(n)->parameterText()).record;
        EXPECT_EQ(exper::parameterText(t.apply(r, exper::RecordSource::Catalogue)), exper::parameterText(r)) << n;
        EXPECT_EQ(t.s->tick, 1) << n;
    }
}

TEST(RecordModelTest, EveryModeRoundTripsAndSettles)
{
    // a record read back applies to the same record again, from any table
    for (int dimension : {1, 2})
        for (int masses : {1, 2})
            for (int interaction = 1; interaction <= 6; ++interaction) {
                if (interaction == 1 && dimension == 2)
                    continue;   // a saved spring is 1-D; a file saying 2-D keeps its angle bar as it always has
                ExperimentRecord r =
                    *exper::parseParameterText("189 183 287 204 379 183 329 204 30 10 50 50 -60 20 50 100 30 20 "
                                               "1 3 1000 2 2 0 20 122 0")
                         .record;
                r[F::Dimension] = dimension;
                r[F::MassCount] = masses;
                r[F::Interaction] = interaction;
                Table once, twice;
                const ExperimentRecord back = once.apply(r);
                EXPECT_EQ(twice.apply(back), back) << dimension << masses << interaction;
                const sim::SetupModel &a = once.setup.model(), &b = twice.setup.model();
                EXPECT_EQ(a.interaction, b.interaction);
                EXPECT_EQ(a.tableAngleShown, b.tableAngleShown);
                EXPECT_EQ(a.percentShown, b.percentShown);
                EXPECT_EQ(a.springBoxShown, b.springBoxShown);
                EXPECT_EQ(once.s->red.direction, twice.s->red.direction);
                EXPECT_EQ(once.s->black.direction, twice.s->black.direction);
            }
}

TEST(RecordModelTest, WhatARecordCannotSayIsReadAsTheNearestEntry)
{
    Table t;
    ExperimentRecord r = t.apply(ExperimentRecord{});   // every field 0
    EXPECT_EQ(r[F::Dimension], 2);
    EXPECT_EQ(r[F::MassCount], 1);
    EXPECT_EQ(r[F::Scale], 5);
    EXPECT_EQ(r[F::RedMass], 1);   // the bar's least
    EXPECT_EQ(r[F::SpringLength], 10);
    EXPECT_EQ(r[F::SpringKind], 0);   // kept as given: it only matters in spring mode
    ExperimentRecord far = r;
    far[F::RedPuckLeft] = 2000000000;
    far[F::RedHandleLeft] = -2000000000;
    r = t.apply(far);
    EXPECT_EQ(r[F::RedPuckLeft], 1 << 20);
    EXPECT_LT(r[F::RedHandleLeft], r[F::RedPuckLeft]);   // still aimed to the left
}
