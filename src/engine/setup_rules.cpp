#include "engine/setup_rules.h"

#include "engine/motion.h"
#include "engine/run.h"

namespace sim {

void SetupRules::setMass(int puck, int position)
{
    const int p = kMassRange.clamp(position);
    int& mass = puck == 1 ? m_.redMass : m_.blackMass;
    if (p == mass)
        return;
    mass = p;
    (puck == 1 ? s_.red : s_.black).mass = p / 10.0;
    // The push belongs to 1-D: on a tilted 2-D table the bar is an angle.
    if (puck == 1 && m_.pushed())
        s_.pushAccel = pushAccelFor(m_.tableAngle, s_.scale, p);
}

void SetupRules::setSpeed(int puck, int position)
{
    const int p = kSpeedRange.clamp(position);
    int& speed = puck == 1 ? m_.redSpeed : m_.blackSpeed;
    if (p == speed)
        return;
    speed = p;
    (puck == 1 ? s_.red : s_.black).speed = p / 10.0;
    // one mass: the black puck's bar follows the red one's
    if (puck == 1 && m_.massCount == 1)
        setSpeed(2, p);
    if (!runStarted(s_))
        host_.drawSetUp();
}

void SetupRules::setCharge(int puck, int position)
{
    const int p = (puck == 1 ? kRedChargeRange : kBlackChargeRange).clamp(position);
    (puck == 1 ? m_.redCharge : m_.blackCharge) = p;
    (puck == 1 ? s_.redCharge : s_.blackCharge) = p;
}

void SetupRules::setPercent(int position)
{
    const int p = kPercentRange.clamp(position);
    m_.elasticPercent = p;
    s_.elasticPercent = p;
}

void SetupRules::setSpringK(int position)
{
    const int p = kSpringKRange.clamp(position);
    m_.springK = p;
    s_.springK = p;
}

void SetupRules::setSpringLength(int position)
{
    const int p = kSpringLengthRange.clamp(position);
    if (p == m_.springLength)
        return;
    m_.springLength = p;
    s_.springLength = p;
    if (!runStarted(s_))
        host_.drawSetUp();
    else
        host_.renderTrace();
}

void SetupRules::setTableAngle(int position)
{
    const int p = BarRange{kAngleRange.min, m_.tableAngleMaximum}.clamp(position);
    if (p == m_.tableAngle)
        return;
    m_.tableAngle = p;
    m_.angleCaptionPlain = false;
    accelerationsFor(p);
    if (m_.dimension == 1) {
        if (!runStarted(s_))
            host_.drawSetUp();
        else
            host_.renderTrace();
    }
}

// A tilt in 2-D, a push in 1-D (whatever the mass count: the bar is hidden
// where it means nothing).
void SetupRules::accelerationsFor(int position)
{
    if (m_.dimension == 2) {
        s_.tiltAccel = tiltAccelFor(position, s_.scale);
        s_.pushAccel = 0.0;
    } else {
        s_.tiltAccel = 0.0;
        s_.pushAccel = pushAccelFor(position, s_.scale, m_.redMass);
    }
}

// A lower maximum pulls a bar further along back to it, which counts as a move.
void SetupRules::setTableAngleMaximum(int maximum)
{
    m_.tableAngleMaximum = maximum;
    if (m_.tableAngle > maximum)
        setTableAngle(maximum);
}

void SetupRules::sizePucks()
{
    s_.red.radius = m_.redSide() / 2;
    s_.black.radius = m_.blackSide() / 2;
}

void SetupRules::rememberModes(int dimension, int massCount)
{
    m_.dimension = dimension;
    m_.massCount = massCount;
}

void SetupRules::chooseDimension(int dimension)
{
    m_.dimension = dimension;
    s_.dimension = dimension;
    m_.tableAngleShown = true;
    if (dimension == 1) {
        if (m_.interaction == Interaction::Circle)
            chooseInteraction(Interaction::Elastic);
        setTableAngleMaximum(100);
        setTableAngle(0);
        m_.angleCaptionPlain = false;
    } else {
        setTableAngleMaximum(1000);
        setTableAngle(0);
        m_.angleCaptionPlain = true;
        // the spring forces 1-D: leaving it, the spring is let go
        if (m_.springChecked) {
            m_.springChecked = false;
            chooseInteraction(Interaction::Elastic);
        }
    }
    sizePucks();
    host_.renderTrace();
    host_.drawSetUp();
    if (!confirmationShowing_)
        host_.recenter();
}

void SetupRules::chooseMassCount(int count)
{
    setTableAngle(0);
    chooseInteraction(Interaction::Elastic);   // switched off with one mass: then nothing happens
    m_.massCount = count;
    s_.massCount = count;
    setTableAngleMaximum(1000);
    const bool two = count == 2;
    if (!two) {
        setTableAngleMaximum(100);
        if (m_.mark(BlackBeforeMark))
            toggleMark(BlackBeforeMark);
        if (m_.mark(BlackAfterMark))
            toggleMark(BlackAfterMark);
        s_.black.direction = s_.red.direction;
        setSpeed(2, m_.redSpeed);
        chooseInteraction(Interaction::Elastic);
    }
    m_.blackBarsShown = two;
    m_.interactionsEnabled = two;
    host_.showShapesForMassCount();
    host_.renderTrace();
    host_.drawSetUp();
}

void SetupRules::chooseInteraction(Interaction mode, int electroRange)
{
    if (mode != Interaction::Electrostatic && !m_.interactionsEnabled)
        return;
    if (mode == Interaction::Electrostatic) {
        s_.electroRange = electroRange;
        m_.electroEntry = electroRange;
    }
    m_.interaction = mode;
    s_.interactionMode = mode;
    m_.springChecked = false;
    // the force or angle bar that the spring hid comes back with any other mode
    if (m_.springBoxShown)
        m_.tableAngleShown = true;
    m_.springBoxShown = false;
    // the percent each mode works with; its bar only in Semi Elastic
    setPercent(mode == Interaction::Inelastic ? 0 : (mode == Interaction::SemiElastic ? 50 : 100));
    m_.percentShown = mode == Interaction::SemiElastic;
    // circle mode hides the speed bars and the black puck's mass
    const bool circle = mode == Interaction::Circle;
    m_.redSpeedShown = !circle;
    m_.blackBarsShown = !circle;
    m_.chargesShown = mode == Interaction::Electrostatic;
    host_.showShapesForInteraction();
    // the new mode starts from the start positions
    host_.reset();
}

void SetupRules::chooseSpring(int kind)
{
    s_.springKind = kind;
    m_.springEntry = kind;
    chooseDimension(1);
    chooseInteraction(Interaction::Elastic);   // switched off with one mass: then nothing happens
    m_.interaction = Interaction::Spring1D;
    s_.interactionMode = Interaction::Spring1D;
    m_.springChecked = true;
    m_.percentShown = false;
    m_.tableAngleShown = false;
    m_.springBoxShown = true;
    host_.reset();
}

void SetupRules::chooseCircleFriction(int friction)
{
    m_.circleFriction = friction;
    s_.circleFriction = friction;
}

void SetupRules::chooseComputerSpeed(int intervalMs)
{
    m_.intervalMs = intervalMs;
    s_.intervalMs = intervalMs;
    s_.eventsPerTick = eventsPerTickFor(intervalMs);
}

void SetupRules::togglePlottingError()
{
    m_.plottingError = !m_.plottingError;
    s_.plottingError = m_.plottingError;
    host_.renderTrace();
}

void SetupRules::toggleLetterMarks()
{
    m_.letterMarks = !m_.letterMarks;
    if (s_.tick != 1)
        host_.renderTrace();
    else
        host_.drawSetUp();
}

void SetupRules::setMark(ViewMark mark, bool on)
{
    m_.marks = on ? (m_.marks | mark) : (m_.marks & ~static_cast<uint32_t>(mark));
}

// Each mark redraws as its group always has: the centre marks only over a
// run, the colours at once, the grid group the set-up or the run.
void SetupRules::toggleMark(ViewMark mark)
{
    setMark(mark, !m_.mark(mark));
    switch (mark) {
    case CentreOfMassMark:
    case TraceCentresMark:
        if (s_.tick != 1)
            host_.renderTrace();
        break;
    case ShowGridMark:
    case LabelMassMark:
    case ShowForceMark:
    case TraceBlockMark:
        if (s_.tick != 1)
            host_.renderTrace();
        else
            host_.drawSetUp();
        break;
    default: host_.renderTrace(); break;
    }
}

void SetupRules::chooseCircleSize(int size)
{
    m_.circleSize = size;
    if (m_.dimension != 2)
        return;   // 1-D blocks keep their size
    sizePucks();
    if (runStarted(s_)) {
        // the handles no longer aim the moving pucks: keep their course
        host_.renderTrace();
        return;
    }
    computeDirections(s_, m_.dotSize);
    host_.drawSetUp();
}

void SetupRules::chooseScale(int scale)
{
    m_.scale = scale;
    s_.scale = scale;
    if (m_.dimension == 1)
        s_.pushAccel = pushAccelFor(m_.tableAngle, s_.scale, m_.redMass);
    else
        s_.tiltAccel = tiltAccelFor(m_.tableAngle, s_.scale);
}

void SetupRules::chooseDotSize(int side)
{
    m_.dotSize = side;
}

}   // namespace sim
