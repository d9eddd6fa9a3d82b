#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

#include "engine/kept_runs.h"
#include "engine/prediction.h"
#include "engine/sim_state.h"
#include "view/interaction_drawing.h"
#include "view/view_settings.h"

class Canvas;
class QColor;
class QWidget;

// Paints the strobe picture of a run from the log, from the background up.
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

    // Scale bar: bold arial text and three lines in the current pen.
    static void drawScaleBar(Canvas& cv, double scale, const QString& text);
    // The empty table: the grid picture, or white with the pen left at
    // `penAfter` (over the grid the pen keeps what it had).
    static void clearTable(Canvas& cv, const Canvas& grid, bool showGrid, QColor penAfter);

private:
    // Drawing reads the state and the settings and writes neither.
    void drawBackground(const sim::SimState& s, const ViewSettings& v);
    void drawTrace(const sim::SimState& s, const ViewSettings& v);
    void drawArrows(const sim::SimState& s, const ViewSettings& v);
    void drawMarks(const sim::SimState& s, const ViewSettings& v);
    void drawPucks(const sim::SimState& s, const ViewSettings& v);

    const sim::SimState& s_;
    Canvas& cv_;
    Canvas& grid_;
    std::function<ViewSettings()> settings_;
    std::function<bool()> pushShown_;
    QWidget* picture_;
    QString letters_[2];
    const sim::KeptRuns* kept_ = nullptr;
    const sim::Prediction* prediction_ = nullptr;
    std::unique_ptr<sim::SimState>
        shown_;   // the run as it may be shown while hidden   // the colour-blind marks, in the user's language
};
