#pragma once
// Every setting of the table's set-up in one place: the bars' positions,
// the modes and menu choices, the View menu's marks, and the few facts of
// the control panel that follow from what was chosen before. The widgets
// show this; handlers change it through SetupRules. The pucks' start
// places and handles are the run's initial conditions and stay in SimState.

#include <cstdint>

#include "engine/sim_state.h"

namespace sim {

// A scroll bar's range.
struct BarRange {
    int min, max;
    int clamp(int v) const { return v < min ? min : (v > max ? max : v); }
};
inline constexpr BarRange kAngleRange{0, 1000};   // the maximum moves between 100 and 1000
inline constexpr BarRange kPercentRange{0, 200};
inline constexpr BarRange kSpringKRange{1, 200};
inline constexpr BarRange kSpringLengthRange{10, 200};
inline constexpr BarRange kRedChargeRange{-100, 100};
inline constexpr BarRange kBlackChargeRange{0, 100};
inline constexpr BarRange kMassRange{1, 200};
inline constexpr BarRange kSpeedRange{0, 500};

// The View menu's marks. The first eleven are also an experiment's view
// flags, bit for bit; "Show Force" is not kept in experiments.
enum ViewMark : uint32_t {
    CentreOfMassMark = 1,
    TraceCentresMark = 2,
    TraceBlockMark = 4,
    RedBeforeMark = 8,
    BlackBeforeMark = 16,
    RedAfterMark = 32,
    BlackAfterMark = 64,
    LabelMassMark = 128,
    ArrowsMark = 256,
    ShowScaleMark = 512,
    ShowGridMark = 1024,
    ShowForceMark = 2048,
};
inline constexpr uint32_t kRecordedMarks = 2047;

// As the controls are laid out; the start-up sequence (startUpSetup) then
// sets the percent, the speeds, the masses and the frequency.
struct SetupModel {
    // scroll bars, as positions
    int tableAngle = 0;   // a tilt in hundredths of a degree (2-D) or a push in tenths of a newton (1-D)
    int tableAngleMaximum = 1000;
    int elasticPercent = 10;
    int springK = 10;
    int springLength = 50;
    int redCharge = 100, blackCharge = 100;
    int redMass = 1, blackMass = 1;
    int redSpeed = 0, blackSpeed = 0;
    int frequencyIndex = 0;

    // modes and menu choices
    int dimension = 2;   // 2 or 1
    int massCount = 2;   // 2 or 1
    Interaction interaction = Interaction::Elastic;   // the one that runs
    int springEntry = 0;   // the "1-D Spring" entry last chosen (3, 4); 0 none yet
    int electroEntry = 1000;   // the range entry last chosen
    int circleSize = 0;   // 0 small, 1 medium, 2 large, -2 black really small
    int scale = 20;   // 50 small, 20 medium, 5 large
    int dotSize = 7;   // the velocity handles' side: 7 or 9
    int circleFriction = 0;   // 0..4
    int intervalMs = 10;   // the computer speed: 50, 25 or 10
    bool plottingError = false;
    // beyond the original menu: the pucks lettered R and B, and the graph's
    // series told apart by marker and line as well as colour
    bool letterMarks = false;
    uint32_t marks = TraceCentresMark | RedBeforeMark | BlackBeforeMark | RedAfterMark | BlackAfterMark | ShowForceMark;

    // what the control panel shows, as left by the choices before
    bool interactionsEnabled = true;   // the interaction entries, off with one mass
    // "1-D Spring" checked; a switch to 2-D with one mass lets it go while
    // the spring still runs, as no other entry can take its place
    bool springChecked = false;
    bool tableAngleShown = true;
    bool angleCaptionPlain = false;   // "Angle: 0.0º" after a switch to 2-D, until the bar moves
    bool percentShown = false;
    bool springBoxShown = false;
    bool chargesShown = false;
    bool redSpeedShown = true;
    bool blackBarsShown = true;   // the black puck's mass and speed bars

    bool mark(ViewMark m) const { return (marks & m) != 0; }
    // the 1-D block pushed by the force bar
    bool pushed() const { return dimension == 1 && massCount == 1; }
    // the pucks' sides in the panel
    int redSide() const;
    int blackSide() const;
    const char* unitText() const { return pushed() ? " m" : " cm"; }
    const char* lengthUnit() const { return pushed() ? "m" : "cm"; }
    // the speed the push adds to the block in one tick; 0 without the push
    double pushGain() const { return pushed() ? tableAngle * 0.05 / redMass : 0.0; }
    // The red speed at a sample as the data table shows it: the logged
    // speed and the push's gain of every tick before.
    double redSpeedAt(double logged, int sample) const { return logged + (sample - 1) * pushGain(); }
    // a second puck on the table: two masses, off the circle
    bool blackOnTable() const { return massCount == 2 && interaction != Interaction::Circle; }
};

inline int SetupModel::redSide() const
{
    if (dimension == 1)
        return 48;
    return circleSize == -2 ? 24 : (circleSize * 14 + 48) / 2;
}

inline int SetupModel::blackSide() const
{
    if (dimension == 1)
        return 48;
    return circleSize == -2 ? 7 : (circleSize * 14 + 48) / 2;
}

}   // namespace sim
