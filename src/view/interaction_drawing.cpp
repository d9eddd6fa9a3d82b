#include "view/interaction_drawing.h"

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/spring.h"
#include "ui/canvas.h"

using num::Trunc;

void drawSpring(Canvas& cv, const sim::SimState& s, int tick, int x, int y)
{
    const int n = tick;
    // the spring rides with the drawn pucks
    const int o = Trunc(sim::displayOffset(s, n).x);
    const int x0 = x + o;
    const int x1 = x0 - sim::springDrawnLength(s, n);
    cv.setPenColor(QColor(0, 0, 0));
    cv.setPenWidth(2);
    cv.line(x0, y, x1, y);
    cv.line(x1, y - 5, x1, y + 5);
    cv.setPenWidth(1);
}

void drawForce(Canvas& cv, const sim::SimState& s, int tick, const ViewSettings& v)
{
    const int n = tick;
    const auto& pos = s.sampleLog.positions;
    const double X = pos[static_cast<size_t>(n)].redX, Y = pos[static_cast<size_t>(n)].redY;
    const int r = s.red.radius;
    const int bx = Trunc(X - r + sim::displayOffset(s, n).x);
    const int by = Trunc(Y);
    const int bar = v.tableAngle;
    int sz = bar / 7 + 10;
    cv.setPenColor(QColor(255, 0, 0));
    cv.setBrushStyle(Canvas::BrushStyle::Clear);
    if (v.traceBlock) {
        const int divisor = sim::strobeDivisor(s, v.strobeIndex);
        for (int i = 1; i <= n; ++i) {
            if ((i - 1) % divisor != 0)
                continue;
            const sim::PositionSample& e = pos[static_cast<size_t>(i)];
            const sim::Offset g = sim::displayOffset(s, i);
            cv.rectangle(Trunc(e.redX - r + g.x), Trunc(e.redY - r + g.y), Trunc(e.redX + r + g.x),
                         Trunc(e.redY + r + g.y));
        }
    }
    if (bar == 0)
        sz = 0;
    if (v.showForce) {
        cv.setPenColor(QColor(0, 0, 0));
        // tip, upper barb, shaft's top and tail, shaft's bottom, lower barb
        // clang-format off
        const int xy[] = {bx, by,
                          bx - sz, by - sz,
                          bx - sz, by - sz / 2,
                          bx - 7 * sz / 2, by - sz / 2,
                          bx - 7 * sz / 2, by + sz / 2,
                          bx - sz, by + sz / 2,
                          bx - sz, by + sz};
        // clang-format on
        cv.polygon(xy, 7);
    }
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
}
