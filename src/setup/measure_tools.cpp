#include "setup/measure_tools.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "ui/widgets.h"

using num::Trunc;

MeasureTools::MeasureTools(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops, Canvas& table)
    : m_(m), s_(s), c_(c), ops_(ops), cv_(table)
{}

void MeasureTools::connectAll()
{
    // a check box's click action also runs when code changes its tick
    QObject::connect(c_.measurecb, &QCheckBox::toggled, &context_, [this] { measureToggled(); });
    QObject::connect(c_.rulerrb, &QRadioButton::clicked, &context_, [this] { rulerChosen(); });
    QObject::connect(c_.Prorb, &QRadioButton::clicked, &context_, [this] { protractorChosen(); });
    QObject::connect(c_.tableim, &PictureWidget::keyStep, &context_, [this](int dx, int dy) { keyStep(dx, dy); });
    QObject::connect(c_.tableim, &PictureWidget::keyPlace, &context_, [this] { keyPlace(); });
    QObject::connect(c_.tableim, &PictureWidget::keyCancel, &context_, [this] { keyCancel(); });
}

void MeasureTools::measureToggled()
{
    const bool on = c_.measurecb->isChecked();
    c_.tableim->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    // measuring, the picture takes the keyboard too
    c_.tableim->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    c_.puck1->hide();
    c_.puck2->hide();
    c_.redansh->hide();
    c_.blackansh->hide();
    c_.anslb->setVisible(on);
}

void MeasureTools::rulerChosen()
{
    setCaption(c_.anslb, tr("Length: 0 cm"));
}

void MeasureTools::protractorChosen()
{
    setCaption(c_.anslb, tr("Angle: 0.0° or 180.0°"));
}

double MeasureTools::theta() const
{
    const int ax = vertexX_, ay = vertexY_, cx = movingX_, cy = movingY_;
    if (ax != cx) {
        double t = std::atan(static_cast<double>(ay - cy) / (ax - cx));
        if (cx > ax)
            t += sim::kPi;
        return t;
    }
    return cy < ay ? sim::kPi / 2 : 3 * sim::kPi / 2;
}

void MeasureTools::mouseMove(int x, int y)
{
    if (!c_.measurecb->isChecked())
        return;
    ops_.renderTrace();
    if (step_ == 0) {
        vertexX_ = x;
        vertexY_ = y;
        movingX_ = x + 2;
        movingY_ = y;
    } else if (step_ == 1) {
        movingX_ = x;
        movingY_ = y;
    }
    if (c_.rulerrb->isChecked())
        drawRuler();
    else
        drawProtractor();
    c_.tableim->update();
}

void MeasureTools::release(int x, int y)
{
    step_ = (step_ + 1) % 3;
    if (!c_.measurecb->isChecked())
        return;
    if (step_ == 0) {
        vertexX_ = x;
        vertexY_ = y;
        movingX_ = x + 5;
        movingY_ = y;
    } else {
        movingX_ = x;
        movingY_ = y;
    }
}

void MeasureTools::mouseLeft()
{
    step_ = 0;
}

void MeasureTools::keyStep(int dx, int dy)
{
    if (cursorX_ < 0) {
        cursorX_ = c_.tableim->width() / 2;
        cursorY_ = c_.tableim->height() / 2;
    }
    cursorX_ = std::clamp(cursorX_ + dx, 0, c_.tableim->width() - 1);
    cursorY_ = std::clamp(cursorY_ + dy, 0, c_.tableim->height() - 1);
    mouseMove(cursorX_, cursorY_);
}

void MeasureTools::keyPlace()
{
    if (cursorX_ < 0)
        keyStep(0, 0);
    release(cursorX_, cursorY_);
    mouseMove(cursorX_, cursorY_);
}

void MeasureTools::keyCancel()
{
    mouseLeft();
    if (c_.measurecb->isChecked())
        ops_.renderTrace();   // the drawing of the measurement goes
}

void MeasureTools::drawRuler()
{
    const int ax = vertexX_, ay = vertexY_;
    const double th = theta();
    const double c = std::cos(th), sn = std::sin(th);
    const int k = s_.scale >= 20.0 ? Trunc(s_.scale) : Trunc(5 * s_.scale);
    cv_.setPenStyle(Canvas::PenStyle::Solid);
    cv_.setPenColor(QColor(128, 128, 128));
    cv_.setPenWidth(1);
    cv_.line(ax, ay, ax - Trunc(800 * c), ay - Trunc(800 * sn));
    const double pc = std::cos(th + sim::kPi / 2), ps = std::sin(th + sim::kPi / 2);
    for (int i = 1; i <= 28; ++i) {
        cv_.setPenWidth(i % 5 == 0 ? 3 : 1);
        const double ox = -i * k * c, oy = -i * k * sn;
        cv_.line(ax + Trunc(ox - 5 * pc), ay + Trunc(oy - 5 * ps), ax + Trunc(ox + 5 * pc), ay + Trunc(oy + 5 * ps));
    }
    cv_.setPenColor(QColor(0, 0, 0));
    cv_.setPenWidth(2);
    const int mx = movingX_, my = movingY_;
    cv_.line(mx + Trunc(15 * pc), my + Trunc(15 * ps), mx + Trunc(-15 * pc), my + Trunc(-15 * ps));
    cv_.line(ax + Trunc(15 * pc), ay + Trunc(15 * ps), ax + Trunc(-15 * pc), ay + Trunc(-15 * ps));
    cv_.setPenWidth(1);
    const double length = std::hypot(mx - ax, my - ay) / Trunc(s_.scale);
    setCaption(c_.anslb, tr("Length: %1%2").arg(lang::shown(num::F(length, 4, 2)), QString::fromLatin1(m_.unitText())));
}

void MeasureTools::drawProtractor()
{
    const int ax = vertexX_, ay = vertexY_;
    const double th = theta();
    cv_.setPenStyle(Canvas::PenStyle::Solid);
    cv_.setPenColor(QColor(255, 0, 0));
    cv_.setPenWidth(2);
    cv_.line(ax, ay, ax - Trunc(100 * std::cos(th)), ay - Trunc(100 * std::sin(th)));
    double phi = th;
    if (phi < 0)
        phi += sim::kPi;
    if (phi > sim::kPi)
        phi -= sim::kPi;
    const double deg = 180.0 / sim::kPi;
    setCaption(
        c_.anslb,
        tr("Angle: %1° or %2°")
            .arg(lang::shown(num::F(phi * deg, 4, 1)), lang::shown(num::F(std::fabs(phi - sim::kPi) * deg, 4, 1))));

    cv_.setPenColor(QColor(128, 128, 128));
    cv_.setPenWidth(1);
    const double beta = movingY_ < ay ? sim::kPi : 0.0;
    const int ex = Trunc(30 * std::cos(beta)), ey = Trunc(30 * std::sin(beta));
    cv_.line(ax - ex, ay - ey, ax + ex, ay + ey);
    const int mx = Trunc(10 * std::cos(beta + sim::kPi / 2)), my = Trunc(10 * std::sin(beta + sim::kPi / 2));
    cv_.line(ax + mx, ay + my, ax - mx, ay - my);
    cv_.arc(ax - 100, ay - 100, ax + 100, ay + 100, ax - ex, ay - ey, ax + ex, ay + ey);
    cv_.arc(ax - 30, ay - 30, ax + 30, ay + 30, ax - ex, ay - ey, ax + ex, ay + ey);
    for (int i = 0; i <= 12; ++i) {
        const double a = beta + i * 15.0 / deg;
        cv_.line(ax + Trunc(30 * std::cos(a)), ay + Trunc(30 * std::sin(a)), ax + Trunc(100 * std::cos(a)),
                 ay + Trunc(100 * std::sin(a)));
    }
}
