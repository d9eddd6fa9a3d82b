#pragma once
// Which of the table window's controls the class may use now: from the run's
// clock, the set-up, what is hidden and what a lesson leaves out. The window
// writes exactly this and nothing else decides it.

#include <bitset>

namespace sim {

class Classroom;

enum class TableControl {
    Start,
    Reset,
    Recenter,
    TimeLine,
    Replay,
    DataTable,
    Measure,   // the measuring tools' switch
    Ruler,
    Protractor,
    PrintTrace,   // printing the trace; the other print entries are Print
    Print,
    Frequency,
    RedMass,
    BlackMass,
    RedSpeed,
    BlackSpeed,
    Charges,
    Percent,
    Spring,
    TableAngle,
    Pucks,   // dragging, and Set Up Exactly
    Interactions,
    CentreOfMass,   // the centre of mass and the mass labels would tell the unknown mass
    PredictFirst,
    CmFrame,   // the run from its centre of mass: two pucks off the circle, masses known
    OpenLesson,
    FileMenu,
    ViewMenu,
    OptionsMenu,
    Count
};

class Usable {
public:
    bool operator[](TableControl c) const { return bits_[static_cast<size_t>(c)]; }
    void set(TableControl c, bool on) { bits_[static_cast<size_t>(c)] = on; }
    bool operator==(const Usable&) const = default;

private:
    std::bitset<static_cast<size_t>(TableControl::Count)> bits_;
};

Usable usableControls(const Classroom& room);

}   // namespace sim
