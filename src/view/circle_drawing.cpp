#include "view/circle_drawing.h"

#include <cmath>

#include "engine/circle.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "view/trace_renderer.h"
#include <QWidget>

using num::Trunc;

CircleDrawing::CircleDrawing(const sim::SimState& s, Canvas& table, Canvas& grid,
                             std::function<ViewSettings()> settings, QWidget* picture)
    : s_(s), cv_(table), grid_(grid), settings_(std::move(settings)), picture_(picture)
{}

void CircleDrawing::circleStep()
{
    const ViewSettings v = settings_();
    const QColor red(255, 0, 0), white(255, 255, 255);
    TraceRenderer::clearTable(cv_, grid_, v.showGrid, QColor(0, 0, 0));
    if (v.showScale)
        TraceRenderer::drawScaleBar(cv_, s_.scale, QStringLiteral("10.0 cm"));

    const ViewSettings::Place& puck = v.redPuck;
    const ViewSettings::Place& pivot = v.redHandle;
    const sim::CircleOrbit orbit =
        sim::circleOrbit(s_, puck.left, puck.top, puck.width, pivot.left, pivot.top, pivot.width);
    const int cx = pivot.left + pivot.width / 2 - sim::kImageLeft;
    const int cy = pivot.top + pivot.width / 2 - sim::kImageTop;

    cv_.setPenColor(red);
    cv_.setBrushColor(red);
    cv_.ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
    cv_.setBrushColor(white);

    const int divisor = sim::strobeDivisor(s_, v.strobeIndex);
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
    const int h = puck.width / 2;
    cv_.ellipse(px - h, py - h, px + h, py + h);
    picture_->update();
}
