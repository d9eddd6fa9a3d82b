#include "view/trace_renderer.h"

#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/widgets.h"

using num::Trunc;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr double kArrowAngle = sim::kPi / 6.0;
}   // namespace

TraceRenderer::TraceRenderer(sim::SimState& s, Controls& c, Canvas& table, Canvas& grid)
    : s_(s), c_(c), cv_(table), grid_(grid), interactions_(s, c, table)
{}

void TraceRenderer::clearTable(Canvas& cv, const Canvas& grid, bool showGrid, QColor penAfter)
{
    if (showGrid) {
        cv.copyRect(0, 0, grid.width(), grid.height(), grid.image());
        return;
    }
    cv.setPenColor(QColor(255, 255, 255));
    cv.rectangle(0, 0, cv.width(), cv.height());
    cv.setPenColor(penAfter);
}

void TraceRenderer::drawScaleBar(Canvas& cv, double scale, const QString& text)
{
    cv.setFontName(QStringLiteral("arial"));
    cv.setFontBold(true);
    const int S = num::Round(10.0 * scale);
    cv.textOut(S + 10, 20, text);
    cv.line(10, 20, S + 10, 20);
    cv.line(10, 17, 10, 23);
    cv.line(S + 10, 17, S + 10, 23);
}

void TraceRenderer::drawArrows()
{
    const auto& log = s_.sampleLog;
    cv_.setPenWidth(2);
    auto before = [&](double hx, double hy, double a) {
        cv_.line(Trunc(hx), Trunc(hy), Trunc(hx - 10 * std::cos(a - kArrowAngle)),
                 Trunc(hy + 10 * std::sin(a - kArrowAngle)));
        cv_.line(Trunc(hx), Trunc(hy), Trunc(hx - 10 * std::cos(a + kArrowAngle)),
                 Trunc(hy + 10 * std::sin(a + kArrowAngle)));
        cv_.line(Trunc(hx), Trunc(hy), Trunc(hx - 40 * std::cos(a)), Trunc(hy + 40 * std::sin(a)));
    };
    auto after = [&](double px, double py, double b) {
        const double tx = px + 40 * std::cos(b), ty = py - 40 * std::sin(b);
        cv_.line(Trunc(px), Trunc(py), Trunc(tx), Trunc(ty));
        cv_.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(b + kArrowAngle)),
                 Trunc(ty + 10 * std::sin(b + kArrowAngle)));
        cv_.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(b - kArrowAngle)),
                 Trunc(ty + 10 * std::sin(b - kArrowAngle)));
    };
    const sim::PositionSample& first = log.positions[1];
    const bool hasPrev = s_.viewTick > 1;
    const sim::PositionSample& prev = log.positions[static_cast<size_t>(hasPrev ? s_.viewTick - 1 : 1)];
    const sim::VelocitySample& prevV = log.velocities[static_cast<size_t>(hasPrev ? s_.viewTick - 1 : 1)];

    if (c_.redb->isChecked() && c_.v1sb->value() != 0) {
        cv_.setPenColor(kRed);
        before(first.redX, first.redY, s_.redStartDirection);
    }
    if (c_.reda->isChecked() && s_.collided && s_.red.speed != 0.0 && hasPrev) {
        cv_.setPenColor(kRed);
        after(prev.redX, prev.redY, prevV.redDirection);
    }
    if (c_.blackb->isChecked() && c_.v2sb->value() != 0) {
        cv_.setPenColor(kBlack);
        before(first.blackX, first.blackY, s_.blackStartDirection);
    }
    if (c_.blackA->isChecked() && s_.collided && s_.black.speed != 0.0 && hasPrev) {
        cv_.setPenColor(kBlack);
        after(prev.blackX, prev.blackY, prevV.blackDirection);
    }
    cv_.setPenWidth(1);
}

void TraceRenderer::drawMarks(int divisor)
{
    const auto& pos = s_.sampleLog.positions;
    const int last = s_.viewTick;
    if (c_.Centerofmass1->isChecked()) {
        const double p1 = c_.m1sb->value(), p2 = c_.m2sb->value();
        const double w = p2 / (p1 + p2);
        for (int k = 1; k <= last; k += divisor) {
            const sim::PositionSample& e = pos[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s_, k);
            const double cx = e.redX + (e.blackX - e.redX) * w;
            const double cy = e.redY + (e.blackY - e.redY) * w;
            cv_.rectangle(Trunc(cx - 2 + g.x), Trunc(cy - 2 + g.y), Trunc(cx + 2 + g.x), Trunc(cy + 2 + g.y));
        }
    }
    if (c_.tracecb->isChecked()) {
        const int ct = s_.collisionTick;
        const bool rb = c_.redb->isChecked(), ra = c_.reda->isChecked();
        const bool bb = c_.blackb->isChecked(), ba = c_.blackA->isChecked();
        for (int k = 1; k <= last; k += divisor) {
            const sim::PositionSample& e = pos[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s_, k);
            cv_.setPenColor(kRed);
            if ((k < ct && rb) || (k > ct && ra))
                cv_.ellipse(Trunc(e.redX - 2 + g.x), Trunc(e.redY - 2 + g.y), Trunc(e.redX + 2 + g.x),
                            Trunc(e.redY + 2 + g.y));
            cv_.setBrushColor(kBlack);
            cv_.setPenColor(kBlack);
            if ((k < ct && bb) || (k > ct && ba))
                cv_.ellipse(Trunc(e.blackX - 2 + g.x), Trunc(e.blackY - 2 + g.y), Trunc(e.blackX + 2 + g.x),
                            Trunc(e.blackY + 2 + g.y));
            cv_.setBrushColor(kWhite);
        }
    }
}

void TraceRenderer::drawPucks()
{
    const sim::PositionSample& e = s_.sampleLog.positions[static_cast<size_t>(s_.viewTick)];
    const sim::Offset g = sim::displayOffset(s_, s_.viewTick);
    const bool oneD = c_.dimension() == 1;
    cv_.setBrushStyle(Canvas::BrushStyle::Clear);
    for (int p = 1; p <= c_.massCount(); ++p) {
        const sim::PuckState& puck = p == 1 ? s_.red : s_.black;
        const double X = p == 1 ? e.redX : e.blackX;
        const double Y = p == 1 ? e.redY : e.blackY;
        const int r = puck.radius;
        if (c_.Labelmass1->isChecked()) {
            const QString label = QString::fromStdString(num::F(puck.mass, 3, 1)) + QStringLiteral(" kg");
            cv_.textOut(Trunc(X) - 12, Trunc(Y) - 5, label);
        }
        cv_.setPenColor(p == 1 ? kRed : kBlack);
        const int x1 = Trunc(X - r + g.x), y1 = Trunc(Y - r + g.y);
        const int x2 = Trunc(X + r + g.x), y2 = Trunc(Y + r + g.y);
        if (!oneD) {
            cv_.ellipse(x1, y1, x2, y2);
        } else {
            cv_.rectangle(x1, y1, x2, y2);
            cv_.setPenWidth(2);
            cv_.setPenColor(kBlack);
            const int yt = Trunc(s_.red.radius + e.redY);
            cv_.line(0, yt, cv_.width(), yt);
            cv_.setPenWidth(1);
        }
    }
}

void TraceRenderer::renderTrace()
{
    // the pass's one write, between the background and the trace as ever
    const sim::PassModes modes{c_.Circle1->isChecked(), c_.dimension() == 1, c_.Arrows1->isChecked()};
    if (!drawing_) {
        sim::recordPass(s_, modes);   // nobody looks
        return;
    }
    if (s_.stepPhase == 0) {
        clearTable(cv_, grid_, c_.ShowGrid1->isChecked(), kBlack);
        // scale bar
        if (c_.ShowScale1->isChecked()) {
            const bool metres = c_.dimension() == 1 && c_.massCount() == 1;
            drawScaleBar(cv_, s_.scale, metres ? QStringLiteral("10.0 m") : QStringLiteral("10.0 cm"));
        }
        // arrows, only on a level table
        if (c_.Arrows1->isChecked() && c_.tableangsb->value() == 0)
            drawArrows();
        sim::recordPass(s_, modes);
        if (!c_.Circle1->isChecked()) {
            const int divisor = sim::strobeDivisor(s_, c_.cbfreq->currentIndex());
            drawMarks(divisor);
            if (!c_.Arrows1->isChecked()) {
                drawPucks();
                cv_.setPenColor(kBlack);
                cv_.setBrushStyle(Canvas::BrushStyle::Solid);
                const bool stuck = s_.elasticPercent == 0 && s_.collided;
                if (!stuck && c_.springMenu->menuAction()->isChecked()) {
                    const sim::PositionSample& e = s_.sampleLog.positions[static_cast<size_t>(s_.viewTick)];
                    interactions_.drawSpring(Trunc(e.blackX - s_.black.radius), Trunc(e.blackY + 6.0));
                }
            }
        }
        c_.tableim->update();
    }
    // the pushing force is drawn at every event, between ticks too
    if (c_.dimension() == 1 && c_.massCount() == 1) {
        interactions_.drawForce();
        c_.tableim->update();
    }
}
