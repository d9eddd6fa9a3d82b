#include "setup/setup_drawing.h"

#include <cmath>

#include "engine/numbers.h"
#include "engine/spring.h"
#include "setup/view_settings_of.h"
#include "ui/canvas.h"
#include "ui/captions.h"
#include "ui/widgets.h"
#include "view/table_picture.h"

using num::Trunc;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

struct ShapeGeom {
    int left, top, h;   // h = width div 2, image coordinates
    int cx() const { return left + h; }
    int cy() const { return top + h; }
    int px(double R, double a) const { return left + Trunc(R * std::cos(a) + h); }
    int py(double R, double a) const { return top + h - Trunc(R * std::sin(a)); }
};
}   // namespace

SetupDrawing::SetupDrawing(const sim::SetupModel& m, sim::SimState& s, Controls& c, Canvas& table, Canvas& grid)
    : m_(m), s_(s), c_(c), cv_(table), grid_(grid)
{}

void SetupDrawing::drawSetUp()
{
    const int il = sim::kImageLeft, it = sim::kImageTop;
    const ShapeGeom red{c_.puck1->x() - il, c_.puck1->y() - it, c_.puck1->width() / 2};
    const ShapeGeom black{c_.puck2->x() - il, c_.puck2->y() - it, c_.puck2->width() / 2};
    const bool twoMasses = m_.massCount == 2;

    auto arrow = [&](const ShapeGeom& g, double a) {
        const int tx = g.px(100, a), ty = g.py(100, a);
        cv_.line(g.cx(), g.cy(), tx, ty);
        cv_.line(tx, ty, g.px(90, a - sim::kPi / 25), g.py(90, a - sim::kPi / 25));
        cv_.line(tx, ty, g.px(90, a + sim::kPi / 25), g.py(90, a + sim::kPi / 25));
    };

    clearTable(cv_, grid_, m_.mark(sim::ShowGridMark), kRed);
    // scale bar (over the grid the pen keeps what it had)
    if (m_.mark(sim::ShowScaleMark))
        drawScaleBar(cv_, s_.scale, QStringLiteral("10.0 cm"));
    // red aiming line
    cv_.setPenStyle(Canvas::PenStyle::Dotted);
    cv_.setPenColor(kRed);
    cv_.line(red.cx(), red.cy(), red.px(400, s_.red.direction), red.py(400, s_.red.direction));
    if (m_.interaction != sim::Interaction::Circle) {
        cv_.setPenWidth(2);
        if (m_.redSpeed != 0)
            arrow(red, s_.red.direction);
        cv_.setPenWidth(1);
        cv_.setPenColor(kBlack);
        if (twoMasses)
            cv_.line(black.cx(), black.cy(), black.px(400, s_.black.direction), black.py(400, s_.black.direction));
        cv_.setPenWidth(2);
        if (m_.blackSpeed != 0 && twoMasses)
            arrow(black, s_.black.direction);
        cv_.setPenWidth(1);
        if (m_.dimension == 1) {
            cv_.setPenWidth(2);
            cv_.setPenColor(kBlack);
            const int y = Trunc(s_.black.y + 2 * s_.black.radius - it);
            cv_.line(0, y, cv_.width(), y);
            cv_.setPenWidth(1);
        }
    }
    cv_.setPenStyle(Canvas::PenStyle::Solid);
    if (m_.dimension == 1 && m_.springChecked) {
        const sim::PositionSample& e = s_.sampleLog.positions[static_cast<size_t>(s_.viewTick)];
        drawSpring(cv_, s_, s_.viewTick, Trunc(e.blackX - s_.red.radius), Trunc(it + e.blackY));
        const sim::SimState::SpringReading r = sim::setupSpringReading(s_);
        setCaption(c_.slb, springCaption(r.cm));
    }
    if (m_.dimension == 1 && !twoMasses)
        drawForce(cv_, s_, s_.viewTick, viewSettingsOf(m_, c_));
    c_.tableim->update();
}
