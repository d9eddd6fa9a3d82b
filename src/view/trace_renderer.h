#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

#include "engine/classroom.h"
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
    // The classroom whose kept runs are drawn under the run, and whose
    // prediction's arrows over it; what it keeps from the class is not drawn.
    void setClassroom(const sim::Classroom* room) { room_ = room; }

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
    const sim::Classroom* room_ = nullptr;
    mutable std::unique_ptr<sim::SimState> cm_;   // the run from its centre of mass, made again at each picture
};
