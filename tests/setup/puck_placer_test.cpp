#include "table_fixture.h"

#include "setup/puck_placer.h"

namespace {
// Mouse coordinates, relative to the shape, that put its centre at (cx, cy).
QPoint toCentre(QWidget* shape, int cx, int cy)
{
    return QPoint(cx - shape->x(), cy - shape->y());
}
} // namespace

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
    EXPECT_FALSE(s().dragging);
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
    EXPECT_FALSE(s().dragging);
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
    const QRect image(7, 7, 759, 367);
    EXPECT_TRUE(image.contains(QRect(c().redansh->pos(), c().redansh->size())));
    EXPECT_EQ(s().redHandleLeft, c().redansh->x());
    // still on the puck's course: straight right
    c().Resetbt->click();
    EXPECT_NEAR(s().red.direction, 0.0, 1e-9);
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
