#pragma once
#include <QCoreApplication>
#include <QObject>

#include "engine/classroom.h"
#include "engine/setup_rules.h"
#include "engine/sim_state.h"
#include "ui/classroom_hub.h"
#include "ui/operations.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

// The controls of the time line, the replay and the frequency list, and the
// spring reading and run timer they look at.
struct TimeLineControls {
    QScrollBar* timeLine;
    QLabel* timeLabel;
    QPushButton* replay;
    QScrollBar* replayPace;
    QTimer* replayTimer;
    QTimer* runTimer;
    QComboBox* frequency;
    QLabel* springLabel;
};

// The time line under Start and Reset, the replay that steps it, and the
// strobe frequency list: they only choose what the trace shows.
class TimeLine : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TimeLine)

public:
    TimeLine(sim::SetupRules& rules, ClassroomHub& hub, const TimeLineControls& c, Operations& ops);

    void connectAll();

    void timeLineChanged();
    void timeLineEntered();
    void toggleReplay();
    void replayTimerEvent();
    void replayPaceChanged();
    void frequencyChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    sim::SetupRules& rules_;
    ClassroomHub& hub_;
    TimeLineControls c_;
    Operations& ops_;
};
