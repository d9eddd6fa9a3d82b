#include "engine/usable.h"

#include "engine/run_physics.h"

#include "engine/classroom.h"
#include "engine/prediction.h"

namespace sim {

namespace {

// The controls a lesson can leave out, and the part that names each.
struct LessonControl {
    TableControl control;
    LessonPart part;
};
constexpr LessonControl kLessonControls[] = {
    {TableControl::Start, LessonPart::Start},
    {TableControl::Reset, LessonPart::Reset},
    {TableControl::Recenter, LessonPart::Recenter},
    {TableControl::TimeLine, LessonPart::TimeLine},
    {TableControl::Replay, LessonPart::Replay},
    {TableControl::DataTable, LessonPart::DataTable},
    {TableControl::Ruler, LessonPart::Ruler},
    {TableControl::Protractor, LessonPart::Protractor},
    {TableControl::PrintTrace, LessonPart::Print},
    {TableControl::Print, LessonPart::Print},
    {TableControl::Frequency, LessonPart::Frequency},
    {TableControl::RedMass, LessonPart::Masses},
    {TableControl::BlackMass, LessonPart::Masses},
    {TableControl::RedSpeed, LessonPart::Speeds},
    {TableControl::BlackSpeed, LessonPart::Speeds},
    {TableControl::Charges, LessonPart::Charges},
    {TableControl::Percent, LessonPart::Percent},
    {TableControl::Spring, LessonPart::Spring},
    {TableControl::TableAngle, LessonPart::TableAngle},
    {TableControl::Pucks, LessonPart::Pucks},
    {TableControl::FileMenu, LessonPart::FileMenu},
    {TableControl::ViewMenu, LessonPart::ViewMenu},
    {TableControl::OptionsMenu, LessonPart::OptionsMenu},
};

}   // namespace

Usable usableControls(const Classroom& room)
{
    using C = TableControl;
    Usable u;
    for (int c = 0; c < static_cast<int>(C::Count); ++c)
        u.set(static_cast<C>(c), true);
    const SimState& s = room.state();
    const Disclosure d = room.disclosure();
    // the tools measure a run: from Start until the next reset
    const bool started = room.clock().started || runStarted(s);
    u.set(C::Start, !d.held());
    u.set(C::Measure, started);
    u.set(C::Ruler, started);
    u.set(C::Protractor, started);
    u.set(C::PrintTrace, started && (room.model().mark(TraceCentresMark) || runStarted(s)));
    u.set(C::BlackMass, !d.blackMassHidden);
    u.set(C::Percent, !d.percentHidden);
    u.set(C::RedSpeed, !d.launchHidden());
    u.set(C::CentreOfMass, !d.blackMassHidden);
    u.set(C::Interactions, room.model().interactionsEnabled);
    u.set(C::PredictFirst, predictable(room.model()));
    // the centre of mass's motion would tell a hidden mass
    u.set(C::CmFrame, hasCmFrame(room.model()) && !d.blackMassHidden);
    const std::optional<Lesson>& lesson = room.lesson();
    if (!lesson)
        return u;
    for (const LessonControl& l : kLessonControls)
        if (!lesson->allows(l.part))
            u.set(l.control, false);
    if (!lesson->allows(LessonPart::Ruler) && !lesson->allows(LessonPart::Protractor))
        u.set(C::Measure, false);
    if (lesson->predictFirst)
        u.set(C::PredictFirst, false);   // forced on: the class cannot switch it off
    u.set(C::OpenLesson, false);   // restarting without the lesson gives the whole program
    return u;
}

}   // namespace sim
