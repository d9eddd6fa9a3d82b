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

QString GraphPage::quantityUnit() const
{
    const QString u = QString::fromLatin1(unit_);
    const dw::Quantity q = quantity();
    return q == dw::Velocity ? u + QStringLiteral("/s")
        : q == dw::Momentum  ? QStringLiteral("kg ") + u + QStringLiteral("/s")
                             : QStringLiteral("kg ") + u + QStringLiteral("²/s²");
}
