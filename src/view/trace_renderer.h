#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "engine/kept_runs.h"
#include "engine/prediction.h"
#include "engine/sim_state.h"
#include "view/table_picture.h"
#include "view/view_settings.h"

class Canvas;
class QWidget;

// The window's table picture as a run goes: drawn from the state at its
// time line's tick through the one picture function, then shown.
class TraceRenderer {
    Q_DECLARE_TR_FUNCTIONS(TraceRenderer)

public:
    // `settings` reads the view settings when a pass starts; `pushShown`
    // says whether the 1-D push is drawn (between ticks too); `picture`
    // shows the table canvas.
    TraceRenderer(const sim::SimState& s, Canvas& table, Canvas& grid, std::function<ViewSettings()> settings,
                  std::function<bool()> pushShown, QWidget* picture);

    // Draws the trace for the state as it stands: the caller records the
    // sample first (sim::recordPass), as a run does.
    void renderTrace();
    // The whole picture drawn again as the last pass left it, between ticks too.
    void drawPicture();
    // The runs kept beside this one, drawn under it; none by default.
    void setKeptRuns(const sim::KeptRuns* kept) { kept_ = kept; }
    // Predict First: while the outcome is hidden only what came before it
    // is drawn; the prediction's arrows from the contact on. None by default.
    void setPrediction(const sim::Prediction* p) { prediction_ = p; }

    // What the window's picture shows at `tick`, for any canvas.
    TablePicture pictureAt(int tick) const;

private:
    const sim::SimState& s_;
    Canvas& cv_;
    Canvas& grid_;
    std::function<ViewSettings()> settings_;
    std::function<bool()> pushShown_;
    QWidget* picture_;
    QString letters_[2];   // the colour-blind marks, in the user's language
    const sim::KeptRuns* kept_ = nullptr;
    const sim::Prediction* prediction_ = nullptr;
};
