#include "table_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "setup/puck_placer.h"

namespace {
// Mouse coordinates, relative to the shape, that put its centre at (cx, cy).
QPoint toCentre(QWidget* shape, int cx, int cy)
{
    return QPoint(cx - shape->x(), cy - shape->y());
}
}   // namespace

class PlacerTest : public TableTest {
protected:
    PuckPlacer& placer() { return window->puckPlacer(); }
    // Press, one move that puts the shape's centre at (cx, cy), release.
    void drag(bool puck, int tag, int cx, int cy)
    {
        MovableShape* shape = puck ? (tag == 1 ? c().puck1 : c().puck2) : (tag == 1 ? c().redansh : c().blackansh);
        placer().buttonDown();
        const QPoint p = toCentre(shape, cx, cy);
        if (puck)
            placer().puckDrag(tag, p.x(), p.y());
        else
            placer().handleDrag(tag, p.x(), p.y());
        placer().buttonUp();
    }
    void dragPuck(int tag, int cx, int cy) { drag(true, tag, cx, cy); }
    // A drag as the mouse makes it: press, a move every few pixels, release.
    void sweepPuck(int tag, int cx, int cy)
    {
        MovableShape* puck = tag == 1 ? c().puck1 : c().puck2;
        placer().buttonDown();
        const QPoint from = puck->geometry().center();
        const int steps = std::max(std::abs(cx - from.x()), std::abs(cy - from.y())) / 4 + 1;
        for (int i = 1; i <= steps; ++i) {
            const QPoint p =
                toCentre(puck, from.x() + (cx - from.x()) * i / steps, from.y() + (cy - from.y()) * i / steps);
            placer().puckDrag(tag, p.x(), p.y());
        }
        placer().buttonUp();
    }
    static bool onTable(QWidget* w) { return QRect(7, 7, 759, 367).contains(w->geometry()); }
    void dragHandle(int tag, int cx, int cy) { drag(false, tag, cx, cy); }
};

TEST_F(PlacerTest, PuckFollowsTheMouseAndCarriesItsHandle)
{
    dragPuck(1, 150, 100);
    EXPECT_EQ(c().puck1->pos(), QPoint(138, 88));
    EXPECT_EQ(s().red.x, 138.0);
    EXPECT_EQ(s().red.startLeft, 138);
    EXPECT_EQ(s().sampleLog.positions[1].redX, 143.0);
    EXPECT_EQ(s().sampleLog.positions[1].redY, 93.0);
    EXPECT_EQ(c().redansh->pos(), QPoint(138 + 74, 88 + 9));
    EXPECT_EQ(s().redHandleLeft, 212);
    EXPECT_EQ(s().red.direction, 0.0);
    EXPECT_FALSE(window->puckPlacer().dragging());
}

TEST_F(PlacerTest, PastTheLeftEdgeTheLeftBecomesTheWidth)
{
    dragPuck(1, -40, 100);
    EXPECT_EQ(c().puck1->x(), 24);
    dragPuck(1, 100, -40);
    EXPECT_EQ(c().puck1->y(), 24);
    dragPuck(2, 800, 200);
    EXPECT_EQ(c().puck2->x(), 759 - 24);
}

TEST_F(PlacerTest, PushLeavesExactlyTwoPixels)
{
    const QPoint blackHandleOffset = c().blackansh->pos() - c().puck2->pos();
    dragPuck(1, 385, 200);   // onto the black puck
    EXPECT_EQ(c().puck1->pos(), QPoint(373, 188));
    EXPECT_EQ(c().puck2->pos(), QPoint(373 + 24 + 2, 188));
    EXPECT_EQ(s().black.x, 399.0);
    EXPECT_EQ(s().black.y, 188.0);
    EXPECT_EQ(c().blackansh->pos() - c().puck2->pos(), blackHandleOffset);
    EXPECT_EQ(s().blackHandleLeft, c().blackansh->x());
    EXPECT_EQ(s().black.startLeft, 399);
    EXPECT_EQ(s().sampleLog.positions[1].blackX, 399 + 12 - 7.0);
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    c().Resetbt->click();
    EXPECT_EQ(c().puck2->pos(), QPoint(399, 188));
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    // the black puck dragged onto the red one pushes it to the left
    dragPuck(2, 380, 195);
    EXPECT_EQ(c().puck1->x(), c().puck2->x() - 26);
    EXPECT_EQ(c().puck1->y(), c().puck2->y());
}

TEST_F(PlacerTest, NoDraggingAfterARun)
{
    runAndPause(3);
    const QPoint before = c().puck1->pos();
    placer().buttonDown();
    EXPECT_FALSE(window->puckPlacer().dragging());
    placer().puckDrag(1, 50, 50);
    EXPECT_EQ(c().puck1->pos(), before);
}

TEST_F(PlacerTest, HandleDirections)
{
    dragHandle(1, 201, 100);   // straight above the red centre (201, 195)
    EXPECT_DOUBLE_EQ(s().red.direction, sim::kPi / 2);
    EXPECT_DOUBLE_EQ(s().redStartDirection, sim::kPi / 2);
    EXPECT_EQ(s().redHandleTop, c().redansh->y());
    dragHandle(1, 201, 300);
    EXPECT_DOUBLE_EQ(s().red.direction, 3 * sim::kPi / 2);
    dragHandle(1, 260, 260);
    EXPECT_LT(s().red.direction, 0.0);
    dragHandle(2, 391, 300);
    EXPECT_DOUBLE_EQ(s().blackStartDirection, 3 * sim::kPi / 2);
    // directions are kept by Reset, which reads the remembered handles
    c().Resetbt->click();
    EXPECT_LT(s().red.direction, 0.0);
}

TEST_F(PlacerTest, OneDHandleRules)
{
    c().type1D->trigger();
    const int cx = c().puck1->x() + 24, cy = c().puck1->y() + 24;
    dragHandle(1, cx - 60, cy - 50);
    EXPECT_DOUBLE_EQ(s().red.direction, sim::kPi);
    dragHandle(1, cx + 60, cy + 50);
    EXPECT_DOUBLE_EQ(s().red.direction, 0.0);
    dragHandle(1, cx, cy + 80);   // the centre's own column
    EXPECT_DOUBLE_EQ(s().red.direction, 0.0);
    // a 1-D puck drag keeps its row
    const int top = c().puck1->y();
    dragPuck(1, 300, 40);
    EXPECT_EQ(c().puck1->y(), top);
}

TEST_F(PlacerTest, HandleCarriedOffTheTableStaysReachable)
{
    dragPuck(1, 740, 100);   // the handle would land 74 px to the right, off the image
    EXPECT_TRUE(onTable(c().redansh));
    // the remembered handle keeps its exact place beside the puck
    EXPECT_EQ(s().redHandleLeft, c().puck1->x() + 74);
    EXPECT_EQ(s().redHandleTop, c().puck1->y() + 9);
    c().Resetbt->click();
    EXPECT_NEAR(s().red.direction, 0.0, 1e-9);
}

TEST_F(PlacerTest, DraggingIntoTheRightEdgeKeepsTheAim)
{
    // the puck hangs over the edge, so its handle's marker cannot stay on its ray
    dragPuck(1, 771, 195);
    EXPECT_EQ(c().puck1->x(), 759);
    EXPECT_TRUE(onTable(c().redansh));
    c().Resetbt->click();
    EXPECT_NEAR(s().red.direction, 0.0, 1e-9);
    runTicks(5);
    EXPECT_GT(s().red.x, 759.0);   // it runs right, off the table
}

TEST_F(PlacerTest, NoDragOrResetEverTurnsAPuck)
{
    // straight down, oblique and up-left aims, dragged all over the table and past its edges
    const QPoint aims[] = {{201, 300}, {201 + 82, 195 - 30}, {150, 150}};
    const QPoint places[] = {{300, 377}, {745, 100}, {745, 300}, {760, 370}, {20, 20},  {-30, 200},
                             {400, 390}, {120, 60},  {771, 195}, {500, -40}, {201, 195}};
    for (const QPoint aim : aims) {
        c().Recenterbt->click();
        dragHandle(1, aim.x(), aim.y());
        const double before = s().red.direction;
        for (const QPoint place : places) {
            dragPuck(1, place.x(), place.y());
            EXPECT_EQ(s().red.direction, before);
            EXPECT_TRUE(onTable(c().redansh)) << place.x() << "," << place.y();
            c().Resetbt->click();
            EXPECT_NEAR(s().red.direction, before, 1e-9)
                << aim.x() << "," << aim.y() << " at " << place.x() << "," << place.y();
            EXPECT_NEAR(s().redStartDirection, before, 1e-9);
        }
    }
}

TEST_F(PlacerTest, PulledInMarkerIsGrabbedAgain)
{
    dragPuck(1, 771, 195);
    // grab the marker where it is shown and turn the puck straight up
    const QPoint marker = c().redansh->geometry().center();
    placer().buttonDown();
    placer().handleDrag(1, 3, 3 - 100);
    placer().buttonUp();
    EXPECT_EQ(c().redansh->pos(), QPoint(marker.x() - 3, marker.y() - 3 - 100));
    EXPECT_EQ(s().redHandleLeft, c().redansh->x());
    EXPECT_EQ(s().redHandleTop, c().redansh->y());
    const double aimed = s().red.direction;
    EXPECT_GT(aimed, sim::kPi / 2);   // up and a little left of the centre at 771
    c().Resetbt->click();
    EXPECT_NEAR(s().red.direction, aimed, 1e-9);
}

TEST_F(PlacerTest, OneDAimOnTheCentreColumnSurvivesAResetAndADrag)
{
    c().type1D->trigger();
    const int cx = c().puck1->x() + 24;
    dragHandle(1, cx, c().redansh->y() + 3);
    EXPECT_DOUBLE_EQ(s().red.direction, 0.0);
    dragPuck(1, 300, 0);
    c().Resetbt->click();
    EXPECT_DOUBLE_EQ(s().red.direction, 0.0);
}

TEST_F(PlacerTest, APushedPuckStaysOnTheTable)
{
    // red pushes black along the row into the right edge
    sweepPuck(1, 771, 195);
    EXPECT_TRUE(onTable(c().puck2));
    EXPECT_EQ(c().puck2->x(), 766 - 24);
    EXPECT_EQ(c().puck1->x(), c().puck2->x() - 26);
    EXPECT_EQ(c().puck1->y(), c().puck2->y());
    EXPECT_EQ(s().red.x, c().puck1->x());
    EXPECT_EQ(s().black.x, c().puck2->x());
    EXPECT_EQ(s().red.startLeft, c().puck1->x());
    EXPECT_EQ(s().black.startLeft, c().puck2->x());
    EXPECT_TRUE(onTable(c().blackansh));
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    c().Resetbt->click();
    EXPECT_EQ(c().puck2->x(), 742);
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    EXPECT_NEAR(s().red.direction, 0.0, 1e-9);

    // black pushes red into the left edge
    c().Recenterbt->click();
    sweepPuck(2, 12, 195);
    EXPECT_TRUE(onTable(c().puck1));
    EXPECT_EQ(c().puck1->x(), 7);
    EXPECT_EQ(c().puck2->x(), 7 + 26);
    EXPECT_EQ(s().sampleLog.positions[1].redX, 12.0);

    // and into the bottom edge: both keep one row
    c().Recenterbt->click();
    dragPuck(1, 300, 378);   // a dragged puck may hang over the bottom edge
    sweepPuck(2, 320, 378);
    EXPECT_TRUE(onTable(c().puck2));
    EXPECT_EQ(c().puck2->y(), 374 - 24);
    EXPECT_EQ(c().puck1->y(), c().puck2->y());
    EXPECT_EQ(c().puck2->x() - c().puck1->x(), 26);
}

TEST_F(PlacerTest, LaunchSetsTheSpeedFromTheClickAndStarts)
{
    placer().launch(12);
    EXPECT_DOUBLE_EQ(s().red.speed, 0.5);
    EXPECT_TRUE(c().colltimer->isActive());
    EXPECT_FALSE(c().velsh->isVisibleTo(window.get()));
    c().Resetbt->click();
    placer().launch(0);
    EXPECT_DOUBLE_EQ(s().red.speed, -11.5);
}
