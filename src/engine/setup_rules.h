#pragma once
// What each set-up control does to the settings and the state, without a
// window: the table window's handlers, an experiment being applied and the
// headless export all go through these. Each setter acts like a scroll
// bar: the value is held in the bar's range, and nothing happens when it
// does not change. What the host must draw or show is asked of it.

#include "engine/setup_model.h"
#include "engine/sim_state.h"

namespace sim {

// The window's side of a set-up change; headless, only the recording pass.
class SetupHost {
public:
    virtual ~SetupHost() = default;
    // A drawing pass of the trace (it records the sample, as in a run).
    virtual void renderTrace() = 0;
    virtual void drawSetUp() {}
    // Reset and Recenter of the table, the state's part included.
    virtual void reset() = 0;
    virtual void recenter() = 0;
    // The pucks' and handles' shapes moved to their start places.
    virtual void placeShapes() {}
    // The pucks' shapes after an interaction or a mass-count choice.
    virtual void showShapesForInteraction() {}
    virtual void showShapesForMassCount() {}
};

class SetupRules {
public:
    SetupRules(SetupModel& m, SimState& s, SetupHost& host) : m_(m), s_(s), host_(host) {}

    const SetupModel& model() const { return m_; }

    // the bars
    void setMass(int puck, int position);
    void setSpeed(int puck, int position);
    void setCharge(int puck, int position);
    void setPercent(int position);
    void setSpringK(int position);
    void setSpringLength(int position);
    void setTableAngle(int position);
    void setFrequencyIndex(int index) { m_.frequencyIndex = index; }

    // the menus
    void chooseDimension(int dimension);
    void chooseMassCount(int count);
    // Elastic, Inelastic, Semi Elastic, Circle, or an electrostatic range;
    // an entry that is switched off does nothing.
    void chooseInteraction(Interaction mode, int electroRange = 0);
    void chooseSpring(int kind);   // 3 elastic, 4 inelastic
    void chooseCircleFriction(int friction);
    void chooseComputerSpeed(int intervalMs);
    void togglePlottingError();
    void toggleLetterMarks();
    void toggleMark(ViewMark mark);
    void setMark(ViewMark mark, bool on);
    void chooseCircleSize(int size);
    void chooseScale(int scale);
    void chooseDotSize(int side);

    // What an experiment's record says of the modes before they are chosen.
    void rememberModes(int dimension, int massCount);
    void showTableAngle(bool shown) { m_.tableAngleShown = shown; }

    // Set while an experiment waits for confirmation: no Recenter then.
    void setConfirmationShowing(bool on) { confirmationShowing_ = on; }

private:
    void setTableAngleMaximum(int maximum);
    void sizePucks();
    void accelerationsFor(int position);

    SetupModel& m_;
    SimState& s_;
    SetupHost& host_;
    bool confirmationShowing_ = false;
};

}   // namespace sim
