#include "view/circle_drawing.h"

#include <cmath>

#include "engine/circle.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/widgets.h"
#include "view/trace_renderer.h"

using num::Trunc;

CircleDrawing::CircleDrawing(sim::SimState& s, Controls& c, Canvas& table, Canvas& grid)
    : s_(s), c_(c), cv_(table), grid_(grid)
{}

void CircleDrawing::circleStep()
{
    if (!drawing_)
        return;   // the circle changes no state
    const QColor red(255, 0, 0), white(255, 255, 255);
    TraceRenderer::clearTable(cv_, grid_, c_.ShowGrid1->isChecked(), QColor(0, 0, 0));
    if (c_.ShowScale1->isChecked())
        TraceRenderer::drawScaleBar(cv_, s_.scale, QStringLiteral("10.0 cm"));

    const MovableShape* puck = c_.puck1;
    const MovableShape* pivot = c_.redansh;
    const sim::CircleOrbit orbit =
        sim::circleOrbit(s_, puck->x(), puck->y(), puck->width(), pivot->x(), pivot->y(), pivot->width());
    const int cx = pivot->x() + pivot->width() / 2 - sim::kImageLeft;
    const int cy = pivot->y() + pivot->width() / 2 - sim::kImageTop;

    cv_.setPenColor(red);
    cv_.setBrushColor(red);
    cv_.ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
    cv_.setBrushColor(white);

    const int divisor = sim::strobeDivisor(s_, c_.cbfreq->currentIndex());
    int px = cx, py = cy;
    for (int i = 0; i <= s_.viewTick; ++i) {
        const bool shown = sim::circleDotShown(i, divisor);
        if (!shown && i != s_.viewTick)
            continue;
        const double psi = sim::circleAngle(orbit, i);
        px = cx - Trunc(orbit.R * std::cos(psi));
        py = cy + Trunc(orbit.R * std::sin(psi));
        if (shown)
            cv_.ellipse(px - 2, py - 2, px + 2, py + 2);
    }
    const int h = puck->width() / 2;
    cv_.ellipse(px - h, py - h, px + h, py + h);
    c_.tableim->update();
}
