// Which table controls the class may use: the run's clock, the set-up, what
// is hidden and the lesson, as one table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/classroom.h"
#include "engine/headless_setup.h"
#include "engine/table_start.h"
#include "engine/usable.h"

namespace {
using C = sim::TableControl;

sim::Lesson lessonAllowing(std::initializer_list<sim::LessonPart> parts, bool predictFirst = false)
{
    sim::Lesson l;
    l.restricted = true;
    l.predictFirst = predictFirst;
    for (sim::LessonPart p : parts)
        l.enabled[static_cast<size_t>(p)] = true;
    return l;
}

sim::ChallengeSet challengeOf(sim::ChallengeKind kind)
{
    sim::ChallengeSet set;
    set.kind = kind;
    return set;
}

TEST(UsableControlsTest, FollowTheClockTheSetUpWhatIsHiddenAndTheLesson)
{
    using P = sim::LessonPart;
    using K = sim::ChallengeKind;
    const struct {
        const char* name;
        std::function<void(sim::Classroom&)> make;
        std::vector<C> off;
    } cases[] = {
        {"at the start: nothing to measure or print yet",
         [](sim::Classroom&) {},
         {C::Measure, C::Ruler, C::Protractor, C::PrintTrace}},
        {"Start pressed, trace centres marked: the tools and the printer",
         [](sim::Classroom& c) { c.pressStart(); },
         {}},
        {"Start pressed, no trace centres: the trace printed after the first tick",
         [](sim::Classroom& c) {
             c.setupModel().marks &= ~sim::TraceCentresMark;
             c.pressStart();
         },
         {C::PrintTrace}},
        {"a run, then reset",
         [](sim::Classroom& c) {
             c.runThrough(30);
             c.resetClock();
             sim::resetRun(c.runState(), c.model());
         },
         {C::Measure, C::Ruler, C::Protractor, C::PrintTrace}},
        {"one mass: no interaction, nothing to predict, no centre of mass to ride on",
         [](sim::Classroom& c) {
             c.setupModel().massCount = 1;
             c.setupModel().interactionsEnabled = false;
             c.runThrough(30);
         },
         {C::Interactions, C::PredictFirst, C::CmFrame}},
        {"a mass challenge",
         [](sim::Classroom& c) { c.startChallenge(challengeOf(K::Mass)); },
         {C::BlackMass, C::CentreOfMass, C::CmFrame, C::Measure, C::Ruler, C::Protractor, C::PrintTrace}},
        {"a mass challenge revealed",
         [](sim::Classroom& c) {
             c.startChallenge(challengeOf(K::Mass));
             c.runThrough(30);
             c.revealChallenge();
         },
         {}},
        {"a restitution challenge, run",
         [](sim::Classroom& c) {
             c.startChallenge(challengeOf(K::Restitution));
             c.runThrough(30);
         },
         {C::Percent}},
        {"a speed challenge, run",
         [](sim::Classroom& c) {
             c.startChallenge(challengeOf(K::Speed));
             c.runThrough(30);
         },
         {C::RedSpeed}},
        {"the outcome held for a prediction",
         [](sim::Classroom& c) {
             c.setPredictFirst(true);
             c.runThrough(400);
             ASSERT_TRUE(c.watchOutcome().any());
         },
         {C::Start}},
        {"a lesson leaving only Start and the ruler",
         [](sim::Classroom& c) {
             c.openLesson(lessonAllowing({P::Start, P::Ruler}));
             c.pressStart();
         },
         {C::Reset,      C::Recenter, C::TimeLine,  C::Replay,     C::DataTable,  C::Protractor,
          C::PrintTrace, C::Print,    C::Frequency, C::RedMass,    C::BlackMass,  C::RedSpeed,
          C::BlackSpeed, C::Charges,  C::Percent,   C::Spring,     C::TableAngle, C::Pucks,
          C::OpenLesson, C::FileMenu, C::ViewMenu,  C::OptionsMenu}},
        {"a lesson with neither measuring tool, Predict First forced",
         [](sim::Classroom& c) {
             c.openLesson(lessonAllowing({P::Start, P::Reset, P::ViewMenu}, true));
             c.runThrough(30);
         },
         {C::Measure,  C::Ruler,        C::Protractor, C::PrintTrace, C::Print,      C::Recenter,
          C::TimeLine, C::Replay,       C::DataTable,  C::Frequency,  C::RedMass,    C::BlackMass,
          C::RedSpeed, C::BlackSpeed,   C::Charges,    C::Percent,    C::Spring,     C::TableAngle,
          C::Pucks,    C::PredictFirst, C::OpenLesson, C::FileMenu,   C::OptionsMenu}},
    };
    for (const auto& k : cases) {
        sim::Classroom room;
        sim::HeadlessSetup setup(room.runState());
        room.setupModel() = setup.model();
        k.make(room);
        const sim::Usable u = sim::usableControls(room);
        for (int i = 0; i < static_cast<int>(C::Count); ++i) {
            const C control = static_cast<C>(i);
            const bool off = std::find(k.off.begin(), k.off.end(), control) != k.off.end();
            EXPECT_EQ(u[control], !off) << k.name << ": control " << i;
        }
    }
}

// The clock's commands: Start and Stop toggle it, a reset takes it back,
// the time line shows the time and the spring's reading where it stands.
TEST(UsableControlsTest, TheClocksCommandsMoveItAsTheWindowShowsIt)
{
    sim::Classroom room;
    sim::HeadlessSetup setup(room.runState());
    room.setupModel() = setup.model();
    EXPECT_EQ(room.pressStart().bits(), sim::Changes(sim::Part::Run).bits());
    EXPECT_TRUE(room.clock().running && room.clock().started);
    room.pressStart();
    EXPECT_FALSE(room.clock().running);
    room.runThrough(100);
    room.setTimeLine(41);
    EXPECT_EQ(room.state().viewTick, 41);
    EXPECT_DOUBLE_EQ(room.clock().seconds(), 2.0);
    room.setTimeLine(100000);   // clamped to the run's end
    EXPECT_EQ(room.clock().shownSample, room.state().timeLineEnd);
    EXPECT_TRUE(room.setReplaying(true).any());
    EXPECT_FALSE(room.setReplaying(true).any());
    room.resetClock();
    EXPECT_FALSE(room.clock().running || room.clock().started || room.clock().replaying);
    EXPECT_EQ(room.clock().seconds(), 0.0);
}

}   // namespace
