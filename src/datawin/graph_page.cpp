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
const QColor kRed(255, 0, 0), kBlack(0, 0, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kGreen(0, 128, 0);

QComboBox* list(QWidget* parent, int x, int y, int w, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setGeometry(x, y, w, 24);
    c->addItems(items);
    return c;
}
}   // namespace

GraphPage::GraphPage(PlatformServices& platform, dw::GraphChoice& choice, QWidget* parent)
    : QWidget(parent), platform_(platform), choice_(choice), canvas_(603, 467)
{
    graphim = new PictureWidget(canvas_, this);
    graphim->setGeometry(4, 4, 603, 467);
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
    return static_cast<dw::Quantity>(std::clamp(choice_.quantity, 0, 2));
}

dw::Component GraphPage::component() const
{
    return static_cast<dw::Component>(std::clamp(choice_.component, 0, 2));
}

dw::Series GraphPage::series() const
{
    return static_cast<dw::Series>(std::clamp(choice_.series, 0, 4));
}

void GraphPage::computeGraphExtremes()
{
    extremes_ = dw::computeGraphExtremes(run_, component(), dw::shownUpTo(run_, choice_.time));
    for (const KeptSeries& k : kept_)
        dw::widenExtremes(extremes_, dw::computeGraphExtremes(k.run, component(), std::min(k.end, choice_.time)));
}

void GraphPage::drawGraph()
{
    const dw::Quantity q = quantity();
    const QString name = q == dw::Energy ? tr("Energy") : q == dw::Momentum ? tr("Momentum") : tr("Velocity");
    spcb->setVisible(q == dw::Energy && run_.springShown);
    GroupBox2->setTitle(name);
    ylb->setText(name + QLatin1Char(':'));
    xlb->setText(tr("Time:"));

    const int W = canvas_.width(), H = canvas_.height();
    const int P = choice_.time;
    axes_ = dw::graphAxes(extremes_, q, series(), W, H, P);
    const dw::GraphAxes& a = axes_;
    Canvas& cv = canvas_;
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

    cv.setPenWidth(1);
    const dw::Series s = series();
    struct Plot {
        dw::Which which;
        QColor pen;
    };
    Plot plots[3];
    int count = 0;
    switch (s) {
    case dw::RedPuck: plots[count++] = {dw::Red, kRed}; break;
    case dw::BlackPuck: plots[count++] = {dw::Black, kBlack}; break;
    case dw::TotalOnly: plots[count++] = {dw::Total, kBlue}; break;
    case dw::RedAndBlack:
        plots[count++] = {dw::Red, kRed};
        plots[count++] = {dw::Black, kBlack};
        break;
    case dw::RedBlackTotal:
        plots[count++] = {dw::Red, kRed};
        plots[count++] = {dw::Black, kBlack};
        plots[count++] = {dw::Total, kBlue};
        break;
    }
    if (!run_.log) {
        graphim->update();
        return;
    }
    const int idx = choice_.frequency;
    const int divisor = run_.divisors[static_cast<size_t>(idx >= 0 && idx < 6 ? idx : 0)];
    const bool spring = choice_.springEnergy && quantity() == dw::Energy && run_.springShown;
    drawKept(q, s, std::min(P, sim::kTickCeiling));
    const int last = std::min(dw::shownUpTo(run_, P), sim::kTickCeiling);
    for (int p = 0; p < count; ++p) {
        if (run_.blackMassHidden && q != dw::Velocity && plots[p].which != dw::Red)
            continue;   // they would weigh the challenge's unknown mass
        cv.setPenColor(plots[p].pen);
        int lastX = -1, lastY = 0;
        for (int i = dw::shownFrom(run_); i <= last; ++i) {
            if ((i - 1) % divisor != 0)
                continue;
            const double v = dw::sampleValue(run_, q, component(), plots[p].which, i, s == dw::RedPuck);
            const int x = a.x(i), y = a.y(v);
            if (run_.shapeMarks) {
                markPoint(cv, plots[p].which, lastX, lastY, x, y);
                lastX = x;
                lastY = y;
            } else {
                cv.ellipse(x - 2, y - 2, x + 2, y + 2);
            }
            if (spring) {
                const double C = run_.log->compression[static_cast<size_t>(i)];
                const int ys = a.y(0.5 * run_.springK * C * C);
                cv.setPenColor(kGreen);
                cv.ellipse(x - 2, ys - 2, x + 2, ys + 2);
                cv.setPenColor(plots[p].pen);
            }
        }
    }
    drawFit(last);
    graphim->update();
}

// Not by colour alone: red circles on a solid line, black squares on a
// dotted one, the total's crosses on none.
void GraphPage::markPoint(Canvas& cv, int which, int lastX, int lastY, int x, int y)
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

void GraphPage::readValue(int x, int y)
{
    const dw::GraphAxes& a = axes_;
    if (x <= a.X0 || y >= a.Y0)
        return;
    ylb->setText(GroupBox2->title() + QLatin1Char(':') + lang::shown(num::F((a.Y0 - y) / a.sy + a.bottom, 6, 1)));
    xlb->setText(tr("Time :%1").arg(lang::shown(num::F((x - a.X0) / a.sx / 20.0, 4, 1))));
}

void GraphPage::drawKept(dw::Quantity q, dw::Series s, int last)
{
    // lighter shades of the series' colours, marked per run as on the table
    const bool red = s == dw::RedPuck || s == dw::RedAndBlack || s == dw::RedBlackTotal;
    const bool black = s == dw::BlackPuck || s == dw::RedAndBlack || s == dw::RedBlackTotal;
    const bool total = s == dw::TotalOnly || s == dw::RedBlackTotal;
    const dw::GraphAxes& a = axes_;
    Canvas& cv = canvas_;
    const int divisor = run_.divisors[static_cast<size_t>(std::clamp(choice_.frequency, 0, 5))];
    for (size_t r = 0; r < kept_.size(); ++r) {
        const KeptSeries& k = kept_[r];
        auto mark = [&](int x, int y) { drawKeptMark(cv, static_cast<int>(r), x, y); };
        for (const dw::Which w : {dw::Red, dw::Black, dw::Total}) {
            if (!(w == dw::Red ? red : w == dw::Black ? black : total))
                continue;
            cv.setPenColor(kKeptTints[w]);
            cv.setBrushStyle(Canvas::BrushStyle::Clear);
            for (int i = 1; i <= std::min(last, k.end); i += divisor)
                mark(a.x(i), a.y(dw::sampleValue(k.run, q, component(), w, i, s == dw::RedPuck)));
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
