#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <vector>

#include "datawin/graph_page.h"
#include "engine/numbers.h"
#include "ui/platform.h"
#include "ui/widgets.h"

// A fit over a stretch of the graph, chosen by dragging across the time
// axis or by typing its ends (the arrow keys step them): a line or a
// parabola through the chosen series' points, drawn over them, and its
// numbers with their units. Off until a kind of fit is chosen.

namespace {
const QColor kFitColour(0, 150, 0);

QString number(double v)
{
    const double a = std::fabs(v);
    const int decimals = a >= 100 ? 2 : a >= 1 ? 3 : 4;
    return QString::fromStdString(num::F(v, 1, decimals));
}
}   // namespace

void GraphPage::buildFit()
{
    auto* label = new QLabel(tr("Fi&t:"), this);
    label->setGeometry(615, 340, 44, 20);
    fitcb = new QComboBox(this);
    fitcb->setGeometry(660, 338, 135, 24);
    fitcb->addItems({tr("None"), tr("Line: y = a t + b"), tr("Parabola: y = a t² + b t + c")});
    label->setBuddy(fitcb);
    fitSeriescb = new QComboBox(this);
    fitSeriescb->setGeometry(615, 366, 180, 24);
    fitSeriescb->addItems({tr("Red puck"), tr("Black puck"), tr("Total")});
    fitSeriescb->setAccessibleName(tr("Series fitted"));
    QDoubleSpinBox** ends[2] = {&fitFrom, &fitTo};
    const QString names[2] = {tr("Fit from (s)"), tr("Fit to (s)")};
    for (int i = 0; i < 2; ++i) {
        *ends[i] = new QDoubleSpinBox(this);
        (*ends[i])->setGeometry(615 + 92 * i, 394, 88, 24);
        (*ends[i])->setDecimals(2);
        (*ends[i])->setSingleStep(0.05);
        (*ends[i])->setRange(0.0, 500.0);
        (*ends[i])->setSuffix(QStringLiteral(" s"));
        (*ends[i])->setAccessibleName(names[i]);
    }
    fitlb = new QLabel(this);
    fitlb->setGeometry(615, 422, 180, 56);
    fitlb->setWordWrap(true);
    fitlb->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitlb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitCopybt = new QPushButton(tr("Copy Fit"), this);
    fitCopybt->setGeometry(615, 480, 90, 24);
    showFit();
}

void GraphPage::showFit()
{
    const QSignalBlocker a(fitcb), b(fitSeriescb), c(fitFrom), d(fitTo);
    fitcb->setCurrentIndex(std::clamp(choice_.fitModel, 0, 2));
    fitSeriescb->setCurrentIndex(std::clamp(choice_.fitSeries, 0, 2));
    fitFrom->setValue(choice_.fitFrom);
    fitTo->setValue(choice_.fitTo);
    const bool on = choice_.fitModel != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{fitSeriescb, fitFrom, fitTo, fitCopybt})
        w->setEnabled(on);
    if (!on)
        fitlb->clear();
}

void GraphPage::connectFit()
{
    auto redraw = [this] {
        showFit();
        drawGraph();
    };
    connect(fitcb, &QComboBox::currentIndexChanged, this, [this, redraw](int i) {
        choice_.fitModel = i;
        if (i != 0 && choice_.fitTo <= choice_.fitFrom)   // the whole graph until a stretch is chosen
            choice_.fitTo = (choice_.time - 1) * 0.05;
        redraw();
    });
    connect(fitSeriescb, &QComboBox::currentIndexChanged, this, [this, redraw](int i) {
        choice_.fitSeries = i;
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
    connect(graphim, &PictureWidget::mouseDown, this, [this](int x, int) {
        if (choice_.fitModel == 0)
            return;
        dragging_ = true;
        choice_.fitFrom = choice_.fitTo = timeAt(x);
    });
    connect(graphim, &PictureWidget::mouseMove, this, [this](int x, int) {
        if (dragging_)
            choice_.fitTo = timeAt(x);
    });
    connect(graphim, &PictureWidget::mouseUp, this, [this, redraw](int, int) {
        if (!dragging_)
            return;
        dragging_ = false;
        if (choice_.fitTo < choice_.fitFrom)
            std::swap(choice_.fitFrom, choice_.fitTo);
        redraw();
    });
}

double GraphPage::timeAt(int x) const
{
    const double sample = axes_.sx > 0.0 ? (x - axes_.X0) / axes_.sx + 1.0 : 1.0;
    return std::clamp((sample - 1.0) * 0.05, 0.0, std::max(0.0, (choice_.time - 1) * 0.05));
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
        t.push_back((i - 1) * 0.05);
        v.push_back(dw::sampleValue(run_, quantity(), component(), which, i, series() == dw::RedPuck));
    }
    const dw::FitModel model = choice_.fitModel == 1 ? dw::FitModel::Linear : dw::FitModel::Quadratic;
    const dw::Fit f = dw::fitPoints(t, v, model, choice_.fitFrom, choice_.fitTo);
    fitlb->setText(fitText(f));
    Canvas& cv = canvas_;
    cv.setPenColor(kFitColour);
    const int from = num::Round(choice_.fitFrom / 0.05) + 1, to = std::min(last, num::Round(choice_.fitTo / 0.05) + 1);
    for (int i : {from, to})   // the stretch's ends
        cv.line(axes_.x(i), axes_.Y0 - 4, axes_.x(i), axes_.Y0 + 4);
    if (f.ok) {
        cv.setPenWidth(2);
        for (int i = from; i < to; ++i)
            cv.line(axes_.x(i), axes_.y(f.at((i - 1) * 0.05)), axes_.x(i + 1), axes_.y(f.at(i * 0.05)));
        cv.setPenWidth(1);
    }
    graphim->update();
}

QString GraphPage::fitText(const dw::Fit& f) const
{
    if (!f.ok)
        return tr("Too few points in the stretch for this fit.");
    const QString u = QString::fromLatin1(unit_);
    const dw::Quantity q = quantity();
    const QString y = q == dw::Velocity ? u + QStringLiteral("/s")
        : q == dw::Momentum             ? QStringLiteral("kg ") + u + QStringLiteral("/s")
                                        : QStringLiteral("kg ") + u + QStringLiteral("²/s²");
    const QString perS = QStringLiteral("(%1)/s").arg(y), perS2 = QStringLiteral("(%1)/s²").arg(y);
    QString text = f.model == dw::FitModel::Linear
        ? tr("a = %1 %2, b = %3 %4").arg(number(f.p[0]), perS, number(f.p[1]), y)
        : tr("a = %1 %2, b = %3 %4, c = %5 %6").arg(number(f.p[0]), perS2, number(f.p[1]), perS, number(f.p[2]), y);
    text += QLatin1Char('\n')
        + tr("error of a %1, RMS %2, r² %3")
              .arg(number(f.aError), number(f.rms), QString::fromStdString(num::F(f.r2, 1, 4)));
    return text;
}
