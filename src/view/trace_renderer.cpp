#include "view/trace_renderer.h"

#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "ui/widgets.h"
#include "view/kept_trace.h"
#include "view/prediction_arrows.h"

using num::Trunc;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr double kArrowAngle = sim::kPi / 6.0;
}   // namespace

TraceRenderer::TraceRenderer(const sim::SimState& s, Canvas& table, Canvas& grid,
                             std::function<ViewSettings()> settings, std::function<bool()> pushShown, QWidget* picture)
    : s_(s), cv_(table), grid_(grid), settings_(std::move(settings)), pushShown_(std::move(pushShown)),
      picture_(picture), letters_{QCoreApplication::translate("Pucks", "R"), QCoreApplication::translate("Pucks", "B")}
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

void TraceRenderer::drawArrows(const sim::SimState& s, const ViewSettings& v)
{
    const auto& log = s.sampleLog;
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
    const bool hasPrev = s.viewTick > 1;
    const sim::PositionSample& prev = log.positions[static_cast<size_t>(hasPrev ? s.viewTick - 1 : 1)];
    const sim::VelocitySample& prevV = log.velocities[static_cast<size_t>(hasPrev ? s.viewTick - 1 : 1)];

    if (v.redBefore && v.redSpeedBar != 0) {
        cv_.setPenColor(kRed);
        before(first.redX, first.redY, s.redStartDirection);
    }
    if (v.redAfter && s.collided && s.red.speed != 0.0 && hasPrev) {
        cv_.setPenColor(kRed);
        after(prev.redX, prev.redY, prevV.redDirection);
    }
    if (v.blackBefore && v.blackSpeedBar != 0) {
        cv_.setPenColor(kBlack);
        before(first.blackX, first.blackY, s.blackStartDirection);
    }
    if (v.blackAfter && s.collided && s.black.speed != 0.0 && hasPrev) {
        cv_.setPenColor(kBlack);
        after(prev.blackX, prev.blackY, prevV.blackDirection);
    }
    cv_.setPenWidth(1);
}

void TraceRenderer::drawMarks(const sim::SimState& s, const ViewSettings& v)
{
    const int divisor = sim::strobeDivisor(s, v.strobeIndex);
    const auto& pos = s.sampleLog.positions;
    const int last = s.viewTick;
    if (v.centreOfMass) {
        const double p1 = v.redMassBar, p2 = v.blackMassBar;
        const double w = p2 / (p1 + p2);
        for (int k = 1; k <= last; k += divisor) {
            const sim::PositionSample& e = pos[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s, k);
            const double cx = e.redX + (e.blackX - e.redX) * w;
            const double cy = e.redY + (e.blackY - e.redY) * w;
            cv_.rectangle(Trunc(cx - 2 + g.x), Trunc(cy - 2 + g.y), Trunc(cx + 2 + g.x), Trunc(cy + 2 + g.y));
        }
    }
    if (v.traceCentres) {
        const int ct = s.collisionTick;
        const bool rb = v.redBefore, ra = v.redAfter;
        const bool bb = v.blackBefore, ba = v.blackAfter;
        for (int k = 1; k <= last; k += divisor) {
            const sim::PositionSample& e = pos[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s, k);
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

void TraceRenderer::drawPucks(const sim::SimState& s, const ViewSettings& v)
{
    if (v.hideBefore && s.viewTick <= s.collisionTick)
        return;
    const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(s.viewTick)];
    const sim::Offset g = sim::displayOffset(s, s.viewTick);
    const bool oneD = v.oneD;
    cv_.setBrushStyle(Canvas::BrushStyle::Clear);
    for (int p = 1; p <= v.massCount; ++p) {
        const sim::PuckState& puck = p == 1 ? s.red : s.black;
        const double X = p == 1 ? e.redX : e.blackX;
        const double Y = p == 1 ? e.redY : e.blackY;
        const int r = puck.radius;
        if (v.labelMass) {
            const QString label = lang::shown(num::F(puck.mass, 3, 1)) + QStringLiteral(" kg");
            cv_.textOut(Trunc(X) - 12, Trunc(Y) - 5, label);
        }
        cv_.setPenColor(p == 1 ? kRed : kBlack);
        if (v.letters) {
            cv_.textOut(Trunc(X + g.x) - 3, Trunc(Y + g.y) - 6, letters_[p - 1]);
        }
        const int x1 = Trunc(X - r + g.x), y1 = Trunc(Y - r + g.y);
        const int x2 = Trunc(X + r + g.x), y2 = Trunc(Y + r + g.y);
        if (!oneD) {
            cv_.ellipse(x1, y1, x2, y2);
        } else {
            cv_.rectangle(x1, y1, x2, y2);
            cv_.setPenWidth(2);
            cv_.setPenColor(kBlack);
            const int yt = Trunc(s.red.radius + e.redY);
            cv_.line(0, yt, cv_.width(), yt);
            cv_.setPenWidth(1);
        }
    }
}

void TraceRenderer::renderTrace()
{
    // between ticks nothing is recorded and only the push's arrow is drawn:
    // the controls are read only when something is to be done
    if (s_.stepPhase != 0 && !pushShown_())
        return;
    if (s_.stepPhase == 0) {
        drawPicture();
        return;
    }
    // the pushing force is drawn at every event, between ticks too
    const ViewSettings v = settings_();
    if (v.oneD && v.massCount == 1) {
        drawForce(cv_, s_, v);
        picture_->update();
    }
}

void TraceRenderer::drawPicture()
{
    const ViewSettings v = settings_();
    const sim::SimState* s = &s_;
    if (prediction_ && prediction_->hiding()) {
        if (!shown_)
            shown_ = std::make_unique<sim::SimState>();
        *shown_ = s_;
        sim::maskOutcome(*shown_, prediction_->hideFrom);
        s = shown_.get();
    }
    drawBackground(*s, v);
    if (kept_)
        drawKeptRuns(cv_, *kept_, v.strobeIndex);
    drawTrace(*s, v);
    if (prediction_ && !v.circle)
        drawPrediction(cv_, *s, *prediction_);
    if (v.oneD && v.massCount == 1)
        drawForce(cv_, s_, v);
    picture_->update();
}

void TraceRenderer::drawBackground(const sim::SimState& s, const ViewSettings& v)
{
    clearTable(cv_, grid_, v.showGrid, kBlack);
    if (v.showScale) {
        const bool metres = v.oneD && v.massCount == 1;
        drawScaleBar(cv_, s.scale, metres ? QStringLiteral("10.0 m") : QStringLiteral("10.0 cm"));
    }
    // arrows, only on a level table
    if (v.arrows && v.tableAngle == 0)
        drawArrows(s, v);
}

void TraceRenderer::drawTrace(const sim::SimState& s, const ViewSettings& v)
{
    if (v.circle)
        return;
    drawMarks(s, v);
    if (v.arrows)
        return;
    drawPucks(s, v);
    cv_.setPenColor(kBlack);
    cv_.setBrushStyle(Canvas::BrushStyle::Solid);
    const bool stuck = s.elasticPercent == 0 && s.collided;
    if (!stuck && v.springMode) {
        const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(s.viewTick)];
        drawSpring(cv_, s, Trunc(e.blackX - s.black.radius), Trunc(e.blackY + 6.0));
    }
}
