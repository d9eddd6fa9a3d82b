#include "view/prediction_arrows.h"

#include <QColor>
#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"

using num::Trunc;

void drawPrediction(Canvas& cv, const sim::SimState& s, const sim::Prediction& p)
{
    if (!p.on || p.hideFrom <= 0)
        return;
    const sim::PositionSample& at = s.sampleLog.positions[static_cast<size_t>(p.hideFrom)];
    const sim::Offset g = sim::displayOffset(s, p.hideFrom);   // where a tilted table draws it
    cv.setPenWidth(2);
    cv.setPenStyle(Canvas::PenStyle::Dotted);
    auto arrow = [&](const sim::PredictedPuck& q, double x, double y, QColor colour) {
        if (!q.given || q.speed <= 0.0)
            return;
        const double a = q.direction * sim::kPi / 180.0;
        const double len = q.speed * s.scale;   // a second's travel, at the table's scale
        const double tx = x + len * std::cos(a), ty = y - len * std::sin(a);
        cv.setPenColor(colour);
        cv.line(Trunc(x), Trunc(y), Trunc(tx), Trunc(ty));
        for (double side : {-sim::kPi / 6.0, sim::kPi / 6.0})
            cv.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(a + side)), Trunc(ty + 10 * std::sin(a + side)));
    };
    arrow(p.red, at.redX + g.x, at.redY + g.y, QColor(255, 0, 0));
    arrow(p.black, at.blackX + g.x, at.blackY + g.y, QColor(0, 0, 0));
    cv.setPenStyle(Canvas::PenStyle::Solid);
    cv.setPenWidth(1);
}
