#include "experiments/record_applier.h"

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "setup/mode_switches.h"
#include "setup/puck_placer.h"
#include "setup/reset.h"
#include "setup/table_window.h"
#include "setup/view_marks.h"
#include "setup/view_options.h"
#include "ui/widgets.h"

using exper::ExperimentRecord;
using F = ExperimentRecord::Field;

RecordApplier::RecordApplier(TableWindow& window) : w_(window) {}

ExperimentRecord RecordApplier::makeRecord() const
{
    const Controls& c = w_.controls();
    const sim::SimState& s = w_.state();
    ExperimentRecord r;
    r[F::RedPuckLeft] = s.red.startLeft;
    r[F::RedPuckTop] = s.red.startTop;
    // the remembered handles: they, not a marker pulled onto the table, aim the pucks
    r[F::RedHandleLeft] = s.redHandleLeft;
    r[F::RedHandleTop] = s.redHandleTop;
    r[F::BlackPuckLeft] = s.black.startLeft;
    r[F::BlackPuckTop] = s.black.startTop;
    r[F::BlackHandleLeft] = s.blackHandleLeft;
    r[F::BlackHandleTop] = s.blackHandleTop;
    r[F::TableAngle] = c.tableangsb->value();
    r[F::SpringK] = c.ksb->value();
    r[F::SpringLength] = c.lsb->value();
    r[F::ElasticPercent] = c.persb->value();
    r[F::RedCharge] = c.c1sb->value();
    r[F::RedMass] = c.m1sb->value();
    r[F::RedSpeed] = c.v1sb->value();
    r[F::BlackCharge] = c.c2sb->value();
    r[F::BlackMass] = c.m2sb->value();
    r[F::BlackSpeed] = c.v2sb->value();
    r[F::Dimension] = c.dimension();
    r[F::SpringKind] = s.springKind;
    r[F::ElectroRange] = s.electroRange;
    r[F::MassCount] = c.massCount();
    int interaction = 2;
    if (c.springMenu->menuAction()->isChecked())
        interaction = 1;
    else if (c.Elastic1->isChecked())
        interaction = 2;
    else if (c.Inelastic1->isChecked())
        interaction = 3;
    else if (c.SemiElastic1->isChecked())
        interaction = 4;
    else if (c.electroMenu->menuAction()->isChecked())
        interaction = 5;
    else if (c.Circle1->isChecked())
        interaction = 6;
    r[F::Interaction] = interaction;
    r[F::CircleSize] = c.circleSizeValue();
    r[F::Scale] = static_cast<int32_t>(s.scale);
    int flags = 0;
    for (const ViewMark& m : kViewMarks)
        if (m.recordBit != 0 && (c.*(m.action))->isChecked())
            flags += m.recordBit;
    r[F::ViewFlags] = flags;
    r[F::FrequencyIndex] = c.cbfreq->currentIndex();
    return r;
}

namespace {
// Places further than this from the table are pulled in: the window's pixel
// sums stay far inside the integer range, whatever a file says.
constexpr int32_t kFarPlace = 1 << 20;

// The pucks within reach, each handle on its own ray from its puck.
ExperimentRecord withinReach(ExperimentRecord r)
{
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
}   // namespace

void RecordApplier::apply(const ExperimentRecord& given, Source source, const std::function<void()>& afterViewSettings)
{
    const ExperimentRecord r = withinReach(given);
    // as while the confirmation shows: the dimension switch keeps the places
    w_.modeSwitches().setConfirmationShowing(true);
    placePucksAndHandles(r);
    w_.ops().drawSetUp();
    w_.ops().reset();
    setBars(r, source);
    rememberMenuValues(r);
    chooseModes(r);
    chooseInteraction(r);
    setViewSettings(r);
    if (afterViewSettings)
        afterViewSettings();
    setTableAngle(r);
    w_.modeSwitches().setConfirmationShowing(false);
}

void RecordApplier::placePucksAndHandles(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    sim::SimState& s = w_.state();
    s.red.startLeft = r[F::RedPuckLeft];
    s.red.startTop = r[F::RedPuckTop];
    s.black.startLeft = r[F::BlackPuckLeft];
    s.black.startTop = r[F::BlackPuckTop];
    s.redHandleLeft = r[F::RedHandleLeft];
    s.redHandleTop = r[F::RedHandleTop];
    s.blackHandleLeft = r[F::BlackHandleLeft];
    s.blackHandleTop = r[F::BlackHandleTop];
    c.puck1->move(s.red.startLeft, s.red.startTop);
    c.puck2->move(s.black.startLeft, s.black.startTop);
    w_.puckPlacer().showHandle(1);
    w_.puckPlacer().showHandle(2);
    c.velsh->move(c.puck1->x() + 10, c.puck1->y());
}

// The scroll bars, each with its own reaction. The catalogue sets the
// percent here too; a file's percent waits for its interaction.
void RecordApplier::setBars(const ExperimentRecord& r, Source source)
{
    Controls& c = w_.controls();
    c.ksb->setValue(r[F::SpringK]);
    c.lsb->setValue(r[F::SpringLength]);
    if (source == Source::Catalogue)
        c.persb->setValue(r[F::ElasticPercent]);
    c.c1sb->setValue(r[F::RedCharge]);
    c.m1sb->setValue(r[F::RedMass]);
    c.v1sb->setValue(r[F::RedSpeed]);
    c.c2sb->setValue(r[F::BlackCharge]);
    c.m2sb->setValue(r[F::BlackMass]);
    c.v2sb->setValue(r[F::BlackSpeed]);
}

// The menus' remembered values, nothing chosen yet. A type or mass count no
// entry has is read as the entry chooseModes picks for it, since the
// redraws on the way count the pucks by it.
void RecordApplier::rememberMenuValues(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    sim::SimState& s = w_.state();
    c.typeMenu->menuAction()->setData(r[F::Dimension] == 1 ? 1 : 2);
    s.springKind = r[F::SpringKind];
    s.electroRange = r[F::ElectroRange];
    c.massesMenu->menuAction()->setData(r[F::MassCount] == 2 ? 2 : 1);
}

void RecordApplier::chooseModes(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    (r[F::Dimension] == 1 ? c.type1D : c.type2D)->trigger();
    (r[F::MassCount] == 2 ? c.masses2 : c.masses1)->trigger();
}

// "Elastic" only with two masses; the percent after the interaction, which
// sets its own; then the range and the circle.
void RecordApplier::chooseInteraction(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    switch (r[F::Interaction]) {
    case 1: (r[F::SpringKind] == 3 ? c.springElastic : c.springInelastic)->trigger(); break;
    case 2:
        if (r[F::MassCount] == 2)
            c.Elastic1->trigger();
        break;
    case 3: c.Inelastic1->trigger(); break;
    case 4: c.SemiElastic1->trigger(); break;
    default: break;
    }
    c.persb->setValue(r[F::ElasticPercent]);
    if (r[F::Interaction] == 5) {
        for (QAction* a : {c.electroUnlimited, c.electro100, c.electro50, c.electro20})
            if (a->data().toInt() == r[F::ElectroRange])
                a->trigger();
    }
    if (r[F::Interaction] == 6)
        c.Circle1->trigger();
}

// Sizes, scale, frequency and the view marks (set without their reactions).
void RecordApplier::setViewSettings(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    const int size = r[F::CircleSize];
    (size == 0        ? c.circleSmall
         : size == 1  ? c.circleMedium
         : size == -2 ? c.circleBlackSmall
                      : c.circleLarge)
        ->trigger();
    const int scale = r[F::Scale];
    (scale == 50 ? c.scaleSmall : scale == 20 ? c.scaleMedium : c.scaleLarge)->trigger();
    {
        const QSignalBlocker quiet(c.cbfreq);
        c.cbfreq->setCurrentIndex(std::clamp(static_cast<int>(r[F::FrequencyIndex]), 0, 5));
    }
    for (const ViewMark& m : kViewMarks)
        if (m.recordBit != 0)
            (c.*(m.action))->setChecked((r[F::ViewFlags] & m.recordBit) != 0);
}

// The table angle, the speed labels in the scale's unit, and the angle bar
// hidden where it means nothing (circle mode, two blocks in 1-D).
void RecordApplier::setTableAngle(const ExperimentRecord& r)
{
    Controls& c = w_.controls();
    c.tableangsb->setValue(r[F::TableAngle]);
    w_.viewOptions().relabelSpeeds();
    const bool hidden = c.Circle1->isChecked() || (r[F::Dimension] == 1 && r[F::MassCount] == 2);
    c.tableangsb->setVisible(!hidden);
    c.tableanglb->setVisible(!hidden);
}
