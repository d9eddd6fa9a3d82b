// The classroom's commands: what each changes, and what it refuses.
#include <gtest/gtest.h>

#include "engine/classroom.h"
#include "engine/headless_setup.h"
#include "engine/table_start.h"

namespace {
using sim::Part;

// A classroom set up as the program starts: head-on, red moving.
struct Room {
    sim::Classroom room;
    Room()
    {
        sim::HeadlessSetup setup(room.runState());
        room.setupModel() = setup.model();
    }
};

TEST(ClassroomModelTest, EachCommandSaysWhatItChangedAndNothingWhenItChangedNothing)
{
    Room r;
    sim::Classroom& c = r.room;
    const sim::Changes none;
    const sim::Lesson predicting = [] {
        sim::Lesson l;
        l.predictFirst = true;
        return l;
    }();
    const sim::ClassPredictions handedIn{sim::PredictedOf::BlackSpeed, {3.5, 4.0}};
    const struct {
        const char* step;
        std::function<sim::Changes()> command;
        sim::Changes expected;
    } steps[] = {
        {"keep before any run", [&] { return c.keepRun(); }, none},
        {"clear with none kept", [&] { return c.clearKeptRuns(); }, none},
        {"reveal with nothing held", [&] { return c.reveal(); }, none},
        {"end no challenge", [&] { return c.endChallenge(); }, none},
        {"run", [&] { return c.runThrough(40); }, sim::Changes(Part::Run) | Part::Prediction},
        {"keep the run", [&] { return c.keepRun(); }, Part::Kept},
        {"clear it", [&] { return c.clearKeptRuns(); }, Part::Kept},
        {"start a challenge", [&] { return c.startChallenge({}); }, Part::Challenge},
        {"keep what would show the unknown", [&] { return c.keepRun(); }, none},
        {"reveal the unknown", [&] { return c.revealChallenge(); }, Part::Challenge},
        {"reveal it again", [&] { return c.revealChallenge(); }, none},
        {"end it", [&] { return c.endChallenge(); }, Part::Challenge},
        {"open a lesson with Predict First", [&] { return c.openLesson(predicting); },
         sim::Changes(Part::Lesson) | Part::Prediction},
        {"a second lesson", [&] { return c.openLesson(predicting); }, none},
        {"show the class's predictions", [&] { return c.showClassPredictions(handedIn); }, Part::Class},
        {"show the same again", [&] { return c.showClassPredictions(handedIn); }, none},
        {"take them off", [&] { return c.showClassPredictions(std::nullopt); }, Part::Class},
        {"take them off again", [&] { return c.showClassPredictions(std::nullopt); }, none},
        {"Predict First on again", [&] { return c.setPredictFirst(true); }, none},
        {"a prediction",
         [&] {
             return c.predict(2, {4.0, 10.0, true});
         },
         Part::Prediction},
    };
    for (const auto& s : steps)
        EXPECT_EQ(s.command().bits(), s.expected.bits()) << s.step;
    EXPECT_TRUE(c.prediction().on);
    EXPECT_EQ(c.prediction().black.speed, 4.0);
    EXPECT_TRUE(c.lesson().has_value());
}

// A run without a timer stops after its last tick with the clock showing it, as the window's would.
TEST(ClassroomModelTest, ARunWithoutATimerStopsWithItsClockShowingItsLastTick)
{
    Room r;
    sim::Classroom& c = r.room;
    c.runThrough(150);
    EXPECT_FALSE(c.clock().running);
    EXPECT_EQ(c.state().tick, 151);
    EXPECT_EQ(c.clock().shownSample, 152);
    EXPECT_DOUBLE_EQ(c.clock().seconds(), 7.55);
    EXPECT_EQ(sim::secondsAt(1), 0.0);
    EXPECT_EQ(sim::secondsAt(8), 0.35);   // the nearest double to 0.35, as the data table writes it
}

}   // namespace

namespace {

// A hand-in lists each revealed run once, read at the run's end, also after a reset.
TEST(ClassroomModelTest, ARevealedRunIsReadAtItsEndOnceAndKeptPastTheReset)
{
    Room r;
    sim::Classroom& c = r.room;
    c.setPredictFirst(true);
    c.predict(1, {1.5, 180.0, true});
    c.predict(2, {4.0, 0.0, true});
    EXPECT_TRUE(c.revealedRuns().empty());
    c.runThrough(400);
    c.watchOutcome();
    ASSERT_TRUE(c.prediction().hiding());
    EXPECT_TRUE(c.revealedRuns().empty());   // held: nothing to compare yet
    c.reveal();
    const sim::PredictionTable t = sim::predictionTable(c.prediction(), c.state(), c.state().timeLineEnd);
    const std::vector<sim::RevealedRun> now = c.revealedRuns();
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0].predicted, (std::array<double, 4>{1.5, 180.0, 4.0, 0.0}));
    EXPECT_EQ(now[0].actual,
              (std::array<double, 4>{t[sim::RedSpeed].actual, t[sim::RedDirection].actual, t[sim::BlackSpeed].actual,
                                     t[sim::BlackDirection].actual}));
    EXPECT_GT(now[0].actual[2], 0.0);   // black moves off after the contact
    c.resetClock();   // then the table goes back to its start, as Reset does
    sim::resetRun(c.runState(), c.model());
    c.resetClock();
    ASSERT_EQ(c.revealedRuns().size(), 1u);
    EXPECT_EQ(c.revealedRuns()[0].actual, now[0].actual);
    c.runThrough(400);   // a second run, held and never revealed, adds nothing
    c.watchOutcome();
    c.resetClock();
    EXPECT_EQ(c.revealedRuns().size(), 1u);
}

}   // namespace
