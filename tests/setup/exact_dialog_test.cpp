// "Set Up Exactly...": what is typed leaves the state the bars and the
// drags leave; a bad number keeps the dialog open and says why.
#include "table_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "engine/exact_setup.h"
#include "same_state.h"
#include "setup/exact_dialog.h"

using sim::ExactField;

class ExactDialogTest : public TableTest {
protected:
    // Types `values` into the dialog, presses Ok and reports the messages.
    void typeAndOk(std::initializer_list<std::pair<ExactField, const char*>> values)
    {
        platform.onModal = [values](QDialog& d) {
            auto& dialog = static_cast<ExactDialog&>(d);
            for (const auto& [f, text] : values)
                dialog.field(f)->setText(QString::fromUtf8(text));
            dialog.okButton->click();
            return dialog.result();
        };
        c().exactSetUp1->trigger();
    }
    // The same set-up by the hands: a drag whose move lands the shape's top-left at (left, top).
    static void dragTo(PuckPlacer& placer, MovableShape* shape, bool puck, int left, int top)
    {
        placer.buttonDown();
        const int x = left - shape->x() + shape->width() / 2, y = top - shape->y() + shape->height() / 2;
        if (puck)
            placer.puckDrag(shape->tag(), x, y);
        else
            placer.handleDrag(shape->tag(), x, y);
        placer.buttonUp();
    }
};

TEST_F(ExactDialogTest, TypedNumbersLeaveTheStateTheBarsAndDragsLeave)
{
    typeAndOk({{ExactField::RedMass, "3"},
               {ExactField::RedSpeed, "4.47"},
               {ExactField::RedDirection, "30"},
               {ExactField::RedX, "10"},
               {ExactField::RedY, "6"},
               {ExactField::BlackMass, "1.5"},
               {ExactField::BlackDirection, "200"},
               {ExactField::BlackX, "25"},
               {ExactField::BlackY, "9.03"}});
    ASSERT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(c().v1sb->value(), 45);
    EXPECT_EQ(c().puck1->pos(), QPoint(195, 115));

    FakePlatform handsPlatform;
    TableWindow hands(handsPlatform);
    hands.controls().delaytimer1->stop();
    Controls& h = hands.controls();
    h.m1sb->setValue(30);
    h.v1sb->setValue(45);
    h.m2sb->setValue(15);
    PuckPlacer& placer = hands.puckPlacer();
    dragTo(placer, h.puck1, true, s().red.startLeft, s().red.startTop);
    dragTo(placer, h.redansh, false, s().redHandleLeft, s().redHandleTop);
    dragTo(placer, h.puck2, true, s().black.startLeft, s().black.startTop);
    dragTo(placer, h.blackansh, false, s().blackHandleLeft, s().blackHandleTop);
    expectSameState(hands.state(), s(), 0);
    EXPECT_EQ(hands.model().redMass, window->model().redMass);
    EXPECT_EQ(h.redansh->pos(), c().redansh->pos());
}

TEST_F(ExactDialogTest, ABadNumberKeepsTheDialogOpenAndSaysWhy)
{
    const sim::SimState before = s();
    typeAndOk({{ExactField::RedMass, "heavy"}});
    typeAndOk({{ExactField::RedSpeed, "60"}});
    typeAndOk({{ExactField::RedX, "20"}, {ExactField::BlackX, "20.5"}});
    ASSERT_EQ(platform.messages.size(), 3);
    EXPECT_EQ(platform.messages[0], "Red mass: \"heavy\" is not a number; it takes 0.1 kg to 20.0 kg.");
    EXPECT_EQ(platform.messages[1], "Red speed takes 0.0 cm/s to 50.0 cm/s.");
    EXPECT_EQ(platform.messages[2], "The pucks would overlap: place them further apart.");
    expectSameState(s(), before, 0);
}

// OK on numbers left as shown changes nothing: an aim with more decimals
// than the field shows is not rounded away.
TEST_F(ExactDialogTest, OkOnTheNumbersAsShownChangesNothing)
{
    dragTo(window->puckPlacer(), c().redansh, false, c().redansh->x() + 7, c().redansh->y() - 23);
    const sim::SimState before = s();
    typeAndOk({});
    ASSERT_TRUE(platform.messages.isEmpty());
    expectSameState(s(), before, 0);
}

// What each field will become is shown beside it before anything is applied.
TEST_F(ExactDialogTest, TheDialogShowsWhatEachNumberBecomes)
{
    platform.onModal = [](QDialog& d) {
        auto& dialog = static_cast<ExactDialog&>(d);
        dialog.field(ExactField::RedSpeed)->setText("4.47");
        emit dialog.field(ExactField::RedSpeed)->textEdited("4.47");
        EXPECT_EQ(dialog.outcome(ExactField::RedSpeed)->text(), "-> 4.5 cm/s");
        EXPECT_FALSE(dialog.field(ExactField::Percent)->isVisibleTo(&dialog));   // not in this mode
        return 0;
    };
    c().exactSetUp1->trigger();
    EXPECT_EQ(platform.dialogsShown, 1);
}
