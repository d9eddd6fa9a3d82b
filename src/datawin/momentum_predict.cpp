#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "datawin/momentum_page.h"
#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/widgets.h"

// Predict First on the momentum page: while the outcome is hidden the
// after arrows are the class's prediction. Their heads can be dragged, and
// the after fields typed, to change it.

namespace {
const sim::PredictedPuck& puckOf(const sim::Prediction& p, int arrow)
{
    return arrow == 2 ? p.red : p.black;
}

QString f41(double x)
{
    return lang::shown(num::F(x, 4, 1)).trimmed();
}
}   // namespace

void MomentumPage::setPrediction(const sim::Prediction* p, std::function<void(int, const sim::PredictedPuck&)> predict)
{
    prediction_ = p;
    predict_ = std::move(predict);
}

void MomentumPage::connectHeads()
{
    // while the outcome is hidden the after arrows' heads set the prediction
    for (int k : {2, 4}) {
        MovableShape* head = circles_[static_cast<size_t>(2 * k)];
        connect(head, &MovableShape::mouseMove, this, [this, k](int x, int y) {
            if (momDragging_)
                headMove(k, x, y);
        });
        connect(head, &MovableShape::mouseDown, this, [this] { shapeDown(); });
        connect(head, &MovableShape::mouseUp, this, [this] { shapeUp(); });
        head->setKeyboardMovable(true);
        connect(head, &MovableShape::keyMove, this,
                [this, k, head](int dx, int dy) { headMove(k, head->width() / 2 + dx, head->height() / 2 + dy); });
    }
}

bool MomentumPage::predicting() const
{
    return prediction_ && dw::hiddenSample(run_, choice_.time);
}

double MomentumPage::massOf(int arrow) const
{
    return arrow == 2 ? run_.redMass : run_.blackMass;
}

void MomentumPage::predictedArrows()
{
    // a puck not predicted yet starts from half the total momentum before,
    // an arrow to drag from
    const sim::VelocitySample& v = run_.log->velocities[1];
    const double px = run_.redMass * v.redSpeed * std::cos(v.redDirection)
        + run_.blackMass * v.blackSpeed * std::cos(v.blackDirection);
    const double py = run_.redMass * v.redSpeed * std::sin(v.redDirection)
        + run_.blackMass * v.blackSpeed * std::sin(v.blackDirection);
    for (int k : {2, 4}) {
        const sim::PredictedPuck& q = puckOf(*prediction_, k);
        const double a = q.given ? q.direction * num::kPi / 180.0 : std::atan2(py, px);
        const double p = q.given ? q.speed * massOf(k) : std::hypot(px, py) / 2.0;
        momAngle_[static_cast<size_t>(k)] = a;
        momHalf_[static_cast<size_t>(k)] = dw::momentumHalf(p, a, choice_.scale);
    }
}

void MomentumPage::showHeads()
{
    const bool on = predicting();
    for (int k : {2, 4}) {
        MovableShape* head = circles_[static_cast<size_t>(2 * k)];
        head->setVisible(on && !handles_[static_cast<size_t>(k)]->isHidden());
        head->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void MomentumPage::predictedTexts()
{
    QLineEdit* const fields[2][2] = {{rav, raa}, {bav, baa}};
    for (int i = 0; i < 2; ++i) {
        const int k = 2 + 2 * i;
        const sim::PredictedPuck& q = puckOf(*prediction_, k);
        const QString texts[2] = {q.given ? f41(q.speed * massOf(k)) : QString(),
                                  q.given ? f41(q.direction) : QString()};
        for (int j = 0; j < 2; ++j) {
            const QSignalBlocker quiet(fields[i][j]);
            fields[i][j]->setText(texts[j]);
            choice_.typed[static_cast<size_t>(j * 4 + k - 1)] = texts[j].toStdString();
        }
    }
}

void MomentumPage::typedPrediction(int k)
{
    QLineEdit* mom = k == 2 ? rav : bav;
    QLineEdit* angle = k == 2 ? raa : baa;
    bool okP = false, okA = false;
    const double p = lang::typed(mom->text().trimmed()).toDouble(&okP);
    const double a = lang::typed(angle->text().trimmed()).toDouble(&okA);
    sim::PredictedPuck q;
    q.given = okP && okA && std::isfinite(p) && std::isfinite(a) && p >= 0.0 && massOf(k) > 0.0;
    q.speed = q.given ? p / massOf(k) : 0.0;
    q.direction = q.given ? a : 0.0;
    if (predict_)
        predict_(k == 2 ? 1 : 2, q);
}

void MomentumPage::headMove(int k, int x, int y)
{
    if (!predicting())
        return;
    MovableShape* head = circles_[static_cast<size_t>(2 * k)];
    const dw::IPoint tail = at(circles_[static_cast<size_t>(2 * k - 1)]);
    const dw::IPoint to{head->x() + x - 3, head->y() + y - 3};
    const int vx = to.x - tail.x, vy = tail.y - to.y;   // y up
    const double p = std::hypot(vx, vy) / std::max(1, choice_.scale);
    double a = std::atan2(vy, vx) * 180.0 / num::kPi;
    if (a < 0.0)
        a += 360.0;
    if (predict_)
        predict_(k == 2 ? 1 : 2, {p / massOf(k), p > 0.0 ? a : 0.0, true});
    moveTo(handles_[static_cast<size_t>(k)], {(tail.x + to.x) / 2, (tail.y + to.y) / 2});
    predictedTexts();
    recomputeArrows();
}
