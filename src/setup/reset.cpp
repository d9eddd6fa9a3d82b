#include "setup/reset.h"

#include "engine/table_start.h"
#include "ui/canvas.h"
#include "ui/widgets.h"
#include "view/table_picture.h"

TableReset::TableReset(ClassroomHub& hub, Controls& c, Operations& ops, Canvas& table, Canvas& grid)
    : m_(hub.room().model()), s_(hub.commands().runState()), hub_(hub), c_(c), ops_(ops), cv_(table), grid_(grid)
{}

void TableReset::reset()
{
    if (ops_.forgetCopy)
        ops_.forgetCopy();
    if (c_.delaytimer1->isActive() && ops_.toggleReplay)
        ops_.toggleReplay();
    s_.tick = 1;
    c_.Timesb->setValue(0);   // clamped to 1; runs the time-line change if it moves
    hub_.run(&sim::Classroom::resetClock);
    setCaption(c_.Timelb, startTime());
    c_.Timesb->setMaximum(1);
    s_.viewTick = 1;
    c_.measurecb->setChecked(false);
    c_.colltimer->stop();
    c_.Startbt->setText(tr("&Start"));

    clearTable(cv_, grid_, m_.mark(sim::ShowGridMark), QColor(0, 0, 0));
    if (m_.mark(sim::ShowScaleMark))
        drawScaleBar(cv_, s_.scale, QStringLiteral("10.0 cm"));

    sim::resetRun(s_, m_);
    c_.puck1->move(s_.red.startLeft, s_.red.startTop);
    c_.puck2->move(s_.black.startLeft, s_.black.startTop);
    c_.redansh->show();
    ops_.drawSetUp();
    c_.puck1->show();
    c_.velsh->setVisible(m_.interaction == sim::Interaction::Circle);
    if (m_.blackOnTable()) {
        c_.puck2->show();
        c_.blackansh->show();
    }
    if (ops_.runStageChanged)
        ops_.runStageChanged();
}

void TableReset::recenter()
{
    reset();
    sim::recenterPlaces(s_, m_);
    c_.puck1->move(s_.red.startLeft, s_.red.startTop);
    c_.puck2->move(s_.black.startLeft, s_.black.startTop);
    c_.redansh->move(s_.redHandleLeft, s_.redHandleTop);
    c_.blackansh->move(s_.blackHandleLeft, s_.blackHandleTop);
    ops_.drawSetUp();
}
