#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "datawin/fit.h"
#include "datawin/investigate_page.h"
#include "engine/numbers.h"
#include "ui/platform.h"
#include "ui/widgets.h"

// A fit over the investigation's points: a line, a parabola, a proportion
// or an inverse through one measure over a stretch of the setting, drawn
// over the points with its numbers. Off until a kind is chosen.

namespace {
QString number(double v)
{
    const double a = std::fabs(v);
    return QString::fromStdString(num::F(v, 1, a >= 100 ? 2 : a >= 1 ? 3 : 4));
}
}   // namespace

void InvestigatePage::buildFit()
{
    fitcb = new QComboBox(this);
    fitcb->setGeometry(4, 298, 150, 24);
    fitcb->addItems({tr("No fit"), tr("y = a x + b"), tr("y = a x² + b x + c"), tr("y = a x"), tr("y = a / x")});
    fitcb->setAccessibleName(tr("Fit"));
    fitMeasurecb = new QComboBox(this);
    fitMeasurecb->setGeometry(160, 298, 170, 24);
    fitMeasurecb->setAccessibleName(tr("Measure fitted"));
    QDoubleSpinBox** ends[2] = {&fitFrom, &fitTo};
    const QString names[2] = {tr("Fit from"), tr("Fit to")};
    for (int i = 0; i < 2; ++i) {
        *ends[i] = new QDoubleSpinBox(this);
        (*ends[i])->setGeometry(336 + 96 * i, 298, 90, 24);
        (*ends[i])->setDecimals(2);
        (*ends[i])->setRange(-1e6, 1e6);
        (*ends[i])->setAccessibleName(names[i]);
    }
    fitlb = new QLabel(this);
    fitlb->setGeometry(4, 324, 440, 34);
    fitlb->setWordWrap(true);
    fitlb->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitCopybt = new QPushButton(tr("Copy Fit"), this);
    fitCopybt->setGeometry(448, 328, 76, 26);
}

void InvestigatePage::showFitChoice()
{
    const QSignalBlocker a(fitcb), b(fitMeasurecb), c(fitFrom), d(fitTo);
    fitcb->setCurrentIndex(std::clamp(choice_.fitModel, 0, 4));
    fitMeasurecb->clear();
    for (int m = 1; results->columnCount() > m; ++m)
        fitMeasurecb->addItem(results->horizontalHeaderItem(m)->text());
    fitMeasurecb->setCurrentIndex(std::clamp(choice_.fitMeasure, 0, std::max(0, fitMeasurecb->count() - 1)));
    fitFrom->setValue(choice_.fitFrom);
    fitTo->setValue(choice_.fitTo);
    const bool on = choice_.fitModel != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{fitMeasurecb, fitFrom, fitTo, fitCopybt})
        w->setEnabled(on);
    if (!on)
        fitlb->clear();
}

void InvestigatePage::connectFit()
{
    auto redraw = [this] {
        showFitChoice();
        drawPlot();
    };
    connect(fitcb, &QComboBox::currentIndexChanged, this, [this, redraw](int i) {
        choice_.fitModel = i;
        if (i != 0 && choice_.fitTo <= choice_.fitFrom && !result_.x.empty()) {   // all the points at first
            choice_.fitFrom = result_.x.front();
            choice_.fitTo = result_.x.back();
        }
        redraw();
    });
    connect(fitMeasurecb, &QComboBox::currentIndexChanged, this, [this, redraw](int i) {
        choice_.fitMeasure = std::max(0, i);
        redraw();
    });
    connect(fitFrom, &QDoubleSpinBox::valueChanged, this, [this, redraw](double v) {
        choice_.fitFrom = v;
        redraw();
    });
    connect(fitTo, &QDoubleSpinBox::valueChanged, this, [this, redraw](double v) {
        choice_.fitTo = v;
        redraw();
    });
    connect(fitCopybt, &QPushButton::clicked, this, [this] { platform_.copyText(fitlb->text()); });
    // a drag across the graph chooses the stretch
    connect(plot, &PictureWidget::mouseDown, this, [this](int x, int) {
        dragging_ = choice_.fitModel != 0 && settingAt_ != nullptr;
        if (dragging_)
            choice_.fitFrom = choice_.fitTo = settingAt_(x);
    });
    connect(plot, &PictureWidget::mouseMove, this, [this](int x, int) {
        if (dragging_)
            choice_.fitTo = settingAt_(x);
    });
    connect(plot, &PictureWidget::mouseUp, this, [this, redraw](int, int) {
        if (!dragging_)
            return;
        dragging_ = false;
        if (choice_.fitTo < choice_.fitFrom)
            std::swap(choice_.fitFrom, choice_.fitTo);
        redraw();
    });
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
    if (!f.ok) {
        fitlb->setText(tr("Too few points in the stretch for this fit."));
        return;
    }
    // each parameter's unit from the setting's (x) and the measure's (y)
    const QString x = varyUnit(shownVary_), y = measureUnit(shownMeasures_[m]);
    auto per = [](const QString& a, const QString& b, const char* power) {
        const QString top = a.isEmpty() ? QStringLiteral("1") : QStringLiteral("(%1)").arg(a);
        return b.isEmpty() ? a : top + QStringLiteral("/(%1)").arg(b) + QLatin1String(power);
    };
    const QString byX = x.isEmpty() ? y : y.isEmpty() ? x : QStringLiteral("(%1)(%2)").arg(y, x);
    const QStringList units = choice_.fitModel == 1 ? QStringList{per(y, x, ""), y}
        : choice_.fitModel == 2                     ? QStringList{per(y, x, "²"), per(y, x, ""), y}
        : choice_.fitModel == 3                     ? QStringList{per(y, x, "")}
                                                    : QStringList{byX};
    const char* names = "abc";
    QString text;
    for (int k = 0; k < f.params; ++k)
        text += (k ? QStringLiteral(", ") : QString()) + QLatin1Char(names[k]) + QStringLiteral(" = ")
            + number(f.p[static_cast<size_t>(k)]) + QLatin1Char(' ') + units[k];
    fitlb->setText(text + QStringLiteral("; ")
                   + tr("error of a %1, RMS %2, r² %3")
                         .arg(number(f.aError), number(f.rms), QString::fromStdString(num::F(f.r2, 1, 4))));
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
