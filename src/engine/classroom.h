#pragma once
// The lesson at one table, apart from any window: the set-up, the run and
// its clock, the kept runs, the prediction, the challenge and the lesson.
// The session owns it; windows come and go over it (a zoom, a language)
// and show it. What a view may change goes through the named commands,
// each saying which parts changed so the views refresh only those.

#include <memory>
#include <optional>

#include "engine/challenge.h"
#include "engine/class_predictions.h"
#include "engine/disclosure.h"
#include "engine/kept_runs.h"
#include "engine/lesson.h"
#include "engine/prediction.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "engine/slow_motion.h"

namespace sim {

enum class Part : unsigned {
    Setup = 1u << 0,
    Run = 1u << 1,
    Kept = 1u << 2,
    Prediction = 1u << 3,
    Challenge = 1u << 4,
    Lesson = 1u << 5,
    Class = 1u << 6,   // the class's predictions on the projector
    Frame = 1u << 7,   // the table seen from the centre of mass, or not
};

// The parts a command changed; none when it changed nothing.
class Changes {
public:
    Changes() = default;
    Changes(Part p) : bits_(static_cast<unsigned>(p)) {}
    static Changes fromBits(unsigned bits)
    {
        Changes c;
        c.bits_ = bits;
        return c;
    }
    Changes& operator|=(Changes o)
    {
        bits_ |= o.bits_;
        return *this;
    }
    friend Changes operator|(Changes a, Changes b) { return a |= b; }
    bool has(Part p) const { return (bits_ & static_cast<unsigned>(p)) != 0; }
    bool any() const { return bits_ != 0; }
    unsigned bits() const { return bits_; }
    bool operator==(const Changes&) const = default;

private:
    unsigned bits_ = 0;
};

// The run's clock: whether it runs or replays, and the readings its labels
// show (the run writes them at each tick, the time line as it moves).
struct Clock {
    bool running = false;
    bool started = false;   // Start pressed since the last reset
    bool replaying = false;
    int shownSample = 0;   // the sample whose time is shown; 0: back at the start
    bool springShown = false;   // the spring's reading shown since the window was made
    SimState::SpringReading spring;
    // Options > Slow Motion at Contact, and where this run slows
    bool slowMotion = false;
    SlowSpan slow;
    double seconds() const { return shownSample > 0 ? secondsAt(shownSample) : 0.0; }
    // How many times longer tick `tick` takes than at full pace.
    int paceFactor(int tick) const { return slowMotion && slow.contains(tick) ? kSlowFactor : 1; }
};

// What a hand-in can hold of one challenge.
inline constexpr size_t kMaxCheckedAnswers = 100;
inline constexpr size_t kMaxRevealedRuns = 100;

class Classroom {
public:
    Classroom();

    const SimState& state() const { return *state_; }
    const SetupModel& model() const { return model_; }
    const KeptRuns& kept() const { return kept_; }
    const Prediction& prediction() const { return prediction_; }
    // The revealed Predict First runs of the session, each read at its end:
    // those reset since, then the one on the table if it was revealed.
    std::vector<RevealedRun> revealedRuns() const;
    // The class's handed-in predictions, while the teacher shows them.
    const std::optional<ClassPredictions>& classPredictions() const { return classPredictions_; }
    // View > Centre-of-Mass Frame.
    bool cmFrame() const { return cmFrame_; }
    // Whether the run is shown from its centre of mass now: asked for, two
    // pucks off the circle, and no hidden mass that its motion would tell.
    bool seenFromCm() const;
    const Challenge& challenge() const { return challenge_; }
    const std::optional<Lesson>& lesson() const { return lesson_; }
    const Clock& clock() const { return clock_; }
    // What the class may see now.
    Disclosure disclosure() const { return disclose(challenge_, prediction_, lesson_, *state_); }

    // The set-up's rules and the run's steps write these; nothing else does.
    SimState& runState() { return *state_; }
    SetupModel& setupModel() { return model_; }

    // Whether the program's start-up has set the table up: a window made
    // again over it shows it as it stands instead.
    bool setUp() const { return setUp_; }
    void markSetUp() { setUp_ = true; }

    // A run made without a timer (an export, a lab sheet): from the set-up
    // through tick `lastTick`, stopped there with its clock showing it.
    Changes runThrough(int lastTick);

    // Start, Stop or Continue: a run begins from the set-up when none has.
    Changes pressStart();
    // Back at the start, stopped.
    Changes resetClock();
    // The run stepped: its clock shows the time (and spring) of the tick reached.
    Changes showRunTick();
    // The time line moved to `value` (clamped): the picture, the time and the
    // spring's reading there.
    Changes setTimeLine(int value);
    Changes setReplaying(bool on);
    // Options > Slow Motion at Contact: on, the next run foresees where it slows.
    Changes setSlowMotion(bool on);

    // "Keep This Run": false when it may not be kept (none started, three
    // kept, or it would show what is hidden).
    Changes keepRun();
    Changes clearKeptRuns();

    // "Predict First" on or off, from the View menu or a lesson.
    Changes setPredictFirst(bool on);
    // The class's prediction of one puck (1 red, 2 black).
    Changes predict(int puck, const PredictedPuck& value);
    // A run begins from the set-up: nothing of it is held yet.
    Changes newRun();
    // The run stepped: true in the returned parts' Prediction when the
    // outcome began and is now held.
    Changes watchOutcome();
    // "Reveal": the held outcome shown.
    Changes reveal();

    Changes startChallenge(const ChallengeSet& set);
    Changes answer(double value, Verdict* verdict);
    Changes revealChallenge();
    // The class's predictions shown on the projector, or taken off it.
    Changes showClassPredictions(const std::optional<ClassPredictions>& p);
    Changes setCmFrame(bool on);
    // A new set-up: whatever the challenge hid is the class's again.
    Changes endChallenge();

    // A lesson lasts the session: a second one changes nothing. Its Predict
    // First is forced on.
    Changes openLesson(const Lesson& lesson);

private:
    std::unique_ptr<SimState> state_;   // large: on the heap
    SetupModel model_;
    Clock clock_;
    KeptRuns kept_;
    Prediction prediction_;
    std::vector<RevealedRun> revealed_;
    std::optional<ClassPredictions> classPredictions_;
    bool cmFrame_ = false;
    bool revealedKept_ = false;   // the run on the table is in revealed_
    Challenge challenge_;
    std::optional<Lesson> lesson_;
    bool setUp_ = false;
};

}   // namespace sim
