#include "datawin/graph_page.h"

#include "datawin/axis_ticks.h"

#include "datawin/fit_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "view/kept_trace.h"

namespace {
QComboBox* list(QWidget* parent, int x, int y, int w, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setGeometry(x, y, w, 24);
    c->addItems(items);
    return c;
}
}   // namespace

GraphPage::GraphPage(PlatformServices& platform, dw::GraphChoice& choice, QWidget* parent)
    : QWidget(parent), platform_(platform), choice_(choice), canvas_(kGraphWidth, kGraphHeight)
{
    graphim = new PictureWidget(canvas_, this);
    graphim->setGeometry(4, 4, kGraphWidth, kGraphHeight);
    graphim->setCursor(Qt::CrossCursor);
    popup = new QMenu(graphim);
    connect(popup->addAction(tr("Copy")), &QAction::triggered, this, &GraphPage::copyRequested);
    connect(popup->addAction(tr("Print")), &QAction::triggered, this, &GraphPage::printRequested);

    GroupBox2 = new QGroupBox(tr("Speed"), this);
    GroupBox2->setGeometry(615, 4, 180, 64);
    ylb = new QLabel(tr("Speed:"), GroupBox2);
    ylb->setGeometry(8, 20, 168, 18);
    xlb = new QLabel(tr("Time:"), GroupBox2);
    xlb->setGeometry(8, 40, 168, 18);
    plotrg = new QGroupBox(tr("Plot"), this);
    plotrg->setGeometry(615, 74, 180, 90);
    plotVelocity = new QRadioButton(tr("Velocity"), plotrg);
    plotVelocity->setGeometry(10, 20, 160, 20);
    plotVelocity->setChecked(true);
    plotEnergy = new QRadioButton(tr("Energy"), plotrg);
    plotEnergy->setGeometry(10, 42, 160, 20);
    plotMomentum = new QRadioButton(tr("Momentum"), plotrg);
    plotMomentum->setGeometry(10, 64, 160, 20);
    compcb = list(this, 615, 172, 180, {tr("X Component"), tr("Y Component"), tr("Scalar Values")});
    drawcb =
        list(this, 615, 202, 180,
             {tr("Red puck"), tr("Black Puck"), tr("Total Only"), tr("Red And Black"), tr("Red, Black and Total")});
    auto* freq = new QLabel(tr("Freq"), this);
    freq->move(615, 236);
    gfcb = list(this, 670, 232, 90, frequencyItems());
    tglb = new QLabel(tr("Draw to 0.00 s"), this);
    tglb->setGeometry(615, 266, 180, 18);
    tgsb = new KeyScrollBar(Qt::Horizontal, this);
    tgsb->setGeometry(615, 286, 180, 17);
    tgsb->setRange(1, 1);
    tgsb->setPageStep(10);
    spcb = new QCheckBox(tr("Plot Spring Energy"), this);
    spcb->setGeometry(615, 312, 180, 20);
    spcb->hide();
    buildFit();

    showChoice();
    // every change, by the user or by code, is the model's; then the drawing follows
    QRadioButton* const plots[] = {plotVelocity, plotEnergy, plotMomentum};
    for (int q = 0; q < 3; ++q)
        connect(plots[q], &QRadioButton::toggled, this, [this, q](bool on) {
            if (on)
                choice_.quantity = q;
        });
    connect(compcb, &QComboBox::currentIndexChanged, this, [this](int i) { choice_.component = i; });
    connect(drawcb, &QComboBox::currentIndexChanged, this, [this](int i) { choice_.series = i; });
    connect(gfcb, &QComboBox::currentIndexChanged, this, [this](int i) { choice_.frequency = i; });
    connect(spcb, &QCheckBox::toggled, this, [this](bool on) { choice_.springEnergy = on; });
    for (QRadioButton* r : plots)
        connect(r, &QRadioButton::clicked, this, [this] { drawGraph(); });
    connect(gfcb, &QComboBox::currentIndexChanged, this, [this] { drawGraph(); });
    connect(spcb, &QCheckBox::clicked, this, [this] { drawGraph(); });
    for (QComboBox* c : {drawcb, compcb})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            computeGraphExtremes();
            drawGraph();
        });
    connect(tgsb, &QScrollBar::valueChanged, this, [this](int v) {
        choice_.time = v;
        tglb->setText(tr("Draw to %1 s").arg(lang::shown(num::F(sim::secondsAt(v), 4, 2))));
        computeGraphExtremes();
        drawGraph();
    });
    connect(graphim, &PictureWidget::mouseDown, this, [this](int x, int y) { readValue(x, y); });
    graphim->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(graphim, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup->popup(graphim->mapToGlobal(p)); });
}

void GraphPage::showChoice()
{
    QRadioButton* const plots[] = {plotVelocity, plotEnergy, plotMomentum};
    const QSignalBlocker a(plots[0]), b(plots[1]), c(plots[2]), d(compcb), e(drawcb), f(gfcb), g(spcb);
    plots[std::clamp(choice_.quantity, 0, 2)]->setChecked(true);
    compcb->setCurrentIndex(choice_.component);
    drawcb->setCurrentIndex(choice_.series);
    gfcb->setCurrentIndex(choice_.frequency);
    spcb->setChecked(choice_.springEnergy);
    fit_->show();
}

dw::Quantity GraphPage::quantity() const
{
    return quantityOf(choice_);
}

dw::Component GraphPage::component() const
{
    return componentOf(choice_);
}

dw::Series GraphPage::series() const
{
    return seriesOf(choice_);
}

void GraphPage::computeGraphExtremes()
{
    extremes_ = graphExtremes(run_, kept_, choice_);
}

void GraphPage::drawGraph()
{
    const QString name = graphName(choice_);
    spcb->setVisible(quantity() == dw::Energy && run_.springShown);
    GroupBox2->setTitle(name);
    ylb->setText(name + QLatin1Char(':'));
    xlb->setText(tr("Time:"));
    const GraphDrawn drawn = drawRunGraph(canvas_, {run_, kept_, choice_, extremes_});
    axes_ = drawn.axes;
    if (drawn.fit)
        fit_->showFit(*drawn.fit,
                      fitUnits(choice_.fitModel == 1 ? dw::FitModel::Linear : dw::FitModel::Quadratic,
                               QStringLiteral("s"), quantityUnit()));
    graphim->update();
}

void GraphPage::readValue(int x, int y)
{
    const dw::GraphAxes& a = axes_;
    if (x <= a.X0 || y >= a.Y0)
        return;
    ylb->setText(GroupBox2->title() + QLatin1Char(':') + lang::shown(num::F((a.Y0 - y) / a.sy + a.bottom, 6, 1)));
    xlb->setText(tr("Time :%1").arg(lang::shown(num::F((x - a.X0) / a.sx / 20.0, 4, 1))));
}
