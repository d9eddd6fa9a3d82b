// The Before-and-After numbers, worked by hand, and the sheet's text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "datawin/data_sheet.h"
#include "datawin/ledger.h"
#include "datawin/ledger_compare.h"
#include "datawin/table_text.h"
#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "experiments/catalogue.h"
#include "experiments/record_setup.h"

using dw::Verdict;

namespace {
constexpr double kPi = 3.14159265358979323846;

// A two-puck run: `before` at entry 1, `after` at entry 40, touching at tick
// 20 with the black puck `dx`, `dy` (y down) from the red one.
struct TwoPucks {
    std::unique_ptr<sim::SampleLog> log = std::make_unique<sim::SampleLog>();
    dw::RunData data;
    TwoPucks(double mr, double mb, sim::VelocitySample before, sim::VelocitySample after, double dx = 24, double dy = 0)
    {
        log->velocities[1] = before;
        log->velocities[40] = after;
        log->positions[20] = {100, 100, 100 + dx, 100 + dy};
        data.log = log.get();
        data.redMass = mr;
        data.blackMass = mb;
        data.collided = true;
        data.collisionTick = 20;
        data.contactResolved = true;
        data.contactLine = std::atan2(-dy, dx);   // y up
    }
    dw::Ledger ledger() const { return dw::computeLedger(data, 40); }
};
}   // namespace

TEST(LedgerTest, EqualMassesElasticHandOverTheirMomentum)
{
    const dw::Ledger l = TwoPucks(2, 2, {5, 0, 0, 0}, {0, 0, 5, 0}).ledger();
    ASSERT_TRUE(l.comparable);
    EXPECT_DOUBLE_EQ(l.before[2].p, 10.0);
    EXPECT_DOUBLE_EQ(l.after[2].p, 10.0);
    EXPECT_NEAR(l.dP, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(l.impulseRed[0], -10.0);
    EXPECT_DOUBLE_EQ(l.impulseBlack[0], 10.0);
    EXPECT_TRUE(l.impulsesBalance);
    EXPECT_DOUBLE_EQ(l.energyKept, 100.0);
    EXPECT_TRUE(l.touched);
    EXPECT_DOUBLE_EQ(l.restitution, 1.0);
    EXPECT_EQ(l.verdict, Verdict::Elastic);
}

// Side by side, each run keeps the impulse rows of its own ledger.
TEST(LedgerTest, LedgersSideBySideKeepTheImpulses)
{
    const dw::Ledger a = TwoPucks(2, 2, {5, 0, 0, 0}, {0, 0, 5, 0}).ledger();
    const dw::Ledger b = TwoPucks(1, 3, {4, 0, 0, 0}, {2, kPi, 2, 0}).ledger();
    const std::string text =
        dw::writeSheet(dw::ledgersSideBySide({{"A", "", a}, {"B", "", b}}, false, "cm"), dw::SheetFormat::Csv, false);
    for (const char* row :
         {"\nimpulse on red x (kg cm/s),,-10.00,,-6.00\n", "\nimpulse on red y (kg cm/s),,0.00,,0.00\n",
          "\nimpulse on black x (kg cm/s),,10.00,,6.00\n", "\nred's impulse is minus black's,,yes,,yes\n"})
        EXPECT_NE(text.find(row), std::string::npos) << row << "\n" << text;
}

TEST(LedgerTest, StickingEqualMassesKeepHalfTheEnergy)
{
    TwoPucks run(2, 2, {5, 0, 0, 0}, {2.5, 0, 2.5, 0});
    run.data.interaction = sim::Interaction::Inelastic;
    const dw::Ledger l = run.ledger();
    EXPECT_DOUBLE_EQ(l.energyKept, 50.0);
    EXPECT_DOUBLE_EQ(l.restitution, 0.0);
    EXPECT_EQ(l.verdict, Verdict::Sticking);
    EXPECT_TRUE(l.impulsesBalance);
}

TEST(LedgerTest, OneToThreeElasticSendsTheLightPuckBack)
{
    // 1 kg at 5 cm/s on 3 kg at rest: -2.5 and +2.5
    const dw::Ledger l = TwoPucks(1, 3, {5, 0, 0, 0}, {2.5, kPi, 2.5, 0}).ledger();
    EXPECT_NEAR(l.after[0].px, -2.5, 1e-12);
    EXPECT_NEAR(l.after[1].px, 7.5, 1e-12);
    EXPECT_NEAR(l.energyKept, 100.0, 1e-9);
    EXPECT_NEAR(l.restitution, 1.0, 1e-12);
    EXPECT_EQ(l.verdict, Verdict::Elastic);
    const std::string text = dw::writeSheet(dw::ledgerSheet(l, false, "cm"), dw::SheetFormat::Csv, false);
    EXPECT_NE(text.find("red,1.00,5.00,0.0,5.00,0.00,5.00,12.50,2.50,180.0,-2.50,"), std::string::npos) << text;
    EXPECT_NE(text.find("coefficient of restitution,1.00\n"), std::string::npos) << text;
}

TEST(LedgerTest, MoreEnergyAfterIsSuperElastic)
{
    // momentum kept at 10, energy 37.5 of 25
    const double vb = (5 + std::sqrt(50.0)) / 2, vr = 5 - vb;
    const dw::Ledger l = TwoPucks(2, 2, {5, 0, 0, 0}, {-vr, kPi, vb, 0}).ledger();
    EXPECT_NEAR(l.energyKept, 150.0, 1e-9);
    EXPECT_EQ(l.verdict, Verdict::SuperElastic);
    EXPECT_GT(l.restitution, 1.0);
}

TEST(LedgerTest, AGlancingCollisionOfEqualMassesLeavesAtRightAngles)
{
    const double a = kPi / 6, b = -kPi / 3;
    // the black puck sits below-right on the line at -60 degrees
    const dw::Ledger l =
        TwoPucks(2, 2, {5, 0, 0, 0}, {5 * std::cos(a), a, 5 * std::cos(b), b}, 24 * std::cos(b), -24 * std::sin(b))
            .ledger();
    EXPECT_NEAR(l.after[0].direction - l.after[1].direction, kPi / 2, 1e-12);
    EXPECT_NEAR(l.energyKept, 100.0, 1e-9);
    EXPECT_NEAR(l.dP, 0.0, 1e-9);
    EXPECT_NEAR(l.restitution, 1.0, 1e-9);
    const std::string text = dw::writeSheet(dw::ledgerSheet(l, false, "cm"), dw::SheetFormat::Tsv, false);
    EXPECT_NE(text.find("\t30.0\t"), std::string::npos);
    EXPECT_NE(text.find("\t-60.0\t"), std::string::npos);
}

TEST(LedgerTest, WhatCannotBalanceIsSaid)
{
    TwoPucks apart(2, 2, {5, 0, 0, 0}, {5, 0, 0, 0});
    apart.data.collided = false;
    const dw::Ledger none = apart.ledger();
    EXPECT_FALSE(none.touched);
    const std::string text = dw::writeSheet(dw::ledgerSheet(none, false, "cm"), dw::SheetFormat::Csv, false);
    EXPECT_NE(text.find("coefficient of restitution,-,no contact\n"), std::string::npos) << text;
    EXPECT_NE(text.find("collision,no collision\n"), std::string::npos) << text;
    EXPECT_TRUE(none.note.empty());

    apart.data.tilted = true;
    EXPECT_NE(apart.ledger().note.find("level table"), std::string::npos);
    apart.data.tilted = false;
    apart.data.interaction = sim::Interaction::Electrostatic;
    EXPECT_NE(apart.ledger().note.find("\"before\" is the run's start"), std::string::npos);

    apart.data.massCount = 1;
    const dw::Ledger one = apart.ledger();
    EXPECT_FALSE(one.comparable);
    const dw::Sheet sheet = dw::ledgerSheet(one, false, "m");
    ASSERT_EQ(sheet.rows.size(), 1u);
    EXPECT_EQ(sheet.rows[0][0].text, "With one puck there is nothing to compare.");
    apart.data.massCount = 2;
    apart.data.interaction = sim::Interaction::Circle;
    EXPECT_FALSE(apart.ledger().comparable);
}

TEST(LedgerTest, NoNumberIsMadeUp)
{
    const struct {
        sim::Interaction mode;
        bool collided;
        sim::VelocitySample before;
        const char* gap;
    } cases[] = {
        {sim::Interaction::Elastic, true, {5, 0, 0, 0}, nullptr},
        {sim::Interaction::Elastic, true, {5, kPi, 0, 0}, "not approaching"},   // red moving away
        {sim::Interaction::Elastic, false, {5, 0, 0, 0}, "no contact"},
        {sim::Interaction::Electrostatic, true, {5, 0, 0, 0}, "no single contact"},
        {sim::Interaction::Spring1D, true, {5, 0, 0, 0}, "no single contact"},
    };
    for (const auto& c : cases) {
        TwoPucks run(2, 2, c.before, {0, 0, 5, 0});
        run.data.interaction = c.mode;
        run.data.collided = c.collided;
        const dw::Ledger l = run.ledger();
        EXPECT_STREQ(l.restitutionGap, c.gap) << static_cast<int>(c.mode);
        EXPECT_EQ(l.verdict == Verdict::NoCollision, !c.collided) << static_cast<int>(c.mode);
    }
    // at rest: no direction on the page or in its export; the summary has its own header
    const dw::Sheet sheet = dw::ledgerSheet(TwoPucks(2, 2, {5, 0, 0, 0}, {0, 0, 5, 0}).ledger(), false, "cm");
    EXPECT_EQ(sheet.rows[1][3].text, "-");   // black before
    EXPECT_EQ(sheet.rows[0][9].text, "-");   // red after
    EXPECT_TRUE(sheet.rows[2][3].number);   // the total moves
    EXPECT_EQ(sheet.rows[2][0].text, "total (speed of the centre of mass)");
    ASSERT_EQ(sheet.rows[3].size(), 4u);
    EXPECT_EQ(sheet.rows[3][0].text, "quantity");
}

// Whole runs through the engine: e along the line the collision step used is
// the percent / 100, 1 when elastic and 0 when the pucks stick.
TEST(LedgerTest, RestitutionOfRealRunsIsThePercent)
{
    auto ledgerOf = [](int entry, int percent) {
        auto s = std::make_unique<sim::SimState>();
        sim::HeadlessSetup setup(*s);
        const exper::ParameterParse p = exper::parseParameterText(exper::catalogueExperiment(entry)->parameterText());
        exper::applyRecord(setup.rules(), *s, setup, *p.record, exper::RecordSource::Catalogue);
        if (percent > 0)
            setup.rules().setPercent(percent);
        sim::HeadlessRun run(*s);
        run.start();
        run.runThrough(600);
        const dw::Ledger l = dw::computeLedger(dw::runDataOf(*s, setup.model()), 600);
        return std::make_tuple(l, s->interactionMode, s->elasticPercent);
    };
    int checked = 0;
    for (int entry = 1; entry <= 17; ++entry) {
        const auto [l, mode, percent] = ledgerOf(entry, 0);
        if (!l.comparable || l.restitutionGap)
            continue;
        ++checked;
        const double want = mode == sim::Interaction::Elastic ? 1.0
            : mode == sim::Interaction::Inelastic             ? 0.0
                                                              : percent / 100.0;
        EXPECT_NEAR(l.restitution, want, 1e-7) << "entry " << entry;
    }
    EXPECT_GE(checked, 5);
    for (int percent : {10, 50, 100, 150, 200}) {
        const auto [l, mode, kept] = ledgerOf(15, percent);
        ASSERT_EQ(mode, sim::Interaction::SemiElastic);
        ASSERT_EQ(l.restitutionGap, nullptr) << percent;
        // the step turns a rebound by the written 3.1415926, not pi: 1e-8 off at most
        EXPECT_NEAR(l.restitution, kept / 100.0, 1e-7) << percent;
        EXPECT_EQ(kept, percent);
    }
    EXPECT_NEAR(std::get<0>(ledgerOf(14, 0)).restitution, 1.0, 1e-9);
    EXPECT_STREQ(std::get<0>(ledgerOf(1, 0)).restitutionGap, "no single contact");   // electrostatic
}

TEST(DataSheetTest, TheThreeFormsAndFullPrecision)
{
    dw::Sheet s;
    s.header = {"time (s)", "a, b", "say \"hi\""};
    s.rows.push_back({dw::Cell::of(0.05), dw::Cell::of(-12.3456), dw::Cell::of(2.0 / 3.0, 4, 1)});
    s.rows.push_back({dw::Cell::of(1), dw::Cell::word("x;y"), dw::Cell::of(3, 4, 1)});
    EXPECT_EQ(dw::writeSheet(s, dw::SheetFormat::Tsv, false),
              "time (s)\ta, b\tsay \"hi\"\n0.05\t-12.35\t 0.7\n1.00\tx;y\t 3.0\n");
    EXPECT_EQ(dw::writeSheet(s, dw::SheetFormat::Csv, false),
              "time (s),\"a, b\",\"say \"\"hi\"\"\"\n0.05,-12.35,0.7\n1.00,x;y,3.0\n");
    EXPECT_EQ(dw::writeSheet(s, dw::SheetFormat::CsvSemicolon, false),
              "time (s);a, b;\"say \"\"hi\"\"\"\n0,05;-12,35;0,7\n1,00;\"x;y\";3,0\n");
    EXPECT_EQ(dw::writeSheet(s, dw::SheetFormat::Csv, true),
              "time (s),\"a, b\",\"say \"\"hi\"\"\"\n0.05,-12.3456,0.6666666666666666\n"
              "1,x;y,3\n");
}

TEST(DataSheetTest, TheTableWithUnitsNamesEveryColumn)
{
    auto log = std::make_unique<sim::SampleLog>();
    log->velocities[1] = {5, 0, 0, 0};
    dw::RunData run;
    run.log = log.get();
    run.springShown = true;
    dw::TableChoice all;
    all.columns.fill(true);
    all.lastPosition = 2;
    const dw::Sheet sheet = dw::tableSheet(run, all, "cm");
    ASSERT_EQ(sheet.header.size(), 10u);
    EXPECT_EQ(sheet.header[0], "time (s)");
    EXPECT_EQ(sheet.header[1], "red speed (cm/s)");
    EXPECT_EQ(sheet.header[2], "red angle (degrees)");
    EXPECT_EQ(sheet.header[3], "red energy (kg cm^2/s^2)");
    EXPECT_EQ(sheet.header[8], "black momentum (kg cm/s)");
    EXPECT_EQ(sheet.header[9], "compression (cm)");
    EXPECT_EQ(dw::writeSheet(dw::tableSheet(run, all), dw::SheetFormat::Tsv, false), dw::buildTableText(run, all));
}
