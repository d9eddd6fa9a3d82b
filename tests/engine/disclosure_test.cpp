// What the class may see, by challenge, Predict First's stage and lesson.
#include <gtest/gtest.h>

#include <memory>

#include "engine/disclosure.h"

namespace {
using sim::Page;

sim::Challenge challengeOf(int kind, bool revealed)
{
    sim::Challenge c;
    if (kind < 0)
        return c;
    sim::ChallengeSet set;
    set.kind = static_cast<sim::ChallengeKind>(kind);
    c.start(set);
    c.revealed = revealed;
    return c;
}

TEST(DisclosureTest, OneRuleForChallengesPredictionsAndLessons)
{
    const auto M = static_cast<int>(sim::ChallengeKind::Mass), R = static_cast<int>(sim::ChallengeKind::Restitution),
               S = static_cast<int>(sim::ChallengeKind::Speed), G = static_cast<int>(sim::ChallengeKind::Glancing);
    const struct {
        int kind;   // -1: no challenge
        bool revealed;   // the challenge's answer shown
        int heldFrom;   // Predict First holds from this sample; 0: nothing held
        const char* lesson;   // empty: no lesson
        bool mass, percent;
        int launchUpTo;
        bool keep, print;
        std::array<bool, sim::kPageCount> pages;
    } cases[] = {
        {-1, false, 0, "", false, false, 0, true, true, {true, true, true, true, true}},
        {-1, false, 40, "", false, false, 0, false, true, {true, true, true, true, false}},
        {M, false, 0, "", true, false, 0, false, true, {true, true, false, true, false}},
        {G, false, 0, "", true, false, 0, false, true, {true, true, false, true, false}},
        {R, false, 0, "", false, true, 0, false, true, {true, true, false, true, false}},
        {S, false, 0, "", false, false, 30, false, true, {true, true, false, true, false}},
        {M, true, 0, "", false, false, 0, true, true, {true, true, true, true, true}},
        {S, true, 40, "", false, false, 0, false, true, {true, true, true, true, false}},
        {-1,
         false,
         0,
         "enable = start, data-table, graph\n",
         false,
         false,
         0,
         true,
         false,
         {false, true, false, false, false}},
        {-1, false, 0, "enable = print, data-table\n", false, false, 0, true, true, {true, true, true, true, true}},
        {M,
         false,
         0,
         "enable = data-table, momentum\n",
         true,
         false,
         0,
         false,
         false,
         {false, false, false, false, false}},
    };
    auto s = std::make_unique<sim::SimState>();
    s->collided = true;
    s->collisionTick = 30;
    for (const auto& c : cases) {
        sim::Prediction p;
        p.on = c.heldFrom > 0;
        p.hideFrom = c.heldFrom;
        std::optional<sim::Lesson> lesson;
        if (*c.lesson)
            lesson = sim::parseLesson(c.lesson).lesson;
        const sim::Disclosure d = sim::disclose(challengeOf(c.kind, c.revealed), p, lesson, *s);
        const std::string what = std::to_string(c.kind) + " " + std::to_string(c.heldFrom) + " " + c.lesson;
        EXPECT_EQ(d.hiddenFrom, c.heldFrom) << what;
        EXPECT_EQ(d.unknownHidden, c.kind >= 0 && !c.revealed) << what;
        EXPECT_EQ(d.blackMassHidden, c.mass) << what;
        EXPECT_EQ(d.percentHidden, c.percent) << what;
        EXPECT_EQ(d.launchHiddenUpTo, c.launchUpTo) << what;
        EXPECT_EQ(d.mayKeep, c.keep) << what;
        EXPECT_EQ(d.mayPrint, c.print) << what;
        EXPECT_EQ(d.pages, c.pages) << what;
    }
}
}   // namespace
