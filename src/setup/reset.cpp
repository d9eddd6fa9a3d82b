#include "setup/reset.h"

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/widgets.h"
#include "view/trace_renderer.h"

TableReset::TableReset(sim::SimState& s, Controls& c, Operations& ops, Canvas& table, Canvas& grid)
    : s_(s), c_(c), ops_(ops), cv_(table), grid_(grid)
{}

void TableReset::reset()
{
    c_.PrintCopySelect1->setEnabled(false);
    if (c_.delaytimer1->isActive() && ops_.toggleReplay)
        ops_.toggleReplay();
    s_.tick = 1;
    c_.Timesb->setValue(0);   // clamped to 1; runs the time-line change if it moves
    setCaption(c_.Timelb, QStringLiteral("Time: 0.00 s"));
    c_.Timesb->setMaximum(1);
    s_.viewTick = 1;
    c_.measurecb->setEnabled(false);
    c_.rulerrb->setEnabled(false);
    c_.Prorb->setEnabled(false);
    c_.measurecb->setChecked(false);
    s_.collisionTick = s_.noCollisionTick;
    c_.printtrbt->setEnabled(false);
    s_.collided = false;
    s_.stepPhase = 0;
    if (c_.colltimer->isActive())
        c_.colltimer->stop();
    c_.Startbt->setText(QStringLiteral("&Start"));

    TraceRenderer::clearTable(cv_, grid_, c_.ShowGrid1->isChecked(), QColor(0, 0, 0));
    if (c_.ShowScale1->isChecked())
        TraceRenderer::drawScaleBar(cv_, s_.scale, QStringLiteral("10.0 cm"));

    s_.red.x = s_.red.startLeft;
    s_.red.y = s_.red.startTop;
    s_.black.x = s_.black.startLeft;
    s_.black.y = s_.black.startTop;
    c_.puck1->move(s_.red.startLeft, s_.red.startTop);
    c_.puck2->move(s_.black.startLeft, s_.black.startTop);
    s_.red.speed = c_.v1sb->value() / 10.0;
    s_.black.speed = c_.v2sb->value() / 10.0;
    c_.redansh->show();
    sim::recordSample(s_);   // tick is 1 and nothing is stuck: entry 1 from the pucks
    sim::computeDirections(s_);
    ops_.drawSetUp();
    c_.puck1->show();
    c_.velsh->setVisible(c_.Circle1->isChecked());
    if (!c_.Circle1->isChecked() && c_.massCount() == 2) {
        c_.puck2->show();
        c_.blackansh->show();
    }
    s_.sampleLog.velocities[1] = {s_.red.speed, s_.red.direction, s_.black.speed, s_.black.direction};
}

void TableReset::placeAtStart()
{
    const int W = cv_.width(), H = cv_.height();
    c_.puck1->move(W / 4, H / 2);
    c_.puck2->move((2 * W) / 4, H / 2);
    const int hw = c_.redansh->width();
    c_.redansh->move(c_.puck1->x() + 50 + c_.puck1->width(), c_.puck1->y() + c_.puck1->width() / 2 - hw / 2);
    c_.blackansh->move(c_.puck2->x() - 50, c_.puck2->y() + c_.puck2->width() / 2 - hw / 2);
    s_.redHandleLeft = c_.redansh->x();
    s_.redHandleTop = c_.redansh->y();
    s_.blackHandleLeft = c_.blackansh->x();
    s_.blackHandleTop = c_.blackansh->y();
    s_.red.radius = c_.puck1->width() / 2;
    s_.black.radius = c_.puck2->width() / 2;
    s_.red.x = c_.puck1->x();
    s_.red.y = c_.puck1->y();
    s_.black.x = c_.puck2->x();
    s_.black.y = c_.puck2->y();
    s_.red.startLeft = num::Round(s_.red.x);
    s_.red.startTop = num::Round(s_.red.y);
    s_.black.startLeft = num::Round(s_.black.x);
    s_.black.startTop = num::Round(s_.black.y);
}

void TableReset::recenter()
{
    reset();
    placeAtStart();
    s_.red.direction = 0.0;
    s_.black.direction = c_.massCount() == 2 ? sim::kPi : 0.0;
    // Record the recentred set-up, so that the next run starts where the
    // pucks are shown and its arrows point as they are aimed.
    s_.redStartDirection = s_.red.direction;
    s_.blackStartDirection = s_.black.direction;
    sim::recordSample(s_);
    s_.sampleLog.velocities[1] = {s_.red.speed, s_.red.direction, s_.black.speed, s_.black.direction};
    ops_.drawSetUp();
}

void TableReset::tableAngleChanged()
{
    const int p = c_.tableangsb->value();
    if (c_.dimension() == 2) {
        setCaption(c_.tableanglb,
                   QStringLiteral("Table Angle: ") + QString::fromStdString(num::F(p / 100.0, 4, 2)) + QChar(0xBA));
        s_.tiltAccel = sim::tiltAccelFor(p, s_.scale);
        s_.pushAccel = 0.0;
    } else {
        setCaption(c_.tableanglb,
                   QStringLiteral("Force: ") + QString::fromStdString(num::F(p / 10.0, 3, 1))
                       + QStringLiteral(" N [R]"));
        s_.tiltAccel = 0.0;
        s_.pushAccel = sim::pushAccelFor(p, s_.scale, c_.m1sb->value());
        if (s_.tick < 2)
            ops_.drawSetUp();
        else
            ops_.renderTrace();
    }
}
