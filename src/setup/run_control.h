#pragma once
#include <QCoreApplication>
#include <QString>
#include <vector>

#include "engine/classroom.h"
#include "engine/run.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"
#include "ui/classroom_hub.h"

// Start, Stop and Continue, and the run timer's event.
class RunControl : public sim::RunHost {
    Q_DECLARE_TR_FUNCTIONS(RunControl)

public:
    // The classroom whose clock this is: Predict First holds the run, as by
    // Stop, where its outcome begins; a challenge keeps its unknown unsaid.
    RunControl(ClassroomHub& hub, Controls& c, Operations& ops);

    void start();
    void timerEvent();
    // During a run the trace shows the pucks; their shapes give way.
    void hideShapes();

    // RunHost
    void renderTrace() override { ops_.renderTrace(); }
    // the pass before it drew the circle at this tick
    void circleStep() override {}
    void stopAtLimit() override
    {
        atLimit_ = true;
        start();
        atLimit_ = false;
    }
    void showingTick(int) override { c_.Timesb->setMaximum(s_.timeLineEnd); }

    // The time and the spring's reading as the clock last showed them.
    void showClock();

    // What the run says while its outcome is hidden.
    static QString predictText();

    // The time label's text of a tick, built once: "Time:  0.05 s".
    const QString& timeText(int tick);

private:
    void showSpringReading();
    // What a screen reader hears of the run, on the Start button: started,
    // the pucks touched, stopped with the speeds, ended at the tick limit.
    void sayRunStatus();

    const sim::SetupModel& m_;
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    std::vector<QString> timeTexts_;   // one per tick, built once
    std::vector<QString> springTexts_;   // "Spring Compressed: 0.00 cm" to 10.00, built once
    QString springOutOfReach_;
    QString touchedText_;   // built once: the event that says it allocates nothing
    bool touchedSaid_ = false;
    bool atLimit_ = false;
    ClassroomHub& hub_;
    const sim::Classroom& room_;
};
