#pragma once
// A lesson file: a teacher's small INI text that opens an experiment or a
// challenge, says which controls, menus and data pages the class may use,
// and what the Experiment box tells them. It is read whole before anything
// is applied; a fault names its line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/challenge.h"

namespace sim {

// What `enable =` may name: the table window's controls and menus, and the
// data window's pages.
enum class LessonPart {
    Start,
    Reset,
    Recenter,
    TimeLine,
    Replay,
    DataTable,   // "Show Data Table", and every data page unless some are named
    Ruler,
    Protractor,
    Print,
    Frequency,
    Masses,
    Speeds,
    Charges,
    Percent,
    Spring,
    TableAngle,
    Pucks,   // dragging the pucks and their handles
    FileMenu,
    ViewMenu,
    OptionsMenu,
    DataPage,
    GraphPage,
    MomentumPage,
    BeforeAfterPage,
    InvestigatePage,
    Count
};
inline constexpr int kLessonPartCount = static_cast<int>(LessonPart::Count);

// "start", "time-line", "before-after", ... as a lesson file names them.
const char* lessonPartName(LessonPart p);

struct Lesson {
    std::string title, note;   // UTF-8; "\n" in the note is a line break
    int catalogue = 0;   // experiment = K: built-in experiment K (1..17)
    std::string file;   // experiment = NAME.col: a file beside the lesson file
    int experimentLine = 0;   // the line that named it
    std::optional<ChallengeKind> challenge;
    bool predictFirst = false;
    std::string handIn;   // where Hand In sends: a folder, or the teacher's collector's address
    bool restricted = false;   // an `enable` line was given
    std::vector<bool> enabled = std::vector<bool>(kLessonPartCount, false);

    // Whether the class may use `p`: everything without an `enable` line.
    bool allows(LessonPart p) const;
    // A data page: named, or every page when "data-table" names none.
    bool allowsPage(LessonPart page) const;
};

struct LessonError {
    int line = 0;   // 1-based; 0 for the file as a whole
    // the message for translation (context "Lesson"): "%1" the line, "%2" the word
    const char* pattern = "";
    std::string word;
};

struct LessonParse {
    std::optional<Lesson> lesson;
    LessonError error;
};

// At most this many bytes are read.
inline constexpr size_t kLessonMaxBytes = 64 * 1024;

LessonParse parseLesson(std::string_view bytes);

// The error in English, as the command line writes it.
std::string lessonErrorText(const LessonError& e);

}   // namespace sim
