#include "setup/view_settings_of.h"

#include "ui/widgets.h"

ViewSettings viewSettingsOf(const sim::SetupModel& m, const Controls& c, const sim::Challenge* challenge)
{
    ViewSettings v;
    v.showGrid = m.mark(sim::ShowGridMark);
    v.showScale = m.mark(sim::ShowScaleMark);
    v.arrows = m.mark(sim::ArrowsMark);
    v.circle = m.interaction == sim::Interaction::Circle;
    v.springMode = m.springChecked;
    v.oneD = m.dimension == 1;
    v.massCount = m.massCount;
    v.centreOfMass = m.mark(sim::CentreOfMassMark);
    v.traceCentres = m.mark(sim::TraceCentresMark);
    v.redBefore = m.mark(sim::RedBeforeMark);
    v.redAfter = m.mark(sim::RedAfterMark);
    v.blackBefore = m.mark(sim::BlackBeforeMark);
    v.blackAfter = m.mark(sim::BlackAfterMark);
    v.labelMass = m.mark(sim::LabelMassMark);
    v.tableAngle = m.tableAngle;
    v.redMassBar = m.redMass;
    v.blackMassBar = m.blackMass;
    v.redSpeedBar = m.redSpeed;
    v.blackSpeedBar = m.blackSpeed;
    v.strobeIndex = m.frequencyIndex;
    v.traceBlock = m.mark(sim::TraceBlockMark);
    v.showForce = m.mark(sim::ShowForceMark);
    v.letters = m.letterMarks;
    v.redPuck = {c.puck1->x(), c.puck1->y(), c.puck1->width()};
    v.redHandle = {c.redansh->x(), c.redansh->y(), c.redansh->width()};
    if (challenge && challenge->hidesBlackMass())
        v.centreOfMass = v.labelMass = false;
    if (challenge && challenge->hidesRedSpeed()) {
        v.redBefore = v.blackBefore = false;
        v.hideBefore = true;
    }
    return v;
}
