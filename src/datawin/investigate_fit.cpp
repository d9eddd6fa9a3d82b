#include <QComboBox>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "datawin/fit.h"
#include "datawin/fit_controls.h"
#include "datawin/investigate_page.h"

// A fit over the investigation's points: a line, a parabola, a proportion
// or an inverse through one measure over a stretch of the setting, drawn
// over the points with its numbers. Off until a kind is chosen.

void InvestigatePage::buildFit()
{
    FitLayout l;
    l.kind = {4, 298, 150, 24};
    l.source = {160, 298, 170, 24};
    l.from = {336, 298, 90, 24};
    l.to = {432, 298, 90, 24};
    l.result = {4, 324, 440, 34};
    l.copy = {448, 328, 76, 26};
    l.kinds = QStringList{tr("No fit"), tr("y = a x + b"), tr("y = a x² + b x + c"), tr("y = a x"), tr("y = a / x")};
    l.kindName = tr("Fit");
    l.sourceName = tr("Measure fitted");
    l.fromName = tr("Fit from");
    l.toName = tr("Fit to");
    fit_ = new FitControls(this, platform_, {choice_.fitModel, choice_.fitMeasure, choice_.fitFrom, choice_.fitTo},
                           plot, l);
    fitcb = fit_->kind;
    fitMeasurecb = fit_->source;
    fitFrom = fit_->from;
    fitTo = fit_->to;
    fitlb = fit_->result;
    fitCopybt = fit_->copy;
    fit_->redraw = [this] { drawPlot(); };
    fit_->firstStretch = [this] {   // all the points at first
        if (!result_.x.empty()) {
            choice_.fitFrom = result_.x.front();
            choice_.fitTo = result_.x.back();
        }
    };
}

void InvestigatePage::showFitChoice()
{
    {
        // the measures to fit are those shown
        const QSignalBlocker quiet(fitMeasurecb);
        fitMeasurecb->clear();
        for (int m = 1; results->columnCount() > m; ++m)
            fitMeasurecb->addItem(results->horizontalHeaderItem(m)->text());
    }
    fit_->show();
}

void InvestigatePage::drawFit(const std::function<int(double)>& px, const std::function<int(double)>& py)
{
    const size_t m = static_cast<size_t>(choice_.fitMeasure);
    if (choice_.fitModel == 0 || result_.x.empty() || m >= shownMeasures_.size())
        return;
    std::vector<double> values;
    for (const std::vector<double>& row : result_.values)
        values.push_back(row[m]);
    const dw::Fit f = dw::fitPoints(result_.x, values, static_cast<dw::FitModel>(choice_.fitModel - 1), choice_.fitFrom,
                                    choice_.fitTo);
    const QString x = varyUnit(shownVary_);
    fit_->showFit(f,
                  fitUnits(static_cast<dw::FitModel>(choice_.fitModel - 1),
                           x.isEmpty() ? x : QStringLiteral("(%1)").arg(x), measureUnit(shownMeasures_[m])));
    if (!f.ok)
        return;
    Canvas& cv = canvas_;
    cv.setPenColor(QColor(0, 150, 0));
    cv.setPenWidth(2);
    const double lo = std::max(std::min(choice_.fitFrom, choice_.fitTo), result_.x.front());
    const double hi = std::min(std::max(choice_.fitFrom, choice_.fitTo), result_.x.back());
    int lastX = -1, lastY = 0;
    for (int k = 0; k <= 100; ++k) {
        const double x = lo + (hi - lo) * k / 100.0;
        if (choice_.fitModel == 4 && x == 0.0)
            continue;
        const int nx = px(x), ny = py(f.at(x));
        if (lastX >= 0 && std::abs(ny) < 10000 && std::abs(lastY) < 10000)
            cv.line(lastX, lastY, nx, ny);
        lastX = nx;
        lastY = ny;
    }
    cv.setPenWidth(1);
}
