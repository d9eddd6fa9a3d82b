#pragma once
// The table picture drawn from data: a run's state, what the View menu
// shows, the kept runs, the prediction and the tick to show. The window,
// the presentation window, PNG, SVG, every GIF frame and the lab sheet all
// draw through here; nothing is written to the state to draw a picture.

#include <QColor>
#include <QString>

#include "engine/disclosure.h"
#include "engine/kept_runs.h"
#include "engine/prediction.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "view/view_settings.h"

class Canvas;

struct TablePicture {
    const sim::SimState* state = nullptr;
    ViewSettings view;
    const sim::KeptRuns* kept = nullptr;   // drawn under the run; none by default
    // Predict First's arrows from the contact on
    const sim::Prediction* prediction = nullptr;
    // an outcome held for a prediction: only what came before this sample is drawn; 0: none
    int hiddenFrom = 0;
    int tick = 1;   // the time line's sample shown
    const QString* letters = nullptr;   // "R" and "B" in the user's language, if built already
};

// The whole picture of a run at its tick, the circle's too, over `grid`'s
// picture where the grid is shown.
void drawTablePicture(Canvas& cv, const Canvas& grid, const TablePicture& p);

// The pushing force of 1-D one-mass mode alone, as it is drawn between ticks.
void drawPushBetweenTicks(Canvas& cv, const TablePicture& p);

// The grid picture the table is cleared to when the grid is shown.
void drawGrid(Canvas& g);
// Scale bar: bold arial text and three lines in the current pen.
void drawScaleBar(Canvas& cv, double scale, const QString& text);
// The empty table: the grid picture, or white with the pen left at
// `penAfter` (over the grid the pen keeps what it had).
void clearTable(Canvas& cv, const Canvas& grid, bool showGrid, QColor penAfter);

// What the View menu shows of a set-up, with the red puck and its handle
// where the table shows them (the circle turns about the handle).
ViewSettings viewSettingsFor(const sim::SetupModel& m, ViewSettings::Place redPuck, ViewSettings::Place redHandle);
// What is kept from the class takes away from the picture: the centre of
// mass and the masses' labels weigh a hidden black mass; the trace before
// the contact shows a hidden launch speed.
void hideUnknown(ViewSettings& v, const sim::Disclosure& d);
