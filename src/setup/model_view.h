#pragma once
// Shows the set-up model in the table window's controls: bars, captions,
// menu titles and marks, what is shown or switched off, the pucks' shapes.
// Widgets are updated with their signals blocked, so showing changes nothing.

#include "engine/setup_model.h"
#include "setup/controls.h"

class ModelView {
public:
    ModelView(const sim::SetupModel& m, Controls& c);

    void show();

private:
    void showBars();
    void showCaptions();
    void showMenus();
    void showPanel();
    void showShapes();

    const sim::SetupModel& m_;
    Controls& c_;
    // what the bars' captions last showed: they change only when their bar does
    sim::SetupModel shown_;
};
