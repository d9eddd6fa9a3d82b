#include "engine/classroom.h"

#include "engine/headless_run.h"
#include "engine/run_physics.h"

#include <chrono>

namespace sim {

Classroom::Classroom() : state_(std::make_unique<SimState>()) {}

Changes Classroom::runThrough(int lastTick)
{
    newRun();
    HeadlessRun run(*state_, model_.mark(ArrowsMark));
    run.start();
    run.runThrough(lastTick);
    if (run.running())
        run.start();
    clock_.running = false;
    clock_.started = true;
    showRunTick();   // the time the run's last event showed
    return Changes(Part::Run) | Part::Prediction;
}

Changes Classroom::pressStart()
{
    Changes changed = Part::Run;
    if (!runStarted(*state_) && !clock_.running) {
        changed = changed | newRun();
        clock_.slow = clock_.slowMotion ? foreseeSlowSpan(*state_, model_) : SlowSpan{};
    }
    startPressed(*state_);
    clock_.started = true;
    clock_.running = !clock_.running;
    return changed;
}

Changes Classroom::resetClock()
{
    // the run's end is still in the log: a revealed run is read before it goes
    if (prediction_.revealed && !revealedKept_ && revealed_.size() < kMaxRevealedRuns) {
        revealed_.push_back(revealedRun(prediction_, *state_));
        revealedKept_ = true;
    }
    clock_.running = false;
    clock_.started = false;
    clock_.replaying = false;
    clock_.shownSample = 0;
    return Part::Run;
}

Changes Classroom::setSlowMotion(bool on)
{
    if (clock_.slowMotion == on)
        return {};
    clock_.slowMotion = on;
    if (on && runStarted(*state_))   // switched on during a run: it slows from the next run on
        clock_.slow = SlowSpan{};
    return Part::Run;
}

Changes Classroom::showRunTick()
{
    clock_.shownSample = state_->tick + 1;   // the event shows the time of the sample after its tick
    if (state_->interactionMode == Interaction::Spring1D) {
        clock_.springShown = true;
        clock_.spring = state_->springReading;
    }
    return Part::Run;
}

Changes Classroom::setTimeLine(int value)
{
    sim::setTimeLine(*state_, value);
    const int pos = state_->timeLine;
    clock_.shownSample = pos;
    state_->viewTick = pos;
    if (model_.springBoxShown) {
        clock_.springShown = true;
        clock_.spring = {true, pos > 1 ? state_->sampleLog.compression[static_cast<size_t>(pos - 1)] : 0.0};
    }
    return Part::Run;
}

Changes Classroom::setReplaying(bool on)
{
    if (clock_.replaying == on)
        return {};
    clock_.replaying = on;
    return Part::Run;
}

Changes Classroom::keepRun()
{
    if (!disclosure().mayKeep || !kept_.keep(*state_, model_))
        return {};
    return Part::Kept;
}

Changes Classroom::clearKeptRuns()
{
    if (kept_.runs().empty())
        return {};
    kept_.clear();
    return Part::Kept;
}

Changes Classroom::setPredictFirst(bool on)
{
    if (prediction_.on == on)
        return {};
    prediction_.on = on;
    return Part::Prediction;
}

Changes Classroom::predict(int puck, const PredictedPuck& value)
{
    (puck == 1 ? prediction_.red : prediction_.black) = value;
    return Part::Prediction;
}

Changes Classroom::newRun()
{
    if (prediction_.hideFrom == 0 && !prediction_.revealed)
        return {};
    revealedKept_ = false;
    prediction_.newRun();
    return Part::Prediction;
}

Changes Classroom::watchOutcome()
{
    if (!sim::watchOutcome(prediction_, *state_, model_))
        return {};
    return Part::Prediction;
}

Changes Classroom::reveal()
{
    if (!prediction_.hiding())
        return {};
    prediction_.revealed = true;
    return Part::Prediction;
}

std::vector<RevealedRun> Classroom::revealedRuns() const
{
    std::vector<RevealedRun> runs = revealed_;
    if (prediction_.revealed && !revealedKept_)
        runs.push_back(revealedRun(prediction_, *state_));
    return runs;
}

Changes Classroom::showClassPredictions(const std::optional<ClassPredictions>& p)
{
    if (p == classPredictions_)
        return {};
    classPredictions_ = p;
    return Part::Class;
}

bool Classroom::seenFromCm() const
{
    return cmFrame_ && hasCmFrame(model_) && !disclosure().blackMassHidden;
}

Changes Classroom::setCmFrame(bool on)
{
    if (cmFrame_ == on)
        return {};
    cmFrame_ = on;
    return Part::Frame;
}

Changes Classroom::startChallenge(const ChallengeSet& set)
{
    challenge_.start(set);
    return Part::Challenge;
}

Changes Classroom::answer(double value, Verdict* verdict)
{
    const Verdict v = challenge_.check(value);
    if (challenge_.answers.size() < kMaxCheckedAnswers)
        challenge_.answers.push_back(
            {value, v,
             std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
                 .count()});
    if (verdict)
        *verdict = v;
    return Part::Challenge;
}

Changes Classroom::revealChallenge()
{
    if (!challenge_.on || challenge_.revealed)
        return {};
    challenge_.revealed = true;
    return Part::Challenge;
}

Changes Classroom::endChallenge()
{
    if (!challenge_.on)
        return {};
    challenge_ = Challenge{};
    return Part::Challenge;
}

Changes Classroom::openLesson(const Lesson& lesson)
{
    if (lesson_)
        return {};
    lesson_ = lesson;
    Changes changed = Part::Lesson;
    if (lesson.predictFirst)
        changed |= setPredictFirst(true);
    return changed;
}

}   // namespace sim
