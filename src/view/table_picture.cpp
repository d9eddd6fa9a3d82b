#include "view/table_picture.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/circle.h"
#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "view/interaction_drawing.h"
#include "view/kept_trace.h"
#include "view/prediction_arrows.h"

using num::Trunc;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr double kArrowAngle = sim::kPi / 6.0;

// One picture's drawing: the state and the tick it shows, read only.
struct Painter {
    Canvas& cv;
    const sim::SimState& s;
    const ViewSettings& v;
    int tick;
    const QString* letters;

    void arrows() const;
    void marks() const;
    void pucks() const;
    void trace() const;
    void circle(const Canvas& grid) const;
};

void Painter::arrows() const
{
    const auto& log = s.sampleLog;
    cv.setPenWidth(2);
    auto before = [&](double hx, double hy, double a) {
        cv.line(Trunc(hx), Trunc(hy), Trunc(hx - 10 * std::cos(a - kArrowAngle)),
                Trunc(hy + 10 * std::sin(a - kArrowAngle)));
        cv.line(Trunc(hx), Trunc(hy), Trunc(hx - 10 * std::cos(a + kArrowAngle)),
                Trunc(hy + 10 * std::sin(a + kArrowAngle)));
        cv.line(Trunc(hx), Trunc(hy), Trunc(hx - 40 * std::cos(a)), Trunc(hy + 40 * std::sin(a)));
    };
    auto after = [&](double px, double py, double b) {
        const double tx = px + 40 * std::cos(b), ty = py - 40 * std::sin(b);
        cv.line(Trunc(px), Trunc(py), Trunc(tx), Trunc(ty));
        cv.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(b + kArrowAngle)),
                Trunc(ty + 10 * std::sin(b + kArrowAngle)));
        cv.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(b - kArrowAngle)),
                Trunc(ty + 10 * std::sin(b - kArrowAngle)));
    };
    const sim::PositionSample& first = log.positions[1];
    const bool hasPrev = tick > 1;
    const sim::PositionSample& prev = log.positions[static_cast<size_t>(hasPrev ? tick - 1 : 1)];
    const sim::VelocitySample& prevV = log.velocities[static_cast<size_t>(hasPrev ? tick - 1 : 1)];

    if (v.redBefore && v.redSpeedBar != 0) {
        cv.setPenColor(kRed);
        before(first.redX, first.redY, s.redStartDirection);
    }
    if (v.redAfter && s.collided && s.red.speed != 0.0 && hasPrev) {
        cv.setPenColor(kRed);
        after(prev.redX, prev.redY, prevV.redDirection);
    }
    if (v.blackBefore && v.blackSpeedBar != 0) {
        cv.setPenColor(kBlack);
        before(first.blackX, first.blackY, s.blackStartDirection);
    }
    if (v.blackAfter && s.collided && s.black.speed != 0.0 && hasPrev) {
        cv.setPenColor(kBlack);
        after(prev.blackX, prev.blackY, prevV.blackDirection);
    }
    cv.setPenWidth(1);
}

void Painter::marks() const
{
    const int divisor = sim::strobeDivisor(s, v.strobeIndex);
    const auto& pos = s.sampleLog.positions;
    const int last = tick;
    if (v.centreOfMass) {
        const double p1 = v.redMassBar, p2 = v.blackMassBar;
        const double w = p2 / (p1 + p2);
        for (int k = 1; k <= last; k += divisor) {
            const sim::PositionSample& e = pos[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s, k);
            const double cx = e.redX + (e.blackX - e.redX) * w;
            const double cy = e.redY + (e.blackY - e.redY) * w;
            cv.rectangle(Trunc(cx - 2 + g.x), Trunc(cy - 2 + g.y), Trunc(cx + 2 + g.x), Trunc(cy + 2 + g.y));
        }
    }
    if (!v.traceCentres)
        return;
    const int ct = s.collisionTick;
    for (int k = 1; k <= last; k += divisor) {
        const sim::PositionSample& e = pos[static_cast<size_t>(k)];
        const sim::Offset g = sim::displayOffset(s, k);
        cv.setPenColor(kRed);
        if ((k < ct && v.redBefore) || (k > ct && v.redAfter))
            cv.ellipse(Trunc(e.redX - 2 + g.x), Trunc(e.redY - 2 + g.y), Trunc(e.redX + 2 + g.x),
                       Trunc(e.redY + 2 + g.y));
        cv.setBrushColor(kBlack);
        cv.setPenColor(kBlack);
        if ((k < ct && v.blackBefore) || (k > ct && v.blackAfter))
            cv.ellipse(Trunc(e.blackX - 2 + g.x), Trunc(e.blackY - 2 + g.y), Trunc(e.blackX + 2 + g.x),
                       Trunc(e.blackY + 2 + g.y));
        cv.setBrushColor(kWhite);
    }
}

void Painter::pucks() const
{
    if (tick <= v.pucksHiddenUpTo)
        return;
    const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(tick)];
    const sim::Offset g = sim::displayOffset(s, tick);
    cv.setBrushStyle(Canvas::BrushStyle::Clear);
    for (int p = 1; p <= v.massCount; ++p) {
        const sim::PuckState& puck = p == 1 ? s.red : s.black;
        const double X = p == 1 ? e.redX : e.blackX;
        const double Y = p == 1 ? e.redY : e.blackY;
        const int r = puck.radius;
        if (v.labelMass) {
            const QString label = lang::shown(num::F(puck.mass, 3, 1)) + QStringLiteral(" kg");
            cv.textOut(Trunc(X) - 12, Trunc(Y) - 5, label);
        }
        cv.setPenColor(p == 1 ? kRed : kBlack);
        if (v.letters) {
            const QString letter = letters ? letters[p - 1]
                : p == 1                   ? QCoreApplication::translate("Pucks", "R")
                                           : QCoreApplication::translate("Pucks", "B");
            cv.textOut(Trunc(X + g.x) - 3, Trunc(Y + g.y) - 6, letter);
        }
        const int x1 = Trunc(X - r + g.x), y1 = Trunc(Y - r + g.y);
        const int x2 = Trunc(X + r + g.x), y2 = Trunc(Y + r + g.y);
        if (!v.oneD) {
            cv.ellipse(x1, y1, x2, y2);
        } else {
            cv.rectangle(x1, y1, x2, y2);
            cv.setPenWidth(2);
            cv.setPenColor(kBlack);
            const int yt = Trunc(s.red.radius + e.redY);
            cv.line(0, yt, cv.width(), yt);
            cv.setPenWidth(1);
        }
    }
}

void Painter::trace() const
{
    marks();
    if (v.arrows)
        return;
    pucks();
    cv.setPenColor(kBlack);
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    const bool stuck = s.elasticPercent == 0 && s.collided;
    if (!stuck && v.springMode) {
        const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(tick)];
        drawSpring(cv, s, tick, Trunc(e.blackX - s.black.radius), Trunc(e.blackY + 6.0));
    }
}

// The whole circular strobe trace up to the tick, in closed form, and the puck at it.
void Painter::circle(const Canvas& grid) const
{
    clearTable(cv, grid, v.showGrid, kBlack);
    if (v.showScale)
        drawScaleBar(cv, s.scale, QStringLiteral("10.0 cm"));
    const ViewSettings::Place& puck = v.redPuck;
    const ViewSettings::Place& pivot = v.redHandle;
    const sim::CircleOrbit orbit =
        sim::circleOrbit(s, puck.left, puck.top, puck.width, pivot.left, pivot.top, pivot.width);
    const int cx = pivot.left + pivot.width / 2 - sim::kImageLeft;
    const int cy = pivot.top + pivot.width / 2 - sim::kImageTop;
    cv.setPenColor(kRed);
    cv.setBrushColor(kRed);
    cv.ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
    cv.setBrushColor(kWhite);
    const int divisor = sim::strobeDivisor(s, v.strobeIndex);
    int px = cx, py = cy;
    for (int i = 0; i <= tick; ++i) {
        const bool shown = sim::circleDotShown(i, divisor);
        if (!shown && i != tick)
            continue;
        const double psi = sim::circleAngle(orbit, i);
        px = cx - Trunc(orbit.R * std::cos(psi));
        py = cy + Trunc(orbit.R * std::sin(psi));
        if (shown)
            cv.ellipse(px - 2, py - 2, px + 2, py + 2);
    }
    const int h = puck.width / 2;
    cv.ellipse(px - h, py - h, px + h, py + h);
}
}   // namespace

void drawTablePicture(Canvas& cv, const Canvas& grid, const TablePicture& p)
{
    const ViewSettings& v = p.view;
    const sim::SimState* s = p.state;
    int tick = p.tick;
    if (v.circle) {
        Painter{cv, *s, v, tick, p.letters}.circle(grid);
        return;
    }
    std::unique_ptr<sim::SimState> masked;   // the run as it may be shown while its outcome is hidden
    if (p.hiddenFrom > 0) {
        masked = std::make_unique<sim::SimState>(*s);
        sim::maskOutcome(*masked, p.hiddenFrom);
        tick = std::min(tick, std::clamp(p.hiddenFrom, 1, sim::kTickCeiling));
        s = masked.get();
    }
    const Painter paint{cv, *s, v, tick, p.letters};
    clearTable(cv, grid, v.showGrid, kBlack);
    if (v.showScale) {
        const bool metres = v.oneD && v.massCount == 1;
        drawScaleBar(cv, s->scale, metres ? QStringLiteral("10.0 m") : QStringLiteral("10.0 cm"));
    }
    if (v.arrows && v.tableAngle == 0)   // arrows, only on a level table
        paint.arrows();
    if (p.kept)
        drawKeptRuns(cv, *p.kept, v.strobeIndex);
    paint.trace();
    if (p.prediction)
        drawPrediction(cv, *s, *p.prediction);
    if (v.oneD && v.massCount == 1)
        drawForce(cv, *p.state, p.tick, v);
}

void drawPushBetweenTicks(Canvas& cv, const TablePicture& p)
{
    if (p.view.oneD && p.view.massCount == 1)
        drawForce(cv, *p.state, p.tick, p.view);
}

void drawGrid(Canvas& g)
{
    const int W = g.width(), H = g.height();
    g.setPenColor(QColor(0, 0, 0));
    g.setPenWidth(1);
    g.setPenStyle(Canvas::PenStyle::Solid);
    g.setBrushColor(QColor(255, 255, 255));
    g.setBrushStyle(Canvas::BrushStyle::Solid);
    g.rectangle(0, 0, W, H);
    g.setPenColor(QColor(128, 128, 128));
    g.setPenStyle(Canvas::PenStyle::Dotted);
    for (int i = 1; i <= 14; ++i)
        g.line(W * i / 15, 0, W * i / 15, H);
    for (int i = 1; i <= 9; ++i)
        g.line(0, H * i / 10, W, H * i / 10);
}

void clearTable(Canvas& cv, const Canvas& grid, bool showGrid, QColor penAfter)
{
    if (showGrid) {
        cv.copyRect(0, 0, grid.width(), grid.height(), grid.image());
        return;
    }
    cv.setPenColor(QColor(255, 255, 255));
    cv.rectangle(0, 0, cv.width(), cv.height());
    cv.setPenColor(penAfter);
}

void drawScaleBar(Canvas& cv, double scale, const QString& text)
{
    cv.setFontName(QStringLiteral("arial"));
    cv.setFontBold(true);
    const int S = num::Round(10.0 * scale);
    cv.textOut(S + 10, 20, text);
    cv.line(10, 20, S + 10, 20);
    cv.line(10, 17, 10, 23);
    cv.line(S + 10, 17, S + 10, 23);
}

ViewSettings viewSettingsFor(const sim::SetupModel& m, ViewSettings::Place redPuck, ViewSettings::Place redHandle)
{
    ViewSettings v;
    v.showGrid = m.mark(sim::ShowGridMark);
    v.showScale = m.mark(sim::ShowScaleMark);
    v.arrows = m.mark(sim::ArrowsMark);
    v.circle = m.interaction == sim::Interaction::Circle;
    v.springMode = m.springChecked;
    v.oneD = m.dimension == 1;
    v.massCount = m.massCount;
    v.centreOfMass = m.mark(sim::CentreOfMassMark);
    v.traceCentres = m.mark(sim::TraceCentresMark);
    v.redBefore = m.mark(sim::RedBeforeMark);
    v.redAfter = m.mark(sim::RedAfterMark);
    v.blackBefore = m.mark(sim::BlackBeforeMark);
    v.blackAfter = m.mark(sim::BlackAfterMark);
    v.labelMass = m.mark(sim::LabelMassMark);
    v.tableAngle = m.tableAngle;
    v.redMassBar = m.redMass;
    v.blackMassBar = m.blackMass;
    v.redSpeedBar = m.redSpeed;
    v.blackSpeedBar = m.blackSpeed;
    v.strobeIndex = m.frequencyIndex;
    v.traceBlock = m.mark(sim::TraceBlockMark);
    v.showForce = m.mark(sim::ShowForceMark);
    v.letters = m.letterMarks;
    v.redPuck = redPuck;
    v.redHandle = redHandle;
    return v;
}

void hideUnknown(ViewSettings& v, const sim::Disclosure& d)
{
    if (d.blackMassHidden)
        v.centreOfMass = v.labelMass = false;
    if (d.launchHidden()) {
        v.redBefore = v.blackBefore = false;
        v.pucksHiddenUpTo = d.launchHiddenUpTo;
    }
}
