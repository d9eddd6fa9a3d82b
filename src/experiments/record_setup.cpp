#include "experiments/record_setup.h"

#include <algorithm>
#include <cmath>

namespace exper {

using F = ExperimentRecord::Field;
using sim::Interaction;

namespace {

int interactionCode(const sim::SetupModel& m)
{
    if (m.springChecked)
        return 1;
    switch (m.interaction) {
    case Interaction::Inelastic: return 3;
    case Interaction::SemiElastic: return 4;
    case Interaction::Electrostatic: return 5;
    case Interaction::Circle: return 6;
    default: return 2;   // Elastic, or nothing checked
    }
}

void placePucksAndHandles(sim::SimState& s, const ExperimentRecord& r)
{
    s.red.startLeft = r[F::RedPuckLeft];
    s.red.startTop = r[F::RedPuckTop];
    s.black.startLeft = r[F::BlackPuckLeft];
    s.black.startTop = r[F::BlackPuckTop];
    s.redHandleLeft = r[F::RedHandleLeft];
    s.redHandleTop = r[F::RedHandleTop];
    s.blackHandleLeft = r[F::BlackHandleLeft];
    s.blackHandleTop = r[F::BlackHandleTop];
}

// The bars, each with its own reaction. The catalogue sets the percent here
// too; a file's percent waits for its interaction.
void setBars(sim::SetupRules& rules, const ExperimentRecord& r, RecordSource source)
{
    rules.setSpringK(r[F::SpringK]);
    rules.setSpringLength(r[F::SpringLength]);
    if (source == RecordSource::Catalogue)
        rules.setPercent(r[F::ElasticPercent]);
    rules.setCharge(1, r[F::RedCharge]);
    rules.setMass(1, r[F::RedMass]);
    rules.setSpeed(1, r[F::RedSpeed]);
    rules.setCharge(2, r[F::BlackCharge]);
    rules.setMass(2, r[F::BlackMass]);
    rules.setSpeed(2, r[F::BlackSpeed]);
}

// "Elastic" only with two masses; the percent after the interaction, which
// sets its own; then the range and the circle, which set theirs again.
void chooseInteraction(sim::SetupRules& rules, const ExperimentRecord& r)
{
    switch (r[F::Interaction]) {
    case 1: rules.chooseSpring(r[F::SpringKind] == 3 ? 3 : 4); break;
    case 2:
        if (r[F::MassCount] == 2)
            rules.chooseInteraction(Interaction::Elastic);
        break;
    case 3: rules.chooseInteraction(Interaction::Inelastic); break;
    case 4: rules.chooseInteraction(Interaction::SemiElastic); break;
    default: break;
    }
    rules.setPercent(r[F::ElasticPercent]);
    const int range = r[F::ElectroRange];
    if (r[F::Interaction] == 5 && (range == 1000 || range == 100 || range == 50 || range == 20))
        rules.chooseInteraction(Interaction::Electrostatic, range);
    if (r[F::Interaction] == 6)
        rules.chooseInteraction(Interaction::Circle);
}

// Sizes, scale, frequency and the view marks (set without their reactions).
void setViewSettings(sim::SetupRules& rules, const ExperimentRecord& r)
{
    const int size = r[F::CircleSize];
    rules.chooseCircleSize(size == 0 || size == 1 || size == -2 ? size : 2);
    const int scale = r[F::Scale];
    rules.chooseScale(scale == 50 || scale == 20 ? scale : 5);
    rules.setFrequencyIndex(std::clamp(static_cast<int>(r[F::FrequencyIndex]), 0, 5));
    for (uint32_t bit = 1; bit <= sim::kRecordedMarks; bit <<= 1)
        rules.setMark(static_cast<sim::ViewMark>(bit), (static_cast<uint32_t>(r[F::ViewFlags]) & bit) != 0);
}

}   // namespace

ExperimentRecord recordOf(const sim::SetupModel& m, const sim::SimState& s)
{
    ExperimentRecord r;
    r[F::RedPuckLeft] = s.red.startLeft;
    r[F::RedPuckTop] = s.red.startTop;
    r[F::RedHandleLeft] = s.redHandleLeft;
    r[F::RedHandleTop] = s.redHandleTop;
    r[F::BlackPuckLeft] = s.black.startLeft;
    r[F::BlackPuckTop] = s.black.startTop;
    r[F::BlackHandleLeft] = s.blackHandleLeft;
    r[F::BlackHandleTop] = s.blackHandleTop;
    r[F::TableAngle] = m.tableAngle;
    r[F::SpringK] = m.springK;
    r[F::SpringLength] = m.springLength;
    r[F::ElasticPercent] = m.elasticPercent;
    r[F::RedCharge] = m.redCharge;
    r[F::RedMass] = m.redMass;
    r[F::RedSpeed] = m.redSpeed;
    r[F::BlackCharge] = m.blackCharge;
    r[F::BlackMass] = m.blackMass;
    r[F::BlackSpeed] = m.blackSpeed;
    r[F::Dimension] = m.dimension;
    r[F::SpringKind] = s.springKind;
    r[F::ElectroRange] = s.electroRange;
    r[F::MassCount] = m.massCount;
    r[F::Interaction] = interactionCode(m);
    r[F::CircleSize] = m.circleSize;
    r[F::Scale] = static_cast<int32_t>(s.scale);
    r[F::ViewFlags] = static_cast<int32_t>(m.marks & sim::kRecordedMarks);
    r[F::FrequencyIndex] = m.frequencyIndex;
    return r;
}

ExperimentRecord withinReach(ExperimentRecord r)
{
    constexpr int32_t kFarPlace = 1 << 20;
    const F pucks[2][4] = {{F::RedPuckLeft, F::RedPuckTop, F::RedHandleLeft, F::RedHandleTop},
                           {F::BlackPuckLeft, F::BlackPuckTop, F::BlackHandleLeft, F::BlackHandleTop}};
    for (const auto& p : pucks) {
        const double dx = static_cast<double>(r[p[2]]) - r[p[0]], dy = static_cast<double>(r[p[3]]) - r[p[1]];
        r[p[0]] = std::clamp(r[p[0]], -kFarPlace, kFarPlace);
        r[p[1]] = std::clamp(r[p[1]], -kFarPlace, kFarPlace);
        const double len = std::hypot(dx, dy);
        const double k = len > kFarPlace ? kFarPlace / len : 1.0;
        r[p[2]] = r[p[0]] + static_cast<int32_t>(std::lround(dx * k));
        r[p[3]] = r[p[1]] + static_cast<int32_t>(std::lround(dy * k));
    }
    return r;
}

void applyRecord(sim::SetupRules& rules, sim::SimState& s, sim::SetupHost& host, const ExperimentRecord& given,
                 RecordSource source, const std::function<void()>& afterViewSettings)
{
    const ExperimentRecord r = withinReach(given);
    // as while the confirmation shows: the dimension switch keeps the places
    rules.setConfirmationShowing(true);
    placePucksAndHandles(s, r);
    host.placeShapes();
    host.drawSetUp();
    host.reset();
    setBars(rules, r, source);
    // The modes' remembered values, nothing chosen yet. A type or mass count
    // no entry has is read as the entry chosen for it next, since the
    // redraws on the way count the pucks by it.
    rules.rememberModes(r[F::Dimension] == 1 ? 1 : 2, r[F::MassCount] == 2 ? 2 : 1);
    s.springKind = r[F::SpringKind];
    s.electroRange = r[F::ElectroRange];
    rules.chooseDimension(r[F::Dimension] == 1 ? 1 : 2);
    rules.chooseMassCount(r[F::MassCount] == 2 ? 2 : 1);
    chooseInteraction(rules, r);
    setViewSettings(rules, r);
    if (afterViewSettings)
        afterViewSettings();
    // the table angle last; its bar hidden where it means nothing (circle
    // mode, two blocks in 1-D)
    rules.setTableAngle(r[F::TableAngle]);
    rules.showTableAngle(
        !(rules.model().interaction == Interaction::Circle || (r[F::Dimension] == 1 && r[F::MassCount] == 2)));
    rules.setConfirmationShowing(false);
}

}   // namespace exper
