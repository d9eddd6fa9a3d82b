#include "datawin/energy_bars.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/language.h"

namespace dw {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EnergyPage)
};

struct Bar {
    QString name;
    QColor colour;
    double value;
};

std::vector<Bar> barsOf(const EnergyBarsData& d, const sim::Energies& e)
{
    std::vector<Bar> bars{{Text::tr("red"), QColor(220, 0, 0), e.red}};
    if (d.blackKnown)
        bars.push_back({Text::tr("black"), QColor(0, 0, 0), e.black});
    if (d.spring)
        bars.push_back({Text::tr("spring"), QColor(0, 150, 0), e.spring});
    if (d.field)
        bars.push_back({Text::tr("field"), QColor(0, 90, 220), e.field});
    if (d.heat)
        bars.push_back({Text::tr("heat"), QColor(230, 120, 0), e.heat});
    if (d.blackKnown)
        bars.push_back({Text::tr("total"), QColor(110, 110, 110), e.total});
    return bars;
}

double largest(const std::vector<Bar>& bars)
{
    double m = 0.0;
    for (const Bar& b : bars)
        m = std::max(m, std::fabs(b.value));
    return m;
}

}   // namespace

EnergyBarsData energyBarsOf(const RunData& run, int now, int last)
{
    EnergyBarsData d;
    d.nowSample = now;
    d.lastSample = last;
    d.before = sim::energiesBefore(run.physics, *run.log);
    d.now = sim::energiesAt(run.physics, *run.log, now);
    d.after = sim::energiesAt(run.physics, *run.log, last);
    d.nowShown = !hiddenSample(run, now);
    d.afterShown = !hiddenSample(run, last);
    d.blackKnown = !run.blackMassHidden && run.physics.twoPucks;
    d.spring = run.physics.mode == sim::Interaction::Spring1D;
    d.field = run.physics.mode == sim::Interaction::Electrostatic;
    d.heat = run.physics.mode == sim::Interaction::Inelastic || run.physics.mode == sim::Interaction::SemiElastic;
    return d;
}

void drawEnergyBars(Canvas& cv, const EnergyBarsData& d, const QString& unit)
{
    cv.setBrushColor(QColor(255, 255, 255));
    cv.setPenColor(QColor(255, 255, 255));
    cv.rectangle(0, 0, cv.width(), cv.height());
    const std::vector<Bar> before = barsOf(d, d.before), now = barsOf(d, d.now), after = barsOf(d, d.after);
    double top = largest(before);
    if (d.nowShown)
        top = std::max(top, largest(now));
    if (d.afterShown)
        top = std::max(top, largest(after));
    top = top > 0.0 ? top : 1.0;
    const bool negative = d.field;   // unlike charges are bound: below the line
    const int baseline = negative ? cv.height() * 11 / 20 : cv.height() - 70;
    const double perUnit = (negative ? cv.height() * 0.38 : cv.height() - 130.0) / top;
    cv.setPenColor(QColor(0, 0, 0));
    cv.textOut(10, 8, Text::tr("Energy (kg %1^2/s^2)").arg(unit));
    const QString times[3] = {Text::tr("before"),
                              Text::tr("at %1 s").arg(lang::shown(num::F(sim::secondsAt(d.nowSample), 0, 2))),
                              Text::tr("after (%1 s)").arg(lang::shown(num::F(sim::secondsAt(d.lastSample), 0, 2)))};
    const std::vector<Bar>* groups[3] = {&before, &now, &after};
    const bool shown[3] = {true, d.nowShown, d.afterShown};
    const int groupWidth = (cv.width() - 20) / 3;
    for (int g = 0; g < 3; ++g) {
        const int left = 10 + g * groupWidth;
        cv.setPenColor(QColor(0, 0, 0));
        cv.textOut(left + 4, cv.height() - 24, times[g]);
        cv.line(left, baseline, left + groupWidth - 12, baseline);
        if (!shown[g]) {
            cv.textOut(left + groupWidth / 2 - 10, baseline - 30, QStringLiteral("?"));
            continue;
        }
        const int w = (groupWidth - 20) / int(groups[g]->size());
        for (size_t b = 0; b < groups[g]->size(); ++b) {
            const Bar& bar = (*groups[g])[b];
            const int x = left + 4 + int(b) * w;
            const int h = int(std::lround(bar.value * perUnit));
            cv.setBrushColor(bar.colour);
            cv.setPenColor(bar.colour);
            if (h != 0)
                cv.rectangle(x, std::min(baseline, baseline - h), x + w - 6, std::max(baseline, baseline - h));
            cv.setBrushColor(QColor(255, 255, 255));   // the words on the page's white
            cv.setPenColor(QColor(0, 0, 0));
            cv.textOut(x, h >= 0 ? baseline - h - 16 : baseline - h + 2, lang::shown(num::F(bar.value, 0, 1)));
            cv.textOut(x, baseline + (negative ? 4 : 6), bar.name);
        }
    }
}

}   // namespace dw
