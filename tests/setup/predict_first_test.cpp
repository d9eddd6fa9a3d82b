// "Predict First" in the table window: the run held at the contact with
// nothing of the outcome drawn, the panel, Reveal and Reset.
#include "table_fixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <cmath>

#include "datawin/data_window.h"
#include "datawin/ledger_page.h"
#include "datawin/momentum_page.h"
#include "engine/exact_setup.h"
#include "setup/prediction_panel.h"
#include "setup/presentation_window.h"

using sim::ExactField;

class PredictFirstTest : public TableTest {
protected:
    // Red 2 kg at 5 cm/s head-on into black 2 kg at rest, Predict First on.
    void headOn(sim::Interaction mode)
    {
        window->rules().chooseInteraction(mode);
        sim::ExactNumbers n = sim::exactNumbers(window->model(), s());
        for (const auto& [f, v] : {std::pair{ExactField::RedSpeed, 5.0},
                                   {ExactField::RedDirection, 0.0},
                                   {ExactField::RedX, 10.0},
                                   {ExactField::RedY, 10.0},
                                   {ExactField::BlackSpeed, 0.0},
                                   {ExactField::BlackX, 20.0},
                                   {ExactField::BlackY, 10.0}})
            n[static_cast<size_t>(f)] = v;
        sim::applyExact(sim::planExact(n, window->model().electroEntry, window->model(), s()), window->rules(), s());
        window->setupHost().placeShapes();
        if (!c().predictFirst1->isChecked())
            c().predictFirst1->trigger();
    }
    // Timer events until the run is held (or 600 ticks pass).
    void runToTheHold()
    {
        c().Startbt->click();
        for (int i = 0; i < 3000 && c().colltimer->isActive(); ++i)
            window->runControl().timerEvent();
    }
};

TEST_F(PredictFirstTest, TheRunIsHeldAtTheContactWithNothingOfTheOutcomeShown)
{
    window->rules().setMark(sim::ArrowsMark, true);   // the after-arrows tell a stopped puck from a moving one
    headOn(sim::Interaction::Inelastic);
    runToTheHold();
    const QImage sticking = image().image().copy();
    const int heldAt = window->room().prediction().hideFrom;

    c().Resetbt->click();
    EXPECT_EQ(window->room().prediction().hideFrom, 0);
    EXPECT_TRUE(c().Startbt->isEnabled());
    headOn(sim::Interaction::Elastic);
    runToTheHold();
    ASSERT_GT(heldAt, 1);
    EXPECT_EQ(window->room().prediction().hideFrom, heldAt);
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_FALSE(c().Startbt->isEnabled());
    EXPECT_EQ(c().Startbt->accessibleDescription(), RunControl::predictText());
    EXPECT_LE(c().Timesb->maximum(), heldAt);
    // the same picture whichever way the pucks part, the time line moved or the view changed
    EXPECT_EQ(image().image(), sticking);
    c().Timesb->setValue(c().Timesb->maximum() - 5);
    c().Timesb->setValue(c().Timesb->maximum());
    c().letterMarks1->trigger();
    c().letterMarks1->trigger();
    EXPECT_EQ(image().image(), sticking);
    c().presentation1->trigger();   // what the class sees on the projector: the speeds before
    ASSERT_NE(window->presentation(), nullptr);
    EXPECT_TRUE(window->presentation()->captionText().endsWith("Red 5.0 cm/s     Black 0.0 cm/s"))
        << window->presentation()->captionText().toStdString();

    PredictionPanel* panel = window->predictionPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->revealButton()->isEnabled());
    EXPECT_FALSE(panel->table()->isVisible());
    panel->close();   // the way on is Reveal or Reset
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(PredictFirstTest, APredictionTypedIsDrawnAndRevealGoesOnWithTheTable)
{
    headOn(sim::Interaction::Elastic);
    runToTheHold();
    PredictionPanel* panel = window->predictionPanel();
    ASSERT_NE(panel, nullptr);
    const QImage held = image().image().copy();
    QTest::keyClicks(panel->speed(1), "6");
    QTest::keyClicks(panel->direction(1), "0");
    QTest::keyClicks(panel->speed(0), "x");
    EXPECT_TRUE(window->room().prediction().black.given);
    EXPECT_FALSE(window->room().prediction().red.given);
    EXPECT_DOUBLE_EQ(window->room().prediction().black.speed, 6.0);
    EXPECT_NE(image().image(), held);   // the dotted arrow

    panel->speed(0)->clear();
    QTest::keyClicks(panel->speed(0), "0");
    panel->revealButton()->click();
    EXPECT_TRUE(window->room().prediction().revealed);
    EXPECT_TRUE(c().colltimer->isActive());
    EXPECT_TRUE(c().Startbt->isEnabled());
    ASSERT_TRUE(panel->table()->isVisible());
    EXPECT_EQ(panel->table()->item(sim::BlackSpeed, 0)->text(), "6.00");
    EXPECT_EQ(panel->table()->item(sim::BlackSpeed, 1)->text(), "5.00");
    EXPECT_EQ(panel->table()->item(sim::BlackSpeed, 2)->text(), "1.00");
    EXPECT_EQ(panel->table()->item(sim::RedDirection, 1)->text(), "-");
}

TEST_F(PredictFirstTest, OneMassOrTheCircleHaveNothingToPredict)
{
    QMenu* view = qobject_cast<QMenu*>(c().predictFirst1->parent());
    ASSERT_NE(view, nullptr);
    emit view->aboutToShow();
    EXPECT_TRUE(c().predictFirst1->isEnabled());
    c().Circle1->trigger();
    emit view->aboutToShow();
    EXPECT_FALSE(c().predictFirst1->isEnabled());
    EXPECT_FALSE(c().predictFirst1->toolTip().isEmpty());
}

TEST_F(PredictFirstTest, TheDataWindowHidesTheOutcomeAndItsArrowsTakeThePrediction)
{
    DataWindow data(*window, platform);
    headOn(sim::Interaction::Elastic);
    runToTheHold();
    window->classroom().run(&sim::Classroom::predict, 1, sim::PredictedPuck{2.5, 60.0, true});
    c().showbt->click();
    ASSERT_EQ(platform.dialogsShown, 1);
    // the page's after fields show the prediction, and opening it leaves the prediction alone
    EXPECT_EQ(window->room().prediction().red.speed, 2.5);
    EXPECT_EQ(data.momentumPage().rav->text(), "5.0");
    EXPECT_EQ(data.momentumPage().raa->text(), "60.0");
    EXPECT_EQ(data.momentumPage().bav->text(), "");
    LedgerPage& ledger = data.ledgerPage();
    EXPECT_EQ(ledger.aftergrid->item(1, 2)->text(), "?");   // black's speed after
    EXPECT_EQ(ledger.beforegrid->item(0, 2)->text(), "5.00");
    EXPECT_FALSE(data.keepRun->isEnabled());   // a kept trace would show the outcome

    MomentumPage& mom = data.momentumPage();
    MovableShape* head = mom.circle(8);   // the black after arrow's head
    ASSERT_TRUE(head->isVisibleTo(&data));
    const QImage before = image().image().copy();
    emit head->keyMove(10, 0);
    const sim::PredictedPuck& black = window->room().prediction().black;
    EXPECT_TRUE(black.given);
    EXPECT_GT(black.speed, 0.0);
    EXPECT_EQ(window->predictionPanel()->speed(1)->text(), QString::number(black.speed, 'f', 2));
    EXPECT_NE(image().image(), before);   // the table draws it at once
    EXPECT_EQ(mom.bav->text().toDouble(), std::round(black.speed * 2.0 * 10) / 10);
}
