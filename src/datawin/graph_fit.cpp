#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <vector>

#include "datawin/fit_controls.h"
#include "datawin/graph_page.h"
#include "engine/numbers.h"
#include "ui/widgets.h"

// A fit over a stretch of the graph, chosen by dragging across the time
// axis or by typing its ends (the arrow keys step them): a line or a
// parabola through the chosen series' points, drawn over them, and its
// numbers with their units. Off until a kind of fit is chosen.

namespace {
const QColor kFitColour(0, 150, 0);
}   // namespace

void GraphPage::buildFit()
{
    FitLayout l;
    l.kind = {660, 338, 135, 24};
    l.source = {615, 366, 180, 24};
    l.from = {615, 394, 88, 24};
    l.to = {707, 394, 88, 24};
    l.result = {615, 422, 180, 56};
    l.copy = {615, 480, 90, 24};
    l.kinds = QStringList{tr("None"), tr("Line: y = a t + b"), tr("Parabola: y = a t² + b t + c")};
    l.sources = QStringList{tr("Red puck"), tr("Black puck"), tr("Total")};
    l.sourceName = tr("Series fitted");
    l.fromName = tr("Fit from (s)");
    l.toName = tr("Fit to (s)");
    l.step = 0.05;
    l.lowest = 0.0;
    l.highest = 500.0;
    l.suffix = QStringLiteral(" s");
    fit_ = new FitControls(this, platform_, {choice_.fitModel, choice_.fitSeries, choice_.fitFrom, choice_.fitTo},
                           graphim, l);
    auto* label = new QLabel(tr("Fi&t:"), this);
    label->setGeometry(615, 340, 44, 20);
    label->setBuddy(fit_->kind);
    fitcb = fit_->kind;
    fitSeriescb = fit_->source;
    fitFrom = fit_->from;
    fitTo = fit_->to;
    fitlb = fit_->result;
    fitCopybt = fit_->copy;
    fit_->redraw = [this] { drawGraph(); };
    fit_->firstStretch = [this] { choice_.fitTo = sim::secondsAt(choice_.time); };   // the whole graph
    fit_->valueAt = [this](int x) { return timeAt(x); };
}

double GraphPage::timeAt(int x) const
{
    const double sample = axes_.sx > 0.0 ? (x - axes_.X0) / axes_.sx + 1.0 : 1.0;
    return std::clamp((sample - 1.0) * 0.05, 0.0, std::max(0.0, sim::secondsAt(choice_.time)));
}

void GraphPage::drawFit(int last)
{
    if (choice_.fitModel == 0 || !run_.log)
        return;
    const dw::Which which = static_cast<dw::Which>(std::clamp(choice_.fitSeries, 0, 2));
    const int idx = choice_.frequency;
    const int divisor = run_.divisors[static_cast<size_t>(idx >= 0 && idx < 6 ? idx : 0)];
    std::vector<double> t, v;
    for (int i = 1; i <= last; i += divisor) {
        t.push_back(sim::secondsAt(i));
        v.push_back(dw::sampleValue(run_, quantity(), component(), which, i, series() == dw::RedPuck));
    }
    const dw::FitModel model = choice_.fitModel == 1 ? dw::FitModel::Linear : dw::FitModel::Quadratic;
    const dw::Fit f = dw::fitPoints(t, v, model, choice_.fitFrom, choice_.fitTo);
    fit_->showFit(f, fitUnits(model, QStringLiteral("s"), quantityUnit()));
    Canvas& cv = canvas_;
    cv.setPenColor(kFitColour);
    const int from = num::Round(choice_.fitFrom / 0.05) + 1, to = std::min(last, num::Round(choice_.fitTo / 0.05) + 1);
    for (int i : {from, to})   // the stretch's ends
        cv.line(axes_.x(i), axes_.Y0 - 4, axes_.x(i), axes_.Y0 + 4);
    if (f.ok) {
        cv.setPenWidth(2);
        for (int i = from; i < to; ++i)
            cv.line(axes_.x(i), axes_.y(f.at(sim::secondsAt(i))), axes_.x(i + 1), axes_.y(f.at(sim::secondsAt(i + 1))));
        cv.setPenWidth(1);
    }
    graphim->update();
}

QString GraphPage::quantityUnit() const
{
    const QString u = QString::fromLatin1(unit_);
    const dw::Quantity q = quantity();
    return q == dw::Velocity ? u + QStringLiteral("/s")
        : q == dw::Momentum  ? QStringLiteral("kg ") + u + QStringLiteral("/s")
                             : QStringLiteral("kg ") + u + QStringLiteral("²/s²");
}
