#pragma once
#include <QCoreApplication>
#include <functional>

#include "engine/sim_state.h"
#include "view/view_settings.h"

class Canvas;
class QWidget;

// Circle mode's picture: the whole circular strobe trace up to `viewTick`,
// computed in closed form each time, and the puck at `viewTick`.
class CircleDrawing {
    Q_DECLARE_TR_FUNCTIONS(CircleDrawing)

public:
    CircleDrawing(const sim::SimState& s, Canvas& table, Canvas& grid, std::function<ViewSettings()> settings,
                  QWidget* picture);

    void circleStep();

private:
    const sim::SimState& s_;
    Canvas& cv_;
    Canvas& grid_;
    std::function<ViewSettings()> settings_;
    QWidget* picture_;
};
