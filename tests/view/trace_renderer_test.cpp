#include "table_fixture.h"

#include <cmath>

#include "engine/motion.h"

class TraceRendererTest : public TableTest {};

namespace {
// Any pixel of the colour inside the box around (x, y).
bool colourNear(Canvas& cv, int x, int y, Colour colour, int r = 2)
{
    for (int yy = y - r; yy <= y + r; ++yy)
        for (int xx = x - r; xx <= x + r; ++xx)
            if (xx >= 0 && yy >= 0 && xx < cv.width() && yy < cv.height() && Colour(cv.pixel(xx, yy)) == colour)
                return true;
    return false;
}
}   // namespace

TEST_F(TraceRendererTest, DefaultSetUpArrowEndsHundredPixelsRightOfTheRedCentre)
{
    // red centre at (194, 188) in the image: a 2-pixel solid shaft to x = 294
    for (int x = 196; x <= 294; ++x)
        EXPECT_EQ(px(x, 187), red()) << x;
    for (int x = 295; x <= 310; ++x)
        EXPECT_EQ(px(x, 187), white()) << x;
    // barbs towards the upper and lower left of the tip
    EXPECT_TRUE(colourNear(image(), 284, 188 - 11, red(), 1));
    EXPECT_TRUE(colourNear(image(), 284, 188 + 11, red(), 1));
    // the black puck: a dotted aiming line to the left over the red shaft, no arrow
    EXPECT_EQ(px(250, 188), black());
    EXPECT_EQ(px(251, 188), red());
    EXPECT_FALSE(colourNear(image(), 384 - 90, 188 - 11, black(), 1));
}

TEST_F(TraceRendererTest, RunDrawsDotsButNoneAtTheCollisionSample)
{
    c().cbfreq->setCurrentIndex(0);   // 20 Hz: every sample
    c().v1sb->setValue(500);   // 50 px per tick: dots well apart
    runTicks(8);
    ASSERT_EQ(s().collisionTick, 4);
    const auto& pos = s().sampleLog.positions;
    EXPECT_EQ(pos[3].redX, 294.0);
    EXPECT_EQ(pos[4].redX, 344.0);
    EXPECT_TRUE(colourNear(image(), 294, 188, red()));
    // sample 4 is the collision sample: no dot
    EXPECT_FALSE(colourNear(image(), 344, 188, red()));
    // the black puck has left: after-dots along its way
    EXPECT_TRUE(colourNear(image(), int(pos[7].blackX), int(pos[7].blackY), black(), 1));
}

TEST_F(TraceRendererTest, OneHertzMarksEveryTwentiethSample)
{
    runTicks(30);   // no contact yet
    const auto& pos = s().sampleLog.positions;
    EXPECT_TRUE(colourNear(image(), int(pos[21].redX), int(pos[21].redY), red(), 1));
    // sample 11 lies between two marks: nothing of the red trace there
    EXPECT_FALSE(colourNear(image(), int(pos[11].redX), int(pos[11].redY), red(), 1));
}

TEST_F(TraceRendererTest, TiltDrawsSampleElevenLowerByItsOffset)
{
    c().cbfreq->setCurrentIndex(0);
    c().tableangsb->setValue(500);
    // the red puck higher up, so that its bent trace stays on the image
    s().red.startTop = 30;
    s().redHandleTop = 39;
    c().Resetbt->click();
    runTicks(12);
    const sim::PositionSample& e = s().sampleLog.positions[11];
    EXPECT_EQ(e.redY, 35.0);   // the log keeps the untilted motion
    const int y = static_cast<int>(e.redY + 213.53);
    EXPECT_TRUE(colourNear(image(), int(e.redX), y, red(), 2));
    EXPECT_FALSE(colourNear(image(), int(e.redX), int(e.redY), red(), 2));
}

TEST_F(TraceRendererTest, ScaleBarAtScaleFiftyReaches510)
{
    c().scaleSmall->trigger();
    c().ShowScale1->trigger();   // before a run: draws the tick-1 trace
    for (int y = 17; y <= 22; ++y)
        EXPECT_EQ(px(510, y), black()) << y;
    EXPECT_EQ(px(10, 17), black());
    EXPECT_EQ(px(300, 20), black());
    EXPECT_EQ(px(300, 23), white());
    EXPECT_EQ(px(511, 17), white());
    // the pucks of sample 1 are drawn as circles
    EXPECT_TRUE(colourNear(image(), 194 - 12, 188, red(), 0));
}

TEST_F(TraceRendererTest, ArrowsOnATiltedTableDrawNoPucks)
{
    c().Arrows1->trigger();
    // on a level table: the before-arrow ends at the red start with no puck drawn
    EXPECT_TRUE(colourNear(image(), 194 - 20, 188, red(), 1));
    EXPECT_FALSE(colourNear(image(), 194 + 12, 188 - 3, red(), 0));
    c().tableangsb->setValue(10);
    c().redb->trigger();
    c().redb->trigger();   // redraw with the tilt
    EXPECT_FALSE(colourNear(image(), 194 - 20, 188, red(), 1));
}

TEST_F(TraceRendererTest, AfterArrowNeedsAProcessedCollision)
{
    c().Arrows1->trigger();
    runTicks(20);
    const sim::PositionSample& p = s().sampleLog.positions[19];
    EXPECT_FALSE(colourNear(image(), int(p.blackX) + 30, int(p.blackY), black(), 1));
    runTicks(30);
    const sim::PositionSample& q = s().sampleLog.positions[s().viewTick - 1];
    EXPECT_TRUE(colourNear(image(), int(q.blackX) + 30, int(q.blackY), black(), 1));
}

TEST_F(TraceRendererTest, CentreOfMassMarksAndLabels)
{
    c().Centerofmass1->trigger();
    c().Labelmass1->trigger();
    runTicks(2);
    // the mark halfway between the equal pucks at sample 1: (289, 188)
    EXPECT_EQ(px(287, 186), black());
    EXPECT_EQ(px(290, 189), black());
    // a mass label left of the red centre
    bool ink = false;
    for (int x = 182; x < 210; ++x)
        for (int y = 183; y < 196; ++y)
            ink = ink || (px(x, y) != white() && px(x, y) != red());
    EXPECT_TRUE(ink);
}

TEST_F(TraceRendererTest, StuckPairIsDrawnTouching)
{
    c().Inelastic1->trigger();
    c().cbfreq->setCurrentIndex(0);
    runTicks(80);
    const sim::PositionSample& e = s().sampleLog.positions[s().viewTick];
    // two circles of radius 12 whose centres are 24 apart
    EXPECT_NEAR(e.blackX - e.redX, 24.0, 1e-9);
    EXPECT_TRUE(colourNear(image(), int(e.redX) - 12, int(e.redY), red(), 0));
    EXPECT_TRUE(colourNear(image(), int(e.blackX) + 11, int(e.blackY), black(), 1));
}

TEST_F(TraceRendererTest, GridBackgroundWhenShown)
{
    c().ShowGrid1->trigger();
    // grid lines on the set-up picture: x = 708, y = 330
    int greys = 0;
    for (int y = 0; y < 20; ++y)
        greys += px(708, 100 + y) == qRgb(128, 128, 128);
    EXPECT_GE(greys, 8);
    EXPECT_EQ(px(0, 50), black());   // frame
    runTicks(2);
    greys = 0;
    for (int x = 0; x < 20; ++x)
        greys += px(600 + x, 330) == qRgb(128, 128, 128);
    EXPECT_GE(greys, 8);
}

TEST_F(TraceRendererTest, ArrowsStartFromThePuckAsShownAfterASizeChange)
{
    // the pass records the sample before it draws: a larger puck's arrow
    // starts at its new centre, (201, 195) on the image
    c().circleLarge->trigger();
    c().Arrows1->trigger();
    EXPECT_TRUE(colourNear(image(), 201 - 20, 195, red(), 1));
    EXPECT_FALSE(colourNear(image(), 194 - 20, 188, red(), 1));
}
