#include "setup/view_settings_of.h"

#include "ui/widgets.h"

ViewSettings viewSettingsOf(const Controls& c)
{
    ViewSettings v;
    v.showGrid = c.ShowGrid1->isChecked();
    v.showScale = c.ShowScale1->isChecked();
    v.arrows = c.Arrows1->isChecked();
    v.circle = c.Circle1->isChecked();
    v.springMode = c.springMenu->menuAction()->isChecked();
    v.oneD = c.dimension() == 1;
    v.massCount = c.massCount();
    v.centreOfMass = c.Centerofmass1->isChecked();
    v.traceCentres = c.tracecb->isChecked();
    v.redBefore = c.redb->isChecked();
    v.redAfter = c.reda->isChecked();
    v.blackBefore = c.blackb->isChecked();
    v.blackAfter = c.blackA->isChecked();
    v.labelMass = c.Labelmass1->isChecked();
    v.tableAngle = c.tableangsb->value();
    v.redMassBar = c.m1sb->value();
    v.blackMassBar = c.m2sb->value();
    v.redSpeedBar = c.v1sb->value();
    v.blackSpeedBar = c.v2sb->value();
    v.strobeIndex = c.cbfreq->currentIndex();
    v.traceBlock = c.TraceBlock1->isChecked();
    v.showForce = c.ShowForce1->isChecked();
    v.redPuck = {c.puck1->x(), c.puck1->y(), c.puck1->width()};
    v.redHandle = {c.redansh->x(), c.redansh->y(), c.redansh->width()};
    return v;
}
