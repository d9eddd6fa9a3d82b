#include "view/interaction_drawing.h"

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/spring.h"
#include "ui/canvas.h"

using num::Trunc;

InteractionDrawing::InteractionDrawing(sim::SimState& s, Controls& c, Canvas& table) : s_(s), c_(c), cv_(table) {}

void InteractionDrawing::drawSpring(int x, int y)
{
    const int n = s_.viewTick;
    // the spring rides with the drawn pucks
    const int o = Trunc(sim::displayOffset(s_, n).x);
    const int x0 = x + o;
    const int x1 = x0 - sim::springDrawnLength(s_, n);
    cv_.setPenColor(QColor(0, 0, 0));
    cv_.setPenWidth(2);
    cv_.line(x0, y, x1, y);
    cv_.line(x1, y - 5, x1, y + 5);
    cv_.setPenWidth(1);
}

void InteractionDrawing::drawForce()
{
    const int n = s_.viewTick;
    const auto& pos = s_.sampleLog.positions;
    const double X = pos[static_cast<size_t>(n)].redX, Y = pos[static_cast<size_t>(n)].redY;
    const int r = s_.red.radius;
    const int bx = Trunc(X - r + sim::displayOffset(s_, n).x);
    const int by = Trunc(Y);
    const int bar = c_.tableangsb->value();
    int sz = bar / 7 + 10;
    cv_.setPenColor(QColor(255, 0, 0));
    cv_.setBrushStyle(Canvas::BrushStyle::Clear);
    if (c_.TraceBlock1->isChecked()) {
        const int divisor = sim::strobeDivisor(s_, c_.cbfreq->currentIndex());
        for (int i = 1; i <= n; ++i) {
            if ((i - 1) % divisor != 0)
                continue;
            const sim::PositionSample& e = pos[static_cast<size_t>(i)];
            const sim::Offset g = sim::displayOffset(s_, i);
            cv_.rectangle(Trunc(e.redX - r + g.x), Trunc(e.redY - r + g.y), Trunc(e.redX + r + g.x),
                          Trunc(e.redY + r + g.y));
        }
    }
    if (bar == 0)
        sz = 0;
    if (c_.ShowForce1->isChecked()) {
        cv_.setPenColor(QColor(0, 0, 0));
        const int xy[] = {bx,
                          by,
                          bx - sz,
                          by - sz,
                          bx - sz,
                          by - sz / 2,
                          bx - 7 * sz / 2,
                          by - sz / 2,
                          bx - 7 * sz / 2,
                          by + sz / 2,
                          bx - sz,
                          by + sz / 2,
                          bx - sz,
                          by + sz};
        cv_.polygon(xy, 7);
    }
    cv_.setBrushStyle(Canvas::BrushStyle::Solid);
}
