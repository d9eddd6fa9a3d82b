#pragma once
#include <QObject>

#include "engine/sim_state.h"
#include "ui/controls.h"

// The time line under Start and Reset, the replay that steps it, and the
// strobe frequency list: they only choose what the trace shows.
class TimeLine : public QObject {
public:
    TimeLine(sim::SimState& s, Controls& c, Operations& ops);

    void connectAll();

    void timeLineChanged();
    void timeLineEntered();
    void toggleReplay();
    void replayTimerEvent();
    void replayPaceChanged();
    void frequencyChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
};
