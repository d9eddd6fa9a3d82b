#pragma once
#include <QCoreApplication>
#include <functional>
// Shows the set-up model in the table window's controls: bars, captions,
// menu titles and marks, what is shown or switched off, the pucks' shapes.
// Widgets are updated with their signals blocked, so showing changes nothing.

#include "engine/classroom.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"

class ModelView {
    Q_DECLARE_TR_FUNCTIONS(ModelView)

public:
    ModelView(const sim::SetupModel& m, const sim::SimState& s, Controls& c);

    void show();
    // Told after each show: what the set-up allows follows it.
    std::function<void()> shown;
    // A challenge's unknown: its bar stands at its start, off, and its
    // caption and the pucks' descriptions read "?". None by default.
    void setClassroom(const sim::Classroom* room) { room_ = room; }
    // What a screen reader hears of the pucks and handles: place and aim in
    // the table's units ("Red puck at 12.3 cm, 8.0 cm, moving 30 degrees at 5.0 cm/s").
    void describeShapes();

private:
    void showBars();
    void showCaptions();
    void showMenus();
    void showPanel();
    void showShapes();
    void hideUnknown();
    struct Unknown {
        bool mass, percent, speed;
    };
    Unknown unknown() const;

    const sim::SetupModel& m_;
    const sim::SimState& s_;
    Controls& c_;
    // what the bars' captions last showed: they change only when their bar does
    sim::SetupModel shown_;
    const sim::Classroom* room_ = nullptr;
    bool unknownShown_ = false;   // the captions last showed it hidden
};
