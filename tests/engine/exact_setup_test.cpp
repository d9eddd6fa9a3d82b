// The typed set-up: numbers to the bars' steps, places and aims to the
// pixels a drag gives, and what is refused.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/exact_setup.h"
#include "engine/headless_setup.h"
#include "engine/kept_runs.h"
#include "engine/numbers.h"
#include "engine/placing.h"

using sim::ExactField;

namespace {
size_t at(ExactField f)
{
    return static_cast<size_t>(f);
}

class ExactSetupTest : public ::testing::Test {
protected:
    sim::ExactPlan plan(std::initializer_list<std::pair<ExactField, double>> typed)
    {
        sim::ExactNumbers n = sim::exactNumbers(setup.model(), *s);
        for (const auto& [f, v] : typed)
            n[at(f)] = v;
        return sim::planExact(n, setup.model().electroEntry, setup.model(), *s);
    }
    std::unique_ptr<sim::SimState> s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup{*s};
};
}   // namespace

TEST(ExactParseTest, PlainDecimalsOnlyAndTheCommaWhereTheLanguageWritesOne)
{
    const struct {
        const char* text;
        bool comma, ok;
        double value;
    } cases[] = {
        {"4.5", false, true, 4.5},  {" -3 ", false, true, -3.0},  {"+2", false, true, 2.0},
        {".5", false, true, 0.5},   {"4,5", false, false, 0.0},   {"4,5", true, true, 4.5},
        {"4.5", true, true, 4.5},   {",5", true, true, 0.5},      {"1e3", false, false, 0.0},
        {"nan", false, false, 0.0}, {"inf", false, false, 0.0},   {"", false, false, 0.0},
        {"-", false, false, 0.0},   {"1.2.3", false, false, 0.0}, {"4,5.1", true, false, 0.0},
        {"2-", false, false, 0.0},
    };
    for (const auto& c : cases) {
        double v = -99.0;
        EXPECT_EQ(sim::parseTyped(c.text, c.comma, &v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
}

TEST_F(ExactSetupTest, NumbersGoToTheNearestStepOrAreRefused)
{
    const struct {
        ExactField field;
        double typed;
        bool refused;
        double used;
    } cases[] = {
        {ExactField::RedMass, 3.0, false, 3.0},       {ExactField::RedMass, 4.47, false, 4.5},
        {ExactField::RedMass, 0.04, true, 2.0},       {ExactField::BlackMass, 20.04, false, 20.0},
        {ExactField::RedSpeed, 4.45, false, 4.5},     {ExactField::RedSpeed, 50.06, true, 5.0},
        {ExactField::RedSpeed, -0.04, false, 0.0},    {ExactField::BlackSpeed, 2.25, false, 2.3},
        {ExactField::TableAngle, 1.234, false, 1.23}, {ExactField::TableAngle, 10.01, true, 0.0},
        {ExactField::RedX, 10.0, false, 10.0},        {ExactField::RedX, 10.03, false, 10.05},
        {ExactField::RedX, 0.55, true, 9.5},          {ExactField::RedY, 17.8, true, 0.0},
    };
    for (const auto& c : cases) {
        const sim::ExactPlan p = plan({{c.field, c.typed}});
        EXPECT_EQ(p.refused[at(c.field)], c.refused) << static_cast<int>(c.field) << " " << c.typed;
        if (!c.refused) {
            EXPECT_NEAR(p.used[at(c.field)], c.used, 1e-9) << static_cast<int>(c.field) << " " << c.typed;
        }
    }
    // a place is the puck's centre from the table's corner, in the ruler's scale
    const sim::ExactPlan p = plan({{ExactField::RedX, 10.0}, {ExactField::RedY, 5.0}});
    EXPECT_EQ(p.red.left, 200 - 12 + sim::kImageLeft);
    EXPECT_EQ(p.red.top, 100 - 12 + sim::kImageTop);
    // hidden settings keep what they have
    EXPECT_FALSE(sim::exactSpec(ExactField::Percent, setup.model()).shown);
    EXPECT_EQ(plan({{ExactField::Percent, 7}}).bars.elasticPercent, 50);
}

TEST_F(ExactSetupTest, ADirectionIsTheNearestAHandleOnThePicture)
{
    for (const double degrees : {0.0, 30.0, 45.0, 90.0, 137.5, 180.0, -45.0, 250.0, -300.0}) {
        const sim::ExactPlan p = plan({{ExactField::RedDirection, degrees}});
        ASSERT_FALSE(p.refused[at(ExactField::RedDirection)]) << degrees;
        EXPECT_NEAR(p.used[at(ExactField::RedDirection)], degrees, 0.5) << degrees;
        const double ring =
            std::hypot(p.red.handleLeft + 3 - (p.red.left + 12), p.red.handleTop + 3 - (p.red.top + 12));
        EXPECT_GE(ring, 22.0) << degrees;   // clear of the puck
    }
    EXPECT_TRUE(plan({{ExactField::RedDirection, 361.0}}).refused[at(ExactField::RedDirection)]);
}

TEST_F(ExactSetupTest, OverlappingPlacesAreRefused)
{
    // the black puck starts at the table's middle, the red a quarter across
    const double bx = sim::exactNumbers(setup.model(), *s)[at(ExactField::BlackX)];
    EXPECT_TRUE(plan({{ExactField::RedX, bx - 1.0}}).overlap);
    EXPECT_FALSE(plan({{ExactField::RedX, bx - 1.3}}).overlap);
    EXPECT_TRUE(plan({{ExactField::RedX, bx - 1.3}}).ok());
}

// Applied, the set-up reads back as the plan said it would be.
TEST_F(ExactSetupTest, AnAppliedPlanReadsBackAsItsUsedValues)
{
    setup.rules().chooseInteraction(sim::Interaction::Electrostatic, 50);
    const sim::ExactPlan p = plan({{ExactField::RedMass, 3.04},
                                   {ExactField::BlackSpeed, 1.26},
                                   {ExactField::RedDirection, 33.3},
                                   {ExactField::BlackDirection, 200.0},
                                   {ExactField::RedX, 8.33},
                                   {ExactField::BlackY, 12.1},
                                   {ExactField::RedCharge, -2.55}});
    ASSERT_TRUE(p.ok());
    sim::applyExact(p, setup.rules(), *s);
    const sim::ExactNumbers back = sim::exactNumbers(setup.model(), *s);
    for (int f = 0; f < sim::kExactFieldCount; ++f) {
        const double used = p.used[static_cast<size_t>(f)], got = back[static_cast<size_t>(f)];
        EXPECT_NEAR(std::remainder(got - used, 360.0), 0.0, 1e-9) << f;
    }
    EXPECT_DOUBLE_EQ(s->red.direction, s->redStartDirection);
    EXPECT_DOUBLE_EQ(s->sampleLog.positions[1].redX, s->red.startLeft + s->red.radius - sim::kImageLeft);
}

TEST(KeptRunsTest, UpToThreeRunsEachAsItWasKept)
{
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    sim::KeptRuns kept;
    EXPECT_FALSE(kept.keep(*s, setup.model()));   // nothing has run yet
    s->tick = 40;
    s->timeLineEnd = 39;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(kept.keep(*s, setup.model()), i < 3) << i;
    s->red.speed = 99.0;   // the table goes on; the kept runs stay as they were
    ASSERT_EQ(kept.runs().size(), 3u);
    EXPECT_EQ(kept.runs()[2].letter, 'C');
    EXPECT_EQ(kept.runs()[0].end, 39);
    EXPECT_NE(kept.runs()[0].state->red.speed, 99.0);
    kept.clear();
    EXPECT_TRUE(kept.keep(*s, setup.model()));
    EXPECT_EQ(kept.runs()[0].letter, 'A');
}
