#include <gtest/gtest.h>

#include "engine/lesson.h"

namespace {

using sim::LessonPart;

TEST(LessonTest, AWholeLessonIsReadKeyByKey)
{
    const sim::LessonParse p =
        sim::parseLesson("\xEF\xBB\xBF# 10b, Tuesday\r\n[lesson]\r\ntitle = Die unbekannte Masse\r\n"
                         "note = Measure first.\\nThen type.\r\n\r\nexperiment = 9\r\npredict-first = yes\r\n"
                         "enable = start, reset,time-line , data-table\r\nhand-in = 192.168.1.20:8765\r\n");
    ASSERT_TRUE(p.lesson) << sim::lessonErrorText(p.error);
    const sim::Lesson& l = *p.lesson;
    EXPECT_EQ(l.title, "Die unbekannte Masse");
    EXPECT_EQ(l.note, "Measure first.\nThen type.");
    EXPECT_EQ(l.catalogue, 9);
    EXPECT_EQ(l.experimentLine, 6);
    EXPECT_TRUE(l.predictFirst);
    EXPECT_EQ(l.handIn, "192.168.1.20:8765");
    for (LessonPart on : {LessonPart::Start, LessonPart::Reset, LessonPart::TimeLine, LessonPart::DataTable})
        EXPECT_TRUE(l.allows(on)) << sim::lessonPartName(on);
    for (LessonPart off : {LessonPart::Ruler, LessonPart::Masses, LessonPart::FileMenu, LessonPart::Pucks})
        EXPECT_FALSE(l.allows(off)) << sim::lessonPartName(off);
    // "data-table" alone gives every page; naming one gives only it
    EXPECT_TRUE(l.allowsPage(LessonPart::InvestigatePage));
    const sim::LessonParse one = sim::parseLesson("enable = data-table, graph\nchallenge = speed\n");
    ASSERT_TRUE(one.lesson);
    EXPECT_TRUE(one.lesson->allowsPage(LessonPart::GraphPage));
    EXPECT_FALSE(one.lesson->allowsPage(LessonPart::DataPage));
    EXPECT_EQ(one.lesson->challenge, sim::ChallengeKind::Speed);
    // no enable line: the whole program
    const sim::LessonParse open = sim::parseLesson("experiment = Collide.col\n");
    ASSERT_TRUE(open.lesson);
    EXPECT_EQ(open.lesson->file, "Collide.col");
    EXPECT_TRUE(open.lesson->allows(LessonPart::OptionsMenu) && open.lesson->allowsPage(LessonPart::MomentumPage));
}

TEST(LessonTest, EveryFaultNamesItsLineAndNothingIsRead)
{
    const std::string tooLong = "title = a\nhand-in = " + std::string(1025, 'x') + "\n";
    const struct {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"title = a\ncolour = red\n", 2,
         "Line 2: unknown key \"colour\" (a lesson knows title, note, experiment, challenge, predict-first, "
         "enable and hand-in)."},
        {tooLong.c_str(), 2, "Line 2: a hand-in folder or address is at most 1024 characters."},
        {"title = a\ntitle = b\n", 2, "Line 2: \"title\" is given twice."},
        {"experiment = 18\n", 1, "Line 1: there is no built-in experiment 18 (1 to 17)."},
        {"experiment = ../x.col\n", 1,
         "Line 1: \"../x.col\" is neither a built-in experiment (1 to 17) nor a .col file beside the lesson file."},
        {"experiment = notes.txt\n", 1,
         "Line 1: \"notes.txt\" is neither a built-in experiment (1 to 17) nor a .col file beside the lesson file."},
        {"challenge = weight\n", 1, "Line 1: \"weight\" is not a challenge (mass, restitution, speed or glancing)."},
        {"experiment = 3\n\nchallenge = mass\n", 3, "Line 3: a lesson opens an experiment or a challenge, not both."},
        {"predict-first = maybe\n", 1, "Line 1: predict-first takes yes or no, not \"maybe\"."},
        {"enable = start, fly\n", 1, "Line 1: \"fly\" is nothing a lesson can enable."},
        {"[teacher]\n", 1, "Line 1: unknown section \"[teacher]\"."},
        {"# fine\njust words\n", 2, "Line 2: \"just words\" is not of the form key = value."},
        {"title = \xC3\x28\n", 0, "The lesson file is not UTF-8 text."},
        {"title = \xE2\x82\n", 0, "The lesson file is not UTF-8 text."},
        {"title = \xC0\xAF\n", 0, "The lesson file is not UTF-8 text."},   // an overlong "/"
        {"title = \xE0\x80\xAF\n", 0, "The lesson file is not UTF-8 text."},
        {"title = \xED\xA0\x80\n", 0, "The lesson file is not UTF-8 text."},   // a surrogate
        {"title = \xF4\x90\x80\x80\n", 0, "The lesson file is not UTF-8 text."},   // past U+10FFFF
        {"title = \xF8\x88\x80\x80\x80\n", 0, "The lesson file is not UTF-8 text."},
    };
    for (const auto& c : cases) {
        const sim::LessonParse p = sim::parseLesson(c.text);
        EXPECT_FALSE(p.lesson) << c.text;
        EXPECT_EQ(p.error.line, c.line) << c.text;
        EXPECT_EQ(sim::lessonErrorText(p.error), c.message);
    }
    EXPECT_FALSE(sim::parseLesson(std::string(sim::kLessonMaxBytes + 1, '#')).lesson);
    // a NUL would cut the name short in every message
    EXPECT_FALSE(sim::parseLesson(std::string("title = Ma\0x\n", 13)).lesson);
}

TEST(LessonTest, ALongBadLineIsQuotedShortAndTheSectionIsReadInAnyCase)
{
    const std::string word = "\xC3\xBC" + std::string(60000, 'x');
    const sim::LessonParse p = sim::parseLesson("Title = a\n" + word + "\n");
    ASSERT_FALSE(p.lesson);
    EXPECT_EQ(p.error.word, "Title");
    const sim::LessonParse q = sim::parseLesson("[Lesson]\ntitle = a\n" + word + "\n");
    ASSERT_FALSE(q.lesson);
    EXPECT_EQ(q.error.line, 3);
    EXPECT_EQ(q.error.word, "\xC3\xBC" + std::string(79, 'x') + "\xE2\x80\xA6");   // 80 characters and an ellipsis
    EXPECT_TRUE(sim::parseLesson("[LESSON]\ntitle = a\n").lesson);
}

}   // namespace
