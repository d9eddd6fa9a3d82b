// The set-up's rules without a window: what each mode allows, what a switch
// resets, and what the host is asked to draw.
#include <gtest/gtest.h>

#include <memory>

#include "engine/headless_setup.h"
#include "engine/setup_rules.h"
#include "engine/table_start.h"

using sim::Interaction;

namespace {

// A host that counts what it is asked for and keeps the state's part.
struct CountingHost : sim::SetupHost {
    sim::SimState* s = nullptr;
    const sim::SetupModel* m = nullptr;
    int traces = 0, setUps = 0, resets = 0, recenters = 0;
    void renderTrace() override { ++traces; }
    void drawSetUp() override { ++setUps; }
    void reset() override
    {
        ++resets;
        sim::resetRun(*s, *m);
    }
    void recenter() override { ++recenters; }
};

class SetupRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.s = s.get();
        host.m = &m;
        sim::startUpSetup(rules, *s, host);
        host.traces = host.setUps = host.resets = host.recenters = 0;
    }
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::SetupModel m;
    CountingHost host;
    sim::SetupRules rules{m, *s, host};
};

}   // namespace

TEST_F(SetupRulesTest, StartsAsTheProgramDoes)
{
    EXPECT_EQ(m.elasticPercent, 50);
    EXPECT_EQ(m.redSpeed, 50);
    EXPECT_EQ(m.redMass, 20);
    EXPECT_EQ(m.frequencyIndex, 5);
    EXPECT_EQ(m.interaction, Interaction::Elastic);
    EXPECT_EQ(s->red.startLeft, sim::kTableWidth / 4);
    EXPECT_EQ(s->black.startLeft, sim::kTableWidth / 2);
    EXPECT_DOUBLE_EQ(s->red.speed, 5.0);
    EXPECT_DOUBLE_EQ(s->red.direction, 0.0);
    EXPECT_DOUBLE_EQ(s->black.direction, sim::kPi);
}

TEST_F(SetupRulesTest, EachModeSetsItsPercentAndShowsItsControls)
{
    const struct {
        Interaction mode;
        int percent;
    } modes[] = {{Interaction::Inelastic, 0},
                 {Interaction::SemiElastic, 50},
                 {Interaction::Circle, 100},
                 {Interaction::Electrostatic, 100},
                 {Interaction::Elastic, 100}};
    for (const auto& [mode, percent] : modes) {
        const int resets = host.resets;
        rules.chooseInteraction(mode, 50);
        EXPECT_EQ(m.interaction, mode);
        EXPECT_EQ(s->interactionMode, mode);
        EXPECT_EQ(s->elasticPercent, percent);
        EXPECT_EQ(m.percentShown, mode == Interaction::SemiElastic);
        EXPECT_EQ(m.chargesShown, mode == Interaction::Electrostatic);
        EXPECT_EQ(m.redSpeedShown, mode != Interaction::Circle);
        EXPECT_EQ(host.resets, resets + 1) << "a new mode starts from the start places";
    }
    EXPECT_EQ(s->electroRange, 50);
    EXPECT_EQ(m.electroEntry, 50);
}

TEST_F(SetupRulesTest, OneMassSwitchesTheInteractionsOffButTheBlackPuckFollows)
{
    rules.chooseInteraction(Interaction::Inelastic);
    rules.setTableAngle(300);
    rules.chooseMassCount(1);
    EXPECT_EQ(m.interaction, Interaction::Elastic);
    EXPECT_FALSE(m.interactionsEnabled);
    EXPECT_EQ(m.tableAngle, 0);
    EXPECT_EQ(m.tableAngleMaximum, 100);
    EXPECT_EQ(m.blackSpeed, m.redSpeed);
    EXPECT_FALSE(m.mark(sim::BlackBeforeMark) || m.mark(sim::BlackAfterMark));
    EXPECT_FALSE(m.blackBarsShown);
    rules.chooseInteraction(Interaction::Inelastic);   // switched off: nothing happens
    EXPECT_EQ(m.interaction, Interaction::Elastic);
    rules.setSpeed(1, 120);
    EXPECT_EQ(m.blackSpeed, 120);
    EXPECT_DOUBLE_EQ(s->black.speed, 12.0);
    rules.chooseMassCount(2);
    EXPECT_TRUE(m.interactionsEnabled);
    EXPECT_EQ(m.tableAngleMaximum, 1000);
}

TEST_F(SetupRulesTest, TheSpringForcesOneDAndLeavesWithIt)
{
    rules.chooseSpring(4);
    EXPECT_EQ(m.dimension, 1);
    EXPECT_EQ(s->dimension, 1);
    EXPECT_TRUE(m.springChecked);
    EXPECT_EQ(s->interactionMode, Interaction::Spring1D);
    EXPECT_EQ(s->springKind, 4);
    EXPECT_TRUE(m.springBoxShown);
    EXPECT_FALSE(m.tableAngleShown);
    EXPECT_EQ(s->red.radius, 24);   // 1-D blocks
    rules.chooseDimension(2);
    EXPECT_FALSE(m.springChecked);
    EXPECT_EQ(m.interaction, Interaction::Elastic);
    EXPECT_FALSE(m.springBoxShown);
    EXPECT_TRUE(m.tableAngleShown);
    EXPECT_TRUE(m.angleCaptionPlain);
    EXPECT_EQ(s->red.radius, 12);
}

TEST_F(SetupRulesTest, WithOneMassTheSpringKeepsRunningIn2DUnchecked)
{
    rules.chooseMassCount(1);
    rules.chooseSpring(3);
    EXPECT_EQ(s->interactionMode, Interaction::Spring1D);
    rules.chooseDimension(2);
    // no entry can take the spring's place: it runs on, with nothing checked
    EXPECT_FALSE(m.springChecked);
    EXPECT_EQ(m.interaction, Interaction::Spring1D);
    EXPECT_TRUE(m.springBoxShown);
}

TEST_F(SetupRulesTest, ADimensionSwitchRecentersUnlessAnExperimentIsConfirmed)
{
    rules.setTableAngle(700);
    rules.chooseDimension(1);
    EXPECT_EQ(m.tableAngle, 0);
    EXPECT_EQ(m.tableAngleMaximum, 100);
    EXPECT_EQ(s->tiltAccel, 0.0);
    EXPECT_EQ(host.recenters, 1);
    rules.setConfirmationShowing(true);
    rules.chooseDimension(2);
    EXPECT_EQ(host.recenters, 1);
}

TEST_F(SetupRulesTest, BarsHoldTheirRangeAndActOnlyWhenTheyMove)
{
    const int drawn = host.setUps;
    rules.setSpeed(1, m.redSpeed);
    EXPECT_EQ(host.setUps, drawn) << "an unmoved bar draws nothing";
    rules.setSpeed(1, 9999);
    EXPECT_EQ(m.redSpeed, 500);
    rules.setMass(2, -4);
    EXPECT_EQ(m.blackMass, 1);
    EXPECT_DOUBLE_EQ(s->black.mass, 0.1);
    rules.setCharge(2, -50);
    EXPECT_EQ(s->blackCharge, 0);
    rules.setTableAngle(5000);
    EXPECT_EQ(m.tableAngle, 1000);
    rules.setPercent(300);
    EXPECT_EQ(s->elasticPercent, 200);
}

TEST_F(SetupRulesTest, ThePushFollowsTheForceTheScaleAndTheRedMass)
{
    rules.chooseDimension(1);
    rules.chooseMassCount(1);
    EXPECT_STREQ(m.unitText(), " m");
    rules.setTableAngle(25);
    EXPECT_DOUBLE_EQ(s->pushAccel, 25.0);
    rules.setMass(1, 40);
    EXPECT_DOUBLE_EQ(s->pushAccel, 12.5);
    rules.chooseScale(50);
    EXPECT_DOUBLE_EQ(s->pushAccel, 31.25);
    rules.chooseDimension(2);
    EXPECT_EQ(s->pushAccel, 0.0);
    EXPECT_STREQ(m.unitText(), " cm");
}

TEST_F(SetupRulesTest, MarksRedrawByTheirGroup)
{
    const int traces = host.traces, setUps = host.setUps;
    rules.toggleMark(sim::CentreOfMassMark);   // before a run: nothing to redraw
    rules.toggleMark(sim::ShowGridMark);   // the set-up with its grid
    rules.toggleMark(sim::RedBeforeMark);   // the colours redraw the trace
    EXPECT_EQ(host.traces, traces + 1);
    EXPECT_EQ(host.setUps, setUps + 1);
    EXPECT_TRUE(m.mark(sim::CentreOfMassMark) && m.mark(sim::ShowGridMark));
    EXPECT_FALSE(m.mark(sim::RedBeforeMark));
}

TEST_F(SetupRulesTest, CircleSizeResizesOnlyIn2D)
{
    rules.chooseCircleSize(-2);
    EXPECT_EQ(s->red.radius, 12);
    EXPECT_EQ(s->black.radius, 3);
    rules.chooseDimension(1);
    rules.chooseCircleSize(2);
    EXPECT_EQ(s->red.radius, 24);
    EXPECT_EQ(m.circleSize, 2);
    rules.chooseDimension(2);
    EXPECT_EQ(s->red.radius, 19);
}
