#include "datawin/graph_drawing.h"

#include <QColor>
#include <QCoreApplication>
#include <algorithm>

#include "datawin/axis_ticks.h"
#include "engine/numbers.h"
#include "ui/canvas.h"
#include "view/kept_trace.h"

namespace {
const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kGreen(0, 128, 0);
const QColor kFitColour(0, 150, 0);

int divisorOf(const dw::RunData& run, int frequency)
{
    return run.divisors[static_cast<size_t>(frequency >= 0 && frequency < 6 ? frequency : 0)];
}

void drawAxes(Canvas& cv, const dw::GraphAxes& a, int P, const QString& name)
{
    const int W = cv.width(), H = cv.height();
    cv.setPenColor(kWhite);
    cv.setPenWidth(1);
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    cv.setBrushColor(kWhite);
    cv.rectangle(0, 0, W, H);

    cv.setPenColor(kRed);
    cv.setPenWidth(2);
    cv.line(a.X0, a.bottom < 0 ? H : a.Y0, a.X0, 0);
    cv.line(a.X0, a.yz, W, a.yz);
    cv.setFontBold(false);
    // a label every second while they stand apart, else every 2, 5, 10, ... s;
    // a tick halfway between; none cut off at the right edge
    const double S = dw::tickStep(20.0 * a.sx, cv.textWidth(QString::number(P / 20)) + 8.0, 1.0);
    const int ticks = num::Round(2.0 * P / (20.0 * S));
    for (int j = 1; j <= ticks; ++j) {
        const int x = a.X0 + num::Round(10.0 * S * j * a.sx);
        cv.line(x, a.yz, x, a.yz + 4);
        const QString label = QString::number(j / 2 * static_cast<long long>(S));
        if (j % 2 == 0 && x + cv.textWidth(label) <= W)
            cv.textOut(x, a.yz + 8, label);
    }
    for (int sign : {1, -1}) {
        for (int j = sign > 0 ? 0 : 1; j <= 2 * a.n; ++j) {
            const double v = sign * a.step * j / 2.0;
            const int y = a.y(v);
            if (y < -20 || y > H + 20)
                continue;   // clipped anyway
            cv.line(a.X0, y, a.X0 - 4, y);
            if (j % 2 == 0)
                cv.textOut(a.X0 - 20, y - 5, QString::number(sign * a.step * (j / 2)));
        }
    }
    cv.setFontBold(true);
    // a letter a line; a word too long for that (in another language) is
    // turned to read upwards along the axis instead of filling its height
    if (30 * name.size() + 44 <= a.Y0) {
        for (int k = 1; k <= name.size(); ++k)
            cv.textOut(5, 30 * k + 30, name.mid(k - 1, 1));
    } else {
        cv.textUp(4, (a.Y0 + cv.textWidth(name)) / 2, name);
    }
    cv.setFontBold(false);
}

void drawKept(Canvas& cv, const GraphScene& g, const dw::GraphAxes& a, int last)
{
    // lighter shades of the series' colours, marked per run as on the table
    const dw::Series s = seriesOf(g.choice);
    const bool red = s == dw::RedPuck || s == dw::RedAndBlack || s == dw::RedBlackTotal;
    const bool black = s == dw::BlackPuck || s == dw::RedAndBlack || s == dw::RedBlackTotal;
    const bool total = s == dw::TotalOnly || s == dw::RedBlackTotal;
    const int divisor = g.run.divisors[static_cast<size_t>(std::clamp(g.choice.frequency, 0, 5))];
    for (size_t r = 0; r < g.kept.size(); ++r) {
        const KeptGraph& k = g.kept[r];
        auto mark = [&](int x, int y) { drawKeptMark(cv, static_cast<int>(r), x, y); };
        for (const dw::Which w : {dw::Red, dw::Black, dw::Total}) {
            if (!(w == dw::Red ? red : w == dw::Black ? black : total))
                continue;
            cv.setPenColor(kKeptTints[w]);
            cv.setBrushStyle(Canvas::BrushStyle::Clear);
            for (int i = 1; i <= std::min(last, k.end); i += divisor)
                mark(a.x(i),
                     a.y(dw::sampleValue(k.run, quantityOf(g.choice), componentOf(g.choice), w, i, s == dw::RedPuck)));
        }
        // the legend, top right
        const int y = 6 + 16 * static_cast<int>(r);
        cv.setPenColor(kKeptTints[1]);
        mark(cv.width() - 70, y + 7);
        cv.textOut(cv.width() - 62, y, k.name);
    }
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    cv.setBrushColor(kWhite);
}

// Not by colour alone: red circles on a solid line, black squares on a
// dotted one, the total's crosses on none.
void markPoint(Canvas& cv, int which, int lastX, int lastY, int x, int y)
{
    if (lastX >= 0 && which != dw::Total) {
        cv.setPenStyle(which == dw::Red ? Canvas::PenStyle::Solid : Canvas::PenStyle::Dotted);
        cv.line(lastX, lastY, x, y);
        cv.setPenStyle(Canvas::PenStyle::Solid);
    }
    if (which == dw::Red) {
        cv.ellipse(x - 2, y - 2, x + 2, y + 2);
    } else if (which == dw::Black) {
        cv.rectangle(x - 2, y - 2, x + 3, y + 3);
    } else {
        cv.line(x - 3, y - 3, x + 4, y + 4);
        cv.line(x - 3, y + 3, x + 4, y - 4);
    }
}

struct Plot {
    dw::Which which;
    QColor pen;
};

std::vector<Plot> plotsOf(dw::Series s)
{
    switch (s) {
    case dw::RedPuck: return {{dw::Red, kRed}};
    case dw::BlackPuck: return {{dw::Black, kBlack}};
    case dw::TotalOnly: return {{dw::Total, kBlue}};
    case dw::RedAndBlack: return {{dw::Red, kRed}, {dw::Black, kBlack}};
    case dw::RedBlackTotal: return {{dw::Red, kRed}, {dw::Black, kBlack}, {dw::Total, kBlue}};
    }
    return {};
}

void drawSeries(Canvas& cv, const GraphScene& g, const dw::GraphAxes& a, int last)
{
    const dw::RunData& run = g.run;
    const dw::Quantity q = quantityOf(g.choice);
    const dw::Series s = seriesOf(g.choice);
    const int divisor = divisorOf(run, g.choice.frequency);
    const bool spring = g.choice.springEnergy && q == dw::Energy && run.springShown;
    for (const Plot& plot : plotsOf(s)) {
        if (run.blackMassHidden && q != dw::Velocity && plot.which != dw::Red)
            continue;   // they would weigh the challenge's unknown mass
        cv.setPenColor(plot.pen);
        int lastX = -1, lastY = 0;
        for (int i = dw::shownFrom(run); i <= last; ++i) {
            if ((i - 1) % divisor != 0)
                continue;
            const double v = dw::sampleValue(run, q, componentOf(g.choice), plot.which, i, s == dw::RedPuck);
            const int x = a.x(i), y = a.y(v);
            if (run.shapeMarks) {
                markPoint(cv, plot.which, lastX, lastY, x, y);
                lastX = x;
                lastY = y;
            } else {
                cv.ellipse(x - 2, y - 2, x + 2, y + 2);
            }
            if (spring) {
                const double C = run.log->compression[static_cast<size_t>(i)];
                const int ys = a.y(0.5 * run.springK * C * C);
                cv.setPenColor(kGreen);
                cv.ellipse(x - 2, ys - 2, x + 2, ys + 2);
                cv.setPenColor(plot.pen);
            }
        }
    }
}

dw::Fit drawFit(Canvas& cv, const GraphScene& g, const dw::GraphAxes& a, int last)
{
    const dw::GraphChoice& c = g.choice;
    const dw::Which which = static_cast<dw::Which>(std::clamp(c.fitSeries, 0, 2));
    const int divisor = divisorOf(g.run, c.frequency);
    std::vector<double> t, v;
    for (int i = 1; i <= last; i += divisor) {
        t.push_back(sim::secondsAt(i));
        v.push_back(dw::sampleValue(g.run, quantityOf(c), componentOf(c), which, i, seriesOf(c) == dw::RedPuck));
    }
    const dw::FitModel model = c.fitModel == 1 ? dw::FitModel::Linear : dw::FitModel::Quadratic;
    const dw::Fit f = dw::fitPoints(t, v, model, c.fitFrom, c.fitTo);
    cv.setPenColor(kFitColour);
    const int from = num::Round(c.fitFrom / 0.05) + 1, to = std::min(last, num::Round(c.fitTo / 0.05) + 1);
    for (int i : {from, to})   // the stretch's ends
        cv.line(a.x(i), a.Y0 - 4, a.x(i), a.Y0 + 4);
    if (f.ok) {
        cv.setPenWidth(2);
        for (int i = from; i < to; ++i)
            cv.line(a.x(i), a.y(f.at(sim::secondsAt(i))), a.x(i + 1), a.y(f.at(sim::secondsAt(i + 1))));
        cv.setPenWidth(1);
    }
    return f;
}
}   // namespace

dw::Quantity quantityOf(const dw::GraphChoice& c)
{
    return static_cast<dw::Quantity>(std::clamp(c.quantity, 0, 2));
}

dw::Component componentOf(const dw::GraphChoice& c)
{
    return static_cast<dw::Component>(std::clamp(c.component, 0, 2));
}

dw::Series seriesOf(const dw::GraphChoice& c)
{
    return static_cast<dw::Series>(std::clamp(c.series, 0, 4));
}

QString graphName(const dw::GraphChoice& c)
{
    const dw::Quantity q = quantityOf(c);
    const char* name = q == dw::Energy ? QT_TRANSLATE_NOOP("GraphPage", "Energy")
        : q == dw::Momentum            ? QT_TRANSLATE_NOOP("GraphPage", "Momentum")
                                       : QT_TRANSLATE_NOOP("GraphPage", "Velocity");
    return QCoreApplication::translate("GraphPage", name);
}

dw::GraphExtremes graphExtremes(const dw::RunData& run, const std::vector<KeptGraph>& kept,
                                const dw::GraphChoice& choice)
{
    dw::GraphExtremes e = dw::computeGraphExtremes(run, componentOf(choice), dw::shownUpTo(run, choice.time));
    for (const KeptGraph& k : kept)
        dw::widenExtremes(e, dw::computeGraphExtremes(k.run, componentOf(choice), std::min(k.end, choice.time)));
    return e;
}

GraphDrawn drawRunGraph(Canvas& cv, const GraphScene& g)
{
    GraphDrawn drawn;
    const int P = g.choice.time;
    drawn.axes = dw::graphAxes(g.extremes, quantityOf(g.choice), seriesOf(g.choice), cv.width(), cv.height(), P);
    drawAxes(cv, drawn.axes, P, graphName(g.choice));
    cv.setPenWidth(1);
    if (!g.run.log)
        return drawn;
    drawKept(cv, g, drawn.axes, std::min(P, sim::kTickCeiling));
    const int last = std::min(dw::shownUpTo(g.run, P), sim::kTickCeiling);
    drawSeries(cv, g, drawn.axes, last);
    if (g.choice.fitModel != 0)
        drawn.fit = drawFit(cv, g, drawn.axes, last);
    return drawn;
}
