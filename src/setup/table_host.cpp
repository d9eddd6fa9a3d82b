#include "setup/table_host.h"

#include "setup/model_view.h"
#include "setup/puck_placer.h"
#include "setup/reset.h"
#include "ui/widgets.h"

TableHost::TableHost(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops, ModelView& view,
                     PuckPlacer& placer, TableReset& reset)
    : m_(m), s_(s), c_(c), ops_(ops), view_(view), placer_(placer), reset_(reset)
{}

void TableHost::renderTrace()
{
    view_.show();
    ops_.renderTrace();
}

void TableHost::drawSetUp()
{
    view_.show();
    ops_.drawSetUp();
}

void TableHost::reset()
{
    view_.show();
    reset_.reset();
}

void TableHost::recenter()
{
    view_.show();
    reset_.recenter();
}

void TableHost::placeShapes()
{
    view_.show();
    c_.puck1->move(s_.red.startLeft, s_.red.startTop);
    c_.puck2->move(s_.black.startLeft, s_.black.startTop);
    placer_.showHandle(1);
    placer_.showHandle(2);
    c_.velsh->move(c_.puck1->x() + 10, c_.puck1->y());
}

// Circle mode shows its speed handle; the black puck stays hidden with one
// mass whatever the mode.
void TableHost::showShapesForInteraction()
{
    const bool circle = m_.interaction == sim::Interaction::Circle;
    c_.velsh->move(c_.puck1->x() + 10, c_.puck1->y());
    c_.velsh->setVisible(circle);
    const bool blackShown = m_.blackOnTable();
    c_.puck2->setVisible(blackShown);
    c_.blackansh->setVisible(blackShown);
}

// Over a recorded run the markers stay hidden; the next Reset shows them.
void TableHost::showShapesForMassCount()
{
    const bool shown = m_.massCount == 2 && !sim::runStarted(s_);
    c_.puck2->setVisible(shown);
    c_.blackansh->setVisible(shown);
}
